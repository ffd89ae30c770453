#ifndef PASSWORD_H
#define PASSWORD_H

#include <QString>

class QByteArray;

// The WLAN password, which never reaches an error message or the command line.
namespace Password {

// What was read from a file, a pipe or the terminal, without one final line end (LF or CR LF),
// which is the input's and not the password's: UTF-8 without NUL. Whatever else it holds stays,
// for the checks of the password to see.
bool take(const QByteArray &bytes, const QString &source, QString *password, QString *error);

enum class PromptResult { Read, Interrupted, Failed };

// From the terminal on fd: a prompt on standard error, the echo off while one line is typed.
// Interrupted when a signal comes first (the echo is back then too).
PromptResult prompt(int fd, QString *password, QString *error);

} // namespace Password

#endif // PASSWORD_H
