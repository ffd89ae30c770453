#ifndef NETWORKCLIENT_H
#define NETWORKCLIENT_H

#include "bonjourrecord.h"
#include "speakerclient.h"
#include "waits.h"

#include <QList>
#include <QObject>

#include <algorithm>
#include <chrono>

class BonjourServiceBrowser;
class QTimer;

// The waits of the command line, each with its unit; the options set some of them, tests lower
// the others.
struct ClientWaits
{
    // How long the browse must bring nothing new before its list is taken.
    std::chrono::milliseconds quietWait { 300 };
    // Before the first list: a daemon that has just started, or has nothing in its cache, asks
    // the network first.
    std::chrono::milliseconds firstAnswerWait { 1500 };
    // However often the announcements change (a speaker that flaps between two names changes
    // them for ever), the list is taken this many quiet waits after the first answer wait.
    int mostQuietWaits = 4;
    // Between two questions to a speaker at its address while it is waited for.
    std::chrono::milliseconds pollInterval { 1000 };
    // What the wizard waits for too, as long as the wizard does unless the options say otherwise:
    // the browse and its retries, each resolve and request, and a speaker's return.
    NetworkWaits network;

    // The longest a list is waited for.
    std::chrono::milliseconds listBound() const
    {
        return std::max(firstAnswerWait, quietWait) + mostQuietWaits * quietWait;
    }
};

// The speakers on the network, through the wizard's discovery classes and the shared way to
// reach a speaker. The browse goes on after its list is taken while speakers may be waited for
// (keepBrowsing); when the DNS-SD service goes away meanwhile, that is told, the browse is tried
// again every browse retry interval, and the speakers waited for are also asked at their last
// address.
class NetworkClient : public QObject, public SpeakerClient
{
    Q_OBJECT

public:
    NetworkClient(const ClientWaits &waits, bool keepBrowsing, QObject *parent = nullptr);
    ~NetworkClient() override;

    void listSpeakers(std::function<void(const Listing &)> done) override;
    void look(const SpeakerTarget &target, bool askDevice, bool scan,
              std::function<void(const Look &)> done) override;
    void send(const QString &url, const SpeakerSettings &settings,
              const SpeakerApi::DeviceInfo &expected,
              std::function<void(const SendResult &)> done) override;
    void watchReturn(const ReturnRequest &request,
                     std::function<void(const ReturnResult &)> done) override;
    void stop() override;

signals:
    // What the user should know of the DNS-SD service meanwhile, for standard error.
    void notice(const QString &text);
    void dnssdLost();

private slots:
    void updateRecords(const QList<BonjourRecord> &list);
    void reportBrowseFailure(int error);
    void takeRecords();
    void retryBrowse();
    void noteBrowseStarted();

private:
    const ClientWaits waits;
    const bool keepBrowsing;
    BonjourServiceBrowser *browser = nullptr;
    QTimer *quietTimer;
    QTimer *boundTimer; // the list is taken when it runs out, quiet or not
    QTimer *retryTimer;
    QList<BonjourRecord> records;
    std::function<void(const Listing &)> listed; // until the list is taken
    QObject *tasks;                              // every request and watch; deleted by stop()
    bool lost = false;                           // the browse failed after its list was taken
    bool browsing = false;                       // the daemon has taken a browse on
    bool stopped = false;
};

#endif // NETWORKCLIENT_H
