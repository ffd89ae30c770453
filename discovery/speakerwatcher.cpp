#include "speakerwatcher.h"

#include "bonjourserviceresolver.h"
#include "logtext.h"

#include <QDebug>
#include <QHostAddress>
#include <QHostInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QTimer>

#include <algorithm>

int SpeakerWatcher::returnTimeout = 3 * 60 * 1000;
std::chrono::milliseconds SpeakerWatcher::firstRetry = std::chrono::seconds(2);
std::chrono::milliseconds SpeakerWatcher::maxRetry = std::chrono::seconds(30);

namespace {

// Texts from the network in a log line: anything on the LAN may answer, with names of any length.
LogText boundedText(const QString &text)
{
    const int most = 100; // characters
    return LogText(text.size() > most ? text.left(most) + QStringLiteral("…") : text);
}

// Why an answer is of no use to the watch, or an empty text when it is: said in the retry's one
// line rather than in the reply procedure's lines, which log the whole answer.
QString unusable(const SpeakerApi::Transfer &transfer, const QByteArray &body, QJsonObject *object)
{
    if (transfer.discarded)
        return QStringLiteral("answer too large");
    if (transfer.status != 0 && (transfer.status < 200 || transfer.status > 299))
        return QStringLiteral("HTTP status %1").arg(transfer.status);
    if (transfer.error == QNetworkReply::OperationCanceledError ||
        transfer.error == QNetworkReply::TimeoutError)
        return QStringLiteral("no answer in time");
    if (transfer.error != QNetworkReply::NoError) {
        QString error;
        QDebug(&error).nospace() << transfer.error;
        return QStringLiteral("transfer failed: ") + error;
    }
    if (transfer.status == 0)
        return QStringLiteral("no HTTP status");
    if (body.count('{') + body.count('[') > SpeakerApi::MaxAnswerParts)
        return QStringLiteral("too many objects and arrays");
    *object = QJsonDocument::fromJson(body).object();
    if (object->isEmpty())
        return QStringLiteral("no JSON object");
    return QString();
}

} // namespace

SpeakerWatcher::SpeakerWatcher(const SavedSettings &saved, const QList<BonjourRecord> &listed,
                               QObject *parent)
    : QObject(parent), savedSettings(saved), listedRecords(listed), asking(false), done(false),
      resolver(nullptr), returnTimer(new QTimer(this)), askTimer(new QTimer(this))
{
    askTimer->setSingleShot(true);
    connect(askTimer, SIGNAL(timeout()), this, SLOT(askNextCandidate()));
    returnTimer->setSingleShot(true);
    connect(returnTimer, SIGNAL(timeout()), this, SLOT(giveUp()));
    returnTimer->start(returnTimeout);

    qDebug() << "Watching for the speaker" << LogText(savedSettings.name);
}

static SavedSettings nameOnly(const BonjourRecord &record, const QString &name)
{
    SavedSettings saved;
    saved.record = record;
    saved.name = name;
    return saved;
}

SpeakerWatcher::SpeakerWatcher(const BonjourRecord &record, const QString &name,
                               const QList<BonjourRecord> &listed, QObject *parent)
    : SpeakerWatcher(nameOnly(record, name), listed, parent)
{
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
        if (record.instanceName == savedSettings.name)
            candidates.prepend(record);
        else
            candidates.append(record);
    }
    listedRecords = list;
    scheduleAsk();
}

// The first candidate that is due, each on a resolver of its own: one that is still cleaning up
// after the last candidate would refuse the next.
void SpeakerWatcher::askNextCandidate()
{
    if (done || asking)
        return;
    const auto due =
        std::find_if(candidates.begin(), candidates.end(), [this](const BonjourRecord &record) {
            const auto retry = retries.constFind(record);
            return retry == retries.cend() || retry->due.hasExpired();
        });
    if (due == candidates.end()) {
        scheduleAsk();
        return;
    }
    asking = true;
    askedRecord = *due;
    candidates.erase(due);
    resolver = new BonjourServiceResolver(this);
    connect(resolver, SIGNAL(bonjourRecordResolved(const QHostInfo &, int)), this,
            SLOT(connectToServer(const QHostInfo &, int)));
    connect(resolver, &BonjourServiceResolver::error, this,
            [this] { retryCandidate(QStringLiteral("not resolved")); });
    resolver->resolveBonjourRecord(askedRecord);
}

void SpeakerWatcher::connectToServer(const QHostInfo &hostInfo, int port)
{
    const QList<QHostAddress> addresses = hostInfo.addresses();
    if (addresses.isEmpty()) {
        retryCandidate(QStringLiteral("no address"));
        return;
    }
    SpeakerApi::postRequest(this, SpeakerApi::speakerUrl(addresses.first(), port),
                            SpeakerApi::queryBody());
}

void SpeakerWatcher::replyFinished(QNetworkReply *reply)
{
    const SpeakerApi::Transfer transfer = SpeakerApi::transferOf(reply);
    // A reply aborted for its size or by the transfer timeout is closed already.
    const QByteArray body =
        reply->isOpen() && !transfer.discarded ? reply->readAll() : QByteArray();
    SpeakerApi::endRequest(reply);
    if (done)
        return;

    QJsonObject object;
    const QString why = unusable(transfer, body, &object);
    if (!why.isEmpty()) {
        // The start of the answer and its size: enough to see what answered, whatever its size.
        const QString head = quotedLogText(QString::fromUtf8(body.left(LoggedAnswerBytes)));
        retryCandidate(
            body.isEmpty()
                ? why
                : QStringLiteral("%1: %2 (%3 bytes)").arg(why, head, QString::number(body.size())));
        return;
    }

    const SpeakerApi::DeviceInfo device = SpeakerApi::readDeviceInfo(object);
    silentUnderName.remove(askedRecord);
    const QString &sentName = savedSettings.name;
    if (!isSavedSpeaker(device)) {
        if (device.name == sentName) {
            qDebug() << "Another device under the name sent:" << boundedText(device.name) << "at"
                     << boundedText(device.ip) << "model" << boundedText(device.model);
            emit otherDeviceAnswered(device.name, device.ip, askedRecord);
        } else {
            qDebug() << "Not the speaker watched for:" << boundedText(device.name);
        }
    } else if (device.name == sentName) {
        if (sentName == savedSettings.oldName())
            qDebug() << "Speaker back under its unchanged name:" << LogText(sentName) << "at"
                     << boundedText(device.ip);
        else
            qDebug() << "Speaker back under its new name:" << LogText(sentName) << "at"
                     << boundedText(device.ip);
        if (!device.ssid.isEmpty() && device.ssid == savedSettings.ssid)
            qDebug() << "Speaker on the WLAN sent:" << LogText(device.ssid);
        else if (!device.ssid.isEmpty())
            qDebug() << "Speaker on another WLAN:" << boundedText(device.ssid) << "not"
                     << LogText(savedSettings.ssid);
        emit speakerBack(sentName, device.ip, askedRecord, device.ssid);
        finish();
        return;
    } else if (askedRecord == savedSettings.record) {
        qDebug() << "Speaker back under its old name:" << boundedText(device.name) << "not"
                 << LogText(sentName);
        emit speakerKeptName(device.name, askedRecord);
        finish();
        return;
    } else {
        qDebug() << "Not the speaker watched for:" << boundedText(device.name);
    }
    endAsk();
    scheduleAsk();
}

// The model and hardware version are the speaker's own: another device may take its name.
bool SpeakerWatcher::isSavedSpeaker(const SpeakerApi::DeviceInfo &device) const
{
    const SpeakerApi::DeviceInfo &before = savedSettings.before;
    return (before.model.isEmpty() || device.model == before.model) &&
        (before.hardwareVer.isEmpty() || device.hardwareVer == before.hardwareVer);
}

// The speaker may still be starting its services: asked again while it stays listed, later each
// time.
void SpeakerWatcher::retryCandidate(const QString &why)
{
    if (done || !asking)
        return;
    if (askedRecord.instanceName == savedSettings.name)
        silentUnderName.insert(askedRecord);
    Retry &retry = retries[askedRecord];
    const std::chrono::milliseconds wait = std::min(
        maxRetry, firstRetry * (std::chrono::milliseconds::rep(1) << std::min(retry.failures, 20)));
    ++retry.failures;
    retry.due = QDeadlineTimer(wait);
    qDebug().noquote() << "Watch asks" << quotedLogText(askedRecord.instanceName) << "again in"
                       << wait.count() << "ms:" << why;
    if (listedRecords.contains(askedRecord) && !candidates.contains(askedRecord))
        candidates.append(askedRecord);
    endAsk();
    scheduleAsk();
}

void SpeakerWatcher::endAsk()
{
    asking = false;
    if (resolver) {
        // Its signal is out; it ends its resolve when deleted.
        resolver->disconnect(this);
        resolver->deleteLater();
        resolver = nullptr;
    }
}

// Through the event loop, when the next candidate is due.
void SpeakerWatcher::scheduleAsk()
{
    if (done || asking || candidates.isEmpty())
        return;
    qint64 wait = -1;
    for (const BonjourRecord &record : qAsConst(candidates)) {
        const auto retry = retries.constFind(record);
        const qint64 remaining = retry == retries.cend() ? 0 : retry->due.remainingTime();
        wait = wait < 0 ? remaining : std::min(wait, remaining);
    }
    if (!askTimer->isActive() || askTimer->remainingTime() > wait)
        askTimer->start(int(wait));
}

void SpeakerWatcher::giveUp()
{
    if (done)
        return;
    if (!silentUnderName.isEmpty()) {
        // The name took, or another device has it; either way the user can see it listed.
        qDebug() << "Speaker back under its new name but not answering:"
                 << LogText(savedSettings.name);
        emit speakerNotAnswering(savedSettings.name, *silentUnderName.cbegin());
    } else {
        qDebug() << "Speaker not back in time:" << LogText(savedSettings.name);
        emit speakerNotBack(savedSettings.name);
    }
    finish();
}

void SpeakerWatcher::finish()
{
    done = true;
    returnTimer->stop();
    askTimer->stop();
    emit finished();
}
