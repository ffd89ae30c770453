#include "client.h"
#include "client_settings.h"
#include "client_wlans.h"
#include "pagetest.h"
#include "pixelratio.h"
#include "startup.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QProcess>
#include <QTest>

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
    void picturesOnScaledScreen_data();
    void picturesOnScaledScreen();
    void headerPicturesDrawn();
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
    QVERIFY2(browse >= 0 && returned == browse + 1, qPrintable(lines.join(QLatin1Char('\n'))));
}

void tst_Startup::headerPictures_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("width");
    QTest::newRow("1") << 1.0 << 640;
    QTest::newRow("1.25") << 1.25 << 512;
    QTest::newRow("1.5") << 1.5 << 427;
    QTest::newRow("2") << 2.0 << 320;
}

// One picture pixel per device pixel: 640 / ratio laid out, not resampled.
void tst_Startup::headerPictures()
{
    QFETCH(double, ratio);
    QFETCH(int, width);
    setDevicePixelRatio(ratio);

    Client client(nullptr);
    Client_WLANs wlans(nullptr);
    Client_Settings settings(nullptr);
    for (QWidget *page : { static_cast<QWidget *>(&client), static_cast<QWidget *>(&wlans),
                           static_cast<QWidget *>(&settings) }) {
        QLabel *label = headerLabel(page);
        QVERIFY(label);
        const QPixmap pixmap = label->pixmap(Qt::ReturnByValue);
        QCOMPARE(pixmap.size(), QSize(640, 289));
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        QCOMPARE(label->sizeHint().width(), width);
    }
}

void tst_Startup::picturesOnScaledScreen_data()
{
    QTest::addColumn<QString>("scale");
    for (const char *scale : { "1.25", "1.5", "2" })
        QTest::newRow(scale) << QString::fromLatin1(scale);
}

// The screen's scale is read when the application starts: headerPicturesDrawn runs in a
// process of its own on a scaled screen.
void tst_Startup::picturesOnScaledScreen()
{
    QFETCH(QString, scale);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    QProcess test;
    test.setProcessEnvironment(environment);
    test.setProcessChannelMode(QProcess::MergedChannels);
    test.start(QCoreApplication::applicationFilePath(), { QStringLiteral("headerPicturesDrawn") });
    QVERIFY(test.waitForFinished(60000));
    QVERIFY2(test.exitStatus() == QProcess::NormalExit && test.exitCode() == 0,
             test.readAll().constData());
}

// As the program starts: the ratio from the screen, then the pages. Each header picture is
// drawn one picture pixel per device pixel, not resampled.
void tst_Startup::headerPicturesDrawn()
{
    recordScreenRatio();
    Client client(nullptr);
    Client_WLANs wlans(nullptr);
    Client_Settings settings(nullptr);
    const QList<QPair<QWidget *, QString>> pages = {
        { &client, QStringLiteral(":/GRAFX/Palette_640px.png") },
        { &wlans, QStringLiteral(":/GRAFX/Funk_640px.png") },
        { &settings, QStringLiteral(":/GRAFX/Ovix_640px.png") },
    };
    for (const auto &page : pages) {
        QLabel *label = headerLabel(page.first);
        QVERIFY(label);
        const QImage drawn = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage picture = QImage(page.second).convertToFormat(QImage::Format_RGB32);
        // At the label's top left; the label may be larger than the picture.
        QVERIFY2(drawn.width() >= picture.width() && drawn.height() >= picture.height() &&
                     drawn.copy(picture.rect()) == picture,
                 qPrintable(page.second));
    }
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
