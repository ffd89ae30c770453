#include "bonjourservicebrowser.h"
#include "declaredmethods.h"
#include "fakednssd.h"
#include "messagelog.h"

#include <QSignalSpy>
#include <QSocketNotifier>
#include <QtTest>

#include <memory>

namespace {

const char *const dockset = "_dockset._tcp.";
const char *const local = "local.";
const uint32_t add = kDNSServiceFlagsAdd;
const uint32_t moreComing = kDNSServiceFlagsMoreComing;

struct ScriptedReply
{
    uint32_t flags;
    const char *name;
    const char *domain;
};

} // namespace

Q_DECLARE_METATYPE(QVector<ScriptedReply>)

class tst_BonjourServiceBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void startBrowsesInLocal();
    void startFailures_data();
    void startFailures();
    void batchEmitsOnce();
    void listUpdates_data();
    void listUpdates();
    void failedReply_data();
    void failedReply();
    void nullAndUtf8Names();
    void destructionDeallocatesOnce();
    void secondBrowseReplacesFirst();
    void metaObject();

private:
    static QList<BonjourRecord> lastList(const QSignalSpy &spy)
    {
        return spy.last().at(0).value<QList<BonjourRecord>>();
    }
};

void tst_BonjourServiceBrowser::initTestCase()
{
    QVERIFY2(FakeDnssd::available(), "the fake libdns_sd.so.1 is not the loaded DNS-SD library");
    // Only for the spies: the error code is a plain integer type.
    qRegisterMetaType<DNSServiceErrorType>("DNSServiceErrorType");
}

void tst_BonjourServiceBrowser::init()
{
    FakeDnssd::reset();
}

void tst_BonjourServiceBrowser::startBrowsesInLocal()
{
    MessageLog log;
    BonjourServiceBrowser browser(nullptr);
    QSignalSpy listSpy(&browser, SIGNAL(currentBonjourRecordsChanged(QList<BonjourRecord>)));
    QSignalSpy errorSpy(&browser, SIGNAL(error(DNSServiceErrorType)));

    browser.browseForServiceType(QStringLiteral("_dockset._tcp"));

    QCOMPARE(log.lines(),
             MessageLog::warnings({ QStringLiteral("browseForServiceType()..."),
                                    QStringLiteral("DNSServiceBrowse() returned..."),
                                    QStringLiteral("browseForServiceType() success!") }));
    QCOMPARE(FakeDnssd::browseCalls(), 1);
    QCOMPARE(FakeDnssd::lastBrowseType(), QStringLiteral("_dockset._tcp"));
    QCOMPARE(FakeDnssd::lastBrowseDomain(), QStringLiteral("local."));
    QCOMPARE(FakeDnssd::lastBrowseFlags(), 0u);
    QCOMPARE(FakeDnssd::lastBrowseInterface(), 0u);
    QCOMPARE(browser.findChildren<QSocketNotifier *>().size(), 1);
    QCOMPARE(listSpy.count(), 0);
    QCOMPARE(errorSpy.count(), 0);
}

void tst_BonjourServiceBrowser::startFailures_data()
{
    QTest::addColumn<bool>("withoutSocket");
    QTest::addColumn<int>("browseError");
    QTest::addColumn<QString>("lastLine");
    QTest::addColumn<int>("expectedError");
    QTest::addColumn<int>("liveRefs");

    QTest::newRow("browse fails") << false << -65537 << "browseForServiceType() err1!" << -65537
                                  << 0;
    QTest::newRow("no socket") << true << 0 << "browseForServiceType() err2!" << -65549 << 1;
}

void tst_BonjourServiceBrowser::startFailures()
{
    QFETCH(bool, withoutSocket);
    QFETCH(int, browseError);
    QFETCH(QString, lastLine);
    QFETCH(int, expectedError);
    QFETCH(int, liveRefs);

    FakeDnssd::setNextWithoutSocket(withoutSocket);
    FakeDnssd::failNextBrowse(browseError);
    {
        MessageLog log;
        BonjourServiceBrowser browser(nullptr);
        QSignalSpy errorSpy(&browser, SIGNAL(error(DNSServiceErrorType)));
        QSignalSpy listSpy(&browser, SIGNAL(currentBonjourRecordsChanged(QList<BonjourRecord>)));

        browser.browseForServiceType(QStringLiteral("_dockset._tcp"));

        QCOMPARE(
            log.lines(),
            MessageLog::warnings({ QStringLiteral("browseForServiceType()..."),
                                   QStringLiteral("DNSServiceBrowse() returned..."), lastLine }));
        QCOMPARE(errorSpy.count(), 1);
        QCOMPARE(errorSpy.at(0).at(0).value<DNSServiceErrorType>(), expectedError);
        QVERIFY(browser.findChildren<QSocketNotifier *>().isEmpty());
        QCOMPARE(FakeDnssd::liveRefs(), liveRefs);

        // Replies to a reference without socket are never handled.
        FakeDnssd::browseReply(add, 0, "Kitchen", dockset, local);
        QCoreApplication::processEvents();
        QCOMPARE(FakeDnssd::processCalls(), 0);
        QCOMPARE(listSpy.count(), 0);
    }
    // A reference without socket is still given back when the browser goes.
    QCOMPARE(FakeDnssd::liveRefs(), 0);
    QCOMPARE(FakeDnssd::deallocations(), liveRefs);
}

void tst_BonjourServiceBrowser::batchEmitsOnce()
{
    BonjourServiceBrowser browser(nullptr);
    QSignalSpy listSpy(&browser, SIGNAL(currentBonjourRecordsChanged(QList<BonjourRecord>)));
    browser.browseForServiceType(QStringLiteral("_dockset._tcp"));

    MessageLog log;
    QVERIFY(FakeDnssd::browseReply(add | moreComing, 0, "Kitchen", dockset, local));
    QVERIFY(FakeDnssd::browseReply(add | moreComing, 0, "Bath", dockset, local));
    QVERIFY(FakeDnssd::browseReply(add, 0, "Attic", dockset, local));

    QTRY_COMPARE(FakeDnssd::processCalls(), 3);
    QCOMPARE(listSpy.count(), 1);
    const QList<BonjourRecord> expected = {
        BonjourRecord("Kitchen", dockset, local),
        BonjourRecord("Bath", dockset, local),
        BonjourRecord("Attic", dockset, local),
    };
    QCOMPARE(lastList(listSpy), expected);
    QCOMPARE(log.lines(),
             MessageLog::warnings({ QStringLiteral("bonjourBrowseReply()"),
                                    QStringLiteral("bonjourBrowseReply()"),
                                    QStringLiteral("bonjourBrowseReply()") }));
}

void tst_BonjourServiceBrowser::listUpdates_data()
{
    QTest::addColumn<QVector<ScriptedReply>>("replies");
    QTest::addColumn<QStringList>("expectedNames");
    QTest::addColumn<QStringList>("expectedDomains");

    QTest::newRow("duplicate add")
        << QVector<ScriptedReply> { { add, "Kitchen", local }, { add, "Kitchen", local } }
        << QStringList { "Kitchen" } << QStringList { "local." };
    QTest::newRow("unknown removal")
        << QVector<ScriptedReply> { { add, "Kitchen", local }, { 0, "Attic", local } }
        << QStringList { "Kitchen" } << QStringList { "local." };
    QTest::newRow("names differing in case")
        << QVector<ScriptedReply> { { add, "Kitchen", local }, { add, "kitchen", local } }
        << QStringList { "Kitchen", "kitchen" } << QStringList { "local.", "local." };
    QTest::newRow("removal keeps order")
        << QVector<ScriptedReply> { { add, "Kitchen", local },
                                    { add, "Bath", local },
                                    { add, "Attic", local },
                                    { 0, "Bath", local } }
        << QStringList { "Kitchen", "Attic" } << QStringList { "local.", "local." };
    QTest::newRow("removal needs all fields")
        << QVector<ScriptedReply> { { add, "Kitchen", local }, { 0, "Kitchen", "other." } }
        << QStringList { "Kitchen" } << QStringList { "local." };
    QTest::newRow("same name in two domains") << QVector<ScriptedReply> {
        { add, "Kitchen", local }, { add, "Kitchen", "other." }, { 0, "Kitchen", local }
    } << QStringList { "Kitchen" } << QStringList { "other." };
    QTest::newRow("removal of the last")
        << QVector<ScriptedReply> { { add, "Kitchen", local }, { 0, "Kitchen", local } }
        << QStringList() << QStringList();
}

void tst_BonjourServiceBrowser::listUpdates()
{
    QFETCH(QVector<ScriptedReply>, replies);
    QFETCH(QStringList, expectedNames);
    QFETCH(QStringList, expectedDomains);

    BonjourServiceBrowser browser(nullptr);
    QSignalSpy listSpy(&browser, SIGNAL(currentBonjourRecordsChanged(QList<BonjourRecord>)));
    browser.browseForServiceType(QStringLiteral("_dockset._tcp"));
    for (const ScriptedReply &reply : replies)
        QVERIFY(FakeDnssd::browseReply(reply.flags, 0, reply.name, dockset, reply.domain));

    // Every reply without "more coming" sends the list, changed or not.
    QTRY_COMPARE(listSpy.count(), replies.size());
    QList<BonjourRecord> expected;
    for (int i = 0; i < expectedNames.size(); ++i)
        expected.append(BonjourRecord(expectedNames.at(i), QString::fromLatin1(dockset),
                                      expectedDomains.at(i)));
    QCOMPARE(lastList(listSpy), expected);
}

void tst_BonjourServiceBrowser::failedReply_data()
{
    QTest::addColumn<bool>("processFails");
    QTest::addColumn<QStringList>("lines");

    // An error code in the reply, and a failure to read the reply at all.
    QTest::newRow("error reply") << false
                                 << MessageLog::warnings(
                                        { QStringLiteral("bonjourBrowseReply()") });
    QTest::newRow("failed process result") << true << QStringList();
}

void tst_BonjourServiceBrowser::failedReply()
{
    QFETCH(bool, processFails);
    QFETCH(QStringList, lines);

    BonjourServiceBrowser browser(nullptr);
    QSignalSpy listSpy(&browser, SIGNAL(currentBonjourRecordsChanged(QList<BonjourRecord>)));
    QSignalSpy errorSpy(&browser, SIGNAL(error(DNSServiceErrorType)));
    browser.browseForServiceType(QStringLiteral("_dockset._tcp"));
    FakeDnssd::browseReply(add, 0, "Kitchen", dockset, local);
    QTRY_COMPARE(listSpy.count(), 1);

    MessageLog log;
    if (processFails)
        FakeDnssd::failNextProcess(-65537);
    FakeDnssd::browseReply(add, processFails ? 0 : -65537, "Attic", dockset, local);
    QTRY_COMPARE(errorSpy.count(), 1);
    QCOMPARE(errorSpy.at(0).at(0).value<DNSServiceErrorType>(), -65537);
    QCOMPARE(listSpy.count(), 1);
    QCOMPARE(log.lines(), lines);

    // The failed reply left the list alone, and the browse goes on.
    FakeDnssd::browseReply(0, 0, "Nobody", dockset, local);
    QTRY_COMPARE(listSpy.count(), 2);
    QCOMPARE(lastList(listSpy), QList<BonjourRecord> { BonjourRecord("Kitchen", dockset, local) });
    QCOMPARE(errorSpy.count(), 1);
}

void tst_BonjourServiceBrowser::nullAndUtf8Names()
{
    BonjourServiceBrowser browser(nullptr);
    QSignalSpy listSpy(&browser, SIGNAL(currentBonjourRecordsChanged(QList<BonjourRecord>)));
    browser.browseForServiceType(QStringLiteral("_dockset._tcp"));
    FakeDnssd::browseReply(add | moreComing, 0, nullptr, dockset, local);
    FakeDnssd::browseReply(add, 0,
                           "K\xc3\xbc"
                           "che \xe2\x99\xab",
                           dockset, local);
    QTRY_COMPARE(listSpy.count(), 1);

    const QList<BonjourRecord> list = lastList(listSpy);
    QCOMPARE(list.size(), 2);
    QVERIFY(list.at(0).instanceName.isNull());
    QCOMPARE(list.at(0).serviceType, QStringLiteral("_dockset._tcp."));
    QCOMPARE(list.at(0).domain, QStringLiteral("local."));
    QCOMPARE(list.at(1).instanceName,
             QString(QStringLiteral("K") + QChar(0xfc) + QStringLiteral("che ") + QChar(0x266b)));
    QVERIFY(BonjourRecord(nullptr, dockset, local) == list.at(0));
}

void tst_BonjourServiceBrowser::destructionDeallocatesOnce()
{
    auto browser = std::make_unique<BonjourServiceBrowser>(nullptr);
    QSignalSpy listSpy(browser.get(), SIGNAL(currentBonjourRecordsChanged(QList<BonjourRecord>)));
    browser->browseForServiceType(QStringLiteral("_dockset._tcp"));
    QCOMPARE(FakeDnssd::liveRefs(), 1);

    // A reply is waiting on the socket when the browser goes.
    FakeDnssd::browseReply(add, 0, "Kitchen", dockset, local);
    MessageLog log;
    browser.reset();
    QCOMPARE(FakeDnssd::deallocations(), 1);
    QCOMPARE(FakeDnssd::liveRefs(), 0);

    QCoreApplication::processEvents();
    QCOMPARE(FakeDnssd::processCalls(), 0);
    QCOMPARE(listSpy.count(), 0);
    QVERIFY(log.lines().isEmpty());
}

void tst_BonjourServiceBrowser::secondBrowseReplacesFirst()
{
    BonjourServiceBrowser browser(nullptr);
    QSignalSpy listSpy(&browser, SIGNAL(currentBonjourRecordsChanged(QList<BonjourRecord>)));
    browser.browseForServiceType(QStringLiteral("_dockset._tcp"));
    FakeDnssd::browseReply(add, 0, "Kitchen", dockset, local);
    QTRY_COMPARE(listSpy.count(), 1);

    browser.browseForServiceType(QStringLiteral("_other._tcp"));
    QCOMPARE(FakeDnssd::browseCalls(), 2);
    QCOMPARE(FakeDnssd::deallocations(), 1);
    QCOMPARE(FakeDnssd::liveRefs(), 1);
    QCOMPARE(browser.findChildren<QSocketNotifier *>().size(), 1);

    FakeDnssd::browseReply(add, 0, "Shed", "_other._tcp.", local);
    QTRY_COMPARE(listSpy.count(), 2);
    QCOMPARE(lastList(listSpy),
             QList<BonjourRecord> { BonjourRecord("Shed", "_other._tcp.", local) });
}

void tst_BonjourServiceBrowser::metaObject()
{
    QCOMPARE(
        declaredMethods(BonjourServiceBrowser::staticMetaObject),
        QStringList({ QStringLiteral("signal currentBonjourRecordsChanged(QList<BonjourRecord>)"),
                      QStringLiteral("signal error(DNSServiceErrorType)"),
                      QStringLiteral("private slot bonjourSocketReadyRead()") }));

    // The record travels in item data and the list in signals, under these names.
    QVERIFY(QMetaType::type("BonjourRecord") != QMetaType::UnknownType);
    QCOMPARE(QMetaType::type("QList<BonjourRecord>"), qMetaTypeId<QList<BonjourRecord>>());
    const BonjourRecord record("Kitchen", dockset, local);
    QCOMPARE(QVariant::fromValue(record).value<BonjourRecord>(), record);
}

QTEST_GUILESS_MAIN(tst_BonjourServiceBrowser)
#include "tst_bonjourservicebrowser.moc"
