// One resolve request, then any sequence of resolve replies through the fake DNS-SD library:
// error replies, null and empty host names, odd ports, several replies before the resolver has
// cleaned up, replies between rounds of the event loop. The resolver must deliver at most one
// result for the request, and only a port that a reply carried (never -1).
//
// Host names stay on this machine: null, empty and "127.0.0.1" (found in /etc/hosts both ways), so
// that the host look-ups send nothing to the network.

#include "bonjourserviceresolver.h"
#include "fakednssd.h"
#include "fuzzsupport.h"

#include <QAbstractEventDispatcher>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QHostInfo>
#include <QTimer>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>

namespace {

const int MaxReplies = 8;
const int SettleTimeoutMs = 2000;
const char LocalHost[] = "127.0.0.1";
const char FullName[] = "VANTIR Ovix Kitchen._dockset._tcp.local.";

// Runs the event loop until it has had nothing to do for a few rounds in a row.
void settle()
{
    const QDeadlineTimer deadline(SettleTimeoutMs);
    int idleRounds = 0;
    while (idleRounds < 3 && !deadline.hasExpired()) {
        if (QAbstractEventDispatcher::instance()->processEvents(QEventLoop::AllEvents))
            idleRounds = 0;
        else
            ++idleRounds;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceMessages();
    FuzzSupport::createApplication();
    FuzzSupport::requireFakeDnssd(FakeDnssd::available());
    // Look the local address up once, so that later look-ups come from Qt's cache through the
    // event loop rather than from a thread.
    QEventLoop loop;
    QHostInfo::lookupHost(QString::fromLatin1(LocalHost), &loop, SLOT(quit()));
    QTimer::singleShot(10000, &loop, SLOT(quit()));
    loop.exec();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    FakeDnssd::reset();
    switch (input.ConsumeIntegral<uint8_t>() & 0xF) {
    case 1:
        FakeDnssd::failNextResolve(kDNSServiceErr_NoSuchName);
        break;
    case 2:
        FakeDnssd::setNextWithoutSocket(true);
        break;
    default:
        break;
    }

    std::set<int> portsSent;
    int results = 0;
    auto resolver = std::make_unique<BonjourServiceResolver>();
    QObject::connect(resolver.get(), &BonjourServiceResolver::bonjourRecordResolved,
                     [&](const QHostInfo &, int port) {
                         FUZZ_CHECK(++results <= 1);
                         FUZZ_CHECK(port != -1);
                         FUZZ_CHECK(portsSent.count(port) == 1);
                     });
    resolver->resolveBonjourRecord(BonjourRecord(QStringLiteral("VANTIR Ovix Kitchen"),
                                                 QStringLiteral("_dockset._tcp."),
                                                 QStringLiteral("local.")));

    for (int i = 0; i < MaxReplies && input.remaining_bytes() > 0; ++i) {
        const uint8_t kind = input.ConsumeIntegral<uint8_t>();
        const uint8_t portHi = input.ConsumeIntegral<uint8_t>();
        const uint8_t portLo = input.ConsumeIntegral<uint8_t>();
        const DNSServiceFlags flags = (kind & 1) ? kDNSServiceFlagsMoreComing : 0;
        const bool failed = (kind & 6) == 6;
        const DNSServiceErrorType err = failed ? kDNSServiceErr_Unknown : kDNSServiceErr_NoError;
        const char *host = nullptr;
        switch ((kind >> 3) & 3) {
        case 0:
            break;
        case 1:
            host = "";
            break;
        default:
            host = LocalHost;
        }
        const char *fullName = (kind & 0x20) ? nullptr : FullName;
        for (int round = 0; round < kind >> 6; ++round)
            QCoreApplication::processEvents();

        if (!failed)
            portsSent.insert(portHi << 8 | portLo);
        if (!FakeDnssd::resolveReply(flags, err, fullName, host, portHi, portLo))
            break; // the resolve has ended
    }
    settle();
    return 0;
}
