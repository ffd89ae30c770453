#include "returnwatch.h"

#include "addresswatch.h"
#include "bonjourservicebrowser.h"
#include "speakerwatcher.h"

#include <QTimer>

ReturnWatch::ReturnWatch(const ReturnRequest &request, BonjourServiceBrowser *browser,
                         const QList<BonjourRecord> &listed, const NetworkWaits &waits,
                         std::chrono::milliseconds pollInterval, QObject *parent)
    : QObject(parent), request(request), waits(waits), pollInterval(pollInterval),
      returnTimer(new QTimer(this))
{
    returnTimer->setSingleShot(true);
    connect(returnTimer, &QTimer::timeout, this, &ReturnWatch::giveUp);

    if (!request.target.isAnnounced || !browser) {
        returnTimer->start(waits.returnWait);
        lookAtAddress();
        return;
    }
    // The watcher's limit is the wait's: one timer, whichever way the speaker is seen again.
    SavedSettings saved;
    saved.record = request.target.record;
    saved.name = request.sentName;
    saved.ssid = request.ssid;
    saved.before = request.before;
    watcher = new SpeakerWatcher(saved, listed, waits, this);
    connect(browser, &BonjourServiceBrowser::currentBonjourRecordsChanged, watcher,
            &SpeakerWatcher::updateRecords);
    connect(watcher, &SpeakerWatcher::speakerBack, this, &ReturnWatch::reportBack);
    connect(watcher, &SpeakerWatcher::speakerKeptName, this, &ReturnWatch::reportKeptName);
    connect(watcher, &SpeakerWatcher::speakerNotAnswering, this, &ReturnWatch::giveUp);
    connect(watcher, &SpeakerWatcher::speakerNotBack, this, &ReturnWatch::giveUp);
}

void ReturnWatch::lookAtAddress()
{
    if (done || addressWatch)
        return;
    addressWatch = new AddressWatch(request.lastAddress, request.before, request.sentName,
                                    pollInterval, ReachOptions(waits), this);
    connect(addressWatch, &AddressWatch::returned, this, &ReturnWatch::reportAddressAnswer);
}

void ReturnWatch::reportBack()
{
    finish(ReturnOutcome::Back, request.sentName);
}

void ReturnWatch::reportKeptName(const QString &name)
{
    finish(ReturnOutcome::KeptOldName, name);
}

void ReturnWatch::reportAddressAnswer(const QString &name)
{
    finish(name == request.sentName ? ReturnOutcome::Back : ReturnOutcome::KeptOldName, name);
}

void ReturnWatch::giveUp()
{
    finish(ReturnOutcome::NotBack, QString());
}

void ReturnWatch::finish(ReturnOutcome outcome, const QString &name)
{
    if (done)
        return;
    done = true;
    returnTimer->stop();
    // Nothing more is asked once the wait is over; they may be telling us this right now.
    for (QObject *watch :
         { static_cast<QObject *>(watcher), static_cast<QObject *>(addressWatch) }) {
        if (watch) {
            watch->disconnect(this);
            watch->deleteLater();
        }
    }
    watcher = nullptr;
    addressWatch = nullptr;
    ReturnResult result;
    result.outcome = outcome;
    result.name = name;
    emit finished(result);
}
