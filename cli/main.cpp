#include "options.h"
#include "outcome.h"
#include "speakerstool.h"
#include "speakerwatcher.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace {

const char usageText[] = R"(Usage: vantir-speakers COMMAND [OPTIONS]

Lists, scans and configures VANTIR Ovix speakers from a terminal or a script.

Commands:
  list                       the speakers announced now: name, host, port, addresses
  scan SPEAKER               the WLANs the speaker sees, with encryption and signal
  configure SPEAKER --ssid SSID [--name NAME]
                             puts the speaker into the WLAN SSID (and renames it),
                             then waits until it is back
  configure --plan FILE      the same for each line of a CSV plan with the header
                             "speaker,name,ssid" (an empty name keeps the name)

SPEAKER is a name as `list` prints it, or HOST:PORT ([ADDRESS]:PORT for IPv6).

Options:
  --json                     one JSON object per line, one per speaker
  -v, --verbose              the configurator's log lines on standard error
  --details                  list: each speaker's model, versions and IP as well
  --password-stdin           configure: the WLAN password is standard input
  --password-file FILE       configure: the WLAN password is the file's content
  --jobs N                   configure: speakers worked on at once (default 8)
  --no-wait                  configure: do not wait for the speaker to come back
  --return-wait SECONDS      configure: how long to wait for it (default 180)
  --force                    configure: send a password that does not seem to fit
                             the WLAN's encryption
  --quiet-wait MS            how long the search must be quiet before its list
                             is taken (default 300; before the first speaker is
                             heard of, at least 1500)
  -h, --help                 this text
  --version                  the version

Exit codes:
  0 success, 1 internal error, 2 usage (arguments, plan, password), 3 speaker not
  found, 4 DNS-SD unavailable, 5 refused by the speaker, 6 no answer, 7 not back in
  time, 8 back under its old name, 9 not sent because another line could not go.
  A plan ends with the code of its first line that failed.
)";

bool verboseLog = false;

// The configurator's log lines are for --verbose only; standard output stays the result.
void writeMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (verboseLog || type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(writeMessage);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantir-speakers"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    Invocation invocation;
    QString error;
    if (!parseArguments(app.arguments().mid(1), &invocation, &error)) {
        err << "vantir-speakers: " << error << "\nTry 'vantir-speakers --help'." << Qt::endl;
        return exitCode(Outcome::Usage);
    }
    if (invocation.command == Invocation::Help) {
        out << usageText;
        return 0;
    }
    if (invocation.command == Invocation::Version) {
        out << "vantir-speakers " << VANTIR_VERSION << Qt::endl;
        return 0;
    }
    verboseLog = invocation.verbose;
    SpeakerWatcher::returnTimeout = invocation.returnWait * 1000;

    // The plan is read and checked whole before the password or any speaker.
    QList<PlanLine> plan;
    if (!invocation.planFile.isEmpty()) {
        QFile file(invocation.planFile);
        if (!file.open(QIODevice::ReadOnly)) {
            err << "vantir-speakers: cannot read the plan " << invocation.planFile << ": "
                << file.errorString() << Qt::endl;
            return exitCode(Outcome::Usage);
        }
        if (!parsePlan(file.readAll(), invocation.planFile, &plan, &error)) {
            err << "vantir-speakers: " << error << "; nothing was sent" << Qt::endl;
            return exitCode(Outcome::Usage);
        }
    } else if (invocation.command != Invocation::List) {
        PlanLine line;
        line.speaker = invocation.speaker;
        line.name = invocation.name;
        line.ssid = invocation.ssid;
        plan.append(line);
    }

    QString password;
    if (invocation.command == Invocation::Configure) {
        QFile input(invocation.passwordFile);
        if (invocation.passwordStdin && !input.open(stdin, QIODevice::ReadOnly))
            return exitCode(Outcome::Usage);
        const QString source =
            invocation.passwordStdin ? QStringLiteral("standard input") : invocation.passwordFile;
        if (!readPassword(&input, source, &password, &error)) {
            err << "vantir-speakers: " << error << Qt::endl;
            return exitCode(Outcome::Usage);
        }
    }

    SpeakersTool tool(invocation, plan, password, &out, &err);
    tool.progress = isatty(STDERR_FILENO);
    QObject::connect(&tool, &SpeakersTool::finished, &app, &QCoreApplication::exit,
                     Qt::QueuedConnection);
    tool.start();
    return app.exec();
}
