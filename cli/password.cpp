#include "password.h"

#include "signalwatch.h"

#include <QByteArray>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <poll.h>
#include <unistd.h>

namespace {

void writeError(const char *text)
{
    if (::write(STDERR_FILENO, text, std::strlen(text)) < 0) {
        // Nowhere to tell.
    }
}

} // namespace

namespace Password {

bool take(const QByteArray &bytes, const QString &source, QString *password, QString *error)
{
    QByteArray line = bytes;
    if (line.endsWith("\r\n"))
        line.chop(2);
    else if (line.endsWith('\n'))
        line.chop(1);
    if (line.contains('\0')) {
        *error = QStringLiteral("the password from %1 holds a NUL byte").arg(source);
        return false;
    }
    // Not UTF-8, it would reach the speaker as replacement characters.
    const QString text = QString::fromUtf8(line);
    if (text.toUtf8() != line) {
        *error = QStringLiteral("the password from %1 is not UTF-8 text").arg(source);
        return false;
    }
    *password = text;
    return true;
}

PromptResult prompt(int fd, QString *password, QString *error)
{
    writeError("WLAN password: ");
    const bool hidden = SignalWatch::hideEcho(fd);
    QByteArray bytes;
    PromptResult result = PromptResult::Read;
    for (;;) {
        pollfd waits[] = { { fd, POLLIN, 0 }, { SignalWatch::wakeDescriptor(), POLLIN, 0 } };
        const int ready = ::poll(waits, waits[1].fd >= 0 ? 2 : 1, -1);
        if (SignalWatch::caughtSignal()) {
            result = PromptResult::Interrupted;
            break;
        }
        if (ready < 0 && errno == EINTR)
            continue;
        char c = 0;
        const ssize_t count = ready < 0 ? -1 : ::read(fd, &c, 1);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            *error = QStringLiteral("cannot read the password from the terminal: %1")
                         .arg(QString::fromLocal8Bit(std::strerror(errno)));
            result = PromptResult::Failed;
            break;
        }
        if (count == 0 || c == '\n')
            break;
        bytes.append(c);
    }
    if (hidden)
        SignalWatch::restoreEcho();
    // The line end typed was not echoed.
    writeError("\n");
    if (result != PromptResult::Read)
        return result;
    return take(bytes, QStringLiteral("the terminal"), password, error) ? PromptResult::Read
                                                                        : PromptResult::Failed;
}

} // namespace Password
