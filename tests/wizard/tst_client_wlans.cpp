#include "capturingserver.h"
#include "client_settings.h"
#include "client_wlans.h"
#include "pagetest.h"
#include "wizarddata.h"

#include <QLineEdit>
#include <QMetaMethod>
#include <QSignalSpy>
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
    void noAccessPoint_data();
    void noAccessPoint();
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
};

void tst_Client_WLANs::initTestCase()
{
    qInstallMessageHandler(recordMessage);
}

void tst_Client_WLANs::init()
{
    server = new CapturingServer(this);
    QVERIFY(server->listen());
    wizardData = WizardData();
    wizardData.url = server->url();
    wlanPage = nullptr;
    settingsPage = nullptr;
    recordedLog().clear();
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
    if (!QTest::qWaitFor([&] { return debugLines().contains(arrival); }))
        return nullptr;
    return page;
}

void tst_Client_WLANs::slotOrder()
{
    const QMetaObject &meta = Client_WLANs::staticMetaObject;
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 3);
    QCOMPARE(meta.method(meta.methodOffset()).methodSignature(),
             QByteArray("replyFinished(QNetworkReply*)"));
    QCOMPARE(meta.method(meta.methodOffset() + 1).methodSignature(), QByteArray("setSSID()"));
    QCOMPARE(meta.method(meta.methodOffset() + 2).methodSignature(),
             QByteArray("enableNextButton()"));
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        QCOMPARE(meta.method(i).access(), QMetaMethod::Private);
}

void tst_Client_WLANs::scanRequest()
{
    Client_WLANs page(nullptr);
    QCOMPARE(page.windowTitle(), QStringLiteral("Select WLAN"));
    QCOMPARE(page.size(), QSize(640, 550));
    QTreeWidget *list = tree(&page);
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("SSID"));
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("Sig"));
    QCOMPARE(list->columnWidth(0), 200);
    QCOMPARE(page.focusWidget(), list);
    QVERIFY(labelWithText(&page, QStringLiteral("Please select your private WLAN\n  ")));
    QVERIFY(!nextButton(&page)->isEnabled());
    QVERIFY(nextButton(&page)->isDefault());
    QVERIFY(buttonWithText(&page, QStringLiteral("<< Back"))->isEnabled());

    // The scan goes out while the page is built, once.
    QTRY_COMPARE(server->requests().count(), 1);
    const CapturedRequest request = server->requests().first();
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.path, QByteArray("/api/v14/configure.action"));
    QCOMPARE(request.body, QByteArray("{\"action\": \"wifiscan\"}"));
    QCOMPARE(request.header("Content-Type"), QByteArray("text/plain"));
    QCOMPARE(request.header("charset"), QByteArray("UTF-8"));
    QTRY_VERIFY(debugLines().contains(QStringLiteral("Client WLANS  reply received")));
    QCOMPARE(server->requests().count(), 1);
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
    QCOMPARE(debugLines(), expected);
}

void tst_Client_WLANs::noAccessPoint_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("empty list") << QByteArray("{\"aplist\": []}");
    QTest::newRow("no list") << QByteArray("{\"returncode\": \"0\"}");
    QTest::newRow("list is no array") << QByteArray("{\"aplist\": \"HomeNet\"}");
}

void tst_Client_WLANs::noAccessPoint()
{
    QFETCH(QByteArray, answer);
    MessageBoxCloser closer;
    Client_WLANs *page = scannedPage(answer);
    QVERIFY(page);
    QCOMPARE(closer.boxes.count(), 1);
    QCOMPARE(closer.boxes.first().title, QStringLiteral("Info"));
    QCOMPARE(closer.boxes.first().text, QStringLiteral("No Speakers found"));
    QCOMPARE(closer.boxes.first().buttons, QStringList(QStringLiteral("OK")));
    QCOMPARE(closer.boxes.first().parent.data(), page);
    QCOMPARE(tree(page)->topLevelItemCount(), 0);
    QVERIFY(!nextButton(page)->isEnabled());
}

void tst_Client_WLANs::unusableAnswer_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("why");
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
    QCOMPARE(debugLines().last(), why);
    QCOMPARE(debugLines().count(), 3);
    QTest::qWait(20);
    QVERIFY(closer.boxes.isEmpty());
    QVERIFY(!nextButton(page)->isEnabled());
    QVERIFY(page->isVisible());
}

void tst_Client_WLANs::nextStoresSsid()
{
    Client_WLANs *page = scannedPage("{\"aplist\": [{\"ssid\": \"HomeNet\", \"signal_level\": "
                                     "\"-40\"}, {\"ssid\": \"Cafe\", \"signal_level\": \"-70\"}]}");
    QVERIFY(page);
    QTreeWidget *list = tree(page);
    list->setCurrentItem(list->topLevelItem(1));
    recordedLog().clear();

    nextButton(page)->click();
    QCOMPARE(wizardData.ssid, QStringLiteral("Cafe"));
    QCOMPARE(debugLines(), QStringList(QStringLiteral("SSID:  \"Cafe\" \n")));
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
    recordedLog().clear();
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
    recordedLog().clear();

    QTest::mouseClick(nextButton(page), Qt::LeftButton);
    QVERIFY(!nextButton(page)->isEnabled());
    QVERIFY(page->isVisible());
    QVERIFY(debugLines().isEmpty());
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
    QVERIFY(debugLines().contains(QStringLiteral("# 0  SSID:  \"\"")));
    recordedLog().clear();
    nextButton(page)->click();
    QCOMPARE(wizardData.ssid, QString());
    QCOMPARE(debugLines(), QStringList(QStringLiteral("SSID:  \"\" \n")));
}

QTEST_MAIN(tst_Client_WLANs)
#include "tst_client_wlans.moc"
