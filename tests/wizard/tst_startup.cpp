#include "client.h"
#include "client_settings.h"
#include "client_wlans.h"
#include "displayservers.h"
#include "infobox.h"
#include "pagetest.h"
#include "pixelratio.h"
#include "startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QMovie>
#include <QProcess>
#include <QStyle>
#include <QTest>
#include <QtMath>

#include <memory>

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void ratioLine_data();
    void ratioLine();
    void noAvahiWarning();
    void headerPictures_data();
    void headerPictures();
    void boxSymbol_data();
    void boxSymbol();
    void windowIdentity();

private:
    bool runsElsewhere(const QString &given);

    std::unique_ptr<DisplayServers::VirtualX11> x11;
    std::unique_ptr<DisplayServers::HeadlessWayland> wayland;
};

void tst_Startup::cleanup()
{
    setDevicePixelRatio(1.0);
}

void tst_Startup::ratioLine_data()
{
    QTest::addColumn<QString>("scale");
    for (const char *scale : { "1", "1.25", "1.5", "2" })
        QTest::newRow(scale) << QString::fromLatin1(scale);
}

namespace {

// Starts the real program headless and returns its log lines, read until UNTIL appears.
QStringList programLines(QProcessEnvironment environment, const QString &until)
{
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("default.debug=true"));
    environment.remove(QStringLiteral("QT_MESSAGE_PATTERN"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setReadChannel(QProcess::StandardError);
    program.start(QStringLiteral(VANTIR_CONFIGURATOR), QStringList());
    if (!program.waitForStarted())
        return QStringList();

    QStringList lines;
    QDeadlineTimer deadline(30000);
    while (!lines.contains(until) && !deadline.hasExpired() &&
           program.state() == QProcess::Running) {
        program.waitForReadyRead(100);
        while (program.canReadLine())
            lines.append(QString::fromUtf8(program.readLine()).chopped(1));
    }
    program.kill();
    program.waitForFinished(10000);
    return lines;
}

} // namespace

// The real program on a scaled screen: its first lines, up to the first page's
// browse.
void tst_Startup::ratioLine()
{
    QFETCH(QString, scale);
    const QString line = QStringLiteral("RATIO:  ") + scale;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    const QString browseLine = QStringLiteral("browseForServiceType()...");
    const QStringList lines = programLines(environment, browseLine);

    const int ratio = lines.indexOf(line);
    const int running = lines.indexOf(QStringLiteral("VANTIR Configurator running..."));
    const int browse = lines.indexOf(browseLine);
    QVERIFY2(ratio >= 0 && running > ratio && browse > running,
             qPrintable(lines.join(QLatin1Char('\n'))));
    QCOMPARE(lines.filter(QStringLiteral("RATIO")).count(), 1);
}

// Avahi's compatibility library warns on standard error at the first DNS-SD call of a program
// that uses it; our use is deliberate, so the program keeps it quiet. With Avahi's real library
// (no daemon needed: the warning comes before the library looks for one).
void tst_Startup::noAvahiWarning()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LD_LIBRARY_PATH"));
    environment.remove(QStringLiteral("AVAHI_COMPAT_NOWARN"));
    const QStringList lines =
        programLines(environment, QStringLiteral("DNSServiceBrowse() returned..."));

    const int browse = lines.indexOf(QStringLiteral("browseForServiceType()..."));
    const int returned = lines.indexOf(QStringLiteral("DNSServiceBrowse() returned..."));
    // The browse is made on a thread of its own: the window's lines may come in between.
    QVERIFY2(browse >= 0 && returned > browse &&
                 lines.filter(QStringLiteral("*** WARNING ***")).isEmpty(),
             qPrintable(lines.join(QLatin1Char('\n'))));
}

namespace {

// The name of the row that a process of its own runs for its screen.
const char *const rowVariable = "VANTIR_TEST_ROW";

// How long a row's own process may take.
std::chrono::milliseconds rowTimeout { 120000 };

} // namespace

// The screens that the rows run on. The screen's scale is read when the application starts, so
// each row but the first runs again in a process of its own on a screen of its kind:
// "offscreen N" (Qt's scale factor N), "Xft.dpi N" (X11 at 100 dots per inch with the desktop's
// font resolution, as GNOME and KDE set it; "unset" for none) and "Wayland N" (a compositor at
// scale N), with a variable of Qt's after them where one is given ("Xft.dpi unset
// QT_SCALE_FACTOR=2"). Returns whether it ran elsewhere, and then with what result.
bool tst_Startup::runsElsewhere(const QString &given)
{
    const QString row = QString::fromLatin1(QTest::currentDataTag());
    if (given == QLatin1String("offscreen 1") || qgetenv(rowVariable) == row.toUtf8())
        return false;

    const bool withVariable = given.section(QLatin1Char(' '), -1).contains(QLatin1Char('='));
    const QString variable = withVariable ? given.section(QLatin1Char(' '), -1) : QString();
    const QString screen = withVariable ? given.section(QLatin1Char(' '), 0, -2) : given;

    const QString kind = screen.section(QLatin1Char(' '), 0, -2);
    const QString value = screen.section(QLatin1Char(' '), -1);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QString error;
    if (kind == QLatin1String("offscreen")) {
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), value);
    } else if (kind == QLatin1String("Xft.dpi")) {
        if (!x11) {
            x11 = std::make_unique<DisplayServers::VirtualX11>();
            // Not Xorg's 96: a screen whose physical resolution would scale by 1.04.
            if (!x11->start(&error, 100)) {
                x11.reset();
                QTest::qFail(qPrintable(error), __FILE__, __LINE__);
                return true;
            }
        }
        const QByteArray resources =
            value == QLatin1String("unset") ? QByteArray() : "Xft.dpi:\t" + value.toLatin1() + '\n';
        if (!x11->setResources(resources)) {
            QTest::qFail("cannot set the X resources", __FILE__, __LINE__);
            return true;
        }
        environment = x11->environment();
    } else if (kind == QLatin1String("Wayland")) {
        if (!DisplayServers::HeadlessWayland::available()) {
            QTest::qSkip("no weston", __FILE__, __LINE__);
            return true;
        }
        wayland = std::make_unique<DisplayServers::HeadlessWayland>();
        if (!wayland->start(&error, value.toInt())) {
            QTest::qFail(qPrintable(error), __FILE__, __LINE__);
            return true;
        }
        environment = wayland->environment();
    }
    if (withVariable)
        environment.insert(variable.section(QLatin1Char('='), 0, 0),
                           variable.section(QLatin1Char('='), 1));
    environment.insert(QString::fromLatin1(rowVariable), row);

    QProcess test;
    test.setProcessEnvironment(environment);
    test.setProcessChannelMode(QProcess::MergedChannels);
    test.start(QCoreApplication::applicationFilePath(),
               { QString::fromLatin1(QTest::currentTestFunction()) + QLatin1Char(':') + row });
    const bool finished = test.waitForFinished(int(rowTimeout.count()));
    DisplayServers::stop(test);
    wayland.reset();
    if (!finished || test.exitStatus() != QProcess::NormalExit || test.exitCode() != 0)
        QTest::qFail(test.readAll().constData(), __FILE__, __LINE__);
    return true;
}

void tst_Startup::headerPictures_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("pictureWidth"); // device pixels
    QTest::addColumn<int>("busyFrameWidth");
    QTest::newRow("1") << QStringLiteral("offscreen 1") << 1.0 << 640 << 32;
    QTest::newRow("1.25") << QStringLiteral("offscreen 1.25") << 1.25 << 800 << 64;
    QTest::newRow("1.5") << QStringLiteral("offscreen 1.5") << 1.5 << 960 << 64;
    QTest::newRow("2") << QStringLiteral("offscreen 2") << 2.0 << 1280 << 64;
    // GNOME at 200 % on X11 sets only the font resolution; at 150 % (fractional), 144.
    QTest::newRow("Xft.dpi 192") << QStringLiteral("Xft.dpi 192") << 2.0 << 1280 << 64;
    QTest::newRow("Xft.dpi 144") << QStringLiteral("Xft.dpi 144") << 1.5 << 960 << 64;
    // Without it the desktop is at 100 %, whatever the screen's physical resolution.
    QTest::newRow("X11 without Xft.dpi") << QStringLiteral("Xft.dpi unset") << 1.0 << 640 << 32;
    QTest::newRow("X11 without Xft.dpi, Qt's factor 2")
        << QStringLiteral("Xft.dpi unset QT_SCALE_FACTOR=2") << 2.0 << 1280 << 64;
    QTest::newRow("Wayland at 200 %") << QStringLiteral("Wayland 2") << 2.0 << 1280 << 64;
}

// On every screen the picture spans the page as at 100 % (640 of its width), drawn one
// picture pixel per device pixel.
void tst_Startup::headerPictures()
{
    QFETCH(QString, screen);
    QFETCH(double, ratio);
    QFETCH(int, pictureWidth);
    QFETCH(int, busyFrameWidth);
    if (runsElsewhere(screen))
        return;

    recordScreenRatio();
    QCOMPARE(devicePixelRatio(), ratio);
    Client client(nullptr);
    Client_WLANs wlans(nullptr);
    Client_Settings settings(nullptr);
    const QList<QPair<QWidget *, QString>> pages = {
        { &client, QStringLiteral("Palette") },
        { &wlans, QStringLiteral("Funk") },
        { &settings, QStringLiteral("Ovix") },
    };
    for (const auto &page : pages) {
        QLabel *label = headerLabel(page.first);
        QVERIFY(label);
        QCOMPARE(label->sizeHint().width(), 640);
        // Across the page, as its texts are laid out at the same scale: not beside texts that
        // were scaled alone.
        const double share = 640.0 / page.first->sizeHint().width();
        QVERIFY2(share > 0.9, qPrintable(QStringLiteral("%1: %2").arg(page.second).arg(share)));
        QImage picture = label->pixmap(Qt::ReturnByValue).toImage();
        QCOMPARE(picture.width(), pictureWidth);
        picture.setDevicePixelRatio(1);
        // The renderings at 100 % and 200 % are shown as they are.
        const int rendered = ratio > 1 ? 1280 : 640;
        if (pictureWidth == rendered) {
            const QString file =
                QStringLiteral(":/GRAFX/%1_%2px.png").arg(page.second).arg(rendered);
            QCOMPARE(picture.convertToFormat(QImage::Format_RGB32),
                     QImage(file).convertToFormat(QImage::Format_RGB32));
        }
        // At the label's top left; the label may be larger than the picture.
        QImage drawn = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
        drawn.setDevicePixelRatio(1);
        QVERIFY2(drawn.copy(picture.rect()) == picture.convertToFormat(QImage::Format_RGB32),
                 qPrintable(page.second));
    }

    QLabel *busyLabel = nullptr;
    for (QLabel *label : client.findChildren<QLabel *>()) {
        if (label->movie())
            busyLabel = label;
    }
    QVERIFY(busyLabel);
    busyLabel->movie()->start();
    QCOMPARE(busyLabel->sizeHint(), QSize(32, 32));
    QCOMPARE(busyLabel->movie()->currentPixmap().width(), busyFrameWidth);
}

void tst_Startup::boxSymbol_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<double>("ratio");
    QTest::newRow("1") << QStringLiteral("offscreen 1") << 1.0;
    QTest::newRow("1.5") << QStringLiteral("offscreen 1.5") << 1.5;
    QTest::newRow("2") << QStringLiteral("offscreen 2") << 2.0;
    QTest::newRow("Xft.dpi 192") << QStringLiteral("Xft.dpi 192") << 2.0;
}

namespace {

// Whether every 2 x 2 block of the picture is of one colour: a picture enlarged from half its
// size without smoothing.
bool doubledBlockByBlock(const QImage &image)
{
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb pixel = image.pixel(x, y);
            if (image.pixel(x + 1, y) != pixel || image.pixel(x, y + 1) != pixel ||
                image.pixel(x + 1, y + 1) != pixel)
                return false;
        }
    }
    return true;
}

} // namespace

// The symbol of the pages' boxes is drawn at the screen's pixels, as sharp as the text beside it.
void tst_Startup::boxSymbol()
{
    QFETCH(QString, screen);
    QFETCH(double, ratio);
    if (runsElsewhere(screen))
        return;

    Client_Settings page(nullptr);
    showInfoBox(&page, QStringLiteral("Info"), QStringLiteral("Text"), QStringLiteral("OK"));
    QMessageBox *box = page.findChild<QMessageBox *>();
    QVERIFY(box);
    QCOMPARE(box->devicePixelRatioF(), ratio);
    QLabel *symbolLabel = box->findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label"));
    QVERIFY(symbolLabel);
    const QPixmap symbol = symbolLabel->pixmap(Qt::ReturnByValue);
    const int size = box->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, box);
    QCOMPARE(symbol.devicePixelRatio(), ratio);
    QCOMPARE(symbol.width(), qCeil(size * ratio));
    if (ratio == 2.0)
        QVERIFY(!doubledBlockByBlock(symbol.toImage()));
    delete box;
}

// The desktop matches every window to the desktop entry and shows the program's icon on it, at
// each size that is installed.
void tst_Startup::windowIdentity()
{
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(VANTIR_APP_ID));
    QList<int> installed;
    for (const QString &size : QStringLiteral(VANTIR_ICON_SIZES).split(QLatin1Char(',')))
        installed.append(size.toInt());

    Client client(nullptr);
    Client_WLANs wlans(nullptr);
    Client_Settings settings(nullptr);
    showInfoBox(&settings, QStringLiteral("Info"), QStringLiteral("Text"), QStringLiteral("OK"));
    QMessageBox *box = settings.findChild<QMessageBox *>();
    QVERIFY(box);
    for (QWidget *window : QList<QWidget *> { &client, &wlans, &settings, box }) {
        QList<int> sizes;
        for (const QSize &size : window->windowIcon().availableSizes()) {
            QCOMPARE(size.height(), size.width());
            sizes.append(size.width());
        }
        std::sort(sizes.begin(), sizes.end());
        QCOMPARE(sizes, installed);
    }
    delete box;
}

int main(int argc, char *argv[])
{
    // The program's own steps around the application object.
    avoidOpenGl(argc, argv);
    followDesktopScale(argc, argv);
    QApplication app(argc, argv);
    identifyWindows();
    tst_Startup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
