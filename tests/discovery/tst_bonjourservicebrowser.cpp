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
    uint32_t interfaceIndex = 0;
};

BonjourRecord record(const QString &name, const char *domain = local)
{
    return BonjourRecord(name, QString::fromLatin1(dockset), QString::fromLatin1(domain));
}

} // namespace

Q_DECLARE_METATYPE(QVector<ScriptedReply>)

class tst_BonjourServiceBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void start_data();
    void start();
    void listUpdates_data();
    void listUpdates();
    void failedReply_data();
    void failedReply();
    void newBrowseSettles();
    void destructionDeallocatesOnce();
    void heldCreation_data();
    void heldCreation();
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

void tst_BonjourServiceBrowser::start_data()
{
    QTest::addColumn<bool>("withoutSocket");
    QTest::addColumn<int>("browseError");
    QTest::addColumn<QString>("lastLine");
    QTest::addColumn<int>("error"); // 0: none
    QTest::addColumn<int>("liveRefs");

    QTest::newRow("browsing") << false << 0 << "browseForServiceType() success!" << 0 << 1;
    QTest::newRow("browse fails") << false << -65537 << "browseForServiceType() err1!" << -65537
                                  << 0;
    QTest::newRow("no socket") << true << 0 << "browseForServiceType() err2!" << -65549 << 1;
}

void tst_BonjourServiceBrowser::start()
{
    QFETCH(bool, withoutSocket);
    QFETCH(int, browseError);
    QFETCH(QString, lastLine);
    QFETCH(int, error);
    QFETCH(int, liveRefs);

    FakeDnssd::setNextWithoutSocket(withoutSocket);
    if (browseError)
        FakeDnssd::failNextBrowse(browseError);
    {
        MessageLog log;
        BonjourServiceBrowser browser(nullptr);
        QSignalSpy errorSpy(&browser, SIGNAL(error(DNSServiceErrorType)));
        QSignalSpy listSpy(&browser, SIGNAL(currentBonjourRecordsChanged(QList<BonjourRecord>)));

        browser.browseForServiceType(QStringLiteral("_dockset._tcp"));

        QTRY_COMPARE(
            log.lines(),
            MessageLog::warnings({ QStringLiteral("browseForServiceType()..."),
                                   QStringLiteral("DNSServiceBrowse() returned..."), lastLine }));
        QCOMPARE(FakeDnssd::browseCalls(), 1);
        QCOMPARE(FakeDnssd::lastBrowseType(), QStringLiteral("_dockset._tcp"));
        QCOMPARE(FakeDnssd::lastBrowseDomain(), QStringLiteral("local."));
        QCOMPARE(FakeDnssd::lastBrowseFlags(), 0u);
        QCOMPARE(FakeDnssd::lastBrowseInterface(), 0u);
        QCOMPARE(errorSpy.count(), error ? 1 : 0);
        if (error)
            QCOMPARE(errorSpy.at(0).at(0).value<DNSServiceErrorType>(), error);
        QCOMPARE(browser.findChildren<QSocketNotifier *>().size(), error ? 0 : 1);
        QCOMPARE(FakeDnssd::liveRefs(), liveRefs);

        // A failed start never handles a reply.
        if (error) {
            FakeDnssd::browseReply(add, 0, "Kitchen", dockset, local);
            QCoreApplication::processEvents();
            QCOMPARE(FakeDnssd::processCalls(), 0);
            QCOMPARE(listSpy.count(), 0);
        }
    }
    // Even a reference without socket is given back when the browser goes.
    QCOMPARE(FakeDnssd::liveRefs(), 0);
    QCOMPARE(FakeDnssd::deallocations(), liveRefs);
}

void tst_BonjourServiceBrowser::listUpdates_data()
{
    QTest::addColumn<QVector<ScriptedReply>>("replies");
    QTest::addColumn<QList<BonjourRecord>>("records"); // in the last list sent

    QTest::newRow("batch sent once, in order")
        << QVector<ScriptedReply> { { add | moreComing, "Kitchen", local },
                                    { add | moreComing, "Bath", local },
                                    { add, "Attic", local } }
        << QList<BonjourRecord> { record("Kitchen"), record("Bath"), record("Attic") };
    QTest::newRow("duplicate add")
        << QVector<ScriptedReply> { { add, "Kitchen", local }, { add, "Kitchen", local } }
        << QList<BonjourRecord> { record("Kitchen") };
    QTest::newRow("unknown removal")
        << QVector<ScriptedReply> { { add, "Kitchen", local }, { 0, "Attic", local } }
        << QList<BonjourRecord> { record("Kitchen") };
    QTest::newRow("names differing in case")
        << QVector<ScriptedReply> { { add, "Kitchen", local }, { add, "kitchen", local } }
        << QList<BonjourRecord> { record("Kitchen"), record("kitchen") };
    QTest::newRow("removal keeps order")
        << QVector<ScriptedReply> { { add | moreComing, "Kitchen", local },
                                    { add | moreComing, "Bath", local },
                                    { add, "Attic", local },
                                    { 0, "Bath", local } }
        << QList<BonjourRecord> { record("Kitchen"), record("Attic") };
    QTest::newRow("same name in two domains") << QVector<ScriptedReply> {
        { add, "Kitchen", local }, { add, "Kitchen", "other." }, { 0, "Kitchen", local }
    } << QList<BonjourRecord> { record("Kitchen", "other.") };
    QTest::newRow("removal of the last")
        << QVector<ScriptedReply> { { add, "Kitchen", local }, { 0, "Kitchen", local } }
        << QList<BonjourRecord>();
    // Avahi announces and withdraws a speaker once per interface and IP protocol.
    QTest::newRow("two interfaces, one withdrawn")
        << QVector<ScriptedReply> { { add, "Kitchen", local, 1 },
                                    { add, "Bath", local, 1 },
                                    { add, "Kitchen", local, 3 },
                                    { 0, "Kitchen", local, 1 } }
        << QList<BonjourRecord> { record("Kitchen"), record("Bath") };
    QTest::newRow("two interfaces, both withdrawn")
        << QVector<ScriptedReply> { { add, "Kitchen", local, 1 },
                                    { add, "Kitchen", local, 3 },
                                    { 0, "Kitchen", local, 3 },
                                    { add, "Bath", local, 1 },
                                    { 0, "Kitchen", local, 1 } }
        << QList<BonjourRecord> { record("Bath") };
    QTest::newRow("null and UTF-8 names")
        << QVector<ScriptedReply> { { add | moreComing, nullptr, local },
                                    { add,
                                      "K\xc3\xbc"
                                      "che \xe2\x99\xab",
                                      local } }
        << QList<BonjourRecord> { record(QString()),
                                  record(QLatin1String("K") + QChar(0xfc) + QLatin1String("che ") +
                                         QChar(0x266b)) };
}

void tst_BonjourServiceBrowser::listUpdates()
{
    QFETCH(QVector<ScriptedReply>, replies);
    QFETCH(QList<BonjourRecord>, records);

    // One reply at a time: every reply without "more coming" sends the list, changed or not.
    {
        BonjourServiceBrowser browser(nullptr);
        QSignalSpy listSpy(&browser, SIGNAL(currentBonjourRecordsChanged(QList<BonjourRecord>)));
        browser.browseForServiceType(QStringLiteral("_dockset._tcp"));
        QTRY_COMPARE(browser.findChildren<QSocketNotifier *>().size(), 1);
        MessageLog log;
        int lists = 0;
        for (const ScriptedReply &reply : replies) {
            QVERIFY(FakeDnssd::browseReplyOn(reply.interfaceIndex, reply.flags, 0, reply.name,
                                             dockset, reply.domain));
            QTRY_COMPARE(FakeDnssd::processCalls(), int(&reply - replies.constData()) + 1);
            lists += (reply.flags & moreComing) ? 0 : 1;
            QCOMPARE(listSpy.count(), lists);
        }
        QCOMPARE(lastList(listSpy), records);
        for (int i = 0; i < records.size(); ++i)
            QCOMPARE(lastList(listSpy).at(i).instanceName.isNull(),
                     records.at(i).instanceName.isNull());
        QCOMPARE(log.lines(),
                 QVector<QString>(replies.size(), QStringLiteral("warning: bonjourBrowseReply()"))
                     .toList());
    }

    // All waiting on the socket at once: one list, the same as at the end of the above.
    FakeDnssd::reset();
    BonjourServiceBrowser browser(nullptr);
    QSignalSpy listSpy(&browser, SIGNAL(currentBonjourRecordsChanged(QList<BonjourRecord>)));
    browser.browseForServiceType(QStringLiteral("_dockset._tcp"));
    for (const ScriptedReply &reply : replies)
        QVERIFY(FakeDnssd::browseReplyOn(reply.interfaceIndex, reply.flags, 0, reply.name, dockset,
                                         reply.domain));
    QTRY_COMPARE(FakeDnssd::processCalls(), replies.size());
    QCOMPARE(listSpy.count(), (replies.constLast().flags & moreComing) ? 0 : 1);
    if (!listSpy.isEmpty())
        QCOMPARE(lastList(listSpy), records);
}

void tst_BonjourServiceBrowser::failedReply_data()
{
    QTest::addColumn<bool>("processFails");
    QTest::addColumn<QStringList>("lines");

    // An error code in the reply (how Avahi reports that its daemon has gone), and a failure to
    // read the reply at all: either way the reference is dead and given back.
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
    QTRY_VERIFY(browser.findChildren<QSocketNotifier *>().isEmpty());
    QCOMPARE(FakeDnssd::liveRefs(), 0);

    log.clear();
    browser.browseForServiceType(QStringLiteral("_dockset._tcp"));
    QTRY_COMPARE(log.lines().value(2), QStringLiteral("warning: browseForServiceType() success!"));
    QCOMPARE(FakeDnssd::liveRefs(), 1);
    QCOMPARE(errorSpy.count(), 1);
}

// The browse after an outage keeps the old list in place: what it announces again stays where
// it was, the rest goes once it has settled.
void tst_BonjourServiceBrowser::newBrowseSettles()
{
    BrowseWaits waits;
    waits.settleTime = std::chrono::milliseconds(200);
    BonjourServiceBrowser browser(nullptr, waits);
    QSignalSpy listSpy(&browser, SIGNAL(currentBonjourRecordsChanged(QList<BonjourRecord>)));
    browser.browseForServiceType(QStringLiteral("_dockset._tcp"));
    FakeDnssd::browseReply(add | moreComing, 0, "Kitchen", dockset, local);
    FakeDnssd::browseReply(add, 0, "Attic", dockset, local);
    QTRY_COMPARE(listSpy.count(), 1);
    FakeDnssd::browseReply(add, -65537, nullptr, nullptr, nullptr);
    QTRY_COMPARE(FakeDnssd::liveRefs(), 0);

    browser.browseForServiceType(QStringLiteral("_dockset._tcp"));
    QTRY_COMPARE(browser.findChildren<QSocketNotifier *>().size(), 1);
    MessageLog log;
    FakeDnssd::browseReply(add | moreComing, 0, "Attic", dockset, local);
    FakeDnssd::browseReply(add, 0, "Hall", dockset, local);
    QTRY_COMPARE(listSpy.count(), 2);
    QCOMPARE(lastList(listSpy),
             QList<BonjourRecord>({ record("Kitchen"), record("Attic"), record("Hall") }));
    QTRY_COMPARE(listSpy.count(), 3);
    QCOMPARE(lastList(listSpy), QList<BonjourRecord>({ record("Attic"), record("Hall") }));
    QCOMPARE(log.lines(),
             QVector<QString>(2, QStringLiteral("warning: bonjourBrowseReply()")).toList());
}

void tst_BonjourServiceBrowser::destructionDeallocatesOnce()
{
    auto browser = std::make_unique<BonjourServiceBrowser>(nullptr);
    QSignalSpy listSpy(browser.get(), SIGNAL(currentBonjourRecordsChanged(QList<BonjourRecord>)));
    browser->browseForServiceType(QStringLiteral("_dockset._tcp"));

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

void tst_BonjourServiceBrowser::heldCreation_data()
{
    QTest::addColumn<bool>("deleted"); // else browsed again

    QTest::newRow("browsed again") << false;
    QTest::newRow("deleted") << true;
}

// A browse that nobody wants any more while the daemon still makes it gives its reference back
// once it is made; the browse that replaced it goes on.
void tst_BonjourServiceBrowser::heldCreation()
{
    QFETCH(bool, deleted);

    FakeDnssd::holdCreation(true);
    auto browser = std::make_unique<BonjourServiceBrowser>(nullptr);
    QSignalSpy errorSpy(browser.get(), SIGNAL(error(DNSServiceErrorType)));
    MessageLog log;
    browser->browseForServiceType(QStringLiteral("_dockset._tcp"));
    QTRY_COMPARE(FakeDnssd::browseCalls(), 1);
    QCOMPARE(FakeDnssd::liveRefs(), 0);
    if (deleted)
        browser.reset();
    else
        browser->browseForServiceType(QStringLiteral("_dockset._tcp"));

    FakeDnssd::holdCreation(false);
    QTRY_COMPARE(FakeDnssd::deallocations(), 1);
    QCOMPARE(FakeDnssd::liveRefs(), deleted ? 0 : 1);
    const QString started = QStringLiteral("warning: browseForServiceType()...");
    if (!deleted) {
        QTRY_COMPARE(browser->findChildren<QSocketNotifier *>().size(), 1);
        QCOMPARE(log.lines(),
                 QStringList({ started, started,
                               QStringLiteral("warning: DNSServiceBrowse() returned..."),
                               QStringLiteral("warning: browseForServiceType() success!") }));
    } else {
        QCoreApplication::processEvents();
        QCOMPARE(log.lines(), QStringList(started));
    }
    QCOMPARE(errorSpy.count(), 0);
}

void tst_BonjourServiceBrowser::metaObject()
{
    QCOMPARE(
        declaredMethods(BonjourServiceBrowser::staticMetaObject),
        QStringList({ QStringLiteral("signal browseStarted()"),
                      QStringLiteral("signal currentBonjourRecordsChanged(QList<BonjourRecord>)"),
                      QStringLiteral("signal error(DNSServiceErrorType)"),
                      QStringLiteral("private slot bonjourSocketReadyRead()") }));
}

QTEST_GUILESS_MAIN(tst_BonjourServiceBrowser)
#include "tst_bonjourservicebrowser.moc"
