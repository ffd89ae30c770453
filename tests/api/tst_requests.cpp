#include "byterules.h"
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

Q_DECLARE_METATYPE(SpeakerApi::SsidProblem)

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
    void wire_data();
    void wire();
    void checkSettings_data();
    void checkSettings();
    void byteRule_data();
    void byteRule();
    void checkSsid_data();
    void checkSsid();

private:
    CapturingServer m_server;
};

// The set-configuration body with empty values, byte for byte: 200 bytes.
static const char EmptySetconfig[] =
    "{\"action\": \"setconfig\", \"deviceinfo\": {\"devicename\": \"\"},\"networkinfo\": "
    "{\"wifimode\": \"client\", \"clientinfo\": {\"encrypt_type\": \"WPA\", \"wifipwd\": \"\", "
    "\"wifissid\": \"\"}, \"ipaddressinfo\": {\"type\": \"DHCP\"}}}";
static_assert(sizeof(EmptySetconfig) == 200 + 1, "the empty body is 200 bytes");

void TestRequests::speakerUrl_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("url");

    QTest::newRow("IPv4") << "192.168.1.20" << 80
                          << "http://192.168.1.20:80/api/v14/configure.action";
    QTest::newRow("IPv6") << "2001:db8::20" << 8080
                          << "http://[2001:db8::20]:8080/api/v14/configure.action";
    QTest::newRow("IPv6 zone id") << "fe80::1%eth0" << 80
                                  << "http://[fe80::1%25eth0]:80/api/v14/configure.action";
    QTest::newRow("IPv4-mapped IPv6")
        << "::ffff:192.168.1.20" << 65535
        << "http://[::ffff:192.168.1.20]:65535/api/v14/configure.action";
}

void TestRequests::speakerUrl()
{
    QFETCH(QString, address);
    QFETCH(int, port);
    QFETCH(QString, url);

    const QString built = SpeakerApi::speakerUrl(QHostAddress(address), port);
    QCOMPARE(built, url);
    // The request is made from the text in tolerant mode: host and port must come back whole.
    const QUrl parsed(built, QUrl::TolerantMode);
    QVERIFY2(parsed.isValid(), qPrintable(parsed.errorString()));
    QCOMPARE(parsed.host(), address);
    QCOMPARE(parsed.port(), port);
}

// A set-configuration from name, password and SSID, and from the same three as they must
// appear inside the JSON strings.
static void addSetconfigRow(const char *row, const QStringList &values,
                            const QList<QByteArray> &json)
{
    const QByteArray shownPassword = values.at(1).isEmpty() ? QByteArray() : "********";
    QTest::newRow(row) << SpeakerApi::setconfigBody(values.at(0), values.at(1), values.at(2))
                       << setconfigBytes(json.at(0), json.at(1), json.at(2)) << values
                       << QStringLiteral("CONFIG STRING: >>>") +
            QString::fromUtf8(setconfigBytes(json.at(0), shownPassword, json.at(2))) +
            QStringLiteral("<<<\n\n");
}

void TestRequests::wire_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("values"); // name, password, SSID of a set-configuration
    QTest::addColumn<QString>("configLine"); // its log line, the password masked

    QTest::newRow("query") << SpeakerApi::queryBody() << QByteArray("{\"action\": \"query\"}")
                           << QStringList() << QString();
    QTest::newRow("wifiscan") << SpeakerApi::wifiscanBody()
                              << QByteArray("{\"action\": \"wifiscan\"}") << QStringList()
                              << QString();
    QTest::newRow("setconfig, empty values")
        << SpeakerApi::setconfigBody(QString(), QString(), QString()) << QByteArray(EmptySetconfig)
        << QStringList({ QString(), QString(), QString() })
        << QStringLiteral("CONFIG STRING: >>>%1<<<\n\n").arg(QLatin1String(EmptySetconfig));
    // Escaped: quotation mark, reverse solidus, controls; not: solidus, U+007F.
    addSetconfigRow("password with quotation mark, reverse solidus and control characters",
                    { QStringLiteral("Box"),
                      QStringLiteral("p\"w\\x/\b\f\n\r\t") + QChar(0) + QChar(0x1f) + QChar(0x7f),
                      QStringLiteral("Net") },
                    { "Box", "p\\\"w\\\\x/\\b\\f\\n\\r\\t\\u0000\\u001f\x7f", "Net" });
    // Sent as UTF-8, not escaped, also outside the BMP.
    addSetconfigRow("name with umlauts",
                    { QString::fromUtf8("K\xc3\xbc"
                                        "che \xf0\x9f\x8e\xb5"),
                      QStringLiteral("x"), QString::fromUtf8("Caf\xc3\xa9") },
                    { "K\xc3\xbc"
                      "che \xf0\x9f\x8e\xb5",
                      "x", "Caf\xc3\xa9" });
    // A lone UTF-16 code unit (as a speaker may send in "\ud800") has no UTF-8 form: it goes
    // back escaped, so the speaker gets the SSID it sent; a whole pair stays UTF-8.
    addSetconfigRow("SSID with lone surrogates",
                    { QStringLiteral("Box"), QStringLiteral("x"),
                      QString(QChar(0xd800)) + QLatin1Char('a') + QChar(0xdc00) + QChar(0xd83c) +
                          QChar(0xdfb5) + QChar(0xdbff) },
                    { "Box", "x", "\\ud800a\\udc00\xf0\x9f\x8e\xb5\\udbff" });
    addSetconfigRow(
        "values that look like JSON",
        { QStringLiteral("\"},\"x\": {\""), QStringLiteral("\\"), QStringLiteral("\"}") },
        { "\\\"},\\\"x\\\": {\\\"", "\\\\", "\\\"}" });
}

void TestRequests::wire()
{
    QFETCH(QString, body);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, values);
    QFETCH(QString, configLine);

    MessageLog log;
    Page page;
    QSignalSpy received(&m_server, &CapturingServer::requestReceived);
    QNetworkAccessManager *manager =
        SpeakerApi::postRequest(&page, m_server.url(), body, SpeakerApi::DefaultDeadline);
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

    // The two headers of the interface, each once, as raw headers in this order and spelling;
    // the charset is a header of its own. Around them what Qt adds, the same headers in the same
    // order with Qt 5 and Qt 6.
    QCOMPARE(request.headerNames(),
             QList<QByteArray>({ "Host", "Content-Type", "charset", "Content-Length", "Connection",
                                 "Accept-Encoding", "Accept-Language", "User-Agent" }));
    QVERIFY(request.raw.contains("\r\nContent-Type: text/plain\r\n"));
    QVERIFY(request.raw.contains("\r\ncharset: UTF-8\r\n"));
    // Sending writes no lines of its own, nor any complaint of the network stack.
    QCOMPARE(log.lines(), QStringList());

    if (values.isEmpty())
        return;
    // The log shows the same body with the password masked, also when it is one character.
    SpeakerApi::logSetconfig(values.at(0), values.at(1), values.at(2));
    QCOMPARE(log.lines(), MessageLog::debugs({ configLine }));

    // Whatever the values, the speaker gets one valid object that gives them back.
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

// The rule in bytes of UTF-8, as the speaker gets the values: "ä" is two bytes, an emoji four.
void TestRequests::checkSettings_data()
{
    using Problem = SpeakerApi::SettingsProblem;
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("encryptType");
    QTest::addColumn<Problem>("problem");

    const QString name = QStringLiteral("Ovix Kitchen");
    const QString ae = QString::fromUtf8("\xc3\xa4");
    const QString emoji = QString::fromUtf8("\xf0\x9f\x8e\xb5");
    const QString a = QStringLiteral("a");
    const QString hex64 = a.repeated(63) + QLatin1Char('F');

    QTest::newRow("name, one letter") << a << "12345678"
                                      << "WPA2" << Problem::None;
    QTest::newRow("name, 63 bytes") << a.repeated(63) << "12345678"
                                    << "WPA2" << Problem::None;
    QTest::newRow("name, 64 bytes") << a.repeated(64) << "12345678"
                                    << "WPA2" << Problem::NameTooLong;
    QTest::newRow("name, 31 ae and a: 63 bytes") << ae.repeated(31) + a << "12345678"
                                                 << "WPA2" << Problem::None;
    QTest::newRow("name, 32 ae: 64 bytes") << ae.repeated(32) << "12345678"
                                           << "WPA2" << Problem::NameTooLong;
    QTest::newRow("name, 15 emoji and 3 a: 63 bytes")
        << emoji.repeated(15) + a.repeated(3) << "12345678"
        << "WPA2" << Problem::None;
    QTest::newRow("name, 16 emoji: 64 bytes") << emoji.repeated(16) << "12345678"
                                              << "WPA2" << Problem::NameTooLong;
    QTest::newRow("name too long, open WLAN") << a.repeated(64) << ""
                                              << "NONE" << Problem::NameTooLong;
    QTest::newRow("blank name") << " \t"
                                << "12345678"
                                << "WPA2" << Problem::BlankName;
    QTest::newRow("empty name") << ""
                                << "12345678"
                                << "WPA2" << Problem::BlankName;

    QTest::newRow("WPA2, 8") << name << "12345678"
                             << "WPA2PSK" << Problem::None;
    QTest::newRow("wpa, 7") << name << "1234567"
                            << "wpa2" << Problem::WpaPasswordTooShort;
    QTest::newRow("WPA, empty") << name << ""
                                << "WPA2PSK" << Problem::WpaPasswordTooShort;
    QTest::newRow("WPA, 4 ae: 8 bytes") << name << ae.repeated(4) << "WPA2" << Problem::None;
    QTest::newRow("WPA, 3 ae and a: 7 bytes")
        << name << ae.repeated(3) + a << "WPA2" << Problem::WpaPasswordTooShort;
    QTest::newRow("WPA, 2 emoji: 8 bytes") << name << emoji.repeated(2) << "WPA2" << Problem::None;
    QTest::newRow("WPA, 63") << name << a.repeated(63) << "WPA2" << Problem::None;
    QTest::newRow("WPA, 31 ae and a: 63 bytes")
        << name << ae.repeated(31) + a << "WPA2" << Problem::None;
    QTest::newRow("WPA, 32 ae: 64 bytes")
        << name << ae.repeated(32) << "WPA2" << Problem::WpaPasswordTooLong;
    QTest::newRow("WPA, 37 ae: 74 bytes")
        << name << ae.repeated(37) << "WPA2" << Problem::WpaPasswordTooLong;
    QTest::newRow("WPA, 20 emoji: 80 bytes")
        << name << emoji.repeated(20) << "WPA2" << Problem::WpaPasswordTooLong;
    QTest::newRow("WPA, 64 hex") << name << hex64 << "WPA/WPA2" << Problem::None;
    QTest::newRow("WPA, 64 not hex")
        << name << a.repeated(63) + QLatin1Char('g') << "WPA" << Problem::WpaPasswordTooLong;
    QTest::newRow("WPA, 65 hex") << name << hex64 + a << "WPA" << Problem::WpaPasswordTooLong;

    QTest::newRow("NONE, empty") << name << ""
                                 << "NONE" << Problem::None;
    QTest::newRow("no type, empty") << name << ""
                                    << "" << Problem::None;
    QTest::newRow("WEP, empty") << name << ""
                                << "WEP" << Problem::PasswordMissing;
    QTest::newRow("WEP, one") << name << "x"
                              << "WEP" << Problem::None;
}

void TestRequests::checkSettings()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, encryptType);
    QFETCH(SpeakerApi::SettingsProblem, problem);
    QCOMPARE(SpeakerApi::checkSettings(name, password, encryptType), problem);
}

void TestRequests::byteRule_data()
{
    addByteRuleRows();
}

// Refused as a name, refused as a password of a WPA WLAN and of an open one alike.
void TestRequests::byteRule()
{
    QFETCH(QString, value);
    QFETCH(SpeakerApi::SettingsProblem, asName);
    QFETCH(SpeakerApi::SettingsProblem, asPassword);
    QCOMPARE(SpeakerApi::checkSettings(value, QStringLiteral("12345678"), QStringLiteral("WPA2")),
             asName);
    QCOMPARE(SpeakerApi::checkSettings(QStringLiteral("Ovix"), value, QStringLiteral("WPA2")),
             asPassword);
    QCOMPARE(SpeakerApi::checkSettings(QStringLiteral("Ovix"), value, QStringLiteral("NONE")),
             asPassword);
}

// A typed SSID: 1 to 32 bytes as the speaker gets them, blanks and all.
void TestRequests::checkSsid_data()
{
    using Problem = SpeakerApi::SsidProblem;
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<Problem>("problem");

    const QString ae = QString::fromUtf8("\xc3\xa4");
    QTest::newRow("empty") << "" << Problem::Missing;
    QTest::newRow("one blank") << " " << Problem::None;
    QTest::newRow("32 bytes") << QString(32, QLatin1Char('x')) << Problem::None;
    QTest::newRow("33 bytes") << QString(33, QLatin1Char('x')) << Problem::TooLong;
    QTest::newRow("16 ae: 32 bytes") << ae.repeated(16) << Problem::None;
    QTest::newRow("16 ae and a: 33 bytes") << ae.repeated(16) + 'a' << Problem::TooLong;
}

void TestRequests::checkSsid()
{
    QFETCH(QString, ssid);
    QFETCH(SpeakerApi::SsidProblem, problem);
    QCOMPARE(SpeakerApi::checkSsid(ssid), problem);
}

QTEST_GUILESS_MAIN(TestRequests)
#include "tst_requests.moc"
