#include "catalogueentries.h"
#include "infobox.h"
#include "pagetest.h"
#include "startup.h"

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
        { "1024x600 with a panel", QRect(0, panelHeight, 1024, 600 - panelHeight) },
        { "1366x768 with a panel", QRect(0, panelHeight, 1366, 768 - panelHeight) },
    };
    return sizes;
}

// In points: a desktop's small font, whose lines of a readable length are narrower than those
// that Qt sizes a box for by itself.
const qreal smallFontSize = 8;

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
        for (const auto &screen : screens()) {
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

QTEST_MAIN(tst_ScreenFit)
#include "tst_screenfit.moc"
