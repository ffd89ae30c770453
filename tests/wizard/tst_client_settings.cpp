#include "capturingserver.h"
#include "client_settings.h"
#include "declaredmethods.h"
#include "messagelog.h"
#include "pagetest.h"
#include "setconfig.h"
#include "wizarddata.h"

#include <QLineEdit>
#include <QTest>

class tst_Client_Settings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void slotOrder();
    void startState();
    void markupStaysLiteral();
    void saveTwice();
    void enterInPasswordSaves();
    void unusableAnswer_data();
    void unusableAnswer();

private:
    Client_Settings *shownPage();
    // The name edit, then the password edit.
    QLineEdit *edit(Client_Settings *page, int index)
    {
        return page->findChildren<QLineEdit *>().value(index);
    }
    QPushButton *saveButton(Client_Settings *page)
    {
        return buttonWithText(page, QStringLiteral("SAVE"));
    }

    CapturingServer *server = nullptr;
    QScopedPointer<MessageLog> log;
};

void tst_Client_Settings::initTestCase()
{
    log.reset(new MessageLog);
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
    log->clear();
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

void tst_Client_Settings::slotOrder()
{
    QCOMPARE(declaredMethods(Client_Settings::staticMetaObject),
             QStringList({ QStringLiteral("private slot replyFinished(QNetworkReply*)"),
                           QStringLiteral("private slot setSSID()") }));
}

void tst_Client_Settings::startState()
{
    Client_Settings *page = shownPage();
    QCOMPARE(edit(page, 0)->text(), QStringLiteral("VANTIR Ovix"));
    QCOMPARE(edit(page, 1)->text(), QString());
    QCOMPARE(edit(page, 1)->echoMode(), QLineEdit::Normal);
    QVERIFY(saveButton(page)->isDefault());
    // The labels keep the record as it was when the page was built.
    wizardData = WizardData();
    for (const char *text : { "Ovix One", "HomeNet", "192.168.1.20", "1.2.3" })
        QVERIFY2(labelWithText(page, QString::fromUtf8(text)), text);

    buttonWithText(page, QStringLiteral("<< Back"))->click();
    QVERIFY(!page->isVisible());
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
    }
}

// Two presses before the answer: two requests and two boxes. Untouched, the page sends the
// default name and an empty password.
void tst_Client_Settings::saveTwice()
{
    MessageBoxCloser closer;
    Client_Settings *page = shownPage();
    saveButton(page)->click();
    saveButton(page)->click();

    QTRY_COMPARE(closer.boxes.count(), 2);
    const QByteArray body = setconfigBytes("VANTIR Ovix", "", "HomeNet");
    QCOMPARE(server->requests().count(), 2);
    QCOMPARE(server->requests().at(0).body, body);
    QCOMPARE(server->requests().at(1).body, body);
    for (const ShownBox &box : qAsConst(closer.boxes)) {
        QCOMPARE(box.title, QStringLiteral("Info"));
        QCOMPARE(box.text, QStringLiteral("Success"));
        QCOMPARE(box.buttons, QStringList(QStringLiteral("OK")));
        QCOMPARE(box.parent.data(), page);
    }
    QVERIFY(!page->isVisible());

    const QString config =
        QStringLiteral("CONFIG STRING: >>>%1<<<\n\n").arg(QString::fromUtf8(body));
    const QString answer = QStringLiteral("\"{\\\"returncode\\\": \\\"0\\\"}\"");
    QCOMPARE(log->debugLines(),
             QStringList({ config, config, "reply received", answer, "reply received", answer }));
}

// Return in the password field saves too; the password reaches the speaker, the log shows it
// masked.
void tst_Client_Settings::enterInPasswordSaves()
{
    MessageBoxCloser closer;
    Client_Settings *page = shownPage();
    QVERIFY(QTest::qWaitForWindowActive(page));
    edit(page, 1)->setFocus();
    QTest::keyClicks(edit(page, 1), QStringLiteral("secret"));
    QTest::keyClick(edit(page, 1), Qt::Key_Return);

    QTRY_COMPARE(closer.boxes.count(), 1);
    QCOMPARE(server->requests().first().body, setconfigBytes("VANTIR Ovix", "secret", "HomeNet"));
    QCOMPARE(log->debugLines().first(),
             QStringLiteral("CONFIG STRING: >>>") +
                 QString::fromUtf8(setconfigBytes("VANTIR Ovix", "********", "HomeNet")) +
                 QStringLiteral("<<<\n\n"));
}

// The answers that the reply procedure does not take, and one it takes but for its status.
void tst_Client_Settings::unusableAnswer_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("why");
    QTest::newRow("empty object") << 200 << QByteArray("{}") << QStringLiteral("Object is empty");
    QTest::newRow("plain text") << 200 << QByteArray("saved") << QStringLiteral("Document is NULL");
    QTest::newRow("500 with object")
        << 500 << QByteArray("{\"returncode\": \"0\"}") << QStringLiteral("HTTP error status 500");
}

void tst_Client_Settings::unusableAnswer()
{
    QFETCH(int, status);
    QFETCH(QByteArray, answer);
    QFETCH(QString, why);
    MessageBoxCloser closer;
    Client_Settings *page = shownPage();
    server->enqueue(ScriptedResponse::json(answer, status));
    saveButton(page)->click();

    QTRY_COMPARE(log->debugLines().count(), 4);
    const QString shown = QLatin1Char('"') +
        QString::fromUtf8(answer).replace(QLatin1String("\""), QLatin1String("\\\"")) +
        QLatin1Char('"');
    QCOMPARE(log->debugLines(QStringLiteral("reply received")),
             QStringList({ QStringLiteral("reply received"), shown, why }));
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
