#include "signalwatch.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <iterator>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

const int watchedSignals[] = { SIGINT, SIGTERM, SIGHUP };

int signalPipe[2] = { -1, -1 };
bool installed[std::size(watchedSignals)] = {};
volatile sig_atomic_t firstSignal = 0;
volatile sig_atomic_t echoHidden = 0;
int echoDescriptor = -1;
termios echoSettings;

// Only async-signal-safe calls: tcsetattr() and write().
extern "C" void onSignal(int signal)
{
    const int savedErrno = errno;
    if (echoHidden) {
        tcsetattr(echoDescriptor, TCSANOW, &echoSettings);
        echoHidden = 0;
    }
    if (!firstSignal)
        firstSignal = signal;
    const unsigned char number = static_cast<unsigned char>(signal);
    if (signalPipe[1] >= 0 && ::write(signalPipe[1], &number, 1) < 0) {
        // A full pipe holds enough signals already.
    }
    errno = savedErrno;
}

} // namespace

SignalWatch::SignalWatch(QObject *parent) : QObject(parent)
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SignalWatch::readSignals);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int index = 0; index < int(std::size(watchedSignals)); ++index) {
        // One that came ignored (nohup, a shell's background job) stays ignored.
        struct sigaction old = {};
        installed[index] = sigaction(watchedSignals[index], nullptr, &old) == 0 &&
            old.sa_handler != SIG_IGN && sigaction(watchedSignals[index], &action, nullptr) == 0;
    }
}

SignalWatch::~SignalWatch()
{
    for (int index = 0; index < int(std::size(watchedSignals)); ++index) {
        if (installed[index])
            std::signal(watchedSignals[index], SIG_DFL);
        installed[index] = false;
    }
    restoreEcho();
    delete notifier;
    for (int &descriptor : signalPipe) {
        if (descriptor >= 0)
            ::close(descriptor);
        descriptor = -1;
    }
}

int SignalWatch::caughtSignal()
{
    return firstSignal;
}

int SignalWatch::wakeDescriptor()
{
    return signalPipe[0];
}

bool SignalWatch::hideEcho(int fd)
{
    termios settings;
    if (!::isatty(fd) || tcgetattr(fd, &settings) != 0)
        return false;
    echoDescriptor = fd;
    echoSettings = settings;
    settings.c_lflag &= ~tcflag_t(ECHO);
    // Set before the change, so that a signal in between still gives the echo back.
    echoHidden = 1;
    if (tcsetattr(fd, TCSAFLUSH, &settings) != 0) {
        echoHidden = 0;
        return false;
    }
    return true;
}

void SignalWatch::restoreEcho()
{
    if (!echoHidden)
        return;
    echoHidden = 0;
    tcsetattr(echoDescriptor, TCSANOW, &echoSettings);
}

void SignalWatch::readSignals()
{
    unsigned char number = 0;
    while (::read(signalPipe[0], &number, 1) == 1)
        emit caught(number);
}
