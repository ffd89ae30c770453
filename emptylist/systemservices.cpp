#include "systemservices.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QFile>
#include <QNetworkInterface>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <algorithm>
#include <climits>
#include <memory>

namespace {

const char networkManager[] = "org.freedesktop.NetworkManager";
const char managerPath[] = "/org/freedesktop/NetworkManager";
const char activeInterface[] = "org.freedesktop.NetworkManager.Connection.Active";
const char propertiesInterface[] = "org.freedesktop.DBus.Properties";
const uint activated = 2; // NM_ACTIVE_CONNECTION_STATE_ACTIVATED

const char firewalld[] = "org.fedoraproject.FirewallD1";
const char firewalldPath[] = "/org/fedoraproject/FirewallD1";
const char zoneInterface[] = "org.fedoraproject.FirewallD1.zone";

QDBusPendingCallWatcher *call(const char *service, const QString &path, const char *interface,
                              const char *method, const QVariantList &arguments,
                              std::chrono::milliseconds callTimeout, QObject *context)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        QLatin1String(service), path, QLatin1String(interface), QLatin1String(method));
    message.setArguments(arguments);
    // A service that does not run is not started for a question, and answers at once.
    message.setAutoStartService(false);
    const int timeout = int(std::min<std::chrono::milliseconds::rep>(callTimeout.count(), INT_MAX));
    return new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(message, timeout),
                                       context);
}

QVariant firstArgument(const QDBusPendingCallWatcher *watcher)
{
    return watcher->reply().arguments().value(0);
}

// One question to a service, in several calls: each found answer keeps its place, and the first
// one in that order is the result once every call has ended.
class Asking : public QObject
{
public:
    Asking(const char *service, std::chrono::milliseconds callTimeout, QObject *context,
           const std::function<void(const QString &)> &done)
        : QObject(context), service(service), callTimeout(callTimeout), done(done)
    {
    }

    // read: what to do with the call's answer; a call that fails leaves its part unknown.
    template<typename Read>
    void ask(const QString &path, const char *interface, const char *method,
             const QVariantList &arguments, Read read)
    {
        ++pending;
        QDBusPendingCallWatcher *watcher =
            call(service, path, interface, method, arguments, callTimeout, this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this, read](QDBusPendingCallWatcher *finished) {
                    if (!finished->isError())
                        read(firstArgument(finished));
                    if (--pending == 0)
                        finish();
                });
    }

    // A place for an answer, in the order of the question's parts.
    int place()
    {
        answers.append(QString());
        return answers.size() - 1;
    }
    void answer(int place, const QString &text) { answers[place] = text; }

    // Nothing to ask.
    void finishLater()
    {
        QTimer::singleShot(0, this, [this] { finish(); });
    }

private:
    void finish()
    {
        const auto found = std::find_if(answers.cbegin(), answers.cend(),
                                        [](const QString &text) { return !text.isEmpty(); });
        done(found == answers.cend() ? QString() : *found);
        deleteLater();
    }

    const char *const service;
    const std::chrono::milliseconds callTimeout;
    const std::function<void(const QString &)> done;
    int pending = 0;
    QStringList answers;
};

QVariantMap propertiesOf(const QVariant &argument)
{
    return qdbus_cast<QVariantMap>(argument);
}

// The active connections' own interfaces of the routes to everywhere, IPv4 and IPv6; rejecting
// routes (IPv6's on the loopback) lead nowhere.
QStringList defaultRouteInterfaces()
{
    QStringList names;
    QFile ipv4(QStringLiteral("/proc/net/route"));
    if (ipv4.open(QIODevice::ReadOnly)) {
        ipv4.readLine(); // the header
        for (QByteArray line = ipv4.readLine(); !line.isEmpty(); line = ipv4.readLine()) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            // Iface Destination Gateway Flags RefCnt Use Metric Mask ...
            if (fields.size() > 7 && fields.at(1) == "00000000" && fields.at(7) == "00000000")
                names.append(QString::fromLatin1(fields.at(0)));
        }
    }
    QFile ipv6(QStringLiteral("/proc/net/ipv6_route"));
    if (ipv6.open(QIODevice::ReadOnly)) {
        const uint reject = 0x0200; // RTF_REJECT
        for (QByteArray line = ipv6.readLine(); !line.isEmpty(); line = ipv6.readLine()) {
            // destination, its prefix length, source, its length, next hop, metric, refcount,
            // use, flags, interface
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() > 9 && fields.at(0) == QByteArray(32, '0') && fields.at(1) == "00" &&
                !(fields.at(8).toUInt(nullptr, 16) & reject))
                names.append(QString::fromLatin1(fields.at(9)));
        }
    }
    names.removeDuplicates();
    return names;
}

// Where mDNS comes in: the interfaces of the default route, else (a network without a gateway)
// every interface up with multicast and an address.
QStringList interfacesInUse()
{
    const QStringList routed = defaultRouteInterfaces();
    if (!routed.isEmpty())
        return routed;
    QStringList names;
    const auto flags =
        QNetworkInterface::IsUp | QNetworkInterface::IsRunning | QNetworkInterface::CanMulticast;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        if ((interface.flags() & flags) == flags && !interface.addressEntries().isEmpty())
            names.append(interface.name());
    }
    return names;
}

bool isVpnType(const QString &type)
{
    return type == QLatin1String("vpn") || type == QLatin1String("wireguard");
}

} // namespace

namespace SystemServices {

void readDefaultVpn(std::chrono::milliseconds callTimeout, QObject *context,
                    const std::function<void(const QString &)> &done)
{
    Asking *asking = new Asking(networkManager, callTimeout, context, done);
    asking->ask(
        QLatin1String(managerPath), propertiesInterface, "GetAll",
        { QLatin1String(networkManager) }, [asking](const QVariant &argument) {
            const QVariantMap manager = propertiesOf(argument);
            // With a VPN on the default route, NetworkManager names the connection that
            // carries it as the primary one: the VPN tells it by its Default flags.
            const QString primary =
                qvariant_cast<QDBusObjectPath>(manager.value(QStringLiteral("PrimaryConnection")))
                    .path();
            const auto actives = qdbus_cast<QList<QDBusObjectPath>>(
                manager.value(QStringLiteral("ActiveConnections")));
            for (const QDBusObjectPath &active : actives) {
                const int place = asking->place();
                const bool isPrimary = active.path() == primary;
                asking->ask(
                    active.path(), propertiesInterface, "GetAll",
                    { QLatin1String(activeInterface) },
                    [asking, place, isPrimary](const QVariant &argument) {
                        const QVariantMap connection = propertiesOf(argument);
                        const bool routes = isPrimary ||
                            connection.value(QStringLiteral("Default")).toBool() ||
                            connection.value(QStringLiteral("Default6")).toBool();
                        if (routes &&
                            isVpnType(connection.value(QStringLiteral("Type")).toString()) &&
                            connection.value(QStringLiteral("State")).toUInt() == activated)
                            asking->answer(place,
                                           connection.value(QStringLiteral("Id")).toString());
                    });
            }
        });
}

void readClosedZone(std::chrono::milliseconds callTimeout, QObject *context,
                    const std::function<void(const QString &)> &done)
{
    Asking *asking = new Asking(firewalld, callTimeout, context, done);
    const QStringList interfaces = interfacesInUse();
    if (interfaces.isEmpty()) {
        asking->finishLater();
        return;
    }
    const QString path = QLatin1String(firewalldPath);
    // A zone that keeps mDNS out, once the interface's zone is known.
    const auto askService = [asking, path](int place, const QString &zone) {
        asking->ask(path, zoneInterface, "queryService", { zone, QStringLiteral("mdns") },
                    [asking, place, zone](const QVariant &argument) {
                        if (!argument.toBool())
                            asking->answer(place, zone);
                    });
    };
    for (const QString &interface : interfaces) {
        const int place = asking->place();
        asking->ask(path, zoneInterface, "getZoneOfInterface", { interface },
                    [asking, path, place, askService](const QVariant &argument) {
                        const QString zone = argument.toString();
                        if (!zone.isEmpty()) {
                            askService(place, zone);
                            return;
                        }
                        // An interface bound to no zone is in the default one.
                        asking->ask(path, firewalld, "getDefaultZone", {},
                                    [place, askService](const QVariant &argument) {
                                        if (!argument.toString().isEmpty())
                                            askService(place, argument.toString());
                                    });
                    });
    }
}

} // namespace SystemServices
