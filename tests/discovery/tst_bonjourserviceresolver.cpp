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
QStringList failed(int error)
{
    return MessageLog::warnings({ QStringLiteral("resolve failed with error %1").arg(error) });
}
const QStringList refused =
    MessageLog::warnings({ QStringLiteral("resolve in process, aborting") });

BonjourRecord kitchen()
{
    return BonjourRecord("Kitchen", "_dockset._tcp.", "local.");
}

int firstError(const QSignalSpy &spy)
{
    return spy.isEmpty() ? 0 : spy.at(0).at(0).value<DNSServiceErrorType>();
}

} // namespace

class tst_BonjourServiceResolver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void resolve_data();
    void resolve();
    void idleAgainAfterResult();
    void failedRequest_data();
    void failedRequest();
    void oneResultPerRequest();
    void startFailures_data();
    void startFailures();
    void destructionDeallocatesOnce();
    void heldCreation_data();
    void heldCreation();
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

void tst_BonjourServiceResolver::resolve_data()
{
    QTest::addColumn<QByteArray>("host"); // null: no host target, the look-up fails
    QTest::addColumn<int>("portHi");
    QTest::addColumn<int>("portLo");
    QTest::addColumn<int>("port");

    QTest::newRow("8080") << QByteArray("127.0.0.1") << 0x1F << 0x90 << 8080;
    QTest::newRow("highest") << QByteArray("127.0.0.1") << 0xFF << 0xFF << 65535;
    QTest::newRow("high byte only") << QByteArray("127.0.0.1") << 0x90 << 0x00 << 36864;
    QTest::newRow("no host, still delivered") << QByteArray() << 0x1F << 0x90 << 8080;
}

// The record goes out unchanged, a second request meanwhile is refused, and the result comes
// back with the port read in network byte order.
void tst_BonjourServiceResolver::resolve()
{
    QFETCH(QByteArray, host);
    QFETCH(int, portHi);
    QFETCH(int, portLo);
    QFETCH(int, port);

    MessageLog log;
    BonjourServiceResolver resolver(nullptr);
    QSignalSpy resolvedSpy(&resolver, SIGNAL(bonjourRecordResolved(QHostInfo, int)));
    QSignalSpy errorSpy(&resolver, SIGNAL(error(DNSServiceErrorType)));
    const QString name = QLatin1String("K") + QChar(0xfc) + QLatin1String("che");
    resolver.resolveBonjourRecord(
        BonjourRecord(name, QStringLiteral("_dockset._tcp."), QStringLiteral("local.")));
    QCOMPARE(log.lines(), started);
    QCOMPARE(FakeDnssd::lastResolveName(), name);
    QCOMPARE(FakeDnssd::lastResolveType(), QStringLiteral("_dockset._tcp."));
    QCOMPARE(FakeDnssd::lastResolveDomain(), QStringLiteral("local."));
    QCOMPARE(FakeDnssd::lastResolveFlags(), 0u);
    QCOMPARE(FakeDnssd::lastResolveInterface(), 0u);
    QTRY_COMPARE(resolver.findChildren<QSocketNotifier *>().size(), 1);

    log.clear();
    resolver.resolveBonjourRecord(kitchen());
    QCOMPARE(log.lines(), refused);
    QCOMPARE(FakeDnssd::resolveCalls(), 1);
    QCOMPARE(FakeDnssd::lastResolveName(), name);

    QVERIFY(FakeDnssd::resolveReply(0, 0, fullName, host.isNull() ? nullptr : host.constData(),
                                    portHi, portLo));
    QTRY_COMPARE(resolvedSpy.count(), 1);
    const QHostInfo hostInfo = resolvedSpy.at(0).at(0).value<QHostInfo>();
    if (host.isNull()) {
        QVERIFY(hostInfo.error() != QHostInfo::NoError);
    } else {
        QCOMPARE(hostInfo.error(), QHostInfo::NoError);
        QCOMPARE(hostInfo.addresses().value(0), QHostAddress(QHostAddress::LocalHost));
    }
    QCOMPARE(resolvedSpy.at(0).at(1).toInt(), port);
    QTRY_COMPARE(FakeDnssd::deallocations(), 1);
    QCOMPARE(errorSpy.count(), 0);
}

void tst_BonjourServiceResolver::idleAgainAfterResult()
{
    BonjourServiceResolver resolver(nullptr);
    QStringList linesInSlot;
    int deallocationsInSlot = -1;
    {
        // A receiver that asks again from within its slot is refused: the resolve is still open.
        MessageLog log;
        connect(&resolver, &BonjourServiceResolver::bonjourRecordResolved, this, [&] {
            log.clear();
            resolver.resolveBonjourRecord(kitchen());
            linesInSlot = log.lines();
            deallocationsInSlot = FakeDnssd::deallocations();
        });
        resolver.resolveBonjourRecord(kitchen());
        FakeDnssd::resolveReply(0, 0, fullName, "localhost", 0x1F, 0x90);
        QTRY_COMPARE(deallocationsInSlot, 0);
        QCOMPARE(linesInSlot, refused);
    }

    // Back in the event loop the clean-up has run.
    QTRY_COMPARE(FakeDnssd::deallocations(), 1);
    QCOMPARE(FakeDnssd::liveRefs(), 0);
    QVERIFY(resolver.findChildren<QSocketNotifier *>().isEmpty());

    disconnect(&resolver, nullptr, this, nullptr);
    MessageLog log;
    resolver.resolveBonjourRecord(kitchen());
    QCOMPARE(log.lines(), started);
    QCOMPARE(FakeDnssd::resolveCalls(), 2);
}

void tst_BonjourServiceResolver::failedRequest_data()
{
    QTest::addColumn<int>("replyError"); // 0: no reply at all
    QTest::addColumn<bool>("processFails");
    QTest::addColumn<int>("error");

    // What Avahi sends for a speaker that has just left or when its daemon has gone, a reply that
    // could not be read, and a resolve that never answers (a host without address record).
    QTest::newRow("error reply") << -65537 << false << -65537;
    QTest::newRow("failed process result") << 0 << true << -65537;
    QTest::newRow("no answer") << 0 << false << -65568;
}

// Every failure ends the request once, and the next request starts afresh.
void tst_BonjourServiceResolver::failedRequest()
{
    QFETCH(int, replyError);
    QFETCH(bool, processFails);
    QFETCH(int, error);

    BonjourServiceResolver resolver(nullptr, std::chrono::milliseconds(100));
    QSignalSpy resolvedSpy(&resolver, SIGNAL(bonjourRecordResolved(QHostInfo, int)));
    QSignalSpy errorSpy(&resolver, SIGNAL(error(DNSServiceErrorType)));
    resolver.resolveBonjourRecord(kitchen());

    MessageLog log;
    if (processFails)
        FakeDnssd::failNextProcess(-65537);
    if (replyError || processFails)
        FakeDnssd::resolveReply(0, replyError, nullptr, nullptr, 0, 0);
    QTRY_COMPARE(errorSpy.count(), 1);
    QCOMPARE(firstError(errorSpy), error);
    QTRY_COMPARE(FakeDnssd::deallocations(), 1);
    QCOMPARE(FakeDnssd::processCalls(), replyError || processFails ? 1 : 0);
    QVERIFY(resolver.findChildren<QSocketNotifier *>().isEmpty());
    QCOMPARE(log.lines(), failed(error));
    log.clear();

    resolver.resolveBonjourRecord(kitchen());
    QCOMPARE(log.lines(), started);
    QCOMPARE(FakeDnssd::resolveCalls(), 2);
    FakeDnssd::resolveReply(0, 0, fullName, "127.0.0.1", 0x1F, 0x90);
    QTRY_COMPARE(resolvedSpy.count(), 1);
    QCOMPARE(resolvedSpy.at(0).at(1).toInt(), 8080);
    QCOMPARE(errorSpy.count(), 1);
}

// A speaker on two interfaces answers twice: the first answer is the result, with its own port.
void tst_BonjourServiceResolver::oneResultPerRequest()
{
    BonjourServiceResolver resolver(nullptr);
    QSignalSpy resolvedSpy(&resolver, SIGNAL(bonjourRecordResolved(QHostInfo, int)));
    resolver.resolveBonjourRecord(kitchen());
    FakeDnssd::resolveReply(0, 0, fullName, "127.0.0.1", 0x1F, 0x90);
    FakeDnssd::resolveReply(0, 0, fullName, "127.0.0.1", 0x23, 0x82);
    QTRY_COMPARE(FakeDnssd::deallocations(), 1);
    // Time for a second look-up to come back, had one been started.
    QTest::qWait(100);
    QCOMPARE(resolvedSpy.count(), 1);
    QCOMPARE(resolvedSpy.at(0).at(1).toInt(), 8080);
}

void tst_BonjourServiceResolver::startFailures_data()
{
    QTest::addColumn<bool>("withoutSocket");
    QTest::addColumn<int>("error");

    QTest::newRow("resolve call fails") << false << -65563;
    QTest::newRow("no socket") << true << -65549;
}

// A failed start leaves the resolver idle: nothing holds on to a reference.
void tst_BonjourServiceResolver::startFailures()
{
    QFETCH(bool, withoutSocket);
    QFETCH(int, error);

    FakeDnssd::setNextWithoutSocket(withoutSocket);
    if (!withoutSocket)
        FakeDnssd::failNextResolve(error);
    {
        BonjourServiceResolver resolver(nullptr);
        QSignalSpy errorSpy(&resolver, SIGNAL(error(DNSServiceErrorType)));
        QList<int> liveRefsAtError;
        connect(&resolver, &BonjourServiceResolver::error, this,
                [&] { liveRefsAtError.append(FakeDnssd::liveRefs()); });
        MessageLog log;
        resolver.resolveBonjourRecord(kitchen());
        QTRY_COMPARE(log.lines(), started + failed(error));
        QCOMPARE(errorSpy.count(), 1);
        QCOMPARE(firstError(errorSpy), error);
        QCOMPARE(liveRefsAtError, QList<int>({ 0 }));
        QVERIFY(resolver.findChildren<QSocketNotifier *>().isEmpty());

        log.clear();
        resolver.resolveBonjourRecord(kitchen());
        QCOMPARE(log.lines(), started);
        QCOMPARE(FakeDnssd::resolveCalls(), 2);
        QCOMPARE(FakeDnssd::liveRefs(), 1);
    }
    QCOMPARE(FakeDnssd::liveRefs(), 0);
}

void tst_BonjourServiceResolver::destructionDeallocatesOnce()
{
    auto resolver = std::make_unique<BonjourServiceResolver>(nullptr);
    QSignalSpy resolvedSpy(resolver.get(), SIGNAL(bonjourRecordResolved(QHostInfo, int)));
    resolver->resolveBonjourRecord(kitchen());

    // A reply is waiting on the socket when the resolver goes.
    FakeDnssd::resolveReply(0, 0, fullName, "127.0.0.1", 0x1F, 0x90);
    resolver.reset();
    QCOMPARE(FakeDnssd::deallocations(), 1);
    QCOMPARE(FakeDnssd::liveRefs(), 0);

    QCoreApplication::processEvents();
    QCOMPARE(FakeDnssd::processCalls(), 0);
    QCOMPARE(resolvedSpy.count(), 0);
}

void tst_BonjourServiceResolver::heldCreation_data()
{
    QTest::addColumn<bool>("deleted");

    QTest::newRow("timed out") << false;
    QTest::newRow("deleted meanwhile") << true;
}

// A daemon that does not answer holds the call that makes the reference, not the caller: the
// request ends at its time-out, and the reference made after all is given back.
void tst_BonjourServiceResolver::heldCreation()
{
    QFETCH(bool, deleted);

    FakeDnssd::holdCreation(true);
    auto resolver =
        std::make_unique<BonjourServiceResolver>(nullptr, std::chrono::milliseconds(100));
    QSignalSpy errorSpy(resolver.get(), SIGNAL(error(DNSServiceErrorType)));
    MessageLog log;
    resolver->resolveBonjourRecord(kitchen());
    QTRY_COMPARE(FakeDnssd::resolveCalls(), 1);
    QCOMPARE(FakeDnssd::liveRefs(), 0);
    if (deleted) {
        resolver.reset();
    } else {
        QTRY_COMPARE(errorSpy.count(), 1);
        QCOMPARE(firstError(errorSpy), -65568);
        QCOMPARE(log.lines(), started + failed(-65568));
    }

    FakeDnssd::holdCreation(false);
    QTRY_COMPARE(FakeDnssd::deallocations(), 1);
    QCOMPARE(FakeDnssd::liveRefs(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(errorSpy.count(), deleted ? 0 : 1);
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
