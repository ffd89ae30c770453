#ifndef SPEAKERREACH_H
#define SPEAKERREACH_H

#include "speakerapi.h"
#include "speakerrequest.h"
#include "speakertarget.h"
#include "waits.h"

#include <QHostAddress>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>

#include <chrono>

class BonjourServiceResolver;
class QHostInfo;

// All that reaching a speaker has learnt, however far it got.
struct ReachResult
{
    ReachProblem problem = ReachProblem::None;
    int dnssdError = 0;            // ResolveFailed: the DNS-SD error code
    QString host;                  // the host name as resolved, or as given
    quint16 port = 0;              // once resolved
    QList<QHostAddress> addresses; // as the host look-up gave them; the first one is used
    QString url;                   // once there is an address
    bool asked = false;            // the device query was sent
    SpeakerApi::Transfer transfer; // how the device query's transfer ended, when asked
    QByteArray answer;             // the device query's answer as it arrived, when asked
    SpeakerApi::DeviceInfo device; // what the answer told, when it was usable
};

Q_DECLARE_METATYPE(ReachResult)

struct ReachOptions
{
    ReachOptions() = default;
    // With the resolve's and the request's limits of waits.
    explicit ReachOptions(const NetworkWaits &waits)
        : resolveTimeout(waits.resolveTimeout), deadline(waits.requestDeadline)
    {
    }

    // The device query after the URL is known; without it the request ends there.
    bool askDevice = true;
    // The line written when the query's answer arrives, followed by the reply procedure's lines;
    // a string literal. Without one, the answer is read without a line.
    const char *arrivalText = "Client reply received";
    std::chrono::milliseconds resolveTimeout = BonjourServiceResolver::DefaultTimeout;
    // Of the device query, counted from the moment it is made.
    std::chrono::milliseconds deadline = SpeakerApi::DefaultDeadline;
};

// Takes one speaker, announced or at an address, to its URL and what it tells of itself: the
// record resolved by a resolver of its own (an address given by hand is looked up instead), the
// first address of the host look-up, the URL built from it, and the device query. Each request
// is an object of its own and ends with exactly one finished(), never from within start();
// deleting it before then ends it without a signal.
class SpeakerReach : public QObject
{
    Q_OBJECT

public:
    explicit SpeakerReach(const SpeakerTarget &target, const ReachOptions &options = ReachOptions(),
                          QObject *parent = nullptr);
    ~SpeakerReach() override;

    void start();
    const ReachResult &result() const { return reached; }

signals:
    // The URL is known. The device query, if asked, goes out once the receivers have returned:
    // a page may send its own request first.
    void located(const ReachResult &result);
    void finished(const ReachResult &result);

private slots:
    void takeLookup(const QHostInfo &hostInfo);
    void connectToSpeaker(const QHostInfo &hostInfo, int port);
    void failResolve(int error);
    void readDevice(const SpeakerApi::Transfer &transfer, const QByteArray &body);

private:
    void finish(ReachProblem problem);

    const SpeakerTarget target;
    const ReachOptions options;
    ReachResult reached;
    BonjourServiceResolver *resolver = nullptr;
    int lookupId = -1;     // the host look-up in flight
    bool starting = false; // inside start(): a failure there is told from the event loop
    bool done = false;
};

#endif // SPEAKERREACH_H
