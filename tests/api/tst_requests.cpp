#include "capturingserver.h"
#include "logcapture.h"
#include "speakerapi.h"

#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QUrl>
#include <QtTest>

// Stands in for a wizard page: owns the managers and takes their replies.
class Page : public QObject
{
    Q_OBJECT

public:
    int replies = 0;

private slots:
    void replyFinished(QNetworkReply *) { ++replies; }
};

class TestRequests : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void speakerUrl_data();
    void speakerUrl();
    void fixedBodies();
    void jsonStringContent_data();
    void jsonStringContent();
    void setconfigBody_data();
    void setconfigBody();
    void wire_data();
    void wire();
    void configLineMasksPassword_data();
    void configLineMasksPassword();
    void queryAndScanTogether();
    void serverKeepsConnectionsAlive();
    void serverLeavesRequestUnanswered();

private:
    QScopedPointer<LogCapture> m_log;
    CapturingServer m_server;
};

static const char EmptySetconfig[] =
    "{\"action\": \"setconfig\", \"deviceinfo\": {\"devicename\": \"\"},\"networkinfo\": "
    "{\"wifimode\": \"client\", \"clientinfo\": {\"encrypt_type\": \"WPA\", \"wifipwd\": \"\", "
    "\"wifissid\": \"\"}, \"ipaddressinfo\": {\"type\": \"DHCP\"}}}";

void TestRequests::initTestCase()
{
    m_log.reset(new LogCapture);
    QVERIFY(m_server.listen());
}

void TestRequests::cleanupTestCase()
{
    m_log.reset();
}

void TestRequests::init()
{
    LogCapture::lines().clear();
}

void TestRequests::speakerUrl_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("host");

    QTest::newRow("IPv4") << "192.168.1.20" << 80
                          << "http://192.168.1.20:80/api/v14/configure.action"
                          << "192.168.1.20";
    QTest::newRow("IPv4 high port")
        << "10.0.0.7" << 65535 << "http://10.0.0.7:65535/api/v14/configure.action"
        << "10.0.0.7";
    QTest::newRow("IPv6") << "2001:db8::20" << 8080
                          << "http://[2001:db8::20]:8080/api/v14/configure.action"
                          << "2001:db8::20";
    QTest::newRow("IPv6 loopback") << "::1" << 80 << "http://[::1]:80/api/v14/configure.action"
                                   << "::1";
    QTest::newRow("IPv6 zone id") << "fe80::1%eth0" << 80
                                  << "http://[fe80::1%25eth0]:80/api/v14/configure.action"
                                  << "fe80::1%eth0";
    QTest::newRow("IPv4-mapped IPv6")
        << "::ffff:192.168.1.20" << 80 << "http://[::ffff:192.168.1.20]:80/api/v14/configure.action"
        << "::ffff:192.168.1.20";
}

void TestRequests::speakerUrl()
{
    QFETCH(QString, address);
    QFETCH(int, port);
    QFETCH(QString, url);
    QFETCH(QString, host);

    const QString built = SpeakerApi::speakerUrl(QHostAddress(address), port);
    QCOMPARE(built, url);

    // The request is made from the text in tolerant mode: host and port must
    // come back whole.
    const QUrl parsed(built, QUrl::TolerantMode);
    QVERIFY2(parsed.isValid(), qPrintable(parsed.errorString()));
    QCOMPARE(parsed.scheme(), QStringLiteral("http"));
    QCOMPARE(parsed.host(), host);
    QCOMPARE(parsed.port(), port);
    QCOMPARE(parsed.path(), QStringLiteral("/api/v14/configure.action"));
    QCOMPARE(QHostAddress(parsed.host()), QHostAddress(address));
}

void TestRequests::fixedBodies()
{
    QCOMPARE(SpeakerApi::queryBody().toUtf8(), QByteArray("{\"action\": \"query\"}"));
    QCOMPARE(SpeakerApi::queryBody().toUtf8().size(), 19);
    QCOMPARE(SpeakerApi::wifiscanBody().toUtf8(), QByteArray("{\"action\": \"wifiscan\"}"));
    QCOMPARE(SpeakerApi::wifiscanBody().toUtf8().size(), 22);
}

void TestRequests::jsonStringContent_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("content");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("plain") << "Living Room"
                           << "Living Room";
    QTest::newRow("quotation mark") << "a\"b"
                                    << "a\\\"b";
    QTest::newRow("reverse solidus") << "a\\b"
                                     << "a\\\\b";
    QTest::newRow("solidus unchanged") << "a/b"
                                       << "a/b";
    QTest::newRow("short escapes") << "\b\f\n\r\t"
                                   << "\\b\\f\\n\\r\\t";
    QTest::newRow("U+0000") << QString(QChar(0)) << "\\u0000";
    QTest::newRow("U+001F") << QString(QChar(0x1f)) << "\\u001f";
    QTest::newRow("U+007F unchanged") << QString(QChar(0x7f)) << QString(QChar(0x7f));
    QTest::newRow("umlauts unchanged") << QString::fromUtf8("K\xc3\xbc"
                                                            "che \xc3\x96l")
                                       << QString::fromUtf8("K\xc3\xbc"
                                                            "che \xc3\x96l");
    QTest::newRow("outside the BMP unchanged")
        << QString::fromUtf8("\xf0\x9f\x8e\xb5") << QString::fromUtf8("\xf0\x9f\x8e\xb5");
}

void TestRequests::jsonStringContent()
{
    QFETCH(QString, value);
    QFETCH(QString, content);

    QCOMPARE(SpeakerApi::jsonStringContent(value), content);
}

void TestRequests::setconfigBody_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("empty values") << QString() << QString() << QString()
                                  << QByteArray(EmptySetconfig);
    QTest::newRow("plain values")
        << "VANTIR Ovix"
        << "secret12"
        << "HomeNet"
        << QByteArray("{\"action\": \"setconfig\", \"deviceinfo\": {\"devicename\": \"VANTIR "
                      "Ovix\"},\"networkinfo\": {\"wifimode\": \"client\", \"clientinfo\": "
                      "{\"encrypt_type\": \"WPA\", \"wifipwd\": \"secret12\", \"wifissid\": "
                      "\"HomeNet\"}, \"ipaddressinfo\": {\"type\": \"DHCP\"}}}");
    QTest::newRow("password with quotation mark, reverse solidus and control character")
        << "Box" << QString::fromLatin1("p\"w\\x") + QChar(0x01) + QLatin1Char('\n') << "Net"
        << QByteArray("{\"action\": \"setconfig\", \"deviceinfo\": {\"devicename\": \"Box\"},"
                      "\"networkinfo\": {\"wifimode\": \"client\", \"clientinfo\": "
                      "{\"encrypt_type\": \"WPA\", \"wifipwd\": \"p\\\"w\\\\x\\u0001\\n\", "
                      "\"wifissid\": \"Net\"}, \"ipaddressinfo\": {\"type\": \"DHCP\"}}}");
    QTest::newRow("name with umlauts")
        << QString::fromUtf8("K\xc3\xbc"
                             "che")
        << "pw" << QString::fromUtf8("Caf\xc3\xa9")
        << QByteArray("{\"action\": \"setconfig\", \"deviceinfo\": {\"devicename\": "
                      "\"K\xc3\xbc"
                      "che\"},\"networkinfo\": {\"wifimode\": \"client\", \"clientinfo\": "
                      "{\"encrypt_type\": \"WPA\", \"wifipwd\": \"pw\", \"wifissid\": "
                      "\"Caf\xc3\xa9\"}, \"ipaddressinfo\": {\"type\": \"DHCP\"}}}");
    QTest::newRow("values that look like JSON")
        << "\"},\"x\": {\""
        << "\\"
        << "\"}"
        << QByteArray("{\"action\": \"setconfig\", \"deviceinfo\": {\"devicename\": "
                      "\"\\\"},\\\"x\\\": {\\\"\"},\"networkinfo\": {\"wifimode\": \"client\", "
                      "\"clientinfo\": {\"encrypt_type\": \"WPA\", \"wifipwd\": \"\\\\\", "
                      "\"wifissid\": \"\\\"}\"}, \"ipaddressinfo\": {\"type\": \"DHCP\"}}}");
}

void TestRequests::setconfigBody()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, ssid);
    QFETCH(QByteArray, body);

    const QByteArray built = SpeakerApi::setconfigBody(name, password, ssid).toUtf8();
    QCOMPARE(built, body);
    QCOMPARE(QByteArray(EmptySetconfig).size(), 200);

    // Whatever the values, the speaker gets one valid object that gives them back.
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(built, &error);
    QVERIFY2(document.isObject(), qPrintable(error.errorString()));
    const QJsonObject object = document.object();
    QCOMPARE(object.keys(),
             QStringList({ QStringLiteral("action"), QStringLiteral("deviceinfo"),
                           QStringLiteral("networkinfo") }));
    QCOMPARE(object.value(QLatin1String("action")).toString(), QStringLiteral("setconfig"));
    QCOMPARE(object.value(QLatin1String("deviceinfo"))
                 .toObject()
                 .value(QLatin1String("devicename"))
                 .toString(),
             name);
    const QJsonObject networkinfo = object.value(QLatin1String("networkinfo")).toObject();
    QCOMPARE(networkinfo.value(QLatin1String("wifimode")).toString(), QStringLiteral("client"));
    const QJsonObject clientinfo = networkinfo.value(QLatin1String("clientinfo")).toObject();
    QCOMPARE(clientinfo.size(), 3);
    QCOMPARE(clientinfo.value(QLatin1String("encrypt_type")).toString(), QStringLiteral("WPA"));
    QCOMPARE(clientinfo.value(QLatin1String("wifipwd")).toString(), password);
    QCOMPARE(clientinfo.value(QLatin1String("wifissid")).toString(), ssid);
    QCOMPARE(networkinfo.value(QLatin1String("ipaddressinfo"))
                 .toObject()
                 .value(QLatin1String("type"))
                 .toString(),
             QStringLiteral("DHCP"));
}

void TestRequests::wire_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("query") << SpeakerApi::queryBody() << QByteArray("{\"action\": \"query\"}");
    QTest::newRow("wifiscan") << SpeakerApi::wifiscanBody()
                              << QByteArray("{\"action\": \"wifiscan\"}");
    QTest::newRow("setconfig, empty values")
        << SpeakerApi::setconfigBody({}, {}, {}) << QByteArray(EmptySetconfig);
    QTest::newRow("setconfig, umlauts and escapes")
        << SpeakerApi::setconfigBody(QString::fromUtf8("B\xc3\xbc"
                                                       "ro"),
                                     QString::fromLatin1("a\"\\") + QChar(0x1f),
                                     QStringLiteral("N"))
        << QByteArray("{\"action\": \"setconfig\", \"deviceinfo\": {\"devicename\": "
                      "\"B\xc3\xbcro\"},\"networkinfo\": {\"wifimode\": \"client\", "
                      "\"clientinfo\": {\"encrypt_type\": \"WPA\", \"wifipwd\": "
                      "\"a\\\"\\\\\\u001f\", \"wifissid\": \"N\"}, \"ipaddressinfo\": "
                      "{\"type\": \"DHCP\"}}}");
}

void TestRequests::wire()
{
    QFETCH(QString, body);
    QFETCH(QByteArray, bytes);

    Page page;
    QSignalSpy received(&m_server, &CapturingServer::requestReceived);
    QNetworkAccessManager *manager = SpeakerApi::postRequest(&page, m_server.url(), body);
    QVERIFY(manager);
    QCOMPARE(manager->parent(), &page);
    QTRY_COMPARE(received.count(), 1);
    QTRY_COMPARE(page.replies, 1);

    const CapturedRequest request = received.at(0).at(0).value<CapturedRequest>();
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.path, QByteArray("/api/v14/configure.action"));
    QCOMPARE(request.body, bytes);
    QVERIFY(request.raw.endsWith("\r\n\r\n" + bytes));
    QCOMPARE(request.header("Content-Length"), QByteArray::number(bytes.size()));

    // The two headers of the interface, each once, as raw headers in this order
    // and spelling; the charset is a header of its own.
    const QList<QByteArray> names = request.headerNames();
    QCOMPARE(names.count("Content-Type"), 1);
    QCOMPARE(names.count("charset"), 1);
    QVERIFY(names.indexOf("Content-Type") < names.indexOf("charset"));
    QCOMPARE(request.header("Content-Type"), QByteArray("text/plain"));
    QCOMPARE(request.header("charset"), QByteArray("UTF-8"));
    QVERIFY(request.raw.contains("\r\nContent-Type: text/plain\r\n"));
    QVERIFY(request.raw.contains("\r\ncharset: UTF-8\r\n"));

    // Sending writes no lines of its own, nor any complaint of the network stack.
    QCOMPARE(shown(LogCapture::lines()), QStringList());
}

void TestRequests::configLineMasksPassword_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QString>("line");

    QTest::newRow("password masked")
        << "VANTIR Ovix"
        << "Geheim!123"
        << "HomeNet"
        << "CONFIG STRING: >>>{\"action\": \"setconfig\", \"deviceinfo\": {\"devicename\": "
           "\"VANTIR Ovix\"},\"networkinfo\": {\"wifimode\": \"client\", \"clientinfo\": "
           "{\"encrypt_type\": \"WPA\", \"wifipwd\": \"********\", \"wifissid\": "
           "\"HomeNet\"}, \"ipaddressinfo\": {\"type\": \"DHCP\"}}}<<<\n\n";
    QTest::newRow("short password masked to the same length")
        << "A"
        << "x"
        << "B"
        << "CONFIG STRING: >>>{\"action\": \"setconfig\", \"deviceinfo\": {\"devicename\": "
           "\"A\"},\"networkinfo\": {\"wifimode\": \"client\", \"clientinfo\": "
           "{\"encrypt_type\": \"WPA\", \"wifipwd\": \"********\", \"wifissid\": "
           "\"B\"}, \"ipaddressinfo\": {\"type\": \"DHCP\"}}}<<<\n\n";
    QTest::newRow("empty password stays empty")
        << "A" << QString() << "B"
        << "CONFIG STRING: >>>{\"action\": \"setconfig\", \"deviceinfo\": {\"devicename\": "
           "\"A\"},\"networkinfo\": {\"wifimode\": \"client\", \"clientinfo\": "
           "{\"encrypt_type\": \"WPA\", \"wifipwd\": \"\", \"wifissid\": "
           "\"B\"}, \"ipaddressinfo\": {\"type\": \"DHCP\"}}}<<<\n\n";
    QTest::newRow("values escaped, not quoted by the log")
        << "a\"b"
        << "p\"w"
        << "c\\d"
        << "CONFIG STRING: >>>{\"action\": \"setconfig\", \"deviceinfo\": {\"devicename\": "
           "\"a\\\"b\"},\"networkinfo\": {\"wifimode\": \"client\", \"clientinfo\": "
           "{\"encrypt_type\": \"WPA\", \"wifipwd\": \"********\", \"wifissid\": "
           "\"c\\\\d\"}, \"ipaddressinfo\": {\"type\": \"DHCP\"}}}<<<\n\n";
}

void TestRequests::configLineMasksPassword()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, ssid);
    QFETCH(QString, line);

    Page page;
    QSignalSpy received(&m_server, &CapturingServer::requestReceived);
    SpeakerApi::logSetconfig(name, password, ssid);
    SpeakerApi::postRequest(&page, m_server.url(), SpeakerApi::setconfigBody(name, password, ssid));
    QTRY_COMPARE(received.count(), 1);

    QCOMPARE(shown(LogCapture::lines()), QStringList(QLatin1String("debug: ") + line));
    // The speaker still gets the real password.
    const CapturedRequest request = received.at(0).at(0).value<CapturedRequest>();
    const QJsonObject clientinfo = QJsonDocument::fromJson(request.body)
                                       .object()
                                       .value(QLatin1String("networkinfo"))
                                       .toObject()
                                       .value(QLatin1String("clientinfo"))
                                       .toObject();
    QCOMPARE(clientinfo.value(QLatin1String("wifipwd")).toString(), password);
    if (!password.isEmpty())
        QVERIFY(!LogCapture::lines().at(0).second.contains(password));
}

void TestRequests::queryAndScanTogether()
{
    // The speaker list page sends the scan and the query right after each other,
    // each on its own manager; both must arrive whole.
    Page wlans;
    Page client;
    QSignalSpy received(&m_server, &CapturingServer::requestReceived);
    const int connectionsBefore = m_server.connectionCount();
    QNetworkAccessManager *scan =
        SpeakerApi::postRequest(&wlans, m_server.url(), SpeakerApi::wifiscanBody());
    QNetworkAccessManager *query =
        SpeakerApi::postRequest(&client, m_server.url(), SpeakerApi::queryBody());
    QVERIFY(scan != query);
    QTRY_COMPARE(received.count(), 2);
    QTRY_COMPARE(wlans.replies, 1);
    QTRY_COMPARE(client.replies, 1);

    QList<QByteArray> bodies;
    for (const QList<QVariant> &arguments : received)
        bodies.append(arguments.at(0).value<CapturedRequest>().body);
    std::sort(bodies.begin(), bodies.end());
    QCOMPARE(bodies,
             QList<QByteArray>({ "{\"action\": \"query\"}", "{\"action\": \"wifiscan\"}" }));
    QCOMPARE(m_server.connectionCount(), connectionsBefore + 2);
}

void TestRequests::serverKeepsConnectionsAlive()
{
    // Pages reuse the capturing server; one client sending twice must find it
    // on the same connection.
    QNetworkAccessManager manager;
    QNetworkRequest request((QUrl(m_server.url())));
    request.setRawHeader("Content-Type", "text/plain");
    QSignalSpy received(&m_server, &CapturingServer::requestReceived);
    QNetworkReply *first = manager.post(request, QByteArray("one"));
    QTRY_VERIFY(first->isFinished());
    QNetworkReply *second = manager.post(request, QByteArray("two"));
    QTRY_VERIFY(second->isFinished());
    QCOMPARE(first->readAll(), QByteArray("{}"));
    QCOMPARE(second->readAll(), QByteArray("{}"));
    QCOMPARE(received.count(), 2);
    const CapturedRequest one = received.at(0).at(0).value<CapturedRequest>();
    const CapturedRequest two = received.at(1).at(0).value<CapturedRequest>();
    QCOMPARE(one.body, QByteArray("one"));
    QCOMPARE(two.body, QByteArray("two"));
    QCOMPARE(one.connection, two.connection);
}

void TestRequests::serverLeavesRequestUnanswered()
{
    // A speaker that never answers: the request stays pending until the
    // connection goes away.
    CapturingServer silent;
    QVERIFY(silent.listen());
    ScriptedResponse none;
    none.framing = ScriptedResponse::NoAnswer;
    silent.setDefaultResponse(none);
    Page page;
    QSignalSpy received(&silent, &CapturingServer::requestReceived);
    SpeakerApi::postRequest(&page, silent.url(), SpeakerApi::queryBody());
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(silent.openConnections(), 1);
    QCOMPARE(page.replies, 0);
    silent.close();
    QTRY_COMPARE(page.replies, 1);
}

QTEST_GUILESS_MAIN(TestRequests)
#include "tst_requests.moc"
