#include "speakerwatcher.h"

#include "logtext.h"

#include <QDebug>
#include <QNetworkReply>
#include <QTimer>

#include <algorithm>

namespace {

// Texts from the network in a log line: anything on the LAN may answer, with names of any length.
LogText boundedText(const QString &text)
{
    const int most = 100; // characters
    return LogText(text.size() > most ? text.left(most) + QStringLiteral("…") : text);
}

// Why the candidate gave nothing to go on: said in the retry's one line rather than in the reply
// procedure's lines, which log the whole answer.
QString whyUnusable(const ReachResult &result)
{
    const SpeakerApi::Transfer &transfer = result.transfer;
    switch (result.problem) {
    case ReachProblem::None:
        break;
    case ReachProblem::ResolveFailed:
        return QStringLiteral("not resolved");
    case ReachProblem::NoAddress:
        return QStringLiteral("no address");
    case ReachProblem::TooLarge:
        return transfer.discarded ? QStringLiteral("answer too large")
                                  : QStringLiteral("too many objects and arrays");
    case ReachProblem::Unusable:
        if (transfer.status != 0 && (transfer.status < 200 || transfer.status > 299))
            return QStringLiteral("HTTP status %1").arg(transfer.status);
        return QStringLiteral("no JSON object");
    case ReachProblem::NotSent:
    case ReachProblem::NoAnswer:
        if (transfer.error == QNetworkReply::OperationCanceledError ||
            transfer.error == QNetworkReply::TimeoutError)
            return QStringLiteral("no answer in time");
        if (transfer.error != QNetworkReply::NoError) {
            QString error;
            QDebug(&error).nospace() << transfer.error;
            return QStringLiteral("transfer failed: ") + error;
        }
        return QStringLiteral("no HTTP status");
    }
    return QString();
}

} // namespace

SpeakerWatcher::SpeakerWatcher(const SavedSettings &saved, const QList<BonjourRecord> &listed,
                               const NetworkWaits &waits, QObject *parent)
    : QObject(parent), savedSettings(saved), waits(waits), listedRecords(listed), reach(nullptr),
      done(false), addressSilent(false), returnTimer(new QTimer(this)), askTimer(new QTimer(this))
{
    askTimer->setSingleShot(true);
    connect(askTimer, &QTimer::timeout, this, &SpeakerWatcher::askNextCandidate);
    returnTimer->setSingleShot(true);
    connect(returnTimer, &QTimer::timeout, this, &SpeakerWatcher::giveUp);
    returnTimer->start(waits.returnWait);

    qDebug() << "Watching for the speaker" << LogText(savedSettings.name);
    if (SpeakerTarget::isAddressRecord(saved.record)) {
        candidates.append(saved.record);
        retries[saved.record].due = QDeadlineTimer(waits.firstRetry);
        scheduleAsk();
    }
}

static SavedSettings nameOnly(const BonjourRecord &record, const QString &name)
{
    SavedSettings saved;
    saved.record = record;
    saved.name = name;
    return saved;
}

SpeakerWatcher::SpeakerWatcher(const BonjourRecord &record, const QString &name,
                               const QList<BonjourRecord> &listed, const NetworkWaits &waits,
                               QObject *parent)
    : SpeakerWatcher(nameOnly(record, name), listed, waits, parent)
{
}

void SpeakerWatcher::updateRecords(const QList<BonjourRecord> &list)
{
    if (done)
        return;
    for (int index = candidates.size() - 1; index >= 0; --index) {
        const BonjourRecord &candidate = candidates.at(index);
        if (!list.contains(candidate) && !SpeakerTarget::isAddressRecord(candidate))
            candidates.removeAt(index);
    }
    // A record counts once it is announced after the save: the speaker withdraws before its
    // reboot, so even its old record is new when it comes back.
    for (const BonjourRecord &record : list) {
        if (listedRecords.contains(record) || candidates.contains(record) ||
            (reach && record == askedRecord))
            continue;
        if (record.instanceName == savedSettings.name)
            candidates.prepend(record);
        else
            candidates.append(record);
    }
    listedRecords = list;
    scheduleAsk();
}

// The first candidate that is due, each reached on its own: a resolver that is still cleaning up
// after the last candidate would refuse the next.
void SpeakerWatcher::askNextCandidate()
{
    if (done || reach)
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
    askedRecord = *due;
    candidates.erase(due);
    // Its answer is told in the watch's own lines, not the reply procedure's.
    ReachOptions options(waits);
    options.arrivalText = nullptr;
    reach = new SpeakerReach(SpeakerTarget::of(askedRecord), options, this);
    connect(reach, &SpeakerReach::finished, this, &SpeakerWatcher::readAnswer);
    reach->start();
}

void SpeakerWatcher::readAnswer(const ReachResult &result)
{
    if (done)
        return;
    if (result.problem != ReachProblem::None) {
        const QByteArray &body = result.answer;
        // The start of the answer and its size: enough to see what answered, whatever its size.
        const QString head = quotedLogText(QString::fromUtf8(body.left(LoggedAnswerBytes)));
        const QString why = whyUnusable(result);
        retryCandidate(
            body.isEmpty()
                ? why
                : QStringLiteral("%1: %2 (%3 bytes)").arg(why, head, QString::number(body.size())));
        return;
    }

    const SpeakerApi::DeviceInfo &device = result.device;
    silentUnderName.remove(askedRecord);
    const QString &sentName = savedSettings.name;
    if (SpeakerTarget::isAddressRecord(askedRecord) && !addressSilent &&
        device.name == savedSettings.oldName()) {
        retryCandidate(QStringLiteral("not restarted yet"));
        return;
    }
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
    if (done || !reach)
        return;
    // An address is silent while its speaker restarts: that is no sign of a speaker that is back.
    if (SpeakerTarget::isAddressRecord(askedRecord))
        addressSilent = addressSilent || reach->result().problem != ReachProblem::None;
    else if (askedRecord.instanceName == savedSettings.name)
        silentUnderName.insert(askedRecord);
    Retry &retry = retries[askedRecord];
    const std::chrono::milliseconds wait = std::min(
        waits.maxRetry,
        waits.firstRetry * (std::chrono::milliseconds::rep(1) << std::min(retry.failures, 20)));
    ++retry.failures;
    retry.due = QDeadlineTimer(wait);
    qDebug().noquote() << "Watch asks" << quotedLogText(askedRecord.instanceName) << "again in"
                       << wait.count() << "ms:" << why;
    if ((listedRecords.contains(askedRecord) || SpeakerTarget::isAddressRecord(askedRecord)) &&
        !candidates.contains(askedRecord))
        candidates.append(askedRecord);
    endAsk();
    scheduleAsk();
}

void SpeakerWatcher::endAsk()
{
    if (reach) {
        // Its signal is out.
        reach->deleteLater();
        reach = nullptr;
    }
}

// Through the event loop, when the next candidate is due.
void SpeakerWatcher::scheduleAsk()
{
    if (done || reach || candidates.isEmpty())
        return;
    using std::chrono::milliseconds;
    milliseconds wait = milliseconds::max();
    for (const BonjourRecord &record : qAsConst(candidates)) {
        const auto retry = retries.constFind(record);
        const milliseconds remaining = retry == retries.cend()
            ? milliseconds(0)
            : std::chrono::ceil<milliseconds>(retry->due.remainingTimeAsDuration());
        wait = std::min(wait, remaining);
    }
    if (!askTimer->isActive() || askTimer->remainingTimeAsDuration() > wait)
        askTimer->start(wait);
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
    endAsk();
    returnTimer->stop();
    askTimer->stop();
    emit finished();
}
