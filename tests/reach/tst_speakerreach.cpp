#include "capturingserver.h"
#include "fakednssd.h"
#include "messagelog.h"
#include "speakerreach.h"

#include <QtTest>

namespace {

const QByteArray kitchenAnswer = "{\"deviceinfo\": {\"devicename\": \"Kitchen\", \"model\": "
                                 "\"Ovix\"}, \"networkinfo\": {\"wifimode\": \"client\", "
                                 "\"clientinfo\": {\"wifissid\": \"Hausnetz\"}}}";

// What the speaker's server does with the device query.
enum class Server { Answers, Closed, Resets, Status500, NoJson, TooLarge };

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
    if (!result.device.name.isEmpty())
        text += QStringLiteral(" \"%1\" on \"%2\" as %3")
                    .arg(result.device.name, result.device.ssid, result.device.wifiMode);
    return text;
}

} // namespace

Q_DECLARE_METATYPE(Server)

class tst_SpeakerReach : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void outcome_data();
    void outcome();
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
    QTest::addColumn<int>("resolveError"); // of the resolve's reply; 1: DNSServiceResolve fails
    QTest::addColumn<QByteArray>("host");  // the resolve's host target; null: none
    QTest::addColumn<bool>("askDevice");
    QTest::addColumn<Server>("server");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("lines"); // the debug lines

    const QString body = QStringLiteral("\"") +
        QString::fromUtf8(kitchenAnswer).replace("\"", "\\\"") + QStringLiteral("\"");
    // The list page's lines for the device query.
    const QStringList told = { "Client reply received", body, "devicename: \"Kitchen\"",
                               "model: \"Ovix\"" };
    const QString device = QStringLiteral("\"Kitchen\" on \"Hausnetz\" as client");
    QTest::newRow("announced") << true << 0 << QByteArray("127.0.0.1") << true << Server::Answers
                               << "None at the port http://127.0.0.1 HTTP 200 " + device << told;
    QTest::newRow("by address") << false << 0 << QByteArray() << true << Server::Answers
                                << "None at the port http://127.0.0.1 HTTP 200 " + device << told;
    QTest::newRow("only the URL") << true << 0 << QByteArray("127.0.0.1") << false
                                  << Server::Answers << "None at the port http://127.0.0.1"
                                  << QStringList();
    QTest::newRow("resolve fails at once") << true << 1 << QByteArray() << true << Server::Answers
                                           << "ResolveFailed error -65563" << QStringList();
    QTest::newRow("resolve answered with an error")
        << true << -65537 << QByteArray() << true << Server::Answers << "ResolveFailed error -65537"
        << QStringList();
    QTest::newRow("host without address") << true << 0 << QByteArray() << true << Server::Answers
                                          << "NoAddress at the port" << QStringList();
    QTest::newRow("nothing sent") << true << 0 << QByteArray("127.0.0.1") << true << Server::Closed
                                  << "NotSent at the port http://127.0.0.1"
                                  << QStringList {
                                         "Client reply received", "\"\"", "Document is NULL",
                                         "Transfer failed: QNetworkReply::ConnectionRefusedError"
                                     };
    QTest::newRow("no answer") << false << 0 << QByteArray() << true << Server::Resets
                               << "NoAnswer at the port http://127.0.0.1"
                               << QStringList {
                                      "Client reply received", "\"\"", "Document is NULL",
                                      "Transfer failed: QNetworkReply::RemoteHostClosedError"
                                  };
    QTest::newRow("HTTP error status")
        << true << 0 << QByteArray("127.0.0.1") << true << Server::Status500
        << "Unusable at the port http://127.0.0.1 HTTP 500"
        << QStringList { "Client reply received", "\"{\\\"error\\\": \\\"busy\\\"}\"",
                         "HTTP error status 500" };
    QTest::newRow("no JSON") << true << 0 << QByteArray("127.0.0.1") << true << Server::NoJson
                             << "Unusable at the port http://127.0.0.1 HTTP 200"
                             << QStringList { "Client reply received", "\"Kitchen\"",
                                              "Document is NULL" };
    QTest::newRow("too large") << true << 0 << QByteArray("127.0.0.1") << true << Server::TooLarge
                               << "TooLarge at the port http://127.0.0.1 HTTP 200"
                               << QStringList {
                                      "Client reply received",
                                      "Reply too large, discarded for Content-Length 2097152",
                                      "Document is NULL"
                                  };
}

// Each request ends with one finished() carrying how far it got, never from within start().
void tst_SpeakerReach::outcome()
{
    QFETCH(bool, announced);
    QFETCH(int, resolveError);
    QFETCH(QByteArray, host);
    QFETCH(bool, askDevice);
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
    }

    MessageLog log;
    ReachOptions options;
    options.askDevice = askDevice;
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
    if (announced && resolveError != 1) {
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
    const bool asked = askDevice && !reach.result().url.isEmpty() && server != Server::Closed;
    QTRY_COMPARE(speaker.requests().isEmpty(), !asked);
    for (const CapturedRequest &request : speaker.requests())
        QCOMPARE(request.body, QByteArray("{\"action\": \"query\"}"));
    QCOMPARE(finished.count(), 1);
    // The resolver's reference goes with the request.
    QTRY_COMPARE(FakeDnssd::liveRefs(), 0);
}

QTEST_GUILESS_MAIN(tst_SpeakerReach)
#include "tst_speakerreach.moc"
