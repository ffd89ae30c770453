#ifndef NETWORKMANAGER_H
#define NETWORKMANAGER_H

#include "knownwlans.h"

#include <QList>
#include <QString>

#include <chrono>
#include <functional>

// NetworkManager's D-Bus interface as KnownWlans reads it; where the platform has none, the
// same calls that find nothing. Every answer comes from the event loop, never from within the
// call, and none comes once the context object has gone: the calls are its children.
namespace NetworkManager {

// The name of a bus connection to the address (empty: the system bus); empty where the bus
// cannot be reached.
QString connectBus(const QString &address);

// The saved Wi-Fi connections, one for each SSID, with which of them are active now.
void readWlans(const QString &busName, std::chrono::milliseconds callTimeout, QObject *context,
               const std::function<void(const QList<KnownWlan> &)> &done);

// The password of one saved connection; an empty one comes with the failure.
void readPassword(const QString &busName, const QString &connection,
                  std::chrono::milliseconds callTimeout, QObject *context,
                  const std::function<void(const QString &, PasswordRequest::Failure)> &done);

// Activates one saved connection on the device that NetworkManager finds for it; started, or
// else the failure with NetworkManager's words for a refusal.
void activate(const QString &busName, const QString &connection,
              std::chrono::milliseconds callTimeout, QObject *context,
              const std::function<void(bool, SwitchRequest::Failure, const QString &)> &done);

} // namespace NetworkManager

#endif // NETWORKMANAGER_H
