#include "passwordrule.h"

#include <QRegularExpression>

QString passwordProblem(const QString &encryptType, const QString &password)
{
    const QString type = encryptType.trimmed().toUpper();
    if (type == QLatin1String("NONE") || type == QLatin1String("OPEN"))
        return QString();
    if (type.startsWith(QLatin1String("WPA"))) {
        static const QRegularExpression hexKey(QStringLiteral("^[0-9A-Fa-f]{64}$"));
        if (hexKey.match(password).hasMatch() || (password.size() >= 8 && password.size() <= 63))
            return QString();
        return QStringLiteral("a %1 password has 8 to 63 characters or 64 hex digits")
            .arg(encryptType);
    }
    if (password.isEmpty())
        return QStringLiteral("the WLAN is secured, but the password is empty");
    return QString();
}
