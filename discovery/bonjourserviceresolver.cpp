#include "bonjourserviceresolver.h"

#include <QHostInfo>
#include <QSocketNotifier>
#include <QTimer>
#include <QtDebug>
#include <QtEndian>

BonjourServiceResolver::BonjourServiceResolver(QObject *parent, std::chrono::milliseconds timeout)
    : QObject(parent), timeout(timeout), resolveRef(nullptr), socketNotifier(nullptr), port(-1),
      timeoutTimer(new QTimer(this)), lookupId(-1), answered(false)
{
    timeoutTimer->setSingleShot(true);
    connect(timeoutTimer, &QTimer::timeout, this, [this] { failResolve(kDNSServiceErr_Timeout); });
}

BonjourServiceResolver::~BonjourServiceResolver()
{
    cleanupResolve();
}

void BonjourServiceResolver::resolveBonjourRecord(const BonjourRecord &record)
{
    if (resolveRef || creation) {
        qWarning("resolve in process, aborting");
        return;
    }

    qWarning("first call of resolveBonjourRecord");
    const QByteArray name = record.instanceName.toUtf8();
    const QByteArray regType = record.serviceType.toUtf8();
    const QByteArray domain = record.domain.toUtf8();
    answered = false;
    creation = DnssdThread::create(
        this,
        [name, regType, domain, context = this](DNSServiceRef *ref) {
            return DNSServiceResolve(ref, 0, 0, name.constData(), regType.constData(),
                                     domain.constData(), bonjourResolveReply, context);
        },
        [this](DNSServiceErrorType err, DNSServiceRef ref) { startResolve(err, ref); });
    // A speaker whose host has no address, or a daemon that has gone or hangs, never answers.
    timeoutTimer->start(timeout);
}

void BonjourServiceResolver::startResolve(DNSServiceErrorType err, DNSServiceRef ref)
{
    creation.reset();
    resolveRef = ref;
    // Timed out meanwhile: the clean-up that is queued gives the reference back.
    if (answered)
        return;
    if (err != kDNSServiceErr_NoError) {
        timeoutTimer->stop();
        emitError(err);
        return;
    }

    int sockfd = DNSServiceRefSockFD(resolveRef);
    if (sockfd == -1) {
        // No reply could ever arrive: give the reference back, so the next request starts afresh.
        timeoutTimer->stop();
        DNSServiceRefDeallocate(resolveRef);
        resolveRef = nullptr;
        emitError(kDNSServiceErr_Invalid);
        return;
    }

    socketNotifier = new QSocketNotifier(sockfd, QSocketNotifier::Read, this);
    connect(socketNotifier, SIGNAL(activated(int)), this, SLOT(bonjourSocketReadyRead()));
}

void BonjourServiceResolver::bonjourSocketReadyRead()
{
    DNSServiceErrorType err = DNSServiceProcessResult(resolveRef);
    // A reference that cannot be read (the daemon has gone) would only fail again.
    if (err != kDNSServiceErr_NoError)
        failResolve(err);
}

void BonjourServiceResolver::cleanupResolve()
{
    if (!resolveRef && !creation)
        return;

    timeoutTimer->stop();
    if (creation) {
        creation->cancel();
        creation.reset();
    }
    if (lookupId != -1) {
        QHostInfo::abortHostLookup(lookupId);
        lookupId = -1;
    }
    // Off the event loop before the library closes the socket under it.
    if (socketNotifier)
        socketNotifier->setEnabled(false);
    if (resolveRef) {
        DNSServiceRefDeallocate(resolveRef);
        resolveRef = nullptr;
    }
    delete socketNotifier;
    socketNotifier = nullptr;
    port = -1;
    answered = false;
}

void BonjourServiceResolver::finishConnect(const QHostInfo &hostInfo)
{
    // Only the running request's look-up counts; one of an ended request is stale.
    if (answered || lookupId == -1 || hostInfo.lookupId() != lookupId)
        return;
    answered = true;
    timeoutTimer->stop();
    emit bonjourRecordResolved(hostInfo, port);
    // Not from inside the emission: a receiver may still be using what the resolve delivered.
    QMetaObject::invokeMethod(this, "cleanupResolve", Qt::QueuedConnection);
}

void BonjourServiceResolver::failResolve(DNSServiceErrorType err)
{
    if (answered || (!resolveRef && !creation))
        return;
    answered = true;
    timeoutTimer->stop();
    emitError(err);
    // Through the event loop, as after a result: this may run inside DNSServiceProcessResult.
    QMetaObject::invokeMethod(this, "cleanupResolve", Qt::QueuedConnection);
}

void BonjourServiceResolver::emitError(DNSServiceErrorType err)
{
    qWarning("resolve failed with error %d", int(err));
    emit error(err);
}

void BonjourServiceResolver::bonjourResolveReply(DNSServiceRef, DNSServiceFlags, uint32_t,
                                                 DNSServiceErrorType errorCode, const char *,
                                                 const char *hosttarget, uint16_t port, uint16_t,
                                                 const unsigned char *, void *context)
{
    BonjourServiceResolver *serviceResolver = static_cast<BonjourServiceResolver *>(context);
    // A speaker on several interfaces answers once per interface: the first answer counts.
    if (serviceResolver->answered || serviceResolver->lookupId != -1)
        return;
    if (errorCode != kDNSServiceErr_NoError) {
        // A speaker that has just left answers with an error and nothing more.
        serviceResolver->failResolve(errorCode);
        return;
    }

    // The reply carries the port in network byte order.
    serviceResolver->port = qFromBigEndian<quint16>(port);
    const QString hostName = hosttarget ? QString::fromUtf8(hosttarget) : QString();
    serviceResolver->lookupId =
        QHostInfo::lookupHost(hostName, serviceResolver, SLOT(finishConnect(const QHostInfo &)));
}
