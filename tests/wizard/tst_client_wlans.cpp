#include "busyindicator.h"
#include "capturingserver.h"
#include "client_settings.h"
#include "client_wlans.h"
#include "declaredmethods.h"
#include "messagelog.h"
#include "pagetest.h"
#include "setconfig.h"
#include "speakerapi.h"
#include "wizarddata.h"

#include <QComboBox>
#include <QLineEdit>
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
    void backFromSettings();
    void rescanKeepsChoice();
    void oneScanInFlight();
    void failedRescan_data();
    void failedRescan();
    void choiceGone();
    void otherNetwork();
    void nextSpeaker_data();
    void nextSpeaker();

private:
    Client_WLANs *scannedPage(const QByteArray &answer, const NetworkWaits &waits = NetworkWaits());
    QTreeWidget *tree(Client_WLANs *page) { return page->findChild<QTreeWidget *>(); }
    QPushButton *nextButton(Client_WLANs *page)
    {
        return buttonWithText(page, QStringLiteral("Next >>"));
    }
    QPushButton *rescanButton(Client_WLANs *page)
    {
        return buttonWithText(page, QStringLiteral("Rescan"));
    }
    // The line under the list; empty while hidden.
    QString statusLine(Client_WLANs *page);
    // Rescans and waits until the page has read the answer.
    bool rescanned(Client_WLANs *page, const ScriptedResponse &response);

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
Client_WLANs *tst_Client_WLANs::scannedPage(const QByteArray &answer, const NetworkWaits &waits)
{
    ScriptedResponse response;
    response.body = answer;
    server->enqueue(response);
    const QString arrival = QStringLiteral("Client WLANS  reply received");
    const int arrivals = log->debugLines().count(arrival);
    Client_WLANs *page = new Client_WLANs(nullptr, waits);
    wlanPage = page;
    page->show();
    if (!QTest::qWaitFor([&] { return log->debugLines().count(arrival) > arrivals; }))
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
                           QStringLiteral("private slot returnFromSettings()"),
                           QStringLiteral("private slot rescan()"),
                           QStringLiteral("private slot typeOtherNetwork()"),
                           QStringLiteral("private slot noteChoice()"),
                           QStringLiteral("private slot markKnownRows()") }));
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

// The line under the list: the one label shown that is none of the page's fixed ones.
QString tst_Client_WLANs::statusLine(Client_WLANs *page)
{
    const QStringList fixed = { QStringLiteral("Please select your private WLAN\n  "),
                                QStringLiteral("The speaker is looking for WLANs…") };
    for (const QLabel *label : page->findChildren<QLabel *>()) {
        const QString text = label->text();
        if (label->isVisible() && !text.isEmpty() && !fixed.contains(text) &&
            !text.startsWith(QLatin1String("Speaker: ")))
            return text;
    }
    return QString();
}

bool tst_Client_WLANs::rescanned(Client_WLANs *page, const ScriptedResponse &response)
{
    server->enqueue(response);
    const int arrivals = log->debugLines().count(QStringLiteral("Client WLANS  reply received"));
    rescanButton(page)->click();
    return QTest::qWaitFor([&] {
        return log->debugLines().count(QStringLiteral("Client WLANS  reply received")) > arrivals;
    });
}

namespace {
QStringList rowTexts(const QTreeWidget *tree)
{
    QStringList texts;
    for (int row = 0; row < tree->topLevelItemCount(); ++row)
        texts.append(tree->topLevelItem(row)->text(0));
    return texts;
}

QString chosenSsid(const QTreeWidget *tree)
{
    const QList<QTreeWidgetItem *> selection = tree->selectedItems();
    return selection.isEmpty() ? QString() : selection.first()->text(0);
}
} // namespace

// A new scan replaces the rows; the WLAN that the user chose stays chosen where it is listed now,
// and its log lines are those that a first scan of the same answer writes.
void tst_Client_WLANs::rescanKeepsChoice()
{
    const QByteArray first = "{\"aplist\": [{\"ssid\": \"HomeNet\"}, {\"ssid\": \"Cafe\"}, "
                             "{\"ssid\": \"Attic\"}]}";
    const QByteArray second = "{\"aplist\": [{\"ssid\": \"Attic\", \"signal_level\": \"-50\"}, "
                              "{\"ssid\": \"\"}, {\"ssid\": \"Cafe\", \"signal_level\": "
                              "\"-60\"}, {\"ssid\": \"Neighbour\"}]}";
    // The first scan of the second answer, for its lines.
    QVERIFY(scannedPage(second));
    const QStringList firstScanLines = log->debugLines();
    deletePages<Client_WLANs>();
    log->clear();

    Client_WLANs *page = scannedPage(first);
    QVERIFY(page);
    QCOMPARE(chosenSsid(tree(page)), QStringLiteral("HomeNet"));
    tree(page)->setCurrentItem(tree(page)->topLevelItem(1));
    log->clear();

    QVERIFY(rescanned(page, ScriptedResponse::json(second)));
    QCOMPARE(server->requests().count(), 3);
    QCOMPARE(server->requests().last().body, QByteArray("{\"action\": \"wifiscan\"}"));
    QCOMPARE(log->debugLines(), firstScanLines);
    QCOMPARE(rowTexts(tree(page)),
             QStringList(
                 { QStringLiteral("Attic"), QStringLiteral("Cafe"), QStringLiteral("Neighbour") }));
    QCOMPARE(tree(page)->topLevelItem(1)->text(1), QStringLiteral("-60"));
    QCOMPARE(tree(page)->selectedItems(),
             QList<QTreeWidgetItem *>({ tree(page)->topLevelItem(1) }));
    QCOMPARE(statusLine(page), QString());

    // The page's own choice is no choice of the user's: a rescan chooses again by its rule.
    Client_WLANs *unchosen = scannedPage(first);
    QVERIFY(unchosen);
    QVERIFY(rescanned(unchosen, ScriptedResponse::json(second)));
    QCOMPARE(chosenSsid(tree(unchosen)), QStringLiteral("Attic"));

    // Its SSID goes on: the settings page is for the rescanned row.
    nextButton(page)->click();
    QCOMPARE(wizardData.ssid, QStringLiteral("Cafe"));
}

// One scan at a time: "Rescan" and F5 do nothing while one is in flight, the first included, and
// the page shows that it waits, from its construction until each answer.
void tst_Client_WLANs::oneScanInFlight()
{
    ScriptedResponse held = ScriptedResponse::json("{\"aplist\": [{\"ssid\": \"HomeNet\"}]}");
    held.held = true;
    server->setDefaultResponse(held);
    Client_WLANs *page = new Client_WLANs(nullptr);
    page->show();
    BusyIndicator *busy = page->findChild<BusyIndicator *>();
    QVERIFY(busy->isVisible());
    QVERIFY(labelWithText(busy, QStringLiteral("The speaker is looking for WLANs…")));
    QVERIFY(QTest::qWaitForWindowActive(page));
    QTRY_COMPARE(server->requests().count(), 1);
    QVERIFY(busy->isVisible());
    QVERIFY(!rescanButton(page)->isEnabled());
    QTest::keyClick(page, Qt::Key_F5);
    rescanButton(page)->click();

    server->releaseHeld();
    QTRY_COMPARE(tree(page)->topLevelItemCount(), 1);
    QCOMPARE(server->requests().count(), 1);
    QVERIFY(rescanButton(page)->isEnabled());
    QVERIFY(!busy->isVisible());

    QTest::keyClick(page, Qt::Key_F5);
    QTRY_COMPARE(server->requests().count(), 2);
    QVERIFY(busy->isVisible());
    QVERIFY(!rescanButton(page)->isEnabled());
    QTest::keyClick(page, Qt::Key_F5);
    rescanButton(page)->click();
    QVERIFY(QMetaObject::invokeMethod(page, "rescan"));
    // The rows of the last scan stay usable meanwhile.
    QVERIFY(nextButton(page)->isEnabled());

    server->releaseHeld();
    QTRY_VERIFY(rescanButton(page)->isEnabled());
    QVERIFY(!busy->isVisible());
    QCOMPARE(server->requests().count(), 2);
}

// A new scan that brings no rows keeps the earlier ones and the choice, and says why in a line;
// no box.
void tst_Client_WLANs::failedRescan_data()
{
    QTest::addColumn<ScriptedResponse>("response");
    QTest::addColumn<QString>("line");

    QTest::newRow("no WLANs") << ScriptedResponse::json("{\"aplist\": [{\"ssid\": \"\"}]}")
                              << "The speaker found no WLANs this time. The list shows those it "
                                 "found before.";
    QTest::newRow("not JSON") << ScriptedResponse::json("busy")
                              << "The speaker's answer to the new search could not be used. The "
                                 "list shows the WLANs it found before.";
    ScriptedResponse large = ScriptedResponse::json("{\"aplist\": []}");
    large.framing = ScriptedResponse::ClaimedLength;
    large.claimedLength = SpeakerApi::MaxReplySize + 1;
    QTest::newRow("too large") << large
                               << "The speaker's answer to the new search was too large to use. "
                                  "The list shows the WLANs it found before.";
    ScriptedResponse silence;
    silence.held = true;
    QTest::newRow("silence") << silence
                             << "The speaker did not answer the new search. The list shows the "
                                "WLANs it found before.";
    ScriptedResponse away;
    away.status = 0;
    QTest::newRow("not reached") << away
                                 << "The speaker could not be reached for a new search. The list "
                                    "shows the WLANs it found before.";
}

void tst_Client_WLANs::failedRescan()
{
    QFETCH(ScriptedResponse, response);
    QFETCH(QString, line);

    MessageBoxCloser closer;
    NetworkWaits waits;
    if (response.held)
        waits.requestDeadline = std::chrono::milliseconds(300);
    Client_WLANs *page = scannedPage("{\"aplist\": [{\"ssid\": \"HomeNet\"}, {\"ssid\": "
                                     "\"Cafe\", \"encrypt_type\": \"WPA2\"}]}",
                                     waits);
    QVERIFY(page);
    tree(page)->setCurrentItem(tree(page)->topLevelItem(1));
    if (response.status == 0)
        server->close();
    else
        server->setDefaultResponse(response); // also for what Qt sends again
    QVERIFY(rescanned(page, response));

    QCOMPARE(statusLine(page), line);
    QCOMPARE(rowTexts(tree(page)),
             QStringList({ QStringLiteral("HomeNet"), QStringLiteral("Cafe") }));
    QCOMPARE(chosenSsid(tree(page)), QStringLiteral("Cafe"));
    QVERIFY(nextButton(page)->isEnabled());
    QVERIFY(rescanButton(page)->isEnabled());
    QTest::qWait(20);
    QCOMPARE(closer.boxes.count(), 0);

    // The rows are still those of their scan: their security goes on with them.
    nextButton(page)->click();
    QCOMPARE(wizardData.encryptType, QStringLiteral("WPA2"));
    QCOMPARE(wizardData.ssid, QStringLiteral("Cafe"));
}

// The WLAN the user chose is not in the new scan: no other one becomes the choice, and a line
// says so until the user chooses; back in a later scan, it is chosen again.
void tst_Client_WLANs::choiceGone()
{
    Client_WLANs *page = scannedPage("{\"aplist\": [{\"ssid\": \"HomeNet\"}, {\"ssid\": "
                                     "\"Cafe\"}]}");
    QVERIFY(page);
    tree(page)->setCurrentItem(tree(page)->topLevelItem(1));
    QVERIFY(rescanned(page, ScriptedResponse::json("{\"aplist\": [{\"ssid\": \"HomeNet\"}]}")));
    QCOMPARE(chosenSsid(tree(page)), QString());
    QCOMPARE(statusLine(page),
             QStringLiteral("The WLAN \"Cafe\" is no longer listed. Choose one."));
    nextButton(page)->click();
    QVERIFY(page->isVisible());
    QVERIFY(topLevelPages<Client_Settings>().isEmpty());

    QVERIFY(rescanned(page,
                      ScriptedResponse::json("{\"aplist\": [{\"ssid\": \"HomeNet\"}, "
                                             "{\"ssid\": \"Attic\"}, {\"ssid\": \"Cafe\"}]}")));
    QCOMPARE(chosenSsid(tree(page)), QStringLiteral("Cafe"));
    QCOMPARE(statusLine(page), QString());

    QVERIFY(rescanned(page, ScriptedResponse::json("{\"aplist\": [{\"ssid\": \"HomeNet\"}]}")));
    tree(page)->setCurrentItem(tree(page)->topLevelItem(0));
    QCOMPARE(statusLine(page), QString());
}

// "Other network…", also while the speaker still scans: the settings page for a WLAN to type in,
// whose "<< Back" brings this page back.
void tst_Client_WLANs::otherNetwork()
{
    ScriptedResponse held = ScriptedResponse::json("{\"aplist\": [{\"ssid\": \"HomeNet\"}]}");
    held.held = true;
    server->enqueue(held);
    Client_WLANs *page = new Client_WLANs(nullptr);
    wlanPage = page;
    page->show();
    QTRY_COMPARE(server->requests().count(), 1);
    buttonWithText(page, QStringLiteral("Other network…"))->click();
    QVERIFY(!page->isVisible());
    QVERIFY(settingsPage && settingsPage->isVisible());
    QLineEdit *ssidEdit = fieldLabelled<QLineEdit>(settingsPage, QStringLiteral("WLAN:"));
    QVERIFY(ssidEdit);
    QCOMPARE(ssidEdit->text(), QString());
    QVERIFY(fieldLabelled<QComboBox>(settingsPage, QStringLiteral("Security:")));
    QVERIFY(log->debugLines().isEmpty());

    buttonWithText(settingsPage, QStringLiteral("<< Back"))->click();
    QVERIFY(page->isVisible());
    server->releaseHeld();
    QTRY_COMPARE(tree(page)->topLevelItemCount(), 1);
    QVERIFY(nextButton(page)->isEnabled());
}

// After a save the next speaker of the run is offered its WLAN and password: the WLAN page
// chooses it where the speaker lists it (unless the user chooses another), the settings page
// starts with the password, and with a typed WLAN's name and security; the name is the next
// speaker's own. None of it reaches the log.
void tst_Client_WLANs::nextSpeaker_data()
{
    QTest::addColumn<bool>("typed");
    QTest::addColumn<bool>("userChoosesFirst");
    QTest::newRow("listed") << false << false;
    QTest::newRow("listed, the user chooses another") << false << true;
    QTest::newRow("typed") << true << false;
}

void tst_Client_WLANs::nextSpeaker()
{
    QFETCH(bool, typed);
    QFETCH(bool, userChoosesFirst);

    const QString password = QStringLiteral("Kaffee-\"2024\"");
    MessageBoxCloser closer;
    const QByteArray scan = "{\"aplist\": [{\"ssid\": \"HomeNet\", \"encrypt_type\": \"WPA2\"}, "
                            "{\"ssid\": \"Cafe\", \"encrypt_type\": \"WPA2\"}]}";
    Client_WLANs *page = scannedPage(scan);
    QVERIFY(page);
    if (typed) {
        buttonWithText(page, QStringLiteral("Other network…"))->click();
        fieldLabelled<QLineEdit>(settingsPage, QStringLiteral("WLAN:"))
            ->setText(QStringLiteral("Gartenhaus"));
    } else {
        tree(page)->setCurrentItem(tree(page)->topLevelItem(1));
        nextButton(page)->click();
    }
    fieldLabelled<QLineEdit>(settingsPage, QStringLiteral("Passwd:"))->setText(password);
    server->setQueryResponse(ScriptedResponse::json("{\"deviceinfo\": {}}"));
    server->enqueue(ScriptedResponse::json("{\"returncode\": \"0\"}"));
    buttonWithText(settingsPage, QStringLiteral("SAVE"))->click();
    QTRY_COMPARE(closer.boxes.count(), 1);
    QCOMPARE(closer.boxes.first().text, QStringLiteral("Success"));

    // The next speaker, as the speaker list sets it up.
    deletePages<Client_Settings>();
    deletePages<Client_WLANs>();
    wizardData.listedName = QStringLiteral("Ovix Kitchen");
    wizardData.name = QStringLiteral("Kitchen");
    page = scannedPage(scan);
    QVERIFY(page);
    QCOMPARE(chosenSsid(tree(page)), typed ? QStringLiteral("HomeNet") : QStringLiteral("Cafe"));
    if (userChoosesFirst) {
        tree(page)->setCurrentItem(tree(page)->topLevelItem(0));
        QVERIFY(rescanned(page, ScriptedResponse::json(scan)));
        QCOMPARE(chosenSsid(tree(page)), QStringLiteral("HomeNet"));
    }
    if (typed)
        buttonWithText(page, QStringLiteral("Other network…"))->click();
    else
        nextButton(page)->click();
    QLineEdit *passwordEdit = fieldLabelled<QLineEdit>(settingsPage, QStringLiteral("Passwd:"));
    QCOMPARE(passwordEdit->text(), userChoosesFirst ? QString() : password);
    QCOMPARE(fieldLabelled<QLineEdit>(settingsPage, QStringLiteral("Name:"))->text(),
             QStringLiteral("Kitchen"));
    if (typed) {
        QCOMPARE(fieldLabelled<QLineEdit>(settingsPage, QStringLiteral("WLAN:"))->text(),
                 QStringLiteral("Gartenhaus"));
        QCOMPARE(fieldLabelled<QComboBox>(settingsPage, QStringLiteral("Security:"))->currentText(),
                 QStringLiteral("WPA/WPA2/WPA3 Personal"));
    }

    // Saved again, as offered.
    if (userChoosesFirst)
        passwordEdit->setText(QStringLiteral("Heimnetz-2024"));
    server->setQueryResponse(
        ScriptedResponse::json("{\"deviceinfo\": {\"devicename\": \"Kitchen\"}}"));
    server->enqueue(ScriptedResponse::json("{\"returncode\": \"0\"}"));
    buttonWithText(settingsPage, QStringLiteral("SAVE"))->click();
    QTRY_COMPARE(closer.boxes.count(), 2);
    if (!userChoosesFirst)
        QCOMPARE(server->requests("setconfig").last().body,
                 setconfigBytes("Kitchen", "Kaffee-\\\"2024\\\"", typed ? "Gartenhaus" : "Cafe"));
    for (const QString &line : log->lines())
        QVERIFY2(!line.contains(QLatin1String("Kaffee")), qPrintable(line));
}

QTEST_MAIN(tst_Client_WLANs)
#include "tst_client_wlans.moc"
