#include "capturingserver.h"
#include "catalogueentries.h"
#include "client.h"
#include "client_settings.h"
#include "client_wlans.h"
#include "fakednssd.h"
#include "knownwlans.h"
#include "messagelog.h"
#include "networkmanagerstandin.h"
#include "networkstart.h"
#include "pagetest.h"
#include "speakerwatcher.h"
#include "wizarddata.h"

#include <QDBusMessage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

#include <memory>

namespace {

const uint32_t Add = 0x2; // kDNSServiceFlagsAdd
const char ServiceType[] = "_dockset._tcp.";
const char Domain[] = "local.";
// The speaker before its save, answering its query, its scan and its save alike; and back.
const char SpeakerAnswer[] =
    "{\"deviceinfo\": {\"devicename\": \"Kitchen\", \"model\": \"Ovix One\"}, "
    "\"aplist\": [{\"ssid\": \"Hausnetz\", \"encrypt_type\": \"WPA2\"}]}";
const char BackAnswer[] =
    "{\"deviceinfo\": {\"devicename\": \"Studio\", \"model\": \"Ovix One\"}, \"networkinfo\": "
    "{\"ipaddressinfo\": {\"ipaddress\": \"10.0.0.7\"}, \"clientinfo\": {\"wifissid\": "
    "\"Hausnetz\"}}}";
const char password[] = "Sommer-2024!";

// What the list shows from the save on, in German: the catalogue's texts where the table has them.
QString german(const char *source, const QString &wlan = QStringLiteral("Hausnetz"))
{
    return germanEntry("Client", source).arg(wlan);
}

// The WLANs this computer has saved; where it is on one, the guests' WLAN.
const QByteArray home = R"({"id": "Hausnetz", "ssid": "Hausnetz", "key-mgmt": "wpa-psk")";
const QByteArray guests = R"({"id": "Gäste", "ssid": "Gäste-WLAN", "key-mgmt": "sae")";
const QByteArray onGuests = "[" + home + "}, " + guests + R"(, "active": true}])";

} // namespace

// The speaker list's offer to switch this computer to the saved speaker's WLAN, against a
// NetworkManager stand-in on the private network's system bus, and what the list says of a
// speaker not back from there; in German from the save on.
class tst_NetworkSwitch : public QObject
{
    Q_OBJECT

public slots:
    void recordCall(const QDBusMessage &message);

private slots:
    void initTestCase();
    void cleanup();
    void switchComputer_data();
    void switchComputer();
    void notBack_data();
    void notBack();

private:
    // The speaker "Kitchen" saved as "Studio" into "Hausnetz", with this computer's connections
    // (null: no NetworkManager); returns once the list offers the switch or would have.
    void saveSpeaker(const QByteArray &connections);
    bool shows(const QString &text) const
    {
        const QLabel *label = labelWithText(page, text);
        return label && label->isVisible();
    }
    QPushButton *switchButton() const
    {
        return buttonWithText(page, german("Switch this computer to \"%1\""));
    }

    std::unique_ptr<MessageLog> log;
    std::unique_ptr<MessageBoxCloser> closer;
    NetworkManagerStandIn standIn;
    std::unique_ptr<KnownWlans> known;
    std::unique_ptr<QTranslator> catalogue;
    CapturingServer *server = nullptr;
    Client *page = nullptr;
    QStringList activations; // "ActivateConnection" calls' arguments, joined by blanks
};

void tst_NetworkSwitch::initTestCase()
{
    if (!FakeDnssd::available())
        QSKIP("the fake DNS-SD library is not loaded (LD_LIBRARY_PATH)");
    if (!NetworkManagerStandIn::onPrivateBus())
        QSKIP("needs the private network's system bus (run through tools/dnssd-net)");
    log.reset(new MessageLog);
    avoidBearerManagement();
    QVERIFY(QDBusConnection::systemBus().connect(
        QString(), QString(), QStringLiteral("org.freedesktop.DBus.Mock"),
        QStringLiteral("MethodCalled"), this, SLOT(recordCall(QDBusMessage))));
}

void tst_NetworkSwitch::cleanup()
{
    delete page;
    page = nullptr;
    deletePages<Client_Settings>();
    deletePages<Client_WLANs>();
    closer.reset();
    catalogue.reset();
    known.reset();
    standIn.stop();
    delete server;
    server = nullptr;
    activations.clear();
}

void tst_NetworkSwitch::recordCall(const QDBusMessage &message)
{
    if (message.arguments().value(0).toString() != QLatin1String("ActivateConnection"))
        return;
    QStringList arguments;
    for (const QVariant &argument : qdbus_cast<QVariantList>(message.arguments().value(1)))
        arguments.append(qvariant_cast<QDBusObjectPath>(argument).path());
    activations.append(arguments.join(QLatin1Char(' ')));
}

void tst_NetworkSwitch::saveSpeaker(const QByteArray &connections)
{
    if (!connections.isNull())
        QVERIFY(standIn.start(connections));
    KnownWlansOptions options;
    options.callTimeout = std::chrono::hours(1);
    known.reset(new KnownWlans(options));
    knownWlans = known.get();
    FakeDnssd::reset();
    server = new CapturingServer(this);
    QVERIFY(server->listen());
    server->setDefaultResponse(ScriptedResponse::json(SpeakerAnswer));
    wizardData = WizardData();
    closer.reset(new MessageBoxCloser);
    NetworkWaits waits;
    waits.returnWait = std::chrono::minutes(10); // ended by the test
    page = new Client(nullptr, waits);
    page->show();
    QVERIFY(FakeDnssd::browseReply(Add, 0, "Kitchen", ServiceType, Domain));
    QTRY_COMPARE(page->findChild<QTreeWidget *>()->topLevelItemCount(), 1);
    buttonWithText(page, QStringLiteral("Next >>"))->click();
    QTRY_COMPARE(FakeDnssd::resolveCalls(), 1);
    QVERIFY(FakeDnssd::resolveReply(0, 0, "s._dockset._tcp.local.", "127.0.0.1",
                                    server->port() >> 8, server->port() & 0xff));
    QTRY_VERIFY(wlanPage && wlanPage->findChild<QTreeWidget *>()->topLevelItemCount() == 1);
    QTRY_COMPARE(wizardData.model, QStringLiteral("Ovix One"));
    QTRY_VERIFY(known->isReady());
    buttonWithText(wlanPage, QStringLiteral("Next >>"))->click();
    QVERIFY(settingsPage);
    fieldLabelled<QLineEdit>(settingsPage, QStringLiteral("Name:"))->setText("Studio");
    fieldLabelled<QLineEdit>(settingsPage, QStringLiteral("Passwd:"))->setText(password);
    QSignalSpy readySpy(known.get(), &KnownWlans::ready);
    catalogue.reset(new QTranslator);
    QVERIFY(catalogue->load(QStringLiteral(":/translations/VANTIR_de.qm")));
    QCoreApplication::installTranslator(catalogue.get());
    buttonWithText(settingsPage, QStringLiteral("SAVE"))->click();
    QTRY_COMPARE(closer->boxes.size(), 1);
    QCOMPARE(closer->boxes.at(0).text, germanEntry("Client_Settings", "Success"));
    // Offered after a reading anew, where the speaker's own WLAN may have gone.
    QTRY_COMPARE(readySpy.count(), 1);
    QVERIFY(shows(german("Waiting for \"%1\" to come back…", "Studio")));
}

void tst_NetworkSwitch::switchComputer_data()
{
    QTest::addColumn<QByteArray>("connections");
    QTest::addColumn<QString>("outcome"); // empty: nothing offered
    QTest::addColumn<QString>("logLine");

    QTest::newRow("switched") << onGuests << german("This computer is joining the WLAN \"%1\".")
                              << "This computer switches to the WLAN \"Hausnetz\"";
    QTest::newRow("refused")
        << "[" + home + R"(, "refuse-switch": "No suitable device found."}, )" + guests +
            R"(, "active": true}])"
        << german("NetworkManager did not switch this computer to the WLAN \"%1\" (\"%2\").")
               .arg("No suitable device found.")
        << "This computer not switched to the WLAN \"Hausnetz\" refused: \"No suitable device "
           "found.\"";
    QTest::newRow("already on it")
        << "[" + home + R"(, "active": true}, )" + guests + "}]" << QString() << QString();
    QTest::newRow("not known") << "[" + guests + R"(, "active": true}])" << QString() << QString();
    QTest::newRow("no NetworkManager") << QByteArray() << QString() << QString();
}

// Pressed, the switch activates the saved connection of the speaker's WLAN, on the device and
// access point that NetworkManager chooses, and tells how that went; the speaker is awaited all
// along, also as the list empties with the old network and fills with the new one.
void tst_NetworkSwitch::switchComputer()
{
    QFETCH(QByteArray, connections);
    QFETCH(QString, outcome);
    QFETCH(QString, logLine);

    saveSpeaker(connections);
    QVERIFY(!QTest::currentTestFailed());
    if (outcome.isEmpty()) {
        QVERIFY(!switchButton() || !switchButton()->isVisible());
        return;
    }
    QTRY_VERIFY(switchButton() && switchButton()->isVisible());
    log->clear();
    switchButton()->click();
    switchButton()->click();
    QVERIFY(shows(german("Switching this computer to the WLAN \"%1\"…")));
    QTRY_VERIFY(shows(outcome));
    QCOMPARE(activations,
             QStringList(QStringLiteral("/org/freedesktop/NetworkManager/Settings/0 / /")));
    QCOMPARE(log->debugLines(), QStringList(logLine));
    // Once started, there is nothing more to press; refused, the user may try again.
    QCOMPARE(switchButton()->isVisible(), outcome.startsWith(QLatin1String("NetworkManager")));
    QVERIFY(shows(german("Waiting for \"%1\" to come back…", "Studio")));

    server->setDefaultResponse(ScriptedResponse::json(BackAnswer));
    QVERIFY(FakeDnssd::browseReply(0, 0, "Kitchen", ServiceType, Domain));
    QVERIFY(FakeDnssd::browseReply(Add, 0, "Studio", ServiceType, Domain));
    QTRY_COMPARE(FakeDnssd::resolveCalls(), 2);
    QVERIFY(FakeDnssd::resolveReply(0, 0, "s._dockset._tcp.local.", "127.0.0.1",
                                    server->port() >> 8, server->port() & 0xff));
    QTRY_VERIFY(shows(germanEntry("Client",
                                  "The speaker \"%1\" is back on the network, on the "
                                  "WLAN \"%2\", IP address %3.")
                          .arg("Studio", "Hausnetz", "10.0.0.7")));
}

void tst_NetworkSwitch::notBack_data()
{
    QTest::addColumn<QByteArray>("connections");
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<QString>("otherWlan"); // named in the box; empty: the password blamed

    QTest::newRow("on another WLAN") << onGuests << QString() << "Gäste-WLAN";
    QTest::newRow("switched meanwhile") << onGuests << "switch" << QString();
    QTest::newRow("NetworkManager gone by then: the WLAN at the save") << onGuests << "stop"
                                                                       << "Gäste-WLAN";
    QTest::newRow("on the speaker's WLAN")
        << "[" + home + R"(, "active": true}])" << QString() << QString();
    QTest::newRow("no NetworkManager") << QByteArray() << QString() << QString();
}

// A speaker not back while this computer is on another WLAN is not blamed on the password, which
// is kept for the next speaker; the box names both WLANs.
void tst_NetworkSwitch::notBack()
{
    QFETCH(QByteArray, connections);
    QFETCH(QString, meanwhile);
    QFETCH(QString, otherWlan);

    saveSpeaker(connections);
    QVERIFY(!QTest::currentTestFailed());
    if (meanwhile == QLatin1String("switch")) {
        QTRY_VERIFY(switchButton() && switchButton()->isVisible());
        switchButton()->click();
        QTRY_VERIFY(shows(german("This computer is joining the WLAN \"%1\".")));
    } else if (meanwhile == QLatin1String("stop")) {
        standIn.stop();
    }
    SpeakerWatcher *watcher = page->findChild<SpeakerWatcher *>();
    QVERIFY(watcher);
    emit watcher->speakerNotBack(QStringLiteral("Studio"));
    QTRY_COMPARE(closer->boxes.size(), 2);
    const QString shown = closer->boxes.at(1).text;
    if (otherWlan.isEmpty())
        QVERIFY(shown.contains(QStringLiteral("WLAN-Passwort")));
    else
        QCOMPARE(shown,
                 german("The speaker \"%1\" has not come back on the network.\n\nThis computer "
                        "was on the WLAN \"%2\", not on \"%3\", the WLAN that the speaker was "
                        "sent into, and can see the speaker only from there. Switch this computer "
                        "to \"%3\", then look for the speaker in the list.",
                        "Studio")
                     .arg(otherWlan, "Hausnetz"));
    QCOMPARE(wizardData.savedWlan.password, otherWlan.isEmpty() ? QString() : password);
}

QTEST_MAIN(tst_NetworkSwitch)
#include "tst_networkswitch.moc"
