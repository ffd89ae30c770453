#include "listcommand.h"

#include "emptylistcheck.h"
#include "outcome.h"
#include "report.h"
#include "signalwatch.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>

#include <unistd.h>

namespace {

QCommandLineOption detailsOption()
{
    return QCommandLineOption(QStringLiteral("details"),
                              QStringLiteral("each speaker's model, versions and IP as well"));
}

} // namespace

QList<QCommandLineOption> ListCommand::ownOptions() const
{
    return { detailsOption() };
}

QStringList ListCommand::usage() const
{
    return { QStringLiteral("list [--details] [OPTIONS]") };
}

QString ListCommand::description() const
{
    return QStringLiteral(
        "The speakers announced now: name, host, port and addresses, each speaker's\n"
        "row once it is resolved (with --details, once it has answered).");
}

QString ListCommand::examples() const
{
    return QStringLiteral("  vantir-speakers list\n"
                          "  vantir-speakers list --details --json\n");
}

bool ListCommand::read(const QCommandLineParser &parser, const QStringList &positional,
                       QString *error)
{
    if (!positional.isEmpty()) {
        *error = QStringLiteral("unexpected argument \"%1\"").arg(positional.constFirst());
        return false;
    }
    details = parser.isSet(detailsOption());
    return true;
}

int ListCommand::run(QTextStream &out, QTextStream &err, SignalWatch &signalWatch)
{
    Report report(&out, &err, json, ::isatty(STDERR_FILENO));
    NetworkClient client(clientWaits(), false);
    this->report = &report;
    this->client = &client;
    QObject::connect(&signalWatch, &SignalWatch::caught, &client, [this](int signal) {
        this->client->stop();
        end(SignalWatch::exitCode(signal));
    });
    report.showStatus(QStringLiteral("looking for speakers..."));
    client.listSpeakers([this](const Listing &listing) { askSpeakers(listing); });
    const int code = QCoreApplication::exec();
    this->report = nullptr;
    this->client = nullptr;
    return code;
}

void ListCommand::askSpeakers(const Listing &listing)
{
    if (!listing.available) {
        const QString why =
            QStringLiteral("DNS-SD is not available (error %1); is avahi-daemon running?")
                .arg(listing.error);
        report->showStatus(QString());
        report->say(why);
        if (json)
            report->writeJson({ { QStringLiteral("result"), outcomeWord(Outcome::Unavailable) },
                                { QStringLiteral("exit"), exitCode(Outcome::Unavailable) },
                                { QStringLiteral("error"), why } });
        QCoreApplication::exit(exitCode(Outcome::Unavailable));
        return;
    }
    for (const BonjourRecord &record : listing.records) {
        Row row;
        row.record = record;
        rows.append(row);
    }
    unanswered = rows.size();
    if (!unanswered) {
        explainEmptyList();
        return;
    }
    report->showStatus(QStringLiteral("asking %1 speakers...").arg(unanswered));
    // Each speaker is resolved by a resolver of its own: all at once.
    for (int index = 0; index < rows.size(); ++index) {
        client->look(SpeakerTarget::announced(rows.at(index).record), details, false,
                     [this, index](const Look &look) { showSpeaker(index, look); });
    }
}

// Why nothing is listed, as the wizard says it under its list, before the empty table.
void ListCommand::explainEmptyList()
{
    report->showStatus(QStringLiteral("looking for the reason..."));
    EmptyListCheck *check = new EmptyListCheck(clientWaits().network.emptyList, client);
    QObject::connect(check, &EmptyListCheck::found, client, [this](const EmptyListReason &reason) {
        report->say(reason.text());
        end(0);
    });
    check->start();
}

void ListCommand::showSpeaker(int index, const Look &look)
{
    Row &row = rows[index];
    row.done = true;
    row.look = look;
    if (json) {
        const ReachResult &reach = look.reach;
        QJsonArray addresses;
        for (const QHostAddress &address : reach.addresses)
            addresses.append(address.toString());
        QJsonObject object = { { QStringLiteral("name"), row.record.instanceName },
                               { QStringLiteral("host"), reach.host },
                               { QStringLiteral("port"), reach.port },
                               { QStringLiteral("addresses"), addresses } };
        if (details) {
            object.insert(QStringLiteral("model"), reach.device.model);
            object.insert(QStringLiteral("softwarever"), reach.device.softwareVer);
            object.insert(QStringLiteral("hardwarever"), reach.device.hardwareVer);
            object.insert(QStringLiteral("ip"), reach.device.ip);
        }
        const Verdict verdict = reachVerdict(reach, QStringLiteral("device query"));
        object.insert(QStringLiteral("result"), outcomeWord(verdict.outcome));
        object.insert(QStringLiteral("exit"), exitCode(verdict.outcome));
        if (isFailure(verdict.outcome))
            object.insert(QStringLiteral("error"), verdict.text);
        report->writeJson(object);
    }
    if (--unanswered > 0)
        return;
    int code = 0;
    for (const Row &each : qAsConst(rows)) {
        const Verdict verdict = reachVerdict(each.look.reach, QStringLiteral("device query"));
        if (isFailure(verdict.outcome)) {
            code = exitCode(verdict.outcome);
            break;
        }
    }
    end(code);
}

// The table of the speakers answered so far: all of them, unless a signal came first.
void ListCommand::end(int code)
{
    report->showStatus(QString());
    if (!json) {
        QStringList header = { QStringLiteral("NAME"), QStringLiteral("HOST"),
                               QStringLiteral("PORT"), QStringLiteral("ADDRESSES") };
        if (details)
            header << QStringLiteral("MODEL") << QStringLiteral("SOFTWARE")
                   << QStringLiteral("HARDWARE") << QStringLiteral("IP");
        QList<QStringList> table = { header };
        for (const Row &row : qAsConst(rows)) {
            if (!row.done)
                continue;
            const ReachResult &reach = row.look.reach;
            QStringList addresses;
            for (const QHostAddress &address : reach.addresses)
                addresses.append(address.toString());
            QStringList cells = { row.record.instanceName, reach.host,
                                  reach.port ? QString::number(reach.port) : QString(),
                                  addresses.join(QLatin1Char(' ')) };
            if (details)
                cells << reach.device.model << reach.device.softwareVer << reach.device.hardwareVer
                      << reach.device.ip;
            const Verdict verdict = reachVerdict(reach, QStringLiteral("device query"));
            if (isFailure(verdict.outcome))
                cells << verdict.text;
            table.append(cells);
        }
        report->writeTable(table);
    }
    QCoreApplication::exit(code);
}
