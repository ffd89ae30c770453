#ifndef INPUT_H
#define INPUT_H

#include <QByteArray>
#include <QString>

// What the command line reads whole before it starts: a plan, a password. Reading waits with
// poll() on the input and on SignalWatch::wakeDescriptor(), so that a signal ends a read from a
// pipe or FIFO that is kept open.
namespace Input {

enum class Result { Read, Interrupted, Failed };

// Everything up to the end of fd; error is the system's reason when it fails.
Result readAll(int fd, QByteArray *bytes, QString *error);

// The whole of the file at path; a FIFO is waited for like a pipe, even before it has a writer.
Result readFile(const QString &path, QByteArray *bytes, QString *error);

// A closed standard input gets /dev/null in its place: otherwise the first descriptor that the
// program opens becomes descriptor 0 and is taken for it. Before anything else is opened.
void holdStandardInput();

} // namespace Input

#endif // INPUT_H
