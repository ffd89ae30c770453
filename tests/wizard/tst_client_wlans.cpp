#include "busyindicator.h"
#include "capturingserver.h"
#include "client_settings.h"
#include "client_wlans.h"
#include "declaredmethods.h"
#include "messagelog.h"
#include "pagetest.h"
#include "speakerapi.h"
#include "wizarddata.h"

#include <QTest>
#include <QTreeWidget>

Q_DECLARE_METATYPE(ScriptedResponse)

namespace {
const char NoAnswer[] = "The speaker did not answer. Check that it is switched on, then go back "
                        "and choose it again.";
const char NoWlans[] = "The speaker found no WLANs. Check that your WLAN router is switched on, "
                       "then go back and choose the speaker again.";
const char NotReached[] =
    "The speaker could not be reached. Check that it is switched on and on the "
    "same network as this computer, then go back and choose it again.";
const char Unusable[] = "The speaker's answer could not be used. Go back and choose it again; if "
                        "that does not help, switch the speaker off and on.";
const char TooLarge[] =
    "The speaker's answer was too large to use. Go back and choose it again; if "
    "that does not help, switch the speaker off and on.";
} // namespace

class tst_Client_WLANs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void slotOrder();
    void listsAccessPoints();
    void scanOutcome_data();
    void scanOutcome();
    void nextStoresSsid();
    void nextWithoutSelection();
    void busyUntilAnswer();
    void backFromSettings();

private:
    Client_WLANs *scannedPage(const QByteArray &answer);
    QTreeWidget *tree(Client_WLANs *page) { return page->findChild<QTreeWidget *>(); }
    QPushButton *nextButton(Client_WLANs *page)
    {
        return buttonWithText(page, QStringLiteral("Next >>"));
    }

    CapturingServer *server = nullptr;
    QScopedPointer<MessageLog> log;
};

void tst_Client_WLANs::initTestCase()
{
    log.reset(new MessageLog);
}

void tst_Client_WLANs::init()
{
    server = new CapturingServer(this);
    QVERIFY(server->listen());
    wizardData = WizardData();
    wizardData.url = server->url();
    wlanPage = nullptr;
    settingsPage = nullptr;
    log->clear();
}

void tst_Client_WLANs::cleanup()
{
    deletePages<Client_Settings>();
    deletePages<Client_WLANs>();
    wlanPage = nullptr;
    settingsPage = nullptr;
    delete server;
    server = nullptr;
}

// Builds a page as the speaker list page does and waits until it has read the
// scan answer.
Client_WLANs *tst_Client_WLANs::scannedPage(const QByteArray &answer)
{
    ScriptedResponse response;
    response.body = answer;
    server->enqueue(response);
    Client_WLANs *page = new Client_WLANs(nullptr);
    wlanPage = page;
    page->show();
    const QString arrival = QStringLiteral("Client WLANS  reply received");
    if (!QTest::qWaitFor([&] { return log->debugLines().contains(arrival); }))
        return nullptr;
    return page;
}

void tst_Client_WLANs::slotOrder()
{
    QCOMPARE(declaredMethods(Client_WLANs::staticMetaObject),
             QStringList({ QStringLiteral("signal saveStarted(SettingsSave*)"),
                           QStringLiteral("private slot replyFinished(QNetworkReply*)"),
                           QStringLiteral("private slot setSSID()"),
                           QStringLiteral("private slot enableNextButton()"),
                           QStringLiteral("private slot returnFromSettings()") }));
}

// The scan goes out once while the page is built; its access points fill the list in the
// speaker's order, a level that is a number shows as no text. One without an SSID that can be
// sent back cannot be chosen: it is left out. The log escapes a character of Unicode 14 as
// Qt 5.15 does (Qt 6.4 would not).
void tst_Client_WLANs::listsAccessPoints()
{
    const QByteArray answer =
        "{\"aplist\": [{\"ssid\": \"HomeNet\", \"encrypt_type\": \"WPA2\", "
        "\"signal_level\": \"-40\"}, {\"ssid\": \"\", \"signal_level\": "
        "\"-50\"}, {\"ssid\": \"Cafe \xf0\x9f\xab\xa0\", \"encrypt_type\": \"NONE\", "
        "\"signal_level\": 70}, {\"ssid\": 7}, \"Hotel\", {\"signal_level\": "
        "\"-60\"}, {\"ssid\": \"HomeNet\", \"signal_level\": \"-80\"}]}";
    Client_WLANs *page = scannedPage(answer);
    QVERIFY(page);
    QCOMPARE(server->requests().count(), 1);
    QCOMPARE(server->requests().first().body, QByteArray("{\"action\": \"wifiscan\"}"));
    QTreeWidget *list = tree(page);
    QCOMPARE(page->focusWidget(), list);
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        rows.append(list->topLevelItem(i)->text(0) + QLatin1Char('|') +
                    list->topLevelItem(i)->text(1));
    QCOMPARE(
        rows,
        QStringList({ "HomeNet|-40", QString::fromUtf8("Cafe \xf0\x9f\xab\xa0|"), "HomeNet|-80" }));
    QCOMPARE(list->selectedItems(), QList<QTreeWidgetItem *>() << list->topLevelItem(0));
    QVERIFY(nextButton(page)->isEnabled());
    QVERIFY(nextButton(page)->isDefault());

    const QStringList expected { QStringLiteral("Client WLANS  reply received"),
                                 QLatin1Char('"') +
                                     QString::fromUtf8(answer)
                                         .replace(QLatin1String("\""), QLatin1String("\\\""))
                                         .replace(QString::fromUtf8("\xf0\x9f\xab\xa0"),
                                                  QLatin1String("\\U0001FAE0")) +
                                     QLatin1Char('"'),
                                 QStringLiteral("Access point 1 left out: no SSID"),
                                 QStringLiteral("Access point 3 left out: no SSID"),
                                 QStringLiteral("Access point 4 left out: no SSID"),
                                 QStringLiteral("Access point 5 left out: no SSID"),
                                 QStringLiteral("# 0  SSID:  \"HomeNet\""),
                                 QStringLiteral("# 2  SSID:  \"Cafe \\U0001FAE0\""),
                                 QStringLiteral("# 6  SSID:  \"HomeNet\"") };
    QCOMPARE(log->debugLines(), expected);
}

// What became of the scan, as far as it is known: not sent, not answered, an answer that cannot be
// read or is too large, or a readable one without a WLAN that can be chosen. Either way the list
// stays empty and "Next >>" disabled.
void tst_Client_WLANs::scanOutcome_data()
{
    QTest::addColumn<ScriptedResponse>("response");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("lines"); // after the arrival line and the body line

    const auto json = [](const char *body, int status = 200) {
        return ScriptedResponse::json(body, status);
    };
    QTest::newRow("empty aplist") << json("{\"aplist\": []}") << NoWlans << QStringList();
    QTest::newRow("without aplist") << json("{\"returncode\": \"0\"}") << NoWlans << QStringList();
    QTest::newRow("no SSID to choose")
        << json("{\"aplist\": [{\"ssid\": \"\"}, {\"signal_level\": \"-40\"}]}") << NoWlans
        << QStringList({ "Access point 0 left out: no SSID", "Access point 1 left out: no SSID" });
    QTest::newRow("500 with a list") << json("{\"aplist\": [{\"ssid\": \"HomeNet\"}]}", 500)
                                     << Unusable << QStringList({ "HTTP error status 500" });
    QTest::newRow("not JSON") << json("busy") << Unusable << QStringList({ "Document is NULL" });
    QTest::newRow("not an object")
        << json("[{\"ssid\": \"HomeNet\"}]") << Unusable << QStringList({ "Object is empty" });
    QTest::newRow("empty object") << json("{}") << Unusable << QStringList({ "Object is empty" });
    QTest::newRow("too many parts")
        << json(QByteArray("{\"aplist\": [") + QByteArray("{},").repeated(10000) + "{}]}")
        << TooLarge
        << QStringList({ "Answer not read: 10003 objects and arrays, more than 10000" });
    ScriptedResponse large = json("{\"aplist\": []}");
    large.framing = ScriptedResponse::ClaimedLength;
    large.claimedLength = SpeakerApi::MaxReplySize + 1;
    QTest::newRow("too large") << large << TooLarge << QStringList({ "Document is NULL" });
    ScriptedResponse cutShort = json("{\"aplist\": [{\"ssid\": \"HomeNet\"}]}");
    cutShort.framing = ScriptedResponse::ClaimedLength;
    cutShort.claimedLength = 1000;
    QTest::newRow("closed after the object")
        << cutShort << NoAnswer
        << QStringList({ "Transfer failed: QNetworkReply::RemoteHostClosedError" });
    ScriptedResponse reset;
    reset.framing = ScriptedResponse::Reset;
    QTest::newRow("closed without answer")
        << reset << NoAnswer
        << QStringList(
               { "Document is NULL", "Transfer failed: QNetworkReply::RemoteHostClosedError" });
    ScriptedResponse silence;
    silence.held = true;
    QTest::newRow("silence") << silence << NoAnswer
                             << QStringList(
                                    { "Document is NULL", "Transfer failed: no answer in time" });
    ScriptedResponse away; // status 0: nobody listens
    away.status = 0;
    QTest::newRow("refused connection")
        << away << NotReached
        << QStringList(
               { "Document is NULL", "Transfer failed: QNetworkReply::ConnectionRefusedError" });
}

void tst_Client_WLANs::scanOutcome()
{
    QFETCH(ScriptedResponse, response);
    QFETCH(QString, box);
    QFETCH(QStringList, lines);

    MessageBoxCloser closer;
    NetworkWaits waits;
    if (response.held)
        waits.requestDeadline = std::chrono::milliseconds(300);
    if (response.status == 0)
        server->close();
    else
        server->setDefaultResponse(response); // also for what Qt sends again
    Client_WLANs *page = new Client_WLANs(nullptr, waits);
    wlanPage = page;
    page->show();

    QTRY_COMPARE(closer.boxes.count(), 1);
    QCOMPARE(closer.boxes.first().title, QStringLiteral("Info"));
    QCOMPARE(closer.boxes.first().text, box);
    QCOMPARE(closer.boxes.first().buttons, QStringList(QStringLiteral("OK")));
    QCOMPARE(closer.boxes.first().parent.data(), page);
    QVERIFY(closer.boxes.first().allTextShown);
    QCOMPARE(log->debugLines(QStringLiteral("Client WLANS  reply received")).mid(2), lines);
    QCOMPARE(tree(page)->topLevelItemCount(), 0);
    QVERIFY(!nextButton(page)->isEnabled());
    QVERIFY(page->isVisible());
}

// Next stores the SSID, opens the settings page and hides this page, also when it is not the
// newest.
void tst_Client_WLANs::nextStoresSsid()
{
    Client_WLANs *page = scannedPage("{\"aplist\": [{\"ssid\": \"HomeNet\", \"signal_level\": "
                                     "\"-40\"}, {\"ssid\": \"Cafe\", \"signal_level\": \"-70\"}]}");
    QVERIFY(page);
    Client_WLANs *newer = scannedPage("{\"aplist\": [{\"ssid\": \"HomeNet\"}]}");
    QVERIFY(newer);
    QCOMPARE(wlanPage, newer);
    tree(page)->setCurrentItem(tree(page)->topLevelItem(1));
    log->clear();

    nextButton(page)->click();
    QCOMPARE(wizardData.ssid, QStringLiteral("Cafe"));
    QCOMPARE(log->debugLines(), QStringList(QStringLiteral("SSID:  \"Cafe\" \n")));
    QVERIFY(newer->isVisible());
    QVERIFY(!page->isVisible());
    QVERIFY(!nextButton(page)->isEnabled());

    const QList<Client_Settings *> settings = topLevelPages<Client_Settings>();
    QCOMPARE(settings.count(), 1);
    QCOMPARE(settingsPage, settings.first());
    QVERIFY(settingsPage->isVisible());
    QVERIFY(settingsPage->parentWidget() == nullptr);
    QVERIFY(labelWithText(settingsPage, QStringLiteral("Cafe")));
}

// Without a choice "Next >>" does nothing and stays available for the choice.
void tst_Client_WLANs::nextWithoutSelection()
{
    Client_WLANs *page = scannedPage("{\"aplist\": [{\"ssid\": \"HomeNet\", \"signal_level\": "
                                     "\"-40\"}]}");
    QVERIFY(page);
    QTreeWidget *list = tree(page);
    list->clearSelection();
    log->clear();

    QTest::mouseClick(nextButton(page), Qt::LeftButton);
    QVERIFY(nextButton(page)->isEnabled());
    QVERIFY(page->isVisible());
    QVERIFY(log->debugLines().isEmpty());
    QVERIFY(wizardData.ssid.isNull());
    QVERIFY(topLevelPages<Client_Settings>().isEmpty());

    list->setCurrentItem(list->topLevelItem(0));
    QTest::mouseClick(nextButton(page), Qt::LeftButton);
    QCOMPARE(wizardData.ssid, QStringLiteral("HomeNet"));
    QVERIFY(!nextButton(page)->isEnabled());
    QCOMPARE(topLevelPages<Client_Settings>().count(), 1);
}

// From construction until the scan's answer the page shows that the speaker is searching.
void tst_Client_WLANs::busyUntilAnswer()
{
    ScriptedResponse held = ScriptedResponse::json("{\"aplist\": [{\"ssid\": \"HomeNet\"}]}");
    held.held = true;
    server->enqueue(held);
    Client_WLANs *page = new Client_WLANs(nullptr);
    page->show();
    BusyIndicator *busy = page->findChild<BusyIndicator *>();
    QVERIFY(busy->isVisible());
    QVERIFY(labelWithText(busy, QStringLiteral("The speaker is looking for WLANs…")));
    QTRY_COMPARE(server->requests().count(), 1);
    QVERIFY(busy->isVisible());

    server->releaseHeld();
    QTRY_COMPARE(tree(page)->topLevelItemCount(), 1);
    QVERIFY(!busy->isVisible());
}

// "<< Back" on the settings page brings this page back as it was; "Next >>" again replaces
// that settings page.
void tst_Client_WLANs::backFromSettings()
{
    Client_WLANs *page = scannedPage("{\"aplist\": [{\"ssid\": \"HomeNet\"}, {\"ssid\": \"Cafe\", "
                                     "\"encrypt_type\": \"WPA2\"}]}");
    QVERIFY(page);
    tree(page)->setCurrentItem(tree(page)->topLevelItem(1));
    nextButton(page)->click();
    QCOMPARE(wizardData.encryptType, QStringLiteral("WPA2"));
    QPointer<Client_Settings> first = settingsPage;
    buttonWithText(first, QStringLiteral("<< Back"))->click();
    QVERIFY(page->isVisible());
    QVERIFY(!first->isVisible());
    QVERIFY(nextButton(page)->isEnabled());
    QCOMPARE(tree(page)->currentItem(), tree(page)->topLevelItem(1));

    nextButton(page)->click();
    QVERIFY(!first);
    QCOMPARE(topLevelPages<Client_Settings>(), QList<Client_Settings *>({ settingsPage.data() }));
}

QTEST_MAIN(tst_Client_WLANs)
#include "tst_client_wlans.moc"
