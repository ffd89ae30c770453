#include "capturingserver.h"
#include "messagelog.h"
#include "setconfig.h"
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
    void initTestCase() { QVERIFY(m_server.listen()); }
    void speakerUrl_data();
    void speakerUrl();
    void jsonStringContent_data();
    void jsonStringContent();
    void wire_data();
    void wire();
    void configLineMasksPassword_data();
    void configLineMasksPassword();

private:
    CapturingServer m_server;
};

// The set-configuration body with empty values, byte for byte: 200 bytes.
static const char EmptySetconfig[] =
    "{\"action\": \"setconfig\", \"deviceinfo\": {\"devicename\": \"\"},\"networkinfo\": "
    "{\"wifimode\": \"client\", \"clientinfo\": {\"encrypt_type\": \"WPA\", \"wifipwd\": \"\", "
    "\"wifissid\": \"\"}, \"ipaddressinfo\": {\"type\": \"DHCP\"}}}";

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
    // The request is made from the text in tolerant mode: host and port must come back whole.
    const QUrl parsed(built, QUrl::TolerantMode);
    QVERIFY2(parsed.isValid(), qPrintable(parsed.errorString()));
    QCOMPARE(parsed.host(), host);
    QCOMPARE(parsed.port(), port);
    QCOMPARE(QHostAddress(parsed.host()), QHostAddress(address));
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

static void addSetconfigRow(const char *row, const QString &name, const QString &password,
                            const QString &ssid, const QByteArray &bytes)
{
    QTest::newRow(row) << SpeakerApi::setconfigBody(name, password, ssid) << bytes
                       << QStringList({ name, password, ssid });
}

void TestRequests::wire_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("values"); // name, password, SSID of a set-configuration

    QTest::newRow("query") << SpeakerApi::queryBody() << QByteArray("{\"action\": \"query\"}")
                           << QStringList();
    QTest::newRow("wifiscan") << SpeakerApi::wifiscanBody()
                              << QByteArray("{\"action\": \"wifiscan\"}") << QStringList();
    addSetconfigRow("setconfig, empty values", QString(), QString(), QString(),
                    QByteArray(EmptySetconfig));
    addSetconfigRow("setconfig, plain values", QStringLiteral("VANTIR Ovix"),
                    QStringLiteral("secret12"), QStringLiteral("HomeNet"),
                    setconfigBytes("VANTIR Ovix", "secret12", "HomeNet"));
    addSetconfigRow("password with quotation mark, reverse solidus and control character",
                    QStringLiteral("Box"),
                    QString::fromLatin1("p\"w\\x") + QChar(0x01) + QLatin1Char('\n'),
                    QStringLiteral("Net"), setconfigBytes("Box", "p\\\"w\\\\x\\u0001\\n", "Net"));
    addSetconfigRow("name with umlauts",
                    QString::fromUtf8("K\xc3\xbc"
                                      "che"),
                    QStringLiteral("pw"), QString::fromUtf8("Caf\xc3\xa9"),
                    setconfigBytes("K\xc3\xbc"
                                   "che",
                                   "pw", "Caf\xc3\xa9"));
    addSetconfigRow("values that look like JSON", QStringLiteral("\"},\"x\": {\""),
                    QStringLiteral("\\"), QStringLiteral("\"}"),
                    setconfigBytes("\\\"},\\\"x\\\": {\\\"", "\\\\", "\\\"}"));
}

void TestRequests::wire()
{
    QFETCH(QString, body);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, values);

    MessageLog log;
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
    QCOMPARE(QByteArray(EmptySetconfig).size(), 200);

    // The two headers of the interface, each once, as raw headers in this order and spelling;
    // the charset is a header of its own.
    const QList<QByteArray> names = request.headerNames();
    QCOMPARE(names.count("Content-Type"), 1);
    QCOMPARE(names.count("charset"), 1);
    QVERIFY(names.indexOf("Content-Type") < names.indexOf("charset"));
    QVERIFY(request.raw.contains("\r\nContent-Type: text/plain\r\n"));
    QVERIFY(request.raw.contains("\r\ncharset: UTF-8\r\n"));
    // Sending writes no lines of its own, nor any complaint of the network stack.
    QCOMPARE(log.lines(), QStringList());

    // Whatever the values, the speaker gets one valid object that gives them back.
    if (values.isEmpty())
        return;
    const QJsonObject clientinfo { { "encrypt_type", "WPA" },
                                   { "wifipwd", values.at(1) },
                                   { "wifissid", values.at(2) } };
    const QJsonObject networkinfo { { "wifimode", "client" },
                                    { "clientinfo", clientinfo },
                                    { "ipaddressinfo", QJsonObject { { "type", "DHCP" } } } };
    const QJsonObject expected { { "action", "setconfig" },
                                 { "deviceinfo", QJsonObject { { "devicename", values.at(0) } } },
                                 { "networkinfo", networkinfo } };
    QJsonParseError error;
    QCOMPARE(QJsonDocument::fromJson(request.body, &error).object(), expected);
    QCOMPARE(error.error, QJsonParseError::NoError);
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
    const auto line = [](const QByteArray &name, const QByteArray &password,
                         const QByteArray &ssid) {
        return QStringLiteral("CONFIG STRING: >>>") +
            QString::fromUtf8(setconfigBytes(name, password, ssid)) + QStringLiteral("<<<\n\n");
    };
    QTest::newRow("short password masked to eight stars") << "A"
                                                          << "x"
                                                          << "B" << line("A", "********", "B");
    QTest::newRow("empty password stays empty") << "A" << QString() << "B" << line("A", "", "B");
    QTest::newRow("values escaped, not quoted by the log")
        << "a\"b"
        << "p\"w"
        << "c\\d" << line("a\\\"b", "********", "c\\\\d");
}

void TestRequests::configLineMasksPassword()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, ssid);
    QFETCH(QString, line);

    MessageLog log;
    SpeakerApi::logSetconfig(name, password, ssid);
    QCOMPARE(log.lines(), MessageLog::debugs({ line }));
}

QTEST_GUILESS_MAIN(TestRequests)
#include "tst_requests.moc"
