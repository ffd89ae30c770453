#ifndef RETURNWATCH_H
#define RETURNWATCH_H

#include "bonjourrecord.h"
#include "speakerclient.h"
#include "waits.h"

#include <QList>
#include <QObject>

#include <chrono>

class AddressWatch;
class BonjourServiceBrowser;
class QTimer;
class SpeakerWatcher;

// Waits for one speaker that took its settings: by the browser's announcements when DNS-SD found
// it, at its last address when it was given by address or the DNS-SD service went away, until
// waits.returnWait has passed. Only an answer of the model and hardware version that the speaker
// told before counts, as in the wizard. Ends with exactly one finished().
class ReturnWatch : public QObject
{
    Q_OBJECT

public:
    // browser: the shared browse, for a speaker that DNS-SD announced (listed: its list now).
    ReturnWatch(const ReturnRequest &request, BonjourServiceBrowser *browser,
                const QList<BonjourRecord> &listed, const NetworkWaits &waits,
                std::chrono::milliseconds pollInterval, QObject *parent = nullptr);

public slots:
    // From now on also asks at the speaker's last address.
    void lookAtAddress();

signals:
    void finished(const ReturnResult &result);

private slots:
    void reportBack();
    void reportKeptName(const QString &name);
    void reportAddressAnswer(const QString &name);
    void giveUp();

private:
    void finish(ReturnOutcome outcome, const QString &name);

    const ReturnRequest request;
    const NetworkWaits waits;
    const std::chrono::milliseconds pollInterval;
    QTimer *returnTimer;
    SpeakerWatcher *watcher = nullptr;
    AddressWatch *addressWatch = nullptr;
    bool done = false;
};

#endif // RETURNWATCH_H
