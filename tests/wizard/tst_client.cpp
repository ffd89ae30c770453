#include "bonjourrecord.h"
#include "capturingserver.h"
#include "client.h"
#include "client_wlans.h"
#include "declaredmethods.h"
#include "fakednssd.h"
#include "messagelog.h"
#include "pagetest.h"
#include "wizarddata.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QMovie>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTreeWidget>

namespace {

const uint32_t MoreComing = 0x1; // kDNSServiceFlagsMoreComing
const uint32_t Add = 0x2;        // kDNSServiceFlagsAdd
const char ServiceType[] = "_dockset._tcp.";
const char Domain[] = "local.";

// One answer that serves both requests of a resolved speaker: the device query
// and the WLAN scan each read only their own members.
const char SpeakerAnswer[] =
    "{\"deviceinfo\": {\"devicename\": \"Ovix Kitchen\", \"model\": \"Ovix One\", "
    "\"softwarever\": \"1.2.3\", \"hardwarever\": \"B\"}, \"networkinfo\": "
    "{\"ipaddressinfo\": {\"ipaddress\": \"192.168.1.20\"}}, \"aplist\": [{\"ssid\": "
    "\"HomeNet\", \"encrypt_type\": \"WPA2\", \"signal_level\": \"-40\"}]}";

QString speakerUrl(quint16 port)
{
    return QStringLiteral("http://127.0.0.1:%1/api/v14/configure.action").arg(port);
}

QHostInfo hostInfo(const QList<QHostAddress> &addresses)
{
    QHostInfo info;
    info.setHostName(QStringLiteral("ovix-kitchen.local"));
    info.setAddresses(addresses);
    return info;
}

} // namespace

class tst_Client : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void slotOrder();
    void startState();
    void rowsInBrowserOrder();
    void changeReselectsFirstRow();
    void nextWithoutSelection();
    void resolveOpensWlanPage();
    void eachResolveOpensAnotherPage();
    void firstOfTwoAddresses();
    void noAddress();
    void ipv6Speaker();
    void queryAnswerOverEmptyList();
    void unusableQueryAnswer();

private:
    QTreeWidget *tree() { return page->findChild<QTreeWidget *>(); }
    QPushButton *nextButton() { return buttonWithText(page, QStringLiteral("Next >>")); }
    QLabel *busyLabel();
    void addSpeakers(const QList<const char *> &names);
    void connectToServer(const QHostInfo &info, int port);
    QList<QByteArray> requestBodies() const;

    CapturingServer *server = nullptr;
    Client *page = nullptr;
    QScopedPointer<MessageLog> log;
};

void tst_Client::initTestCase()
{
    if (!FakeDnssd::available())
        QSKIP("the fake DNS-SD library is not loaded (LD_LIBRARY_PATH)");
    log.reset(new MessageLog);
}

void tst_Client::init()
{
    FakeDnssd::reset();
    server = new CapturingServer(this);
    QVERIFY(server->listen());
    server->setDefaultResponse(ScriptedResponse::json(SpeakerAnswer));
    wizardData = WizardData();
    wlanPage = nullptr;
    log->clear();
    page = new Client(nullptr);
    page->show();
}

void tst_Client::cleanup()
{
    delete page;
    page = nullptr;
    deletePages<Client_WLANs>();
    wlanPage = nullptr;
    delete server;
    server = nullptr;
}

QLabel *tst_Client::busyLabel()
{
    const QList<QLabel *> labels = page->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->movie())
            return label;
    }
    return nullptr;
}

// The browser reports the speakers as one batch.
void tst_Client::addSpeakers(const QList<const char *> &names)
{
    for (int i = 0; i < names.count(); ++i) {
        const uint32_t flags = i + 1 < names.count() ? Add | MoreComing : Add;
        QVERIFY(FakeDnssd::browseReply(flags, 0, names.at(i), ServiceType, Domain));
    }
    QTRY_COMPARE(tree()->topLevelItemCount(), names.count());
}

// As the resolver delivers its result.
void tst_Client::connectToServer(const QHostInfo &info, int port)
{
    QVERIFY(QMetaObject::invokeMethod(page, "connectToServer", Q_ARG(QHostInfo, info),
                                      Q_ARG(int, port)));
}

QList<QByteArray> tst_Client::requestBodies() const
{
    QList<QByteArray> bodies;
    const QList<CapturedRequest> requests = server->requests();
    for (const CapturedRequest &request : requests)
        bodies.append(request.body);
    std::sort(bodies.begin(), bodies.end());
    return bodies;
}

void tst_Client::slotOrder()
{
    QCOMPARE(declaredMethods(Client::staticMetaObject),
             QStringList({ QStringLiteral("private slot updateRecords(QList<BonjourRecord>)"),
                           QStringLiteral("private slot connectToServer(QHostInfo,int)"),
                           QStringLiteral("private slot replyFinished(QNetworkReply*)"),
                           QStringLiteral("private slot requestWlans()"),
                           QStringLiteral("private slot enableNextButton()") }));
    QCOMPARE(Client::staticMetaObject.method(Client::staticMetaObject.methodOffset() + 1)
                 .parameterNames(),
             QList<QByteArray>() << "hostInfo" << QByteArray());
}

void tst_Client::startState()
{
    QCOMPARE(page->windowTitle(), QStringLiteral("VANTIR Ovix Configurator"));
    QCOMPARE(tree()->columnCount(), 1);
    QCOMPARE(tree()->headerItem()->text(0), QStringLiteral("Available VANTIR Speakers"));
    QCOMPARE(tree()->topLevelItemCount(), 0);
    QCOMPARE(page->focusWidget(), tree());
    QVERIFY(!nextButton()->isEnabled());
    QVERIFY(nextButton()->isDefault());
    QVERIFY(!buttonWithText(page, QStringLiteral("<< Back"))->isEnabled());
    QVERIFY(buttonWithText(page, QStringLiteral("Quit"))->isEnabled());
    QVERIFY(labelWithText(
        page, QStringLiteral("The Speakers and your\ndevice have to be in\nthe same WLAN!")));
    QVERIFY(busyLabel());
    QVERIFY(!busyLabel()->isVisible());
    QCOMPARE(busyLabel()->movie()->state(), QMovie::NotRunning);

    QCOMPARE(FakeDnssd::browseCalls(), 1);
    QCOMPARE(FakeDnssd::lastBrowseType(), QStringLiteral("_dockset._tcp"));
    QCOMPARE(FakeDnssd::lastBrowseDomain(), QStringLiteral("local."));

    // The layout may widen the page once it is shown.
    QCOMPARE(Client(nullptr).size(), QSize(640, 550));
}

void tst_Client::rowsInBrowserOrder()
{
    addSpeakers({ "Ovix Kitchen", "Ovix Hall", "ovix hall" });
    QCOMPARE(tree()->topLevelItem(0)->text(0), QStringLiteral("Ovix Kitchen"));
    QCOMPARE(tree()->topLevelItem(1)->text(0), QStringLiteral("Ovix Hall"));
    QCOMPARE(tree()->topLevelItem(2)->text(0), QStringLiteral("ovix hall"));
    const QVariant data = tree()->topLevelItem(1)->data(0, Qt::UserRole);
    QCOMPARE(data.userType(), qMetaTypeId<BonjourRecord>());
    QVERIFY(data.value<BonjourRecord>() ==
            BonjourRecord(QStringLiteral("Ovix Hall"), QStringLiteral("_dockset._tcp."),
                          QStringLiteral("local.")));
    QCOMPARE(tree()->selectedItems(), QList<QTreeWidgetItem *>() << tree()->topLevelItem(0));
    QVERIFY(nextButton()->isEnabled());
}

void tst_Client::changeReselectsFirstRow()
{
    addSpeakers({ "Ovix Kitchen", "Ovix Hall" });
    tree()->setCurrentItem(tree()->topLevelItem(1));
    QVERIFY(FakeDnssd::browseReply(0, 0, "Ovix Kitchen", ServiceType, Domain));
    QTRY_COMPARE(tree()->topLevelItemCount(), 1);
    QCOMPARE(tree()->topLevelItem(0)->text(0), QStringLiteral("Ovix Hall"));
    QCOMPARE(tree()->selectedItems(), QList<QTreeWidgetItem *>() << tree()->topLevelItem(0));

    tree()->clearSelection();
    QVERIFY(FakeDnssd::browseReply(Add, 0, "Ovix Bath", ServiceType, Domain));
    QTRY_COMPARE(tree()->topLevelItemCount(), 2);
    QCOMPARE(tree()->selectedItems(), QList<QTreeWidgetItem *>() << tree()->topLevelItem(0));

    // The last speaker leaves: nothing to choose.
    QVERIFY(FakeDnssd::browseReply(MoreComing, 0, "Ovix Hall", ServiceType, Domain));
    QVERIFY(FakeDnssd::browseReply(0, 0, "Ovix Bath", ServiceType, Domain));
    QTRY_COMPARE(tree()->topLevelItemCount(), 0);
    QVERIFY(!nextButton()->isEnabled());
}

void tst_Client::nextWithoutSelection()
{
    addSpeakers({ "Ovix Kitchen" });
    tree()->clearSelection();
    log->clear();

    QTest::mouseClick(nextButton(), Qt::LeftButton);
    QVERIFY(busyLabel()->isVisible());
    QCOMPARE(busyLabel()->movie()->state(), QMovie::Running);
    QVERIFY(!nextButton()->isEnabled());
    QVERIFY(log->lines().isEmpty());
    QTest::qWait(20);
    QCOMPARE(FakeDnssd::resolveCalls(), 0);

    // Only the next list brings the page back.
    QVERIFY(FakeDnssd::browseReply(Add, 0, "Ovix Hall", ServiceType, Domain));
    QTRY_COMPARE(tree()->topLevelItemCount(), 2);
    QVERIFY(!busyLabel()->isVisible());
    QVERIFY(nextButton()->isEnabled());
}

void tst_Client::resolveOpensWlanPage()
{
    addSpeakers({ "Ovix Kitchen", "Ovix Hall" });
    tree()->setCurrentItem(tree()->topLevelItem(1));
    log->clear();

    nextButton()->click();
    QVERIFY(busyLabel()->isVisible());
    QVERIFY(!nextButton()->isEnabled());
    QCOMPARE(wizardData.name, QStringLiteral("Ovix Hall"));
    QCOMPARE(log->debugLines(), QStringList(QStringLiteral("Name:  \"Ovix Hall\" \n")));
    QCOMPARE(FakeDnssd::resolveCalls(), 1);
    QCOMPARE(FakeDnssd::lastResolveName(), QStringLiteral("Ovix Hall"));
    QCOMPARE(FakeDnssd::lastResolveType(), QStringLiteral("_dockset._tcp."));
    QCOMPARE(FakeDnssd::lastResolveDomain(), QStringLiteral("local."));

    const quint16 port = server->port();
    QVERIFY(FakeDnssd::resolveReply(0, 0, "Ovix Hall._dockset._tcp.local.", "127.0.0.1", port >> 8,
                                    port & 0xff));
    QTRY_COMPARE(topLevelPages<Client_WLANs>().count(), 1);
    Client_WLANs *wlans = topLevelPages<Client_WLANs>().first();
    QCOMPARE(wlanPage, wlans);
    QVERIFY(wlans->isVisible());
    QCOMPARE(wizardData.url, speakerUrl(port));
    QVERIFY(!busyLabel()->isVisible());
    QVERIFY(page->isVisible());

    // The query's answer fills the record and gives the button back.
    QTRY_VERIFY(nextButton()->isEnabled());
    QCOMPARE(requestBodies(),
             QList<QByteArray>() << "{\"action\": \"query\"}"
                                 << "{\"action\": \"wifiscan\"}");
    QCOMPARE(wizardData.name, QStringLiteral("Ovix Kitchen"));
    QCOMPARE(wizardData.model, QStringLiteral("Ovix One"));
    QCOMPARE(wizardData.softwareVer, QStringLiteral("1.2.3"));
    QCOMPARE(wizardData.hardwareVer, QStringLiteral("B"));
    QCOMPARE(wizardData.ip, QStringLiteral("192.168.1.20"));
    const QStringList query = log->debugLines(QStringLiteral("Client reply received"));
    QVERIFY(query.count() >= 6);
    QCOMPARE(query.at(2), QStringLiteral("devicename: \"Ovix Kitchen\""));
    QCOMPARE(query.at(3), QStringLiteral("model: \"Ovix One\""));
}

void tst_Client::eachResolveOpensAnotherPage()
{
    addSpeakers({ "Ovix Kitchen" });
    const quint16 port = server->port();
    for (int round = 1; round <= 2; ++round) {
        QTRY_VERIFY(nextButton()->isEnabled());
        nextButton()->click();
        QTRY_COMPARE(FakeDnssd::resolveCalls(), round);
        QVERIFY(FakeDnssd::resolveReply(0, 0, "Ovix Kitchen._dockset._tcp.local.", "127.0.0.1",
                                        port >> 8, port & 0xff));
        QTRY_COMPARE(topLevelPages<Client_WLANs>().count(), round);
        QTRY_COMPARE(server->requests().count(), 2 * round);
    }
    QTRY_VERIFY(nextButton()->isEnabled());
    QCOMPARE(requestBodies().count("{\"action\": \"query\"}"), 2);
    QCOMPARE(requestBodies().count("{\"action\": \"wifiscan\"}"), 2);
    // Both WLAN pages stay open; the handle names the newer one.
    const QList<Client_WLANs *> pages = topLevelPages<Client_WLANs>();
    QVERIFY(pages.at(0)->isVisible());
    QVERIFY(pages.at(1)->isVisible());
    QVERIFY(pages.contains(wlanPage));
}

void tst_Client::firstOfTwoAddresses()
{
    const quint16 port = server->port();
    connectToServer(hostInfo({ QHostAddress(QStringLiteral("127.0.0.1")),
                               QHostAddress(QStringLiteral("127.0.0.2")) }),
                    port);
    const QString line = QStringLiteral("URL:  \"%1\" \n").arg(speakerUrl(port));
    QCOMPARE(log->debugLines().mid(0, 2), QStringList() << line << line);
    QCOMPARE(wizardData.url, speakerUrl(port));
    QCOMPARE(topLevelPages<Client_WLANs>().count(), 1);
    QTRY_COMPARE(server->requests().count(), 2);
    QTRY_VERIFY(nextButton()->isEnabled());
}

void tst_Client::noAddress()
{
    addSpeakers({ "Ovix Kitchen" });
    nextButton()->click();
    log->clear();
    connectToServer(hostInfo({}), server->port());
    QVERIFY(log->lines().isEmpty());
    QVERIFY(topLevelPages<Client_WLANs>().isEmpty());
    QVERIFY(wizardData.url.isNull());
    // The page keeps resolving.
    QVERIFY(busyLabel()->isVisible());
    QVERIFY(!nextButton()->isEnabled());
    QTest::qWait(20);
    QCOMPARE(server->connectionCount(), 0);
}

void tst_Client::ipv6Speaker()
{
    // A speaker reached over IPv6: the address must go in brackets.
    QTcpServer speaker;
    if (!speaker.listen(QHostAddress::LocalHostIPv6))
        QSKIP("no IPv6 loopback");
    QList<QTcpSocket *> sockets;
    QByteArray received;
    connect(&speaker, &QTcpServer::newConnection, [&] {
        while (QTcpSocket *socket = speaker.nextPendingConnection()) {
            sockets.append(socket);
            connect(socket, &QTcpSocket::readyRead,
                    [&received, socket] { received += socket->readAll(); });
        }
    });
    connectToServer(hostInfo({ QHostAddress(QStringLiteral("::1")),
                               QHostAddress(QStringLiteral("127.0.0.1")) }),
                    speaker.serverPort());
    const QString url =
        QStringLiteral("http://[::1]:%1/api/v14/configure.action").arg(speaker.serverPort());
    QCOMPARE(wizardData.url, url);
    QCOMPARE(log->debugLines().first(), QStringLiteral("URL:  \"%1\" \n").arg(url));
    QTRY_VERIFY(received.contains("{\"action\": \"query\"}"));
    QTRY_VERIFY(received.contains("{\"action\": \"wifiscan\"}"));
    QVERIFY(received.contains("POST /api/v14/configure.action HTTP/1.1\r\n"));
    QVERIFY(
        received.contains(QByteArray("Host: [::1]:") + QByteArray::number(speaker.serverPort())));
}

void tst_Client::queryAnswerOverEmptyList()
{
    addSpeakers({ "Ovix Kitchen" });
    nextButton()->click();
    connectToServer(hostInfo({ QHostAddress(QStringLiteral("127.0.0.1")) }), server->port());
    // The speaker leaves while its answer is on the way.
    QVERIFY(QMetaObject::invokeMethod(page, "updateRecords",
                                      Q_ARG(QList<BonjourRecord>, QList<BonjourRecord>())));
    QCOMPARE(tree()->topLevelItemCount(), 0);
    QVERIFY(!nextButton()->isEnabled());

    QTRY_VERIFY(nextButton()->isEnabled());
    QCOMPARE(tree()->topLevelItemCount(), 0);
    log->clear();
    const int resolves = FakeDnssd::resolveCalls();
    nextButton()->click();
    QVERIFY(busyLabel()->isVisible());
    QVERIFY(!nextButton()->isEnabled());
    QVERIFY(log->lines().isEmpty());
    QCOMPARE(FakeDnssd::resolveCalls(), resolves);
}

void tst_Client::unusableQueryAnswer()
{
    server->setDefaultResponse(ScriptedResponse::json("[]"));
    connectToServer(hostInfo({ QHostAddress(QStringLiteral("127.0.0.1")) }), server->port());
    QTRY_VERIFY(nextButton()->isEnabled());
    QCOMPARE(log->debugLines(QStringLiteral("Client reply received")).mid(0, 3),
             QStringList() << QStringLiteral("Client reply received") << QStringLiteral("\"[]\"")
                           << QStringLiteral("Object is empty"));
    QVERIFY(wizardData.model.isNull());
}

QTEST_MAIN(tst_Client)
#include "tst_client.moc"
