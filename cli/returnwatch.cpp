#include "returnwatch.h"

#include "bonjourservicebrowser.h"
#include "bonjourserviceresolver.h"
#include "speakerapi.h"

#include <QHostInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

int ReturnWatch::pollInterval = 1000;

ReturnWatch::ReturnWatch(QObject *parent) : QObject(parent), timeoutTimer(new QTimer(this))
{
    timeoutTimer->setSingleShot(true);
    connect(timeoutTimer, SIGNAL(timeout()), this, SLOT(giveUp()));
}

void ReturnWatch::watchAnnounced(const QString &oldName, const QString &newName, int timeoutMs)
{
    this->oldName = oldName;
    this->newName = newName;
    timeoutTimer->start(timeoutMs);
    browser = new BonjourServiceBrowser(this);
    connect(browser, SIGNAL(currentBonjourRecordsChanged(const QList<BonjourRecord> &)), this,
            SLOT(updateRecords(const QList<BonjourRecord> &)));
    browser->browseForServiceType(QStringLiteral("_dockset._tcp"));
}

void ReturnWatch::watchAddress(const QString &url, const QString &oldName, const QString &newName,
                               int timeoutMs)
{
    this->url = url;
    this->oldName = oldName;
    this->newName = newName;
    timeoutTimer->start(timeoutMs);
    ask();
}

void ReturnWatch::updateRecords(const QList<BonjourRecord> &records)
{
    const BonjourRecord *oldRecord = nullptr;
    const BonjourRecord *newRecord = nullptr;
    for (const BonjourRecord &record : records) {
        if (record.instanceName == oldName)
            oldRecord = &record;
        if (record.instanceName == newName)
            newRecord = &record;
    }
    if (!oldRecord)
        gone = true;
    // Under the same name it counts only once it has been away: before, it is the speaker that
    // has not yet gone down.
    const BonjourRecord *returned = nullptr;
    if (newRecord && (newName != oldName || gone))
        returned = newRecord;
    else if (oldRecord && gone)
        returned = oldRecord;
    if (!returned || asking || done)
        return;
    if (!resolver) {
        resolver = new BonjourServiceResolver(this);
        connect(resolver, SIGNAL(bonjourRecordResolved(const QHostInfo &, int)), this,
                SLOT(resolveReturned(const QHostInfo &, int)));
        // A failed resolve is tried again with the next change of the list.
        connect(resolver, &BonjourServiceResolver::error, this, [this]() { asking = false; });
    }
    asking = true;
    resolver->resolveBonjourRecord(*returned);
}

void ReturnWatch::resolveReturned(const QHostInfo &hostInfo, int port)
{
    if (hostInfo.addresses().isEmpty()) {
        asking = false;
        return;
    }
    url = SpeakerApi::speakerUrl(hostInfo.addresses().first(), port);
    ask();
}

void ReturnWatch::ask()
{
    asking = true;
    SpeakerApi::postRequest(this, url, SpeakerApi::queryBody());
}

void ReturnWatch::askAgain()
{
    if (!done)
        ask();
}

void ReturnWatch::replyFinished(QNetworkReply *reply)
{
    reply->manager()->deleteLater();
    if (done)
        return;
    const QByteArray body = SpeakerApi::readReply(reply, "Client reply received");
    SpeakerApi::DeviceInfo info;
    if (!SpeakerApi::readQueryAnswer(SpeakerApi::transferOf(reply), body, &info)) {
        // Still rebooting, or not yet listening after its announcement.
        gone = true;
        QTimer::singleShot(pollInterval, this, SLOT(askAgain()));
        return;
    }
    if (info.name == newName && (newName != oldName || gone)) {
        finish(Back);
    } else if (info.name == oldName && gone) {
        finish(KeptOldName);
    } else if (browser) {
        asking = false; // the next announcement is asked again
    } else {
        QTimer::singleShot(pollInterval, this, SLOT(askAgain()));
    }
}

void ReturnWatch::giveUp()
{
    finish(NotBack);
}

void ReturnWatch::finish(Outcome outcome)
{
    if (done)
        return;
    done = true;
    timeoutTimer->stop();
    delete browser;
    browser = nullptr;
    emit finished(outcome);
}
