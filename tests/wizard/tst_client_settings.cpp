#include "capturingserver.h"
#include "client_settings.h"
#include "declaredmethods.h"
#include "messagelog.h"
#include "pagetest.h"
#include "setconfig.h"
#include "speakerapi.h"
#include "wizarddata.h"

#include <QLineEdit>
#include <QTest>

Q_DECLARE_METATYPE(ScriptedResponse)

namespace {
const char Refused[] = "The speaker refused the settings.\nPlease check them and press SAVE again.";
const char NoAnswer[] = "The speaker did not answer.\nIt may have taken the settings and be "
                        "restarting:\nwait a minute and look for it in the speaker list\nbefore "
                        "you try again.";
} // namespace

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
    void saveOutcome_data();
    void saveOutcome();
    void sendsWhereBuilt();
    void successHidesOnlyItself();

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
    SpeakerApi::setTransferTimeout(SpeakerApi::DefaultTransferTimeout);
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
             QStringList({ QStringLiteral("signal settingsSaved(QString)"),
                           QStringLiteral("private slot replyFinished(QNetworkReply*)"),
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

// What the speaker did with a save, and what the page tells: "Success" only for a whole 2xx
// answer that is a non-empty object without a refusing "returncode". Each press sends one
// request; Qt itself sends it once more when the connection closed without any answer.
void tst_Client_Settings::saveOutcome_data()
{
    QTest::addColumn<ScriptedResponse>("response");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("lines"); // after the arrival line and the body line
    QTest::addColumn<int>("sent");

    const QString success = QStringLiteral("Success");
    const auto json = [](const char *body, int status = 200) {
        return ScriptedResponse::json(body, status);
    };
    QTest::newRow("returncode 0") << json("{\"returncode\": \"0\"}") << success << QStringList()
                                  << 1;
    QTest::newRow("no returncode") << json("{\"saved\": true}") << success << QStringList() << 1;
    QTest::newRow("returncode 0 as a number")
        << json("{\"returncode\": 0}") << success << QStringList() << 1;
    QTest::newRow("returncode 1")
        << json("{\"returncode\": \"1\", \"error\": \"wrong password, not saved\"}") << Refused
        << QStringList({ "Refused, returncode QJsonValue(string, \"1\")" }) << 1;
    QTest::newRow("returncode empty")
        << json("{\"returncode\": \"\"}") << Refused
        << QStringList({ "Refused, returncode QJsonValue(string, \"\")" }) << 1;
    QTest::newRow("400 with returncode 0") << json("{\"returncode\": \"0\"}", 400) << Refused
                                           << QStringList({ "HTTP error status 400" }) << 1;
    QTest::newRow("500 with text")
        << json("internal error", 500) << Refused
        << QStringList({ "Document is NULL", "HTTP error status 500" }) << 1;
    ScriptedResponse redirect = json("{\"returncode\": \"0\"}", 302);
    redirect.headers.append(qMakePair(QByteArray("Location"), QByteArray("/elsewhere")));
    QTest::newRow("302 redirect") << redirect << Refused << QStringList({ "HTTP error status 302" })
                                  << 1;
    QTest::newRow("empty object") << json("{}") << NoAnswer << QStringList({ "Object is empty" })
                                  << 1;
    QTest::newRow("array") << json("[{\"returncode\": \"0\"}]") << NoAnswer
                           << QStringList({ "Object is empty" }) << 1;
    QTest::newRow("plain text") << json("saved") << NoAnswer << QStringList({ "Document is NULL" })
                                << 1;
    ScriptedResponse cutShort = json("{\"returncode\": \"0\"}");
    cutShort.framing = ScriptedResponse::ClaimedLength;
    cutShort.claimedLength = 1000;
    QTest::newRow("closed after the object")
        << cutShort << NoAnswer
        << QStringList({ "Transfer failed: QNetworkReply::RemoteHostClosedError" }) << 1;
    ScriptedResponse reset;
    reset.framing = ScriptedResponse::Reset;
    QTest::newRow("closed without answer")
        << reset << NoAnswer
        << QStringList(
               { "Document is NULL", "Transfer failed: QNetworkReply::RemoteHostClosedError" })
        << 2;
    ScriptedResponse silence;
    silence.held = true;
    QTest::newRow("silence") << silence << NoAnswer
                             << QStringList(
                                    { "Document is NULL", "Transfer failed: no answer in time" })
                             << 1;
    ScriptedResponse away; // status 0: nobody listens
    away.status = 0;
    QTest::newRow("refused connection")
        << away << NoAnswer
        << QStringList(
               { "Document is NULL", "Transfer failed: QNetworkReply::ConnectionRefusedError" })
        << 0;
}

void tst_Client_Settings::saveOutcome()
{
    QFETCH(ScriptedResponse, response);
    QFETCH(QString, box);
    QFETCH(QStringList, lines);
    QFETCH(int, sent);

    MessageBoxCloser closer;
    if (response.held)
        SpeakerApi::setTransferTimeout(300);
    Client_Settings *page = shownPage();
    if (response.status == 0)
        server->close();
    else
        server->setDefaultResponse(response); // also for what Qt sends again
    saveButton(page)->click();

    QTRY_COMPARE(closer.boxes.count(), 1);
    QCOMPARE(closer.boxes.first().title, QStringLiteral("Info"));
    QCOMPARE(closer.boxes.first().text, box);
    QCOMPARE(closer.boxes.first().buttons, QStringList(QStringLiteral("OK")));
    QCOMPARE(closer.boxes.first().parent.data(), page);
    QCOMPARE(log->debugLines(QStringLiteral("reply received")).mid(2), lines);
    QCOMPARE(server->requests().count(), sent);
    // Only a save leaves the page; after a failure SAVE can be pressed again.
    QCOMPARE(page->isVisible(), box != QLatin1String("Success"));
    QVERIFY(saveButton(page)->isEnabled());
    QTest::qWait(20);
    QCOMPARE(closer.boxes.count(), 1);
}

// The page sends to the speaker and with the WLAN that it shows, whatever was chosen since.
void tst_Client_Settings::sendsWhereBuilt()
{
    CapturingServer other;
    QVERIFY(other.listen());
    MessageBoxCloser closer;
    Client_Settings *page = shownPage();
    wizardData.url = other.url();
    wizardData.ssid = QStringLiteral("OtherNet");

    saveButton(page)->click();
    QTRY_COMPARE(closer.boxes.count(), 1);
    QCOMPARE(server->requests().count(), 1);
    QCOMPARE(server->requests().first().body, setconfigBytes("VANTIR Ovix", "", "HomeNet"));
    QCOMPARE(other.requests().count(), 0);
}

// A saved page hides itself, not the newest settings page.
void tst_Client_Settings::successHidesOnlyItself()
{
    MessageBoxCloser closer;
    Client_Settings *older = shownPage();
    Client_Settings *newer = shownPage();
    saveButton(older)->click();
    QTRY_COMPARE(closer.boxes.count(), 1);
    QCOMPARE(closer.boxes.first().text, QStringLiteral("Success"));
    QVERIFY(!older->isVisible());
    QVERIFY(newer->isVisible());
}

QTEST_MAIN(tst_Client_Settings)
#include "tst_client_settings.moc"
