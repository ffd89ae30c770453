#include "accessible.h"
#include "addressdialog.h"
#include "bonjourrecord.h"
#include "capturingserver.h"
#include "client.h"
#include "client_settings.h"
#include "client_wlans.h"
#include "declaredmethods.h"
#include "fakednssd.h"
#include "messagelog.h"
#include "pagetest.h"
#include "speakerapi.h"
#include "speakerreach.h"
#include "speakerwatcher.h"
#include "wizarddata.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMovie>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

Q_DECLARE_METATYPE(ScriptedResponse)

namespace {

const uint32_t MoreComing = 0x1; // kDNSServiceFlagsMoreComing
const uint32_t Add = 0x2;        // kDNSServiceFlagsAdd
const char ServiceType[] = "_dockset._tcp.";
const char Domain[] = "local.";
const QByteArray query = "{\"action\": \"query\"}";
const QByteArray wifiscan = "{\"action\": \"wifiscan\"}";
const QString unreachable =
    QStringLiteral("The speaker could not be reached. Check that it is switched on and on the same "
                   "network as this computer, then choose it again.");
const QString noSearch =
    QStringLiteral("The search for speakers is not available: this computer's DNS-SD service "
                   "(avahi-daemon) does not answer. Start it, for example with \"sudo systemctl "
                   "start avahi-daemon\", and the list fills by itself.");

// One answer that serves both requests of a resolved speaker: the device query
// and the WLAN scan each read only their own members.
const char SpeakerAnswer[] =
    "{\"deviceinfo\": {\"devicename\": \"Ovix Kitchen\", \"model\": \"Ovix One\"}, "
    "\"aplist\": [{\"ssid\": \"HomeNet\", \"signal_level\": \"-40\"}]}";

// The waits of the page unless a test says otherwise: a watch that a test leaves running ends
// within the test's time.
NetworkWaits shortReturn()
{
    NetworkWaits waits;
    waits.returnWait = std::chrono::seconds(10);
    return waits;
}

// The chosen speaker located at url, as reaching it tells the page.
ReachResult locatedAt(const QString &url)
{
    ReachResult result;
    result.url = url;
    return result;
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
    void selectionKept();
    void vanishedSelection_data();
    void vanishedSelection();
    void nextWithoutSelection();
    void resolveOpensWlanPage();
    void speakerByAddress();
    void resolveFails_data();
    void resolveFails();
    void browseUnavailable();
    void browseLost();
    void resolveFailsWhileSearchUnavailable();
    void anyAnswerOverEmptyList();
    void deviceAnswer_data();
    void deviceAnswer();
    void lateAnswerIgnored();
    void pageGoesMidway_data();
    void pageGoesMidway();
    void savedSpeakerReturn_data();
    void savedSpeakerReturn();
    void returnsKeepTheirLines();
    void linesUrgency_data();
    void linesUrgency();
    void saveOutlivesItsPage_data();
    void saveOutlivesItsPage();
    void quitWhileWaiting_data();
    void quitWhileWaiting();
    void quitWhileSaving_data();
    void quitWhileSaving();
    void pagesTellSpeakerGone();

private:
    QTreeWidget *tree() { return page->findChild<QTreeWidget *>(); }
    // Whether the page shows a line with exactly this text.
    bool shows(const QString &text)
    {
        const QLabel *label = labelWithText(page, text);
        return label && label->isVisible();
    }
    QStringList rows(bool selectedOnly = false);
    QPushButton *nextButton() { return buttonWithText(page, QStringLiteral("Next >>")); }
    QLabel *busyLabel();
    void restartPage(const NetworkWaits &waits);
    void addSpeakers(const QList<const char *> &names);
    void resolveChosen(quint16 port);
    void connectToServer(const QString &url);
    QList<QByteArray> requestBodies() const;
    void openSettings(int row, const QString &name);
    void speakerReturns(const char *saved, const char *instance, const QByteArray &device,
                        int watches = 1);

    CapturingServer *server = nullptr;
    Client *page = nullptr;
    QScopedPointer<MessageLog> log;
    QScopedPointer<MessageBoxCloser> closer; // the pages tell of failures in boxes
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
    settingsPage = nullptr;
    log->clear();
    closer.reset(new MessageBoxCloser);
    page = new Client(nullptr, shortReturn());
    page->show();
}

// The page again, with waits of the test's own.
void tst_Client::restartPage(const NetworkWaits &waits)
{
    delete page;
    FakeDnssd::reset();
    page = new Client(nullptr, waits);
    page->show();
}

void tst_Client::cleanup()
{
    delete page;
    page = nullptr;
    deletePages<Client_Settings>();
    deletePages<Client_WLANs>();
    wlanPage = nullptr;
    settingsPage = nullptr;
    closer.reset();
    delete server;
    server = nullptr;
}

QStringList tst_Client::rows(bool selectedOnly)
{
    QStringList texts;
    for (int i = 0; i < tree()->topLevelItemCount(); ++i) {
        if (!selectedOnly || tree()->topLevelItem(i)->isSelected())
            texts.append(tree()->topLevelItem(i)->text(0));
    }
    return texts;
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

// The chosen speaker's resolve answered with this computer and port.
void tst_Client::resolveChosen(quint16 port)
{
    QTRY_VERIFY(FakeDnssd::liveRefs() > 1);
    QVERIFY(FakeDnssd::resolveReply(0, 0, "s._dockset._tcp.local.", "127.0.0.1", port >> 8,
                                    port & 0xff));
}

// As reaching the chosen speaker delivers its URL.
void tst_Client::connectToServer(const QString &url)
{
    QVERIFY(QMetaObject::invokeMethod(page, "connectToServer", Q_ARG(ReachResult, locatedAt(url))));
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
    QCOMPARE(
        declaredMethods(Client::staticMetaObject),
        QStringList({ QStringLiteral("private slot updateRecords(QList<BonjourRecord>)"),
                      QStringLiteral("private slot connectToServer(ReachResult)"),
                      QStringLiteral("private slot replyFinished(SpeakerApi::Transfer,QByteArray)"),
                      QStringLiteral("private slot requestWlans()"),
                      QStringLiteral("private slot enableNextButton()"),
                      QStringLiteral("private slot reportResolveFailure()"),
                      QStringLiteral("private slot reportBrowseFailure()"),
                      QStringLiteral("private slot retryBrowse()"),
                      QStringLiteral("private slot noteBrowseStarted()"),
                      QStringLiteral("private slot noteChoice()"),
                      QStringLiteral("private slot reportSpeakerNotBack(QString)"),
                      QStringLiteral("private slot askForAddress()"),
                      QStringLiteral("private slot addAddressRow(BonjourRecord)") }));
}

void tst_Client::startState()
{
    QCOMPARE(rows(), QStringList());
    QCOMPARE(page->focusWidget(), tree());
    QVERIFY(!nextButton()->isEnabled());
    QVERIFY(nextButton()->isDefault());
    QVERIFY(!buttonWithText(page, QStringLiteral("<< Back"))->isEnabled());
    QVERIFY(!busyLabel()->isVisible());
    QCOMPARE(busyLabel()->movie()->state(), QMovie::NotRunning);
    QVERIFY(buttonWithText(page, QStringLiteral("Why is no speaker listed?"))->isVisible());

    QCOMPARE(FakeDnssd::browseCalls(), 1);
    QCOMPARE(FakeDnssd::lastBrowseType(), QStringLiteral("_dockset._tcp"));
    QCOMPARE(FakeDnssd::lastBrowseDomain(), QStringLiteral("local."));

    // The layout may widen the page once it is shown.
    QCOMPARE(Client(nullptr).size(), QSize(640, 550));
}

// Rows in the browser's order; the user's choice stays while its speaker is listed.
void tst_Client::selectionKept()
{
    addSpeakers({ "Ovix Kitchen", "Ovix Hall", "ovix hall" });
    QCOMPARE(rows(), QStringList({ "Ovix Kitchen", "Ovix Hall", "ovix hall" }));
    QCOMPARE(rows(true), QStringList({ "Ovix Kitchen" }));
    QVERIFY(nextButton()->isEnabled());
    QVERIFY(!buttonWithText(page, QStringLiteral("Why is no speaker listed?"))->isVisible());

    // A speaker arrives and another leaves while the user has picked the third row.
    tree()->setCurrentItem(tree()->topLevelItem(2));
    QVERIFY(FakeDnssd::browseReply(Add, 0, "Ovix Bath", ServiceType, Domain));
    QTRY_COMPARE(rows(), QStringList({ "Ovix Kitchen", "Ovix Hall", "ovix hall", "Ovix Bath" }));
    QCOMPARE(rows(true), QStringList({ "ovix hall" }));
    QVERIFY(FakeDnssd::browseReply(0, 0, "Ovix Kitchen", ServiceType, Domain));
    QTRY_COMPARE(rows(), QStringList({ "Ovix Hall", "ovix hall", "Ovix Bath" }));
    QCOMPARE(rows(true), QStringList({ "ovix hall" }));
    QCOMPARE(tree()->currentItem()->text(0), QStringLiteral("ovix hall"));

    // The last speakers leave: nothing to choose.
    for (const char *name : { "Ovix Hall", "ovix hall" })
        QVERIFY(FakeDnssd::browseReply(MoreComing, 0, name, ServiceType, Domain));
    QVERIFY(FakeDnssd::browseReply(0, 0, "Ovix Bath", ServiceType, Domain));
    QTRY_COMPARE(rows(), QStringList());
    QVERIFY(!nextButton()->isEnabled());
}

void tst_Client::vanishedSelection_data()
{
    QTest::addColumn<bool>("userChose");       // the user chose the row, not the page
    QTest::addColumn<bool>("chooseMeanwhile"); // the user chooses another row while it is gone
    QTest::newRow("chosen by the user, back") << true << false;
    QTest::newRow("another chosen meanwhile") << true << true;
    QTest::newRow("chosen by the page") << false << false;
}

// The chosen speaker's announcement goes: no other row becomes the choice, and a line says why
// "Next >>" waits; the speaker is chosen again when it comes back before the user chose another.
// While the user has chosen nothing the page chooses the first row, as it did at the start.
void tst_Client::vanishedSelection()
{
    QFETCH(bool, userChose);
    QFETCH(bool, chooseMeanwhile);
    const QString gone = QStringLiteral("The speaker \"%1\" is no longer announced.");

    addSpeakers({ "Ovix Kitchen", "Ovix Hall", "Ovix Bath" });
    const char *chosen = userChose ? "Ovix Hall" : "Ovix Kitchen";
    if (userChose)
        tree()->setCurrentItem(tree()->topLevelItem(1));
    QCOMPARE(rows(true), QStringList(QString::fromUtf8(chosen)));

    QVERIFY(FakeDnssd::browseReply(0, 0, chosen, ServiceType, Domain));
    QTRY_COMPARE(rows().size(), 2);
    if (!userChose) {
        QCOMPARE(rows(true), QStringList(QStringLiteral("Ovix Hall")));
        QVERIFY(nextButton()->isEnabled());
        QVERIFY(!shows(gone.arg(chosen)));
        return;
    }
    QCOMPARE(rows(true), QStringList());
    QVERIFY(!nextButton()->isEnabled());
    QVERIFY(shows(gone.arg(chosen)));
    // Another speaker arrives: still nothing chosen.
    QVERIFY(FakeDnssd::browseReply(Add, 0, "Ovix Attic", ServiceType, Domain));
    QTRY_COMPARE(rows().size(), 3);
    QCOMPARE(rows(true), QStringList());
    QVERIFY(!nextButton()->isEnabled());
    if (chooseMeanwhile) {
        tree()->setCurrentItem(tree()->topLevelItem(1));
        QVERIFY(!shows(gone.arg(chosen)));
    }

    QVERIFY(FakeDnssd::browseReply(Add, 0, chosen, ServiceType, Domain));
    QTRY_COMPARE(rows().size(), 4);
    QCOMPARE(rows(true), QStringList(chooseMeanwhile ? "Ovix Bath" : chosen));
    QVERIFY(nextButton()->isEnabled());
    QVERIFY(!shows(gone.arg(chosen)));
}

// "Next >>" follows the choice; a press that comes anyway (queued behind a box) does nothing.
void tst_Client::nextWithoutSelection()
{
    addSpeakers({ "Ovix Kitchen" });
    QVERIFY(nextButton()->isEnabled());
    tree()->clearSelection();
    QVERIFY(!nextButton()->isEnabled());
    log->clear();

    QVERIFY(QMetaObject::invokeMethod(page, "requestWlans"));
    QVERIFY(!busyLabel()->isVisible());
    QCOMPARE(busyLabel()->movie()->state(), QMovie::NotRunning);
    QVERIFY(log->lines().isEmpty());
    QCOMPARE(FakeDnssd::resolveCalls(), 0);
    tree()->setCurrentItem(tree()->topLevelItem(0));
    QVERIFY(nextButton()->isEnabled());
}

// Found at its address, the speaker is listed beside the announced ones, whatever DNS-SD says,
// and reached there.
void tst_Client::speakerByAddress()
{
    addSpeakers({ "Ovix Hall" });
    buttonWithText(page, QStringLiteral("Add by address…"))->click();
    QPointer<AddressDialog> dialog = page->findChild<AddressDialog *>();
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
    const QString address = QStringLiteral("127.0.0.1:%1").arg(server->port());
    QTest::keyClicks(fieldLabelled<QLineEdit>(dialog, QStringLiteral("Address:")), address);
    buttonWithText(dialog, QStringLiteral("Add"))->click();
    const QString row = QStringLiteral("Ovix Kitchen (by address %1)").arg(address);
    QTRY_COMPARE(rows(), QStringList({ "Ovix Hall", row }));
    QCOMPARE(rows(true), QStringList(row));
    QTRY_VERIFY(!dialog);

    // The announced speakers change: the row stays, and stays chosen.
    QVERIFY(FakeDnssd::browseReply(0, 0, "Ovix Hall", ServiceType, Domain));
    QTRY_COMPARE(rows(), QStringList(row));
    QCOMPARE(rows(true), QStringList(row));
    QVERIFY(FakeDnssd::browseReply(Add, 0, "Ovix Bath", ServiceType, Domain));
    QTRY_COMPARE(rows(), QStringList({ "Ovix Bath", row }));
    QCOMPARE(rows(true), QStringList(row));

    log->clear();
    nextButton()->click();
    QTRY_VERIFY(wlanPage);
    QCOMPARE(FakeDnssd::resolveCalls(), 0);
    QCOMPARE(wizardData.url, server->url());
    QCOMPARE(wizardData.listedName, QStringLiteral("Ovix Kitchen"));
    QCOMPARE(log->debugLines().first(), QStringLiteral("Name:  \"Ovix Kitchen\" \n"));
    QTRY_VERIFY(nextButton()->isEnabled());
    // The dialog's query, then the pages' requests.
    QCOMPARE(requestBodies(), QList<QByteArray>({ query, query, wifiscan }));

    // The address is offered again.
    buttonWithText(page, QStringLiteral("Add by address…"))->click();
    QTRY_VERIFY(page->findChild<AddressDialog *>());
    QCOMPARE(page->findChild<AddressDialog *>()->givenAddresses(), QStringList(address));
}

void tst_Client::resolveOpensWlanPage()
{
    addSpeakers({ "Ovix Kitchen", "Ovix Hall" });
    tree()->setCurrentItem(tree()->topLevelItem(1));
    log->clear();

    nextButton()->click();
    QVERIFY(busyLabel()->isVisible());
    QVERIFY(QAccessible::queryAccessibleInterface(busyLabel())->state().busy);
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
    QCOMPARE(wizardData.url, server->url());
    // The page's line, then the record's.
    const QString urlLine = QStringLiteral("URL:  \"%1\" \n").arg(server->url());
    QCOMPARE(log->debugLines().mid(0, 3),
             QStringList({ "Name:  \"Ovix Hall\" \n", urlLine, urlLine }));
    QVERIFY(!busyLabel()->isVisible());
    // Hidden, though its animation still runs.
    QVERIFY(!QAccessible::queryAccessibleInterface(busyLabel())->state().busy);
    QVERIFY(page->isVisible());

    // The query's answer fills the record and gives the button back.
    QTRY_VERIFY(nextButton()->isEnabled());
    QCOMPARE(requestBodies(), QList<QByteArray>({ query, wifiscan }));
    QCOMPARE(wizardData.name, QStringLiteral("Ovix Kitchen"));
    QCOMPARE(wizardData.model, QStringLiteral("Ovix One"));

    // Each resolve opens a new WLAN page and sends one more query; the handle names the newest
    // page, the earlier WLAN and settings pages are deleted with their requests.
    QTRY_COMPARE(wlans->findChild<QTreeWidget *>()->topLevelItemCount(), 1);
    buttonWithText(wlans, QStringLiteral("Next >>"))->click();
    QPointer<Client_Settings> settings = settingsPage;
    QPointer<Client_WLANs> replaced = wlans;
    QVERIFY(settings && settings->isVisible());
    nextButton()->click();
    QTRY_COMPARE(FakeDnssd::resolveCalls(), 2);
    QVERIFY(FakeDnssd::resolveReply(0, 0, "Ovix Hall._dockset._tcp.local.", "127.0.0.1", port >> 8,
                                    port & 0xff));
    QTRY_VERIFY(nextButton()->isEnabled());
    QTRY_COMPARE(requestBodies(), QList<QByteArray>({ query, query, wifiscan, wifiscan }));
    QVERIFY(!replaced);
    QVERIFY(!settings);
    QVERIFY(!settingsPage);
    QCOMPARE(topLevelPages<Client_WLANs>(), QList<Client_WLANs *>({ wlanPage.data() }));
    QVERIFY(wlanPage->isVisible());
}

void tst_Client::resolveFails_data()
{
    QTest::addColumn<int>("failure");
    enum { ResolveCallFails, NoSocket, ErrorReply, NoAnswer, NoAddress };
    QTest::newRow("resolve call fails") << int(ResolveCallFails);
    QTest::newRow("no socket") << int(NoSocket);
    QTest::newRow("error reply") << int(ErrorReply);
    QTest::newRow("no answer") << int(NoAnswer);
    QTest::newRow("host without address") << int(NoAddress);
}

// However the resolve fails, the page says so once and lets the user try again.
void tst_Client::resolveFails()
{
    QFETCH(int, failure);
    enum { ResolveCallFails, NoSocket, ErrorReply, NoAnswer, NoAddress };

    NetworkWaits waits = shortReturn();
    waits.resolveTimeout = std::chrono::milliseconds(100);
    restartPage(waits);
    addSpeakers({ "Ovix Kitchen", "Ovix Hall" });
    if (failure == ResolveCallFails)
        FakeDnssd::failNextResolve(-65537);
    FakeDnssd::setNextWithoutSocket(failure == NoSocket);
    nextButton()->click();
    if (failure == ErrorReply)
        QVERIFY(FakeDnssd::resolveReply(0, -65537, nullptr, nullptr, 0, 0));
    if (failure == NoAddress) // a host target that the look-up cannot find
        QVERIFY(FakeDnssd::resolveReply(0, 0, "Ovix Kitchen._dockset._tcp.local.", nullptr, 0, 80));

    QTRY_COMPARE(closer->boxes.count(), 1);
    QCOMPARE(closer->boxes.at(0).title, QStringLiteral("Info"));
    QCOMPARE(closer->boxes.at(0).text, unreachable);
    QCOMPARE(closer->boxes.at(0).parent.data(), page);
    QVERIFY(!busyLabel()->isVisible());
    QCOMPARE(busyLabel()->movie()->state(), QMovie::NotRunning);
    QVERIFY(nextButton()->isEnabled());
    QVERIFY(topLevelPages<Client_WLANs>().isEmpty());
    QVERIFY(wizardData.url.isNull());
    QCOMPARE(server->connectionCount(), 0);

    // The next try is a fresh resolve that opens the WLAN page.
    const int resolves = FakeDnssd::resolveCalls();
    nextButton()->click();
    QTRY_COMPARE(FakeDnssd::resolveCalls(), resolves + 1);
    const quint16 port = server->port();
    QVERIFY(FakeDnssd::resolveReply(0, 0, "Ovix Kitchen._dockset._tcp.local.", "127.0.0.1",
                                    port >> 8, port & 0xff));
    QTRY_COMPARE(topLevelPages<Client_WLANs>().count(), 1);
    QCOMPARE(closer->boxes.count(), 1);
}

// No DNS-SD service at start: the line under the list says so at once, in no box, and goes
// once the service answers.
void tst_Client::browseUnavailable()
{
    NetworkWaits waits = shortReturn();
    // Long enough that the line is seen before the first retry.
    waits.browseRetryInterval = std::chrono::milliseconds(200);
    delete page;
    FakeDnssd::reset();
    FakeDnssd::failNextBrowse(-65537);
    page = new Client(nullptr, waits);
    page->show();
    QTRY_VERIFY(shows(noSearch));

    // Still not there at the first retry; the line goes once a browse runs.
    FakeDnssd::failNextBrowse(-65537);
    QTRY_COMPARE(FakeDnssd::browseCalls(), 3);
    QCOMPARE(FakeDnssd::liveRefs(), 1);
    QTRY_VERIFY(!shows(noSearch));
    addSpeakers({ "Ovix Kitchen" });
    QCOMPARE(rows(true), QStringList({ "Ovix Kitchen" }));
    QTest::qWait(150);
    QCOMPARE(FakeDnssd::browseCalls(), 3);
    QCOMPARE(closer->boxes.count(), 0);
}

// The service goes while the page is open: the rows stay until the new browse has settled
// without announcing their speakers again.
void tst_Client::browseLost()
{
    NetworkWaits waits = shortReturn();
    waits.browseRetryInterval = std::chrono::milliseconds(50);
    waits.browse.settleTime = std::chrono::milliseconds(100);
    restartPage(waits);
    addSpeakers({ "Ovix Kitchen", "Ovix Hall" });
    FakeDnssd::holdCreation(true);
    FakeDnssd::failNextProcess(-65537);
    QVERIFY(FakeDnssd::browseReply(Add, 0, "Ovix Bath", ServiceType, Domain));
    // Over the rows that wait for the new browse.
    QTRY_VERIFY(shows(noSearch));
    QCOMPARE(rows(), QStringList({ "Ovix Kitchen", "Ovix Hall" }));
    FakeDnssd::holdCreation(false);
    QTRY_COMPARE(FakeDnssd::browseCalls(), 2);
    QCOMPARE(FakeDnssd::liveRefs(), 1);
    QTRY_VERIFY(!shows(noSearch));
    QCOMPARE(rows(), QStringList({ "Ovix Kitchen", "Ovix Hall" }));
    QVERIFY(nextButton()->isEnabled());

    QTRY_COMPARE(rows(), QStringList());
    QVERIFY(!nextButton()->isEnabled());
    QCOMPARE(closer->boxes.count(), 0);
}

// The DNS-SD service goes while a speaker is being resolved: the line under the list says so, and
// no box that the speaker could not be reached.
void tst_Client::resolveFailsWhileSearchUnavailable()
{
    addSpeakers({ "Ovix Kitchen" });
    nextButton()->click();
    FakeDnssd::failNextProcess(-65537);
    QVERIFY(FakeDnssd::browseReply(Add, 0, "Ovix Bath", ServiceType, Domain));
    QTRY_VERIFY(shows(noSearch));
    QVERIFY(FakeDnssd::resolveReply(0, -65537, nullptr, nullptr, 0, 0));
    QTRY_VERIFY(nextButton()->isEnabled());
    QTest::qWait(20);
    QCOMPARE(closer->boxes.count(), 0);
    // "Next >>" says on the page why it did not go on.
    QVERIFY(shows(QStringLiteral(
        "The search for speakers is not available, so the speaker cannot be reached now.")));
}

// Any answer, even one that is of no use, ends the wait; over an empty list there is still
// nothing to choose.
void tst_Client::anyAnswerOverEmptyList()
{
    server->setDefaultResponse(ScriptedResponse::json("[]"));
    addSpeakers({ "Ovix Kitchen" });
    nextButton()->click();
    resolveChosen(server->port());
    QTRY_VERIFY(wlanPage);
    // The speaker leaves while its answer is on the way.
    QVERIFY(QMetaObject::invokeMethod(page, "updateRecords",
                                      Q_ARG(QList<BonjourRecord>, QList<BonjourRecord>())));
    QVERIFY(!nextButton()->isEnabled());

    QTRY_COMPARE(log->debugLines(QStringLiteral("Client reply received")).mid(0, 3),
                 QStringList({ "Client reply received", "\"[]\"", "Object is empty" }));
    QVERIFY(wizardData.model.isEmpty());
    QCOMPARE(rows(), QStringList());
    QVERIFY(!nextButton()->isEnabled());
}

void tst_Client::deviceAnswer_data()
{
    QTest::addColumn<ScriptedResponse>("response");
    QTest::addColumn<QStringList>("lines"); // from the answer's arrival on
    QTest::addColumn<QString>("model");     // in the record afterwards

    const QByteArray answer =
        "{\"deviceinfo\": {\"devicename\": \"Ovix Hall\", \"model\": \"Ovix Max\"}, "
        "\"networkinfo\": {\"ipaddressinfo\": {\"ipaddress\": \"10.0.0.7\"}}}";
    const QString body =
        QStringLiteral("debug: \"%1\"").arg(QString::fromUtf8(answer).replace("\"", "\\\""));
    QTest::newRow("usable") << ScriptedResponse::json(answer)
                            << QStringList(
                                   { "debug: Client reply received", body,
                                     "warning: QJsonValue(object, QJsonObject("
                                     "{\"devicename\":\"Ovix Hall\",\"model\":\"Ovix Max\"}))",
                                     "debug: devicename: \"Ovix Hall\"",
                                     "debug: model: \"Ovix Max\"", "debug: Name:  \"Ovix Hall\" \n",
                                     "debug: IP:  \"10.0.0.7\" \n" })
                            << "Ovix Max";
    // An error status is no speaker's information, whatever its body says.
    QTest::newRow("error status with an object")
        << ScriptedResponse::json(answer, 500)
        << QStringList({ "debug: Client reply received", body, "debug: HTTP error status 500" })
        << "";
    ScriptedResponse silence;
    silence.held = true;
    QTest::newRow("silence") << silence
                             << QStringList({ "debug: Client reply received", "debug: \"\"",
                                              "debug: Document is NULL",
                                              "debug: Transfer failed: no answer in time" })
                             << "";
}

// The device query's answer, or its absence once its time is up, gives "Next >>" back; only a
// usable one fills the record, with the lines of the query's reply.
void tst_Client::deviceAnswer()
{
    QFETCH(ScriptedResponse, response);
    QFETCH(QStringList, lines);
    QFETCH(QString, model);

    NetworkWaits waits = shortReturn();
    waits.requestDeadline = std::chrono::milliseconds(300);
    restartPage(waits);
    server->setDefaultResponse(response);
    addSpeakers({ "Ovix Hall" });
    nextButton()->click();
    resolveChosen(server->port());

    // The scan's lines, whenever its answer comes, are not the query's.
    const auto arrived = [this](const char *text) {
        return log->lines().contains(QLatin1String("debug: ") + QLatin1String(text));
    };
    QTRY_VERIFY(arrived("Client reply received") && arrived("Client WLANS  reply received"));
    QVERIFY(nextButton()->isEnabled());
    // Without what the offscreen platform says of the boxes.
    QStringList answerLines =
        log->lines().filter(QRegularExpression(QStringLiteral("^(?!warning: This plugin)")));
    answerLines = answerLines.mid(answerLines.indexOf("debug: Client reply received"));
    QCOMPARE(answerLines.mid(0, answerLines.indexOf("debug: Client WLANS  reply received")), lines);
    QCOMPARE(wizardData.model, model);
}

// The answer of a speaker that the user has left for another is not taken for the new one's.
void tst_Client::lateAnswerIgnored()
{
    CapturingServer left;
    QVERIFY(left.listen());
    ScriptedResponse held = ScriptedResponse::json(
        "{\"deviceinfo\": {\"devicename\": \"Ovix Hall\", \"model\": \"Ovix Max\"}, "
        "\"networkinfo\": {\"ipaddressinfo\": {\"ipaddress\": \"127.0.0.1\"}}}");
    held.held = true;
    left.setDefaultResponse(held);
    addSpeakers({ "Ovix Kitchen" });
    connectToServer(left.url());
    QTRY_COMPARE(left.requests().count(), 2);
    const QString leftUrl = wizardData.url;

    connectToServer(server->url());
    QTRY_VERIFY(nextButton()->isEnabled());
    QCOMPARE(wizardData.name, QStringLiteral("Ovix Kitchen"));
    log->clear();

    left.releaseHeld();
    QTRY_VERIFY(!log->debugLines(QStringLiteral("Client reply received")).isEmpty());
    QCOMPARE(
        log->debugLines(QStringLiteral("Client reply received")).mid(2, 1),
        QStringList(
            QStringLiteral("Reply from \"%1\" ignored, another speaker is chosen").arg(leftUrl)));
    QCOMPARE(wizardData.name, QStringLiteral("Ovix Kitchen"));
    QCOMPARE(wizardData.model, QStringLiteral("Ovix One"));
    QCOMPARE(wizardData.url, server->url());
}

void tst_Client::pageGoesMidway_data()
{
    QTest::addColumn<bool>("located"); // else still resolving
    QTest::newRow("while resolving") << false;
    QTest::newRow("while asking") << true;
}

// The list goes (the program ends) while its speaker is being reached: the resolve and the query
// go with it, at once.
void tst_Client::pageGoesMidway()
{
    QFETCH(bool, located);
    ScriptedResponse silence;
    silence.held = true;
    server->setDefaultResponse(silence);
    addSpeakers({ "Ovix Kitchen" });
    nextButton()->click();
    QCOMPARE(FakeDnssd::liveRefs(), 2); // the browse and the resolve
    if (located) {
        resolveChosen(server->port());
        QTRY_COMPARE(server->requests().size(), 2); // the scan and the query
        QCOMPARE(server->openConnections(), 2);
    }
    deletePages<Client_WLANs>();

    delete page;
    page = nullptr;
    QCOMPARE(FakeDnssd::liveRefs(), 0);
    QTRY_COMPARE(server->openConnections(), 0);
}

// Walks to the settings page of the speaker in row and types the new name; the stand-in speaker
// answers the query and the scan.
void tst_Client::openSettings(int row, const QString &name)
{
    tree()->setCurrentItem(tree()->topLevelItem(row));
    const int resolves = FakeDnssd::resolveCalls();
    const int requests = server->requests().size();
    nextButton()->click();
    QTRY_COMPARE(FakeDnssd::resolveCalls(), resolves + 1);
    const quint16 port = server->port();
    QVERIFY(FakeDnssd::resolveReply(0, 0, "s._dockset._tcp.local.", "127.0.0.1", port >> 8,
                                    port & 0xff));
    QTRY_VERIFY(wlanPage);
    QTRY_COMPARE(server->requests().size(), requests + 2);
    QTRY_COMPARE(wlanPage->findChild<QTreeWidget *>()->topLevelItemCount(), 1);
    QTRY_COMPARE(wizardData.model, QStringLiteral("Ovix One"));
    buttonWithText(wlanPage, QStringLiteral("Next >>"))->click();
    QVERIFY(settingsPage);
    settingsPage->findChildren<QLineEdit *>().first()->setText(name);
}

// The speaker saved as name leaves for its reboot and is announced again as instance, answering
// as device; each of the watches running resolves it, one after the other.
void tst_Client::speakerReturns(const char *saved, const char *instance, const QByteArray &device,
                                int watches)
{
    server->setDefaultResponse(ScriptedResponse::json(device));
    const int resolves = FakeDnssd::resolveCalls();
    const int released = FakeDnssd::deallocations();
    const int asked = server->requests().size();
    QVERIFY(FakeDnssd::browseReply(0, 0, saved, ServiceType, Domain));
    QVERIFY(FakeDnssd::browseReply(Add, 0, instance, ServiceType, Domain));
    for (int watch = 0; watch < watches; ++watch) {
        QTRY_VERIFY(FakeDnssd::resolveCalls() > resolves + watch);
        QVERIFY(FakeDnssd::resolveReply(0, 0, "s._dockset._tcp.local.", "127.0.0.1",
                                        server->port() >> 8, server->port() & 0xff));
        QTRY_COMPARE(FakeDnssd::deallocations(), released + watch + 1);
        // Its device query has its answer: the next return's answer is not this one's.
        QTRY_COMPARE(server->requests().size(), asked + watch + 1);
    }
}

void tst_Client::savedSpeakerReturn_data()
{
    QTest::addColumn<bool>("comesBack");
    QTest::newRow("back") << true;
    QTest::newRow("not back") << false;
}

// The speaker saved on its pages is waited for; what became of it is told on the list.
void tst_Client::savedSpeakerReturn()
{
    QFETCH(bool, comesBack);

    NetworkWaits waits;
    waits.returnWait =
        comesBack ? std::chrono::milliseconds(10000) : std::chrono::milliseconds(200);
    restartPage(waits);
    addSpeakers({ "Kitchen", "Bedroom" });
    openSettings(0, QStringLiteral("Studio"));
    QVERIFY(!QTest::currentTestFailed());
    settingsPage->findChildren<QLineEdit *>().last()->setText(QStringLiteral("Sommer-2024!"));
    // The list, closed meanwhile, comes back to show the wait.
    page->close();
    QVERIFY(!page->isVisible());
    buttonWithText(settingsPage, QStringLiteral("SAVE"))->click();
    QTRY_COMPARE(closer->boxes.size(), 1);
    QCOMPARE(closer->boxes.at(0).text, QStringLiteral("Success"));
    QVERIFY(page->isVisible());
    // Over the list, which has the keyboard; "Next >>" is not armed for the rebooting speaker, and
    // a press queued before the box does nothing.
    QCOMPARE(closer->boxes.at(0).parent.data(), page);
    QCOMPARE(rows(true), QStringList());
    QVERIFY(!nextButton()->isEnabled());
    const int resolves = FakeDnssd::resolveCalls();
    QVERIFY(QMetaObject::invokeMethod(page, "requestWlans"));
    QCOMPARE(FakeDnssd::resolveCalls(), resolves);
    const QString waiting = QStringLiteral("Waiting for \"Studio\" to come back…");
    QVERIFY(shows(waiting));

    if (comesBack) {
        speakerReturns("Kitchen", "Studio",
                       "{\"deviceinfo\": {\"devicename\": \"Studio\", \"model\": \"Ovix One\"}, "
                       "\"networkinfo\": {\"ipaddressinfo\": {\"ipaddress\": \"10.0.0.7\"}}}");
        QTRY_VERIFY(labelWithText(page,
                                  QStringLiteral("The speaker \"Studio\" is back on the network "
                                                 "under its new name, IP address 10.0.0.7.")));
        QCOMPARE(rows(true), QStringList(QStringLiteral("Studio")));
        QCOMPARE(closer->boxes.size(), 1);
    } else {
        QVERIFY(FakeDnssd::browseReply(0, 0, "Kitchen", ServiceType, Domain));
        QTRY_COMPARE(closer->boxes.size(), 2);
        QVERIFY(closer->boxes.at(1).text.startsWith(
            QLatin1String("The speaker \"Studio\" has not come back on the network.")));
        QCOMPARE(rows(true), QStringList());
    }
    QVERIFY(!shows(waiting));
    // Not back, the speaker likely had a wrong password: the next one is not offered it.
    QCOMPARE(wizardData.savedWlan.password, comesBack ? QStringLiteral("Sommer-2024!") : QString());
}

// Two speakers saved one after the other come back: each return keeps its line until the user
// chooses a speaker. Names are shown as they are, never as markup.
void tst_Client::returnsKeepTheirLines()
{
    const QString attic = QStringLiteral("<i>Attic</i>");
    addSpeakers({ "Kitchen", "Bedroom" });
    for (int row = 0; row < 2; ++row) {
        openSettings(row, row == 0 ? QStringLiteral("Studio") : attic);
        QVERIFY(!QTest::currentTestFailed());
        buttonWithText(settingsPage, QStringLiteral("SAVE"))->click();
        QTRY_COMPARE(closer->boxes.size(), row + 1);
    }
    QVERIFY(shows(QStringLiteral("Waiting for 2 speakers to come back…")));

    const QString line = QStringLiteral(
        "The speaker \"%1\" is back on the network, on the WLAN \"HomeNet\", IP address 10.0.0.7.");
    const QByteArray answer = "{\"deviceinfo\": {\"devicename\": \"%1\", \"model\": \"Ovix One\"}, "
                              "\"networkinfo\": {\"ipaddressinfo\": {\"ipaddress\": \"10.0.0.7\"}, "
                              "\"clientinfo\": {\"wifissid\": \"HomeNet\"}}}";
    speakerReturns("Kitchen", "Studio", QByteArray(answer).replace("%1", "Studio"), 2);
    QTRY_VERIFY(shows(line.arg("Studio")));
    const QString waiting = QStringLiteral("Waiting for \"%1\" to come back…").arg(attic);
    QVERIFY(shows(waiting));
    QCOMPARE(labelWithText(page, waiting)->textFormat(), Qt::PlainText);
    speakerReturns("Bedroom", "<i>Attic</i>", QByteArray(answer).replace("%1", attic.toUtf8()));
    const QString lines = line.arg("Studio") + '\n' + line.arg(attic);
    QTRY_VERIFY(shows(lines));
    QCOMPARE(labelWithText(page, lines)->textFormat(), Qt::PlainText);
    // The user has chosen nothing since: the last return is the choice.
    QCOMPARE(rows(true), QStringList(attic));

    tree()->setCurrentItem(tree()->topLevelItem(rows().indexOf("Studio")));
    QVERIFY(!shows(lines));
}

void tst_Client::linesUrgency_data()
{
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("urgent"); // the user has to act: an alert to screen readers

    QTest::newRow("back") << "back"
                          << "The speaker \"Studio\" is back on the network, on the WLAN "
                             "\"HomeNet\", IP address 10.0.0.7."
                          << false;
    QTest::newRow("kept its old name") << "kept name"
                                       << "The speaker \"Kitchen\" came back but kept its old "
                                          "name: the settings did not take."
                                       << true;
    QTest::newRow("not answering")
        << "not answering"
        << "The speaker \"Studio\" is back in the list but does not answer." << true;
    QTest::newRow("another device")
        << "other device"
        << "Another device answers under the name \"Studio\", at IP address 10.0.0.7: it is not "
           "the speaker that was saved, which is still awaited."
        << false;
    QTest::newRow("the chosen speaker no longer announced")
        << "vanished"
        << "The speaker \"Bedroom\" is no longer announced." << true;
}

// What the list tells while it waits for saved speakers is heard at once where the user has to
// act, in its turn where not.
void tst_Client::linesUrgency()
{
    QFETCH(QString, outcome);
    QFETCH(QString, line);
    QFETCH(bool, urgent);

    addSpeakers({ "Kitchen", "Bedroom" });
    openSettings(0, QStringLiteral("Studio"));
    QVERIFY(!QTest::currentTestFailed());
    buttonWithText(settingsPage, QStringLiteral("SAVE"))->click();
    QTRY_COMPARE(closer->boxes.size(), 1);

    SpeakerWatcher *watcher = page->findChild<SpeakerWatcher *>();
    QVERIFY(watcher);
    const BonjourRecord studio(QStringLiteral("Studio"), ServiceType, Domain);
    const QString ip = QStringLiteral("10.0.0.7");
    if (outcome == QLatin1String("back")) {
        emit watcher->speakerBack(QStringLiteral("Studio"), ip, studio, QStringLiteral("HomeNet"));
    } else if (outcome == QLatin1String("kept name")) {
        emit watcher->speakerKeptName(QStringLiteral("Kitchen"), studio);
    } else if (outcome == QLatin1String("not answering")) {
        emit watcher->speakerNotAnswering(QStringLiteral("Studio"), studio);
    } else if (outcome == QLatin1String("other device")) {
        emit watcher->otherDeviceAnswered(QStringLiteral("Studio"), ip, studio);
    } else {
        tree()->setCurrentItem(tree()->topLevelItem(rows().indexOf(QStringLiteral("Bedroom"))));
        QVERIFY(FakeDnssd::browseReply(0, 0, "Bedroom", ServiceType, Domain));
    }
    QTRY_VERIFY(shows(line));
    const AnnouncedLabel *shown = qobject_cast<AnnouncedLabel *>(labelWithText(page, line));
    QVERIFY(shown);
    QCOMPARE(shown->urgency(), urgent ? Urgency::Urgent : Urgency::Polite);
}

void tst_Client::saveOutlivesItsPage_data()
{
    QTest::addColumn<int>("move"); // what the user does while the save is in flight
    enum { OtherSpeaker, SameSpeaker, SettingsReplaced };
    QTest::newRow("another speaker chosen") << int(OtherSpeaker);
    QTest::newRow("the same speaker chosen again") << int(SameSpeaker);
    QTest::newRow("the settings page replaced") << int(SettingsReplaced);
}

// The pages that a new choice deletes do not take a save in flight with them: its answer is read,
// its box shown over the list, and the watch for the speaker starts.
void tst_Client::saveOutlivesItsPage()
{
    QFETCH(int, move);
    enum { OtherSpeaker, SameSpeaker, SettingsReplaced };

    addSpeakers({ "Kitchen", "Bedroom" });
    openSettings(0, QStringLiteral("Studio"));
    QVERIFY(!QTest::currentTestFailed());
    ScriptedResponse held = ScriptedResponse::json("{\"returncode\": \"0\"}");
    held.held = true;
    server->enqueue(ScriptedResponse::json(SpeakerAnswer)); // the same speaker, asked before SAVE
    server->enqueue(held);
    QPointer<Client_Settings> saving = settingsPage;
    buttonWithText(saving, QStringLiteral("SAVE"))->click();
    QTRY_COMPARE(server->openConnections(), 1);
    QTRY_VERIFY(server->requests().last().body.contains("setconfig"));

    if (move == SettingsReplaced) {
        // However the page went out of sight: the WLAN page's "Next >>" replaces it.
        saving->hide();
        wlanPage->show();
        QVERIFY(QMetaObject::invokeMethod(wlanPage, "setSSID"));
    } else {
        openSettings(move == OtherSpeaker ? 1 : 0, QStringLiteral("Hall"));
        QVERIFY(!QTest::currentTestFailed());
    }
    QVERIFY(!saving);
    QVERIFY(settingsPage && settingsPage->isVisible());

    log->clear();
    server->releaseHeld();
    QTRY_COMPARE(closer->boxes.size(), 1);
    QCOMPARE(closer->boxes.at(0).text, QStringLiteral("Success"));
    QCOMPARE(closer->boxes.at(0).parent.data(), page);
    QCOMPARE(log->debugLines().mid(0, 3),
             QStringList({ "reply received", "\"{\\\"returncode\\\": \\\"0\\\"}\"",
                           "Watching for the speaker \"Studio\"" }));
    QVERIFY(shows(QStringLiteral("Waiting for \"Studio\" to come back…")));
    QVERIFY(page->isVisible());
}

void tst_Client::quitWhileWaiting_data()
{
    QTest::addColumn<int>("saves"); // speakers saved and awaited
    QTest::addColumn<int>("how");   // how the user closes the list
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("question"); // empty: none asked
    enum { Escape, CloseButton, Quit };
    const QString one = QStringLiteral("The configurator is still waiting for the speaker "
                                       "\"Studio\" to come back. Quit anyway?");
    QTest::newRow("no watch, Escape") << 0 << int(Escape) << QString() << QString();
    QTest::newRow("no watch, Quit") << 0 << int(Quit) << QString() << QString();
    QTest::newRow("watch, Escape, No") << 1 << int(Escape) << "No" << one;
    QTest::newRow("watch, close button, Yes") << 1 << int(CloseButton) << "Yes" << one;
    QTest::newRow("watch, Quit, Yes") << 1 << int(Quit) << "Yes" << one;
    QTest::newRow("two watches, Escape, No")
        << 2 << int(Escape) << "No"
        << "The configurator is still waiting for 2 speakers to come back. Quit anyway?";
}

// Closing the list while saved speakers are awaited asks first: "No" (the default) keeps the page
// and the watches, "Yes" leaves no window open, which ends the program.
void tst_Client::quitWhileWaiting()
{
    QFETCH(int, saves);
    QFETCH(int, how);
    QFETCH(QString, answer);
    QFETCH(QString, question);
    enum { Escape, CloseButton, Quit };

    addSpeakers({ "Kitchen", "Bedroom" });
    for (int row = 0; row < saves; ++row) {
        openSettings(row, row == 0 ? QStringLiteral("Studio") : QStringLiteral("Attic"));
        QVERIFY(!QTest::currentTestFailed());
        buttonWithText(settingsPage, QStringLiteral("SAVE"))->click();
        QTRY_COMPARE(closer->boxes.size(), row + 1);
    }
    QTRY_VERIFY(!page->findChild<QMessageBox *>());
    closer.reset(); // the question is answered here
    if (saves > 0)  // a page left open beside the list goes too
        wlanPage->show();

    if (how == Escape)
        QTest::keyClick(page, Qt::Key_Escape);
    else if (how == CloseButton)
        page->close();
    else
        buttonWithText(page, QStringLiteral("Quit"))->click();

    if (question.isEmpty()) {
        QVERIFY(!page->isVisible());
        QVERIFY(!page->findChild<QMessageBox *>());
        return;
    }
    QMessageBox *box = page->findChild<QMessageBox *>();
    QVERIFY(box && box->isVisible());
    QVERIFY(box->isModal());
    QCOMPARE(box->windowTitle(), QStringLiteral("Quit"));
    QCOMPARE(box->text(), question);
    QCOMPARE(box->textFormat(), Qt::PlainText);
    QCOMPARE(buttonTexts(box), QStringList({ "Yes", "No" }));
    QCOMPARE(box->defaultButton()->text(), QStringLiteral("No"));
    QCOMPARE(box->escapeButton()->text(), QStringLiteral("No"));
    // Asked once, however often the user tries.
    QTest::keyClick(page, Qt::Key_Escape);
    QCOMPARE(page->findChildren<QMessageBox *>().size(), 1);
    QVERIFY(page->isVisible());

    buttonWithText(box, answer)->click();
    QTRY_VERIFY(!page->findChild<QMessageBox *>());
    if (answer == QLatin1String("No")) {
        QVERIFY(page->isVisible());
        QCOMPARE(page->findChildren<SpeakerWatcher *>().size(), saves);
        QVERIFY(wlanPage->isVisible());
        return;
    }
    for (const QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), window->metaObject()->className());
}

void tst_Client::quitWhileSaving_data()
{
    QTest::addColumn<bool>("yes");   // else the answer comes while the question is open
    QTest::addColumn<bool>("saved"); // the speaker takes the settings, and is awaited
    QTest::newRow("Yes, a speaker awaited beside") << true << true;
    QTest::newRow("refused while asked") << false << false;
    QTest::newRow("saved while asked") << false << true;
}

// Closing the list while a save is in flight asks first, naming that speaker as the list shows
// it, and the speaker awaited beside it. "Yes" waits for the answer, then for its box to be read,
// then ends the program; the question follows what is awaited, and goes once nothing is.
void tst_Client::quitWhileSaving()
{
    QFETCH(bool, yes);
    QFETCH(bool, saved);
    addSpeakers({ "Kitchen", "Bedroom" });
    if (yes) {
        openSettings(0, QStringLiteral("Studio"));
        QVERIFY(!QTest::currentTestFailed());
        buttonWithText(settingsPage, QStringLiteral("SAVE"))->click();
        QTRY_COMPARE(closer->boxes.size(), 1);
    }
    openSettings(1, QStringLiteral("Attic"));
    QVERIFY(!QTest::currentTestFailed());
    ScriptedResponse held =
        ScriptedResponse::json(saved ? "{\"returncode\": \"0\"}" : "{\"returncode\": \"1\"}");
    held.held = true;
    server->enqueue(ScriptedResponse::json(SpeakerAnswer)); // the same speaker, asked before SAVE
    server->enqueue(held);
    buttonWithText(settingsPage, QStringLiteral("SAVE"))->click();
    QTRY_VERIFY(server->requests().last().body.contains("setconfig"));
    closer.reset(); // the boxes are answered here
    // At the foot of the screen: the question stays on it all the same.
    const QRect screen = page->screen()->availableGeometry();
    page->move(screen.bottomRight() - QPoint(200, 150));
    page->close();

    QPointer<QMessageBox> box = page->findChild<QMessageBox *>();
    QVERIFY(box && box->isVisible());
    QVERIFY(screen.contains(box->frameGeometry()));
    QCOMPARE(box->text(),
             yes ? QStringLiteral("The speaker \"Bedroom\" has not yet answered whether it takes "
                                  "the settings. The configurator is also waiting for the speaker "
                                  "\"Studio\" to come back. Quit once the answer is in?")
                 : QStringLiteral("The speaker \"Bedroom\" has not yet answered whether it takes "
                                  "the settings. Quit once the answer is in?"));
    if (!yes) {
        server->releaseHeld();
        if (saved)
            QTRY_COMPARE(box ? box->text() : QString(),
                         QStringLiteral("The configurator is still waiting for the "
                                        "speaker \"Attic\" to come back. Quit anyway?"));
        else
            QTRY_VERIFY(!box);
        QVERIFY(page->isVisible());
        return;
    }
    buttonWithText(box, QStringLiteral("Yes"))->click();
    QVERIFY(shows(QStringLiteral("Quitting once the speaker \"Bedroom\" has answered…")));
    QVERIFY(page->isVisible());
    QVERIFY(!settingsPage->isVisible());
    server->releaseHeld();
    QTRY_VERIFY((box = page->findChild<QMessageBox *>()) && box->isVisible());
    QCOMPARE(box->text(), QStringLiteral("Success"));
    // The answer is in; the box is still to be read.
    QTRY_VERIFY(shows(QStringLiteral("Waiting for 2 speakers to come back…")));
    QVERIFY(page->isVisible());
    box->buttons().first()->click();
    QTRY_VERIFY(!page->isVisible());
    for (const QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), window->metaObject()->className());
}

// The speaker of the open WLAN and settings pages leaves the announcements and comes back: both
// pages say so meanwhile, as the list does, also a settings page opened meanwhile.
void tst_Client::pagesTellSpeakerGone()
{
    addSpeakers({ "Kitchen", "Bedroom" });
    openSettings(0, QStringLiteral("Studio"));
    QVERIFY(!QTest::currentTestFailed());
    const QString gone = QStringLiteral("The speaker \"Kitchen\" is no longer announced.");
    QVERIFY(!labelWithText(wlanPage, gone) && !labelWithText(settingsPage, gone));

    QVERIFY(FakeDnssd::browseReply(0, 0, "Kitchen", ServiceType, Domain));
    QTRY_COMPARE(rows(), QStringList(QStringLiteral("Bedroom")));
    buttonWithText(settingsPage, QStringLiteral("<< Back"))->click();
    buttonWithText(wlanPage, QStringLiteral("Next >>"))->click();
    for (QWidget *shown :
         { static_cast<QWidget *>(wlanPage), static_cast<QWidget *>(settingsPage) }) {
        const auto *line = qobject_cast<AnnouncedLabel *>(labelWithText(shown, gone));
        QVERIFY(line && !line->isHidden());
        QCOMPARE(line->urgency(), Urgency::Urgent);
    }

    QVERIFY(FakeDnssd::browseReply(Add, 0, "Kitchen", ServiceType, Domain));
    QTRY_COMPARE(rows().size(), 2);
    QVERIFY(!labelWithText(wlanPage, gone) && !labelWithText(settingsPage, gone));
}

QTEST_MAIN(tst_Client)
#include "tst_client.moc"
