#include "input.h"

#include "signalwatch.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

namespace Input {

Result readAll(int fd, QByteArray *bytes, QString *error)
{
    bytes->clear();
    char buffer[65536];
    for (;;) {
        pollfd waits[] = { { fd, POLLIN, 0 }, { SignalWatch::wakeDescriptor(), POLLIN, 0 } };
        const int ready = ::poll(waits, waits[1].fd >= 0 ? 2 : 1, -1);
        if (SignalWatch::caughtSignal())
            return Result::Interrupted;
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0) {
            *error = systemError();
            return Result::Failed;
        }
        if (!waits[0].revents)
            continue;
        const ssize_t count = ::read(fd, buffer, sizeof(buffer));
        if (count > 0)
            bytes->append(buffer, int(count));
        else if (count == 0)
            return Result::Read;
        else if (errno != EINTR && errno != EAGAIN) {
            *error = systemError();
            return Result::Failed;
        }
    }
}

Result readFile(const QString &path, QByteArray *bytes, QString *error)
{
    // Without O_NONBLOCK, opening a FIFO would wait for its writer where no signal is seen.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = systemError();
        return Result::Failed;
    }
    const Result result = readAll(fd, bytes, error);
    ::close(fd);
    return result;
}

void holdStandardInput()
{
    if (::fcntl(STDIN_FILENO, F_GETFD) < 0 && errno == EBADF) {
        // The lowest free descriptor: 0.
        if (::open("/dev/null", O_RDONLY) < 0) {
            // Nothing to hold it with; a read then fails instead.
        }
    }
}

} // namespace Input
