#include "capturingserver.h"
#include "client_settings.h"
#include "client_wlans.h"
#include "declaredmethods.h"
#include "messagelog.h"
#include "pagetest.h"
#include "wizarddata.h"

#include <QTest>
#include <QTreeWidget>

class tst_Client_WLANs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void slotOrder();
    void listsAccessPoints();
    void unusableAnswers();
    void nextStoresSsid();
    void nextWithoutSelection();

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
             QStringList({ QStringLiteral("private slot replyFinished(QNetworkReply*)"),
                           QStringLiteral("private slot setSSID()"),
                           QStringLiteral("private slot enableNextButton()") }));
}

// The scan goes out once while the page is built; its access points fill the list in the
// speaker's order, a level that is a number shows as no text. The log escapes a character of
// Unicode 14 as Qt 5.15 does (Qt 6.4 would not).
void tst_Client_WLANs::listsAccessPoints()
{
    const QByteArray answer =
        "{\"aplist\": [{\"ssid\": \"HomeNet\", \"encrypt_type\": \"WPA2\", "
        "\"signal_level\": \"-40\"}, {\"ssid\": \"Cafe \xf0\x9f\xab\xa0\", \"encrypt_type\": "
        "\"NONE\", \"signal_level\": 70}, {\"ssid\": \"HomeNet\", "
        "\"signal_level\": \"-80\"}]}";
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
                                 QStringLiteral("# 0  SSID:  \"HomeNet\""),
                                 QStringLiteral("# 1  SSID:  \"Cafe \\U0001FAE0\""),
                                 QStringLiteral("# 2  SSID:  \"HomeNet\"") };
    QCOMPARE(log->debugLines(), expected);
}

// An empty list brings the "No Speakers found" box, an answer that cannot be read nothing.
void tst_Client_WLANs::unusableAnswers()
{
    MessageBoxCloser closer;
    Client_WLANs *empty = scannedPage("{\"aplist\": []}");
    QVERIFY(empty);
    QTRY_COMPARE(closer.boxes.count(), 1);
    QCOMPARE(closer.boxes.first().title, QStringLiteral("Info"));
    QCOMPARE(closer.boxes.first().text, QStringLiteral("No Speakers found"));
    QCOMPARE(closer.boxes.first().buttons, QStringList(QStringLiteral("OK")));
    QCOMPARE(closer.boxes.first().parent.data(), empty);

    log->clear();
    Client_WLANs *unread = scannedPage("busy");
    QVERIFY(unread);
    QCOMPARE(log->debugLines(),
             QStringList({ "Client WLANS  reply received", "\"busy\"", "Document is NULL" }));
    QTest::qWait(20);
    QCOMPARE(closer.boxes.count(), 1);
    for (Client_WLANs *page : { empty, unread }) {
        QCOMPARE(tree(page)->topLevelItemCount(), 0);
        QVERIFY(!nextButton(page)->isEnabled());
        QVERIFY(page->isVisible());
    }
}

// Next stores the SSID, opens the settings page and hides the newest WLAN page, which the
// handle names: not this one when a later resolve opened another.
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
    QVERIFY(!newer->isVisible());
    QVERIFY(page->isVisible());
    QVERIFY(!nextButton(page)->isEnabled());

    const QList<Client_Settings *> settings = topLevelPages<Client_Settings>();
    QCOMPARE(settings.count(), 1);
    QCOMPARE(settingsPage, settings.first());
    QVERIFY(settingsPage->isVisible());
    QVERIFY(settingsPage->parentWidget() == nullptr);
    QVERIFY(labelWithText(settingsPage, QStringLiteral("Cafe")));
}

void tst_Client_WLANs::nextWithoutSelection()
{
    Client_WLANs *page = scannedPage("{\"aplist\": [{\"ssid\": \"HomeNet\", \"signal_level\": "
                                     "\"-40\"}]}");
    QVERIFY(page);
    QTreeWidget *list = tree(page);
    list->clearSelection();
    log->clear();

    QTest::mouseClick(nextButton(page), Qt::LeftButton);
    QVERIFY(!nextButton(page)->isEnabled());
    QVERIFY(page->isVisible());
    QVERIFY(log->debugLines().isEmpty());
    QVERIFY(wizardData.ssid.isNull());
    QVERIFY(topLevelPages<Client_Settings>().isEmpty());

    // Choosing a row again does not bring the button back.
    list->setCurrentItem(list->topLevelItem(0));
    QVERIFY(!nextButton(page)->isEnabled());
}

QTEST_MAIN(tst_Client_WLANs)
#include "tst_client_wlans.moc"
