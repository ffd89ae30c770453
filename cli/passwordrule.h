#ifndef PASSWORDRULE_H
#define PASSWORDRULE_H

#include <QString>

// SEAM, until the settings page's rule (SpeakerApi::checkSettings) is merged: whether a speaker
// can join a WLAN of that encrypt type with these values; empty when it can, else why not. A
// type holding "WPA" takes 8 to 63 characters or 64 hex digits; "NONE", "OPEN" and an empty type
// any password; any other type anything but an empty password.
QString settingsProblem(const QString &name, const QString &password, const QString &encryptType);

#endif // PASSWORDRULE_H
