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
    void scanRequest();
    void listsAccessPoints();
    void unusableAnswer_data();
    void unusableAnswer();
    void nextStoresSsid();
    void nextHidesNewestWlanPage();
    void nextWithoutSelection();
    void numericSsid();

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

void tst_Client_WLANs::scanRequest()
{
    Client_WLANs page(nullptr);
    QCOMPARE(page.windowTitle(), QStringLiteral("Select WLAN"));
    QTreeWidget *list = tree(&page);
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("SSID"));
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("Sig"));
    QCOMPARE(page.focusWidget(), list);
    QVERIFY(labelWithText(&page, QStringLiteral("Please select your private WLAN\n  ")));
    QVERIFY(!nextButton(&page)->isEnabled());
    QVERIFY(nextButton(&page)->isDefault());

    // The scan goes out while the page is built, once.
    QTRY_VERIFY(log->debugLines().contains(QStringLiteral("Client WLANS  reply received")));
    QCOMPARE(server->requests().count(), 1);
    QCOMPARE(server->requests().first().body, QByteArray("{\"action\": \"wifiscan\"}"));
}

void tst_Client_WLANs::listsAccessPoints()
{
    const QByteArray answer = "{\"aplist\": [{\"ssid\": \"HomeNet\", \"encrypt_type\": \"WPA2\", "
                              "\"signal_level\": \"-40\"}, {\"ssid\": \"Cafe\", \"encrypt_type\": "
                              "\"NONE\", \"signal_level\": 70}, {\"ssid\": \"HomeNet\", "
                              "\"signal_level\": \"-80\"}]}";
    Client_WLANs *page = scannedPage(answer);
    QVERIFY(page);
    QTreeWidget *list = tree(page);
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("HomeNet"));
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("-40"));
    // A numeric level is no text.
    QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("Cafe"));
    QCOMPARE(list->topLevelItem(1)->text(1), QString());
    QCOMPARE(list->topLevelItem(2)->text(1), QStringLiteral("-80"));
    QCOMPARE(list->selectedItems(), QList<QTreeWidgetItem *>() << list->topLevelItem(0));
    QVERIFY(nextButton(page)->isEnabled());

    const QStringList expected {
        QStringLiteral("Client WLANS  reply received"),
        QLatin1Char('"') +
            QString::fromUtf8(answer).replace(QLatin1String("\""), QLatin1String("\\\"")) +
            QLatin1Char('"'),
        QStringLiteral("# 0  SSID:  \"HomeNet\""), QStringLiteral("# 1  SSID:  \"Cafe\""),
        QStringLiteral("# 2  SSID:  \"HomeNet\"")
    };
    QCOMPARE(log->debugLines(), expected);
}

void tst_Client_WLANs::unusableAnswer_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("why"); // the last line; none: the "No Speakers found" box
    QTest::newRow("empty list") << QByteArray("{\"aplist\": []}") << QString();
    QTest::newRow("no list") << QByteArray("{\"returncode\": \"0\"}") << QString();
    QTest::newRow("list is no array") << QByteArray("{\"aplist\": \"HomeNet\"}") << QString();
    QTest::newRow("empty object") << QByteArray("{}") << QStringLiteral("Object is empty");
    QTest::newRow("array") << QByteArray("[{\"ssid\": \"HomeNet\"}]")
                           << QStringLiteral("Object is empty");
    QTest::newRow("nothing") << QByteArray() << QStringLiteral("Document is NULL");
    QTest::newRow("plain text") << QByteArray("busy") << QStringLiteral("Document is NULL");
}

void tst_Client_WLANs::unusableAnswer()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, why);
    MessageBoxCloser closer;
    Client_WLANs *page = scannedPage(answer);
    QVERIFY(page);
    QCOMPARE(tree(page)->topLevelItemCount(), 0);
    QVERIFY(!nextButton(page)->isEnabled());
    QVERIFY(page->isVisible());
    if (why.isNull()) {
        QCOMPARE(closer.boxes.count(), 1);
        QCOMPARE(closer.boxes.first().title, QStringLiteral("Info"));
        QCOMPARE(closer.boxes.first().text, QStringLiteral("No Speakers found"));
        QCOMPARE(closer.boxes.first().buttons, QStringList(QStringLiteral("OK")));
        QCOMPARE(closer.boxes.first().parent.data(), page);
        return;
    }
    QCOMPARE(log->debugLines().count(), 3);
    QCOMPARE(log->debugLines().last(), why);
    QTest::qWait(20);
    QVERIFY(closer.boxes.isEmpty());
}

void tst_Client_WLANs::nextStoresSsid()
{
    Client_WLANs *page = scannedPage("{\"aplist\": [{\"ssid\": \"HomeNet\", \"signal_level\": "
                                     "\"-40\"}, {\"ssid\": \"Cafe\", \"signal_level\": \"-70\"}]}");
    QVERIFY(page);
    QTreeWidget *list = tree(page);
    list->setCurrentItem(list->topLevelItem(1));
    log->clear();

    nextButton(page)->click();
    QCOMPARE(wizardData.ssid, QStringLiteral("Cafe"));
    QCOMPARE(log->debugLines(), QStringList(QStringLiteral("SSID:  \"Cafe\" \n")));
    QVERIFY(!page->isVisible());
    QVERIFY(!nextButton(page)->isEnabled());

    const QList<Client_Settings *> settings = topLevelPages<Client_Settings>();
    QCOMPARE(settings.count(), 1);
    QCOMPARE(settingsPage, settings.first());
    QVERIFY(settingsPage->isVisible());
    QVERIFY(settingsPage->parentWidget() == nullptr);
    QVERIFY(labelWithText(settingsPage, QStringLiteral("Cafe")));
}

void tst_Client_WLANs::nextHidesNewestWlanPage()
{
    const QByteArray answer = "{\"aplist\": [{\"ssid\": \"HomeNet\", \"signal_level\": \"-40\"}]}";
    Client_WLANs *first = scannedPage(answer);
    QVERIFY(first);
    log->clear();
    Client_WLANs *second = scannedPage(answer);
    QVERIFY(second);
    QCOMPARE(wlanPage, second);

    // The page handle names the newest page: that one goes, the first stays.
    nextButton(first)->click();
    QVERIFY(first->isVisible());
    QVERIFY(!second->isVisible());
    QVERIFY(settingsPage);
    QVERIFY(settingsPage->isVisible());
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

void tst_Client_WLANs::numericSsid()
{
    Client_WLANs *page = scannedPage("{\"aplist\": [{\"ssid\": 5, \"signal_level\": \"-40\"}]}");
    QVERIFY(page);
    QCOMPARE(tree(page)->topLevelItemCount(), 1);
    QCOMPARE(tree(page)->topLevelItem(0)->text(0), QString());
    QVERIFY(log->debugLines().contains(QStringLiteral("# 0  SSID:  \"\"")));
    log->clear();
    nextButton(page)->click();
    QCOMPARE(wizardData.ssid, QString());
    QCOMPARE(log->debugLines(), QStringList(QStringLiteral("SSID:  \"\" \n")));
}

QTEST_MAIN(tst_Client_WLANs)
#include "tst_client_wlans.moc"
