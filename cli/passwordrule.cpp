#include "passwordrule.h"

#include "speakerapi.h"

QString settingsProblem(const QString &name, const QString &password, const QString &encryptType)
{
    switch (SpeakerApi::checkSettings(name, password, encryptType)) {
    case SpeakerApi::SettingsProblem::None:
        break;
    case SpeakerApi::SettingsProblem::BlankName:
        return QStringLiteral("the name is blank");
    case SpeakerApi::SettingsProblem::WpaPasswordLength:
        return QStringLiteral("a %1 password has 8 to 63 characters or 64 hex digits")
            .arg(encryptType);
    case SpeakerApi::SettingsProblem::PasswordMissing:
        return QStringLiteral("the WLAN is secured, but the password is empty");
    }
    return QString();
}
