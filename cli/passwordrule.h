#ifndef PASSWORDRULE_H
#define PASSWORDRULE_H

#include <QString>

// The settings page's rule (SpeakerApi::checkSettings) in the command line's words: empty when a
// speaker can join a WLAN of that encrypt type with these values, else why not.
QString settingsProblem(const QString &name, const QString &password, const QString &encryptType);

#endif // PASSWORDRULE_H
