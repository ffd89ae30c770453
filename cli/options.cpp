#include "options.h"

#include <QIODevice>
#include <QRegularExpression>
#include <QSet>

namespace {

// Options that take a value, with the commands they belong to.
struct ValueOption
{
    const char *name;
    QString Invocation::*text; // or nullptr for a number
    int Invocation::*number;
    QList<Invocation::Command> commands;
};

const QList<ValueOption> &valueOptions()
{
    static const QList<ValueOption> options = {
        { "--ssid", &Invocation::ssid, nullptr, { Invocation::Configure } },
        { "--name", &Invocation::name, nullptr, { Invocation::Configure } },
        { "--plan", &Invocation::planFile, nullptr, { Invocation::Configure } },
        { "--password-file", &Invocation::passwordFile, nullptr, { Invocation::Configure } },
        { "--jobs", nullptr, &Invocation::jobs, { Invocation::Configure } },
        { "--return-wait", nullptr, &Invocation::returnWait, { Invocation::Configure } },
        { "--quiet-wait",
          nullptr,
          &Invocation::quietWait,
          { Invocation::List, Invocation::Scan, Invocation::Configure } },
    };
    return options;
}

struct FlagOption
{
    const char *name;
    bool Invocation::*flag;
    QList<Invocation::Command> commands;
};

const QList<FlagOption> &flagOptions()
{
    static const QList<FlagOption> options = {
        { "--json",
          &Invocation::json,
          { Invocation::List, Invocation::Scan, Invocation::Configure } },
        { "--verbose",
          &Invocation::verbose,
          { Invocation::List, Invocation::Scan, Invocation::Configure } },
        { "--details", &Invocation::details, { Invocation::List } },
        { "--no-wait", &Invocation::noWait, { Invocation::Configure } },
        { "--force", &Invocation::force, { Invocation::Configure } },
        { "--password-stdin", &Invocation::passwordStdin, { Invocation::Configure } },
    };
    return options;
}

QString commandName(Invocation::Command command)
{
    switch (command) {
    case Invocation::List:
        return QStringLiteral("list");
    case Invocation::Scan:
        return QStringLiteral("scan");
    case Invocation::Configure:
        return QStringLiteral("configure");
    default:
        return QString();
    }
}

// The fields of one CSV line; false when a quote is left open or text follows a closing one.
bool splitCsvLine(const QString &line, QStringList *fields)
{
    fields->clear();
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c != QLatin1Char('"'))
                field.append(c);
            else if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"'))
                field.append(line.at(++i));
            else
                quoted = false;
        } else if (c == QLatin1Char(',')) {
            fields->append(field);
            field.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('"') && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (wasQuoted) {
            return false;
        } else {
            field.append(c);
        }
    }
    fields->append(field);
    return !quoted;
}

} // namespace

bool parseArguments(const QStringList &arguments, Invocation *invocation, QString *error)
{
    *invocation = Invocation();
    QStringList positional;
    QStringList given; // options, checked against the command once it is known
    bool commandKnown = false;
    for (int i = 0; i < arguments.size(); ++i) {
        QString argument = arguments.at(i);
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            invocation->command = Invocation::Help;
            return true;
        }
        if (argument == QLatin1String("--version")) {
            invocation->command = Invocation::Version;
            return true;
        }
        if (argument == QLatin1String("-v"))
            argument = QStringLiteral("--verbose");
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            positional.append(argument);
            continue;
        }
        QString value;
        bool hasValue = false;
        const int equals = argument.indexOf(QLatin1Char('='));
        if (equals > 0) {
            value = argument.mid(equals + 1);
            argument.truncate(equals);
            hasValue = true;
        }
        bool known = false;
        for (const FlagOption &option : flagOptions()) {
            if (argument != QLatin1String(option.name))
                continue;
            if (hasValue) {
                *error = QStringLiteral("option %1 takes no value").arg(argument);
                return false;
            }
            invocation->*option.flag = true;
            known = true;
        }
        for (const ValueOption &option : valueOptions()) {
            if (argument != QLatin1String(option.name))
                continue;
            if (!hasValue) {
                if (i + 1 >= arguments.size()) {
                    *error = QStringLiteral("option %1 needs a value").arg(argument);
                    return false;
                }
                value = arguments.at(++i);
            }
            if (option.text) {
                invocation->*option.text = value;
            } else {
                bool ok = false;
                const int number = value.toInt(&ok);
                if (!ok || number < 1) {
                    *error = QStringLiteral("option %1 needs a whole number of at least 1, not "
                                            "\"%2\"")
                                 .arg(argument, value);
                    return false;
                }
                invocation->*option.number = number;
            }
            known = true;
        }
        if (!known) {
            *error = QStringLiteral("unknown option %1").arg(argument);
            return false;
        }
        given.append(argument);
    }

    if (positional.isEmpty()) {
        *error = QStringLiteral("no command given (list, scan or configure)");
        return false;
    }
    const QString command = positional.takeFirst();
    for (const Invocation::Command candidate :
         { Invocation::List, Invocation::Scan, Invocation::Configure }) {
        if (command == commandName(candidate)) {
            invocation->command = candidate;
            commandKnown = true;
        }
    }
    if (!commandKnown) {
        *error = QStringLiteral("unknown command \"%1\" (list, scan or configure)").arg(command);
        return false;
    }
    const QString name = commandName(invocation->command);
    for (const QString &option : qAsConst(given)) {
        bool fits = false;
        for (const FlagOption &flag : flagOptions())
            fits |=
                option == QLatin1String(flag.name) && flag.commands.contains(invocation->command);
        for (const ValueOption &valued : valueOptions())
            fits |= option == QLatin1String(valued.name) &&
                valued.commands.contains(invocation->command);
        if (!fits) {
            *error = QStringLiteral("option %1 does not go with %2").arg(option, name);
            return false;
        }
    }

    const bool planned = !invocation->planFile.isEmpty();
    const int speakers = invocation->command == Invocation::List || planned ? 0 : 1;
    if (positional.size() != speakers) {
        *error = speakers ? QStringLiteral("%1 takes one SPEAKER").arg(name)
                          : QStringLiteral("unexpected argument \"%1\"").arg(positional.first());
        return false;
    }
    if (speakers)
        invocation->speaker = positional.first();
    if (invocation->command != Invocation::Configure)
        return true;

    if (planned &&
        (given.contains(QLatin1String("--ssid")) || given.contains(QLatin1String("--name")))) {
        *error = QStringLiteral("--plan takes the names and SSIDs from the plan, not from --ssid "
                                "or --name");
        return false;
    }
    if (!planned && invocation->ssid.isEmpty()) {
        *error = QStringLiteral("configure needs --ssid SSID (or --plan FILE)");
        return false;
    }
    if (invocation->passwordStdin == !invocation->passwordFile.isEmpty()) {
        *error = QStringLiteral("configure needs the password from exactly one of "
                                "--password-stdin and --password-file FILE");
        return false;
    }
    return true;
}

bool parsePlan(const QByteArray &text, const QString &fileName, QList<PlanLine> *plan,
               QString *error)
{
    plan->clear();
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    QSet<QString> speakers;
    bool headerSeen = false;
    for (int index = 0; index < lines.size(); ++index) {
        QString line = lines.at(index);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const QString where = QStringLiteral("%1:%2: ").arg(fileName).arg(index + 1);
        QStringList fields;
        if (!splitCsvLine(line, &fields)) {
            *error = where + QStringLiteral("a quoted field is not closed properly");
            return false;
        }
        if (!headerSeen) {
            if (fields !=
                QStringList({ QStringLiteral("speaker"), QStringLiteral("name"),
                              QStringLiteral("ssid") })) {
                *error = where + QStringLiteral("the first line must be \"speaker,name,ssid\"");
                return false;
            }
            headerSeen = true;
            continue;
        }
        if (fields.size() != 3) {
            *error = where + QStringLiteral("expected 3 fields, found %1").arg(fields.size());
            return false;
        }
        PlanLine entry;
        entry.lineNumber = index + 1;
        entry.speaker = fields.at(0);
        entry.name = fields.at(1);
        entry.ssid = fields.at(2);
        if (entry.speaker.isEmpty() || entry.ssid.isEmpty()) {
            *error = where + QStringLiteral("speaker and ssid must not be empty");
            return false;
        }
        if (speakers.contains(entry.speaker)) {
            *error = where + QStringLiteral("speaker \"%1\" is planned twice").arg(entry.speaker);
            return false;
        }
        speakers.insert(entry.speaker);
        plan->append(entry);
    }
    if (plan->isEmpty()) {
        *error = fileName + QStringLiteral(": no speaker planned");
        return false;
    }
    return true;
}

bool readPassword(QIODevice *device, const QString &source, QString *password, QString *error)
{
    if (!device->isOpen() && !device->open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the password from %1: %2")
                     .arg(source, device->errorString());
        return false;
    }
    QByteArray bytes = device->readAll();
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    *password = QString::fromUtf8(bytes);
    return true;
}

bool splitHostPort(const QString &speaker, QString *host, int *port)
{
    static const QRegularExpression form(
        QStringLiteral("^(?:\\[([0-9A-Fa-f:.%\\w-]+)\\]|([^\\s:\\[\\]]+)):(\\d{1,5})$"));
    const QRegularExpressionMatch match = form.match(speaker);
    if (!match.hasMatch())
        return false;
    const int number = match.captured(3).toInt();
    if (number < 1 || number > 65535)
        return false;
    *host = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
    *port = number;
    return true;
}
