#include "passwordrule.h"

#include "speakerapi.h"

QString settingsProblem(const QString &name, const QString &password, const QString &encryptType)
{
    switch (SpeakerApi::checkSettings(name, password, encryptType)) {
    case SpeakerApi::SettingsProblem::None:
        break;
    case SpeakerApi::SettingsProblem::BlankName:
        return QStringLiteral("the name is blank");
    case SpeakerApi::SettingsProblem::NameTooLong:
        return QStringLiteral("the name has more than %1 bytes in UTF-8")
            .arg(SpeakerApi::MaxNameBytes);
    case SpeakerApi::SettingsProblem::WpaPasswordTooShort:
        return QStringLiteral("a %1 password has at least 8 bytes in UTF-8, or 64 hex digits")
            .arg(encryptType);
    case SpeakerApi::SettingsProblem::WpaPasswordTooLong:
        return QStringLiteral("a %1 password has at most 63 bytes in UTF-8, or 64 hex digits")
            .arg(encryptType);
    case SpeakerApi::SettingsProblem::PasswordMissing:
        return QStringLiteral("the WLAN is secured, but the password is empty");
    }
    return QString();
}
