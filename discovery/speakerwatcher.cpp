#include "speakerwatcher.h"

#include "bonjourserviceresolver.h"
#include "logtext.h"
#include "speakerapi.h"

#include <QDebug>
#include <QHostAddress>
#include <QHostInfo>
#include <QJsonObject>
#include <QNetworkReply>
#include <QTimer>

int SpeakerWatcher::returnTimeout = 3 * 60 * 1000;
int SpeakerWatcher::retryInterval = 2000;

SpeakerWatcher::SpeakerWatcher(const BonjourRecord &record, const QString &name,
                               const QList<BonjourRecord> &listed, QObject *parent)
    : QObject(parent), savedRecord(record), sentName(name), listedRecords(listed), asking(false),
      done(false), resolver(new BonjourServiceResolver(this)), returnTimer(new QTimer(this)),
      retryTimer(new QTimer(this))
{
    connect(resolver, SIGNAL(bonjourRecordResolved(const QHostInfo &, int)), this,
            SLOT(connectToServer(const QHostInfo &, int)));
    connect(resolver, SIGNAL(error(DNSServiceErrorType)), this, SLOT(retryCandidate()));

    retryTimer->setSingleShot(true);
    connect(retryTimer, SIGNAL(timeout()), this, SLOT(askNextCandidate()));
    returnTimer->setSingleShot(true);
    connect(returnTimer, SIGNAL(timeout()), this, SLOT(giveUp()));
    returnTimer->start(returnTimeout);

    qDebug() << "Watching for the speaker" << LogText(sentName);
}

void SpeakerWatcher::updateRecords(const QList<BonjourRecord> &list)
{
    if (done)
        return;
    for (int index = candidates.size() - 1; index >= 0; --index) {
        if (!list.contains(candidates.at(index)))
            candidates.removeAt(index);
    }
    // A record counts once it is announced after the save: the speaker withdraws before its
    // reboot, so even its old record is new when it comes back.
    for (const BonjourRecord &record : list) {
        if (listedRecords.contains(record) || candidates.contains(record) ||
            (asking && record == askedRecord))
            continue;
        if (record.instanceName == sentName)
            candidates.prepend(record);
        else
            candidates.append(record);
    }
    listedRecords = list;
    if (!retryTimer->isActive())
        askNextCandidate();
}

void SpeakerWatcher::askNextCandidate()
{
    if (done || asking || candidates.isEmpty())
        return;
    asking = true;
    askedRecord = candidates.takeFirst();
    resolver->resolveBonjourRecord(askedRecord);
}

void SpeakerWatcher::connectToServer(const QHostInfo &hostInfo, int port)
{
    const QList<QHostAddress> addresses = hostInfo.addresses();
    if (addresses.isEmpty()) {
        retryCandidate();
        return;
    }
    SpeakerApi::postRequest(this, SpeakerApi::speakerUrl(addresses.first(), port),
                            SpeakerApi::queryBody());
}

void SpeakerWatcher::replyFinished(QNetworkReply *reply)
{
    reply->manager()->deleteLater();
    if (done)
        return;
    const QByteArray body = SpeakerApi::readReply(reply, "Watch reply received");
    QJsonObject object;
    const bool parsed = SpeakerApi::parseReply(body, &object);
    if (!SpeakerApi::checkTransfer(SpeakerApi::transferOf(reply)) || !parsed) {
        retryCandidate();
        return;
    }

    const SpeakerApi::DeviceInfo device = SpeakerApi::readQueryReply(object);
    if (device.name == sentName) {
        qDebug() << "Speaker back under its new name:" << LogText(sentName) << "at"
                 << LogText(device.ip);
        emit speakerBack(sentName, device.ip, askedRecord);
        finish();
    } else if (askedRecord == savedRecord) {
        qDebug() << "Speaker back under its old name:" << LogText(device.name) << "not"
                 << LogText(sentName);
        emit speakerKeptName(device.name, askedRecord);
        finish();
    } else {
        qDebug() << "Not the speaker watched for:" << LogText(device.name);
        asking = false;
        askNextCandidate();
    }
}

// The speaker may still be starting its services: asked again while it stays listed.
void SpeakerWatcher::retryCandidate()
{
    if (done || !asking)
        return;
    asking = false;
    if (listedRecords.contains(askedRecord) && !candidates.contains(askedRecord))
        candidates.append(askedRecord);
    // Also lets the resolver's queued clean-up run before the next request.
    retryTimer->start(retryInterval);
}

void SpeakerWatcher::giveUp()
{
    if (done)
        return;
    qDebug() << "Speaker not back in time:" << LogText(sentName);
    emit speakerNotBack(sentName);
    finish();
}

void SpeakerWatcher::finish()
{
    done = true;
    returnTimer->stop();
    retryTimer->stop();
    emit finished();
}
