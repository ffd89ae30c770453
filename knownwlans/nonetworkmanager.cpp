#include "networkmanager.h"

#include <QTimer>

// Platforms without NetworkManager: no WLAN is known, so no password is ever asked for.
// Windows would read the WLAN profiles' keys (WlanGetProfile), macOS the keychain.
namespace NetworkManager {

QString connectBus(const QString &)
{
    return QString();
}

void readWlans(const QString &, std::chrono::milliseconds, QObject *context,
               const std::function<void(const QList<KnownWlan> &)> &done)
{
    QTimer::singleShot(0, context, [done] { done({}); });
}

void readPassword(const QString &, const QString &, std::chrono::milliseconds, QObject *context,
                  const std::function<void(const QString &, PasswordRequest::Failure)> &done)
{
    QTimer::singleShot(0, context, [done] { done({}, PasswordRequest::Failure::NotKnown); });
}

void activate(const QString &, const QString &, std::chrono::milliseconds, QObject *context,
              const std::function<void(bool, SwitchRequest::Failure, const QString &)> &done)
{
    QTimer::singleShot(0, context,
                       [done] { done(false, SwitchRequest::Failure::NotKnown, QString()); });
}

} // namespace NetworkManager
