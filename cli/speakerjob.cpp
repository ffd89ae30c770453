#include "speakerjob.h"

#include "bonjourservicebrowser.h"
#include "bonjourserviceresolver.h"
#include "passwordrule.h"
#include "speakerwatcher.h"

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
    newName = !line.name.isEmpty() ? line.name
        : !info.name.isEmpty()     ? info.name
                                   : record.instanceName;
    if (guarded) {
        // A WLAN the speaker does not see is of a type nothing is known of.
        QString encryptType = QStringLiteral("unknown");
        for (const SpeakerApi::AccessPoint &accessPoint : qAsConst(accessPoints)) {
            if (accessPoint.ssid == line.ssid)
                encryptType = accessPoint.encryptType;
        }
        const QString problem = settingsProblem(newName, guardPassword, encryptType);
        if (!problem.isEmpty()) {
            fail(Outcome::Usage,
                 QStringLiteral("the password does not fit \"%1\": %2").arg(line.ssid, problem));
            return;
        }
    }
    emit prepared(this);
}

void SpeakerJob::send(const QString &password, bool noWait, BonjourServiceBrowser *browser,
                      const QList<BonjourRecord> &listed)
{
    this->noWait = noWait;
    this->browser = browser;
    this->listed = listed;
    SpeakerApi::logSetconfig(newName, password, line.ssid);
    post(Setconfig, SpeakerApi::setconfigBody(newName, password, line.ssid));
}

void SpeakerJob::readSetconfig(const SpeakerApi::Transfer &transfer, const QByteArray &body)
{
    QString reason;
    switch (SpeakerApi::readSetconfigAnswer(transfer, body, &reason)) {
    case SpeakerApi::SaveOutcome::Refused:
        fail(Outcome::Refused,
             reason.isEmpty() ? QStringLiteral("the speaker refused the settings")
                              : QStringLiteral("the speaker refused the settings: %1").arg(reason));
        return;
    case SpeakerApi::SaveOutcome::Unusable:
        fail(Outcome::NoAnswer,
             QStringLiteral("the speaker's answer to the settings could not be used; it may "
                            "have taken them"));
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
    if (record.instanceName.isEmpty()) {
        AddressWatch *watch = new AddressWatch(url, info.name, newName, this);
        connect(watch, SIGNAL(finished(AddressWatch::Outcome)), this,
                SLOT(reportAddressReturn(AddressWatch::Outcome)));
        return;
    }
    SpeakerWatcher *watcher = new SpeakerWatcher(record, newName, listed, this);
    connect(watcher,
            SIGNAL(speakerBack(const QString &, const QString &, const BonjourRecord &,
                               const QString &)),
            this, SLOT(reportBack()));
    connect(watcher, SIGNAL(speakerKeptName(const QString &, const BonjourRecord &)), this,
            SLOT(reportKeptName(const QString &)));
    connect(watcher, SIGNAL(speakerNotBack(const QString &)), this, SLOT(reportNotBack()));
    connect(watcher, SIGNAL(speakerNotAnswering(const QString &, const BonjourRecord &)), this,
            SLOT(reportNotBack()));
    connect(browser, SIGNAL(currentBonjourRecordsChanged(const QList<BonjourRecord> &)), watcher,
            SLOT(updateRecords(const QList<BonjourRecord> &)));
}

void SpeakerJob::reportBack()
{
    message = QStringLiteral("back as \"%1\"").arg(newName);
    finish();
}

void SpeakerJob::reportKeptName(const QString &name)
{
    fail(Outcome::KeptOldName, QStringLiteral("back, but still named \"%1\"").arg(name));
}

void SpeakerJob::reportNotBack()
{
    fail(Outcome::NotBack,
         QStringLiteral("saved, but not back within %1 s")
             .arg(SpeakerWatcher::returnTimeout / 1000));
}

void SpeakerJob::reportAddressReturn(AddressWatch::Outcome outcome)
{
    switch (outcome) {
    case AddressWatch::Back:
        reportBack();
        break;
    case AddressWatch::KeptOldName:
        reportKeptName(info.name);
        break;
    case AddressWatch::NotBack:
        reportNotBack();
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
