#include "bonjourservicebrowser.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>
#include <QtDebug>

#include <algorithm>

#ifdef _WIN32
#include <winsock2.h>
#else
#include <poll.h>
#endif

namespace {

// Avahi's library never sets kDNSServiceFlagsMoreComing; what is already waiting on the socket
// is the batch it would have announced. Bounded, so that a socket that stays readable cannot
// hold the event loop.
const int maxRepliesPerBatch = 4096;
constexpr std::chrono::milliseconds maxBatchTime { 100 };

bool socketReadable(qintptr socket, std::chrono::microseconds wait)
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(wait);
    const auto rest = wait - seconds;
#ifdef _WIN32
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(static_cast<SOCKET>(socket), &readable);
    timeval timeout = { long(seconds.count()), long(rest.count()) };
    return select(0, &readable, nullptr, nullptr, &timeout) > 0;
#else
    pollfd entry = { static_cast<int>(socket), POLLIN, 0 };
    const timespec timeout = { time_t(seconds.count()),
                               long(std::chrono::nanoseconds(rest).count()) };
    return ppoll(&entry, 1, &timeout, nullptr) > 0;
#endif
}

} // namespace

BonjourServiceBrowser::BonjourServiceBrowser(QObject *parent, const BrowseWaits &waits)
    : QObject(parent), waits(waits), browseRef(nullptr), socketNotifier(nullptr),
      settleTimer(new QTimer(this)), inBatch(false), listPending(false), replyFailed(false)
{
    settleTimer->setSingleShot(true);
    connect(settleTimer, &QTimer::timeout, this, &BonjourServiceBrowser::dropUnconfirmed);
    // Known by name, so that the list can also travel through queued connections and spies.
    qRegisterMetaType<BonjourRecord>("BonjourRecord");
    qRegisterMetaType<QList<BonjourRecord>>("QList<BonjourRecord>");
}

BonjourServiceBrowser::~BonjourServiceBrowser()
{
    stopBrowse();
}

void BonjourServiceBrowser::browseForServiceType(const QString &type)
{
    // A second browse replaces the first. Its speakers stay listed, in their places, until the
    // new browse has had its time to announce them again: the receiver sees no speaker that
    // stayed go and come back, and none that left stays for good.
    if (browseRef || socketNotifier || creation)
        stopBrowse();
    for (const BonjourRecord &record : qAsConst(records))
        unconfirmed.insert(record);
    announcements.clear();

    qWarning("browseForServiceType()...");
    const QByteArray regType = type.toUtf8();
    creation = DnssdThread::create(
        this,
        [regType, context = this](DNSServiceRef *ref) {
            return DNSServiceBrowse(ref, 0, 0, regType.constData(), "local.", bonjourBrowseReply,
                                    context);
        },
        [this](DNSServiceErrorType err, DNSServiceRef ref) { startBrowse(err, ref); });
}

void BonjourServiceBrowser::startBrowse(DNSServiceErrorType err, DNSServiceRef ref)
{
    creation.reset();
    browseRef = ref;
    qWarning("DNSServiceBrowse() returned...");
    if (err != kDNSServiceErr_NoError) {
        qWarning("browseForServiceType() err1!");
        emit error(err);
        return;
    }

    int sockfd = DNSServiceRefSockFD(browseRef);
    if (sockfd == -1) {
        qWarning("browseForServiceType() err2!");
        emit error(kDNSServiceErr_Invalid);
        return;
    }

    socketNotifier = new QSocketNotifier(sockfd, QSocketNotifier::Read, this);
    connect(socketNotifier, SIGNAL(activated(int)), this, SLOT(bonjourSocketReadyRead()));
    qWarning("browseForServiceType() success!");
    if (!unconfirmed.isEmpty())
        settleTimer->start(waits.settleTime);
    emit browseStarted();
}

void BonjourServiceBrowser::bonjourSocketReadyRead()
{
    const qintptr socket = socketNotifier->socket();
    DNSServiceErrorType err = kDNSServiceErr_NoError;
    QElapsedTimer batchTime;
    batchTime.start();
    inBatch = true;
    replyFailed = false;
    for (int replies = 0; replies < maxRepliesPerBatch; ++replies) {
        err = DNSServiceProcessResult(browseRef);
        if (err != kDNSServiceErr_NoError || replyFailed ||
            std::chrono::milliseconds(batchTime.elapsed()) >= maxBatchTime ||
            !socketReadable(socket, waits.batchGap))
            break;
    }
    inBatch = false;

    const DNSServiceRef batchRef = browseRef;
    if (listPending) {
        listPending = false;
        emit currentBonjourRecordsChanged(records);
    }
    // A receiver may have started a new browse meanwhile; that one is not the one that failed.
    if ((err == kDNSServiceErr_NoError && !replyFailed) || browseRef != batchRef)
        return;

    // After a failure the reference is dead (Avahi reports its daemon's exit as an error reply):
    // give it back rather than be woken for it again. The list stays until a new browse has
    // settled.
    settleTimer->stop();
    socketNotifier->setEnabled(false);
    socketNotifier->deleteLater();
    socketNotifier = nullptr;
    DNSServiceRefDeallocate(browseRef);
    browseRef = nullptr;
    if (err != kDNSServiceErr_NoError)
        emit error(err);
}

void BonjourServiceBrowser::bonjourBrowseReply(DNSServiceRef, DNSServiceFlags flags, uint32_t,
                                               DNSServiceErrorType errorCode,
                                               const char *serviceName, const char *regtype,
                                               const char *replyDomain, void *context)
{
    qWarning("bonjourBrowseReply()");
    BonjourServiceBrowser *serviceBrowser = static_cast<BonjourServiceBrowser *>(context);
    if (errorCode != kDNSServiceErr_NoError) {
        serviceBrowser->replyFailed = true;
        emit serviceBrowser->error(errorCode);
        return;
    }

    // The interface is not part of the record: a speaker seen on two interfaces is one entry,
    // which goes with the last withdrawal.
    BonjourRecord bonjourRecord(serviceName, regtype, replyDomain);
    if (flags & kDNSServiceFlagsAdd) {
        int &count = serviceBrowser->announcements[bonjourRecord];
        if (count++ == 0 && !serviceBrowser->unconfirmed.remove(bonjourRecord))
            serviceBrowser->records.append(bonjourRecord);
    } else {
        auto found = serviceBrowser->announcements.find(bonjourRecord);
        if (found != serviceBrowser->announcements.end() && --found.value() == 0) {
            serviceBrowser->announcements.erase(found);
            serviceBrowser->records.removeOne(bonjourRecord);
        }
    }
    // Hold the list back until the last reply of a batch, so the page is updated once.
    const bool batchComplete = !(flags & kDNSServiceFlagsMoreComing);
    if (serviceBrowser->inBatch)
        serviceBrowser->listPending = batchComplete;
    else if (batchComplete)
        emit serviceBrowser->currentBonjourRecordsChanged(serviceBrowser->records);
}

void BonjourServiceBrowser::stopBrowse()
{
    if (creation) {
        creation->cancel();
        creation.reset();
    }
    // Off the event loop before the library closes the socket under it.
    if (socketNotifier)
        socketNotifier->setEnabled(false);
    if (browseRef) {
        DNSServiceRefDeallocate(browseRef);
        browseRef = nullptr;
    }
    delete socketNotifier;
    socketNotifier = nullptr;
    listPending = false;
    settleTimer->stop();
}

// The new browse has had its time: what it did not announce again has gone meanwhile.
void BonjourServiceBrowser::dropUnconfirmed()
{
    if (unconfirmed.isEmpty())
        return;
    records.erase(std::remove_if(
                      records.begin(), records.end(),
                      [this](const BonjourRecord &record) { return unconfirmed.contains(record); }),
                  records.end());
    unconfirmed.clear();
    emit currentBonjourRecordsChanged(records);
}
