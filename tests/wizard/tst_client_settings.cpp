#include "capturingserver.h"
#include "client_settings.h"
#include "pagetest.h"
#include "wizarddata.h"

#include <QLineEdit>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QTest>

namespace {

// The set-configuration body as the speaker must receive it.
QByteArray setconfigBody(const QByteArray &name, const QByteArray &password, const QByteArray &ssid)
{
    return "{\"action\": \"setconfig\", \"deviceinfo\": {\"devicename\": \"" + name +
        "\"},\"networkinfo\": {\"wifimode\": \"client\", \"clientinfo\": {\"encrypt_type\": "
        "\"WPA\", \"wifipwd\": \"" +
        password + "\", \"wifissid\": \"" + ssid + "\"}, \"ipaddressinfo\": {\"type\": \"DHCP\"}}}";
}

} // namespace

class tst_Client_Settings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void slotOrder();
    void layout();
    void labelsCopiedOnce();
    void markupStaysLiteral();
    void saveUntouched();
    void enterInPasswordSaves();
    void twoPresses();
    void unusableAnswer_data();
    void unusableAnswer();
    void httpErrorStatus_data();
    void httpErrorStatus();

private:
    Client_Settings *shownPage();
    QLineEdit *nameEdit(Client_Settings *page);
    QLineEdit *passwordEdit(Client_Settings *page);
    QPushButton *saveButton(Client_Settings *page)
    {
        return buttonWithText(page, QStringLiteral("SAVE"));
    }

    CapturingServer *server = nullptr;
};

void tst_Client_Settings::initTestCase()
{
    qInstallMessageHandler(recordMessage);
}

void tst_Client_Settings::init()
{
    server = new CapturingServer(this);
    QVERIFY(server->listen());
    server->setDefaultResponse(ScriptedResponse::json("{\"returncode\": \"0\"}"));
    wizardData = WizardData();
    wizardData.url = server->url();
    wizardData.model = QStringLiteral("Ovix One");
    wizardData.ssid = QStringLiteral("HomeNet");
    wizardData.ip = QStringLiteral("192.168.1.20");
    wizardData.softwareVer = QStringLiteral("1.2.3");
    settingsPage = nullptr;
    recordedLog().clear();
}

void tst_Client_Settings::cleanup()
{
    deletePages<Client_Settings>();
    settingsPage = nullptr;
    delete server;
    server = nullptr;
}

// Built and shown as the WLAN page does it.
Client_Settings *tst_Client_Settings::shownPage()
{
    Client_Settings *page = new Client_Settings(nullptr);
    settingsPage = page;
    page->show();
    return page;
}

QLineEdit *tst_Client_Settings::nameEdit(Client_Settings *page)
{
    const QList<QLineEdit *> edits = page->findChildren<QLineEdit *>();
    return edits.count() == 2 ? edits.at(0) : nullptr;
}

QLineEdit *tst_Client_Settings::passwordEdit(Client_Settings *page)
{
    const QList<QLineEdit *> edits = page->findChildren<QLineEdit *>();
    return edits.count() == 2 ? edits.at(1) : nullptr;
}

void tst_Client_Settings::slotOrder()
{
    const QMetaObject &meta = Client_Settings::staticMetaObject;
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 2);
    QCOMPARE(meta.method(meta.methodOffset()).methodSignature(),
             QByteArray("replyFinished(QNetworkReply*)"));
    QCOMPARE(meta.method(meta.methodOffset() + 1).methodSignature(), QByteArray("setSSID()"));
}

void tst_Client_Settings::layout()
{
    Client_Settings *page = new Client_Settings(nullptr);
    // The layout may widen the page once it is shown.
    QCOMPARE(page->size(), QSize(640, 550));
    settingsPage = page;
    page->show();
    QCOMPARE(page->windowTitle(), QStringLiteral("Speaker WLAN Settings"));
    QCOMPARE(nameEdit(page)->text(), QStringLiteral("VANTIR Ovix"));
    QCOMPARE(passwordEdit(page)->text(), QString());
    QCOMPARE(passwordEdit(page)->echoMode(), QLineEdit::Normal);
    QVERIFY(saveButton(page)->isEnabled());
    QVERIFY(saveButton(page)->isDefault());

    QGridLayout *grid = qobject_cast<QGridLayout *>(page->layout());
    QVERIFY(grid);
    struct Cell
    {
        QWidget *widget;
        int row, column, rowSpan, columnSpan;
    };
    const QList<Cell> cells {
        { headerLabel(page), 0, 0, 1, 4 },
        { labelWithText(page, QStringLiteral("Model:")), 1, 0, 1, 1 },
        { labelWithText(page, QStringLiteral("Ovix One")), 1, 1, 1, 3 },
        { labelWithText(page, QStringLiteral("Name:")), 2, 0, 1, 1 },
        { nameEdit(page), 2, 1, 1, 3 },
        { labelWithText(page, QStringLiteral("WLAN:")), 3, 0, 1, 1 },
        { labelWithText(page, QStringLiteral("HomeNet")), 3, 1, 1, 3 },
        { labelWithText(page, QStringLiteral("Passwd:")), 4, 0, 1, 1 },
        { passwordEdit(page), 4, 1, 1, 3 },
        { labelWithText(page, QStringLiteral("IP Addr:")), 6, 0, 1, 1 },
        { labelWithText(page, QStringLiteral("192.168.1.20")), 6, 1, 1, 3 },
        { labelWithText(page, QStringLiteral("Vers:")), 7, 0, 1, 1 },
        { labelWithText(page, QStringLiteral("1.2.3")), 7, 1, 1, 3 },
        { labelWithText(page,
                        QStringLiteral("Clicking on SAVE will reboot your\nVANTIR Ovix-Speakers!")),
          8, 0, 1, 4 },
        { buttonWithText(page, QStringLiteral("<< Back")), 9, 2, 1, 1 },
        { saveButton(page), 9, 3, 1, 1 },
    };
    QCOMPARE(grid->count(), cells.count());
    for (const Cell &cell : cells) {
        QVERIFY(cell.widget);
        const int index = grid->indexOf(cell.widget);
        QVERIFY(index >= 0);
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(row, cell.row);
        QCOMPARE(column, cell.column);
        QCOMPARE(rowSpan, cell.rowSpan);
        QCOMPARE(columnSpan, cell.columnSpan);
    }

    buttonWithText(page, QStringLiteral("<< Back"))->click();
    QVERIFY(!page->isVisible());
    QVERIFY(topLevelPages<Client_Settings>().contains(page));
}

void tst_Client_Settings::labelsCopiedOnce()
{
    Client_Settings *page = shownPage();
    wizardData.model = QStringLiteral("Ovix Two");
    wizardData.ip = QStringLiteral("192.168.1.30");
    QVERIFY(labelWithText(page, QStringLiteral("Ovix One")));
    QVERIFY(labelWithText(page, QStringLiteral("192.168.1.20")));
    QVERIFY(!labelWithText(page, QStringLiteral("Ovix Two")));
    QVERIFY(!labelWithText(page, QStringLiteral("192.168.1.30")));
}

void tst_Client_Settings::markupStaysLiteral()
{
    wizardData.model = QStringLiteral("<b>Ovix</b>");
    wizardData.ssid = QStringLiteral("<a href=\"http://127.0.0.1:1/\">Free WLAN</a>");
    wizardData.ip = QStringLiteral("<img src=\":/GRAFX/Ovix_640px.png\">");
    wizardData.softwareVer = QStringLiteral("<i>1.0</i>");
    Client_Settings *page = shownPage();
    for (const QString &text :
         { wizardData.model, wizardData.ssid, wizardData.ip, wizardData.softwareVer }) {
        QLabel *label = labelWithText(page, text);
        QVERIFY2(label, qPrintable(text));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(!label->openExternalLinks());
    }
}

void tst_Client_Settings::saveUntouched()
{
    MessageBoxCloser closer;
    Client_Settings *page = shownPage();
    saveButton(page)->click();

    QTRY_COMPARE(closer.boxes.count(), 1);
    QCOMPARE(server->requests().count(), 1);
    QCOMPARE(server->requests().first().body, setconfigBody("VANTIR Ovix", "", "HomeNet"));
    QCOMPARE(closer.boxes.first().title, QStringLiteral("Info"));
    QCOMPARE(closer.boxes.first().text, QStringLiteral("Success"));
    QCOMPARE(closer.boxes.first().buttons, QStringList(QStringLiteral("OK")));
    QCOMPARE(closer.boxes.first().parent.data(), page);
    QVERIFY(!page->isVisible());

    const QStringList expected {
        QStringLiteral("CONFIG STRING: >>>") +
            QString::fromUtf8(setconfigBody("VANTIR Ovix", "", "HomeNet")) +
            QStringLiteral("<<<\n\n"),
        QStringLiteral("reply received"), QStringLiteral("\"{\\\"returncode\\\": \\\"0\\\"}\"")
    };
    QCOMPARE(debugLines(), expected);
}

void tst_Client_Settings::enterInPasswordSaves()
{
    MessageBoxCloser closer;
    Client_Settings *page = shownPage();
    QVERIFY(QTest::qWaitForWindowActive(page));
    nameEdit(page)->setText(QStringLiteral("Küche"));
    passwordEdit(page)->setFocus();
    QTest::keyClicks(passwordEdit(page), QStringLiteral("se\"cret"));
    QTest::keyClick(passwordEdit(page), Qt::Key_Return);

    QTRY_COMPARE(closer.boxes.count(), 1);
    QCOMPARE(server->requests().count(), 1);
    QCOMPARE(server->requests().first().body,
             setconfigBody("K\xc3\xbc"
                           "che",
                           "se\\\"cret", "HomeNet"));
    // The password reaches the speaker but not the log.
    QVERIFY(!debugLines().join(QLatin1Char('\n')).contains(QLatin1String("cret")));
}

void tst_Client_Settings::twoPresses()
{
    MessageBoxCloser closer;
    Client_Settings *page = shownPage();
    saveButton(page)->click();
    saveButton(page)->click();
    QTRY_COMPARE(closer.boxes.count(), 2);
    QCOMPARE(server->requests().count(), 2);
    QCOMPARE(server->requests().at(0).body, server->requests().at(1).body);
    QCOMPARE(debugLines().count(QStringLiteral("reply received")), 2);
    QVERIFY(!page->isVisible());
}

void tst_Client_Settings::unusableAnswer_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty object") << QByteArray("{}")
                                  << QStringList { QStringLiteral("\"{}\""),
                                                   QStringLiteral("Object is empty") };
    QTest::newRow("array") << QByteArray("[]")
                           << QStringList { QStringLiteral("\"[]\""),
                                            QStringLiteral("Object is empty") };
    QTest::newRow("plain text") << QByteArray("saved")
                                << QStringList { QStringLiteral("\"saved\""),
                                                 QStringLiteral("Document is NULL") };
    QTest::newRow("nothing") << QByteArray()
                             << QStringList { QStringLiteral("\"\""),
                                              QStringLiteral("Document is NULL") };
}

void tst_Client_Settings::unusableAnswer()
{
    QFETCH(QByteArray, answer);
    QFETCH(QStringList, lines);
    MessageBoxCloser closer;
    Client_Settings *page = shownPage();
    ScriptedResponse response;
    response.body = answer;
    server->enqueue(response);
    saveButton(page)->click();

    QTRY_COMPARE(debugLines().count(), 4);
    QCOMPARE(debugLinesFrom(QStringLiteral("reply received")),
             QStringList(QStringLiteral("reply received")) + lines);
    QTest::qWait(20);
    QVERIFY(closer.boxes.isEmpty());
    QVERIFY(page->isVisible());
    QVERIFY(saveButton(page)->isEnabled());
}

void tst_Client_Settings::httpErrorStatus_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("500 with object") << 500 << QByteArray("{\"returncode\": \"0\"}");
    QTest::newRow("404 with object") << 404 << QByteArray("{\"error\": \"not found\"}");
    QTest::newRow("503 empty") << 503 << QByteArray();
}

void tst_Client_Settings::httpErrorStatus()
{
    QFETCH(int, status);
    QFETCH(QByteArray, answer);
    MessageBoxCloser closer;
    Client_Settings *page = shownPage();
    server->enqueue(ScriptedResponse::json(answer, status));
    saveButton(page)->click();

    QTRY_COMPARE(debugLines().count(), 4);
    const QStringList tail = debugLinesFrom(QStringLiteral("reply received"));
    QCOMPARE(tail.count(), 3);
    QCOMPARE(tail.last(), QStringLiteral("HTTP error status %1").arg(status));
    QTest::qWait(20);
    QVERIFY(closer.boxes.isEmpty());
    QVERIFY(page->isVisible());
    QVERIFY(saveButton(page)->isEnabled());

    // The next try that the speaker accepts is a success.
    saveButton(page)->click();
    QTRY_COMPARE(closer.boxes.count(), 1);
    QCOMPARE(closer.boxes.first().text, QStringLiteral("Success"));
    QCOMPARE(server->requests().count(), 2);
}

QTEST_MAIN(tst_Client_Settings)
#include "tst_client_settings.moc"
