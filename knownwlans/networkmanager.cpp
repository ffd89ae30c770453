#include "networkmanager.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QTimer>
#include <QVariantMap>

#include <algorithm>
#include <climits>

namespace {

const char service[] = "org.freedesktop.NetworkManager";
const char managerPath[] = "/org/freedesktop/NetworkManager";
const char settingsPath[] = "/org/freedesktop/NetworkManager/Settings";
const char settingsInterface[] = "org.freedesktop.NetworkManager.Settings";
const char connectionInterface[] = "org.freedesktop.NetworkManager.Settings.Connection";
const char activeInterface[] = "org.freedesktop.NetworkManager.Connection.Active";
const char propertiesInterface[] = "org.freedesktop.DBus.Properties";
const char wirelessType[] = "802-11-wireless";
const char securitySetting[] = "802-11-wireless-security";
const uint activated = 2; // NM_ACTIVE_CONNECTION_STATE_ACTIVATED

using Settings = QMap<QString, QVariantMap>;

QDBusPendingCallWatcher *call(const QString &busName, const QString &path, const char *interface,
                              const char *method, const QVariantList &arguments,
                              std::chrono::milliseconds callTimeout, QObject *context)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        QLatin1String(service), path, QLatin1String(interface), QLatin1String(method));
    message.setArguments(arguments);
    // A NetworkManager that does not run is not started for us, and answers at once.
    message.setAutoStartService(false);
    const int timeout = int(std::min<std::chrono::milliseconds::rep>(callTimeout.count(), INT_MAX));
    return new QDBusPendingCallWatcher(QDBusConnection(busName).asyncCall(message, timeout),
                                       context);
}

QVariant firstArgument(const QDBusPendingCallWatcher *watcher)
{
    return watcher->reply().arguments().value(0);
}

// What one connection's settings tell; false for anything but a WLAN to join.
bool readSettings(const Settings &settings, const QString &path, KnownWlan *wlan)
{
    const QVariantMap connection = settings.value(QStringLiteral("connection"));
    const QVariantMap wireless = settings.value(QLatin1String(wirelessType));
    if (connection.value(QStringLiteral("type")).toString() != QLatin1String(wirelessType))
        return false;
    // This computer's own hotspot, ad-hoc or mesh network is no WLAN to hand on to a speaker.
    const QString mode = wireless.value(QStringLiteral("mode")).toString();
    if (!mode.isEmpty() && mode != QLatin1String("infrastructure"))
        return false;
    wlan->ssid = wireless.value(QStringLiteral("ssid")).toByteArray();
    if (wlan->ssid.isEmpty())
        return false;
    if (settings.contains(QLatin1String(securitySetting))) {
        wlan->keyManagement = settings.value(QLatin1String(securitySetting))
                                  .value(QStringLiteral("key-mgmt"))
                                  .toString();
    }
    wlan->lastUsed = connection.value(QStringLiteral("timestamp")).toLongLong();
    wlan->connection = path;
    return true;
}

// One reading: the saved connections and the active ones, asked side by side.
class Reading : public QObject
{
public:
    Reading(const QString &busName, std::chrono::milliseconds callTimeout, QObject *context,
            const std::function<void(const QList<KnownWlan> &)> &done)
        : QObject(context), busName(busName), callTimeout(callTimeout), done(done)
    {
    }

    void start()
    {
        expect(call(busName, QLatin1String(settingsPath), settingsInterface, "ListConnections", {},
                    callTimeout, this),
               [this](QDBusPendingCallWatcher *answer) { readConnectionList(answer); });
        expect(call(busName, QLatin1String(managerPath), propertiesInterface, "Get",
                    { QLatin1String(service), QStringLiteral("ActiveConnections") }, callTimeout,
                    this),
               [this](QDBusPendingCallWatcher *answer) { readActiveList(answer); });
    }

private:
    // read: what to do with the call's answer; each call has its own.
    template<typename Read> void expect(QDBusPendingCallWatcher *watcher, Read read)
    {
        ++pending;
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this, read](QDBusPendingCallWatcher *finished) {
                    // An error (no NetworkManager, no answer, a refusal) leaves that part
                    // unknown.
                    if (!finished->isError())
                        read(finished);
                    if (--pending == 0)
                        finish();
                });
    }

    void readConnectionList(QDBusPendingCallWatcher *watcher)
    {
        const auto paths = qdbus_cast<QList<QDBusObjectPath>>(firstArgument(watcher));
        for (const QDBusObjectPath &path : paths) {
            order.append(path.path());
            const QString connection = path.path();
            expect(call(busName, connection, connectionInterface, "GetSettings", {}, callTimeout,
                        this),
                   [this, connection](QDBusPendingCallWatcher *answer) {
                       readConnection(answer, connection);
                   });
        }
    }

    void readConnection(QDBusPendingCallWatcher *watcher, const QString &path)
    {
        KnownWlan wlan;
        if (readSettings(qdbus_cast<Settings>(firstArgument(watcher)), path, &wlan))
            saved.insert(path, wlan);
    }

    void readActiveList(QDBusPendingCallWatcher *watcher)
    {
        const QVariant value = qvariant_cast<QDBusVariant>(firstArgument(watcher)).variant();
        for (const QDBusObjectPath &path : qdbus_cast<QList<QDBusObjectPath>>(value)) {
            expect(call(busName, path.path(), propertiesInterface, "GetAll",
                        { QLatin1String(activeInterface) }, callTimeout, this),
                   [this](QDBusPendingCallWatcher *answer) { readActive(answer); });
        }
    }

    void readActive(QDBusPendingCallWatcher *watcher)
    {
        const auto properties = qdbus_cast<QVariantMap>(firstArgument(watcher));
        if (properties.value(QStringLiteral("Type")).toString() == QLatin1String(wirelessType) &&
            properties.value(QStringLiteral("State")).toUInt() == activated) {
            active.insert(
                qvariant_cast<QDBusObjectPath>(properties.value(QStringLiteral("Connection")))
                    .path());
        }
    }

    // One entry for each SSID, in NetworkManager's order: the connection active now, else the
    // one used last.
    void finish()
    {
        QList<KnownWlan> wlans;
        QHash<QByteArray, int> index;
        for (const QString &path : qAsConst(order)) {
            if (!saved.contains(path))
                continue;
            KnownWlan wlan = saved.value(path);
            wlan.connected = active.contains(path);
            const auto found = index.constFind(wlan.ssid);
            if (found == index.constEnd()) {
                index.insert(wlan.ssid, wlans.size());
                wlans.append(wlan);
                continue;
            }
            const KnownWlan &other = wlans.at(*found);
            if (!other.connected && (wlan.connected || wlan.lastUsed > other.lastUsed))
                wlans[*found] = wlan;
        }
        done(wlans);
    }

    const QString busName;
    const std::chrono::milliseconds callTimeout;
    const std::function<void(const QList<KnownWlan> &)> done;
    int pending = 0;
    QStringList order;               // the saved connections as listed
    QHash<QString, KnownWlan> saved; // the Wi-Fi ones among them
    QSet<QString> active;
};

PasswordRequest::Failure failureOf(const QDBusError &error)
{
    const QString name = error.name();
    if (error.type() == QDBusError::NoReply || error.type() == QDBusError::Timeout)
        return PasswordRequest::Failure::NoAnswer;
    if (name.endsWith(QLatin1String(".PermissionDenied")))
        return PasswordRequest::Failure::PermissionDenied;
    // NetworkManager without an agent of the user's session, or the agent's own refusal.
    if (name.endsWith(QLatin1String(".NoSecrets")) || name.endsWith(QLatin1String(".UserCanceled")))
        return PasswordRequest::Failure::NoSecret;
    return PasswordRequest::Failure::Failed;
}

} // namespace

namespace NetworkManager {

QString connectBus(const QString &address)
{
    QDBusConnection bus = address.isEmpty()
        ? QDBusConnection::systemBus()
        : QDBusConnection::connectToBus(address, QStringLiteral("vantir-known-wlans ") + address);
    if (bus.isConnected())
        return bus.name();
    if (!address.isEmpty())
        QDBusConnection::disconnectFromBus(bus.name());
    return QString();
}

void readWlans(const QString &busName, std::chrono::milliseconds callTimeout, QObject *context,
               const std::function<void(const QList<KnownWlan> &)> &done)
{
    if (busName.isEmpty()) {
        QTimer::singleShot(0, context, [done] { done({}); });
        return;
    }
    (new Reading(busName, callTimeout, context, done))->start();
}

void readPassword(const QString &busName, const QString &connection,
                  std::chrono::milliseconds callTimeout, QObject *context,
                  const std::function<void(const QString &, PasswordRequest::Failure)> &done)
{
    if (busName.isEmpty()) {
        QTimer::singleShot(0, context, [done] { done({}, PasswordRequest::Failure::NotKnown); });
        return;
    }
    QDBusPendingCallWatcher *watcher =
        call(busName, connection, connectionInterface, "GetSecrets",
             { QLatin1String(securitySetting) }, callTimeout, context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [done](auto *finished) {
        // The error's text is never looked at: an agent's refusal could quote the secret.
        if (finished->isError()) {
            done({}, failureOf(finished->error()));
            return;
        }
        const QString password = qdbus_cast<Settings>(firstArgument(finished))
                                     .value(QLatin1String(securitySetting))
                                     .value(QStringLiteral("psk"))
                                     .toString();
        done(password, PasswordRequest::Failure::NoSecret);
    });
}

void activate(const QString &busName, const QString &connection,
              std::chrono::milliseconds callTimeout, QObject *context,
              const std::function<void(bool, SwitchRequest::Failure, const QString &)> &done)
{
    if (busName.isEmpty()) {
        QTimer::singleShot(0, context,
                           [done] { done(false, SwitchRequest::Failure::NotKnown, QString()); });
        return;
    }
    // No device and no access point of our choosing: NetworkManager knows them better.
    const QDBusObjectPath chooses(QStringLiteral("/"));
    QDBusPendingCallWatcher *watcher =
        call(busName, QLatin1String(managerPath), service, "ActivateConnection",
             { QVariant::fromValue(QDBusObjectPath(connection)), QVariant::fromValue(chooses),
               QVariant::fromValue(chooses) },
             callTimeout, context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [done](auto *finished) {
        if (!finished->isError()) {
            done(true, SwitchRequest::Failure::Refused, QString());
            return;
        }
        const QDBusError error = finished->error();
        // Also a NetworkManager gone since the reading.
        const bool unanswered = error.type() == QDBusError::NoReply ||
            error.type() == QDBusError::Timeout || error.type() == QDBusError::ServiceUnknown ||
            error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
        if (unanswered)
            done(false, SwitchRequest::Failure::NoAnswer, QString());
        else
            done(false, SwitchRequest::Failure::Refused, error.message());
    });
}

} // namespace NetworkManager
