#ifndef RETURNWATCH_H
#define RETURNWATCH_H

#include "bonjourrecord.h"
#include "dnssdapi.h"

#include <QObject>
#include <QString>

class BonjourServiceBrowser;
class BonjourServiceResolver;
class QHostInfo;
class QNetworkReply;
class QTimer;

// SEAM (until the watcher of the confirm step is in discovery/): after an accepted
// set-configuration, waits until the speaker is announced again, resolves it, asks it for its
// name and compares. A speaker reached as HOST:PORT is asked at its address until it answers.
class ReturnWatch : public QObject
{
    Q_OBJECT

public:
    enum Outcome { Back, KeptOldName, NotBack };

    explicit ReturnWatch(QObject *parent = nullptr);

    // By DNS-SD: the instance oldName is to come back as newName (the same when kept).
    void watchAnnounced(const QString &oldName, const QString &newName, int timeoutMs);
    // By address: the speaker at url is to answer as newName after its reboot.
    void watchAddress(const QString &url, const QString &oldName, const QString &newName,
                      int timeoutMs);

    // Between two questions to a speaker reached by address.
    static int pollInterval; // ms

signals:
    void finished(ReturnWatch::Outcome outcome);

private slots:
    void updateRecords(const QList<BonjourRecord> &records);
    void resolveReturned(const QHostInfo &hostInfo, int port);
    void askAgain();
    void replyFinished(QNetworkReply *reply);
    void giveUp();

private:
    void ask();
    void finish(Outcome outcome);

    BonjourServiceBrowser *browser = nullptr;
    BonjourServiceResolver *resolver = nullptr;
    QTimer *timeoutTimer;
    QString url;
    QString oldName;
    QString newName;
    bool gone = false;   // the speaker has been seen away since the settings went out
    bool asking = false; // a question is on its way
    bool done = false;
};

#endif // RETURNWATCH_H
