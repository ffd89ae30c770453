#ifndef OPTIONS_H
#define OPTIONS_H

#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

// Defaults of the waits; each has an option that overrides it.
const int DefaultQuietWait = 300;  // ms of browse without change before the list is taken
const int DefaultReturnWait = 180; // s for a configured speaker to come back, as in the wizard
const int DefaultJobs = 8;         // speakers of a plan worked on at once

// One speaker's line of a plan, or the one speaker of `configure SPEAKER`.
struct PlanLine
{
    int lineNumber = 0; // in the plan file; 0 for the command line
    QString speaker;
    QString name; // empty: keep the speaker's current name
    QString ssid;
};

struct Invocation
{
    enum Command { Help, Version, List, Scan, Configure };

    Command command = Help;
    bool json = false;
    bool verbose = false;
    bool details = false;
    bool noWait = false;
    bool force = false;
    bool passwordStdin = false;
    QString passwordFile;
    QString planFile;
    QString speaker;
    QString ssid;
    QString name;
    int jobs = DefaultJobs;
    int quietWait = DefaultQuietWait;
    int returnWait = DefaultReturnWait;
};

// Reads the arguments after the program's name. Returns false with a message for the user on
// anything that does not fit a command; nothing is read from files here.
bool parseArguments(const QStringList &arguments, Invocation *invocation, QString *error);

// Reads a plan: the header line "speaker,name,ssid", then one speaker a line, fields as in CSV
// (double quotes around a field that holds a comma or a quote, "" for a quote). Empty lines are
// skipped. Returns false with "FILE:LINE: why" for the first bad line.
bool parsePlan(const QByteArray &text, const QString &fileName, QList<PlanLine> *plan,
               QString *error);

// The password is the whole input without one trailing line end; it never reaches an error
// message.
bool readPassword(QIODevice *device, const QString &source, QString *password, QString *error);

// SPEAKER as HOST:PORT ("[v6]:PORT" for IPv6); false for a speaker's name.
bool splitHostPort(const QString &speaker, QString *host, int *port);

#endif // OPTIONS_H
