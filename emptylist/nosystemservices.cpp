#include "systemservices.h"

#include <QTimer>

// Platforms without NetworkManager and firewalld: the list's reason is found by the browse alone.
namespace SystemServices {

void readDefaultVpn(std::chrono::milliseconds, QObject *context,
                    const std::function<void(const QString &)> &done)
{
    QTimer::singleShot(0, context, [done] { done(QString()); });
}

void readClosedZone(std::chrono::milliseconds, QObject *context,
                    const std::function<void(const QString &)> &done)
{
    QTimer::singleShot(0, context, [done] { done(QString()); });
}

} // namespace SystemServices
