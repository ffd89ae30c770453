#ifndef PASSWORD_H
#define PASSWORD_H

#include <QString>

class QIODevice;

// The WLAN password, which never reaches an error message or the command line.
namespace Password {

// From a file or a pipe: the whole input without one trailing line end, UTF-8 without NUL.
bool read(QIODevice *device, const QString &source, QString *password, QString *error);

enum class PromptResult { Read, Interrupted, Failed };

// From the terminal on fd: a prompt on standard error, the echo off while one line is typed.
// Interrupted when a signal comes first (the echo is back then too).
PromptResult prompt(int fd, QString *password, QString *error);

} // namespace Password

#endif // PASSWORD_H
