#ifndef DISPLAYSERVERS_H
#define DISPLAYSERVERS_H

// Display servers of a test's own, for the tests that are about a platform: a virtual X display
// (Xvfb) and a Wayland compositor (weston with its headless back end). Each is stopped by its
// process id when its object goes, and each hands out the environment that puts a program on
// it. Nothing is shared with a desktop that may run on the machine.

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <xcb/xcb.h>

#include <chrono>

namespace DisplayServers {

// How long a server may take to come up, and to go after TERM; a test may lower them.
inline std::chrono::milliseconds startTimeout { 30000 };
inline std::chrono::milliseconds stopTimeout { 10000 };

// TERM, a bounded wait, then KILL.
inline void stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(int(stopTimeout.count()))) {
        process.kill();
        process.waitForFinished(int(stopTimeout.count()));
    }
}

// The machine's environment without what would put a program on another display.
inline QProcessEnvironment cleanEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE",
                              "QT_XCB_GL_INTEGRATION", "QT_WAYLAND_DISABLE_WINDOWDECORATION",
                              "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "QT_WAYLAND_DECORATION",
                              "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI",
                              "QT_ENABLE_HIGHDPI_SCALING", "QT_AUTO_SCREEN_SCALE_FACTOR" })
        environment.remove(QString::fromLatin1(name));
    return environment;
}

// Xvfb on a display number of its own choosing. It reports 96 dots per inch, as Xorg does
// by default, or the physical resolution given; the desktop's own resolution goes into the X
// resources (Xft.dpi), as GNOME and KDE set it. It keeps them when its last client goes
// (-noreset).
class VirtualX11
{
public:
    ~VirtualX11() { stop(server); }

    bool start(QString *error, int dpi = 96)
    {
        server.start(QStringLiteral("Xvfb"),
                     { QStringLiteral("-displayfd"), QStringLiteral("1"),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-dpi"),
                       QString::number(dpi), QStringLiteral("-noreset"), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("1280x1024x24") });
        if (!server.waitForStarted()) {
            *error = QStringLiteral("Xvfb did not start");
            return false;
        }
        QDeadlineTimer deadline(startTimeout);
        while (!server.canReadLine() && !deadline.hasExpired() &&
               server.state() == QProcess::Running)
            server.waitForReadyRead(100);
        display = ':' + server.readLine().trimmed();
        if (display.size() < 2) {
            *error = QString::fromLocal8Bit(server.readAllStandardError());
            return false;
        }
        return true;
    }

    // Replaces the X resources (RESOURCE_MANAGER of the root window), e.g. "Xft.dpi:\t192\n".
    bool setResources(const QByteArray &resources)
    {
        xcb_connection_t *connection = xcb_connect(display.constData(), nullptr);
        bool done = !xcb_connection_has_error(connection);
        if (done) {
            const xcb_window_t root =
                xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
            const xcb_void_cookie_t cookie = xcb_change_property_checked(
                connection, XCB_PROP_MODE_REPLACE, root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING,
                8, uint32_t(resources.size()), resources.constData());
            xcb_generic_error_t *failure = xcb_request_check(connection, cookie);
            done = !failure;
            free(failure);
        }
        xcb_disconnect(connection);
        return done;
    }

    QByteArray displayName() const { return display; }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = cleanEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
        // Qt warns without one.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        return environment;
    }

private:
    QTemporaryDir runtime;
    QProcess server;
    QByteArray display;
};

// weston with its headless back end on a socket and runtime folder of its own. The kiosk
// shell starts no helper programs (the desktop shell starts two), and weston logs every
// request of its clients, which tells what a program's windows asked for and when they were
// first drawn. The program gets the compositor's windows at its scale.
class HeadlessWayland
{
public:
    ~HeadlessWayland() { stop(compositor); }

    static bool available()
    {
        return !QStandardPaths::findExecutable(QStringLiteral("weston")).isEmpty();
    }

    bool start(QString *error, int scale = 1)
    {
        if (!runtime.isValid()) {
            *error = QStringLiteral("no runtime folder");
            return false;
        }
        // An empty input method: no on-screen keyboard program either.
        QFile config(runtime.filePath(QStringLiteral("weston.ini")));
        if (!config.open(QIODevice::WriteOnly) ||
            config.write("[core]\nidle-time=0\n[input-method]\npath=\n") < 0) {
            *error = QStringLiteral("cannot write weston.ini");
            return false;
        }
        config.close();
        compositor.setStandardOutputFile(QProcess::nullDevice());
        compositor.setStandardErrorFile(runtime.filePath(QStringLiteral("weston.err")));
        QProcessEnvironment environment = cleanEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        compositor.setProcessEnvironment(environment);
        compositor.start(
            QStringLiteral("weston"),
            { QStringLiteral("--backend=headless-backend.so"),
              QStringLiteral("--shell=kiosk-shell.so"), QStringLiteral("--socket=") + socketName,
              QStringLiteral("--config=") + config.fileName(),
              QStringLiteral("--scale=%1").arg(scale), QStringLiteral("--log=") + logFile(),
              QStringLiteral("--logger-scopes=log,proto") });
        if (!compositor.waitForStarted()) {
            *error = QStringLiteral("weston did not start");
            return false;
        }
        const QString socket = runtime.filePath(socketName);
        if (!QTest::qWaitFor(
                [&]() { return QFile::exists(socket) || compositor.state() != QProcess::Running; },
                int(startTimeout.count())) ||
            !QFile::exists(socket)) {
            QFile log(logFile());
            *error = QStringLiteral("weston did not come up: ") +
                (log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll().right(2000))
                                               : QString());
            return false;
        }
        return true;
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = cleanEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), socketName);
        return environment;
    }

    // The requests and events of every client so far, as weston logged them, e.g.
    // "client 0x55d0 rq xdg_toplevel@15.set_app_id("com.example.App")".
    QStringList protocolLines() const
    {
        QFile log(logFile());
        if (!log.open(QIODevice::ReadOnly))
            return QStringList();
        QStringList lines;
        const QByteArray marker = "[proto] ";
        for (const QByteArray &line : log.readAll().split('\n')) {
            const int at = line.indexOf(marker);
            if (at >= 0)
                lines.append(QString::fromUtf8(line.mid(at + marker.size())));
        }
        return lines;
    }

    // Whether a client has committed a drawn buffer to a surface: its first window is shown.
    bool windowDrawn() const
    {
        QString attached;
        for (const QString &line : protocolLines()) {
            const int attach = line.indexOf(QLatin1String(".attach(wl_buffer@"));
            if (attach >= 0) {
                attached = line.left(attach);
                attached = attached.mid(attached.lastIndexOf(QLatin1Char(' ')) + 1);
            } else if (!attached.isEmpty() &&
                       line.endsWith(QLatin1Char(' ') + attached + QLatin1String(".commit()"))) {
                return true;
            }
        }
        return false;
    }

private:
    QString logFile() const { return runtime.filePath(QStringLiteral("weston.log")); }

    QTemporaryDir runtime;
    QString socketName = QStringLiteral("wayland-test");
    QProcess compositor;
};

} // namespace DisplayServers

#endif // DISPLAYSERVERS_H
