// Why the speaker list is empty, each cause made for real on the private network of
// tools/dnssd-net: its avahi-daemon stopped, NetworkManager and firewalld stand-ins on its system
// bus, and a second host whose announcements the firewall on the link between them drops.

#include "dbusmockstandin.h"
#include "emptylistcheck.h"
#include "networkmanagerstandin.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Probing, announcing and the stand-ins' start take seconds; these only keep a broken run from
// hanging.
const int publishTimeout = 15000;
const int foundTimeout = 20000;
const int stopTimeout = 5000;

// What the network announces beside the speakers that are not there.
const QStringList printer = { QStringLiteral("-s"), QStringLiteral("Printer"),
                              QStringLiteral("_ipp._tcp"), QStringLiteral("631") };

bool dnssdNet(const QStringList &arguments)
{
    return QProcess::execute(QStringLiteral(VANTIR_DNSSD_NET), arguments) == 0;
}

} // namespace

class tst_EmptyListCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void reasons_data();
    void reasons();

private:
    NetworkManagerStandIn networkManager;
    DbusmockStandIn firewalld { QStringLiteral(VANTIR_FIREWALLD_STANDIN),
                                QStringLiteral("org.fedoraproject.FirewallD1") };
    QProcess publisher;
    bool daemonStopped = false;
};

void tst_EmptyListCheck::initTestCase()
{
    if (!DbusmockStandIn::onPrivateBus())
        QSKIP("needs the private network (run through tools/dnssd-net)");
}

void tst_EmptyListCheck::cleanup()
{
    networkManager.stop();
    firewalld.stop();
    if (publisher.state() != QProcess::NotRunning) {
        publisher.terminate();
        if (!publisher.waitForFinished(stopTimeout)) {
            publisher.kill();
            publisher.waitForFinished(stopTimeout);
        }
    }
    if (daemonStopped)
        QVERIFY(dnssdNet({ QStringLiteral("daemon"), QStringLiteral("start") }));
    daemonStopped = false;
}

void tst_EmptyListCheck::reasons_data()
{
    QTest::addColumn<bool>("daemon");            // avahi-daemon runs
    QTest::addColumn<QByteArray>("connections"); // NetworkManager's; empty: none runs
    QTest::addColumn<QByteArray>("firewall");    // firewalld's zones; empty: none runs
    QTest::addColumn<bool>("dropMdns");          // the printer on the second host, UDP 5353 dropped
    QTest::addColumn<int>("cause");
    QTest::addColumn<QString>("line");

    const QByteArray home = "{\"id\": \"Home\", \"ssid\": \"Home\", \"active\": true}";
    // The loopback is the private network's one interface; a zone for it overrides the default.
    const QByteArray loopbackHome =
        "{\"default\": \"public\", \"zones\": {\"public\": {\"services\": [\"ssh\"]}, "
        "\"home\": {\"interfaces\": [\"lo\"], \"services\": [\"ssh\", \"mdns\"]}}}";

    QTest::newRow("no daemon") << false << QByteArray() << QByteArray() << false
                               << int(EmptyListReason::DnssdUnavailable)
                               << "The search for speakers is not available: this computer's "
                                  "DNS-SD service (avahi-daemon) does not answer. Start it, for "
                                  "example with \"sudo systemctl start avahi-daemon\", and the "
                                  "list fills by itself.";
    QTest::newRow("VPN") << true
                         << "[" + home +
            ", {\"id\": \"Office\", \"type\": \"vpn\", "
            "\"active\": true}]"
                         << loopbackHome << false << int(EmptyListReason::Vpn)
                         << "The VPN \"Office\" is this computer's route to the network, and may "
                            "keep the speakers out of reach. Disconnect it, or allow it access to "
                            "the local network.";
    // An interface in no zone is in the default one.
    QTest::newRow("firewalld without mdns")
        << true << "[" + home + "]"
        << QByteArray("{\"default\": \"public\", \"zones\": {\"public\": {\"services\": "
                      "[\"ssh\", \"dhcpv6-client\"]}}}")
        << false << int(EmptyListReason::FirewallZone)
        << "The firewall keeps the speakers' announcements out: its zone \"public\" does not "
           "allow the service \"mdns\". Allow it with \"sudo firewall-cmd --permanent "
           "--zone=public --add-service=mdns && sudo firewall-cmd --reload\".";
    QTest::newRow("UDP 5353 dropped")
        << true << QByteArray() << QByteArray() << true << int(EmptyListReason::NoAnnouncements)
        << "This computer hears no DNS-SD announcements from its network at all: a firewall may "
           "block UDP port 5353, or the WLAN keeps its devices apart, as guest networks do.";
    QTest::newRow("nothing there")
        << true << "[" + home + "]" << loopbackHome << false << int(EmptyListReason::NoSpeaker)
        << "No speaker answers on this network. A speaker in another part of the network "
           "(another subnet or VLAN) can be reached by its IP address with \"Add by address…\".";
}

void tst_EmptyListCheck::reasons()
{
    QFETCH(bool, daemon);
    QFETCH(QByteArray, connections);
    QFETCH(QByteArray, firewall);
    QFETCH(bool, dropMdns);
    QFETCH(int, cause);
    QFETCH(QString, line);

    if (!connections.isEmpty())
        QVERIFY(networkManager.start(connections));
    if (!firewall.isEmpty())
        QVERIFY(firewalld.startWith(firewall));
    if (daemon) {
        publisher.setProcessChannelMode(QProcess::MergedChannels);
        if (dropMdns) {
            publisher.start(
                QStringLiteral(VANTIR_DNSSD_NET),
                QStringList({ QStringLiteral("host2"), QStringLiteral("run"),
                              QStringLiteral("--same-subnet"), QStringLiteral("avahi-publish") }) +
                    printer);
        } else {
            publisher.start(QStringLiteral("avahi-publish"), printer);
        }
        QVERIFY(publisher.waitForStarted(stopTimeout));
        QTRY_VERIFY_WITH_TIMEOUT(publisher.state() != QProcess::Running ||
                                     publisher.peek(1 << 16).contains("Established under name"),
                                 publishTimeout);
        QVERIFY2(publisher.state() == QProcess::Running, publisher.readAll().constData());
    } else {
        daemonStopped = true;
        QVERIFY(dnssdNet({ QStringLiteral("daemon"), QStringLiteral("stop") }));
    }
    if (dropMdns) {
        QVERIFY(dnssdNet(
            { QStringLiteral("host2"), QStringLiteral("firewall"), QStringLiteral("on") }));
        // A daemon started anew: what it heard before the rule does not stay in its cache.
        daemonStopped = true;
        QVERIFY(dnssdNet({ QStringLiteral("daemon"), QStringLiteral("stop") }));
        QVERIFY(dnssdNet({ QStringLiteral("daemon"), QStringLiteral("start") }));
        daemonStopped = false;
    }

    EmptyListWaits waits;
    // Only the rows that hear nothing wait for all of it.
    waits.listenTime = std::chrono::seconds(2);
    EmptyListCheck check(waits);
    QSignalSpy found(&check, &EmptyListCheck::found);
    check.start();
    QVERIFY(check.isRunning());
    QVERIFY(found.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(found.count(), 1, foundTimeout);
    QVERIFY(!check.isRunning());
    const EmptyListReason reason = found.first().at(0).value<EmptyListReason>();
    QCOMPARE(int(reason.cause), cause);
    QCOMPARE(reason.text(), line);
}

QTEST_GUILESS_MAIN(tst_EmptyListCheck)
#include "tst_emptylistcheck.moc"
