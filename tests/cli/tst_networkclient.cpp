#include "capturingserver.h"
#include "dnssdapi.h"
#include "fakednssd.h"
#include "networkclient.h"

#include <QtTest>

namespace {

const char *const serviceType = "_dockset._tcp.";

ClientWaits shortWaits()
{
    ClientWaits waits;
    waits.firstAnswerWait = std::chrono::milliseconds(50);
    waits.quietWait = std::chrono::milliseconds(10);
    waits.network.browseRetryInterval = std::chrono::milliseconds(50);
    waits.pollInterval = std::chrono::milliseconds(20);
    return waits;
}

} // namespace

Q_DECLARE_METATYPE(ReturnOutcome)

// The network client's part in a wait: the DNS-SD service that goes away and comes back.
class tst_NetworkClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void browsesAgainAfterLoss();
    void looksAtLastAddressAfterLoss();
    void listWithoutAnswer();
    void backOnlyAsTheSameModel_data();
    void backOnlyAsTheSameModel();
    void takesListWhileSpeakerFlaps();
};

void tst_NetworkClient::initTestCase()
{
    QVERIFY2(FakeDnssd::available(), "the fake libdns_sd.so.1 is not the loaded DNS-SD library");
}

void tst_NetworkClient::init()
{
    FakeDnssd::reset();
}

// Told once when it goes, tried again every retry interval (a retry that fails too is not told
// again), and told when it answers again.
void tst_NetworkClient::browsesAgainAfterLoss()
{
    NetworkClient client(shortWaits(), true);
    QStringList notices;
    connect(&client, &NetworkClient::notice, this, [&](const QString &text) { notices << text; });
    QList<BonjourRecord> listed;
    bool taken = false;
    client.listSpeakers([&](const Listing &listing) {
        taken = listing.available;
        listed = listing.records;
    });
    QVERIFY(FakeDnssd::browseReply(kDNSServiceFlagsAdd, 0, "Kitchen", serviceType, "local."));
    QTRY_VERIFY(taken);
    QCOMPARE(listed.size(), 1);
    QCOMPARE(FakeDnssd::browseCalls(), 1);

    // Avahi reports its daemon's exit as an error reply.
    FakeDnssd::failNextBrowse(-65563);
    QVERIFY(FakeDnssd::browseReply(0, -65537, nullptr, nullptr, nullptr));
    QTRY_COMPARE(FakeDnssd::browseCalls(), 2);
    QCOMPARE(notices,
             QStringList("the DNS-SD service went away (error -65537); looking for it again every "
                         "0.05 s, and for each speaker waited for at its last address"));
    QTRY_COMPARE(FakeDnssd::browseCalls(), 3);
    QTRY_COMPARE(notices.size(), 2);
    QCOMPARE(notices.constLast(), QStringLiteral("the DNS-SD service answers again"));
    QCOMPARE(FakeDnssd::lastBrowseType(), QStringLiteral("_dockset._tcp"));
}

// A speaker waited for is asked at its last address once DNS-SD has gone, not before.
void tst_NetworkClient::looksAtLastAddressAfterLoss()
{
    CapturingServer speaker;
    QVERIFY(speaker.listen());
    speaker.setDefaultResponse(
        ScriptedResponse::json("{\"deviceinfo\": {\"devicename\": \"Room 1\"}}"));

    NetworkClient client(shortWaits(), true);
    bool taken = false;
    client.listSpeakers([&](const Listing &) { taken = true; });
    QVERIFY(FakeDnssd::browseReply(kDNSServiceFlagsAdd, 0, "Kitchen", serviceType, "local."));
    QTRY_VERIFY(taken);

    ReturnRequest request;
    request.target = SpeakerTarget::announced(BonjourRecord("Kitchen", serviceType, "local."));
    request.lastAddress = SpeakerTarget::address(QStringLiteral("127.0.0.1"), speaker.port());
    request.before.name = QStringLiteral("Kitchen");
    request.sentName = QStringLiteral("Room 1");
    QList<ReturnResult> results;
    client.watchReturn(request, [&](const ReturnResult &result) { results.append(result); });
    // Withdrawn for its restart: the browse is quiet about it, and its address is not asked.
    QVERIFY(FakeDnssd::browseReply(0, 0, "Kitchen", serviceType, "local."));
    QSignalSpy asked(&speaker, &CapturingServer::requestReceived);
    QVERIFY(!asked.wait(200));

    QVERIFY(FakeDnssd::browseReply(0, -65537, nullptr, nullptr, nullptr));
    QTRY_COMPARE(results.size(), 1);
    QCOMPARE(results.constFirst().outcome, ReturnOutcome::Back);
    QCOMPARE(results.constFirst().name, QStringLiteral("Room 1"));
    QCOMPARE(speaker.requests().size(), 1);
}

// A daemon that does not take the browse on within the list's wait gives no list: the service
// did not answer.
void tst_NetworkClient::listWithoutAnswer()
{
    FakeDnssd::holdCreation(true);
    NetworkClient client(shortWaits(), false);
    QList<Listing> listings;
    client.listSpeakers([&](const Listing &listing) { listings.append(listing); });
    QTRY_COMPARE(listings.size(), 1);
    QCOMPARE(listings.at(0).available, false);
    QCOMPARE(listings.at(0).error, int(kDNSServiceErr_Timeout));
    QCOMPARE(FakeDnssd::liveRefs(), 0);

    FakeDnssd::holdCreation(false);
    QTRY_COMPARE(FakeDnssd::deallocations(), 1);
    QCOMPARE(FakeDnssd::liveRefs(), 0);
}

void tst_NetworkClient::backOnlyAsTheSameModel_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<QByteArray>("hardware");
    QTest::addColumn<ReturnOutcome>("outcome");
    QTest::newRow("the speaker") << QByteArray("Ovix") << QByteArray("2.1") << ReturnOutcome::Back;
    QTest::newRow("another model")
        << QByteArray("Funk") << QByteArray("2.1") << ReturnOutcome::NotBack;
    QTest::newRow("another hardware version")
        << QByteArray("Ovix") << QByteArray("3.0") << ReturnOutcome::NotBack;
}

// A device that answers at the speaker's address under the name sent is the speaker only with
// the model and hardware version that the speaker told before, as in the wizard.
void tst_NetworkClient::backOnlyAsTheSameModel()
{
    QFETCH(QByteArray, model);
    QFETCH(QByteArray, hardware);
    QFETCH(ReturnOutcome, outcome);
    CapturingServer speaker;
    QVERIFY(speaker.listen());
    speaker.setDefaultResponse(
        ScriptedResponse::json("{\"deviceinfo\": {\"devicename\": \"Room 1\", \"model\": \"" +
                               model + "\", \"hardwarever\": \"" + hardware + "\"}}"));

    ClientWaits waits = shortWaits();
    waits.network.returnWait = std::chrono::milliseconds(500);
    NetworkClient client(waits, false);
    ReturnRequest request;
    request.target = SpeakerTarget::address(QStringLiteral("127.0.0.1"), speaker.port());
    request.lastAddress = request.target;
    request.sentName = QStringLiteral("Room 1");
    request.before.name = QStringLiteral("Kitchen");
    request.before.model = QStringLiteral("Ovix");
    request.before.hardwareVer = QStringLiteral("2.1");
    QList<ReturnResult> results;
    client.watchReturn(request, [&](const ReturnResult &result) { results.append(result); });
    QTRY_COMPARE(results.size(), 1);
    QCOMPARE(results.constFirst().outcome, outcome);
}

// A speaker that keeps changing its name never lets the browse be quiet: the list is taken all
// the same.
void tst_NetworkClient::takesListWhileSpeakerFlaps()
{
    ClientWaits waits = shortWaits();
    // Longer than the test's own waits between events, which would let it look quiet.
    waits.quietWait = std::chrono::milliseconds(200);
    NetworkClient client(waits, false);
    bool taken = false;
    client.listSpeakers([&](const Listing &) { taken = true; });
    QTimer flapping;
    bool first = true;
    connect(&flapping, &QTimer::timeout, this, [&] {
        FakeDnssd::browseReply(0, 0, first ? "Kitchen" : "Kitchen (2)", serviceType, "local.");
        FakeDnssd::browseReply(kDNSServiceFlagsAdd, 0, first ? "Kitchen (2)" : "Kitchen",
                               serviceType, "local.");
        first = !first;
    });
    flapping.start(5);
    QTRY_VERIFY(taken);
}

QTEST_GUILESS_MAIN(tst_NetworkClient)
#include "tst_networkclient.moc"
