#ifndef SIGNALWATCH_H
#define SIGNALWATCH_H

#include <QObject>

class QSocketNotifier;

// Catches SIGINT, SIGTERM and SIGHUP while it lives, each that the program did not start with
// ignored, and hands each to the event loop as caught(): the handler itself only writes the
// signal's number into a pipe (and gives the terminal its echo back, see hideEcho()), which is
// all that is safe in a handler. One at a time.
class SignalWatch : public QObject
{
    Q_OBJECT

public:
    explicit SignalWatch(QObject *parent = nullptr);
    ~SignalWatch() override;

    // The first signal caught so far, 0 if none: for work outside the event loop.
    static int caughtSignal();
    // Readable once a signal has been caught: for work that waits outside the event loop.
    static int wakeDescriptor();

    // Turns the echo of the terminal on fd off until restoreEcho(), which a signal does at once.
    // False when fd is no terminal.
    static bool hideEcho(int fd);
    static void restoreEcho();

    // The exit code for a signal: 128 + its number, as a shell gives it.
    static int exitCode(int signal) { return 128 + signal; }

signals:
    void caught(int signal);

private slots:
    void readSignals();

private:
    QSocketNotifier *notifier = nullptr;
};

#endif // SIGNALWATCH_H
