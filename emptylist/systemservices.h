#ifndef SYSTEMSERVICES_H
#define SYSTEMSERVICES_H

#include <QString>

#include <chrono>
#include <functional>

class QObject;

// What the system's network services tell of a network that keeps DNS-SD out, asked over the
// system bus (Linux; elsewhere nothing is known). Each answer comes from the event loop, never
// from within the call, and none once the context object has gone: the calls are its children.
// A service that is not running is never started for the question.
namespace SystemServices {

// The name of NetworkManager's VPN (or WireGuard) connection that holds the default route;
// empty where none does or NetworkManager does not answer.
void readDefaultVpn(std::chrono::milliseconds callTimeout, QObject *context,
                    const std::function<void(const QString &)> &done);

// The firewalld zone of an interface in use (those of the default route, else every multicast
// interface that is up) that does not allow the "mdns" service; empty where all do, or firewalld
// does not answer.
void readClosedZone(std::chrono::milliseconds callTimeout, QObject *context,
                    const std::function<void(const QString &)> &done);

} // namespace SystemServices

#endif // SYSTEMSERVICES_H
