#include "speakerjob.h"

#include "bonjourserviceresolver.h"
#include "passwordrule.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>

SpeakerJob::SpeakerJob(Work work, const PlanLine &line, const BonjourRecord &record,
                       QObject *parent)
    : QObject(parent), line(line), record(record), work(work)
{
}

void SpeakerJob::start()
{
    if (!record.instanceName.isEmpty()) {
        resolver = new BonjourServiceResolver(this);
        connect(resolver, SIGNAL(bonjourRecordResolved(const QHostInfo &, int)), this,
                SLOT(connectToSpeaker(const QHostInfo &, int)));
        connect(resolver, SIGNAL(error(DNSServiceErrorType)), this, SLOT(reportResolveFailure()));
        resolver->resolveBonjourRecord(record);
        return;
    }
    QString hostPart;
    splitHostPort(line.speaker, &hostPart, &port);
    host = hostPart;
    QHostAddress address;
    if (address.setAddress(hostPart)) {
        QHostInfo hostInfo;
        hostInfo.setHostName(hostPart);
        hostInfo.setAddresses({ address });
        connectToSpeaker(hostInfo, port);
        return;
    }
    QHostInfo::lookupHost(hostPart, this,
                          [this](const QHostInfo &hostInfo) { connectToSpeaker(hostInfo, port); });
}

void SpeakerJob::connectToSpeaker(const QHostInfo &hostInfo, int port)
{
    if (hostInfo.addresses().isEmpty()) {
        fail(Outcome::NoAnswer,
             QStringLiteral("its host %1 has no address").arg(hostInfo.hostName()));
        return;
    }
    if (host.isEmpty())
        host = hostInfo.hostName();
    this->port = port;
    for (const QHostAddress &address : hostInfo.addresses())
        addresses.append(address.toString());
    url = SpeakerApi::speakerUrl(hostInfo.addresses().first(), port);

    if (work == Details || work == Configure)
        post(Query, SpeakerApi::queryBody());
    if (work == Scan || (work == Configure && guarded))
        post(Wifiscan, SpeakerApi::wifiscanBody());
    if (!unanswered)
        askedAll();
}

void SpeakerJob::reportResolveFailure()
{
    fail(Outcome::NoAnswer, QStringLiteral("it could not be resolved"));
}

void SpeakerJob::post(Action action, const QString &body)
{
    ++unanswered;
    actions.insert(SpeakerApi::postRequest(this, url, body), action);
}

void SpeakerJob::replyFinished(QNetworkReply *reply)
{
    const Action action = actions.take(reply->manager());
    reply->manager()->deleteLater();
    const SpeakerApi::Transfer transfer = SpeakerApi::transferOf(reply);
    switch (action) {
    case Query:
        readQuery(transfer, SpeakerApi::readReply(reply, "Client reply received"));
        break;
    case Wifiscan:
        readWifiscan(transfer, SpeakerApi::readReply(reply, "Client WLANS  reply received"));
        break;
    case Setconfig:
        readSetconfig(transfer, SpeakerApi::readReply(reply, "reply received"));
        return;
    }
    if (--unanswered == 0)
        askedAll();
}

void SpeakerJob::readQuery(const SpeakerApi::Transfer &transfer, const QByteArray &body)
{
    if (!SpeakerApi::readQueryAnswer(transfer, body, &info))
        fail(Outcome::NoAnswer, QStringLiteral("no usable answer to the device query"));
}

void SpeakerJob::readWifiscan(const SpeakerApi::Transfer &transfer, const QByteArray &body)
{
    if (!SpeakerApi::readWifiscanAnswer(transfer, body, &accessPoints))
        fail(Outcome::NoAnswer, QStringLiteral("no usable answer to the WLAN scan"));
}

void SpeakerJob::askedAll()
{
    if (failed)
        return;
    if (work != Configure) {
        finish();
        return;
    }
    if (guarded) {
        QString encryptType; // unknown when the speaker does not see the WLAN
        for (const SpeakerApi::AccessPoint &accessPoint : qAsConst(accessPoints)) {
            if (accessPoint.ssid == line.ssid)
                encryptType = accessPoint.encryptType;
        }
        const QString problem = passwordProblem(encryptType, guardPassword);
        if (!problem.isEmpty()) {
            fail(Outcome::Usage,
                 QStringLiteral("the password does not fit \"%1\": %2").arg(line.ssid, problem));
            return;
        }
    }
    newName = !line.name.isEmpty() ? line.name
        : !info.name.isEmpty()     ? info.name
                                   : record.instanceName;
    emit prepared(this);
}

void SpeakerJob::send(const QString &password, bool noWait, int returnWaitMs)
{
    this->noWait = noWait;
    this->returnWaitMs = returnWaitMs;
    SpeakerApi::logSetconfig(newName, password, line.ssid);
    post(Setconfig, SpeakerApi::setconfigBody(newName, password, line.ssid));
}

void SpeakerJob::readSetconfig(const SpeakerApi::Transfer &transfer, const QByteArray &body)
{
    switch (SpeakerApi::readSetconfigAnswer(transfer, body)) {
    case SpeakerApi::SaveOutcome::Refused:
        fail(Outcome::Refused, QStringLiteral("the speaker refused the settings"));
        return;
    case SpeakerApi::SaveOutcome::NoAnswer:
        fail(Outcome::NoAnswer,
             QStringLiteral("no usable answer to the settings; the speaker may have taken them"));
        return;
    case SpeakerApi::SaveOutcome::Saved:
        break;
    }
    if (noWait) {
        message = QStringLiteral("saved");
        finish();
        return;
    }
    ReturnWatch *watch = new ReturnWatch(this);
    connect(watch, SIGNAL(finished(ReturnWatch::Outcome)), this,
            SLOT(reportReturn(ReturnWatch::Outcome)));
    if (record.instanceName.isEmpty())
        watch->watchAddress(url, info.name, newName, returnWaitMs);
    else
        watch->watchAnnounced(record.instanceName, newName, returnWaitMs);
}

void SpeakerJob::reportReturn(ReturnWatch::Outcome outcome)
{
    switch (outcome) {
    case ReturnWatch::Back:
        message = QStringLiteral("back as \"%1\"").arg(newName);
        finish();
        break;
    case ReturnWatch::KeptOldName:
        fail(Outcome::KeptOldName,
             QStringLiteral("back, but still named \"%1\"")
                 .arg(record.instanceName.isEmpty() ? info.name : record.instanceName));
        break;
    case ReturnWatch::NotBack:
        fail(Outcome::NotBack,
             QStringLiteral("saved, but not back within %1 s").arg(returnWaitMs / 1000));
        break;
    }
}

void SpeakerJob::fail(Outcome why, const QString &text)
{
    if (failed)
        return;
    failed = true;
    outcome = why;
    message = text;
    finish();
}

void SpeakerJob::finish()
{
    emit finished(this);
}
