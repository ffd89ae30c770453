#include "client.h"
#include "client_settings.h"
#include "client_wlans.h"
#include "pagetest.h"
#include "pixelratio.h"
#include "startup.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QMovie>
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
    QTest::addColumn<QString>("scale");
    QTest::addColumn<int>("pictureWidth"); // device pixels
    QTest::addColumn<int>("busyFrameWidth");
    QTest::newRow("1") << QStringLiteral("1") << 640 << 32;
    QTest::newRow("1.25") << QStringLiteral("1.25") << 800 << 64;
    QTest::newRow("1.5") << QStringLiteral("1.5") << 960 << 64;
    QTest::newRow("2") << QStringLiteral("2") << 1280 << 64;
}

// On every screen the picture spans the page as at 100 % (640 of its width), drawn one
// picture pixel per device pixel. The screen's scale is read when the application starts,
// so each row runs again in a process of its own on a screen of that scale.
void tst_Startup::headerPictures()
{
    QFETCH(QString, scale);
    QFETCH(int, pictureWidth);
    QFETCH(int, busyFrameWidth);

    recordScreenRatio();
    const double ratio = scale.toDouble();
    if (!qFuzzyCompare(devicePixelRatio(), ratio)) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
        QProcess test;
        test.setProcessEnvironment(environment);
        test.setProcessChannelMode(QProcess::MergedChannels);
        test.start(QCoreApplication::applicationFilePath(),
                   { QStringLiteral("headerPictures:") + scale });
        QVERIFY(test.waitForFinished(60000));
        QVERIFY2(test.exitStatus() == QProcess::NormalExit && test.exitCode() == 0,
                 test.readAll().constData());
        return;
    }

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

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
