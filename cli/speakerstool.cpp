#include "speakerstool.h"

#include "bonjourservicebrowser.h"
#include "speakerjob.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QTimer>

int SpeakersTool::firstAnswerWait = 1500;

SpeakersTool::SpeakersTool(const Invocation &invocation, const QList<PlanLine> &plan,
                           const QString &password, QTextStream *out, QTextStream *err,
                           QObject *parent)
    : QObject(parent), invocation(invocation), plan(plan), password(password), out(out), err(err)
{
}

void SpeakersTool::start()
{
    bool named = invocation.command == Invocation::List;
    for (const PlanLine &line : qAsConst(plan)) {
        QString host;
        int port = 0;
        named |= !splitHostPort(line.speaker, &host, &port);
    }
    if (!named) {
        startJobs();
        return;
    }
    // The list is taken once the browse has been quiet for a moment: the daemon hands over what
    // it knows in a few batches, and a fixed long sleep would only make every run slow.
    quietTimer = new QTimer(this);
    quietTimer->setSingleShot(true);
    connect(quietTimer, SIGNAL(timeout()), this, SLOT(takeRecords()));
    browser = new BonjourServiceBrowser(this);
    connect(browser, SIGNAL(currentBonjourRecordsChanged(const QList<BonjourRecord> &)), this,
            SLOT(updateRecords(const QList<BonjourRecord> &)));
    connect(browser, &BonjourServiceBrowser::error, this,
            [this](DNSServiceErrorType error) { reportBrowseFailure(error); });
    say(QStringLiteral("looking for speakers..."));
    quietTimer->start(qMax(firstAnswerWait, invocation.quietWait));
    browser->browseForServiceType(QStringLiteral("_dockset._tcp"));
}

void SpeakersTool::updateRecords(const QList<BonjourRecord> &list)
{
    records = list;
    if (quietTimer->isActive())
        quietTimer->start(invocation.quietWait);
}

void SpeakersTool::reportBrowseFailure(int error)
{
    if (!quietTimer->isActive())
        return;
    quietTimer->stop();
    *err << "vantir-speakers: DNS-SD is not available (error " << error
         << "); is avahi-daemon running?" << Qt::endl;
    end(Outcome::Unavailable);
}

void SpeakersTool::takeRecords()
{
    // A configured speaker's return is seen by the same browse; nothing else needs it further.
    if (invocation.command != Invocation::Configure || invocation.noWait) {
        browser->deleteLater();
        browser = nullptr;
    }
    startJobs();
}

void SpeakersTool::startJobs()
{
    const SpeakerJob::Work work = invocation.command == Invocation::Configure
        ? SpeakerJob::Configure
        : invocation.command == Invocation::Scan ? SpeakerJob::Scan
        : invocation.details                     ? SpeakerJob::Details
                                                 : SpeakerJob::Locate;
    if (invocation.command == Invocation::List) {
        for (const BonjourRecord &record : qAsConst(records)) {
            PlanLine line;
            line.speaker = record.instanceName;
            plan.append(line);
        }
        if (records.isEmpty())
            say(QStringLiteral("no speakers found"));
    }

    // Every named speaker must be there before anything is asked or sent.
    QStringList missing;
    for (const PlanLine &line : qAsConst(plan)) {
        QString host;
        int port = 0;
        BonjourRecord found;
        if (!splitHostPort(line.speaker, &host, &port)) {
            for (const BonjourRecord &record : qAsConst(records)) {
                if (record.instanceName == line.speaker)
                    found = record;
            }
            if (found.instanceName.isEmpty()) {
                missing.append(
                    line.lineNumber
                        ? QStringLiteral("line %1: \"%2\"").arg(line.lineNumber).arg(line.speaker)
                        : QStringLiteral("\"%1\"").arg(line.speaker));
                continue;
            }
        }
        SpeakerJob *job = new SpeakerJob(work, line, found, this);
        if (work == SpeakerJob::Configure && !invocation.force)
            job->checkPassword(password);
        connect(job, SIGNAL(finished(SpeakerJob *)), this, SLOT(reportJob(SpeakerJob *)));
        connect(job, SIGNAL(prepared(SpeakerJob *)), this, SLOT(startSend(SpeakerJob *)));
        jobs.append(job);
    }
    if (!missing.isEmpty()) {
        QStringList names;
        for (const BonjourRecord &record : qAsConst(records))
            names.append(QStringLiteral("\"%1\"").arg(record.instanceName));
        *err << "vantir-speakers: no speaker named " << missing.join(QStringLiteral(", "))
             << "; found: "
             << (names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", ")))
             << Qt::endl;
        end(Outcome::NotFound);
        return;
    }
    if (jobs.isEmpty()) {
        end(Outcome::Success);
        return;
    }
    queue = jobs;
    runQueued();
}

void SpeakersTool::runQueued()
{
    // Listing and scanning ask each speaker little: all at once. A plan keeps to --jobs.
    const int places = invocation.command == Invocation::Configure ? invocation.jobs : jobs.size();
    while (running < places && !queue.isEmpty()) {
        SpeakerJob *job = queue.takeFirst();
        ++running;
        if (sending)
            job->send(password, invocation.noWait, browser, records);
        else
            job->start();
    }
}

void SpeakersTool::startSend(SpeakerJob *job)
{
    --running;
    ready.append(job);
    sendPrepared();
    runQueued();
}

void SpeakersTool::reportJob(SpeakerJob *job)
{
    --running;
    ++done;
    if (sending || job->outcome != Outcome::Success) {
        if (invocation.json)
            writeJson(job);
        say(QStringLiteral("%1: %2").arg(
            job->line.speaker, job->message.isEmpty() ? outcomeWord(job->outcome) : job->message));
    } else if (invocation.json) {
        writeJson(job);
    }
    sendPrepared();
    if (done == jobs.size()) {
        Outcome first = Outcome::Success;
        for (const SpeakerJob *each : qAsConst(jobs)) {
            if (first == Outcome::Success)
                first = each->outcome;
        }
        if (!invocation.json)
            writeTable();
        end(first);
        return;
    }
    runQueued();
}

void SpeakersTool::sendPrepared()
{
    if (invocation.command != Invocation::Configure || sending)
        return;
    if (ready.size() + done < jobs.size())
        return;
    // A password that does not fit one WLAN of the plan stops the whole plan: it is one
    // password for all, and nothing has been sent yet.
    bool misfit = false;
    for (const SpeakerJob *job : qAsConst(jobs))
        misfit |= job->outcome == Outcome::Usage;
    sending = true;
    if (misfit) {
        for (SpeakerJob *job : qAsConst(ready)) {
            job->outcome = Outcome::NotSent;
            job->message = QStringLiteral("not sent: the password does not fit another line");
            QMetaObject::invokeMethod(this, "reportJob", Qt::QueuedConnection,
                                      Q_ARG(SpeakerJob *, job));
        }
        ready.clear();
        return;
    }
    running = 0;
    queue = ready;
    ready.clear();
    runQueued();
}

void SpeakersTool::writeJson(const SpeakerJob *job)
{
    QJsonObject object;
    if (invocation.command == Invocation::List) {
        object.insert(QStringLiteral("name"), job->record.instanceName);
        object.insert(QStringLiteral("host"), job->host);
        object.insert(QStringLiteral("port"), job->port);
        object.insert(QStringLiteral("addresses"), QJsonArray::fromStringList(job->addresses));
        if (invocation.details) {
            object.insert(QStringLiteral("model"), job->info.model);
            object.insert(QStringLiteral("softwarever"), job->info.softwareVer);
            object.insert(QStringLiteral("hardwarever"), job->info.hardwareVer);
            object.insert(QStringLiteral("ip"), job->info.ip);
        }
    } else {
        object.insert(QStringLiteral("speaker"), job->line.speaker);
    }
    if (invocation.command == Invocation::Scan) {
        QJsonArray wlans;
        for (const SpeakerApi::AccessPoint &accessPoint : job->accessPoints) {
            wlans.append(
                QJsonObject({ { QStringLiteral("ssid"), accessPoint.ssid },
                              { QStringLiteral("encrypt_type"), accessPoint.encryptType },
                              { QStringLiteral("signal_level"), accessPoint.signalLevel } }));
        }
        object.insert(QStringLiteral("wlans"), wlans);
    }
    if (invocation.command == Invocation::Configure) {
        if (job->line.lineNumber)
            object.insert(QStringLiteral("line"), job->line.lineNumber);
        object.insert(QStringLiteral("name"),
                      job->newName.isEmpty() ? job->line.name : job->newName);
        object.insert(QStringLiteral("ssid"), job->line.ssid);
    }
    object.insert(QStringLiteral("result"), outcomeWord(job->outcome));
    object.insert(QStringLiteral("exit"), exitCode(job->outcome));
    if (job->outcome != Outcome::Success)
        object.insert(QStringLiteral("error"), job->message);
    *out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) << Qt::endl;
}

void SpeakersTool::writeTable()
{
    QList<QStringList> rows;
    if (invocation.command == Invocation::List) {
        rows.append({ QStringLiteral("NAME"), QStringLiteral("HOST"), QStringLiteral("PORT"),
                      QStringLiteral("ADDRESSES") });
        if (invocation.details)
            rows.first() << QStringLiteral("MODEL") << QStringLiteral("SOFTWARE")
                         << QStringLiteral("HARDWARE") << QStringLiteral("IP");
        for (const SpeakerJob *job : qAsConst(jobs)) {
            QStringList row = { job->record.instanceName, job->host,
                                job->port ? QString::number(job->port) : QString(),
                                job->addresses.join(QLatin1Char(' ')) };
            if (invocation.details)
                row << job->info.model << job->info.softwareVer << job->info.hardwareVer
                    << job->info.ip;
            if (job->outcome != Outcome::Success)
                row << job->message;
            rows.append(row);
        }
    } else if (invocation.command == Invocation::Scan) {
        const SpeakerJob *job = jobs.first();
        if (job->outcome != Outcome::Success) {
            *err << "vantir-speakers: " << job->line.speaker << ": " << job->message << Qt::endl;
            return;
        }
        rows.append(
            { QStringLiteral("SSID"), QStringLiteral("ENCRYPTION"), QStringLiteral("SIGNAL") });
        for (const SpeakerApi::AccessPoint &accessPoint : job->accessPoints)
            rows.append({ accessPoint.ssid, accessPoint.encryptType, accessPoint.signalLevel });
    } else {
        rows.append({ QStringLiteral("SPEAKER"), QStringLiteral("NAME"), QStringLiteral("SSID"),
                      QStringLiteral("RESULT"), QStringLiteral("DETAILS") });
        for (const SpeakerJob *job : qAsConst(jobs))
            rows.append({ job->line.speaker, job->newName.isEmpty() ? job->line.name : job->newName,
                          job->line.ssid, outcomeWord(job->outcome), job->message });
    }
    QList<int> widths;
    for (const QStringList &row : qAsConst(rows)) {
        for (int column = 0; column < row.size(); ++column) {
            if (widths.size() <= column)
                widths.append(0);
            widths[column] = qMax(widths.at(column), row.at(column).size());
        }
    }
    for (const QStringList &row : qAsConst(rows)) {
        QString text;
        for (int column = 0; column < row.size(); ++column) {
            if (column + 1 < row.size())
                text += row.at(column).leftJustified(widths.at(column) + 2);
            else
                text += row.at(column);
        }
        *out << text << Qt::endl;
    }
}

void SpeakersTool::end(Outcome outcome)
{
    emit finished(exitCode(outcome));
}

void SpeakersTool::say(const QString &line)
{
    if (progress)
        *err << line << Qt::endl;
}
