// Browses for and resolves speakers published by a real avahi-daemon through the real DNS-SD
// client library. Runs inside the private network of tools/dnssd-net, whose avahi-daemon
// answers only on the loopback of its own network namespace.

#include "bonjourrecord.h"
#include "bonjourservicebrowser.h"
#include "bonjourserviceresolver.h"
#include "client.h"
#include "dnssdthread.h"
#include "messagelog.h"
#include "pagetest.h"

#include <QFile>
#include <QHostAddress>
#include <QHostInfo>
#include <QLabel>
#include <QList>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

#include <signal.h>

namespace {

// mDNS probing and announcing take seconds; these bounds only keep a broken run from hanging.
const int publishTimeout = 15000;
const int discoveryTimeout = 20000;
const int stopTimeout = 5000;

const QString serviceType = QStringLiteral("_dockset._tcp");
// How Avahi's compatibility library reports the type and the domain in browse replies.
const QString reportedServiceType = QStringLiteral("_dockset._tcp.");
const QString reportedDomain = QStringLiteral("local.");

// Speaker One lives on the network's own host (vantir-net.local, 127.0.0.1); the kitchen
// speaker has a host name of its own. Its name is not ASCII, to see the UTF-8 both ways.
const QString firstName = QStringLiteral("Speaker One");
const quint16 firstPort = 8080;
const QString kitchenName = QString::fromUtf8("Lautsprecher K\xc3\xbc"
                                              "che");
const QString kitchenHost = QStringLiteral("vantir-spk2.local");
const QString kitchenAddress = QStringLiteral("127.0.0.2");
const quint16 kitchenPort = 9090;
// A speaker whose host has no address record: Avahi keeps its resolve open.
const QString silentName = QStringLiteral("Speaker Without Address");

const QString started = QStringLiteral("warning: first call of resolveBonjourRecord");
const QString refused = QStringLiteral("warning: resolve in process, aborting");
const QString resolveGone = QStringLiteral("warning: resolve failed with error -65537");

// The page's line that the DNS-SD service does not answer, shown.
bool showsSearchUnavailable(const QWidget *page)
{
    const QList<QLabel *> labels = page->findChildren<QLabel *>();
    return std::any_of(labels.cbegin(), labels.cend(), [](const QLabel *label) {
        return label->isVisible() && label->text().contains(QLatin1String("(avahi-daemon)"));
    });
}

QList<BonjourRecord> sortedByName(QList<BonjourRecord> records)
{
    std::sort(records.begin(), records.end(), [](const BonjourRecord &a, const BonjourRecord &b) {
        return a.instanceName < b.instanceName;
    });
    return records;
}

QList<BonjourRecord> lastList(const QSignalSpy &spy)
{
    if (spy.isEmpty())
        return QList<BonjourRecord>();
    return spy.last().at(0).value<QList<BonjourRecord>>();
}

QStringList names(const QList<BonjourRecord> &records)
{
    QStringList list;
    for (const BonjourRecord &record : records)
        list.append(record.instanceName);
    list.sort();
    return list;
}

// Changes the private network through tools/dnssd-net ("daemon stop", "link add", ...). Each
// command waits for its effect, within the script's own bounds.
bool changeNetwork(const QString &command, const QString &argument)
{
    return QProcess::execute(QStringLiteral(VANTIR_DNSSD_NET), { command, argument }) == 0;
}

// The private network's avahi-daemon, from the PID file it keeps in the network's own /run.
pid_t daemonPid()
{
    QFile file(QStringLiteral("/run/avahi-daemon/pid"));
    return file.open(QIODevice::ReadOnly) ? pid_t(file.readAll().trimmed().toInt()) : 0;
}

} // namespace

class tst_AvahiDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void browseListsPublishedSpeakers();
    void browseDropsWithdrawnSpeaker();
    void resolveGivesAddressAndPort_data();
    void resolveGivesAddressAndPort();
    void resolverServesOneRequestAfterAnother();
    void speakerOnTwoLinksStaysListed();
    void listFillsAgainAfterDaemonRestart();
    void daemonStopsDuringResolve();
    void frozenDaemonHoldsNoWindow();

private:
    QProcess *startPublisher(const QStringList &arguments);
    void publishSpeakers();
    void stopPublisher(QProcess *process);
    void browseUntilBothListed(BonjourServiceBrowser &browser, QList<BonjourRecord> *listed);

    std::vector<std::unique_ptr<QProcess>> publishers;
    QProcess *firstPublisher = nullptr;
    QScopedPointer<MessageLog> messages;
    bool daemonStopped = false;
    pid_t frozenDaemon = 0;
};

void tst_AvahiDiscovery::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DBUS_SYSTEM_BUS_ADDRESS"))
        QSKIP("needs the private DNS-SD network: run through tools/dnssd-net run");
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("avahi-publish")).isEmpty(),
             "avahi-publish not found (package avahi-utils)");
    // The speaker names go to avahi-publish as its arguments, encoded like file names.
    QVERIFY2(QFile::encodeName(QStringLiteral("\u00e4")) == QByteArray("\xc3\xa4"),
             "needs a UTF-8 locale (C.UTF-8)");
    qRegisterMetaType<QList<BonjourRecord>>("QList<BonjourRecord>");
    qRegisterMetaType<QHostInfo>("QHostInfo");
    // Passed on to the test log, where a failure can be read in context.
    messages.reset(new MessageLog(true));
}

void tst_AvahiDiscovery::init()
{
    messages->clear();
    publishSpeakers();
}

void tst_AvahiDiscovery::cleanup()
{
    for (const std::unique_ptr<QProcess> &process : publishers)
        stopPublisher(process.get());
    publishers.clear();
    firstPublisher = nullptr;
    if (daemonStopped && changeNetwork(QStringLiteral("daemon"), QStringLiteral("start")))
        daemonStopped = false;
    if (frozenDaemon) {
        ::kill(frozenDaemon, SIGCONT);
        frozenDaemon = 0;
        // The calls it held end now; the library stays until they have.
        QTRY_COMPARE_WITH_TIMEOUT(DnssdThread::callsRunning(), 0, stopTimeout);
    }
}

// avahi-publish stays in the foreground while its entry is published; it tells on stdout once
// the name has been probed and is established.
QProcess *tst_AvahiDiscovery::startPublisher(const QStringList &arguments)
{
    publishers.push_back(std::make_unique<QProcess>());
    QProcess *process = publishers.back().get();
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->start(QStringLiteral("avahi-publish"), arguments);
    if (!process->waitForStarted(stopTimeout))
        return nullptr;
    return process;
}

void tst_AvahiDiscovery::publishSpeakers()
{
    QProcess *kitchenAddressPublisher =
        startPublisher({ QStringLiteral("-a"), QStringLiteral("-R"), kitchenHost, kitchenAddress });
    QVERIFY(kitchenAddressPublisher);
    firstPublisher = startPublisher(
        { QStringLiteral("-s"), firstName, serviceType, QString::number(firstPort) });
    QVERIFY(firstPublisher);
    QProcess *kitchenPublisher =
        startPublisher({ QStringLiteral("-s"), QStringLiteral("-H"), kitchenHost, kitchenName,
                         serviceType, QString::number(kitchenPort) });
    QVERIFY(kitchenPublisher);

    for (const std::unique_ptr<QProcess> &process : publishers) {
        QTRY_VERIFY_WITH_TIMEOUT(process->state() != QProcess::Running ||
                                     process->peek(1 << 16).contains("Established under name"),
                                 publishTimeout);
        QVERIFY2(process->state() == QProcess::Running, process->readAll().constData());
    }
}

void tst_AvahiDiscovery::stopPublisher(QProcess *process)
{
    if (process->state() == QProcess::NotRunning)
        return;
    // TERM lets avahi-publish withdraw its entry with goodbye packets at once.
    process->terminate();
    if (!process->waitForFinished(stopTimeout)) {
        process->kill();
        process->waitForFinished(stopTimeout);
    }
}

void tst_AvahiDiscovery::browseUntilBothListed(BonjourServiceBrowser &browser,
                                               QList<BonjourRecord> *listed)
{
    QSignalSpy listSpy(&browser,
                       SIGNAL(currentBonjourRecordsChanged(const QList<BonjourRecord> &)));
    browser.browseForServiceType(serviceType);
    QTRY_COMPARE_WITH_TIMEOUT(lastList(listSpy).size(), 2, discoveryTimeout);
    *listed = sortedByName(lastList(listSpy));
}

void tst_AvahiDiscovery::browseListsPublishedSpeakers()
{
    BonjourServiceBrowser browser(nullptr);
    QList<DNSServiceErrorType> errors;
    connect(&browser, &BonjourServiceBrowser::error,
            [&errors](DNSServiceErrorType error) { errors.append(error); });
    QSignalSpy listSpy(&browser,
                       SIGNAL(currentBonjourRecordsChanged(const QList<BonjourRecord> &)));

    browser.browseForServiceType(serviceType);
    QTRY_COMPARE_WITH_TIMEOUT(lastList(listSpy).size(), 2, discoveryTimeout);

    const QList<BonjourRecord> expected = {
        BonjourRecord(kitchenName, reportedServiceType, reportedDomain),
        BonjourRecord(firstName, reportedServiceType, reportedDomain),
    };
    const QList<BonjourRecord> listed = sortedByName(lastList(listSpy));
    QCOMPARE(listed.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(listed.at(i).instanceName, expected.at(i).instanceName);
        QCOMPARE(listed.at(i).serviceType, expected.at(i).serviceType);
        QCOMPARE(listed.at(i).domain, expected.at(i).domain);
    }
    QVERIFY(errors.isEmpty());

    // The start logs its three lines, then one line per reply and nothing else.
    const QStringList lines = messages->lines();
    QVERIFY(lines.size() >= 3 + 2);
    QCOMPARE(lines.mid(0, 3),
             MessageLog::warnings({ QStringLiteral("browseForServiceType()..."),
                                    QStringLiteral("DNSServiceBrowse() returned..."),
                                    QStringLiteral("browseForServiceType() success!") }));
    for (const QString &line : lines.mid(3))
        QCOMPARE(line, QStringLiteral("warning: bonjourBrowseReply()"));
}

void tst_AvahiDiscovery::browseDropsWithdrawnSpeaker()
{
    BonjourServiceBrowser browser(nullptr);
    QSignalSpy listSpy(&browser,
                       SIGNAL(currentBonjourRecordsChanged(const QList<BonjourRecord> &)));
    browser.browseForServiceType(serviceType);
    QTRY_COMPARE_WITH_TIMEOUT(lastList(listSpy).size(), 2, discoveryTimeout);

    stopPublisher(firstPublisher);
    const QList<BonjourRecord> remaining = { BonjourRecord(kitchenName, reportedServiceType,
                                                           reportedDomain) };
    QTRY_COMPARE_WITH_TIMEOUT(lastList(listSpy), remaining, discoveryTimeout);
}

void tst_AvahiDiscovery::resolveGivesAddressAndPort_data()
{
    QTest::addColumn<QString>("instanceName");
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("port");

    QTest::newRow("network's own host") << firstName << QStringLiteral("127.0.0.1") << 8080;
    QTest::newRow("host of its own") << kitchenName << kitchenAddress << 9090;
}

void tst_AvahiDiscovery::resolveGivesAddressAndPort()
{
    QFETCH(QString, instanceName);
    QFETCH(QString, address);
    QFETCH(int, port);

    // Resolve the record exactly as the browse reported it, as the speaker list does.
    BonjourServiceBrowser browser(nullptr);
    QList<BonjourRecord> listed;
    browseUntilBothListed(browser, &listed);
    QVERIFY(!QTest::currentTestFailed());
    auto found =
        std::find_if(listed.cbegin(), listed.cend(), [&instanceName](const BonjourRecord &record) {
            return record.instanceName == instanceName;
        });
    QVERIFY(found != listed.cend());

    BonjourServiceResolver resolver(nullptr);
    QList<DNSServiceErrorType> errors;
    connect(&resolver, &BonjourServiceResolver::error,
            [&errors](DNSServiceErrorType error) { errors.append(error); });
    QSignalSpy resolvedSpy(&resolver, SIGNAL(bonjourRecordResolved(const QHostInfo &, int)));
    messages->clear();

    resolver.resolveBonjourRecord(*found);
    QTRY_VERIFY_WITH_TIMEOUT(!resolvedSpy.isEmpty(), discoveryTimeout);

    const QHostInfo hostInfo = resolvedSpy.first().at(0).value<QHostInfo>();
    QCOMPARE(hostInfo.error(), QHostInfo::NoError);
    QVERIFY(!hostInfo.addresses().isEmpty());
    QCOMPARE(hostInfo.addresses().first(), QHostAddress(address));
    QCOMPARE(resolvedSpy.first().at(1).toInt(), port);
    QVERIFY(errors.isEmpty());
    QCOMPARE(messages->lines().value(0), started);
}

// The speaker list keeps one resolver for every "Next >>": once a result has been delivered and
// the event loop has run, the next request must start a fresh resolve, not be refused.
void tst_AvahiDiscovery::resolverServesOneRequestAfterAnother()
{
    BonjourServiceBrowser browser(nullptr);
    QList<BonjourRecord> listed;
    browseUntilBothListed(browser, &listed);
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(listed.size(), 2);

    BonjourServiceResolver resolver(nullptr);
    QSignalSpy resolvedSpy(&resolver, SIGNAL(bonjourRecordResolved(const QHostInfo &, int)));
    messages->clear();
    resolver.resolveBonjourRecord(listed.at(1)); // Speaker One
    // A request while the first one runs is dropped.
    resolver.resolveBonjourRecord(listed.at(0));
    QCOMPARE(messages->lines(), QStringList({ started, refused }));
    QTRY_COMPARE_WITH_TIMEOUT(resolvedSpy.count(), 1, discoveryTimeout);
    QCOMPARE(resolvedSpy.at(0).at(1).toInt(), int(firstPort));

    // Let the queued clean-up run, then ask for the kitchen speaker.
    QCoreApplication::processEvents();
    messages->clear();
    resolver.resolveBonjourRecord(listed.at(0));
    QCOMPARE(messages->lines(), QStringList(started));
    QTRY_COMPARE_WITH_TIMEOUT(resolvedSpy.count(), 2, discoveryTimeout);
    const QHostInfo kitchenInfo = resolvedSpy.at(1).at(0).value<QHostInfo>();
    QVERIFY(!kitchenInfo.addresses().isEmpty());
    QCOMPARE(kitchenInfo.addresses().first(), QHostAddress(kitchenAddress));
    QCOMPARE(resolvedSpy.at(1).at(1).toInt(), int(kitchenPort));
}

// Avahi announces a speaker once per interface and withdraws it once per interface: it stays
// listed until the last withdrawal.
void tst_AvahiDiscovery::speakerOnTwoLinksStaysListed()
{
    QVERIFY(changeNetwork(QStringLiteral("link"), QStringLiteral("add")));
    BonjourServiceBrowser browser(nullptr);
    QSignalSpy listSpy(&browser,
                       SIGNAL(currentBonjourRecordsChanged(const QList<BonjourRecord> &)));
    const auto replies = [this] {
        return messages->lines().count(QStringLiteral("warning: bonjourBrowseReply()"));
    };
    messages->clear();
    browser.browseForServiceType(serviceType);
    // Both speakers on both interfaces.
    QTRY_COMPARE_WITH_TIMEOUT(replies(), 4, discoveryTimeout);
    QTRY_COMPARE(names(lastList(listSpy)), QStringList({ kitchenName, firstName }));

    QVERIFY(changeNetwork(QStringLiteral("link"), QStringLiteral("del")));
    QTRY_COMPARE_WITH_TIMEOUT(replies(), 6, discoveryTimeout);
    QCOMPARE(names(lastList(listSpy)), QStringList({ kitchenName, firstName }));

    stopPublisher(firstPublisher);
    QTRY_COMPARE_WITH_TIMEOUT(names(lastList(listSpy)), QStringList(kitchenName), discoveryTimeout);
}

// The daemon goes away under an open speaker list and comes back without the speakers: the page
// says so under the list while it is away, keeps the rows while the service is away, drops them
// once the new browse has settled without them, and lists the speakers again when they are
// published again.
void tst_AvahiDiscovery::listFillsAgainAfterDaemonRestart()
{
    NetworkWaits waits;
    waits.browseRetryInterval = std::chrono::milliseconds(200);
    waits.browse.settleTime = std::chrono::milliseconds(1000);
    MessageBoxCloser closer;
    Client page(nullptr, waits);
    page.show();
    QTreeWidget *tree = page.findChild<QTreeWidget *>();
    const auto rows = [tree] {
        QStringList texts;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            texts.append(tree->topLevelItem(i)->text(0));
        texts.sort();
        return texts;
    };
    QTRY_COMPARE_WITH_TIMEOUT(rows(), QStringList({ kitchenName, firstName }), discoveryTimeout);

    daemonStopped = changeNetwork(QStringLiteral("daemon"), QStringLiteral("stop"));
    QVERIFY(daemonStopped);
    QTRY_VERIFY_WITH_TIMEOUT(showsSearchUnavailable(&page), discoveryTimeout);
    QCOMPARE(rows(), QStringList({ kitchenName, firstName }));

    // The publishers went with the daemon.
    daemonStopped = !changeNetwork(QStringLiteral("daemon"), QStringLiteral("start"));
    QVERIFY(!daemonStopped);
    QTRY_COMPARE_WITH_TIMEOUT(rows(), QStringList(), discoveryTimeout);
    QVERIFY(!showsSearchUnavailable(&page));

    cleanup();
    publishSpeakers();
    QTRY_COMPARE_WITH_TIMEOUT(rows(), QStringList({ kitchenName, firstName }), discoveryTimeout);
    QCOMPARE(closer.boxes.count(), 0);
}

// The daemon goes while a speaker is being resolved: the page tells of it and the program lives
// on (Avahi's library, when its daemon goes, calls a callback of the resolve that it never set
// unless its allocations are cleared).
void tst_AvahiDiscovery::daemonStopsDuringResolve()
{
    QProcess *silentPublisher = startPublisher({ QStringLiteral("-s"), QStringLiteral("-H"),
                                                 QStringLiteral("vantir-nohost.local"), silentName,
                                                 serviceType, QStringLiteral("7070") });
    QVERIFY(silentPublisher);
    QTRY_VERIFY_WITH_TIMEOUT(silentPublisher->peek(1 << 16).contains("Established under name"),
                             publishTimeout);
    MessageBoxCloser closer;
    Client page(nullptr);
    page.show();
    QTreeWidget *tree = page.findChild<QTreeWidget *>();
    QTRY_VERIFY_WITH_TIMEOUT(!tree->findItems(silentName, Qt::MatchExactly).isEmpty(),
                             discoveryTimeout);
    tree->setCurrentItem(tree->findItems(silentName, Qt::MatchExactly).first());
    messages->clear();
    buttonWithText(&page, QStringLiteral("Next >>"))->click();
    QVERIFY(messages->lines().contains(started));

    daemonStopped = changeNetwork(QStringLiteral("daemon"), QStringLiteral("stop"));
    QVERIFY(daemonStopped);
    QTRY_VERIFY_WITH_TIMEOUT(messages->lines().contains(resolveGone), discoveryTimeout);
    QTRY_VERIFY(buttonWithText(&page, QStringLiteral("Next >>"))->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(showsSearchUnavailable(&page), discoveryTimeout);
}

// A daemon that hangs holds the call that makes the resolve, never the window: events go on
// being handled, and the request ends at its time-out as one that gets no answer.
void tst_AvahiDiscovery::frozenDaemonHoldsNoWindow()
{
    BonjourServiceResolver resolver(nullptr, std::chrono::milliseconds(1000));
    QList<DNSServiceErrorType> errors;
    int ticks = 0;
    int ticksAtError = -1;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
    connect(&resolver, &BonjourServiceResolver::error, this, [&](DNSServiceErrorType error) {
        errors.append(error);
        ticksAtError = ticks;
    });
    ticker.start(10);

    frozenDaemon = daemonPid();
    QVERIFY(frozenDaemon > 0);
    QCOMPARE(::kill(frozenDaemon, SIGSTOP), 0);
    messages->clear();
    resolver.resolveBonjourRecord(BonjourRecord(firstName, reportedServiceType, reportedDomain));
    QTRY_COMPARE_WITH_TIMEOUT(errors, QList<DNSServiceErrorType>({ -65568 }), discoveryTimeout);
    QVERIFY(ticksAtError > 0);
    QCOMPARE(messages->lines(),
             QStringList({ started, QStringLiteral("warning: resolve failed with error -65568") }));
}

QTEST_MAIN(tst_AvahiDiscovery)
#include "tst_avahidiscovery.moc"
