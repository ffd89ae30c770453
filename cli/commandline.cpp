#include "commandline.h"

#include "configurecommand.h"
#include "listcommand.h"
#include "scancommand.h"

#include <QCommandLineParser>

namespace {

const char programHelp[] = R"(Usage: vantir-speakers COMMAND [OPTIONS]
       vantir-speakers COMMAND --help

Lists, scans and configures VANTIR Ovix speakers from a terminal or a script.

Commands:
  list                       the speakers announced now: name, host, port, addresses
  scan SPEAKER               the WLANs the speaker sees, with encryption and signal
  configure SPEAKER --ssid SSID [--name NAME]
                             puts the speaker into the WLAN SSID (and renames it),
                             then waits until it is back
  configure --plan FILE      the same for each line of a CSV plan, every line
                             checked before anything is sent

SPEAKER is a name as `list` prints it, or HOST:PORT ([ADDRESS]:PORT for IPv6).
"vantir-speakers COMMAND --help" shows a command's options and examples.

Options:
  -h, --help                 this text
  --version                  the version

Exit codes:
  0 success, 1 internal error, 2 usage (arguments, plan, password, values that
  cannot work), 3 speaker not found, 4 DNS-SD unavailable, 5 refused by the
  speaker, 6 no answer, 7 not back in time, 8 back under its old name, 9 not sent
  because another line could not go; 129, 130, 143 after SIGHUP, SIGINT, SIGTERM.
  A plan ends with the code of its first line that failed, or with 9 when its
  checks held it back as a whole (nothing sent to anyone).
)";

} // namespace

CommandLine::CommandLine()
{
    commands.emplace_back(new ListCommand);
    commands.emplace_back(new ScanCommand);
    commands.emplace_back(new ConfigureCommand);
}

CommandLine::Action CommandLine::parse(const QStringList &arguments)
{
    // Up to the command: what follows is the command's, "--" included.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help({ QStringLiteral("h"), QStringLiteral("help") },
                                  QStringLiteral("help"));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("version"));
    parser.addOptions({ help, version });
    if (!parser.parse(arguments)) {
        message = parser.errorText();
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString option = parser.unknownOptionNames().constFirst();
            bool known = false;
            for (const std::unique_ptr<Command> &command : commands)
                known |= command->optionNames().contains(option);
            message = (known ? QStringLiteral("option %1 goes after the command")
                             : QStringLiteral("unknown option %1"))
                          .arg(dashed(option));
        }
        return Error;
    }
    if (parser.isSet(help))
        return Help;
    if (parser.isSet(version))
        return Version;
    QStringList rest = parser.positionalArguments();
    if (rest.isEmpty()) {
        message = QStringLiteral("no command given (list, scan or configure)");
        return Error;
    }
    const QString name = rest.takeFirst();
    for (const std::unique_ptr<Command> &command : commands) {
        if (command->name() == name)
            chosen = command.get();
    }
    if (!chosen) {
        message = QStringLiteral("unknown command \"%1\" (list, scan or configure)").arg(name);
        return Error;
    }
    if (!chosen->parse(rest, &message)) {
        const QString option = chosen->unknownOption();
        for (const std::unique_ptr<Command> &command : commands) {
            if (!option.isEmpty() && command->optionNames().contains(option))
                message = QStringLiteral("option %1 does not go with %2").arg(dashed(option), name);
        }
        return Error;
    }
    return chosen->helpRequested() ? Help : Run;
}

QString CommandLine::helpText() const
{
    return chosen ? chosen->helpText() : QString::fromUtf8(programHelp);
}
