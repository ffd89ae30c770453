#include "capturingserver.h"
#include "fakednssd.h"
#include "messagelog.h"
#include "speakerreach.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QtTest>

namespace {

const QByteArray kitchenAnswer = "{\"deviceinfo\": {\"devicename\": \"Kitchen\", \"model\": "
                                 "\"Ovix\"}, \"networkinfo\": {\"wifimode\": \"client\", "
                                 "\"clientinfo\": {\"wifissid\": \"Hausnetz\"}}}";

// What the speaker's server does with the device query.
enum class Server { Answers, Closed, Resets, Status500, NoJson, TooLarge, Silent };

// How the request is made: with the list page's lines, without a line (as the watch for a
// speaker's return asks), or with its limits lowered to 300 ms (the resolve, the query).
enum class Asked { Logged, Quietly, ShortWaits };

// "problem, port, then what the answer told, or why not".
QString describe(const ReachResult &result, quint16 port)
{
    static const char *const problems[] = { "None",     "ResolveFailed", "NoAddress", "NotSent",
                                            "NoAnswer", "Unusable",      "TooLarge" };
    QString text = QLatin1String(problems[int(result.problem)]);
    if (result.port)
        text += result.port == port ? QStringLiteral(" at the port") : QStringLiteral(" elsewhere");
    if (!result.url.isEmpty())
        text += QStringLiteral(" ") + result.url.section(QLatin1Char(':'), 0, 1);
    if (result.dnssdError)
        text += QStringLiteral(" error %1").arg(result.dnssdError);
    if (result.transfer.status)
        text += QStringLiteral(" HTTP %1").arg(result.transfer.status);
    if (!result.answer.isEmpty())
        text += QStringLiteral(" %1 bytes").arg(result.answer.size());
    if (!result.device.name.isEmpty())
        text += QStringLiteral(" \"%1\" on \"%2\" as %3")
                    .arg(result.device.name, result.device.ssid, result.device.wifiMode);
    return text;
}

} // namespace

Q_DECLARE_METATYPE(Server)
Q_DECLARE_METATYPE(Asked)

class tst_SpeakerReach : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void outcome_data();
    void outcome();
    void firstAddress_data();
    void firstAddress();
    void goneWhileLookingUp();
};

void tst_SpeakerReach::initTestCase()
{
    QVERIFY2(FakeDnssd::available(), "the fake libdns_sd.so.1 is not the loaded DNS-SD library");
}

void tst_SpeakerReach::init()
{
    FakeDnssd::reset();
}

void tst_SpeakerReach::outcome_data()
{
    QTest::addColumn<bool>("announced");   // else reached at 127.0.0.1 and the server's port
    QTest::addColumn<int>("resolveError"); // of the resolve's reply; 1: DNSServiceResolve fails,
                                           // 2: no reply
    QTest::addColumn<QByteArray>("host");  // the resolve's host target; null: none
    QTest::addColumn<bool>("askDevice");
    QTest::addColumn<Asked>("asked"); // how the device query is asked
    QTest::addColumn<Server>("server");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("lines"); // the debug lines

    const QString body = QStringLiteral("\"") +
        QString::fromUtf8(kitchenAnswer).replace("\"", "\\\"") + QStringLiteral("\"");
    // The list page's lines for the device query.
    const QStringList told = { "Client reply received", body, "devicename: \"Kitchen\"",
                               "model: \"Ovix\"" };
    const QString answered = QStringLiteral("None at the port http://127.0.0.1 HTTP 200 %1 bytes "
                                            "\"Kitchen\" on \"Hausnetz\" as client")
                                 .arg(kitchenAnswer.size());
    const QByteArray local("127.0.0.1");
    const Asked logged = Asked::Logged;
    QTest::newRow("announced") << true << 0 << local << true << logged << Server::Answers
                               << answered << told;
    QTest::newRow("by address") << false << 0 << QByteArray() << true << logged << Server::Answers
                                << answered << told;
    // The list page asks for the device information itself.
    QTest::newRow("only the URL") << true << 0 << local << false << logged << Server::Answers
                                  << "None at the port http://127.0.0.1" << QStringList();
    QTest::newRow("resolve fails at once")
        << true << 1 << QByteArray() << true << logged << Server::Answers
        << "ResolveFailed error -65563" << QStringList();
    QTest::newRow("resolve answered with an error")
        << true << -65537 << QByteArray() << true << logged << Server::Answers
        << "ResolveFailed error -65537" << QStringList();
    QTest::newRow("host without address")
        << true << 0 << QByteArray() << true << logged << Server::Answers << "NoAddress at the port"
        << QStringList();
    QTest::newRow("nothing sent") << true << 0 << local << true << logged << Server::Closed
                                  << "NotSent at the port http://127.0.0.1"
                                  << QStringList {
                                         "Client reply received", "\"\"", "Document is NULL",
                                         "Transfer failed: QNetworkReply::ConnectionRefusedError"
                                     };
    QTest::newRow("no answer") << false << 0 << QByteArray() << true << logged << Server::Resets
                               << "NoAnswer at the port http://127.0.0.1"
                               << QStringList {
                                      "Client reply received", "\"\"", "Document is NULL",
                                      "Transfer failed: QNetworkReply::RemoteHostClosedError"
                                  };
    QTest::newRow("HTTP error status")
        << true << 0 << local << true << logged << Server::Status500
        << "Unusable at the port http://127.0.0.1 HTTP 500 17 bytes"
        << QStringList { "Client reply received", "\"{\\\"error\\\": \\\"busy\\\"}\"",
                         "HTTP error status 500" };
    QTest::newRow("no JSON") << true << 0 << local << true << logged << Server::NoJson
                             << "Unusable at the port http://127.0.0.1 HTTP 200 7 bytes"
                             << QStringList { "Client reply received", "\"Kitchen\"",
                                              "Document is NULL" };
    QTest::newRow("too large") << true << 0 << local << true << logged << Server::TooLarge
                               << "TooLarge at the port http://127.0.0.1 HTTP 200"
                               << QStringList {
                                      "Client reply received",
                                      "Reply too large, discarded for Content-Length 2097152",
                                      "Document is NULL"
                                  };
    // As the watch for a speaker's return asks: the same outcomes and the answer, without a line.
    QTest::newRow("quietly, answered") << true << 0 << local << true << Asked::Quietly
                                       << Server::Answers << answered << QStringList();
    QTest::newRow("quietly, HTTP error status")
        << true << 0 << local << true << Asked::Quietly << Server::Status500
        << "Unusable at the port http://127.0.0.1 HTTP 500 17 bytes" << QStringList();
    QTest::newRow("quietly, no JSON")
        << true << 0 << local << true << Asked::Quietly << Server::NoJson
        << "Unusable at the port http://127.0.0.1 HTTP 200 7 bytes" << QStringList();
    // The limits given are the ones kept, long before the defaults.
    QTest::newRow("resolve past its time")
        << true << 2 << QByteArray() << true << Asked::ShortWaits << Server::Answers
        << "ResolveFailed error -65568" << QStringList();
    QTest::newRow("query past its deadline")
        << true << 0 << local << true << Asked::ShortWaits << Server::Silent
        << "NoAnswer at the port http://127.0.0.1"
        << QStringList { "Client reply received", "\"\"", "Document is NULL",
                         "Transfer failed: no answer in time" };
}

// Each request ends with one finished() carrying how far it got, never from within start().
void tst_SpeakerReach::outcome()
{
    QFETCH(bool, announced);
    QFETCH(int, resolveError);
    QFETCH(QByteArray, host);
    QFETCH(bool, askDevice);
    QFETCH(Asked, asked);
    QFETCH(Server, server);
    QFETCH(QString, result);
    QFETCH(QStringList, lines);

    CapturingServer speaker;
    QVERIFY(speaker.listen());
    const quint16 port = speaker.port();
    switch (server) {
    case Server::Answers:
        speaker.setDefaultResponse(ScriptedResponse::json(kitchenAnswer));
        break;
    case Server::Closed:
        speaker.close();
        break;
    case Server::Resets: {
        ScriptedResponse reset;
        reset.framing = ScriptedResponse::Reset;
        speaker.setDefaultResponse(reset);
        break;
    }
    case Server::Status500:
        speaker.setDefaultResponse(ScriptedResponse::json("{\"error\": \"busy\"}", 500));
        break;
    case Server::NoJson:
        speaker.setDefaultResponse(ScriptedResponse::json("Kitchen"));
        break;
    case Server::TooLarge: {
        ScriptedResponse large = ScriptedResponse::json("{}");
        large.framing = ScriptedResponse::ClaimedLength;
        large.claimedLength = 2 * 1024 * 1024;
        speaker.setDefaultResponse(large);
        break;
    }
    case Server::Silent: {
        ScriptedResponse silence;
        silence.held = true;
        speaker.setDefaultResponse(silence);
        break;
    }
    }

    MessageLog log;
    NetworkWaits waits;
    if (asked == Asked::ShortWaits) {
        waits.resolveTimeout = std::chrono::milliseconds(300);
        waits.requestDeadline = std::chrono::milliseconds(300);
    }
    ReachOptions options(waits);
    options.askDevice = askDevice;
    if (asked == Asked::Quietly)
        options.arrivalText = nullptr;
    const BonjourRecord kitchen("Kitchen", "_dockset._tcp.", "local.");
    SpeakerReach reach(announced ? SpeakerTarget::announced(kitchen)
                                 : SpeakerTarget::address(QStringLiteral("127.0.0.1"), port),
                       options);
    QSignalSpy located(&reach, &SpeakerReach::located);
    QSignalSpy finished(&reach, &SpeakerReach::finished);
    if (resolveError == 1)
        FakeDnssd::failNextResolve(-65563);
    reach.start();
    QCOMPARE(finished.count(), 0);
    if (announced && resolveError != 1 && resolveError != 2) {
        QCOMPARE(FakeDnssd::lastResolveName(), QStringLiteral("Kitchen"));
        QVERIFY(FakeDnssd::resolveReply(0, resolveError, "Kitchen._dockset._tcp.local.",
                                        host.isNull() ? nullptr : host.constData(), port >> 8,
                                        port & 0xff));
    }
    QVERIFY(finished.wait());
    QCOMPARE(describe(reach.result(), port), result);
    QCOMPARE(located.count(), reach.result().url.isEmpty() ? 0 : 1);
    QCOMPARE(log.debugLines(), lines);
    // The query, as the pages send it, when asked (Qt sends it once more over a new connection
    // when the first one closes without a byte of answer).
    const bool sent = askDevice && !reach.result().url.isEmpty() && server != Server::Closed;
    QTRY_COMPARE(speaker.requests().isEmpty(), !sent);
    for (const CapturedRequest &request : speaker.requests())
        QCOMPARE(request.body, QByteArray("{\"action\": \"query\"}"));
    QCOMPARE(finished.count(), 1);
    // The resolver's reference goes with the request.
    QTRY_COMPARE(FakeDnssd::liveRefs(), 0);
}

void tst_SpeakerReach::firstAddress_data()
{
    QTest::addColumn<QStringList>("addresses");
    QTest::addColumn<QString>("host"); // of the first, as the URL has it
    QTest::newRow("two IPv4") << QStringList({ "127.0.0.1", "127.0.0.2" }) << "127.0.0.1";
    QTest::newRow("IPv6 first") << QStringList({ "::1", "127.0.0.1" }) << "[::1]";
}

// The URL is the first address's, with the port the resolve gave.
void tst_SpeakerReach::firstAddress()
{
    QFETCH(QStringList, addresses);
    QFETCH(QString, host);

    QHostInfo hostInfo;
    hostInfo.setHostName(QStringLiteral("ovix-kitchen.local"));
    QList<QHostAddress> list;
    for (const QString &address : addresses)
        list.append(QHostAddress(address));
    hostInfo.setAddresses(list);
    ReachOptions options;
    options.askDevice = false;
    SpeakerReach reach(
        SpeakerTarget::announced(BonjourRecord("Kitchen", "_dockset._tcp.", "local.")), options);
    QSignalSpy located(&reach, &SpeakerReach::located);
    QSignalSpy finished(&reach, &SpeakerReach::finished);
    // As the resolver delivers its result.
    QVERIFY(QMetaObject::invokeMethod(&reach, "connectToSpeaker", Q_ARG(QHostInfo, hostInfo),
                                      Q_ARG(int, 8080)));
    QCOMPARE(located.count(), 1);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(reach.result().problem, ReachProblem::None);
    QCOMPARE(reach.result().addresses, list);
    QCOMPARE(reach.result().url,
             QStringLiteral("http://%1:8080/api/v14/configure.action").arg(host));
}

// Deleted while its host is looked up, as the command line's watch for a return at an address
// may be when its wait ends: nothing of the look-up stays behind. The last test, so that the
// look-ups are still in flight when the process ends, where the sanitizer build looks.
void tst_SpeakerReach::goneWhileLookingUp()
{
    ReachOptions options;
    options.askDevice = false;
    for (const QString &host : { QStringLiteral("127.0.0.1"), QStringLiteral("speaker.invalid") }) {
        SpeakerReach reach(SpeakerTarget::address(host, 8080), options);
        QSignalSpy finished(&reach, &SpeakerReach::finished);
        reach.start();
        QCOMPARE(finished.count(), 0);
    }
}

QTEST_GUILESS_MAIN(tst_SpeakerReach)
#include "tst_speakerreach.moc"
