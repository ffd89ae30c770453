#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

#include "simulatorprocess.h"

// The simulator on loopback without DNS-SD: the replies the configurator
// reads, the request record, bad requests and the reboot after setconfig.
class tst_SpeakerSim : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void queryAndWifiscan();
    void setconfigRecordedAndRebootsUnderNewName();
    void setconfigRefusedOnRequest_data();
    void setconfigRefusedOnRequest();
    void badRequests_data();
    void badRequests();
    void endsOnSigterm();
    void refusesUnknownOption();

private:
    Exchange post(const QByteArray &body, const QByteArray &verb = "POST",
                  const QByteArray &path = "/api/v14/configure.action");
    QJsonObject lastRecorded();

    QTemporaryDir m_dir;
    QString m_recordFile;
    SimulatorProcess *m_simulator = nullptr;
};

void tst_SpeakerSim::init()
{
    QVERIFY(m_dir.isValid());
    m_recordFile = m_dir.filePath(
        QStringLiteral("%1.jsonl").arg(QString::fromLatin1(QTest::currentTestFunction())));
    m_simulator = new SimulatorProcess;
    // The reboot is long enough to be seen away whatever the machine's load.
    QVERIFY(m_simulator->start({ QStringLiteral("--no-advertise"), QStringLiteral("--port"),
                                 QStringLiteral("0"), QStringLiteral("--reboot-seconds"),
                                 QStringLiteral("5"), QStringLiteral("--record"), m_recordFile }));
    QTRY_COMPARE_WITH_TIMEOUT(m_simulator->listeningLines(), 1, 10000);
    QVERIFY(m_simulator->port() > 0);
}

void tst_SpeakerSim::cleanup()
{
    delete m_simulator;
    m_simulator = nullptr;
}

Exchange tst_SpeakerSim::post(const QByteArray &body, const QByteArray &verb,
                              const QByteArray &path)
{
    return exchange(QStringLiteral("127.0.0.1"), m_simulator->port(), body, verb, path);
}

QJsonObject tst_SpeakerSim::lastRecorded()
{
    QFile file(m_recordFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll().trimmed().split('\n').last()).object();
}

void tst_SpeakerSim::queryAndWifiscan()
{
    const Exchange query = post(queryBody);
    QCOMPARE(query.status, 200);
    QCOMPARE(member(query.object, QStringLiteral("deviceinfo/devicename")).toString(),
             QStringLiteral("Ovix-3C7A"));
    for (const char *key : { "model", "softwarever", "hardwarever" }) {
        const QJsonValue value = member(query.object, QLatin1String("deviceinfo/") + key);
        QVERIFY2(value.isString() && !value.toString().isEmpty(), key);
    }
    QCOMPARE(member(query.object, QStringLiteral("networkinfo/ipaddressinfo/ipaddress")).toString(),
             QStringLiteral("127.0.0.1"));

    const Exchange scan = post(wifiscanBody);
    QCOMPARE(scan.status, 200);
    const QJsonArray accessPoints = scan.object.value(QLatin1String("aplist")).toArray();
    QVERIFY(!accessPoints.isEmpty());
    QStringList names;
    for (const QJsonValue &accessPoint : accessPoints) {
        for (const char *key : { "ssid", "encrypt_type", "signal_level" })
            QVERIFY2(accessPoint.toObject().value(QLatin1String(key)).isString(), key);
        names << accessPoint.toObject().value(QLatin1String("ssid")).toString();
    }
    // Non-ASCII network names travel in UTF-8.
    QVERIFY(names.contains(QStringLiteral("G\u00e4ste-WLAN")));
}

void tst_SpeakerSim::setconfigRecordedAndRebootsUnderNewName()
{
    const int port = m_simulator->port();
    const QString name = QStringLiteral("K\u00fcche 2");
    const QByteArray config =
        setconfigBody(name, QStringLiteral("pa\\\"ss"), QStringLiteral("G\u00e4ste-WLAN"));
    const Exchange accepted = post(config);
    QCOMPARE(accepted.status, 200);
    QCOMPARE(accepted.object, QJsonObject({ { QLatin1String("returncode"), QLatin1String("0") } }));

    // The record gives back the exact bytes, umlauts and escaped quotation mark included.
    const QJsonObject line = lastRecorded();
    QCOMPARE(QByteArray::fromBase64(line.value(QLatin1String("body_base64")).toString().toLatin1()),
             config);

    // While it reboots nobody answers.
    QCOMPARE(post(queryBody).error, QAbstractSocket::ConnectionRefusedError);

    // Back on the same port, under the new name.
    QTRY_COMPARE_WITH_TIMEOUT(m_simulator->listeningLines(), 2, 20000);
    QCOMPARE(m_simulator->stdoutText,
             QStringLiteral("listening on 127.0.0.1:%1\nlistening on 127.0.0.1:%1\n")
                 .arg(port)
                 .toLatin1());
    const Exchange after = post(queryBody);
    QCOMPARE(after.status, 200);
    QCOMPARE(member(after.object, QStringLiteral("deviceinfo/devicename")).toString(), name);
}

void tst_SpeakerSim::setconfigRefusedOnRequest_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("thenTaken"); // a second setconfig
    QTest::newRow("own reason") << "--refuse-setconfig"
                                << "settings refused" << false;
    // A reason as long as one a box must wrap, with no blank to wrap at.
    const QString word = QString(200, QLatin1Char('W'));
    QTest::newRow("given reason") << "--refuse-setconfig=" + word << word << false;
    QTest::newRow("the first only") << "--refuse-first-setconfig=busy"
                                    << "busy" << true;
}

// With --refuse-setconfig a well-formed setconfig is answered with a non-zero returncode and a
// reason, and changes nothing: no reboot, the same name. --refuse-first-setconfig takes the
// next one, and the speaker reboots, to refuse the first one after that again.
void tst_SpeakerSim::setconfigRefusedOnRequest()
{
    QFETCH(QString, option);
    QFETCH(QString, reason);
    QFETCH(bool, thenTaken);

    delete m_simulator;
    m_simulator = new SimulatorProcess;
    QVERIFY(m_simulator->start({ QStringLiteral("--no-advertise"), QStringLiteral("--port"),
                                 QStringLiteral("0"), QStringLiteral("--reboot-seconds"),
                                 QStringLiteral("0"), option }));
    QTRY_COMPARE_WITH_TIMEOUT(m_simulator->listeningLines(), 1, 10000);

    const Exchange refused = post(
        setconfigBody(QStringLiteral("Box"), QStringLiteral("pw"), QStringLiteral("Hausnetz")));
    QCOMPARE(refused.status, 200);
    QCOMPARE(refused.object.value(QLatin1String("returncode")).toString(), QStringLiteral("1"));
    QCOMPARE(refused.object.value(QLatin1String("error")).toString(), reason);
    const Exchange after = post(queryBody);
    QCOMPARE(after.status, 200);
    QCOMPARE(member(after.object, QStringLiteral("deviceinfo/devicename")).toString(),
             QStringLiteral("Ovix-3C7A"));
    QCOMPARE(m_simulator->listeningLines(), 1);

    const Exchange again = post(
        setconfigBody(QStringLiteral("Box"), QStringLiteral("pw"), QStringLiteral("Hausnetz")));
    QCOMPARE(again.object.value(QLatin1String("returncode")).toString(),
             QLatin1String(thenTaken ? "0" : "1"));
    if (!thenTaken)
        return;
    // Busy again after its reboot.
    QTRY_COMPARE_WITH_TIMEOUT(m_simulator->listeningLines(), 2, 10000);
    const Exchange rebooted = post(
        setconfigBody(QStringLiteral("Box"), QStringLiteral("pw"), QStringLiteral("Hausnetz")));
    QCOMPARE(rebooted.object.value(QLatin1String("error")).toString(), reason);
}

void tst_SpeakerSim::badRequests_data()
{
    QTest::addColumn<QByteArray>("verb");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");

    const QByteArray path = "/api/v14/configure.action";
    QByteArray noSsid = setconfigBody(QStringLiteral("A"), QStringLiteral("B"), QString());
    noSsid.replace("\"wifissid\": \"\"", "\"ssid\": \"\"");
    QByteArray tooLong = queryBody;
    tooLong.append(QByteArray(1024 * 1024 + 1 - tooLong.size(), ' '));

    QTest::newRow("wrong method") << QByteArray("GET") << path << QByteArray() << 405;
    QTest::newRow("wrong path") << QByteArray("POST") << QByteArray("/api/v13/configure.action")
                                << queryBody << 404;
    QTest::newRow("malformed JSON")
        << QByteArray("POST") << path << QByteArray("{\"action\": ") << 400;
    QTest::newRow("unknown action")
        << QByteArray("POST") << path << QByteArray("{\"action\": \"reboot\"}") << 400;
    QTest::newRow("setconfig missing member") << QByteArray("POST") << path << noSsid << 400;
    QTest::newRow("body over 1 MiB") << QByteArray("POST") << path << tooLong << 413;
}

void tst_SpeakerSim::badRequests()
{
    QFETCH(QByteArray, verb);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, body);
    QFETCH(int, status);

    const Exchange refused = post(body, verb, path);
    QCOMPARE(refused.status, status);
    QCOMPARE(refused.object.value(QLatin1String("returncode")).toString(), QString::number(status));
    QVERIFY(!refused.object.value(QLatin1String("error")).toString().isEmpty());
    QCOMPARE(lastRecorded().value(QLatin1String("status")).toInt(), status);

    // A bad request neither ends the speaker nor starts a reboot.
    const Exchange query = post(queryBody);
    QCOMPARE(query.status, 200);
    QVERIFY(query.object.contains(QLatin1String("deviceinfo")));
    QCOMPARE(m_simulator->listeningLines(), 1);
}

void tst_SpeakerSim::endsOnSigterm()
{
    m_simulator->process.terminate();
    QTRY_COMPARE_WITH_TIMEOUT(m_simulator->process.state(), QProcess::NotRunning, 10000);
    QCOMPARE(m_simulator->process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_simulator->process.exitCode(), 0);
}

void tst_SpeakerSim::refusesUnknownOption()
{
    QProcess process;
    process.start(QStringLiteral(SPEAKER_SIM_PATH), { QStringLiteral("--colour") });
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardOutput().isEmpty());
}

QTEST_GUILESS_MAIN(tst_SpeakerSim)
#include "tst_speakersim.moc"
