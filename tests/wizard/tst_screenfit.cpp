#include "capturingserver.h"
#include "catalogueentries.h"
#include "client.h"
#include "client_settings.h"
#include "client_wlans.h"
#include "infobox.h"
#include "pagetest.h"
#include "startup.h"
#include "wizarddata.h"

#include <QGuiApplication>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QTranslator>

#include <xcb/xcb.h>

#include <memory>

namespace {

const char *const languages[] = { "en", "de", "es", "fr", "it", "nl", "pl" };

// Screens as the pages see them, in device-independent pixels: the smallest the wizard is made
// for and a common laptop's, each less a panel along its top.
const int panelHeight = 32;
const QList<QPair<const char *, QRect>> &screens()
{
    static const QList<QPair<const char *, QRect>> sizes = {
        { "1024x600", QRect(0, 0, 1024, 600) },
        { "1024x600 with a panel", QRect(0, panelHeight, 1024, 600 - panelHeight) },
        { "1366x768 with a panel", QRect(0, panelHeight, 1366, 768 - panelHeight) },
    };
    return sizes;
}

// In points: a desktop's small font, whose lines of a readable length are narrower than those
// that Qt sizes a box for by itself, and GNOME's, which makes the pages higher than 600 pixels.
const qreal smallFontSize = 8;
const qreal largeFontSize = 11;

// A name as long as a speaker's may be, without a blank to break it at.
const QString longName(63, QLatin1Char('W'));

} // namespace

// On a virtual X display of its own, whose work area the test sets as a panel would.
class tst_ScreenFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void boxShowsEveryWord_data();
    void boxShowsEveryWord();
    void pageWithinScreen_data();
    void pageWithinScreen();

private:
    // What the window manager's _NET_WORKAREA says, in the screen's device pixels.
    bool setAvailable(const QRect &available);
    // The language's catalogue, installed until the test function ends.
    bool installLanguage(const QString &language);
    // The application's font at that size until the test function ends.
    void setFontSize(qreal points);

    QTranslator catalogue;
    QFont normalFont;
};

void tst_ScreenFit::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs the X11 display of xvfb_session.py");
    recordScreenRatio();
    normalFont = QApplication::font();
}

void tst_ScreenFit::cleanup()
{
    QCoreApplication::removeTranslator(&catalogue);
    QApplication::setFont(normalFont);
    deletePages<Client_Settings>();
    deletePages<Client_WLANs>();
    deletePages<Client>();
    wlanPage = nullptr;
    settingsPage = nullptr;
}

bool tst_ScreenFit::setAvailable(const QRect &available)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen->devicePixelRatio();
    const uint32_t area[] = { uint32_t(available.x() * ratio), uint32_t(available.y() * ratio),
                              uint32_t(available.width() * ratio),
                              uint32_t(available.height() * ratio) };
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const auto disconnect = qScopeGuard([connection] { xcb_disconnect(connection); });
    if (xcb_connection_has_error(connection))
        return false;
    const char name[] = "_NET_WORKAREA";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, false, sizeof name - 1, name), nullptr);
    if (!atom)
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, root, atom->atom, XCB_ATOM_CARDINAL, 32,
                        4, area);
    free(atom);
    xcb_flush(connection);
    return QTest::qWaitFor([&] { return screen->availableGeometry() == available; });
}

bool tst_ScreenFit::installLanguage(const QString &language)
{
    if (!catalogue.load(QStringLiteral(":/translations/VANTIR_") + language))
        return false;
    QCoreApplication::installTranslator(&catalogue);
    return true;
}

void tst_ScreenFit::setFontSize(qreal points)
{
    QFont font = normalFont;
    font.setPointSizeF(points);
    QApplication::setFont(font);
}

void tst_ScreenFit::boxShowsEveryWord_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<qreal>("fontScale");
    for (const char *language : languages) {
        // Widths of its own: no more than the lower screen of the same width.
        for (const auto &screen : screens().mid(1)) {
            for (const qreal scale : { 1.0, 2.0 })
                QTest::addRow("%s, %s, font x%g", language, screen.first, scale)
                    << QString::fromLatin1(language) << screen.second << scale;
        }
    }
}

// Every text of the catalogue in a box, as the pages show their boxes, with the longest name
// for each value: the text label is as high as all its lines at its width, and the box within
// the screen.
void tst_ScreenFit::boxShowsEveryWord()
{
    QFETCH(QString, language);
    QFETCH(QRect, available);
    QFETCH(qreal, fontScale);
    QVERIFY(setAvailable(available));
    QVERIFY(installLanguage(language));
    setFontSize(smallFontSize * fontScale);

    QWidget page;
    page.resize(640, 550);
    page.show();
    for (const Entry &entry : entries) {
        QString text = catalogue.translate(entry.context, entry.source);
        for (const char *value : { "%1", "%2", "%3", "%4" })
            text.replace(QLatin1String(value), longName);
        showInfoBox(&page, QStringLiteral("Info"), text, QStringLiteral("OK"));
        const std::unique_ptr<QMessageBox> box(page.findChild<QMessageBox *>());
        QVERIFY(box->isVisible());
        // Once on the screen a box is laid out again, without a change of its own.
        box->layout()->invalidate();
        QCoreApplication::sendPostedEvents(box.get(), QEvent::LayoutRequest);
        QVERIFY2(showsAllText(box.get()), qPrintable(text));
        QVERIFY2(available.contains(box->frameGeometry()), qPrintable(text));
    }
}

void tst_ScreenFit::pageWithinScreen_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QRect>("available");
    for (const char *page : { "speaker list", "WLANs", "settings", "typed WLAN" }) {
        for (const char *language : languages) {
            for (const auto &screen : screens())
                QTest::addRow("%s, %s, %s", page, language, screen.first)
                    << QString::fromLatin1(page) << QString::fromLatin1(language) << screen.second;
        }
    }
}

// Each page on the screen with all of its buttons; its header picture gives way only on a
// screen too low for it, and then first.
void tst_ScreenFit::pageWithinScreen()
{
    QFETCH(QString, page);
    QFETCH(QString, language);
    QFETCH(QRect, available);
    QVERIFY(setAvailable(available));
    QVERIFY(installLanguage(language));
    setFontSize(largeFontSize);

    MessageBoxCloser closer;
    wizardData = WizardData();
    wizardData.url = CapturingServer::refusingUrl();
    wizardData.listedName = QStringLiteral("Ovix Kitchen");
    wizardData.name = wizardData.listedName;
    wizardData.model = QStringLiteral("Ovix One");
    wizardData.ssid = QStringLiteral("HomeNet");
    wizardData.ip = QStringLiteral("192.168.100.123");
    wizardData.softwareVer = QStringLiteral("1.4.12");
    QWidget *shown = nullptr;
    if (page == QLatin1String("speaker list"))
        shown = new Client(nullptr);
    else if (page == QLatin1String("WLANs"))
        shown = new Client_WLANs(nullptr);
    else
        shown = new Client_Settings(nullptr,
                                    page == QLatin1String("settings")
                                        ? Client_Settings::WlanEntry::Chosen
                                        : Client_Settings::WlanEntry::Typed);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));

    QVERIFY2(available.contains(shown->frameGeometry()),
             qPrintable(QStringLiteral("%1x%2").arg(shown->width()).arg(shown->height())));
    for (const QPushButton *button : shown->findChildren<QPushButton *>()) {
        if (!button->isVisible())
            continue;
        QVERIFY2(shown->rect().contains(QRect(button->mapTo(shown, QPoint()), button->size())),
                 qPrintable(button->text()));
        QVERIFY(button->height() >= button->sizeHint().height());
    }
    const QLabel *picture = headerLabel(shown);
    const QPixmap pixmap = picture->pixmap(Qt::ReturnByValue);
    const int natural = qRound(pixmap.height() / pixmap.devicePixelRatio());
    QVERIFY(picture->height() <= natural);
    QVERIFY(picture->height() == natural || shown->frameGeometry().height() == available.height());
}

QTEST_MAIN(tst_ScreenFit)
#include "tst_screenfit.moc"
