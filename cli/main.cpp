#include "commandline.h"
#include "input.h"
#include "networkstart.h"
#include "outcome.h"
#include "signalwatch.h"
#include "terminaltext.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

bool verboseLog = false;

// The configurator's log lines are for --verbose only; standard output stays the result. What a
// speaker sent reaches the terminal as the tables show it, never as a control.
void writeMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (verboseLog || type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", TerminalText::safeLogLine(message).toLocal8Bit().constData());
}

} // namespace

int main(int argc, char *argv[])
{
    Input::holdStandardInput();
    qInstallMessageHandler(writeMessage);
    QCoreApplication app(argc, argv);
    avoidBearerManagement();
    QCoreApplication::setApplicationName(QStringLiteral("vantir-speakers"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    // From the start: a signal during the password's prompt gives the terminal its echo back.
    SignalWatch signalWatch;

    CommandLine commandLine;
    switch (commandLine.parse(app.arguments())) {
    case CommandLine::Error:
        err << "vantir-speakers: " << commandLine.error() << "\nTry 'vantir-speakers "
            << (commandLine.command() ? commandLine.command()->name() + QStringLiteral(" ")
                                      : QString())
            << "--help'." << Qt::endl;
        return exitCode(Outcome::Usage);
    case CommandLine::Help:
        out << commandLine.helpText();
        return 0;
    case CommandLine::Version:
        out << "vantir-speakers " << VANTIR_VERSION << Qt::endl;
        return 0;
    case CommandLine::Run:
        break;
    }
    verboseLog = commandLine.command()->verbose;
    return commandLine.command()->run(out, err, signalWatch);
}
