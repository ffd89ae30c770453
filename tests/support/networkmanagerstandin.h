#ifndef NETWORKMANAGERSTANDIN_H
#define NETWORKMANAGERSTANDIN_H

#include <QByteArray>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QTest>

#include <chrono>
#include <signal.h>

// python3-dbusmock playing NetworkManager with the connections of
// tools/lib/networkmanager-standin.py, on the system bus of the private network that
// tools/dnssd-net makes (DBUS_SYSTEM_BUS_ADDRESS), never on the machine's own. Started and
// stopped by its process id; a test that dies takes it along (parent-death signal).
class NetworkManagerStandIn
{
public:
    // Python and dbusmock start on a busy machine.
    std::chrono::milliseconds startTimeout = std::chrono::seconds(20);
    std::chrono::milliseconds stopTimeout = std::chrono::seconds(5);

    ~NetworkManagerStandIn() { stop(); }

    static bool onPrivateBus() { return !qEnvironmentVariableIsEmpty("DBUS_SYSTEM_BUS_ADDRESS"); }

    // connections: the template's JSON array. True once it owns NetworkManager's name.
    bool start(const QByteArray &connections)
    {
        if (!onPrivateBus())
            return false;
        process.setStandardOutputFile(QProcess::nullDevice()); // its call log
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(
            QStringLiteral("setpriv"),
            { QStringLiteral("--pdeathsig"), QStringLiteral("KILL"),
              QStringLiteral("/usr/bin/python3"), QStringLiteral("-m"), QStringLiteral("dbusmock"),
              QStringLiteral("--system"), QStringLiteral("-t"), QStringLiteral(VANTIR_NM_STANDIN),
              QStringLiteral("-p"), QString::fromUtf8("{\"connections\": " + connections + '}') });
        return process.waitForStarted(int(startTimeout.count())) &&
            QTest::qWaitFor([this] { return registered() || !running(); },
                            int(startTimeout.count())) &&
            registered();
    }

    // A NetworkManager that takes every call and answers none, until it thaws.
    void freeze() { sendSignal(SIGSTOP); }
    void thaw() { sendSignal(SIGCONT); }

    // Killed, frozen or not; returns once its name has left the bus.
    void stop()
    {
        if (!running())
            return;
        process.kill();
        process.waitForFinished(int(stopTimeout.count()));
        (void)QTest::qWaitFor([] { return !registered(); }, int(stopTimeout.count()));
    }

    static bool registered()
    {
        return QDBusConnection::systemBus().interface()->isServiceRegistered(
            QStringLiteral("org.freedesktop.NetworkManager"));
    }

private:
    void sendSignal(int number)
    {
        if (running())
            ::kill(pid_t(process.processId()), number);
    }
    bool running() const { return process.state() != QProcess::NotRunning; }

    QProcess process;
};

#endif // NETWORKMANAGERSTANDIN_H
