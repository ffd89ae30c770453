#include "command.h"

#include <QCommandLineParser>
#include <QSet>

namespace {

QCommandLineOption helpOption()
{
    return QCommandLineOption({ QStringLiteral("h"), QStringLiteral("help") },
                              QStringLiteral("this command's options and examples"));
}

QCommandLineOption jsonOption()
{
    return QCommandLineOption(QStringLiteral("json"),
                              QStringLiteral("one JSON object per line, one per speaker"));
}

QCommandLineOption verboseOption()
{
    return QCommandLineOption({ QStringLiteral("v"), QStringLiteral("verbose") },
                              QStringLiteral("the configurator's log lines on standard error"));
}

QCommandLineOption quietWaitOption()
{
    return QCommandLineOption(
        QStringLiteral("quiet-wait"),
        QStringLiteral("how long the search must bring nothing new before its\nlist is taken "
                       "(%1 to %2, default %3; before the first\nspeaker is heard of, at least "
                       "%4; taken at the latest\n%5 quiet waits after that)")
            .arg(Limits::MinQuietWait.count())
            .arg(Limits::MaxQuietWait.count())
            .arg(ClientWaits().quietWait.count())
            .arg(ClientWaits().firstAnswerWait.count())
            .arg(ClientWaits().mostQuietWaits),
        QStringLiteral("MS"));
}

} // namespace

QString dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QList<QCommandLineOption> Command::options() const
{
    return ownOptions() +
        QList<QCommandLineOption>(
               { jsonOption(), verboseOption(), quietWaitOption(), helpOption() });
}

QStringList Command::optionNames() const
{
    QStringList names;
    for (const QCommandLineOption &option : options())
        names += option.names();
    return names;
}

bool Command::parse(const QStringList &arguments, QString *error)
{
    unknown.clear();
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QList<QCommandLineOption> all = options();
    parser.addOptions(all);
    // The parser expects the program's name first.
    if (!parser.parse(QStringList(QStringLiteral("vantir-speakers")) + arguments)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            unknown = parser.unknownOptionNames().constFirst();
            *error = QStringLiteral("unknown option %1").arg(dashed(unknown));
        } else {
            *error = parser.errorText();
        }
        return false;
    }
    if (parser.isSet(helpOption())) {
        help = true;
        return true;
    }
    // Given twice, one of the values would be dropped without a word.
    const QStringList given = parser.optionNames();
    for (const QCommandLineOption &option : all) {
        int count = 0;
        for (const QString &name : given)
            count += option.names().contains(name);
        if (count > 1) {
            *error = QStringLiteral("option %1 is given more than once")
                         .arg(dashed(option.names().constLast()));
            return false;
        }
    }

    json = parser.isSet(jsonOption());
    verbose = parser.isSet(verboseOption());
    if (!readDuration(parser, quietWaitOption(), Limits::MinQuietWait, Limits::MaxQuietWait,
                      &quietWait, error))
        return false;
    return read(parser, parser.positionalArguments(), error);
}

bool Command::readNumber(const QCommandLineParser &parser, const QCommandLineOption &option,
                         int minimum, int maximum, int *value, QString *error)
{
    if (!parser.isSet(option))
        return true;
    const QString text = parser.value(option);
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < minimum || number > maximum) {
        *error = QStringLiteral("option %1 takes a whole number from %2 to %3, not \"%4\"")
                     .arg(dashed(option.names().constLast()))
                     .arg(minimum)
                     .arg(maximum)
                     .arg(text);
        return false;
    }
    *value = number;
    return true;
}

ClientWaits Command::clientWaits() const
{
    ClientWaits waits;
    waits.quietWait = quietWait;
    return waits;
}

QString Command::helpText() const
{
    QString text;
    const QStringList forms = usage();
    for (int index = 0; index < forms.size(); ++index)
        text += (index ? QStringLiteral("       ") : QStringLiteral("Usage: ")) +
            QStringLiteral("vantir-speakers ") + forms.at(index) + QLatin1Char('\n');
    text += QLatin1Char('\n') + description() + QStringLiteral("\n\nOptions:\n");
    for (const QCommandLineOption &option : options()) {
        QStringList names;
        for (const QString &name : option.names())
            names.append(dashed(name));
        QString left = QStringLiteral("  ") + names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            left += QLatin1Char(' ') + option.valueName();
        const QString indent(29, QLatin1Char(' '));
        QString description = option.description();
        description.replace(QLatin1Char('\n'), QLatin1Char('\n') + indent);
        text += left.size() < 28 ? left.leftJustified(29) + description
                                 : left + QLatin1Char('\n') + indent + description;
        text += QLatin1Char('\n');
    }
    text += QStringLiteral("\nExamples:\n") + examples();
    return text;
}
