#include "configurecommand.h"

#include "input.h"
#include "logtext.h"
#include "password.h"
#include "planscheduler.h"
#include "report.h"
#include "signalwatch.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <unistd.h>

namespace {

QCommandLineOption ssidOption()
{
    return QCommandLineOption(QStringLiteral("ssid"), QStringLiteral("the WLAN to join"),
                              QStringLiteral("SSID"));
}

QCommandLineOption nameOption()
{
    return QCommandLineOption(QStringLiteral("name"),
                              QStringLiteral("the speaker's new name (default: its own)"),
                              QStringLiteral("NAME"));
}

QCommandLineOption hiddenOption()
{
    return QCommandLineOption(QStringLiteral("hidden"),
                              QStringLiteral("the WLAN does not announce itself: it is not looked "
                                             "for\nin the speaker's scan, its password is taken "
                                             "for WPA's"));
}

QCommandLineOption planOption()
{
    return QCommandLineOption(QStringLiteral("plan"),
                              QStringLiteral("a CSV plan, one speaker a line (see above)"),
                              QStringLiteral("FILE"));
}

QCommandLineOption passwordStdinOption()
{
    return QCommandLineOption(QStringLiteral("password-stdin"),
                              QStringLiteral("the WLAN password is standard input; on a "
                                             "terminal it\nis asked for, without echo"));
}

QCommandLineOption passwordFileOption()
{
    return QCommandLineOption(QStringLiteral("password-file"),
                              QStringLiteral("the WLAN password is the file's content"),
                              QStringLiteral("FILE"));
}

QCommandLineOption jobsOption()
{
    return QCommandLineOption(QStringLiteral("jobs"),
                              QStringLiteral("speakers worked on at once (%1 to %2, default 8)")
                                  .arg(Limits::MinJobs)
                                  .arg(Limits::MaxJobs),
                              QStringLiteral("N"));
}

QCommandLineOption noWaitOption()
{
    return QCommandLineOption(QStringLiteral("no-wait"),
                              QStringLiteral("do not wait for the speakers to come back"));
}

QCommandLineOption returnWaitOption()
{
    return QCommandLineOption(QStringLiteral("return-wait"),
                              QStringLiteral("how long to wait for a speaker's return\n(%1 to %2, "
                                             "default %3)")
                                  .arg(Limits::MinReturnWait.count())
                                  .arg(Limits::MaxReturnWait.count())
                                  .arg(defaultReturnWait().count()),
                              QStringLiteral("SECONDS"));
}

QCommandLineOption forceOption()
{
    return QCommandLineOption(QStringLiteral("force"),
                              QStringLiteral("send a password that does not seem to fit the "
                                             "WLAN's\nencryption (never one with a control "
                                             "character)"));
}

QCommandLineOption dryRunOption()
{
    return QCommandLineOption(QStringLiteral("dry-run"),
                              QStringLiteral("every check and question, then \"would send\": "
                                             "nothing\nis sent"));
}

} // namespace

QList<QCommandLineOption> ConfigureCommand::ownOptions() const
{
    return { ssidOption(),          nameOption(),         hiddenOption(), planOption(),
             passwordStdinOption(), passwordFileOption(), jobsOption(),   noWaitOption(),
             returnWaitOption(),    forceOption(),        dryRunOption() };
}

QStringList ConfigureCommand::usage() const
{
    return { QStringLiteral("configure SPEAKER --ssid SSID [--name NAME] [--hidden] PASSWORD "
                            "[OPTIONS]"),
             QStringLiteral("configure --plan FILE PASSWORD [OPTIONS]") };
}

QString ConfigureCommand::description() const
{
    return QStringLiteral(
        "PASSWORD is --password-stdin or --password-file FILE, never the password itself.\n"
        "\n"
        "Puts the speaker into the WLAN SSID (and renames it), then waits until it is\n"
        "announced again and answers under its new name. A plan does the same for each\n"
        "of its lines: a CSV file with the header \"speaker,name,ssid\" (an empty name\n"
        "keeps the speaker's) or \"speaker,name,ssid,hidden\" (hidden: yes or no).\n"
        "\n"
        "Before anything is sent, every speaker is asked for its name and its WLANs, and\n"
        "nothing is sent to anyone unless every line passes: a name of 1 to 63 bytes,\n"
        "no name twice, none that another speaker has, no speaker twice (by name or by\n"
        "address), a WLAN that the speaker sees (unless hidden) and a password that fits\n"
        "its encryption (WPA: 8 to 63 bytes or 64 hex digits; unless --force). No name\n"
        "starts or ends with a blank, and no name or password holds a control character\n"
        "(a line end, a tab), --force or not; one line end at the password's end is not\n"
        "part of it.\n"
        "A speaker already announced under its new name, and on its WLAN as far as it\n"
        "tells, is \"already\" and not sent again; one announced under neither name is\n"
        "\"not found\" on its own, the other lines go on: a plan can be run again to\n"
        "finish it.\n"
        "\n"
        "SPEAKER is a name as `list` prints it (or the speaker's new name), or HOST:PORT\n"
        "([ADDRESS]:PORT for IPv6) with a port from 1 to 65535; a name that looks like\n"
        "HOST:PORT is the announced speaker of that name if there is one.\n"
        "SIGINT, SIGTERM and SIGHUP end it at once with the report so far (exit 130,\n"
        "143, 129), also while it reads the password or the plan from a pipe; a speaker\n"
        "already sent its settings is shown as such. One ignored at the start (nohup)\n"
        "stays ignored.");
}

QString ConfigureCommand::examples() const
{
    return QStringLiteral(
        "  vantir-speakers configure \"VANTIR Ovix Kitchen\" --ssid Hausnetz \\\n"
        "      --name Kitchen --password-file ~/.wlan-password\n"
        "  vantir-speakers configure 10.1.2.3:80 --ssid Office --hidden --password-stdin\n"
        "  vantir-speakers configure --plan rooms.csv --dry-run --password-stdin\n"
        "  vantir-speakers configure --plan rooms.csv --jobs 20 --json \\\n"
        "      --password-file ~/.wlan-password\n");
}

bool ConfigureCommand::read(const QCommandLineParser &parser, const QStringList &positional,
                            QString *error)
{
    planFile = parser.value(planOption());
    const bool planned = parser.isSet(planOption());
    if (planned && planFile.isEmpty()) {
        *error = QStringLiteral("--plan needs a file");
        return false;
    }
    if (positional.size() != (planned ? 0 : 1)) {
        *error = planned || positional.size() > 1
            ? QStringLiteral("unexpected argument \"%1\"").arg(positional.constLast())
            : QStringLiteral("configure takes one SPEAKER (or --plan FILE)");
        return false;
    }
    if (planned && (parser.isSet(ssidOption()) || parser.isSet(nameOption()))) {
        *error = QStringLiteral("--plan takes the names and SSIDs from the plan, not from --ssid "
                                "or --name");
        return false;
    }
    if (!planned && !parser.isSet(ssidOption())) {
        *error = QStringLiteral("configure needs --ssid SSID (or --plan FILE)");
        return false;
    }
    passwordStdin = parser.isSet(passwordStdinOption());
    passwordFile = parser.value(passwordFileOption());
    if (passwordStdin == parser.isSet(passwordFileOption())) {
        *error = QStringLiteral("configure needs the password from exactly one of "
                                "--password-stdin and --password-file FILE");
        return false;
    }
    if (!readNumber(parser, jobsOption(), Limits::MinJobs, Limits::MaxJobs, &jobs, error))
        return false;
    if (!readDuration(parser, returnWaitOption(), Limits::MinReturnWait, Limits::MaxReturnWait,
                      &returnWait, error))
        return false;
    hidden = parser.isSet(hiddenOption());
    noWait = parser.isSet(noWaitOption());
    force = parser.isSet(forceOption());
    dryRun = parser.isSet(dryRunOption());
    if (planned)
        return true;

    if (!SpeakerArgument::parse(positional.constFirst(), &line.speaker, error))
        return false;
    line.ssid = parser.value(ssidOption());
    *error = ssidProblem(line.ssid);
    if (!error->isEmpty())
        return false;
    line.name = parser.value(nameOption());
    if (parser.isSet(nameOption()) && line.name.isEmpty()) {
        *error = QStringLiteral("--name needs a name; without it the speaker keeps its own");
        return false;
    }
    line.hidden = hidden;
    return true;
}

Input::Result ConfigureCommand::readPlan(QList<PlanLine> *plan, QString *error) const
{
    if (planFile.isEmpty()) {
        *plan = { line };
        return Input::Result::Read;
    }
    QByteArray bytes;
    const Input::Result result = Input::readFile(planFile, &bytes, error);
    if (result == Input::Result::Failed)
        *error = QStringLiteral("cannot read the plan %1: %2").arg(planFile, *error);
    if (result != Input::Result::Read)
        return result;
    if (!::readPlan(bytes, planFile, plan, error))
        return Input::Result::Failed;
    for (PlanLine &planned : *plan)
        planned.hidden |= hidden;
    return Input::Result::Read;
}

Input::Result ConfigureCommand::readPassword(QString *password, QString *error) const
{
    if (passwordStdin && ::isatty(STDIN_FILENO)) {
        switch (Password::prompt(STDIN_FILENO, password, error)) {
        case Password::PromptResult::Read:
            return Input::Result::Read;
        case Password::PromptResult::Interrupted:
            return Input::Result::Interrupted;
        case Password::PromptResult::Failed:
            return Input::Result::Failed;
        }
    }
    const QString source = passwordStdin ? QStringLiteral("standard input") : passwordFile;
    QByteArray bytes;
    const Input::Result result = passwordStdin ? Input::readAll(STDIN_FILENO, &bytes, error)
                                               : Input::readFile(passwordFile, &bytes, error);
    if (result == Input::Result::Failed)
        *error = QStringLiteral("cannot read the password from %1: %2").arg(source, *error);
    if (result != Input::Result::Read)
        return result;
    // A closed standard input reads as an empty one.
    if (passwordStdin && bytes.isEmpty()) {
        *error = QStringLiteral("no password on standard input");
        return Input::Result::Failed;
    }
    return Password::take(bytes, source, password, error) ? Input::Result::Read
                                                          : Input::Result::Failed;
}

int ConfigureCommand::run(QTextStream &out, QTextStream &err, SignalWatch &signalWatch)
{
    Report report(&out, &err, json, ::isatty(STDERR_FILENO));

    // The plan is read and checked whole before the password or any speaker.
    QList<PlanLine> plan;
    PlanSettings settings;
    QString error;
    Input::Result read = readPlan(&plan, &error);
    if (read == Input::Result::Failed)
        error += QStringLiteral("; nothing was sent");
    else if (read == Input::Result::Read)
        read = readPassword(&settings.password, &error);
    switch (read) {
    case Input::Result::Read:
        break;
    case Input::Result::Interrupted:
        return SignalWatch::exitCode(SignalWatch::caughtSignal());
    case Input::Result::Failed:
        report.say(error);
        return exitCode(Outcome::Usage);
    }
    // From here to the end: a speaker's answer may repeat it, in the log or in its reason.
    const HiddenPassword hiddenPassword(settings.password);
    settings.force = force;
    settings.dryRun = dryRun;
    settings.noWait = noWait;
    settings.jobs = jobs;
    settings.returnWait = returnWait;

    ClientWaits waits = clientWaits();
    waits.network.returnWait = returnWait;
    // Only a speaker's return needs the browse after its list.
    NetworkClient client(waits, !noWait && !dryRun);
    PlanScheduler scheduler(plan, planFile, settings, &client);
    QObject::connect(&client, &NetworkClient::notice, &scheduler,
                     [&report](const QString &text) { report.say(text); });
    QObject::connect(&scheduler, &PlanScheduler::message, &scheduler,
                     [&report](const QString &text) { report.say(text); });
    QObject::connect(&scheduler, &PlanScheduler::lineEnded, &scheduler,
                     [&report](const LineResult &result) { report.planLineEnded(result); });
    QObject::connect(&scheduler, &PlanScheduler::progress, &scheduler,
                     [&report](const PlanProgress &progress) { report.planProgress(progress); });
    QObject::connect(&scheduler, &PlanScheduler::finished, &scheduler, [&](int code) {
        report.planFinished(scheduler.results());
        QCoreApplication::exit(code);
    });
    QObject::connect(&signalWatch, &SignalWatch::caught, &scheduler, &PlanScheduler::stop);
    report.showStatus(QStringLiteral("looking for speakers..."));
    scheduler.start();
    return QCoreApplication::exec();
}
