#include "knownwlans.h"
#include "messagelog.h"
#include "networkmanagerstandin.h"

#include <QDBusMessage>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const char password[] = "Sommer-2024!";

// NetworkManager that hangs: the calls give up this soon. Every other row waits for hours, so
// that a reading that waited for a timeout where it need not would never end.
const std::chrono::milliseconds hangingCallTimeout(300);
const std::chrono::hours patientCallTimeout(1);

enum Hang { NoHang, HangsBeforeReading, HangsBeforeSecret };

QString connectionPath(int index)
{
    return QStringLiteral("/org/freedesktop/NetworkManager/Settings/%1").arg(index);
}

} // namespace

Q_DECLARE_METATYPE(Hang)

// KnownWlans against a NetworkManager stand-in on the private network's system bus.
class tst_KnownWlans : public QObject
{
    Q_OBJECT

public slots:
    void recordCall(const QDBusMessage &message);

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void knows_data();
    void knows();
    void abandons();
    void switches_data();
    void switches();

private:
    std::unique_ptr<MessageLog> log;
    NetworkManagerStandIn standIn;
    QStringList secretCalls; // "GetSecrets" calls as "path setting"
    int activations = 0;     // "ActivateConnection" calls
};

void tst_KnownWlans::initTestCase()
{
    if (!NetworkManagerStandIn::onPrivateBus())
        QSKIP("needs the private network's system bus (run through tools/dnssd-net)");
    log.reset(new MessageLog);
    // Every call the stand-in takes, with the object it was made on.
    QVERIFY(QDBusConnection::systemBus().connect(
        QString(), QString(), QStringLiteral("org.freedesktop.DBus.Mock"),
        QStringLiteral("MethodCalled"), this, SLOT(recordCall(QDBusMessage))));
}

void tst_KnownWlans::cleanupTestCase()
{
    if (!log)
        return;
    // Nothing is said, whether NetworkManager is there, hangs or refuses; so no secret either.
    const QStringList lines = log->lines();
    log.reset();
    QVERIFY2(lines.isEmpty(), qPrintable(lines.join(QLatin1Char('\n'))));
}

void tst_KnownWlans::cleanup()
{
    standIn.stop();
    secretCalls.clear();
    activations = 0;
}

void tst_KnownWlans::recordCall(const QDBusMessage &message)
{
    const QList<QVariant> arguments = message.arguments();
    if (arguments.value(0).toString() == QLatin1String("ActivateConnection"))
        ++activations;
    if (arguments.value(0).toString() == QLatin1String("GetSecrets")) {
        secretCalls.append(message.path() + QLatin1Char(' ') +
                           qdbus_cast<QVariantList>(arguments.value(1)).value(0).toString());
    }
}

void tst_KnownWlans::knows_data()
{
    // connections: the stand-in's, as its template takes them; null: no NetworkManager at all.
    // scan: the speaker's SSIDs; marks: for each of them "connected", "known" or "".
    // asked: the SSID whose password is asked for; then either the password or the failure,
    // and the connection (by its index) whose secret NetworkManager was asked for, if any.
    QTest::addColumn<QByteArray>("connections");
    QTest::addColumn<Hang>("hang");
    QTest::addColumn<QString>("busAddress");
    QTest::addColumn<QStringList>("scan");
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<int>("initialRow");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("password");
    QTest::addColumn<PasswordRequest::Failure>("failure");
    QTest::addColumn<int>("secretOf");

    const QStringList scan = { "FRITZ!Box 7590 KL", "Hausnetz", "Gäste-WLAN", "Telekom_FON" };
    const QByteArray home = R"({"id": "Hausnetz", "ssid": "Hausnetz", "key-mgmt": "wpa-psk",
                                "timestamp": 1718000000, "psk": "Sommer-2024!")";
    const QByteArray guests = R"({"id": "Gäste", "ssid": "Gäste-WLAN", "key-mgmt": "sae",
                                  "timestamp": 1719000000, "psk": "Gäste: ß & \"Ü\""})";
    const QByteArray wired = R"({"id": "Kabel", "type": "802-3-ethernet", "active": true})";
    const auto none = PasswordRequest::Failure::Failed; // not looked at where a password comes
    const auto notKnown = PasswordRequest::Failure::NotKnown;

    QTest::newRow("connected now, another used since")
        << "[" + home + R"(, "active": true}, )" + guests + ", " + wired + "]" << NoHang
        << QString() << scan << QStringList { "", "connected", "known", "" } << 1 << "Hausnetz"
        << password << none << 0;
    QTest::newRow("known only: the one used most recently")
        << "[" + home + "}, " + guests + "]" << NoHang << QString() << scan
        << QStringList { "", "known", "known", "" } << 2 << "Gäste-WLAN"
        << QString::fromUtf8("Gäste: ß & \"Ü\"") << none << 1;
    QTest::newRow("known, never used: the first of them")
        << QByteArray(R"([{"id": "A", "ssid": "Telekom_FON"},
                          {"id": "B", "ssid": "FRITZ!Box 7590 KL", "key-mgmt": "wpa-psk"}])")
        << NoHang << QString() << scan << QStringList { "known", "", "", "known" } << 0
        << "Telekom_FON" << QString() << notKnown << -1;
    QTest::newRow("one SSID saved twice: the active one's secret")
        << QByteArray(R"([{"id": "Hausnetz", "ssid": "Hausnetz", "key-mgmt": "wpa-psk",
                           "timestamp": 1720000000, "psk": "Sommer-2024!"},
                          {"id": "Hausnetz 1", "ssid": "Hausnetz", "key-mgmt": "wpa-psk",
                           "psk": "zweites", "active": true}])")
        << NoHang << QString() << scan << QStringList { "", "connected", "", "" } << 1 << "Hausnetz"
        << "zweites" << none << 1;
    QTest::newRow("one SSID saved twice: the last used one's secret")
        << "[" + home + R"(}, {"id": "Hausnetz 1", "ssid": "Hausnetz", "key-mgmt": "wpa-psk",
              "psk": "zweites", "timestamp": 1600000000}])"
        << NoHang << QString() << scan << QStringList { "", "known", "", "" } << 1 << "Hausnetz"
        << password << none << 0;
    QTest::newRow("not known")
        << QByteArray(R"([{"id": "Nachbar", "ssid": "Nachbar", "key-mgmt": "wpa-psk",
                           "psk": "geheim", "active": true}])")
        << NoHang << QString() << scan << QStringList { "", "", "", "" } << -1 << "Hausnetz"
        << QString() << notKnown << -1;
    QTest::newRow("same name in other letters")
        << QByteArray(R"([{"id": "h", "ssid": "HAUSNETZ", "key-mgmt": "wpa-psk", "psk": "x"}])")
        << NoHang << QString() << scan << QStringList { "", "", "", "" } << -1 << "Hausnetz"
        << QString() << notKnown << -1;
    QTest::newRow("enterprise: no password to hand on")
        << QByteArray(R"([{"id": "Firma", "ssid": "Hausnetz", "key-mgmt": "wpa-eap",
                           "active": true}])")
        << NoHang << QString() << scan << QStringList { "", "connected", "", "" } << 1 << "Hausnetz"
        << QString() << notKnown << -1;
    QTest::newRow("this computer's hotspot is not a WLAN to join")
        << QByteArray(R"([{"id": "Hotspot", "ssid": "Hausnetz", "mode": "ap",
                           "key-mgmt": "wpa-psk", "psk": "x", "active": true}])")
        << NoHang << QString() << scan << QStringList { "", "", "", "" } << -1 << "Hausnetz"
        << QString() << notKnown << -1;
    QTest::newRow("still connecting is not connected")
        << "[" + guests.chopped(1) + R"(, "active": true, "state": 1}, )" + home + "}]" << NoHang
        << QString() << scan << QStringList { "", "known", "known", "" } << 2 << "Hausnetz"
        << password << none << 1;

    const QByteArray refused = "[" + home + R"(, "active": true, "refuse-text": "psk Sommer-2024!",
                                     "refuse": ")";
    QTest::newRow("secret refused: no permission")
        << refused + "org.freedesktop.NetworkManager.Settings.PermissionDenied\"}]" << NoHang
        << QString() << scan << QStringList { "", "connected", "", "" } << 1 << "Hausnetz"
        << QString() << PasswordRequest::Failure::PermissionDenied << 0;
    QTest::newRow("secret refused: no secret agent")
        << refused + "org.freedesktop.NetworkManager.AgentManager.NoSecrets\"}]" << NoHang
        << QString() << scan << QStringList { "", "connected", "", "" } << 1 << "Hausnetz"
        << QString() << PasswordRequest::Failure::NoSecret << 0;
    QTest::newRow("secret refused: the agent's keyring is locked")
        << refused + "org.freedesktop.NetworkManager.SecretAgent.UserCanceled\"}]" << NoHang
        << QString() << scan << QStringList { "", "connected", "", "" } << 1 << "Hausnetz"
        << QString() << PasswordRequest::Failure::NoSecret << 0;
    QTest::newRow("secret refused: another error")
        << refused + "org.freedesktop.NetworkManager.Settings.Failed\"}]" << NoHang << QString()
        << scan << QStringList { "", "connected", "", "" } << 1 << "Hausnetz" << QString()
        << PasswordRequest::Failure::Failed << 0;
    QTest::newRow("secret refused: an answer without it")
        << QByteArray(R"([{"id": "Hausnetz", "ssid": "Hausnetz", "key-mgmt": "wpa-psk"}])")
        << NoHang << QString() << scan << QStringList { "", "known", "", "" } << 1 << "Hausnetz"
        << QString() << PasswordRequest::Failure::NoSecret << 0;
    QTest::newRow("secret: no answer")
        << "[" + home + "}]" << HangsBeforeSecret << QString() << scan
        << QStringList { "", "known", "", "" } << 1 << "Hausnetz" << QString()
        << PasswordRequest::Failure::NoAnswer << -1;

    QTest::newRow("NetworkManager hangs")
        << "[" + home + R"(, "active": true}])" << HangsBeforeReading << QString() << scan
        << QStringList { "", "", "", "" } << -1 << "Hausnetz" << QString() << notKnown << -1;
    QTest::newRow("no NetworkManager at all")
        << QByteArray() << NoHang << QString() << scan << QStringList { "", "", "", "" } << -1
        << "Hausnetz" << QString() << notKnown << -1;
    QTest::newRow("no system bus")
        << "[" + home + R"(, "active": true}])" << NoHang
        << QStringLiteral("unix:path=/nonexistent/vantir-bus") << scan
        << QStringList { "", "", "", "" } << -1 << "Hausnetz" << QString() << notKnown << -1;
}

void tst_KnownWlans::knows()
{
    QFETCH(QByteArray, connections);
    QFETCH(Hang, hang);
    QFETCH(QString, busAddress);
    QFETCH(QStringList, scan);
    QFETCH(QStringList, marks);
    QFETCH(int, initialRow);
    QFETCH(QString, asked);
    QFETCH(QString, password);
    QFETCH(PasswordRequest::Failure, failure);
    QFETCH(int, secretOf);

    if (!connections.isNull())
        QVERIFY(standIn.start(connections));
    if (hang == HangsBeforeReading)
        standIn.freeze();

    KnownWlansOptions options;
    options.callTimeout = hang == NoHang ? patientCallTimeout : hangingCallTimeout;
    options.busAddress = busAddress;
    KnownWlans wlans(options);
    QSignalSpy readySpy(&wlans, &KnownWlans::ready);
    // The second reading replaces the first, which no longer counts.
    wlans.refresh();
    wlans.refresh();
    QCOMPARE(readySpy.count(), 0);
    QVERIFY(!wlans.isReady());
    QTRY_COMPARE(readySpy.count(), 1);
    QVERIFY(wlans.isReady());

    QStringList shown;
    for (const QString &ssid : scan) {
        shown.append(wlans.wlan(ssid).connected ? "connected" : wlans.isKnown(ssid) ? "known" : "");
    }
    QCOMPARE(shown, marks);
    QCOMPARE(wlans.initialRow(scan), initialRow);
    // No secret is read unasked.
    QCOMPARE(secretCalls, QStringList());

    if (hang == HangsBeforeSecret)
        standIn.freeze();
    QPointer<PasswordRequest> request = wlans.readPassword(asked);
    QSignalSpy readSpy(request.data(), &PasswordRequest::passwordRead);
    QSignalSpy unreadableSpy(request.data(), &PasswordRequest::passwordUnreadable);
    QCOMPARE(readSpy.count() + unreadableSpy.count(), 0);
    QTRY_VERIFY(request.isNull()); // deleted once it has ended
    QCOMPARE(readySpy.count(), 1);
    if (password.isEmpty()) {
        QCOMPARE(readSpy.count(), 0);
        QCOMPARE(unreadableSpy.count(), 1);
        QCOMPARE(unreadableSpy.first().first().value<PasswordRequest::Failure>(), failure);
    } else {
        QCOMPARE(unreadableSpy.count(), 0);
        QCOMPARE(readSpy.count(), 1);
        QCOMPARE(readSpy.first().first().toString(), password);
    }
    // That connection's secret alone, asked for once.
    QTRY_COMPARE(secretCalls,
                 secretOf < 0 ? QStringList()
                              : QStringList { connectionPath(secretOf) +
                                              QStringLiteral(" 802-11-wireless-security") });
}

void tst_KnownWlans::abandons()
{
    QVERIFY(standIn.start(R"([{"id": "Hausnetz", "ssid": "Hausnetz", "key-mgmt": "wpa-psk",
                               "psk": "Sommer-2024!"}])"));
    KnownWlansOptions options;
    options.callTimeout = patientCallTimeout;
    // Gone while its calls are out; the answers of the next one come after theirs.
    auto *gone = new KnownWlans(options);
    gone->refresh();
    delete gone;
    KnownWlans wlans(options);
    QSignalSpy readySpy(&wlans, &KnownWlans::ready);
    wlans.refresh();
    QTRY_COMPARE(readySpy.count(), 1);
    QVERIFY(wlans.isKnown(QStringLiteral("Hausnetz")));

    // Deleted before its answer: the answer arrives to nobody.
    delete wlans.readPassword(QStringLiteral("Hausnetz"));
    QTRY_COMPARE(secretCalls.size(), 1);
    // The next request's answer comes after that one's, on the same connection.
    PasswordRequest *request = wlans.readPassword(QStringLiteral("Hausnetz"));
    QSignalSpy readSpy(request, &PasswordRequest::passwordRead);
    QTRY_COMPARE(readSpy.count(), 1);
    QCOMPARE(readSpy.first().first().toString(), QLatin1String(password));
}

// A switch ends in one signal, whatever NetworkManager does with it.
void tst_KnownWlans::switches_data()
{
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QString>("how"); // "hangs", "goes": NetworkManager after the reading
    QTest::addColumn<bool>("started");
    QTest::addColumn<SwitchRequest::Failure>("failure");
    QTest::addColumn<QString>("message");

    const auto refused = SwitchRequest::Failure::Refused;
    QTest::newRow("started") << "Hausnetz" << QString() << true << refused << QString();
    QTest::newRow("refused") << "Gäste-WLAN" << QString() << false << refused
                             << "No suitable device found.";
    QTest::newRow("not known") << "Nachbar" << QString() << false
                               << SwitchRequest::Failure::NotKnown << QString();
    QTest::newRow("no answer") << "Hausnetz"
                               << "hangs" << false << SwitchRequest::Failure::NoAnswer << QString();
    QTest::newRow("NetworkManager gone")
        << "Hausnetz"
        << "goes" << false << SwitchRequest::Failure::NoAnswer << QString();
}

void tst_KnownWlans::switches()
{
    QFETCH(QString, ssid);
    QFETCH(QString, how);
    QFETCH(bool, started);
    QFETCH(SwitchRequest::Failure, failure);
    QFETCH(QString, message);

    QVERIFY(standIn.start(R"([{"id": "Hausnetz", "ssid": "Hausnetz"},
                              {"id": "Gäste", "ssid": "Gäste-WLAN",
                               "refuse-switch": "No suitable device found."}])"));
    KnownWlansOptions options;
    options.callTimeout = patientCallTimeout;
    options.switchTimeout = how == QLatin1String("hangs")
        ? hangingCallTimeout
        : std::chrono::milliseconds(patientCallTimeout);
    KnownWlans wlans(options);
    QSignalSpy readySpy(&wlans, &KnownWlans::ready);
    wlans.refresh();
    QTRY_COMPARE(readySpy.count(), 1);
    if (how == QLatin1String("hangs"))
        standIn.freeze();
    else if (how == QLatin1String("goes"))
        standIn.stop();

    QPointer<SwitchRequest> request = wlans.switchTo(ssid);
    QSignalSpy startedSpy(request.data(), &SwitchRequest::switchStarted);
    QSignalSpy failedSpy(request.data(), &SwitchRequest::switchFailed);
    QTRY_VERIFY(request.isNull());
    QCOMPARE(startedSpy.count(), int(started));
    QCOMPARE(failedSpy.count(), int(!started));
    if (!started) {
        QCOMPARE(failedSpy.first().at(0).value<SwitchRequest::Failure>(), failure);
        QCOMPARE(failedSpy.first().at(1).toString(), message);
    }
    standIn.thaw();
    QTRY_COMPARE(activations, failure == SwitchRequest::Failure::NotKnown || how == "goes" ? 0 : 1);
}

QTEST_GUILESS_MAIN(tst_KnownWlans)
#include "tst_knownwlans.moc"
