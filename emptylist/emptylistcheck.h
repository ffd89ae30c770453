#ifndef EMPTYLISTCHECK_H
#define EMPTYLISTCHECK_H

#include "bonjourrecord.h"

#include <QObject>
#include <QString>

#include <chrono>

class BonjourServiceBrowser;
class QTimer;

// How long the reason for an empty speaker list is waited for, each with its unit.
struct EmptyListWaits
{
    // Of an empty list, before the page says why: speakers answer a browse within a second or
    // two, a daemon just started takes a few more.
    std::chrono::milliseconds listWait { 10000 };
    // Of the browse for any announcement at all. Whatever the daemon has heard in its cache it
    // hands over at once; the rest answer its first query within a second.
    std::chrono::milliseconds listenTime { 3000 };
    // Of each call to NetworkManager and firewalld: one that hangs leaves its part unknown.
    std::chrono::milliseconds callTimeout { 2000 };
};

// Why no speaker is listed, the most specific cause that is known.
struct EmptyListReason
{
    enum Cause {
        DnssdUnavailable, // the DNS-SD service does not answer
        Vpn,              // a VPN is the default route; detail: its name
        FirewallZone,     // firewalld's zone lets no mDNS in; detail: the zone
        NoAnnouncements,  // nothing on the network is heard at all
        NoSpeaker,        // others are heard, no speaker
    };

    Cause cause = NoSpeaker;
    QString detail;

    // One line in the speaker list's language: the page's catalogue where one is installed,
    // else English, as the command line prints it.
    QString text() const;
};

// Gathers why the speaker list is empty, all at once and without ever blocking: whether the
// DNS-SD service answers and hears anything on the network (a short browse for the service
// types announced there), and, over the system bus, whether a VPN of NetworkManager holds the
// default route and whether firewalld's zone of the interfaces in use allows mDNS. Neither
// service is started for the question; one that is not there or does not answer in time counts
// as no cause.
class EmptyListCheck : public QObject
{
    Q_OBJECT

public:
    explicit EmptyListCheck(const EmptyListWaits &waits = EmptyListWaits(),
                            QObject *parent = nullptr);

    // Gathers anew; a check that is running is given up. found() follows from the event loop.
    void start();
    bool isRunning() const { return running; }

signals:
    void found(const EmptyListReason &reason);

private slots:
    void noteAnnouncements(const QList<BonjourRecord> &list);
    void noteBrowseFailure();
    void endListening();

private:
    void finishWhenKnown();
    void stopBrowse();

    const EmptyListWaits waits;
    BonjourServiceBrowser *browser;
    QTimer *listenTimer;
    QObject *calls; // the D-Bus questions of the check that is running
    int runs;       // checks started; answers to one given up are not this one's
    bool running;
    bool listening;
    bool heard;
    bool dnssdFailed;
    int unanswered; // D-Bus questions
    QString vpn;
    QString closedZone;
};

Q_DECLARE_METATYPE(EmptyListReason)

#endif // EMPTYLISTCHECK_H
