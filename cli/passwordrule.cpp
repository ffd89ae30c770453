#include "passwordrule.h"

#include <QRegularExpression>

QString settingsProblem(const QString &name, const QString &password, const QString &encryptType)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("the name is blank");
    const QString type = encryptType.trimmed().toUpper();
    if (type.contains(QLatin1String("WPA"))) {
        static const QRegularExpression hexKey(QStringLiteral("^[0-9A-Fa-f]{64}$"));
        const int length = password.toUcs4().size();
        if ((length >= 8 && length <= 63) || hexKey.match(password).hasMatch())
            return QString();
        return QStringLiteral("a %1 password has 8 to 63 characters or 64 hex digits")
            .arg(encryptType);
    }
    if (type.isEmpty() || type == QLatin1String("NONE") || type == QLatin1String("OPEN"))
        return QString();
    return password.isEmpty() ? QStringLiteral("the WLAN is secured, but the password is empty")
                              : QString();
}
