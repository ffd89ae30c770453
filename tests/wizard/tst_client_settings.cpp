#include "busyindicator.h"
#include "byterules.h"
#include "capturingserver.h"
#include "client_settings.h"
#include "declaredmethods.h"
#include "messagelog.h"
#include "pagetest.h"
#include "setconfig.h"
#include "settingssave.h"
#include "speakerapi.h"
#include "startup.h"
#include "wizarddata.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QTranslator>

Q_DECLARE_METATYPE(ScriptedResponse)

namespace {
const char Refused[] = "The speaker refused the settings. Check the name and the password, then "
                       "press SAVE again.";
const char NoAnswer[] = "The speaker did not answer. It may have taken the settings and be "
                        "restarting: wait a minute and look for it in the speaker list before you "
                        "try again.";
const char Unusable[] =
    "The speaker's answer could not be used, so it is not known whether it took "
    "the settings. Wait a minute and look for it in the speaker list before "
    "you try again.";
const char TooLarge[] = "The speaker's answer was too large to use, so it is not known whether it "
                        "took the settings. Wait a minute and look for it in the speaker list "
                        "before you try again.";
const char NotSent[] = "The settings were not sent: the speaker could not be reached, so it is as "
                       "it was. Check that it is switched on and on the same network as this "
                       "computer, then press SAVE again.";
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
    void workingValuesOnly();
    void fieldsDescribed_data();
    void fieldsDescribed();
    void byteRule_data();
    void byteRule();
    void oneSaveAtATime();
    void boxAfterConnectionEnds();
    void enterInPasswordSaves();
    void saveOutcome_data();
    void saveOutcome();
    void longRefusalShown_data();
    void longRefusalShown();
    void sendsWhereBuilt();
    void successHidesOnlyItself();
    void typedWlan_data();
    void typedWlan();
    void maskedPassword();
    void passwordOfferedAsShown();

private:
    Client_Settings *shownPage(const NetworkWaits &waits = NetworkWaits());
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
    // Asked right before SAVE sends, the speaker is still the one the page was opened for.
    server->setQueryResponse(ScriptedResponse::json("{\"deviceinfo\": {\"model\": \"Ovix One\"}}"));
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
Client_Settings *tst_Client_Settings::shownPage(const NetworkWaits &waits)
{
    Client_Settings *page = new Client_Settings(nullptr, Client_Settings::WlanEntry::Chosen, waits);
    settingsPage = page;
    page->show();
    return page;
}

void tst_Client_Settings::slotOrder()
{
    QCOMPARE(declaredMethods(Client_Settings::staticMetaObject),
             QStringList({ QStringLiteral("signal saveStarted(SettingsSave*)"),
                           QStringLiteral("private slot setSSID()"),
                           QStringLiteral("private slot updateSaveButton()"),
                           QStringLiteral("private slot showPassword(bool)"),
                           QStringLiteral("private slot readComputerPassword()"),
                           QStringLiteral("private slot updatePasswordControls()"),
                           QStringLiteral("private slot updateNetworkLine()") }));
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
    wizardData.listedName = QStringLiteral("<u>Kitchen</u>");
    Client_Settings *page = shownPage();
    for (const QString &text :
         { wizardData.model, wizardData.ssid, wizardData.ip, wizardData.softwareVer,
           QStringLiteral("Speaker: <u>Kitchen</u>") }) {
        QLabel *label = labelWithText(page, text);
        QVERIFY2(label, qPrintable(text));
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }
}

// The name the speaker told, and SAVE only for values that can work (the rule's cases are the
// speaker interface's test); the line under the password says why not.
void tst_Client_Settings::workingValuesOnly()
{
    wizardData.name = QStringLiteral("Ovix Kitchen");
    wizardData.encryptType = QStringLiteral("WPA2PSK");
    Client_Settings *page = shownPage();
    QCOMPARE(edit(page, 0)->text(), QStringLiteral("Ovix Kitchen"));
    const QString wpaHint = QStringLiteral(
        "The password of this WLAN is too short: at least 8 characters, or 64 hexadecimal digits.");
    QVERIFY(!saveButton(page)->isEnabled());
    QVERIFY(labelWithText(page, wpaHint));
    edit(page, 1)->setText(QStringLiteral("12345678"));
    QVERIFY(saveButton(page)->isEnabled());
    QVERIFY(!labelWithText(page, wpaHint));
    edit(page, 0)->setText(QStringLiteral(" "));
    QVERIFY(!saveButton(page)->isEnabled());
    QVERIFY(labelWithText(page, QStringLiteral("Enter a name for the speaker.")));
}

void tst_Client_Settings::fieldsDescribed_data()
{
    QTest::addColumn<QString>("encryptType");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("nameDescription");
    QTest::addColumn<QString>("passwordDescription");

    const QString wpa = QStringLiteral("WPA2PSK");
    QTest::newRow("fine") << wpa << "Ovix Kitchen"
                          << "12345678" << QString() << QString();
    QTest::newRow("blank name") << wpa << " "
                                << "12345678"
                                << "Enter a name for the speaker." << QString();
    QTest::newRow("name too long")
        << wpa << QString(64, QLatin1Char('x')) << "12345678"
        << "The name is too long: at most 63 characters, and letters such as ä count twice."
        << QString();
    QTest::newRow("password too short")
        << wpa << "Ovix Kitchen"
        << "1234" << QString()
        << "The password of this WLAN is too short: at least 8 characters, or 64 hexadecimal "
           "digits.";
    QTest::newRow("password too long")
        << wpa << "Ovix Kitchen" << QString(64, QLatin1Char('x')) << QString()
        << "The password of this WLAN is too long: at most 63 characters (letters such as ä count "
           "twice), or 64 hexadecimal digits.";
    QTest::newRow("password missing")
        << "WEP"
        << "Ovix Kitchen" << QString() << QString() << "Enter the password of this WLAN.";
    // One line at a time: the name's first.
    QTest::newRow("blank name, short password") << wpa << ""
                                                << "1234"
                                                << "Enter a name for the speaker." << QString();
}

// Screen readers hear why SAVE is not available in the field it is about, as the user types
// there; the other field is described by nothing.
void tst_Client_Settings::fieldsDescribed()
{
    QFETCH(QString, encryptType);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, nameDescription);
    QFETCH(QString, passwordDescription);

    wizardData.encryptType = encryptType;
    Client_Settings *page = shownPage();
    // From a page where each field has had a description, to this one.
    edit(page, 0)->setText(QStringLiteral(" "));
    edit(page, 0)->setText(QStringLiteral("Ovix"));
    edit(page, 1)->setText(QString(64, QLatin1Char('x')));
    edit(page, 0)->setText(name);
    edit(page, 1)->setText(password);
    QCOMPARE(edit(page, 0)->accessibleDescription(), nameDescription);
    QCOMPARE(edit(page, 1)->accessibleDescription(), passwordDescription);
    QVERIFY(labelWithText(page, nameDescription + passwordDescription));
}

void tst_Client_Settings::byteRule_data()
{
    addByteRuleRows();
}

// Each value of the rule as the name, then as the password: SAVE only where it can work, else the
// line says in the user's words what is wrong, and the field it is about says so too. Neither the
// button nor Enter sends anything.
void tst_Client_Settings::byteRule()
{
    QFETCH(QString, value);
    QFETCH(SpeakerApi::SettingsProblem, asName);
    QFETCH(SpeakerApi::SettingsProblem, asPassword);

    const int at = SpeakerApi::controlCharacterAt(value);
    const ushort code = at < 0 ? 0 : value.at(at).unicode();
    const QString character = code == '\n' || code == '\r' ? QStringLiteral("a line break")
        : code == '\t'                                     ? QStringLiteral("a tab")
                       : QString::asprintf("the character U+%04X", code);
    const QMap<SpeakerApi::SettingsProblem, QString> hints = {
        { SpeakerApi::SettingsProblem::None, QString() },
        { SpeakerApi::SettingsProblem::NameControlCharacter,
          "The name contains " + character + ", which is not allowed." },
        { SpeakerApi::SettingsProblem::NameBlankEdges,
          QStringLiteral("The name must not start or end with a space.") },
        { SpeakerApi::SettingsProblem::PasswordControlCharacter,
          "The password contains " + character + ", which is not allowed." }
    };
    wizardData.encryptType = QStringLiteral("WPA2PSK");
    Client_Settings *page = shownPage();
    for (int field = 0; field < 2; ++field) {
        edit(page, 0)->setText(field == 0 ? value : QStringLiteral("Ovix Kitchen"));
        edit(page, 1)->setText(field == 1 ? value : QStringLiteral("Sommer-2024!"));
        QVERIFY(hints.contains(field == 0 ? asName : asPassword));
        const QString hint = hints.value(field == 0 ? asName : asPassword);
        QCOMPARE(saveButton(page)->isEnabled(), hint.isEmpty());
        QCOMPARE(edit(page, field)->accessibleDescription(), hint);
        QCOMPARE(edit(page, 1 - field)->accessibleDescription(), QString());
        if (hint.isEmpty())
            continue;
        QVERIFY(labelWithText(page, hint));
        saveButton(page)->click();
        QTest::keyClick(edit(page, field), Qt::Key_Return);
        QVERIFY(!page->findChild<SettingsSave *>());
    }
}

// While a save is in flight, the page shows that it waits and takes no second one (a held
// answer, three presses of Enter); the answer ends the wait and a refusal gives SAVE back.
void tst_Client_Settings::oneSaveAtATime()
{
    MessageBoxCloser closer;
    ScriptedResponse held = ScriptedResponse::json("{\"returncode\": \"1\"}");
    held.held = true;
    server->setDefaultResponse(held);
    Client_Settings *page = shownPage();
    QVERIFY(QTest::qWaitForWindowActive(page));
    BusyIndicator *busy = page->findChild<BusyIndicator *>();
    QVERIFY(!busy->isVisible());
    for (int press = 0; press < 3; ++press)
        QTest::keyClick(edit(page, 1), Qt::Key_Return);

    QTRY_COMPARE(server->requests("setconfig").count(), 1);
    QVERIFY(!saveButton(page)->isEnabled());
    QVERIFY(!buttonWithText(page, QStringLiteral("<< Back"))->isEnabled());
    QVERIFY(busy->isVisible());
    QVERIFY(labelWithText(busy, QStringLiteral("Sending the settings to the speaker…")));
    // Escape and the close button do what the disabled "<< Back" does: nothing.
    QTest::keyClick(page, Qt::Key_Escape);
    QVERIFY(!page->close());
    QVERIFY(page->isVisible());

    server->releaseHeld();
    QTRY_COMPARE(closer.boxes.count(), 1);
    QCOMPARE(closer.boxes.first().text, QString::fromUtf8(Refused));
    QVERIFY(saveButton(page)->isEnabled());
    QVERIFY(buttonWithText(page, QStringLiteral("<< Back"))->isEnabled());
    QVERIFY(!busy->isVisible());
    QCOMPARE(server->requests("setconfig").count(), 1);
}

// The box comes after the request has ended: the connection of a silent speaker is closed
// while the box is still open.
void tst_Client_Settings::boxAfterConnectionEnds()
{
    NetworkWaits waits;
    waits.requestDeadline = std::chrono::milliseconds(200);
    ScriptedResponse silence;
    silence.held = true;
    server->setDefaultResponse(silence);
    Client_Settings *page = shownPage(waits);
    saveButton(page)->click();
    QTRY_COMPARE(server->openConnections(), 1);

    // Watched from a timer: a box with its own event loop would hold the test here.
    int looks = 0;
    bool closedWhileShown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QMessageBox *box = page->findChild<QMessageBox *>();
        if (!box || !box->isVisible())
            return;
        closedWhileShown = server->openConnections() == 0;
        if (closedWhileShown || ++looks > 100)
            box->buttons().first()->click();
    });
    watch.start(10);
    QTRY_VERIFY(closedWhileShown || looks > 100);
    QVERIFY(closedWhileShown);
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
    QCOMPARE(server->requests("setconfig").first().body,
             setconfigBytes("VANTIR Ovix", "secret", "HomeNet"));
    QCOMPARE(log->debugLines().filter(QStringLiteral("CONFIG STRING")).first(),
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
        << json("{\"returncode\": \"1\", \"error\": \"wrong password, not saved\"}")
        << "The speaker refused the settings (\"wrong password, not saved\"). Check the name and "
           "the password, then press SAVE again."
        << QStringList({ "Refused, returncode QJsonValue(string, \"1\")" }) << 1;
    QTest::newRow("returncode empty")
        << json("{\"returncode\": \"\"}") << Refused
        << QStringList({ "Refused, returncode QJsonValue(string, \"\")" }) << 1;
    QTest::newRow("400 with returncode 0") << json("{\"returncode\": \"0\"}", 400) << Refused
                                           << QStringList({ "HTTP error status 400" }) << 1;
    QTest::newRow("500 with text")
        << json("internal error", 500) << Refused
        << QStringList({ "Document is NULL", "HTTP error status 500" }) << 1;
    // The speaker's own words, also with an error status.
    QTest::newRow("400 with a reason")
        << json("{\"message\": \" <b>name</b> too long \", \"returncode\": \"0\"}", 400)
        << "The speaker refused the settings (\"<b>name</b> too long\"). Check the name and the "
           "password, then press SAVE again."
        << QStringList({ "HTTP error status 400" }) << 1;
    ScriptedResponse redirect = json("{\"returncode\": \"0\"}", 302);
    redirect.headers.append(qMakePair(QByteArray("Location"), QByteArray("/elsewhere")));
    QTest::newRow("302 redirect")
        << redirect
        << "The speaker's answer could not be used, so it is not known whether it took the "
           "settings. Wait a minute and look for it in the speaker list before you try again."
        << QStringList({ "HTTP error status 302" }) << 1;
    // An answer that cannot be read is not silence.
    QTest::newRow("empty object") << json("{}") << Unusable << QStringList({ "Object is empty" })
                                  << 1;
    QTest::newRow("array") << json("[{\"returncode\": \"0\"}]") << Unusable
                           << QStringList({ "Object is empty" }) << 1;
    QTest::newRow("plain text") << json("saved") << Unusable << QStringList({ "Document is NULL" })
                                << 1;
    QTest::newRow("too many parts")
        << json(QByteArray("{\"returncode\": \"0\", \"a\": [") + QByteArray("[],").repeated(10000) +
                "[]]}")
        << TooLarge << QStringList({ "Answer not read: 10003 objects and arrays, more than 10000" })
        << 1;
    ScriptedResponse large = json("{\"returncode\": \"0\"}");
    large.framing = ScriptedResponse::ClaimedLength;
    large.claimedLength = SpeakerApi::MaxReplySize + 1;
    QTest::newRow("too large") << large << TooLarge << QStringList({ "Document is NULL" }) << 1;
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
    ScriptedResponse stop;
    stop.framing = ScriptedResponse::ResetAndStop;
    QTest::newRow("sent, then refused")
        << stop << NoAnswer
        << QStringList(
               { "Document is NULL", "Transfer failed: QNetworkReply::ConnectionRefusedError" })
        << 1;
    ScriptedResponse away; // status 0: nobody listens
    away.status = 0;
    QTest::newRow("refused connection")
        << away << NotSent
        << QStringList({ "Document is NULL",
                         "Transfer failed: QNetworkReply::ConnectionRefusedError",
                         "Settings not sent: no answer to the device query" })
        << 0;
}

void tst_Client_Settings::saveOutcome()
{
    QFETCH(ScriptedResponse, response);
    QFETCH(QString, box);
    QFETCH(QStringList, lines);
    QFETCH(int, sent);

    MessageBoxCloser closer;
    NetworkWaits waits;
    if (response.held)
        waits.requestDeadline = std::chrono::milliseconds(300);
    Client_Settings *page = shownPage(waits);
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
    QVERIFY(closer.boxes.first().allTextShown);
    // The lines after the last answer's body: of the settings, or of the device query before.
    const QStringList written = log->debugLines();
    int answer = written.size() - 1;
    while (answer >= 0 && !written.at(answer).endsWith(QLatin1String("reply received")))
        --answer;
    QCOMPARE(written.mid(answer + 2), lines);
    QCOMPARE(server->requests("setconfig").count(), sent);
    // No warning of Qt's for reading a timed-out reply.
    for (const QString &line : log->lines())
        QVERIFY2(!line.contains(QLatin1String("device not open")), qPrintable(line));
    // Only a save leaves the page; after a failure SAVE can be pressed again.
    QCOMPARE(page->isVisible(), box != QLatin1String("Success"));
    QVERIFY(saveButton(page)->isEnabled());
    QTest::qWait(20);
    QCOMPARE(closer.boxes.count(), 1);
}

void tst_Client_Settings::longRefusalShown_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qreal>("fontScale");
    QTest::addColumn<QByteArray>("reason");
    for (const char *locale : { "en_US", "de_DE" }) {
        for (const qreal scale : { 1.0, 2.0 }) {
            QTest::addRow("%s, font x%g, one long word", locale, scale)
                << QString::fromLatin1(locale) << scale << "E_" + QByteArray(198, 'X');
            QTest::addRow("%s, font x%g, a sentence", locale, scale)
                << QString::fromLatin1(locale) << scale
                << QByteArray("the WLAN did not accept this password when the speaker tried it "
                              "just now, so nothing was changed");
        }
    }
}

// A refusal with a long reason, on the test's screen of 800 by 600 pixels: the box wraps the
// text at its width, also inside a word too long for a line, and is as high as all of it, but no
// wider than two thirds of the screen unless the screen is too low for the text at that width.
void tst_Client_Settings::longRefusalShown()
{
    QFETCH(QString, locale);
    QFETCH(qreal, fontScale);
    QFETCH(QByteArray, reason);

    QTranslator catalogue;
    installCatalogue(catalogue, QLocale(locale));
    const QFont normalFont = QApplication::font();
    const auto restore = qScopeGuard([&] {
        QApplication::setFont(normalFont);
        QCoreApplication::removeTranslator(&catalogue);
    });
    QFont font = normalFont;
    font.setPointSizeF(font.pointSizeF() * fontScale);
    QApplication::setFont(font);
    server->setDefaultResponse(
        ScriptedResponse::json("{\"returncode\": \"1\", \"error\": \"" + reason + "\"}"));
    shownPage()->findChildren<QPushButton *>().last()->click(); // "SAVE", in German "OK"

    QMessageBox *box = nullptr;
    QTRY_VERIFY((box = settingsPage->findChild<QMessageBox *>()) && box->isVisible());
    QVERIFY(box->text().contains(QString::fromLatin1(reason)));
    QVERIFY(showsAllText(box));
    QVERIFY(box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->height() >=
            3 * QFontMetrics(font).height());
    const QRect screen = box->screen()->availableGeometry();
    QVERIFY(box->height() <= screen.height());
    QVERIFY(box->width() <= screen.width() * 2 / 3 ||
            (fontScale > 1 && box->width() == screen.width()));
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
    QCOMPARE(server->requests("setconfig").count(), 1);
    QCOMPARE(server->requests("setconfig").first().body,
             setconfigBytes("VANTIR Ovix", "", "HomeNet"));
    QCOMPARE(other.requests("setconfig").count(), 0);
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

// "Other network…": the WLAN's name typed in, 1 to 32 bytes, and its security, which decides
// the password's rule; an open one takes no password. The request is the one of a listed WLAN.
void tst_Client_Settings::typedWlan_data()
{
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QString>("security");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("hint");       // empty: SAVE is available
    QTest::addColumn<QByteArray>("request"); // its values as they appear in the body
    QTest::addColumn<QByteArray>("sentSsid");

    const QString ae = QString::fromUtf8("\xc3\xa4");
    const QString wpa = QStringLiteral("WPA/WPA2/WPA3 Personal");
    const QString open = QStringLiteral("Open");
    QTest::newRow("WPA") << "Gartenhaus" << wpa << "Sommer-2024!" << QString()
                         << QByteArray("Sommer-2024!") << QByteArray("Gartenhaus");
    QTest::newRow("WPA, blanks, quote and umlauts")
        << QString::fromUtf8(" B\xc3\xbcro \"2\" ") << wpa
        << QString::fromUtf8("Gr\xc3\xbc\xc3\x9f"
                             "e-2024")
        << QString()
        << QByteArray("Gr\xc3\xbc\xc3\x9f"
                      "e-2024")
        << QByteArray(" B\xc3\xbcro \\\"2\\\" ");
    QTest::newRow("32 bytes") << ae.repeated(16) << wpa << "12345678" << QString()
                              << QByteArray("12345678") << ae.repeated(16).toUtf8();
    QTest::newRow("open: no password, whatever was typed")
        << "Cafe Gast" << open << "typed before" << QString() << QByteArray()
        << QByteArray("Cafe Gast");
    QTest::newRow("no name") << "" << wpa << "Sommer-2024!"
                             << "Enter the name of the WLAN." << QByteArray() << QByteArray();
    QTest::newRow("33 bytes") << ae.repeated(16) + 'x' << open << ""
                              << "The name of the WLAN is too long: at most 32 characters, and "
                                 "letters such as ä count twice."
                              << QByteArray() << QByteArray();
    QTest::newRow("WPA, short password")
        << "Gartenhaus" << wpa << "1234567"
        << "The password of this WLAN is too short: at least 8 characters, or 64 hexadecimal "
           "digits."
        << QByteArray() << QByteArray();
}

void tst_Client_Settings::typedWlan()
{
    QFETCH(QString, ssid);
    QFETCH(QString, security);
    QFETCH(QString, password);
    QFETCH(QString, hint);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, sentSsid);

    MessageBoxCloser closer;
    // What the WLAN page chose last plays no part.
    wizardData.encryptType = QStringLiteral("NONE");
    auto *page = new Client_Settings(nullptr, Client_Settings::WlanEntry::Typed);
    settingsPage = page;
    page->show();
    QVERIFY(!labelWithText(page, QStringLiteral("HomeNet")));
    QLineEdit *ssidEdit = fieldLabelled<QLineEdit>(page, QStringLiteral("WLAN:"));
    QComboBox *securityBox = fieldLabelled<QComboBox>(page, QStringLiteral("Security:"));
    QLineEdit *passwordEdit = fieldLabelled<QLineEdit>(page, QStringLiteral("Passwd:"));
    QVERIFY(ssidEdit && securityBox && passwordEdit);
    QCOMPARE(securityBox->currentText(), QStringLiteral("WPA/WPA2/WPA3 Personal"));
    QVERIFY(!saveButton(page)->isEnabled());
    QVERIFY(labelWithText(page, QStringLiteral("Enter the name of the WLAN.")));

    ssidEdit->setText(ssid);
    passwordEdit->setText(password);
    securityBox->setCurrentText(security);
    QCOMPARE(passwordEdit->isEnabled(), security != QLatin1String("Open"));
    QCOMPARE(passwordEdit->text(), security == QLatin1String("Open") ? QString() : password);
    QCOMPARE(saveButton(page)->isEnabled(), hint.isEmpty());
    if (!hint.isEmpty()) {
        QVERIFY(labelWithText(page, hint));
        return;
    }
    QVERIFY(!labelWithText(page, QStringLiteral("Enter the name of the WLAN.")));
    saveButton(page)->click();
    QTRY_COMPARE(closer.boxes.count(), 1);
    QCOMPARE(server->requests("setconfig").count(), 1);
    QCOMPARE(server->requests("setconfig").first().body,
             setconfigBytes("VANTIR Ovix", request, sentSsid));
}

// "Show password", checked at first: the password as typed. Unchecked, the field masks it, and
// screen readers take it for a password field and are not told the password.
void tst_Client_Settings::maskedPassword()
{
    Client_Settings *page = shownPage();
    QLineEdit *passwordEdit = fieldLabelled<QLineEdit>(page, QStringLiteral("Passwd:"));
    QCheckBox *showBox = childWithText<QCheckBox>(page, QStringLiteral("Show password"));
    QVERIFY(showBox);
    QVERIFY(showBox->isChecked());
    passwordEdit->setText(QStringLiteral("Sommer-2024!"));
    QAccessibleInterface *field = QAccessible::queryAccessibleInterface(passwordEdit);
    QCOMPARE(field->role(), QAccessible::EditableText);
    QVERIFY(!field->state().passwordEdit);
    QCOMPARE(field->text(QAccessible::Value), QStringLiteral("Sommer-2024!"));

    QTest::mouseClick(showBox, Qt::LeftButton);
    QCOMPARE(passwordEdit->echoMode(), QLineEdit::Password);
    QVERIFY(field->state().passwordEdit);
    QVERIFY(!field->text(QAccessible::Value).contains(QLatin1String("Sommer")));
    // Masked, what is sent is still the password.
    QCOMPARE(passwordEdit->text(), QStringLiteral("Sommer-2024!"));

    QTest::mouseClick(showBox, Qt::LeftButton);
    QCOMPARE(passwordEdit->echoMode(), QLineEdit::Normal);
    QVERIFY(!field->state().passwordEdit);
}

// The next speaker is offered the password as the user chose to see it when saving.
void tst_Client_Settings::passwordOfferedAsShown()
{
    MessageBoxCloser closer;
    Client_Settings *page = shownPage();
    edit(page, 1)->setText(QStringLiteral("Sommer-2024!"));
    for (const bool shown : { false, true }) {
        QCheckBox *showBox = childWithText<QCheckBox>(page, QStringLiteral("Show password"));
        showBox->setChecked(shown);
        saveButton(page)->click();
        QTRY_COMPARE(closer.boxes.count(), shown ? 2 : 1);
        page = shownPage();
        QCOMPARE(edit(page, 1)->text(), QStringLiteral("Sommer-2024!"));
        QCOMPARE(edit(page, 1)->echoMode(), shown ? QLineEdit::Normal : QLineEdit::Password);
        QCOMPARE(childWithText<QCheckBox>(page, QStringLiteral("Show password"))->isChecked(),
                 shown);
    }
}

QTEST_MAIN(tst_Client_Settings)
#include "tst_client_settings.moc"
