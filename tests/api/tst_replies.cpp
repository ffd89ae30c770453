#include "capturingserver.h"
#include "messagelog.h"
#include "speakerapi.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <thread>

Q_DECLARE_METATYPE(SpeakerApi::AnswerProblem)

// Stands in for the speaker list page: the reply procedure with the query
// reply, as the page's slot runs it.
class Page : public QObject
{
    Q_OBJECT

public:
    QList<QPointer<QNetworkReply>> replies;
    QByteArray body;
    SpeakerApi::Transfer transfer;
    bool usable = false;
    SpeakerApi::DeviceInfo device;

private slots:
    void replyFinished(QNetworkReply *reply)
    {
        replies.append(reply);
        body = SpeakerApi::readReply(reply, "Client reply received");
        transfer = SpeakerApi::transferOf(reply);
        QJsonObject object;
        usable = SpeakerApi::parseReply(body, &object);
        if (usable)
            device = SpeakerApi::readQueryReply(object);
    }
};

// A body as the log shows it: in quotation marks, quotation marks and reverse
// solidi escaped, and U+1FAE0 of Unicode 14 (the bodies here hold no other characters that need
// it).
static QString quoted(const QByteArray &body)
{
    QString text = QString::fromUtf8(body.constData());
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('"'), QLatin1String("\\\""));
    text.replace(QString::fromUtf8("\xf0\x9f\xab\xa0"), QLatin1String("\\U0001FAE0"));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// A query answer of exactly size bytes.
static QByteArray paddedAnswer(int size)
{
    QByteArray body = "{\"deviceinfo\": {\"devicename\": \"Big\"}, \"padding\": \"\"}";
    body.insert(body.size() - 2, QByteArray(size - body.size(), 'x'));
    return body;
}

// A device that answers with an endless chunked body from a thread of its own, as fast as the
// client takes it, and counts what the client has taken (stopping at Cap).
class EndlessSpeaker
{
public:
    static const qint64 Cap = 64 * 1024 * 1024;

    EndlessSpeaker() : m_thread([this] { run(); })
    {
        while (m_port == 0)
            QThread::msleep(1);
    }
    ~EndlessSpeaker()
    {
        m_stop = true;
        m_thread.join();
    }

    QString url() const
    {
        return QStringLiteral("http://127.0.0.1:%1/api/v14/configure.action").arg(m_port);
    }
    bool requested() const { return m_requested; }
    qint64 taken() const { return m_taken; }

private:
    void run()
    {
        QTcpServer server;
        if (!server.listen(QHostAddress::LocalHost, 0)) {
            m_port = -1;
            return;
        }
        m_port = server.serverPort();
        if (!server.waitForNewConnection(30000))
            return;
        QTcpSocket *socket = server.nextPendingConnection();
        QByteArray request;
        while (!m_stop && !request.contains("\r\n\r\n") && socket->waitForReadyRead(100))
            request += socket->readAll();
        m_requested = true;
        const int piece = 64 * 1024;
        const QByteArray chunk =
            QByteArray::number(piece, 16) + "\r\n" + QByteArray(piece, ' ') + "\r\n";
        qint64 queued = socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\n"
                                      "Transfer-Encoding: chunked\r\n\r\n");
        while (!m_stop && m_taken < Cap && socket->state() == QAbstractSocket::ConnectedState) {
            if (socket->bytesToWrite() < piece)
                queued += socket->write(chunk);
            socket->waitForBytesWritten(50);
            m_taken = queued - socket->bytesToWrite();
        }
        socket->abort();
    }

    std::atomic<int> m_port { 0 };
    std::atomic<bool> m_requested { false };
    std::atomic<bool> m_stop { false };
    std::atomic<qint64> m_taken { 0 };
    std::thread m_thread;
};

class TestReplies : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_server.listen()); }

    void queryReply_data();
    void queryReply();
    void redirectNotFollowed_data();
    void redirectNotFollowed();
    void wifiscanReply_data();
    void wifiscanReply();
    void sizeLimit_data();
    void sizeLimit();
    void endlessAnswerAbortedEarly();
    void unreadAnswerHeldBack();
    void notSent_data();
    void notSent();
    void drippingAnswerEndsAtDeadline();
    void refusalReason_data();
    void refusalReason();

private:
    CapturingServer m_server;
};

void TestReplies::queryReply_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("lines");  // after the arrival line and the body line
    QTest::addColumn<QStringList>("fields"); // name, model, softwareVer, hardwareVer, ip

    const QStringList untouched = { "", "", "", "", "" };
    const QStringList documentIsNull = { "debug: Document is NULL" };
    const QStringList objectIsEmpty = { "debug: Object is empty" };

    const QByteArray full =
        "{\"deviceinfo\": {\"devicename\": \"Kitchen\", \"model\": \"Ovix S\", \"softwarever\": "
        "\"1.4.2\", \"hardwarever\": \"B\", \"mac\": \"00:11\"}, \"networkinfo\": "
        "{\"ipaddressinfo\": {\"ipaddress\": \"192.168.1.20\", \"type\": \"DHCP\"}}}";
    const QStringList fullLines = {
        "warning: QJsonValue(object, QJsonObject({\"devicename\":\"Kitchen\",\"hardwarever\":"
        "\"B\",\"mac\":\"00:11\",\"model\":\"Ovix S\",\"softwarever\":\"1.4.2\"}))",
        "debug: devicename: \"Kitchen\"",
        "debug: model: \"Ovix S\"",
    };
    const QStringList fullFields = { "Kitchen", "Ovix S", "1.4.2", "B", "192.168.1.20" };

    QTest::newRow("query reply") << 200 << full << fullLines << fullFields;
    QTest::newRow("error status with an object") << 500 << full << fullLines << fullFields;
    const QByteArray parts = QByteArray("{\"a\": [") + QByteArray("{},").repeated(9998) + "[]]}";
    QTest::newRow("too many parts")
        << 200 << parts
        << QStringList({ "debug: Answer not read: 10001 objects and arrays, more than 10000" })
        << untouched;
    QTest::newRow("{}") << 200 << QByteArray("{}") << objectIsEmpty << untouched;
    QTest::newRow("[]") << 200 << QByteArray("[]") << objectIsEmpty << untouched;
    QTest::newRow("nothing") << 200 << QByteArray() << documentIsNull << untouched;
    QTest::newRow("plain text") << 200 << QByteArray("Internal error") << documentIsNull
                                << untouched;
    QTest::newRow("zero byte inside")
        << 200 << QByteArray("{\"deviceinfo\": {}}\0{\"x\": 1}", 28) << documentIsNull << untouched;
    QTest::newRow("without networkinfo")
        << 200 << QByteArray("{\"deviceinfo\": {\"devicename\": \"Box\", \"model\": \"M1\"}}")
        << QStringList({ "warning: QJsonValue(object, QJsonObject({\"devicename\":\"Box\","
                         "\"model\":\"M1\"}))",
                         "debug: devicename: \"Box\"", "debug: model: \"M1\"" })
        << QStringList({ "Box", "M1", "", "", "" });
    QTest::newRow("without deviceinfo")
        << 200
        << QByteArray("{\"networkinfo\": {\"ipaddressinfo\": {\"ipaddress\": \"10.0.0.5\"}}}")
        << QStringList({ "warning: QJsonValue(undefined)", "debug: devicename: \"\"",
                         "debug: model: \"\"" })
        << QStringList({ "", "", "", "", "10.0.0.5" });
    // Qt 6 would write the character plainly and the integer in full.
    QTest::newRow("character of Unicode 14, integer beyond 2^53")
        << 200
        << QByteArray("{\"deviceinfo\": {\"devicename\": \"\\ud83e\\udee0\", \"model\": "
                      "\"Ovix \xf0\x9f\xab\xa0\", \"uptime\": 9007199254740993}}")
        << QStringList(
               { QString::fromUtf8("warning: QJsonValue(object, QJsonObject({\"devicename\":"
                                   "\"\xf0\x9f\xab\xa0\",\"model\":\"Ovix \xf0\x9f\xab\xa0\","
                                   "\"uptime\":9007199254740992}))"),
                 "debug: devicename: \"\\U0001FAE0\"", "debug: model: \"Ovix \\U0001FAE0\"" })
        << QStringList({ QString::fromUtf8("\xf0\x9f\xab\xa0"),
                         QString::fromUtf8("Ovix \xf0\x9f\xab\xa0"), "", "", "" });
    // The last one counts, as Qt reads it; the one before is an object or an array, which Qt
    // 5.15 would keep for ever, inside one dropped as well.
    QTest::newRow("a member twice")
        << 200
        << QByteArray("{\"deviceinfo\": {\"devicename\": \"Old\", \"o\": {\"a\": [1], \"a\": "
                      "[2]}}, \"deviceinfo\": {\"devicename\": \"Kitchen\", \"o\": [3], \"o\": "
                      "{\"b\": 1}}}")
        << QStringList({ "warning: QJsonValue(object, QJsonObject({\"devicename\":\"Kitchen\","
                         "\"o\":{\"b\":1}}))",
                         "debug: devicename: \"Kitchen\"", "debug: model: \"\"" })
        << QStringList({ "Kitchen", "", "", "", "" });
    QTest::newRow("deviceinfo a number")
        << 200 << QByteArray("{\"deviceinfo\": 1234567}")
        << QStringList({ "warning: QJsonValue(double, 1.23457e+06)", "debug: devicename: \"\"",
                         "debug: model: \"\"" })
        << QStringList({ "", "", "", "", "" });
    QTest::newRow("members that are numbers")
        << 200
        << QByteArray("{\"deviceinfo\": {\"devicename\": 5, \"model\": true, \"softwarever\": 1.5, "
                      "\"hardwarever\": null}, \"networkinfo\": {\"ipaddressinfo\": "
                      "{\"ipaddress\": 3232235796}}}")
        << QStringList({ "warning: QJsonValue(object, QJsonObject({\"devicename\":5,"
                         "\"hardwarever\":null,\"model\":true,\"softwarever\":1.5}))",
                         "debug: devicename: \"\"", "debug: model: \"\"" })
        << QStringList({ "", "", "", "", "" });
}

void TestReplies::queryReply()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, fields);

    MessageLog log;
    m_server.enqueue(ScriptedResponse::json(body, status));
    Page page;
    SpeakerApi::postRequest(&page, m_server.url(), SpeakerApi::queryBody(),
                            SpeakerApi::DefaultDeadline);
    QTRY_COMPARE(page.replies.size(), 1);

    QCOMPARE(page.body, body);
    QCOMPARE(log.lines(),
             QStringList({ "debug: Client reply received", "debug: " + quoted(body) }) + lines);
    QCOMPARE(QStringList({ page.device.name, page.device.model, page.device.softwareVer,
                           page.device.hardwareVer, page.device.ip }),
             fields);
}

void TestReplies::redirectNotFollowed_data()
{
    QTest::addColumn<int>("status");
    for (int status : { 301, 302, 303, 307, 308 })
        QTest::addRow("%d", status) << status;
}

// A redirect is an answer like any other: read where it came from, and nothing is sent on to
// the address it names.
void TestReplies::redirectNotFollowed()
{
    QFETCH(int, status);

    MessageLog log;
    ScriptedResponse response =
        ScriptedResponse::json("{\"deviceinfo\": {\"devicename\": \"Moved\"}}", status);
    response.headers.append(
        qMakePair(QByteArray("Location"), m_server.url(QStringLiteral("/elsewhere")).toLatin1()));
    m_server.enqueue(response);
    const int requestsBefore = m_server.requests().count();
    Page page;
    SpeakerApi::postRequest(&page, m_server.url(), SpeakerApi::queryBody(),
                            SpeakerApi::DefaultDeadline);
    QTRY_COMPARE(page.replies.size(), 1);

    QCOMPARE(page.replies.at(0)->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
             status);
    QCOMPARE(m_server.requests().count(), requestsBefore + 1);
    QVERIFY(page.usable);
    QCOMPARE(page.device.name, QStringLiteral("Moved"));
}

void TestReplies::wifiscanReply_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<SpeakerApi::AnswerProblem>("problem");
    QTest::addColumn<QStringList>("accessPoints"); // ssid|encryptType|signalLevel
    QTest::addColumn<QStringList>("lines");

    using Problem = SpeakerApi::AnswerProblem;
    QTest::newRow("in the speaker's order")
        << QByteArray("{\"aplist\": [{\"ssid\": \"Zeta\", \"encrypt_type\": \"WPA2\", "
                      "\"signal_level\": \"-40\"}, {\"ssid\": \"Alpha\", \"encrypt_type\": "
                      "\"NONE\", \"signal_level\": \"-80\"}]}")
        << Problem::None << QStringList({ "Zeta|WPA2|-40", "Alpha|NONE|-80" }) << QStringList();
    // Only an access point with an SSID to send back can be chosen; the others are left out.
    const QString leftOut = QStringLiteral("debug: Access point %1 left out: no SSID");
    QTest::newRow("numbers for texts")
        << QByteArray("{\"aplist\": [{\"ssid\": \"Home\", \"signal_level\": -40}, "
                      "{\"ssid\": 5, \"signal_level\": \"-70\"}]}")
        << Problem::None << QStringList({ "Home||" }) << QStringList({ leftOut.arg(1) });
    QTest::newRow("element not an object")
        << QByteArray("{\"aplist\": [\"Home\", 7, {\"ssid\": \"Next\"}]}") << Problem::None
        << QStringList({ "Next||" }) << QStringList({ leftOut.arg(0), leftOut.arg(1) });
    QTest::newRow("empty or missing SSID")
        << QByteArray("{\"aplist\": [{\"ssid\": \"\"}, {\"ssid\": null}, {}, {\"ssid\": \" \"}]}")
        << Problem::None << QStringList({ " ||" })
        << QStringList({ leftOut.arg(0), leftOut.arg(1), leftOut.arg(2) });
    // An answer of nothing else writes a few lines, not one for each.
    QTest::newRow("many left out")
        << QByteArray("{\"aplist\": [{}, {}, {}, {}, {}, {}, {}, {\"ssid\": \"Home\"}, {}]}")
        << Problem::None << QStringList({ "Home||" })
        << QStringList({ leftOut.arg(0), leftOut.arg(1), leftOut.arg(2), leftOut.arg(3),
                         leftOut.arg(4), "debug: 3 more access points left out: no SSID" });
    QTest::newRow("empty list") << QByteArray("{\"aplist\": []}") << Problem::None << QStringList()
                                << QStringList();
    QTest::newRow("without aplist")
        << QByteArray("{\"returncode\": \"0\"}") << Problem::None << QStringList() << QStringList();
    // A list that cannot be read is no empty one: the speaker did not say it sees nothing.
    const QStringList noList = { "debug: Scan answer unusable: aplist is no list" };
    QTest::newRow("aplist a string")
        << QByteArray("{\"aplist\": \"Home\"}") << Problem::Unusable << QStringList() << noList;
    QTest::newRow("aplist an object") << QByteArray("{\"aplist\": {\"ssid\": \"Home\"}}")
                                      << Problem::Unusable << QStringList() << noList;
    QTest::newRow("aplist null") << QByteArray("{\"aplist\": null}") << Problem::Unusable
                                 << QStringList() << noList;
    QTest::newRow("entries of the wrong types")
        << QByteArray("{\"aplist\": [\"Home\", {\"ssid\": 5}, {\"ssid\": null}, {}]}")
        << Problem::Unusable << QStringList()
        << QStringList({ leftOut.arg(0), leftOut.arg(1), leftOut.arg(2), leftOut.arg(3),
                         "debug: Scan answer unusable: no access point with a text SSID" });
}

void TestReplies::wifiscanReply()
{
    QFETCH(QByteArray, json);
    QFETCH(SpeakerApi::AnswerProblem, problem);
    QFETCH(QStringList, accessPoints);
    QFETCH(QStringList, lines);

    MessageLog log;
    QStringList read;
    QList<SpeakerApi::AccessPoint> list;
    QCOMPARE(SpeakerApi::readWifiscanReply(QJsonDocument::fromJson(json).object(), &list), problem);
    for (const SpeakerApi::AccessPoint &accessPoint : list)
        read.append(accessPoint.ssid + QLatin1Char('|') + accessPoint.encryptType +
                    QLatin1Char('|') + accessPoint.signalLevel);
    QCOMPARE(read, accessPoints);
    QCOMPARE(log.lines(), lines);
}

void TestReplies::sizeLimit_data()
{
    QTest::addColumn<int>("framing");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<qint64>("claimedLength");
    QTest::addColumn<QString>("why"); // empty: the answer is read

    const int limit = 1024 * 1024;
    QTest::newRow("streamed, one byte over")
        << int(ScriptedResponse::WithoutLength) << paddedAnswer(limit + 1) << qint64(0)
        << "Reply too large, discarded after 1048577 bytes";
    QTest::newRow("Content-Length one byte over")
        << int(ScriptedResponse::WithLength) << paddedAnswer(limit + 1) << qint64(0)
        << "Reply too large, discarded for Content-Length 1048577";
    QTest::newRow("Content-Length lie")
        << int(ScriptedResponse::ClaimedLength) << QByteArray("{}") << qint64(5000000)
        << "Reply too large, discarded for Content-Length 5000000";
    QTest::newRow("streamed, exactly the limit")
        << int(ScriptedResponse::WithoutLength) << paddedAnswer(limit) << qint64(0) << QString();
    QTest::newRow("Content-Length exactly the limit")
        << int(ScriptedResponse::WithLength) << paddedAnswer(limit) << qint64(0) << QString();
}

void TestReplies::sizeLimit()
{
    QFETCH(int, framing);
    QFETCH(QByteArray, body);
    QFETCH(qint64, claimedLength);
    QFETCH(QString, why);

    MessageLog log;
    ScriptedResponse response = ScriptedResponse::json(body);
    response.framing = ScriptedResponse::Framing(framing);
    response.claimedLength = claimedLength;
    m_server.enqueue(response);
    Page page;
    SpeakerApi::postRequest(&page, m_server.url(), SpeakerApi::queryBody(),
                            SpeakerApi::DefaultDeadline);
    QTRY_COMPARE(page.replies.size(), 1);
    QNetworkReply *reply = page.replies.at(0);
    QVERIFY(reply);

    if (why.isEmpty()) {
        QVERIFY(!reply->property(SpeakerApi::DiscardedProperty).isValid());
        QCOMPARE(page.body, body);
        QVERIFY(page.usable);
        QCOMPARE(page.device.name, QStringLiteral("Big"));
        const QStringList lines = log.lines();
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.at(0), QStringLiteral("debug: Client reply received"));
        QVERIFY(lines.at(1) == QLatin1String("debug: ") + quoted(body));
        return;
    }

    QCOMPARE(reply->property(SpeakerApi::DiscardedProperty).toString(), why);
    QCOMPARE(page.body, QByteArray());
    QVERIFY(!page.usable);
    QCOMPARE(log.lines(), MessageLog::debugs({ "Client reply received", why, "Document is NULL" }));
    QVERIFY(page.device.name.isNull());
}

void TestReplies::endlessAnswerAbortedEarly()
{
    // A device that keeps sending is cut off soon after the limit instead of
    // being read to its end.
    MessageLog log;
    const int size = 16 * 1024 * 1024;
    ScriptedResponse response = ScriptedResponse::json(paddedAnswer(size));
    response.framing = ScriptedResponse::WithoutLength;
    m_server.enqueue(response);
    Page page;
    SpeakerApi::postRequest(&page, m_server.url(), SpeakerApi::queryBody(),
                            SpeakerApi::DefaultDeadline);
    QTRY_COMPARE(page.replies.size(), 1);

    const QStringList lines = log.lines();
    QCOMPARE(lines.size(), 3);
    const QString discarded = QStringLiteral("debug: Reply too large, discarded after ");
    QVERIFY2(lines.at(1).startsWith(discarded) && lines.at(1).endsWith(QLatin1String(" bytes")),
             qPrintable(lines.at(1)));
    const qint64 received =
        lines.at(1).mid(discarded.size()).section(QLatin1Char(' '), 0, 0).toLongLong();
    QVERIFY(received > SpeakerApi::MaxReplySize && received < size);
    QCOMPARE(lines.at(2), QStringLiteral("debug: Document is NULL"));
    QTRY_COMPARE(m_server.openConnections(), 0);
}

// While the page takes nothing (its thread busy), Qt's network thread stops reading once it holds
// its read buffer, instead of reading into memory all that the device sends.
void TestReplies::unreadAnswerHeldBack()
{
    MessageLog log;
    EndlessSpeaker speaker;
    Page page;
    SpeakerApi::postRequest(&page, speaker.url(), SpeakerApi::queryBody(),
                            SpeakerApi::DefaultDeadline);
    QTRY_VERIFY(speaker.requested());

    // Blocks this thread until the device can send no more, or has sent all it would.
    QElapsedTimer since;
    since.start();
    QElapsedTimer stalled;
    stalled.start();
    qint64 taken = -1;
    while (since.elapsed() < 30000 && taken < EndlessSpeaker::Cap && stalled.elapsed() < 1000) {
        if (speaker.taken() != taken) {
            taken = speaker.taken();
            stalled.restart();
        }
        QThread::msleep(10);
    }

    // The page runs again and finds all that Qt read meanwhile.
    QTRY_COMPARE(page.replies.size(), 1);
    const QString discarded = QStringLiteral("debug: Reply too large, discarded after ");
    QCOMPARE(log.lines().size(), 3);
    const QString line = log.lines().at(1);
    QVERIFY2(line.startsWith(discarded), qPrintable(line));
    QVERIFY2(line.mid(discarded.size()).section(QLatin1Char(' '), 0, 0).toLongLong() <=
                 SpeakerApi::ReadBufferSize,
             qPrintable(line));
}

void TestReplies::notSent_data()
{
    using Problem = SpeakerApi::AnswerProblem;
    QTest::addColumn<QString>("url"); // empty: a server that takes the request
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<QString>("line");

    QTest::newRow("connection refused") << CapturingServer::refusingUrl() << Problem::NotSent
                                        << "Transfer failed: QNetworkReply::ConnectionRefusedError";
    // Linux makes no TCP connection to a multicast address, as none to a host without a route:
    // "Network unreachable" at once, and nothing leaves the machine.
    QTest::newRow("no route") << "http://224.0.0.1:9/api/v14/configure.action" << Problem::NotSent
                              << "Transfer failed: QNetworkReply::UnknownNetworkError";
    // The same refusal when Qt tries again after the first connection, which took the request,
    // closed unanswered.
    QTest::newRow("sent, closed and refused")
        << QString() << Problem::NoAnswer
        << "Transfer failed: QNetworkReply::ConnectionRefusedError";
}

// A connection that could not be made sent nothing; once the request went out on one, what
// follows is no answer, whatever the error.
void TestReplies::notSent()
{
    QFETCH(QString, url);
    QFETCH(SpeakerApi::AnswerProblem, problem);
    QFETCH(QString, line);

    CapturingServer server;
    QVERIFY(server.listen());
    ScriptedResponse stop;
    stop.framing = ScriptedResponse::ResetAndStop;
    server.enqueue(stop);
    Page page;
    SpeakerApi::postRequest(&page, url.isEmpty() ? server.url() : url, SpeakerApi::queryBody(),
                            SpeakerApi::DefaultDeadline);
    QTRY_COMPARE(page.replies.size(), 1);
    QCOMPARE(server.requests().count(), url.isEmpty() ? 1 : 0);

    MessageLog log;
    SpeakerApi::DeviceInfo device;
    QCOMPARE(SpeakerApi::readQueryAnswer(page.transfer, page.body, &device), problem);
    QCOMPARE(log.lines(), MessageLog::debugs({ "Document is NULL", line }));
}

// The limit counts from the request: an answer dripped a byte at a time, each long before the
// limit, is cut off at the limit instead of keeping the page waiting for all of it.
void TestReplies::drippingAnswerEndsAtDeadline()
{
    CapturingServer server;
    QVERIFY(server.listen());
    const int bodySize = 200;
    ScriptedResponse response = ScriptedResponse::json(paddedAnswer(bodySize));
    response.dripInterval = 20; // four seconds for the body
    server.enqueue(response);
    Page page;
    SpeakerApi::postRequest(&page, server.url(), SpeakerApi::queryBody(),
                            std::chrono::milliseconds(300));
    QTRY_COMPARE_WITH_TIMEOUT(page.replies.size(), 1, 10000);

    // Ended with most of the body still to come: the head and a few bytes were written.
    QVERIFY2(server.bytesWritten() < bodySize, qPrintable(QString::number(server.bytesWritten())));
    MessageLog log;
    SpeakerApi::DeviceInfo device;
    QCOMPARE(SpeakerApi::readQueryAnswer(page.transfer, page.body, &device),
             SpeakerApi::AnswerProblem::NoAnswer);
    QCOMPARE(log.lines(),
             MessageLog::debugs({ "Document is NULL", "Transfer failed: no answer in time" }));
}

void TestReplies::refusalReason_data()
{
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("reason");

    const QString ellipsis(QChar(0x2026));
    const QString word = QStringLiteral("abcdefgh ");
    QTest::newRow("short, trimmed") << " wrong password "
                                    << "wrong password";
    QTest::newRow("as long as kept") << QString(200, 'x') << QString(200, 'x');
    QTest::newRow("cut after a word")
        << word.repeated(30) << word.repeated(21) + QStringLiteral("abcdefgh") + ellipsis;
    QTest::newRow("one long word") << QString(250, 'X') << QString(199, 'X') + ellipsis;
    QTest::newRow("no word end near the limit") << QStringLiteral("a ") +
            QString(248, 'X') << QStringLiteral("a ") + QString(197, 'X') + ellipsis;
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("a pair of halves at the limit")
        << QString(198, 'X') + face + QString(10, 'X') << QString(198, 'X') + ellipsis;
}

// A refusal's reason is shown whole where it fits, otherwise cut with a sign that it was.
void TestReplies::refusalReason()
{
    QFETCH(QString, said);
    QFETCH(QString, reason);

    MessageLog log;
    const QByteArray body = QJsonDocument(QJsonObject { { "returncode", "1" }, { "error", said } })
                                .toJson(QJsonDocument::Compact);
    SpeakerApi::Transfer transfer;
    transfer.status = 200;
    transfer.sent = true;
    QString read;
    QCOMPARE(SpeakerApi::readSetconfigAnswer(transfer, body, &read),
             SpeakerApi::SaveOutcome::Refused);
    QCOMPARE(read, reason);
    QVERIFY(read.size() <= SpeakerApi::MaxReasonLength);
}

QTEST_GUILESS_MAIN(TestReplies)
#include "tst_replies.moc"
