#ifndef SPEAKERCLIENT_H
#define SPEAKERCLIENT_H

#include "bonjourrecord.h"
#include "speakerapi.h"
#include "speakerreach.h"
#include "speakersave.h"
#include "speakertarget.h"

#include <QList>
#include <QString>

#include <chrono>
#include <functional>

// The speakers as DNS-SD announced them when the search had been quiet for a moment.
struct Listing
{
    bool available = true; // false: the DNS-SD service did not answer
    int error = 0;         // its error code then
    QList<BonjourRecord> records;
};

// What a speaker told before anything is sent to it.
struct Look
{
    ReachResult reach; // where it is and, when asked, what it tells of itself
    bool scanned = false;
    ReachProblem scanProblem = ReachProblem::None;
    SpeakerApi::Transfer scanTransfer;
    QList<SpeakerApi::AccessPoint> accessPoints;
};

using SendResult = SaveResult;

// What a speaker that took its settings is waited for by.
struct ReturnRequest
{
    SpeakerTarget target;      // as it was reached
    SpeakerTarget lastAddress; // the address it answered at before its restart
    QString sentName;
    QString ssid;                  // the WLAN it was sent into
    SpeakerApi::DeviceInfo before; // what it told before, its old name among it: only an answer
                                   // of that model counts
};

// How long a speaker that took its settings is waited for unless --return-wait says otherwise, in
// the option's unit: as long as the wizard waits.
inline std::chrono::seconds defaultReturnWait()
{
    return std::chrono::duration_cast<std::chrono::seconds>(NetworkWaits().returnWait);
}

enum class ReturnOutcome {
    Back,        // announced again, or at its address, answering under the name sent
    KeptOldName, // back, answering under its old name
    NotBack,     // not seen again by the end of the wait
};

struct ReturnResult
{
    ReturnOutcome outcome = ReturnOutcome::NotBack;
    QString name; // the name it answered with
};

// How the command line talks to the speakers: the search, a look at one speaker, the settings
// sent, and the wait for a speaker's return. Each call ends with exactly one call of its
// callback, from the event loop; after stop() none comes any more and nothing more is sent.
class SpeakerClient
{
public:
    virtual ~SpeakerClient() = default;

    virtual void listSpeakers(std::function<void(const Listing &)> done) = 0;
    // askDevice: the device query; scan: the WLAN scan, both once the speaker is located.
    virtual void look(const SpeakerTarget &target, bool askDevice, bool scan,
                      std::function<void(const Look &)> done) = 0;
    // Only when the device at url still answers as the speaker that told expected.
    virtual void send(const QString &url, const SpeakerSettings &settings,
                      const SpeakerApi::DeviceInfo &expected,
                      std::function<void(const SendResult &)> done) = 0;
    virtual void watchReturn(const ReturnRequest &request,
                             std::function<void(const ReturnResult &)> done) = 0;
    virtual void stop() = 0;
};

#endif // SPEAKERCLIENT_H
