#ifndef SPEAKERWATCHER_H
#define SPEAKERWATCHER_H

#include "bonjourrecord.h"
#include "speakerapi.h"
#include "speakerreach.h"
#include "waits.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

class QTimer;

// What a speaker was sent when its settings were saved, and what it had told of itself before:
// what its return is compared with.
struct SavedSettings
{
    BonjourRecord record;          // the speaker as listed when it was saved
    QString name;                  // the name it was sent
    QString ssid;                  // the WLAN it was sent into; empty when not known
    SpeakerApi::DeviceInfo before; // its device information before; empty where it told nothing

    // The name it had: the one it told, else the one it was listed under.
    QString oldName() const { return before.name.isEmpty() ? record.instanceName : before.name; }
};

// Waits for one speaker to come back on the network after it was sent new settings and rebooted.
// Every record announced since then is a candidate, the ones under the name sent first: it is
// reached (resolved and asked for its device information) as every speaker is, one at a time. An
// answer is the speaker's when it tells the model and hardware version that the speaker told before
// (where it told them); it is back when that answer gives the name sent.
//
// Ends with exactly one of speakerBack, speakerKeptName, speakerNotAnswering or speakerNotBack,
// then finished(). Feed it the browser's lists through updateRecords(); several watchers share one
// browser, each resolving on its own. A candidate that cannot be resolved or gives no usable
// answer is asked again, less often each time (waits.firstRetry doubled up to waits.maxRetry); each
// such retry is one log line of bounded length. The speaker has waits.returnWait to come back.
//
// A speaker saved at an address that no announcement told of (SpeakerTarget::addressRecord()) is
// also asked there, from waits.firstRetry on and as often as a failed candidate. Its old name
// there counts as kept only once it has been silent in between: until it reboots it answers as
// before.
class SpeakerWatcher : public QObject
{
    Q_OBJECT

public:
    // listed: the records listed at the moment of the save, which are not candidates until
    // announced anew (the speaker withdraws before its reboot).
    SpeakerWatcher(const SavedSettings &saved, const QList<BonjourRecord> &listed,
                   const NetworkWaits &waits = NetworkWaits(), QObject *parent = nullptr);
    // Knowing only the record and the name sent: any answer with that name counts.
    SpeakerWatcher(const BonjourRecord &record, const QString &name,
                   const QList<BonjourRecord> &listed, const NetworkWaits &waits = NetworkWaits(),
                   QObject *parent = nullptr);

    const SavedSettings &saved() const { return savedSettings; }

    // How much of an unusable answer a retry's log line shows, in bytes.
    static const int LoggedAnswerBytes = 300;

public slots:
    void updateRecords(const QList<BonjourRecord> &list);

signals:
    // Under the name sent, at the address its answer gives; wlan: the WLAN it says it is on,
    // empty when its answer tells none.
    void speakerBack(const QString &name, const QString &ip, const BonjourRecord &record,
                     const QString &wlan);
    // The saved speaker announced again, answering with a name other than the one sent.
    void speakerKeptName(const QString &name, const BonjourRecord &record);
    // Announced under the name sent, but without a usable answer until the end of the wait.
    void speakerNotAnswering(const QString &name, const BonjourRecord &record);
    void speakerNotBack(const QString &name);
    // No outcome: a device answering with the name sent that is not the speaker saved (another
    // model or hardware version). The watch goes on.
    void otherDeviceAnswered(const QString &name, const QString &ip, const BonjourRecord &record);
    void finished();

private slots:
    void askNextCandidate();
    void readAnswer(const ReachResult &result);
    void giveUp();

private:
    void retryCandidate(const QString &why);
    void scheduleAsk();
    void endAsk();
    bool isSavedSpeaker(const SpeakerApi::DeviceInfo &device) const;
    void finish();

    const SavedSettings savedSettings;
    const NetworkWaits waits;
    QList<BonjourRecord> listedRecords; // the browser's latest list
    QList<BonjourRecord> candidates;    // announced since the save, not yet asked
    struct Retry
    {
        int failures = 0;
        QDeadlineTimer due;
    };
    QHash<BonjourRecord, Retry> retries; // candidates that failed, and when to ask them again
    QSet<BonjourRecord> silentUnderName; // under the name sent, no usable answer so far
    BonjourRecord askedRecord;           // being reached
    SpeakerReach *reach;                 // of the candidate being asked; one for each
    bool done;
    bool addressSilent; // the address of a speaker saved there has failed to answer since
    QTimer *returnTimer;
    QTimer *askTimer;
};

#endif // SPEAKERWATCHER_H
