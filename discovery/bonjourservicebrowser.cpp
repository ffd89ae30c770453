#include "bonjourservicebrowser.h"

#include <QSocketNotifier>
#include <QtDebug>

BonjourServiceBrowser::BonjourServiceBrowser(QObject *parent)
    : QObject(parent), browseRef(nullptr), socketNotifier(nullptr)
{
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
    // A second browse replaces the first; its speakers will be announced again.
    if (browseRef) {
        stopBrowse();
        records.clear();
    }

    qWarning("browseForServiceType()...");
    const QByteArray regType = type.toUtf8();
    DNSServiceErrorType err =
        DNSServiceBrowse(&browseRef, 0, 0, regType.constData(), "local.", bonjourBrowseReply, this);
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
}

void BonjourServiceBrowser::bonjourSocketReadyRead()
{
    DNSServiceErrorType err = DNSServiceProcessResult(browseRef);
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
        emit serviceBrowser->error(errorCode);
        return;
    }

    // The interface is not part of the record: a speaker seen on two interfaces is one entry.
    BonjourRecord bonjourRecord(serviceName, regtype, replyDomain);
    if (flags & kDNSServiceFlagsAdd) {
        if (!serviceBrowser->records.contains(bonjourRecord))
            serviceBrowser->records.append(bonjourRecord);
    } else {
        serviceBrowser->records.removeAll(bonjourRecord);
    }
    // Hold the list back until the last reply of a batch, so the page is rebuilt once.
    if (!(flags & kDNSServiceFlagsMoreComing))
        emit serviceBrowser->currentBonjourRecordsChanged(serviceBrowser->records);
}

void BonjourServiceBrowser::stopBrowse()
{
    // Off the event loop before the library closes the socket under it.
    if (socketNotifier)
        socketNotifier->setEnabled(false);
    if (browseRef) {
        DNSServiceRefDeallocate(browseRef);
        browseRef = nullptr;
    }
    delete socketNotifier;
    socketNotifier = nullptr;
}
