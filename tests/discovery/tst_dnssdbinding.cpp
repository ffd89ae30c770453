#include "bonjourservicebrowser.h"
#include "dnssdapi.h"
#include "dnssdbinding.h"
#include "fakeplatform.h"
#include "messagelog.h"

#include <QSignalSpy>
#include <QSocketNotifier>
#include <QtTest>

#include <algorithm>
#include <functional>

using Call = std::function<qint64()>;
Q_DECLARE_METATYPE(Call)

namespace {

// What the binding had done by the time an ordinary static constructor ran.
struct StartupProbe
{
    StartupProbe() : bound(dnssdLibrary != nullptr), loads(FakePlatform::state().loadCalls) { }
    bool bound;
    int loads;
} startupProbe;

DNSServiceRef marker()
{
    static int something;
    return reinterpret_cast<DNSServiceRef>(&something);
}

// Calls made while no library is bound clear the cached addresses, so every test starts from
// empty slots for the entry points that the stand-in knows.
void forgetEntryPoints()
{
    DNSServiceRef ref = nullptr;
    DNSServiceRefSockFD(nullptr);
    DNSServiceProcessResult(nullptr);
    DNSServiceBrowse(&ref, 0, 0, "", "", nullptr, nullptr);
    TXTRecordGetCount(0, nullptr);
}

void restart(bool libraryPresent, std::set<std::string> missing = {})
{
    releaseDnssdLibrary();
    forgetEntryPoints();
    FakePlatform::state() = FakePlatform::State();
    FakePlatform::state().libraryPresent = libraryPresent;
    FakePlatform::state().missingEntryPoints = std::move(missing);
    loadDnssdLibrary();
}

int timesResolved(const char *name)
{
    const std::vector<std::string> &resolved = FakePlatform::state().resolved;
    return static_cast<int>(std::count(resolved.begin(), resolved.end(), name));
}

} // namespace

class tst_DnssdBinding : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void loadedBeforeStaticConstructors();
    void withoutLibrary_data();
    void withoutLibrary();
    void forwardsAndCaches();
    void missingEntryPointAskedAgain();
    void callAfterRelease();
    void browserWithoutLibrary();
};

void tst_DnssdBinding::initTestCase()
{
    qRegisterMetaType<DNSServiceErrorType>("DNSServiceErrorType");
}

void tst_DnssdBinding::cleanupTestCase()
{
    restart(true);
}

void tst_DnssdBinding::loadedBeforeStaticConstructors()
{
    QVERIFY(startupProbe.bound);
    QCOMPARE(startupProbe.loads, 1);
    QVERIFY(dnssdLibrary);
    QCOMPARE(dnssdLibrary->handle, FakePlatform::dummyHandle());
}

void tst_DnssdBinding::withoutLibrary_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<qint64>("expected");

    const qint64 notRunning = -65563;
    const char *const s = "x";
    DNSServiceRef ref = nullptr;
    DNSServiceRef *refOut = nullptr;
    DNSRecordRef *recordOut = nullptr;
    TXTRecordRef *txt = nullptr;

    // clang-format off
    QTest::newRow("DNSServiceRefSockFD") << Call([=] { return qint64(DNSServiceRefSockFD(ref)); }) << qint64(-1);
    QTest::newRow("DNSServiceProcessResult") << Call([=] { return qint64(DNSServiceProcessResult(ref)); }) << notRunning;
    QTest::newRow("DNSServiceRefDeallocate") << Call([=] { DNSServiceRefDeallocate(ref); return qint64(0); }) << qint64(0);
    QTest::newRow("DNSServiceEnumerateDomains") << Call([=] { return qint64(DNSServiceEnumerateDomains(refOut, 0, 0, nullptr, nullptr)); }) << notRunning;
    QTest::newRow("DNSServiceRegister") << Call([=] { return qint64(DNSServiceRegister(refOut, 0, 0, s, s, s, s, 0, 0, nullptr, nullptr, nullptr)); }) << notRunning;
    QTest::newRow("DNSServiceAddRecord") << Call([=] { return qint64(DNSServiceAddRecord(ref, recordOut, 0, 0, 0, nullptr, 0)); }) << notRunning;
    QTest::newRow("DNSServiceUpdateRecord") << Call([=] { return qint64(DNSServiceUpdateRecord(ref, nullptr, 0, 0, nullptr, 0)); }) << notRunning;
    QTest::newRow("DNSServiceRemoveRecord") << Call([=] { return qint64(DNSServiceRemoveRecord(ref, nullptr, 0)); }) << notRunning;
    QTest::newRow("DNSServiceBrowse") << Call([=] { return qint64(DNSServiceBrowse(refOut, 0, 0, s, s, nullptr, nullptr)); }) << notRunning;
    QTest::newRow("DNSServiceResolve") << Call([=] { return qint64(DNSServiceResolve(refOut, 0, 0, s, s, s, nullptr, nullptr)); }) << notRunning;
    QTest::newRow("DNSServiceConstructFullName") << Call([=] { return qint64(DNSServiceConstructFullName(nullptr, s, s, s)); }) << notRunning;
    QTest::newRow("DNSServiceCreateConnection") << Call([=] { return qint64(DNSServiceCreateConnection(refOut)); }) << notRunning;
    QTest::newRow("DNSServiceRegisterRecord") << Call([=] { return qint64(DNSServiceRegisterRecord(ref, recordOut, 0, 0, s, 0, 0, 0, nullptr, 0, nullptr, nullptr)); }) << notRunning;
    QTest::newRow("DNSServiceQueryRecord") << Call([=] { return qint64(DNSServiceQueryRecord(refOut, 0, 0, s, 0, 0, nullptr, nullptr)); }) << notRunning;
    QTest::newRow("DNSServiceReconfirmRecord") << Call([=] { return qint64(DNSServiceReconfirmRecord(0, 0, s, 0, 0, 0, nullptr)); }) << notRunning;
    QTest::newRow("DNSServiceNATPortMappingCreate") << Call([=] { return qint64(DNSServiceNATPortMappingCreate(refOut, 0, 0, 0, 0, 0, 0, nullptr, nullptr)); }) << notRunning;
    QTest::newRow("DNSServiceGetAddrInfo") << Call([=] { return qint64(DNSServiceGetAddrInfo(refOut, 0, 0, 0, s, nullptr, nullptr)); }) << notRunning;
    QTest::newRow("DNSServiceGetProperty") << Call([=] { return qint64(DNSServiceGetProperty(s, nullptr, nullptr)); }) << notRunning;
    QTest::newRow("TXTRecordCreate") << Call([=] { TXTRecordCreate(txt, 0, nullptr); return qint64(0); }) << qint64(0);
    QTest::newRow("TXTRecordDeallocate") << Call([=] { TXTRecordDeallocate(txt); return qint64(0); }) << qint64(0);
    QTest::newRow("TXTRecordSetValue") << Call([=] { return qint64(TXTRecordSetValue(txt, s, 0, nullptr)); }) << notRunning;
    QTest::newRow("TXTRecordRemoveValue") << Call([=] { return qint64(TXTRecordRemoveValue(txt, s)); }) << notRunning;
    QTest::newRow("TXTRecordContainsKey") << Call([=] { return qint64(TXTRecordContainsKey(0, nullptr, s)); }) << qint64(0);
    QTest::newRow("TXTRecordGetCount") << Call([=] { return qint64(TXTRecordGetCount(5, nullptr)); }) << qint64(0);
    QTest::newRow("TXTRecordGetLength") << Call([=] { return qint64(TXTRecordGetLength(txt)); }) << qint64(0);
    QTest::newRow("TXTRecordGetBytesPtr") << Call([=] { return qint64(TXTRecordGetBytesPtr(txt) != nullptr); }) << qint64(0);
    QTest::newRow("TXTRecordGetValuePtr") << Call([=] { return qint64(TXTRecordGetValuePtr(0, nullptr, s, nullptr) != nullptr); }) << qint64(0);
    QTest::newRow("TXTRecordGetItemAtIndex") << Call([=] { return qint64(TXTRecordGetItemAtIndex(0, nullptr, 0, 0, nullptr, nullptr, nullptr)); }) << notRunning;
    // clang-format on
}

void tst_DnssdBinding::withoutLibrary()
{
    QFETCH(Call, call);
    QFETCH(qint64, expected);

    restart(false);
    QVERIFY(dnssdLibrary);
    QVERIFY(!dnssdLibrary->handle);
    QCOMPARE(call(), expected);
    QCOMPARE(call(), expected);
    QVERIFY(FakePlatform::state().resolved.empty());

    releaseDnssdLibrary();
    QCOMPARE(FakePlatform::state().freeCalls, 0);
    QVERIFY(!dnssdLibrary);
}

void tst_DnssdBinding::forwardsAndCaches()
{
    restart(true);
    QCOMPARE(DNSServiceRefSockFD(nullptr), 42);
    QCOMPARE(DNSServiceRefSockFD(nullptr), 42);
    QCOMPARE(timesResolved("DNSServiceRefSockFD"), 1);
    QCOMPARE(DNSServiceProcessResult(nullptr), 7);

    // Arguments and results pass through unchanged.
    DNSServiceRef ref = nullptr;
    QCOMPARE(DNSServiceBrowse(&ref, 0, 0, "_dockset._tcp", "local.", nullptr, marker()), 0);
    QCOMPARE(ref, marker());
    QCOMPARE(DNSServiceBrowse(&ref, 0, 0, "_other._tcp", "local.", nullptr, nullptr), -65540);
    QCOMPARE(TXTRecordGetCount(5, nullptr), uint16_t(6));
    QCOMPARE(timesResolved("DNSServiceBrowse"), 1);
}

void tst_DnssdBinding::missingEntryPointAskedAgain()
{
    restart(true, { "DNSServiceBrowse" });
    DNSServiceRef ref = marker();
    QCOMPARE(DNSServiceBrowse(&ref, 0, 0, "_dockset._tcp", "local.", nullptr, nullptr), -65563);
    QCOMPARE(DNSServiceBrowse(&ref, 0, 0, "_dockset._tcp", "local.", nullptr, nullptr), -65563);
    QCOMPARE(ref, marker());
    QCOMPARE(timesResolved("DNSServiceBrowse"), 2);

    // The other entry points are not affected.
    QCOMPARE(DNSServiceRefSockFD(nullptr), 42);
    QCOMPARE(TXTRecordGetCount(1, nullptr), uint16_t(2));
}

void tst_DnssdBinding::callAfterRelease()
{
    restart(true);
    QCOMPARE(DNSServiceRefSockFD(nullptr), 42);
    QCOMPARE(timesResolved("DNSServiceRefSockFD"), 1);

    releaseDnssdLibrary();
    QVERIFY(!dnssdLibrary);
    QCOMPARE(FakePlatform::state().freeCalls, 1);
    releaseDnssdLibrary();
    QCOMPARE(FakePlatform::state().freeCalls, 1);

    QCOMPARE(DNSServiceRefSockFD(nullptr), -1);
    QCOMPARE(DNSServiceProcessResult(nullptr), -65563);
    QCOMPARE(timesResolved("DNSServiceRefSockFD"), 1);

    // The call after the release forgot the old address, so a new library is asked afresh.
    loadDnssdLibrary();
    QCOMPARE(FakePlatform::state().loadCalls, 2);
    QCOMPARE(DNSServiceRefSockFD(nullptr), 42);
    QCOMPARE(timesResolved("DNSServiceRefSockFD"), 2);
}

void tst_DnssdBinding::browserWithoutLibrary()
{
    restart(false);
    MessageLog log;
    BonjourServiceBrowser browser(nullptr);
    QSignalSpy errorSpy(&browser, SIGNAL(error(DNSServiceErrorType)));

    browser.browseForServiceType(QStringLiteral("_dockset._tcp"));

    QTRY_COMPARE(log.lines(),
             MessageLog::warnings({ QStringLiteral("browseForServiceType()..."),
                                    QStringLiteral("DNSServiceBrowse() returned..."),
                                    QStringLiteral("browseForServiceType() err1!") }));
    QCOMPARE(errorSpy.count(), 1);
    QCOMPARE(errorSpy.at(0).at(0).value<DNSServiceErrorType>(), -65563);
    QVERIFY(browser.findChildren<QSocketNotifier *>().isEmpty());
}

QTEST_GUILESS_MAIN(tst_DnssdBinding)
#include "tst_dnssdbinding.moc"
