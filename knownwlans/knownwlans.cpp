#include "knownwlans.h"

#include "networkmanager.h"

#include <QMetaObject>

bool KnownWlan::hasPassword() const
{
    return keyManagement == QLatin1String("wpa-psk") || keyManagement == QLatin1String("sae");
}

KnownWlans::KnownWlans(const KnownWlansOptions &options, QObject *parent)
    : QObject(parent), options(options), busName(NetworkManager::connectBus(options.busAddress)),
      readyState(false)
{
}

void KnownWlans::refresh()
{
    // The calls of an earlier reading may be answering right now: they go with their round,
    // and their answer no longer counts.
    if (reading)
        reading->deleteLater();
    readyState = false;
    QObject *round = new QObject(this);
    reading = round;
    NetworkManager::readWlans(busName, options.callTimeout, round,
                              [this, round](const QList<KnownWlan> &wlans) {
                                  if (round != reading)
                                      return;
                                  known = wlans;
                                  readyState = true;
                                  reading = nullptr;
                                  round->deleteLater();
                                  emit ready();
                              });
}

bool KnownWlans::isKnown(const QString &ssid) const
{
    return !wlan(ssid).ssid.isEmpty();
}

KnownWlan KnownWlans::wlan(const QString &ssid) const
{
    const QByteArray bytes = ssid.toUtf8();
    for (const KnownWlan &candidate : known) {
        if (candidate.ssid == bytes)
            return candidate;
    }
    return KnownWlan();
}

QString KnownWlans::otherConnectedWlan(const QString &ssid) const
{
    const QByteArray bytes = ssid.toUtf8();
    QString other;
    for (const KnownWlan &candidate : known) {
        if (!candidate.connected)
            continue;
        // With two Wi-Fi devices, one of them on ssid is enough.
        if (candidate.ssid == bytes)
            return QString();
        if (other.isEmpty())
            other = QString::fromUtf8(candidate.ssid);
    }
    return other;
}

int KnownWlans::initialRow(const QStringList &ssids) const
{
    int row = -1;
    qint64 lastUsed = -1;
    for (int index = 0; index < ssids.size(); ++index) {
        const KnownWlan candidate = wlan(ssids.at(index));
        if (candidate.ssid.isEmpty())
            continue;
        if (candidate.connected)
            return index;
        if (candidate.lastUsed > lastUsed) {
            row = index;
            lastUsed = candidate.lastUsed;
        }
    }
    return row;
}

PasswordRequest *KnownWlans::readPassword(const QString &ssid, QObject *parent)
{
    auto *request = new PasswordRequest(parent);
    const KnownWlan saved = wlan(ssid);
    if (!saved.hasPassword()) {
        QMetaObject::invokeMethod(
            request, [request] { request->fail(PasswordRequest::Failure::NotKnown); },
            Qt::QueuedConnection);
        return request;
    }
    NetworkManager::readPassword(
        busName, saved.connection, options.callTimeout, request,
        [request](const QString &password, PasswordRequest::Failure failure) {
            if (password.isEmpty())
                request->fail(failure);
            else
                request->finish(password);
        });
    return request;
}

SwitchRequest *KnownWlans::switchTo(const QString &ssid, QObject *parent)
{
    auto *request = new SwitchRequest(parent);
    const KnownWlan saved = wlan(ssid);
    if (saved.ssid.isEmpty()) {
        QMetaObject::invokeMethod(
            request, [request] { request->finish(SwitchRequest::Failure::NotKnown, QString()); },
            Qt::QueuedConnection);
        return request;
    }
    NetworkManager::activate(
        busName, saved.connection, options.switchTimeout, request,
        [request](bool started, SwitchRequest::Failure failure, const QString &message) {
            if (started) {
                emit request->switchStarted();
                request->deleteLater();
            } else {
                request->finish(failure, message);
            }
        });
    return request;
}

void SwitchRequest::finish(Failure failure, const QString &message)
{
    emit switchFailed(failure, message);
    deleteLater();
}

void PasswordRequest::finish(const QString &password)
{
    emit passwordRead(password);
    deleteLater();
}

void PasswordRequest::fail(Failure failure)
{
    emit passwordUnreadable(failure);
    deleteLater();
}
