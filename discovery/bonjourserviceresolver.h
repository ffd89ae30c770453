#ifndef BONJOURSERVICERESOLVER_H
#define BONJOURSERVICERESOLVER_H

#include "bonjourrecord.h"
#include "dnssdapi.h"
#include "dnssdthread.h"

#include <QObject>

#include <chrono>
#include <memory>

class QHostInfo;
class QSocketNotifier;
class QTimer;

// Resolves a speaker's record to its host's addresses and its service port, one record at a time.
// Each request ends with exactly one signal: bonjourRecordResolved or error.
class BonjourServiceResolver : public QObject
{
    Q_OBJECT

public:
    // How long a request may take before it ends as failed (kDNSServiceErr_Timeout). Avahi
    // itself gives up a resolve after about 5 s; the host look-up comes on top.
    static constexpr std::chrono::milliseconds DefaultTimeout { 10000 };

    explicit BonjourServiceResolver(QObject *parent = nullptr,
                                    std::chrono::milliseconds timeout = DefaultTimeout);
    ~BonjourServiceResolver() override;

    void resolveBonjourRecord(const BonjourRecord &record);

signals:
    void bonjourRecordResolved(const QHostInfo &hostInfo, int port);
    void error(DNSServiceErrorType error);

private slots:
    void bonjourSocketReadyRead();
    void cleanupResolve();
    void finishConnect(const QHostInfo &hostInfo);

private:
    static void DNSSD_API bonjourResolveReply(DNSServiceRef, DNSServiceFlags flags,
                                              uint32_t interfaceIndex,
                                              DNSServiceErrorType errorCode, const char *fullname,
                                              const char *hosttarget, uint16_t port,
                                              uint16_t txtLen, const unsigned char *txtRecord,
                                              void *context);

    void startResolve(DNSServiceErrorType err, DNSServiceRef ref);
    void failResolve(DNSServiceErrorType err);
    void emitError(DNSServiceErrorType err);

    const std::chrono::milliseconds timeout;
    std::shared_ptr<DnssdThread::Creation> creation; // of resolveRef, while it is made
    DNSServiceRef resolveRef;
    QSocketNotifier *socketNotifier;
    int port;
    QTimer *timeoutTimer;
    int lookupId;  // of the request's one host look-up; -1 before it starts
    bool answered; // the request's signal is out, its clean-up queued
};

#endif // BONJOURSERVICERESOLVER_H
