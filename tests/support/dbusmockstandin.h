#ifndef DBUSMOCKSTANDIN_H
#define DBUSMOCKSTANDIN_H

#include <QByteArray>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QTest>

#include <chrono>
#include <signal.h>

// python3-dbusmock playing a system service with one of the templates of tools/lib, on the system
// bus of the private network that tools/dnssd-net makes (DBUS_SYSTEM_BUS_ADDRESS), never on the
// machine's own. Started and stopped by its process id; a test that dies takes it along
// (parent-death signal).
class DbusmockStandIn
{
public:
    // Python and dbusmock start on a busy machine.
    std::chrono::milliseconds startTimeout = std::chrono::seconds(20);
    std::chrono::milliseconds stopTimeout = std::chrono::seconds(5);

    // templatePath: the template's file; service: the bus name it takes.
    DbusmockStandIn(const QString &templatePath, const QString &service)
        : templatePath(templatePath), service(service)
    {
    }
    ~DbusmockStandIn() { stop(); }

    static bool onPrivateBus() { return !qEnvironmentVariableIsEmpty("DBUS_SYSTEM_BUS_ADDRESS"); }

    // parameters: the template's JSON object. True once it owns the service's name.
    bool startWith(const QByteArray &parameters)
    {
        if (!onPrivateBus())
            return false;
        process.setStandardOutputFile(QProcess::nullDevice()); // its call log
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral("setpriv"),
                      { QStringLiteral("--pdeathsig"), QStringLiteral("KILL"),
                        QStringLiteral("/usr/bin/python3"), QStringLiteral("-m"),
                        QStringLiteral("dbusmock"), QStringLiteral("--system"),
                        QStringLiteral("-t"), templatePath, QStringLiteral("-p"),
                        QString::fromUtf8(parameters) });
        return process.waitForStarted(int(startTimeout.count())) &&
            QTest::qWaitFor([this] { return registered() || !running(); },
                            int(startTimeout.count())) &&
            registered();
    }

    // A service that takes every call and answers none, until it thaws.
    void freeze() { sendSignal(SIGSTOP); }
    void thaw() { sendSignal(SIGCONT); }

    // Killed, frozen or not; returns once its name has left the bus.
    void stop()
    {
        if (!running())
            return;
        process.kill();
        process.waitForFinished(int(stopTimeout.count()));
        (void)QTest::qWaitFor([this] { return !registered(); }, int(stopTimeout.count()));
    }

    bool registered() const
    {
        return QDBusConnection::systemBus().interface()->isServiceRegistered(service);
    }

private:
    void sendSignal(int number)
    {
        if (running())
            ::kill(pid_t(process.processId()), number);
    }
    bool running() const { return process.state() != QProcess::NotRunning; }

    const QString templatePath;
    const QString service;
    QProcess process;
};

#endif // DBUSMOCKSTANDIN_H
