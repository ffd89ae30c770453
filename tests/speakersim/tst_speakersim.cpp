#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include "simulatorprocess.h"

// The simulator on loopback without DNS-SD: replies, the request record, bad
// requests and the reboot after setconfig.
class tst_SpeakerSim : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void query();
    void wifiscan();
    void setconfig();
    void recordKeepsExactRequests();
    void badRequests_data();
    void badRequests();
    void badHttp_data();
    void badHttp();
    void acceptsBodyOfOneMebibyte();
    void rebootsUnderNewName();
    void deviceFileReplacesMembers();
    void endsOnSigterm();
    void commandLine_data();
    void commandLine();

private:
    void startSimulator(const QStringList &extraArguments = QStringList());
    void post(const QByteArray &body, Exchange &exchange, const QByteArray &verb = "POST",
              const QString &path = QStringLiteral("/api/v14/configure.action"));
    void checkStillServing();
    QList<QJsonObject> recordedLines();

    QTemporaryDir m_dir;
    QString m_recordFile;
    SimulatorProcess *m_simulator = nullptr;
    QNetworkAccessManager m_manager;
};

namespace {

const QByteArray queryBody = "{\"action\": \"query\"}";
const QByteArray wifiscanBody = "{\"action\": \"wifiscan\"}";

// The set-configuration body exactly as the settings page writes it.
QByteArray setconfigBody(const QString &name, const QString &password, const QString &ssid)
{
    return QStringLiteral("{\"action\": \"setconfig\", \"deviceinfo\": {\"devicename\": \"%1\"},"
                          "\"networkinfo\": {\"wifimode\": \"client\", \"clientinfo\": "
                          "{\"encrypt_type\": \"WPA\", \"wifipwd\": \"%2\", \"wifissid\": "
                          "\"%3\"}, \"ipaddressinfo\": {\"type\": \"DHCP\"}}}")
        .arg(name, password, ssid)
        .toUtf8();
}

} // namespace

void tst_SpeakerSim::init()
{
    QVERIFY(m_dir.isValid());
    m_recordFile = m_dir.filePath(
        QStringLiteral("%1.jsonl").arg(QString::fromLatin1(QTest::currentTestFunction())));
    m_simulator = new SimulatorProcess;
}

void tst_SpeakerSim::cleanup()
{
    delete m_simulator;
    m_simulator = nullptr;
}

void tst_SpeakerSim::startSimulator(const QStringList &extraArguments)
{
    QStringList arguments { QStringLiteral("--no-advertise"),
                            QStringLiteral("--port"),
                            QStringLiteral("0"),
                            QStringLiteral("--reboot-seconds"),
                            QStringLiteral("1"),
                            QStringLiteral("--record"),
                            m_recordFile };
    arguments += extraArguments;
    QVERIFY(m_simulator->start(arguments));
    QTRY_VERIFY_WITH_TIMEOUT(m_simulator->listeningLines() == 1 ||
                                 m_simulator->process.state() == QProcess::NotRunning,
                             10000);
    QVERIFY(m_simulator->port() > 0);
}

void tst_SpeakerSim::post(const QByteArray &body, Exchange &exchange, const QByteArray &verb,
                          const QString &path)
{
    QNetworkRequest request(m_simulator->url(path));
    request.setRawHeader("Content-Type", "text/plain");
    request.setRawHeader("charset", "UTF-8");
    QNetworkReply *reply = m_manager.sendCustomRequest(request, verb, body);
    QTRY_VERIFY_WITH_TIMEOUT(reply->isFinished(), 10000);
    exchange.error = reply->error();
    exchange.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    exchange.body = reply->readAll();
    exchange.object = QJsonDocument::fromJson(exchange.body).object();
    reply->deleteLater();
}

void tst_SpeakerSim::checkStillServing()
{
    Exchange exchange;
    post(queryBody, exchange);
    QCOMPARE(exchange.status, 200);
    QVERIFY(exchange.object.contains(QLatin1String("deviceinfo")));
    QCOMPARE(m_simulator->process.state(), QProcess::Running);
}

QList<QJsonObject> tst_SpeakerSim::recordedLines()
{
    QFile file(m_recordFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QJsonObject> lines;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.isEmpty())
            lines.append(QJsonDocument::fromJson(line).object());
    }
    return lines;
}

void tst_SpeakerSim::query()
{
    startSimulator();
    Exchange exchange;
    post(queryBody, exchange);
    QCOMPARE(exchange.status, 200);

    const QJsonObject device = exchange.object.value(QLatin1String("deviceinfo")).toObject();
    QCOMPARE(device.value(QLatin1String("devicename")).toString(), QStringLiteral("Ovix-3C7A"));
    QCOMPARE(device.value(QLatin1String("model")).toString(), QStringLiteral("Ovix"));
    QVERIFY(device.value(QLatin1String("softwarever")).isString());
    QVERIFY(!device.value(QLatin1String("softwarever")).toString().isEmpty());
    QVERIFY(device.value(QLatin1String("hardwarever")).isString());
    QVERIFY(!device.value(QLatin1String("hardwarever")).toString().isEmpty());
    const QJsonValue ip = exchange.object.value(QLatin1String("networkinfo"))
                              .toObject()
                              .value(QLatin1String("ipaddressinfo"))
                              .toObject()
                              .value(QLatin1String("ipaddress"));
    QCOMPARE(ip.toString(), QStringLiteral("127.0.0.1"));
}

void tst_SpeakerSim::wifiscan()
{
    startSimulator();
    Exchange exchange;
    post(wifiscanBody, exchange);
    QCOMPARE(exchange.status, 200);

    const QJsonArray accessPoints = exchange.object.value(QLatin1String("aplist")).toArray();
    QVERIFY(accessPoints.size() >= 4);
    QStringList names;
    for (const QJsonValue &value : accessPoints) {
        const QJsonObject accessPoint = value.toObject();
        for (const char *key : { "ssid", "encrypt_type", "signal_level" })
            QVERIFY2(accessPoint.value(QLatin1String(key)).isString(), key);
        names << accessPoint.value(QLatin1String("ssid")).toString();
    }
    // Non-ASCII network names travel in UTF-8.
    QVERIFY(names.contains(QStringLiteral("G\u00e4ste-WLAN")));
}

void tst_SpeakerSim::setconfig()
{
    startSimulator();
    Exchange exchange;
    post(setconfigBody(QStringLiteral("Kitchen"), QStringLiteral("secret12"),
                       QStringLiteral("Hausnetz")),
         exchange);
    QCOMPARE(exchange.status, 200);
    QCOMPARE(exchange.object, QJsonObject({ { QLatin1String("returncode"), QLatin1String("0") } }));
}

void tst_SpeakerSim::recordKeepsExactRequests()
{
    startSimulator();
    const QByteArray config =
        setconfigBody(QStringLiteral("K\u00fcche"), QStringLiteral("pa\\\"ss"),
                      QStringLiteral("G\u00e4ste-WLAN"));
    const QList<QByteArray> bodies { queryBody, wifiscanBody, config };
    for (const QByteArray &body : bodies) {
        Exchange exchange;
        post(body, exchange);
        QCOMPARE(exchange.status, 200);
    }

    const QList<QJsonObject> lines = recordedLines();
    QCOMPARE(lines.size(), bodies.size());
    for (int i = 0; i < lines.size(); ++i) {
        const QJsonObject &line = lines.at(i);
        QCOMPARE(line.value(QLatin1String("method")).toString(), QStringLiteral("POST"));
        QCOMPARE(line.value(QLatin1String("path")).toString(),
                 QStringLiteral("/api/v14/configure.action"));
        QCOMPARE(line.value(QLatin1String("status")).toInt(), 200);
        const QByteArray exact =
            QByteArray::fromBase64(line.value(QLatin1String("body_base64")).toString().toLatin1());
        QCOMPARE(exact, bodies.at(i));
        QCOMPARE(line.value(QLatin1String("body")).toString(), QString::fromUtf8(bodies.at(i)));

        // Both of the client's own headers (the HTTP library sorts them by name).
        QStringList names;
        QStringList values;
        for (const QJsonValue &header : line.value(QLatin1String("headers")).toArray()) {
            names << header.toArray().at(0).toString();
            values << header.toArray().at(1).toString();
        }
        const int contentType = names.indexOf(QStringLiteral("Content-Type"));
        const int charset = names.indexOf(QStringLiteral("charset"));
        QVERIFY(contentType >= 0);
        QVERIFY(charset >= 0);
        QCOMPARE(values.at(contentType), QStringLiteral("text/plain"));
        QCOMPARE(values.at(charset), QStringLiteral("UTF-8"));
    }
}

void tst_SpeakerSim::badRequests_data()
{
    QTest::addColumn<QByteArray>("verb");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");

    const QString path = QStringLiteral("/api/v14/configure.action");
    QTest::newRow("GET") << QByteArray("GET") << path << QByteArray() << 405
                         << QStringLiteral("only POST is allowed here");
    QTest::newRow("PUT") << QByteArray("PUT") << path << queryBody << 405
                         << QStringLiteral("only POST is allowed here");
    QTest::newRow("other path") << QByteArray("POST") << QStringLiteral("/api/v13/configure.action")
                                << queryBody << 404
                                << QStringLiteral("no such path: /api/v13/configure.action");
    QTest::newRow("empty body") << QByteArray("POST") << path << QByteArray() << 400
                                << QStringLiteral("malformed JSON");
    QTest::newRow("cut JSON") << QByteArray("POST") << path << QByteArray("{\"action\": ") << 400
                              << QStringLiteral("malformed JSON");
    QTest::newRow("plain text") << QByteArray("POST") << path << QByteArray("hello speaker") << 400
                                << QStringLiteral("malformed JSON");
    QTest::newRow("not UTF-8") << QByteArray("POST") << path
                               << QByteArray("{\"action\": \"query\xff\"}") << 400
                               << QStringLiteral("malformed JSON");
    QTest::newRow("array") << QByteArray("POST") << path << QByteArray("[\"query\"]") << 400
                           << QStringLiteral("the request is not a JSON object");
    QTest::newRow("no action") << QByteArray("POST") << path << QByteArray("{}") << 400
                               << QStringLiteral("missing action");
    QTest::newRow("number action") << QByteArray("POST") << path << QByteArray("{\"action\": 1}")
                                   << 400 << QStringLiteral("missing action");
    QTest::newRow("unknown action")
        << QByteArray("POST") << path << QByteArray("{\"action\": \"reboot\"}") << 400
        << QStringLiteral("unknown action: reboot");
    QByteArray noSsid = setconfigBody(QStringLiteral("A"), QStringLiteral("B"), QString());
    noSsid.replace("\"wifissid\": \"\"", "\"ssid\": \"\"");
    QTest::newRow("setconfig without wifissid")
        << QByteArray("POST") << path << noSsid << 400
        << QStringLiteral("setconfig needs the text member networkinfo/clientinfo/wifissid");
    QTest::newRow("setconfig without deviceinfo")
        << QByteArray("POST") << path << QByteArray("{\"action\": \"setconfig\"}") << 400
        << QStringLiteral("setconfig needs the text member deviceinfo/devicename");
    QByteArray numberPassword = setconfigBody(QStringLiteral("A"), QString(), QStringLiteral("C"));
    numberPassword.replace("\"wifipwd\": \"\"", "\"wifipwd\": 12345678");
    QTest::newRow("setconfig with number password")
        << QByteArray("POST") << path << numberPassword << 400
        << QStringLiteral("setconfig needs the text member networkinfo/clientinfo/wifipwd");
    QTest::newRow("setconfig with empty name")
        << QByteArray("POST") << path
        << setconfigBody(QString(), QStringLiteral("B"), QStringLiteral("C")) << 400
        << QStringLiteral("devicename must have 1 to 63 bytes");
}

void tst_SpeakerSim::badRequests()
{
    QFETCH(QByteArray, verb);
    QFETCH(QString, path);
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(QString, error);

    startSimulator();
    Exchange exchange;
    post(body, exchange, verb, path);
    QCOMPARE(exchange.status, status);
    QCOMPARE(exchange.object.value(QLatin1String("returncode")).toString(),
             QString::number(status));
    QCOMPARE(exchange.object.value(QLatin1String("error")).toString(), error);

    const QList<QJsonObject> lines = recordedLines();
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.first().value(QLatin1String("status")).toInt(), status);
    QCOMPARE(QByteArray::fromBase64(
                 lines.first().value(QLatin1String("body_base64")).toString().toLatin1()),
             body);

    // A bad request neither ends the speaker nor starts a reboot.
    checkStillServing();
}

void tst_SpeakerSim::badHttp_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("statusLine");

    QTest::newRow("garbage") << QByteArray("\x01\xfe garbage\r\n\r\n", 14)
                             << QByteArray("HTTP/1.1 400 Bad Request");
    QTest::newRow("no version") << QByteArray("POST /api/v14/configure.action\r\n\r\n")
                                << QByteArray("HTTP/1.1 400 Bad Request");
    QTest::newRow("HTTP/2.0") << QByteArray("POST / HTTP/2.0\r\n\r\n")
                              << QByteArray("HTTP/1.1 400 Bad Request");
    QTest::newRow("unknown method") << QByteArray("BREW /api/v14/configure.action HTTP/1.1\r\n\r\n")
                                    << QByteArray("HTTP/1.1 400 Bad Request");
    // The HTTP library skips the broken line; the empty body is no JSON.
    QTest::newRow("header without colon")
        << QByteArray("POST /api/v14/configure.action HTTP/1.1\r\nHost\r\n"
                      "Content-Length: 0\r\n\r\n")
        << QByteArray("HTTP/1.1 400 Bad Request");
    QTest::newRow("bad length")
        << QByteArray("POST /api/v14/configure.action HTTP/1.1\r\nContent-Length: abc\r\n\r\n")
        << QByteArray("HTTP/1.1 400 Bad Request");
    QTest::newRow("bad chunk") << QByteArray("POST /api/v14/configure.action HTTP/1.1\r\n"
                                             "Transfer-Encoding: chunked\r\n\r\nzz\r\n")
                               << QByteArray("HTTP/1.1 400 Bad Request");
    // The whole body is sent, so that the reply does not wait for the rest.
    QTest::newRow("body over 1 MiB") << QByteArray("POST /api/v14/configure.action HTTP/1.1\r\n"
                                                   "Content-Length: 1048577\r\n\r\n") +
            QByteArray(1048577, ' ') << QByteArray("HTTP/1.1 413 Payload Too Large");
    QTest::newRow("endless request line") << QByteArray(20000, 'x') + "\r\n\r\n"
                                          << QByteArray("HTTP/1.1 414 URI Too Long");
}

void tst_SpeakerSim::badHttp()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, statusLine);

    startSimulator();
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(m_simulator->port()));
    QTRY_COMPARE_WITH_TIMEOUT(socket.state(), QAbstractSocket::ConnectedState, 10000);
    socket.write(bytes);
    QByteArray answer;
    QTRY_VERIFY_WITH_TIMEOUT(
        (answer += socket.readAll(), socket.state()) == QAbstractSocket::UnconnectedState, 10000);
    answer += socket.readAll();
    QVERIFY2(answer.startsWith(statusLine + "\r\n"), answer.constData());
    const QByteArray body = answer.mid(answer.indexOf("\r\n\r\n") + 4);
    QVERIFY(QJsonDocument::fromJson(body).object().contains(QLatin1String("error")));

    // Turned down or not, every request is in the record.
    const QList<QJsonObject> lines = recordedLines();
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.first().value(QLatin1String("status")).toInt(),
             statusLine.split(' ').at(1).toInt());

    checkStillServing();
}

void tst_SpeakerSim::acceptsBodyOfOneMebibyte()
{
    startSimulator();
    QByteArray body = queryBody;
    body.append(QByteArray(1024 * 1024 - body.size(), ' '));
    Exchange exchange;
    post(body, exchange);
    QCOMPARE(exchange.status, 200);
    QVERIFY(exchange.object.contains(QLatin1String("deviceinfo")));
}

void tst_SpeakerSim::rebootsUnderNewName()
{
    // Long enough for the look while it is away, whatever the machine's load.
    startSimulator({ QStringLiteral("--reboot-seconds"), QStringLiteral("5") });
    const int port = m_simulator->port();
    const QString name = QStringLiteral("K\u00fcche 2");
    Exchange exchange;
    post(setconfigBody(name, QStringLiteral("secret12"), QStringLiteral("Hausnetz")), exchange);
    QCOMPARE(exchange.status, 200);
    QCOMPARE(exchange.object.value(QLatin1String("returncode")).toString(), QStringLiteral("0"));

    // While it reboots nobody answers.
    Exchange during;
    post(queryBody, during);
    QCOMPARE(during.error, QNetworkReply::ConnectionRefusedError);
    QVERIFY(during.body.isEmpty());

    // Back on the same port, under the new name, as a client of the WLAN.
    QTRY_COMPARE_WITH_TIMEOUT(m_simulator->listeningLines(), 2, 20000);
    QCOMPARE(m_simulator->stdoutText,
             QStringLiteral("listening on 127.0.0.1:%1\nlistening on 127.0.0.1:%1\n")
                 .arg(port)
                 .toLatin1());
    Exchange after;
    post(queryBody, after);
    QCOMPARE(after.status, 200);
    QCOMPARE(after.object.value(QLatin1String("deviceinfo"))
                 .toObject()
                 .value(QLatin1String("devicename"))
                 .toString(),
             name);
    const QJsonObject network = after.object.value(QLatin1String("networkinfo")).toObject();
    QCOMPARE(network.value(QLatin1String("wifimode")).toString(), QStringLiteral("client"));
    const QJsonObject client = network.value(QLatin1String("clientinfo")).toObject();
    QCOMPARE(client.value(QLatin1String("wifissid")).toString(), QStringLiteral("Hausnetz"));
    QVERIFY(!client.contains(QLatin1String("wifipwd")));
}

void tst_SpeakerSim::deviceFileReplacesMembers()
{
    const QString deviceFile = m_dir.filePath(QStringLiteral("device.json"));
    QFile file(deviceFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"deviceinfo\": {\"devicename\": \"Lab\", \"model\": \"Ovix Mini\", "
               "\"softwarever\": \"9.9\", \"hardwarever\": \"3\"},\n"
               " \"aplist\": [{\"ssid\": \"Lab WLAN\", \"encrypt_type\": \"WPA2\", "
               "\"signal_level\": -50}]}\n");
    file.close();

    startSimulator({ QStringLiteral("--device"), deviceFile, QStringLiteral("--name"),
                     QStringLiteral("Bench") });
    Exchange query;
    post(queryBody, query);
    const QJsonObject device = query.object.value(QLatin1String("deviceinfo")).toObject();
    QCOMPARE(device.value(QLatin1String("devicename")).toString(), QStringLiteral("Bench"));
    QCOMPARE(device.value(QLatin1String("model")).toString(), QStringLiteral("Ovix Mini"));
    QCOMPARE(device.value(QLatin1String("softwarever")).toString(), QStringLiteral("9.9"));
    // Members the file leaves out keep the built-in values.
    QCOMPARE(query.object.value(QLatin1String("networkinfo"))
                 .toObject()
                 .value(QLatin1String("ipaddressinfo"))
                 .toObject()
                 .value(QLatin1String("ipaddress"))
                 .toString(),
             QStringLiteral("127.0.0.1"));

    // Values are served as the file gives them, a number included.
    Exchange scan;
    post(wifiscanBody, scan);
    QCOMPARE(QJsonDocument(scan.object).toJson(QJsonDocument::Compact),
             QByteArray("{\"aplist\":[{\"encrypt_type\":\"WPA2\",\"signal_level\":-50,"
                        "\"ssid\":\"Lab WLAN\"}]}"));
}

void tst_SpeakerSim::endsOnSigterm()
{
    startSimulator();
    m_simulator->process.terminate();
    QTRY_COMPARE_WITH_TIMEOUT(m_simulator->process.state(), QProcess::NotRunning, 10000);
    QCOMPARE(m_simulator->process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_simulator->process.exitCode(), 0);
}

void tst_SpeakerSim::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("output");

    QTest::newRow("help") << QStringList { QStringLiteral("--help") } << 0
                          << QByteArray("Usage: speaker-sim [OPTIONS]");
    QTest::newRow("unknown option") << QStringList { QStringLiteral("--colour") } << 2
                                    << QByteArray("speaker-sim: unknown option: --colour");
    QTest::newRow("bad port") << QStringList { QStringLiteral("--port=70000") } << 2
                              << QByteArray("speaker-sim: bad port: 70000");
    QTest::newRow("missing value") << QStringList { QStringLiteral("--name") } << 2
                                   << QByteArray("speaker-sim: --name needs a value");
    QTest::newRow("unreadable device file")
        << QStringList { QStringLiteral("--no-advertise"), QStringLiteral("--device"),
                         QStringLiteral("/nonexistent/device.json") }
        << 1 << QByteArray("speaker-sim: cannot read /nonexistent/device.json");
}

void tst_SpeakerSim::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, output);

    QProcess process;
    process.setProgram(QStringLiteral(SPEAKER_SIM_PATH));
    process.setArguments(arguments);
    process.start();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), exitCode);
    const QByteArray text = process.readAllStandardOutput() + process.readAllStandardError();
    QVERIFY2(text.startsWith(output), text.constData());
}

QTEST_GUILESS_MAIN(tst_SpeakerSim)
#include "tst_speakersim.moc"
