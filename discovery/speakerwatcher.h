#ifndef SPEAKERWATCHER_H
#define SPEAKERWATCHER_H

#include "bonjourrecord.h"

#include <QList>
#include <QObject>
#include <QString>

class BonjourServiceResolver;
class QHostInfo;
class QNetworkReply;
class QTimer;

// Waits for one speaker to come back on the network after it was sent a new name and rebooted.
// Every record announced since then is a candidate, the ones under the new name first: it is
// resolved and asked for its device information, and the name in the answer tells whether it
// is the speaker and whether it took the settings. Ends with exactly one of speakerBack,
// speakerKeptName or speakerNotBack, then finished(). Feed it the browser's lists through
// updateRecords(); several watchers share one browser, each with a resolver of its own.
class SpeakerWatcher : public QObject
{
    Q_OBJECT

public:
    // record: the speaker as listed when it was saved; name: the name it was sent;
    // listed: the records listed at that moment, which are not candidates until announced anew.
    SpeakerWatcher(const BonjourRecord &record, const QString &name,
                   const QList<BonjourRecord> &listed, QObject *parent = nullptr);

    // Milliseconds the speaker has to come back; a reboot into a WLAN takes about a minute.
    static int returnTimeout;
    // Milliseconds before a candidate that could not be resolved or asked is tried again.
    static int retryInterval;

public slots:
    void updateRecords(const QList<BonjourRecord> &list);

signals:
    // Under the name sent, at the address its answer gives.
    void speakerBack(const QString &name, const QString &ip, const BonjourRecord &record);
    // The saved speaker announced again, answering with a name other than the one sent.
    void speakerKeptName(const QString &name, const BonjourRecord &record);
    void speakerNotBack(const QString &name);
    void finished();

private slots:
    void askNextCandidate();
    void connectToServer(const QHostInfo &hostInfo, int port);
    void replyFinished(QNetworkReply *reply);
    void retryCandidate();
    void giveUp();

private:
    void finish();

    const BonjourRecord savedRecord;
    const QString sentName;
    QList<BonjourRecord> listedRecords; // the browser's latest list
    QList<BonjourRecord> candidates;    // announced since the save, not yet asked
    BonjourRecord askedRecord;          // being resolved or asked
    bool asking;
    bool done;
    BonjourServiceResolver *resolver;
    QTimer *returnTimer;
    QTimer *retryTimer;
};

#endif // SPEAKERWATCHER_H
