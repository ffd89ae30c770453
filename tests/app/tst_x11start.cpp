#include "startup.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <poll.h>

// The program starts on X11 without the toolkit's OpenGL integration: which
// start-ups switch it off, and what the real program loads on a virtual display.
class tst_X11Start : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void integrationSwitch_data();
    void integrationSwitch();
    void openGlDrivers_data();
    void openGlDrivers();

private:
    QProcess xvfb;
    QByteArray display;
    QList<QPair<QByteArray, QByteArray>> savedEnvironment;
};

namespace {

const char *const startVariables[] = { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY",
                                       "XDG_SESSION_TYPE", "QT_XCB_GL_INTEGRATION" };

void setOrUnset(const char *name, const QByteArray &value)
{
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

// The OpenGL drivers in a memory map: a GLX vendor library, a DRI driver, LLVM.
QStringList openGlDriversOf(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return { QStringLiteral("(no memory map)") };
    static const QRegularExpression driver(
        QStringLiteral("/(libGLX_[^/]*\\.so[^/]*|[^/]*_dri\\.so|libLLVM[^/]*)$"));
    QStringList found;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const QString path = QString::fromLocal8Bit(line.mid(line.indexOf('/')));
        if (line.contains('/') && driver.match(path).hasMatch() && !found.contains(path))
            found.append(path);
    }
    return found;
}

// Waits for the first top-level window that anyone maps on the display.
bool waitForMappedWindow(xcb_connection_t *connection, QDeadlineTimer deadline)
{
    while (!deadline.hasExpired()) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            std::free(event);
            if (mapped)
                return true;
        }
        if (xcb_connection_has_error(connection))
            return false;
        pollfd watched = { xcb_get_file_descriptor(connection), POLLIN, 0 };
        poll(&watched, 1, 50);
    }
    return false;
}

} // namespace

void tst_X11Start::initTestCase()
{
    // The server picks a free display and tells its number on standard output.
    xvfb.start(QStringLiteral("Xvfb"),
               { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                 QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                 QStringLiteral("800x600x24") });
    QVERIFY(xvfb.waitForStarted());
    QDeadlineTimer deadline(30000);
    while (!xvfb.canReadLine() && !deadline.hasExpired() && xvfb.state() == QProcess::Running)
        xvfb.waitForReadyRead(100);
    display = ':' + xvfb.readLine().trimmed();
    QVERIFY2(display.size() > 1, xvfb.readAllStandardError().constData());
}

void tst_X11Start::init()
{
    savedEnvironment.clear();
    for (const char *name : startVariables) {
        savedEnvironment.append(
            { name, qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray() });
    }
}

void tst_X11Start::cleanup()
{
    for (const auto &variable : savedEnvironment)
        setOrUnset(variable.first.constData(), variable.second);
}

void tst_X11Start::cleanupTestCase()
{
    xvfb.terminate();
    if (!xvfb.waitForFinished(10000)) {
        xvfb.kill();
        xvfb.waitForFinished(5000);
    }
}

void tst_X11Start::integrationSwitch_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QByteArray>("x11Display");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArray>("usersSwitch");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray none;
    const QStringList noArguments;
    QTest::newRow("X display") << noArguments << none << QByteArray(":0") << none << none
                               << QByteArray("none");
    QTest::newRow("xcb by name") << noArguments << QByteArray("xcb") << none << none << none
                                 << QByteArray("none");
    QTest::newRow("-platform xcb over offscreen")
        << QStringList { QStringLiteral("-platform"), QStringLiteral("xcb") }
        << QByteArray("offscreen") << none << none << none << QByteArray("none");
    QTest::newRow("--platform offscreen on X")
        << QStringList { QStringLiteral("--platform"), QStringLiteral("offscreen") } << none
        << QByteArray(":0") << none << none << none;
    QTest::newRow("offscreen on X")
        << noArguments << QByteArray("offscreen") << QByteArray(":0") << none << none << none;
    QTest::newRow("wayland by name")
        << noArguments << QByteArray("wayland") << QByteArray(":0") << none << none << none;
    QTest::newRow("Wayland session")
        << noArguments << none << QByteArray(":0") << QByteArray("wayland-0") << none << none;
    QTest::newRow("no display") << noArguments << none << none << none << none << none;
    QTest::newRow("user's own setting") << noArguments << none << QByteArray(":0") << none
                                        << QByteArray("xcb_glx") << QByteArray("xcb_glx");
}

void tst_X11Start::integrationSwitch()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, platform);
    QFETCH(QByteArray, x11Display);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, usersSwitch);
    QFETCH(QByteArray, expected);
    setOrUnset("QT_QPA_PLATFORM", platform);
    setOrUnset("DISPLAY", x11Display);
    setOrUnset("WAYLAND_DISPLAY", waylandDisplay);
    qunsetenv("XDG_SESSION_TYPE");
    setOrUnset("QT_XCB_GL_INTEGRATION", usersSwitch);

    QList<QByteArray> texts { "vantir-configurator" };
    for (const QString &argument : arguments)
        texts.append(argument.toLocal8Bit());
    QVector<char *> argv;
    for (QByteArray &text : texts)
        argv.append(text.data());
    argv.append(nullptr);
    avoidOpenGlOnX11(texts.size(), argv.data());

    QCOMPARE(qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION") ? qgetenv("QT_XCB_GL_INTEGRATION")
                                                                : QByteArray(),
             expected);
}

void tst_X11Start::openGlDrivers_data()
{
    QTest::addColumn<QByteArray>("usersSwitch");
    QTest::addColumn<bool>("driversLoaded");
    QTest::newRow("default") << QByteArray() << false;
    // Also proves that this display would give the program an OpenGL driver.
    QTest::newRow("user's xcb_glx") << QByteArray("xcb_glx") << true;
}

// The real program on the virtual display, once its first window is mapped:
// the toolkit creates its OpenGL integration with the first native window.
void tst_X11Start::openGlDrivers()
{
    QFETCH(QByteArray, usersSwitch);
    QFETCH(bool, driversLoaded);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 loads its OpenGL integration only when a window asks for OpenGL, so with the user's
    // switch, too, a start loads no driver: the rows above prove that the switch is kept.
    if (driversLoaded)
        QSKIP("Qt 6 loads no OpenGL driver at start-up, whatever the switch says");
#endif

    xcb_connection_t *connection = xcb_connect(display.constData(), nullptr);
    QVERIFY(!xcb_connection_has_error(connection));
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : startVariables)
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
    if (!usersSwitch.isNull())
        environment.insert(QStringLiteral("QT_XCB_GL_INTEGRATION"),
                           QString::fromLatin1(usersSwitch));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(QProcess::nullDevice());
    program.start(QStringLiteral(VANTIR_CONFIGURATOR), QStringList());
    QVERIFY(program.waitForStarted());

    const bool mapped = waitForMappedWindow(connection, QDeadlineTimer(30000));
    const QStringList drivers = openGlDriversOf(program.processId());
    xcb_disconnect(connection);
    program.terminate();
    if (!program.waitForFinished(10000)) {
        program.kill();
        program.waitForFinished(5000);
    }

    QVERIFY2(mapped, "the program mapped no window");
    QVERIFY2(drivers.isEmpty() != driversLoaded, qPrintable(drivers.join(QLatin1Char(' '))));
}

int main(int argc, char *argv[])
{
    // Only a machine without a virtual display server skips this test.
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) {
        std::fputs("tst_x11start: no Xvfb, skipped\n", stderr);
        return 77;
    }
    QCoreApplication app(argc, argv);
    tst_X11Start test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_x11start.moc"
