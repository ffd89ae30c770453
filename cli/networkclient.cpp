#include "networkclient.h"

#include "bonjourservicebrowser.h"
#include "returnwatch.h"
#include "speakerreach.h"
#include "speakerrequest.h"
#include "speakersave.h"

#include <QTimer>

#include <memory>

namespace {

const QString serviceType = QStringLiteral("_dockset._tcp");

} // namespace

NetworkClient::NetworkClient(const ClientWaits &waits, bool keepBrowsing, QObject *parent)
    : QObject(parent), waits(waits), keepBrowsing(keepBrowsing), quietTimer(new QTimer(this)),
      boundTimer(new QTimer(this)), retryTimer(new QTimer(this)), tasks(new QObject(this))
{
    quietTimer->setSingleShot(true);
    connect(quietTimer, &QTimer::timeout, this, &NetworkClient::takeRecords);
    boundTimer->setSingleShot(true);
    connect(boundTimer, &QTimer::timeout, this, &NetworkClient::takeRecords);
    retryTimer->setSingleShot(true);
    connect(retryTimer, &QTimer::timeout, this, &NetworkClient::retryBrowse);
}

NetworkClient::~NetworkClient()
{
    stop();
}

void NetworkClient::listSpeakers(std::function<void(const Listing &)> done)
{
    listed = std::move(done);
    // The list is taken once the browse has been quiet for a moment: the daemon hands over what
    // it knows in a few batches, and a fixed long sleep would only make every run slow.
    browser = new BonjourServiceBrowser(this, waits.network.browse);
    connect(browser, &BonjourServiceBrowser::currentBonjourRecordsChanged, this,
            &NetworkClient::updateRecords);
    connect(browser, &BonjourServiceBrowser::error, this, &NetworkClient::reportBrowseFailure);
    connect(browser, &BonjourServiceBrowser::browseStarted, this,
            &NetworkClient::noteBrowseStarted);
    quietTimer->start(int(qMax(waits.firstAnswerWait, waits.quietWait).count()));
    boundTimer->start(int(waits.listBound().count()));
    browser->browseForServiceType(serviceType);
}

void NetworkClient::updateRecords(const QList<BonjourRecord> &list)
{
    records = list;
    if (quietTimer->isActive())
        quietTimer->start(int(waits.quietWait.count()));
}

void NetworkClient::reportBrowseFailure(int error)
{
    if (listed) {
        // No list yet: the service is not there at all.
        quietTimer->stop();
        boundTimer->stop();
        Listing listing;
        listing.available = false;
        listing.error = error;
        const auto done = std::move(listed);
        listed = nullptr;
        QTimer::singleShot(0, this, [done, listing] { done(listing); });
        return;
    }
    if (stopped || !keepBrowsing)
        return;
    retryTimer->start(waits.network.browseRetryInterval);
    if (lost)
        return;
    lost = true;
    emit notice(QStringLiteral("the DNS-SD service went away (error %1); looking for it again "
                               "every %2 s, and for each speaker waited for at its last address")
                    .arg(error)
                    .arg(std::chrono::duration<double>(waits.network.browseRetryInterval).count()));
    emit dnssdLost();
}

void NetworkClient::retryBrowse()
{
    browser->browseForServiceType(serviceType);
}

void NetworkClient::noteBrowseStarted()
{
    browsing = true;
    if (!lost)
        return;
    lost = false;
    emit notice(QStringLiteral("the DNS-SD service answers again"));
}

void NetworkClient::takeRecords()
{
    quietTimer->stop();
    boundTimer->stop();
    // Only a speaker's return needs the browse further.
    if (!keepBrowsing) {
        browser->deleteLater();
        browser = nullptr;
    }
    const auto done = std::move(listed);
    listed = nullptr;
    // A daemon that has not even taken the browse on by now does not answer.
    if (done)
        done(browsing ? Listing { true, 0, records }
                      : Listing { false, kDNSServiceErr_Timeout, QList<BonjourRecord>() });
}

void NetworkClient::look(const SpeakerTarget &target, bool askDevice, bool scan,
                         std::function<void(const Look &)> done)
{
    if (stopped)
        return;
    ReachOptions options(waits.network);
    options.askDevice = askDevice;
    SpeakerReach *reach = new SpeakerReach(target, options, tasks);
    // The device query and the WLAN scan are in flight at once, as on the wizard's pages.
    auto look = std::make_shared<Look>();
    auto unanswered = std::make_shared<int>(1);
    const auto answered = [reach, look, unanswered, done] {
        if (--*unanswered > 0)
            return;
        reach->deleteLater();
        done(*look);
    };
    if (scan) {
        const std::chrono::milliseconds deadline = waits.network.requestDeadline;
        connect(
            reach, &SpeakerReach::located, reach, [deadline, reach, look, unanswered, answered] {
                look->scanned = true;
                ++*unanswered;
                SpeakerRequest *request =
                    new SpeakerRequest(reach->result().url, SpeakerApi::wifiscanBody(),
                                       "Client WLANS  reply received", deadline, reach);
                connect(
                    request, &SpeakerRequest::finished, reach,
                    [look, answered](const SpeakerApi::Transfer &transfer, const QByteArray &body) {
                        look->scanTransfer = transfer;
                        look->scanProblem = reachProblem(
                            SpeakerApi::readWifiscanAnswer(transfer, body, &look->accessPoints));
                        answered();
                    });
            });
    }
    connect(reach, &SpeakerReach::finished, reach, [look, answered](const ReachResult &result) {
        look->reach = result;
        answered();
    });
    reach->start();
}

void NetworkClient::send(const QString &url, const SpeakerSettings &settings,
                         const SpeakerApi::DeviceInfo &expected,
                         std::function<void(const SendResult &)> done)
{
    if (stopped)
        return;
    SpeakerSave *save =
        new SpeakerSave(url, settings, expected, waits.network.requestDeadline, tasks);
    connect(save, &SpeakerSave::finished, save, [save, done](const SaveResult &result) {
        save->deleteLater();
        done(result);
    });
}

void NetworkClient::watchReturn(const ReturnRequest &request,
                                std::function<void(const ReturnResult &)> done)
{
    if (stopped)
        return;
    ReturnWatch *watch =
        new ReturnWatch(request, browser, records, waits.network, waits.pollInterval, tasks);
    connect(watch, &ReturnWatch::finished, watch, [watch, done](const ReturnResult &result) {
        watch->deleteLater();
        done(result);
    });
    connect(this, &NetworkClient::dnssdLost, watch, &ReturnWatch::lookAtAddress);
    if (lost)
        watch->lookAtAddress();
}

void NetworkClient::stop()
{
    if (stopped)
        return;
    stopped = true;
    listed = nullptr;
    quietTimer->stop();
    retryTimer->stop();
    // Every request is aborted with its object, every watch ends without a word.
    delete tasks;
    tasks = nullptr;
    delete browser;
    browser = nullptr;
}
