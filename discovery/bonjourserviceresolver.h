#ifndef BONJOURSERVICERESOLVER_H
#define BONJOURSERVICERESOLVER_H

#include "bonjourrecord.h"
#include "dnssdapi.h"

#include <QObject>

class QHostInfo;
class QSocketNotifier;

// Resolves a speaker's record to its host's addresses and its service port, one record at a time.
class BonjourServiceResolver : public QObject
{
    Q_OBJECT

public:
    explicit BonjourServiceResolver(QObject *parent = nullptr);
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

    DNSServiceRef resolveRef;
    QSocketNotifier *socketNotifier;
    int port;
};

#endif // BONJOURSERVICERESOLVER_H
