#include "bonjourserviceresolver.h"
#include "declaredmethods.h"
#include "fakednssd.h"
#include "messagelog.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QtTest>

#include <memory>

namespace {

const char *const fullName = "Kitchen._dockset._tcp.local.";

const QStringList started =
    MessageLog::warnings({ QStringLiteral("first call of resolveBonjourRecord") });
const QStringList refused =
    MessageLog::warnings({ QStringLiteral("resolve in process, aborting") });

BonjourRecord kitchen()
{
    return BonjourRecord("Kitchen", "_dockset._tcp.", "local.");
}

} // namespace

class tst_BonjourServiceResolver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void startPassesRecord();
    void resolvedPort_data();
    void resolvedPort();
    void failedLookupStillDelivers();
    void refusedWhileResolving();
    void idleAgainAfterResult();
    void errorReplyEndsResolve();
    void resolveCallFails();
    void withoutSocketStaysRefused();
    void failedProcessResultKeepsResolve();
    void cleanupWhenIdleChangesNothing();
    void destructionDeallocatesOnce();
    void metaObject();
};

void tst_BonjourServiceResolver::initTestCase()
{
    QVERIFY2(FakeDnssd::available(), "the fake libdns_sd.so.1 is not the loaded DNS-SD library");
    // Only for the spies: the error code is a plain integer type.
    qRegisterMetaType<DNSServiceErrorType>("DNSServiceErrorType");
    qRegisterMetaType<QHostInfo>();
}

void tst_BonjourServiceResolver::init()
{
    FakeDnssd::reset();
}

void tst_BonjourServiceResolver::startPassesRecord()
{
    MessageLog log;
    BonjourServiceResolver resolver(nullptr);
    QSignalSpy errorSpy(&resolver, SIGNAL(error(DNSServiceErrorType)));

    resolver.resolveBonjourRecord(
        BonjourRecord(QStringLiteral("K") + QChar(0xfc) + QStringLiteral("che"),
                      QStringLiteral("_dockset._tcp."), QStringLiteral("local.")));

    QCOMPARE(log.lines(), started);
    QCOMPARE(FakeDnssd::resolveCalls(), 1);
    QCOMPARE(FakeDnssd::lastResolveName(),
             QStringLiteral("K") + QChar(0xfc) + QStringLiteral("che"));
    QCOMPARE(FakeDnssd::lastResolveType(), QStringLiteral("_dockset._tcp."));
    QCOMPARE(FakeDnssd::lastResolveDomain(), QStringLiteral("local."));
    QCOMPARE(FakeDnssd::lastResolveFlags(), 0u);
    QCOMPARE(FakeDnssd::lastResolveInterface(), 0u);
    QCOMPARE(resolver.findChildren<QSocketNotifier *>().size(), 1);
    QCOMPARE(errorSpy.count(), 0);
}

void tst_BonjourServiceResolver::resolvedPort_data()
{
    QTest::addColumn<int>("portHi");
    QTest::addColumn<int>("portLo");
    QTest::addColumn<int>("port");

    QTest::newRow("8080") << 0x1F << 0x90 << 8080;
    QTest::newRow("80") << 0x00 << 0x50 << 80;
    QTest::newRow("highest") << 0xFF << 0xFF << 65535;
    QTest::newRow("high byte only") << 0x90 << 0x00 << 36864;
}

void tst_BonjourServiceResolver::resolvedPort()
{
    QFETCH(int, portHi);
    QFETCH(int, portLo);
    QFETCH(int, port);

    BonjourServiceResolver resolver(nullptr);
    QSignalSpy resolvedSpy(&resolver, SIGNAL(bonjourRecordResolved(QHostInfo, int)));
    resolver.resolveBonjourRecord(kitchen());
    QVERIFY(FakeDnssd::resolveReply(0, 0, fullName, "127.0.0.1", portHi, portLo));

    QTRY_COMPARE(resolvedSpy.count(), 1);
    const QHostInfo hostInfo = resolvedSpy.at(0).at(0).value<QHostInfo>();
    QCOMPARE(hostInfo.error(), QHostInfo::NoError);
    QVERIFY(!hostInfo.addresses().isEmpty());
    QCOMPARE(hostInfo.addresses().first(), QHostAddress(QHostAddress::LocalHost));
    QCOMPARE(resolvedSpy.at(0).at(1).toInt(), port);
}

void tst_BonjourServiceResolver::failedLookupStillDelivers()
{
    BonjourServiceResolver resolver(nullptr);
    QSignalSpy resolvedSpy(&resolver, SIGNAL(bonjourRecordResolved(QHostInfo, int)));
    resolver.resolveBonjourRecord(kitchen());
    // No host target: the look-up fails, and the receiver gets to see that.
    FakeDnssd::resolveReply(0, 0, fullName, nullptr, 0x1F, 0x90);

    QTRY_COMPARE(resolvedSpy.count(), 1);
    QVERIFY(resolvedSpy.at(0).at(0).value<QHostInfo>().error() != QHostInfo::NoError);
    QCOMPARE(resolvedSpy.at(0).at(1).toInt(), 8080);
    QTRY_COMPARE(FakeDnssd::deallocations(), 1);
}

void tst_BonjourServiceResolver::refusedWhileResolving()
{
    BonjourServiceResolver resolver(nullptr);
    QSignalSpy resolvedSpy(&resolver, SIGNAL(bonjourRecordResolved(QHostInfo, int)));
    QSignalSpy errorSpy(&resolver, SIGNAL(error(DNSServiceErrorType)));
    resolver.resolveBonjourRecord(kitchen());

    MessageLog log;
    resolver.resolveBonjourRecord(BonjourRecord("Attic", "_dockset._tcp.", "local."));
    QCOMPARE(log.lines(), refused);
    QCOMPARE(FakeDnssd::resolveCalls(), 1);
    QCOMPARE(FakeDnssd::lastResolveName(), QStringLiteral("Kitchen"));
    QCOMPARE(errorSpy.count(), 0);

    // The first resolve runs on untouched.
    FakeDnssd::resolveReply(0, 0, fullName, "127.0.0.1", 0x1F, 0x90);
    QTRY_COMPARE(resolvedSpy.count(), 1);
    QCOMPARE(resolvedSpy.at(0).at(1).toInt(), 8080);
}

void tst_BonjourServiceResolver::idleAgainAfterResult()
{
    BonjourServiceResolver resolver(nullptr);
    QStringList linesInSlot;
    int deallocationsInSlot = -1;
    int deallocationsAfterSlot = -1;
    {
        // A receiver that asks again from within its slot is refused: the resolve is still open.
        MessageLog log;
        connect(&resolver, &BonjourServiceResolver::bonjourRecordResolved, this,
                [&](const QHostInfo &, int) {
                    log.clear();
                    resolver.resolveBonjourRecord(kitchen());
                    linesInSlot = log.lines();
                    deallocationsInSlot = FakeDnssd::deallocations();
                    // Queued before the clean-up, so it runs before it.
                    QMetaObject::invokeMethod(
                        this, [&] { deallocationsAfterSlot = FakeDnssd::deallocations(); },
                        Qt::QueuedConnection);
                });
        resolver.resolveBonjourRecord(kitchen());
        FakeDnssd::resolveReply(0, 0, fullName, "localhost", 0x1F, 0x90);
        QTRY_COMPARE(deallocationsInSlot, 0);
        QCOMPARE(linesInSlot, refused);
    }

    // Back in the event loop the clean-up has run.
    QTRY_COMPARE(FakeDnssd::deallocations(), 1);
    QCOMPARE(deallocationsAfterSlot, 0);
    QCOMPARE(FakeDnssd::liveRefs(), 0);
    QVERIFY(resolver.findChildren<QSocketNotifier *>().isEmpty());

    disconnect(&resolver, nullptr, this, nullptr);
    MessageLog log;
    resolver.resolveBonjourRecord(kitchen());
    QCOMPARE(log.lines(), started);
    QCOMPARE(FakeDnssd::resolveCalls(), 2);
}

void tst_BonjourServiceResolver::errorReplyEndsResolve()
{
    BonjourServiceResolver resolver(nullptr);
    QSignalSpy resolvedSpy(&resolver, SIGNAL(bonjourRecordResolved(QHostInfo, int)));
    QSignalSpy errorSpy(&resolver, SIGNAL(error(DNSServiceErrorType)));
    resolver.resolveBonjourRecord(kitchen());

    // What Avahi sends after a few seconds for a speaker that has just left.
    MessageLog log;
    FakeDnssd::resolveReply(0, -65537, nullptr, nullptr, 0, 0);
    QTRY_COMPARE(errorSpy.count(), 1);
    QCOMPARE(errorSpy.at(0).at(0).value<DNSServiceErrorType>(), -65537);
    QTRY_COMPARE(FakeDnssd::deallocations(), 1);
    QVERIFY(resolver.findChildren<QSocketNotifier *>().isEmpty());
    QVERIFY(log.lines().isEmpty());

    // The next request starts afresh and succeeds.
    resolver.resolveBonjourRecord(kitchen());
    QCOMPARE(log.lines(), started);
    QCOMPARE(FakeDnssd::resolveCalls(), 2);
    FakeDnssd::resolveReply(0, 0, fullName, "127.0.0.1", 0x1F, 0x90);
    QTRY_COMPARE(resolvedSpy.count(), 1);
    QCOMPARE(resolvedSpy.at(0).at(1).toInt(), 8080);
    QCOMPARE(errorSpy.count(), 1);
}

void tst_BonjourServiceResolver::resolveCallFails()
{
    BonjourServiceResolver resolver(nullptr);
    QSignalSpy errorSpy(&resolver, SIGNAL(error(DNSServiceErrorType)));
    MessageLog log;

    FakeDnssd::failNextResolve(-65563);
    resolver.resolveBonjourRecord(kitchen());
    QCOMPARE(log.lines(), started);
    QCOMPARE(errorSpy.count(), 1);
    QCOMPARE(errorSpy.at(0).at(0).value<DNSServiceErrorType>(), -65563);
    QCOMPARE(FakeDnssd::liveRefs(), 0);

    log.clear();
    resolver.resolveBonjourRecord(kitchen());
    QCOMPARE(log.lines(), started);
    QCOMPARE(FakeDnssd::resolveCalls(), 2);
    QCOMPARE(errorSpy.count(), 1);
}

void tst_BonjourServiceResolver::withoutSocketStaysRefused()
{
    {
        BonjourServiceResolver resolver(nullptr);
        QSignalSpy errorSpy(&resolver, SIGNAL(error(DNSServiceErrorType)));
        MessageLog log;

        FakeDnssd::setNextWithoutSocket(true);
        resolver.resolveBonjourRecord(kitchen());
        QCOMPARE(errorSpy.count(), 1);
        QCOMPARE(errorSpy.at(0).at(0).value<DNSServiceErrorType>(), -65549);
        QVERIFY(resolver.findChildren<QSocketNotifier *>().isEmpty());

        QCoreApplication::processEvents();
        log.clear();
        resolver.resolveBonjourRecord(kitchen());
        QCOMPARE(log.lines(), refused);
        QCOMPARE(FakeDnssd::resolveCalls(), 1);
        QCOMPARE(FakeDnssd::deallocations(), 0);
    }
    QCOMPARE(FakeDnssd::deallocations(), 1);
    QCOMPARE(FakeDnssd::liveRefs(), 0);
}

void tst_BonjourServiceResolver::failedProcessResultKeepsResolve()
{
    BonjourServiceResolver resolver(nullptr);
    QSignalSpy resolvedSpy(&resolver, SIGNAL(bonjourRecordResolved(QHostInfo, int)));
    QSignalSpy errorSpy(&resolver, SIGNAL(error(DNSServiceErrorType)));
    resolver.resolveBonjourRecord(kitchen());

    FakeDnssd::failNextProcess(-65537);
    FakeDnssd::resolveReply(0, 0, fullName, "127.0.0.1", 0x1F, 0x90);
    QTRY_COMPARE(errorSpy.count(), 1);
    QCOMPARE(errorSpy.at(0).at(0).value<DNSServiceErrorType>(), -65537);
    QCoreApplication::processEvents();
    QCOMPARE(FakeDnssd::deallocations(), 0);

    FakeDnssd::resolveReply(0, 0, fullName, "127.0.0.1", 0x00, 0x50);
    QTRY_COMPARE(resolvedSpy.count(), 1);
    QCOMPARE(resolvedSpy.at(0).at(1).toInt(), 80);
}

void tst_BonjourServiceResolver::cleanupWhenIdleChangesNothing()
{
    BonjourServiceResolver resolver(nullptr);
    MessageLog log;
    QVERIFY(QMetaObject::invokeMethod(&resolver, "cleanupResolve"));
    QCOMPARE(FakeDnssd::deallocations(), 0);
    QVERIFY(log.lines().isEmpty());

    resolver.resolveBonjourRecord(kitchen());
    QCOMPARE(log.lines(), started);
}

void tst_BonjourServiceResolver::destructionDeallocatesOnce()
{
    auto resolver = std::make_unique<BonjourServiceResolver>(nullptr);
    QSignalSpy resolvedSpy(resolver.get(), SIGNAL(bonjourRecordResolved(QHostInfo, int)));
    resolver->resolveBonjourRecord(kitchen());
    const QList<QSocketNotifier *> notifiers = resolver->findChildren<QSocketNotifier *>();
    QCOMPARE(notifiers.size(), 1);
    QSignalSpy destroyedSpy(notifiers.first(), SIGNAL(destroyed(QObject *)));

    FakeDnssd::resolveReply(0, 0, fullName, "127.0.0.1", 0x1F, 0x90);
    resolver.reset();
    QCOMPARE(FakeDnssd::deallocations(), 1);
    QCOMPARE(FakeDnssd::liveRefs(), 0);
    QCOMPARE(destroyedSpy.count(), 1);

    QCoreApplication::processEvents();
    QCOMPARE(FakeDnssd::processCalls(), 0);
    QCOMPARE(resolvedSpy.count(), 0);
}

void tst_BonjourServiceResolver::metaObject()
{
    QCOMPARE(declaredMethods(BonjourServiceResolver::staticMetaObject),
             QStringList({ QStringLiteral("signal bonjourRecordResolved(QHostInfo,int)"),
                           QStringLiteral("signal error(DNSServiceErrorType)"),
                           QStringLiteral("private slot bonjourSocketReadyRead()"),
                           QStringLiteral("private slot cleanupResolve()"),
                           QStringLiteral("private slot finishConnect(QHostInfo)") }));
}

QTEST_GUILESS_MAIN(tst_BonjourServiceResolver)
#include "tst_bonjourserviceresolver.moc"
