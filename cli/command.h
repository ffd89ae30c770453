#ifndef COMMAND_H
#define COMMAND_H

#include "networkclient.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include <chrono>

class QCommandLineParser;
class QTextStream;
class SignalWatch;

// The accepted ranges of the numbers the options take.
namespace Limits {
const int MinJobs = 1;
const int MaxJobs = 256;
constexpr std::chrono::seconds MinReturnWait { 1 };
constexpr std::chrono::seconds MaxReturnWait { 3600 };
constexpr std::chrono::milliseconds MinQuietWait { 10 };
constexpr std::chrono::milliseconds MaxQuietWait { 60000 };
} // namespace Limits

// "-v" or "--verbose" for the option's name "v" or "verbose".
QString dashed(const QString &name);

// One command of vantir-speakers: its options, its help with examples, and its run. The options
// that every command takes (--json, --verbose, --quiet-wait, --help) are read here.
class Command
{
public:
    virtual ~Command() = default;

    virtual QString name() const = 0;
    // The names of every option the command takes, without dashes.
    QStringList optionNames() const;

    // Reads the arguments after the command's name. False with a message for the user on
    // anything that does not fit; unknownOption() then names an option the command does not
    // know, if that was it. Nothing is read from files here.
    bool parse(const QStringList &arguments, QString *error);
    QString unknownOption() const { return unknown; }

    bool helpRequested() const { return help; }
    QString helpText() const;

    // Runs the command until it ends, a signal included; returns its exit code.
    virtual int run(QTextStream &out, QTextStream &err, SignalWatch &signalWatch) = 0;

    bool json = false;
    bool verbose = false;
    std::chrono::milliseconds quietWait { ClientWaits().quietWait };

protected:
    virtual QList<QCommandLineOption> ownOptions() const = 0;
    // The usage lines after "Usage: ", one command form a line.
    virtual QStringList usage() const = 0;
    virtual QString description() const = 0;
    virtual QString examples() const = 0;
    // Reads the command's own options and arguments from the parser.
    virtual bool read(const QCommandLineParser &parser, const QStringList &positional,
                      QString *error) = 0;

    // The number an option was given, within [minimum, maximum]; value stays when not given.
    static bool readNumber(const QCommandLineParser &parser, const QCommandLineOption &option,
                           int minimum, int maximum, int *value, QString *error);
    // The same for a duration, given as a number in the unit of its type.
    template<typename Duration>
    static bool readDuration(const QCommandLineParser &parser, const QCommandLineOption &option,
                             Duration minimum, Duration maximum, Duration *value, QString *error)
    {
        int number = int(value->count());
        if (!readNumber(parser, option, int(minimum.count()), int(maximum.count()), &number, error))
            return false;
        *value = Duration(number);
        return true;
    }
    // The waits of the network client with the options' values.
    ClientWaits clientWaits() const;

private:
    QList<QCommandLineOption> options() const;

    bool help = false;
    QString unknown;
};

#endif // COMMAND_H
