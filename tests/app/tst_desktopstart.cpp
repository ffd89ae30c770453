#include "displayservers.h"
#include "startup.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <poll.h>

// The program's start on the desktop's display servers: which start-ups switch the toolkit's
// OpenGL off on X11 and on Wayland, what the real program loads and says there, and how the
// desktop matches its windows to its desktop entry.
class tst_DesktopStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void openGlSwitches_data();
    void openGlSwitches();
    void openGlDrivers_data();
    void openGlDrivers();
    void x11WindowClass();
    void waylandAppId();

private:
    QList<QPair<QByteArray, QByteArray>> savedEnvironment;
    DisplayServers::VirtualX11 x11;
};

namespace {

// How long the program may take to show its first window.
std::chrono::milliseconds windowTimeout { 30000 };

const char *const startVariables[] = { "QT_QPA_PLATFORM",
                                       "DISPLAY",
                                       "WAYLAND_DISPLAY",
                                       "XDG_RUNTIME_DIR",
                                       "XDG_SESSION_TYPE",
                                       "QT_XCB_GL_INTEGRATION",
                                       "QT_WAYLAND_DISABLE_WINDOWDECORATION",
                                       "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION",
                                       "QT_WAYLAND_DECORATION" };

void setOrUnset(const char *name, const QByteArray &value)
{
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

QByteArray valueOf(const char *name)
{
    return qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray();
}

// The OpenGL drivers in a memory map: a GLX or EGL vendor library, a DRI driver, LLVM, and
// the toolkit's EGL buffer integration for Wayland.
const QRegularExpression openGlDriver(QStringLiteral(
    "/(lib(GLX|EGL)_[^/]*\\.so[^/]*|[^/]*_dri\\.so|libLLVM[^/]*|[^/]*wayland-egl[^/]*)$"));
// The plugin that draws Qt's own window frame on Wayland.
const QRegularExpression qtFramePlugin(QStringLiteral("/libbradient\\.so$"));

// The files of a memory map that the expression matches.
QStringList mappedFiles(qint64 pid, const QRegularExpression &file)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return { QStringLiteral("(no memory map)") };
    QStringList found;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const QString path = QString::fromLocal8Bit(line.mid(line.indexOf('/')));
        if (line.contains('/') && file.match(path).hasMatch() && !found.contains(path))
            found.append(path);
    }
    return found;
}

// Watches the X display for the first top-level window that anyone maps.
class MapWatch
{
public:
    explicit MapWatch(const QByteArray &display)
        : connection(xcb_connect(display.constData(), nullptr))
    {
        if (xcb_connection_has_error(connection))
            return;
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
    ~MapWatch() { xcb_disconnect(connection); }

    xcb_window_t waitForMappedWindow()
    {
        QDeadlineTimer deadline(windowTimeout);
        while (!deadline.hasExpired() && !xcb_connection_has_error(connection)) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
                xcb_window_t window = 0;
                if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY)
                    window = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
                std::free(event);
                if (window)
                    return window;
            }
            pollfd watched = { xcb_get_file_descriptor(connection), POLLIN, 0 };
            poll(&watched, 1, 50);
        }
        return 0;
    }

    // WM_CLASS: the instance and the class name.
    QStringList windowClass(xcb_window_t window)
    {
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256),
            nullptr);
        QStringList names;
        if (reply) {
            const QByteArray value(static_cast<const char *>(xcb_get_property_value(reply)),
                                   xcb_get_property_value_length(reply));
            for (const QByteArray &name : value.split('\0'))
                names.append(QString::fromLocal8Bit(name));
            if (names.size() > 2 && names.last().isEmpty())
                names.removeLast();
        }
        std::free(reply);
        return names;
    }

private:
    xcb_connection_t *connection;
};

// The real program, on the fake DNS-SD library: it finds no speakers and says nothing of it.
class Program
{
public:
    explicit Program(QProcessEnvironment environment)
    {
        environment.insert(QStringLiteral("LD_LIBRARY_PATH"), QStringLiteral(FAKEDNSSD_DIR));
        environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                           QStringLiteral("default.debug=true"));
        environment.remove(QStringLiteral("QT_MESSAGE_PATTERN"));
        process.setProcessEnvironment(environment);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(QStringLiteral(VANTIR_CONFIGURATOR), QStringList());
    }
    ~Program() { DisplayServers::stop(process); }

    QStringList mapped(const QRegularExpression &file) const
    {
        return mappedFiles(process.processId(), file);
    }
    // Until it has said the line on standard error: its speaker search starts on a thread of its
    // own, so that the window does not wait for the DNS-SD service.
    bool waitForMessage(const QString &line)
    {
        process.setReadChannel(QProcess::StandardError);
        return QTest::qWaitFor(
            [&] { return QString::fromLocal8Bit(process.peek(1 << 16)).contains(line); },
            int(windowTimeout.count()));
    }
    // Everything it said on standard error, once it has been stopped.
    QStringList messages()
    {
        DisplayServers::stop(process);
        return QString::fromLocal8Bit(process.readAllStandardError())
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QProcess process;
};

// What the program says at its start on the fake DNS-SD library: its own lines, nothing else.
const QStringList startLines = { QStringLiteral("RATIO:  1"),
                                 QStringLiteral("VANTIR Configurator running..."),
                                 QStringLiteral("browseForServiceType()..."),
                                 QStringLiteral("DNSServiceBrowse() returned..."),
                                 QStringLiteral("browseForServiceType() success!") };

// A key of the desktop entry that the package installs (null when it has none).
QString desktopEntryValue(const QString &key)
{
    QFile entry(QStringLiteral(VANTIR_DESKTOP_ENTRY));
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringLiteral("(no desktop entry)");
    const QString prefix = key + QLatin1Char('=');
    for (const QString &line : QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size());
    }
    return QString();
}

} // namespace

void tst_DesktopStart::initTestCase()
{
    QString error;
    QVERIFY2(x11.start(&error), qPrintable(error));
}

void tst_DesktopStart::init()
{
    savedEnvironment.clear();
    for (const char *name : startVariables)
        savedEnvironment.append({ name, valueOf(name) });
}

void tst_DesktopStart::cleanup()
{
    for (const auto &variable : savedEnvironment)
        setOrUnset(variable.first.constData(), variable.second);
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets, false);
}

void tst_DesktopStart::openGlSwitches_data()
{
    QTest::addColumn<QStringList>("arguments");
    // name=value, or name alone for an empty value
    QTest::addColumn<QStringList>("environment");
    // What the start leaves set: the X11 switch, Wayland's frame switch, and (Qt 5) raster windows.
    QTest::addColumn<QByteArray>("xcbIntegration");
    QTest::addColumn<QByteArray>("waylandFrame");
    QTest::addColumn<bool>("rasterWindows");

    const QByteArray none;
    const QByteArray off("none");
    const QByteArray noFrame("1");
    const QStringList noArguments;
    const QStringList platformXcb { QStringLiteral("-platform"), QStringLiteral("xcb") };
    const QStringList platformWayland { QStringLiteral("--platform"), QStringLiteral("wayland") };
    const QString x11 = QStringLiteral("DISPLAY=:0");
    const QString wayland = QStringLiteral("WAYLAND_DISPLAY=wayland-0");

    QTest::newRow("X display") << noArguments << QStringList { x11 } << off << none << false;
    QTest::newRow("xcb by name") << noArguments
                                 << QStringList { QStringLiteral("QT_QPA_PLATFORM=xcb") } << off
                                 << none << false;
    QTest::newRow("-platform xcb over offscreen")
        << platformXcb << QStringList { QStringLiteral("QT_QPA_PLATFORM=offscreen") } << off << none
        << false;
    QTest::newRow("--platform offscreen on X")
        << QStringList { QStringLiteral("--platform"), QStringLiteral("offscreen") }
        << QStringList { x11, wayland } << none << none << false;
    QTest::newRow("offscreen on X")
        << noArguments << QStringList { QStringLiteral("QT_QPA_PLATFORM=offscreen"), x11 } << none
        << none << false;
    QTest::newRow("no display") << noArguments << QStringList() << none << none << false;
    QTest::newRow("user's xcb_glx")
        << noArguments << QStringList { x11, QStringLiteral("QT_XCB_GL_INTEGRATION=xcb_glx") }
        << QByteArray("xcb_glx") << none << false;
    QTest::newRow("user's empty switch")
        << noArguments << QStringList { x11, QStringLiteral("QT_XCB_GL_INTEGRATION") } << off
        << none << false;

    QTest::newRow("wayland by name")
        << noArguments << QStringList { QStringLiteral("QT_QPA_PLATFORM=wayland"), x11 } << none
        << noFrame << true;
    QTest::newRow("wayland with options and fallback")
        << noArguments
        << QStringList { QStringLiteral("QT_QPA_PLATFORM=wayland:option=1;xcb"), x11 } << off
        << noFrame << true;
    QTest::newRow("--platform wayland over xcb")
        << platformWayland << QStringList { QStringLiteral("QT_QPA_PLATFORM=xcb"), x11 } << none
        << noFrame << true;
    QTest::newRow("offscreen over wayland")
        << QStringList { QStringLiteral("-platform"), QStringLiteral("offscreen") }
        << QStringList { QStringLiteral("QT_QPA_PLATFORM=wayland;xcb"), x11, wayland } << none
        << none << false;
    QTest::newRow("wayland-egl by name")
        << noArguments << QStringList { QStringLiteral("QT_QPA_PLATFORM=wayland-egl"), wayland }
        << none << none << false;
    // Wayland or XWayland: each switch is read by its own platform only.
    QTest::newRow("Wayland session")
        << noArguments << QStringList { x11, wayland } << off << noFrame << true;
    QTest::newRow("Wayland session type")
        << noArguments << QStringList { QStringLiteral("XDG_SESSION_TYPE=wayland") } << none
        << noFrame << true;
    QTest::newRow("user's buffer integration")
        << noArguments
        << QStringList { wayland,
                         QStringLiteral("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=wayland-egl") }
        << none << none << false;
    QTest::newRow("user's frame")
        << noArguments
        << QStringList { wayland, QStringLiteral("QT_WAYLAND_DISABLE_WINDOWDECORATION=0") } << none
        << QByteArray("0") << true;
    QTest::newRow("user's frame plugin")
        << noArguments << QStringList { wayland, QStringLiteral("QT_WAYLAND_DECORATION=bradient") }
        << none << none << true;
}

void tst_DesktopStart::openGlSwitches()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(QByteArray, xcbIntegration);
    QFETCH(QByteArray, waylandFrame);
    QFETCH(bool, rasterWindows);
    for (const char *name : startVariables)
        qunsetenv(name);
    // No compositor answers here, whatever runs on the machine: the start keeps Qt's frame off.
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    for (const QString &variable : environment) {
        const QByteArray text = variable.toLocal8Bit();
        const int equals = text.indexOf('=');
        qputenv(text.left(equals).constData(), equals < 0 ? QByteArray() : text.mid(equals + 1));
    }

    QList<QByteArray> texts { "vantir-configurator" };
    for (const QString &argument : arguments)
        texts.append(argument.toLocal8Bit());
    QVector<char *> argv;
    for (QByteArray &text : texts)
        argv.append(text.data());
    argv.append(nullptr);
    avoidOpenGl(texts.size(), argv.data());

    const QByteArray xcbSet = valueOf("QT_XCB_GL_INTEGRATION");
    QCOMPARE(xcbSet.isEmpty() ? QByteArray() : xcbSet, xcbIntegration);
    QCOMPARE(valueOf("QT_WAYLAND_DISABLE_WINDOWDECORATION"), waylandFrame);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCOMPARE(QCoreApplication::testAttribute(Qt::AA_ForceRasterWidgets), rasterWindows);
#else
    Q_UNUSED(rasterWindows)
    QVERIFY(!QCoreApplication::testAttribute(Qt::AA_ForceRasterWidgets));
#endif
}

void tst_DesktopStart::openGlDrivers_data()
{
    QTest::addColumn<bool>("wayland");
    QTest::addColumn<QString>("usersSwitch"); // name=value
    QTest::addColumn<bool>("driversLoaded");
    QTest::addColumn<bool>("qtFrame");
    QTest::newRow("X11") << false << QString() << false << false;
    // weston frames no windows: Qt's frame, with the buffer integration that it needs.
    QTest::newRow("Wayland") << true << QString() << true << true;
    QTest::newRow("Wayland, user's frameless windows")
        << true << QStringLiteral("QT_WAYLAND_DISABLE_WINDOWDECORATION=1") << false << false;
    // Also prove that the X server would give the program an OpenGL driver.
    QTest::newRow("X11, user's xcb_glx")
        << false << QStringLiteral("QT_XCB_GL_INTEGRATION=xcb_glx") << true << false;
}

// The real program on each display server, once its first window is shown: the toolkit loads
// its OpenGL integration with the first window, and on Wayland the plugin of its frame.
void tst_DesktopStart::openGlDrivers()
{
    QFETCH(bool, wayland);
    QFETCH(QString, usersSwitch);
    QFETCH(bool, driversLoaded);
    QFETCH(bool, qtFrame);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 loads its X11 OpenGL integration only when a window asks for OpenGL, so with the
    // user's switch, too, a start loads no driver: the rows above prove that the switch is kept.
    if (!wayland && driversLoaded)
        QSKIP("Qt 6 loads no OpenGL driver on X11 at start-up, whatever the switch says");
#endif
    DisplayServers::HeadlessWayland compositor;
    if (wayland) {
        if (!DisplayServers::HeadlessWayland::available())
            QSKIP("no weston");
        QString error;
        QVERIFY2(compositor.start(&error), qPrintable(error));
    }
    QProcessEnvironment environment = wayland ? compositor.environment() : x11.environment();
    if (!usersSwitch.isEmpty())
        environment.insert(usersSwitch.section(QLatin1Char('='), 0, 0),
                           usersSwitch.section(QLatin1Char('='), 1));

    MapWatch watch(x11.displayName());
    Program program(environment);
    QVERIFY(program.process.waitForStarted());
    const bool shown = wayland
        ? QTest::qWaitFor([&]() { return compositor.windowDrawn(); }, int(windowTimeout.count()))
        : watch.waitForMappedWindow() != 0;
    QVERIFY2(shown, "the program showed no window");
    // Qt's frame comes without a word of its driver's.
    const bool ownLinesOnly = !driversLoaded || qtFrame;
    if (ownLinesOnly)
        QVERIFY(program.waitForMessage(startLines.constLast()));
    const QStringList drivers = program.mapped(openGlDriver);
    const QStringList frame = program.mapped(qtFramePlugin);
    const QStringList messages = program.messages();

    QVERIFY2(drivers.isEmpty() != driversLoaded, qPrintable(drivers.join(QLatin1Char(' '))));
    QVERIFY2(frame.isEmpty() != qtFrame, qPrintable(frame.join(QLatin1Char(' '))));
    if (ownLinesOnly)
        QCOMPARE(messages.join(QLatin1Char('\n')), startLines.join(QLatin1Char('\n')));
}

// X11 docks match a window to its desktop entry by the window's class: the entry names it.
void tst_DesktopStart::x11WindowClass()
{
    MapWatch watch(x11.displayName());
    Program program(x11.environment());
    const xcb_window_t window = watch.waitForMappedWindow();
    QVERIFY2(window, "the program mapped no window");
    const QStringList windowClass = watch.windowClass(window);
    QCOMPARE(windowClass.size(), 2);
    QCOMPARE(windowClass.last(), desktopEntryValue(QStringLiteral("StartupWMClass")));
}

// Wayland docks match a window to the desktop entry whose file name is the window's app id.
void tst_DesktopStart::waylandAppId()
{
    if (!DisplayServers::HeadlessWayland::available())
        QSKIP("no weston");
    DisplayServers::HeadlessWayland compositor;
    QString error;
    QVERIFY2(compositor.start(&error), qPrintable(error));
    Program program(compositor.environment());
    QVERIFY(
        QTest::qWaitFor([&]() { return compositor.windowDrawn(); }, int(windowTimeout.count())));

    const QString entry = QFileInfo(QStringLiteral(VANTIR_DESKTOP_ENTRY)).completeBaseName();
    QStringList appIds;
    static const QRegularExpression setAppId(QStringLiteral("\\.set_app_id\\(\"([^\"]*)\"\\)$"));
    for (const QString &line : compositor.protocolLines()) {
        const QRegularExpressionMatch match = setAppId.match(line);
        if (match.hasMatch())
            appIds.append(match.captured(1));
    }
    QCOMPARE(appIds, QStringList { entry });
}

int main(int argc, char *argv[])
{
    // Only a machine without a virtual display server skips this test.
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) {
        std::fputs("tst_desktopstart: no Xvfb, skipped\n", stderr);
        return 77;
    }
    QCoreApplication app(argc, argv);
    tst_DesktopStart test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktopstart.moc"
