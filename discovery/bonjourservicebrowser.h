#ifndef BONJOURSERVICEBROWSER_H
#define BONJOURSERVICEBROWSER_H

#include "bonjourrecord.h"
#include "dnssdapi.h"
#include "dnssdthread.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>

#include <chrono>
#include <memory>

class QSocketNotifier;
class QTimer;

// How long a browser waits, each with its unit.
struct BrowseWaits
{
    // For the next reply of a batch. Avahi's library hands each reply over from a thread of its
    // own, so the next one of a burst may still be on its way when the previous one has been
    // handled.
    std::chrono::microseconds batchGap { 1000 };
    // That a new browse gives the instances of the one before to be announced again. Speakers
    // answer a new browse within about a second; the rest is for a daemon just started.
    std::chrono::milliseconds settleTime { 5000 };
};

// Browses for one service type in "local." and hands out the whole list of advertised instances
// each time a batch of replies is complete. Replies that are already waiting on the socket, or
// follow within the batch gap, count as one batch. An instance announced on several interfaces or
// over both IP protocols stays listed until its last announcement is withdrawn. A new browse (after
// the DNS-SD service came back) keeps the instances of the one before in place until the settle
// time has passed: those announced again stay as they are, the others are dropped then.
class BonjourServiceBrowser : public QObject
{
    Q_OBJECT

public:
    explicit BonjourServiceBrowser(QObject *parent = nullptr,
                                   const BrowseWaits &waits = BrowseWaits());
    ~BonjourServiceBrowser() override;

    void browseForServiceType(const QString &type);

signals:
    // The daemon has taken the browse on: its replies follow.
    void browseStarted();
    void currentBonjourRecordsChanged(const QList<BonjourRecord> &list);
    void error(DNSServiceErrorType err);

private slots:
    void bonjourSocketReadyRead();

private:
    static void DNSSD_API bonjourBrowseReply(DNSServiceRef, DNSServiceFlags flags,
                                             uint32_t interfaceIndex, DNSServiceErrorType errorCode,
                                             const char *serviceName, const char *regtype,
                                             const char *replyDomain, void *context);

    void startBrowse(DNSServiceErrorType err, DNSServiceRef ref);
    void stopBrowse();
    void dropUnconfirmed();

    const BrowseWaits waits;
    std::shared_ptr<DnssdThread::Creation> creation; // of browseRef, while it is made
    DNSServiceRef browseRef;
    QSocketNotifier *socketNotifier;
    QList<BonjourRecord> records;
    QHash<BonjourRecord, int> announcements; // per listed record
    QSet<BonjourRecord> unconfirmed; // listed by the browse before, not announced by this one
    QTimer *settleTimer;
    bool inBatch;     // handling the replies waiting on the socket
    bool listPending; // a reply of the batch asks for the list to go out
    bool replyFailed; // a reply of the batch reported an error
};

#endif // BONJOURSERVICEBROWSER_H
