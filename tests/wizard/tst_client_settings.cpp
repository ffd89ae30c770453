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
    void labelsCopiedOnce();
    void markupStaysLiteral();
    void saveUntouched();
    void enterInPasswordSaves();
    void twoPresses();
    void unusableAnswer_data();
    void unusableAnswer();

private:
    Client_Settings *shownPage();
    QLineEdit *nameEdit(Client_Settings *page);
    QLineEdit *passwordEdit(Client_Settings *page);
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
    QCOMPARE(declaredMethods(Client_Settings::staticMetaObject),
             QStringList({ QStringLiteral("private slot replyFinished(QNetworkReply*)"),
                           QStringLiteral("private slot setSSID()") }));
}

void tst_Client_Settings::startState()
{
    Client_Settings *page = shownPage();
    QCOMPARE(page->windowTitle(), QStringLiteral("Speaker WLAN Settings"));
    QCOMPARE(nameEdit(page)->text(), QStringLiteral("VANTIR Ovix"));
    QCOMPARE(passwordEdit(page)->text(), QString());
    QCOMPARE(passwordEdit(page)->echoMode(), QLineEdit::Normal);
    QVERIFY(saveButton(page)->isDefault());
    for (const char *text :
         { "Model:", "Ovix One", "WLAN:", "HomeNet", "IP Addr:", "192.168.1.20", "Vers:", "1.2.3" })
        QVERIFY2(labelWithText(page, QString::fromUtf8(text)), text);

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
    QCOMPARE(server->requests().first().body, setconfigBytes("VANTIR Ovix", "", "HomeNet"));
    QCOMPARE(closer.boxes.first().title, QStringLiteral("Info"));
    QCOMPARE(closer.boxes.first().text, QStringLiteral("Success"));
    QCOMPARE(closer.boxes.first().buttons, QStringList(QStringLiteral("OK")));
    QCOMPARE(closer.boxes.first().parent.data(), page);
    QVERIFY(!page->isVisible());

    const QStringList expected {
        QStringLiteral("CONFIG STRING: >>>") +
            QString::fromUtf8(setconfigBytes("VANTIR Ovix", "", "HomeNet")) +
            QStringLiteral("<<<\n\n"),
        QStringLiteral("reply received"), QStringLiteral("\"{\\\"returncode\\\": \\\"0\\\"}\"")
    };
    QCOMPARE(log->debugLines(), expected);
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
             setconfigBytes("K\xc3\xbc"
                            "che",
                            "se\\\"cret", "HomeNet"));
    // The password reaches the speaker but not the log.
    QVERIFY(!log->debugLines().join(QLatin1Char('\n')).contains(QLatin1String("cret")));
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
    QCOMPARE(log->debugLines().count(QStringLiteral("reply received")), 2);
    QVERIFY(!page->isVisible());
}

void tst_Client_Settings::unusableAnswer_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("why");
    QTest::newRow("empty object") << 200 << QByteArray("{}") << QStringLiteral("Object is empty");
    QTest::newRow("array") << 200 << QByteArray("[]") << QStringLiteral("Object is empty");
    QTest::newRow("plain text") << 200 << QByteArray("saved") << QStringLiteral("Document is NULL");
    QTest::newRow("nothing") << 200 << QByteArray() << QStringLiteral("Document is NULL");
    QTest::newRow("500 with object")
        << 500 << QByteArray("{\"returncode\": \"0\"}") << QStringLiteral("HTTP error status 500");
    QTest::newRow("404 with object") << 404 << QByteArray("{\"error\": \"not found\"}")
                                     << QStringLiteral("HTTP error status 404");
    QTest::newRow("503 empty") << 503 << QByteArray() << QStringLiteral("HTTP error status 503");
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
