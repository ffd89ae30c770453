#include "bonjourserviceresolver.h"

#include <QHostInfo>
#include <QSocketNotifier>
#include <QtDebug>
#include <QtEndian>

BonjourServiceResolver::BonjourServiceResolver(QObject *parent)
    : QObject(parent), resolveRef(nullptr), socketNotifier(nullptr), port(-1)
{
}

BonjourServiceResolver::~BonjourServiceResolver()
{
    cleanupResolve();
}

void BonjourServiceResolver::resolveBonjourRecord(const BonjourRecord &record)
{
    if (resolveRef) {
        qWarning("resolve in process, aborting");
        return;
    }

    qWarning("first call of resolveBonjourRecord");
    const QByteArray name = record.instanceName.toUtf8();
    const QByteArray regType = record.serviceType.toUtf8();
    const QByteArray domain = record.domain.toUtf8();
    DNSServiceErrorType err =
        DNSServiceResolve(&resolveRef, 0, 0, name.constData(), regType.constData(),
                          domain.constData(), bonjourResolveReply, this);
    if (err != kDNSServiceErr_NoError) {
        emit error(err);
        return;
    }

    int sockfd = DNSServiceRefSockFD(resolveRef);
    if (sockfd == -1) {
        // No reply can ever arrive; the reference is kept, so later requests stay refused.
        emit error(kDNSServiceErr_Invalid);
        return;
    }

    socketNotifier = new QSocketNotifier(sockfd, QSocketNotifier::Read, this);
    connect(socketNotifier, SIGNAL(activated(int)), this, SLOT(bonjourSocketReadyRead()));
}

void BonjourServiceResolver::bonjourSocketReadyRead()
{
    DNSServiceErrorType err = DNSServiceProcessResult(resolveRef);
    if (err != kDNSServiceErr_NoError)
        emit error(err);
}

void BonjourServiceResolver::cleanupResolve()
{
    if (!resolveRef)
        return;

    // Off the event loop before the library closes the socket under it.
    if (socketNotifier)
        socketNotifier->setEnabled(false);
    DNSServiceRefDeallocate(resolveRef);
    resolveRef = nullptr;
    delete socketNotifier;
    socketNotifier = nullptr;
    port = -1;
}

void BonjourServiceResolver::finishConnect(const QHostInfo &hostInfo)
{
    emit bonjourRecordResolved(hostInfo, port);
    // Not from inside the emission: a receiver may still be using what the resolve delivered.
    QMetaObject::invokeMethod(this, "cleanupResolve", Qt::QueuedConnection);
}

void BonjourServiceResolver::bonjourResolveReply(DNSServiceRef, DNSServiceFlags, uint32_t,
                                                 DNSServiceErrorType errorCode, const char *,
                                                 const char *hosttarget, uint16_t port, uint16_t,
                                                 const unsigned char *, void *context)
{
    BonjourServiceResolver *serviceResolver = static_cast<BonjourServiceResolver *>(context);
    if (errorCode != kDNSServiceErr_NoError) {
        emit serviceResolver->error(errorCode);
        // A speaker that has just left answers with an error and nothing more; end the resolve so
        // that the next request is not refused forever.
        QMetaObject::invokeMethod(serviceResolver, "cleanupResolve", Qt::QueuedConnection);
        return;
    }

    // The reply carries the port in network byte order.
    serviceResolver->port = qFromBigEndian<quint16>(port);
    const QString hostName = hosttarget ? QString::fromUtf8(hosttarget) : QString();
    QHostInfo::lookupHost(hostName, serviceResolver, SLOT(finishConnect(const QHostInfo &)));
}
