#include "scancommand.h"

#include "outcome.h"
#include "planchecks.h"
#include "report.h"
#include "signalwatch.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <unistd.h>

QStringList ScanCommand::usage() const
{
    return { QStringLiteral("scan SPEAKER [OPTIONS]") };
}

QString ScanCommand::description() const
{
    return QStringLiteral(
        "The WLANs that the speaker sees, with their encryption and signal level.\n"
        "SPEAKER is a name as `list` prints it, or HOST:PORT ([ADDRESS]:PORT for IPv6)\n"
        "with a port from 1 to 65535; a name that looks like HOST:PORT is the announced\n"
        "speaker of that name if there is one. After --, SPEAKER may begin with a dash.");
}

QString ScanCommand::examples() const
{
    return QStringLiteral("  vantir-speakers scan \"VANTIR Ovix Kitchen\"\n"
                          "  vantir-speakers scan 192.168.1.20:80 --json\n"
                          "  vantir-speakers scan -- \"-Ovix-\"\n");
}

bool ScanCommand::read(const QCommandLineParser &, const QStringList &positional, QString *error)
{
    if (positional.size() != 1) {
        *error = QStringLiteral("scan takes one SPEAKER");
        return false;
    }
    return SpeakerArgument::parse(positional.constFirst(), &speaker, error);
}

int ScanCommand::run(QTextStream &out, QTextStream &err, SignalWatch &signalWatch)
{
    Report report(&out, &err, json, ::isatty(STDERR_FILENO));
    NetworkClient client(clientWaits(), false);

    // One line of JSON or a message, and the command's end.
    const auto fail = [&](Outcome outcome, const QString &why, const QString &message) {
        report.showStatus(QString());
        report.say(message);
        if (json)
            report.writeJson({ { QStringLiteral("speaker"), speaker.text },
                               { QStringLiteral("result"), outcomeWord(outcome) },
                               { QStringLiteral("exit"), exitCode(outcome) },
                               { QStringLiteral("error"), why } });
        QCoreApplication::exit(exitCode(outcome));
    };
    const auto showWlans = [&](const Look &look) {
        report.showStatus(QString());
        const Verdict reach = reachVerdict(look.reach, QStringLiteral("WLAN scan"));
        const Verdict scan =
            answerVerdict(look.scanProblem, look.scanTransfer, QStringLiteral("WLAN scan"));
        if (isFailure(reach.outcome) || isFailure(scan.outcome)) {
            const Verdict &failed = isFailure(reach.outcome) ? reach : scan;
            fail(failed.outcome, failed.text, speaker.text + QStringLiteral(": ") + failed.text);
            return;
        }
        if (json) {
            QJsonArray wlans;
            for (const SpeakerApi::AccessPoint &accessPoint : look.accessPoints) {
                wlans.append(
                    QJsonObject({ { QStringLiteral("ssid"), accessPoint.ssid },
                                  { QStringLiteral("encrypt_type"), accessPoint.encryptType },
                                  { QStringLiteral("signal_level"), accessPoint.signalLevel } }));
            }
            report.writeJson({ { QStringLiteral("speaker"), speaker.text },
                               { QStringLiteral("wlans"), wlans },
                               { QStringLiteral("result"), outcomeWord(Outcome::Success) },
                               { QStringLiteral("exit"), 0 } });
        } else {
            QList<QStringList> rows = { { QStringLiteral("SSID"), QStringLiteral("ENCRYPTION"),
                                          QStringLiteral("SIGNAL") } };
            for (const SpeakerApi::AccessPoint &accessPoint : look.accessPoints)
                rows.append({ accessPoint.ssid, accessPoint.encryptType, accessPoint.signalLevel });
            report.writeTable(rows);
        }
        QCoreApplication::exit(0);
    };

    QObject::connect(&signalWatch, &SignalWatch::caught, &client, [&](int signal) {
        client.stop();
        report.showStatus(QString());
        QCoreApplication::exit(SignalWatch::exitCode(signal));
    });
    report.showStatus(QStringLiteral("looking for speakers..."));
    client.listSpeakers([&](const Listing &listing) {
        if (!listing.available && !speaker.isAddress) {
            const QString why =
                QStringLiteral("DNS-SD is not available (error %1); is avahi-daemon running?")
                    .arg(listing.error);
            fail(Outcome::Unavailable, why, why);
            return;
        }
        PlanLine line;
        line.speaker = speaker;
        const Placement placement = placeSpeaker(line, listing.records);
        if (!placement.found) {
            QStringList names;
            for (const BonjourRecord &record : listing.records)
                names.append(QStringLiteral("\"%1\"").arg(record.instanceName));
            fail(Outcome::NotFound, QStringLiteral("no speaker of that name"),
                 QStringLiteral("no speaker named \"%1\"; found: %2")
                     .arg(speaker.text,
                          names.isEmpty() ? QStringLiteral("none")
                                          : names.join(QStringLiteral(", "))));
            return;
        }
        report.showStatus(QStringLiteral("asking the speaker..."));
        client.look(placement.target, false, true, showWlans);
    });
    return QCoreApplication::exec();
}
