#ifndef PASSWORDRULE_H
#define PASSWORDRULE_H

#include <QString>

// SEAM (until the settings page's rule is in api/): whether a password can fit a WLAN of the
// given encrypt type. Empty when it can, else why not. WPA types take 8 to 63 characters or 64
// hex digits, open types anything, unknown types anything but an empty password.
QString passwordProblem(const QString &encryptType, const QString &password);

#endif // PASSWORDRULE_H
