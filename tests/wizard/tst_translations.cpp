#include "accessible.h"
#include "addressdialog.h"
#include "capturingserver.h"
#include "catalogueentries.h"
#include "client.h"
#include "client_settings.h"
#include "client_wlans.h"
#include "emptylisthint.h"
#include "fakednssd.h"
#include "messagelog.h"
#include "pagetest.h"
#include "speakerapi.h"
#include "speakerwatcher.h"
#include "startup.h"
#include "wizarddata.h"

#include <QCheckBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QLocale>
#include <QPair>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

namespace {

using Message = QPair<QString, QString>; // context, source text

// Every text that the pages show: all catalogue entries but "Reset!" and "No Speakers found",
// which stay in the catalogues unused.
const QList<Message> &pageTexts()
{
    static QList<Message> texts;
    if (texts.isEmpty()) {
        for (const Entry &entry : entries) {
            // Not shown, or shown on Windows and macOS only, or only where NetworkManager tells
            // this computer's WLAN (its stand-in's tests walk those in German).
            if (qstrcmp(entry.source, "Reset!") != 0 &&
                qstrcmp(entry.source, "No Speakers found") != 0 &&
                !QByteArray(entry.source).contains("DNS-SD service (Bonjour)") &&
                !QByteArray(entry.source).contains("this computer to") &&
                !QByteArray(entry.source).contains("This computer is ") &&
                !QByteArray(entry.source).contains("This computer could ") &&
                !QByteArray(entry.source).contains("This computer was "))
                texts.append(
                    Message(QString::fromUtf8(entry.context), QString::fromUtf8(entry.source)));
        }
    }
    return texts;
}

// A page text as the catalogue of the language answers it: the table's wording for "de" and
// "en", the catalogue's own for the others (whose every entry the catalogues' test checks).
QString translated(const QString &language, const char *context, const char *source)
{
    if (language != QLatin1String("de") && language != QLatin1String("en")) {
        QTranslator catalogue;
        if (!catalogue.load(QStringLiteral(":/translations/VANTIR_") + language))
            return QString();
        return catalogue.translate(context, source);
    }
    for (const Entry &entry : entries) {
        if (qstrcmp(entry.context, context) != 0 || qstrcmp(entry.source, source) != 0)
            continue;
        return QString::fromUtf8(language == QLatin1String("de") ? entry.german : entry.english);
    }
    return QString();
}

// Notes every look-up of the pages' contexts and answers like the catalogue.
class RecordingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override
    {
        const QString name = QString::fromUtf8(context);
        if (name.startsWith(QLatin1String("Client")) || name == QLatin1String("AddressDialog"))
            lookups.insert(Message(name, QString::fromUtf8(sourceText)));
        return QTranslator::translate(context, sourceText, disambiguation, n);
    }

    mutable QSet<Message> lookups;
};

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void translatedPages_data();
    void translatedPages();

private:
    // Presses through the wizard: the speaker list, a WLAN page without access
    // points, one that cannot reach its speaker, one without an answer, one
    // without a usable answer, one with too large an answer, one with an access
    // point, its settings page with each hint, and each answer to a save; then a
    // speaker list without DNS-SD service and a speaker that cannot be resolved;
    // then from the list a speaker saved twice, closing the list while it is
    // awaited, and what became of it; last, each reason why a list is empty.
    void walkThroughPages();

    CapturingServer *server = nullptr;
    MessageBoxCloser *closer = nullptr;
    QScopedPointer<MessageLog> log;
    QStringList reasonLines; // as the empty list showed them
};

void tst_Translations::initTestCase()
{
    log.reset(new MessageLog);
}

void tst_Translations::init()
{
    FakeDnssd::reset();
    server = new CapturingServer(this);
    QVERIFY(server->listen());
    wizardData = WizardData();
    wizardData.url = server->url();
    wizardData.ssid = QStringLiteral("HomeNet");
    closer = new MessageBoxCloser;
    reasonLines.clear();
}

void tst_Translations::cleanup()
{
    deletePages<Client_Settings>();
    deletePages<Client_WLANs>();
    deletePages<Client>();
    wlanPage = nullptr;
    settingsPage = nullptr;
    delete closer;
    closer = nullptr;
    delete server;
    server = nullptr;
}

void tst_Translations::walkThroughPages()
{
    Client *client = new Client(nullptr);
    client->show();

    ScriptedResponse reset;
    reset.framing = ScriptedResponse::Reset;
    ScriptedResponse tooLarge = ScriptedResponse::json("{}");
    tooLarge.framing = ScriptedResponse::ClaimedLength;
    tooLarge.claimedLength = SpeakerApi::MaxReplySize + 1;
    // Qt sends again once when a connection closes unanswered.
    const QList<QList<ScriptedResponse>> scans = { { ScriptedResponse::json("{\"aplist\": []}") },
                                                   {},
                                                   { reset, reset },
                                                   { ScriptedResponse::json("busy") },
                                                   { tooLarge } };
    for (const QList<ScriptedResponse> &answers : scans) {
        for (const ScriptedResponse &answer : answers)
            server->enqueue(answer);
        const QString url = wizardData.url;
        if (answers.isEmpty())
            wizardData.url = CapturingServer::refusingUrl();
        const int shown = closer->boxes.count();
        (new Client_WLANs(nullptr))->show();
        wizardData.url = url;
        QTRY_COMPARE(closer->boxes.count(), shown + 1);
    }

    // A page with rows scans again: the choice gone, then each way a new scan fails, in a line.
    CapturingServer rescanned;
    QVERIFY(rescanned.listen());
    wizardData.url = rescanned.url();
    rescanned.enqueue(
        ScriptedResponse::json("{\"aplist\": [{\"ssid\": \"HomeNet\"}, {\"ssid\": \"Cafe\"}]}"));
    Client_WLANs rescanning(nullptr);
    wizardData.url = server->url();
    QTreeWidget *rows = rescanning.findChild<QTreeWidget *>();
    QTRY_COMPARE(rows->topLevelItemCount(), 2);
    rows->setCurrentItem(rows->topLevelItem(1));
    const QList<QList<ScriptedResponse>> rescans = {
        { ScriptedResponse::json("{\"aplist\": [{\"ssid\": \"HomeNet\"}]}") },
        { ScriptedResponse::json("{\"aplist\": []}") },
        { reset, reset },
        { ScriptedResponse::json("busy") },
        { tooLarge },
        {} // to a speaker that cannot be reached any more
    };
    for (const QList<ScriptedResponse> &answers : rescans) {
        for (const ScriptedResponse &answer : answers)
            rescanned.enqueue(answer);
        if (answers.isEmpty())
            rescanned.close();
        const int scans = rescanned.requests().count();
        QVERIFY(QMetaObject::invokeMethod(&rescanning, "rescan"));
        QTRY_VERIFY(rescanned.requests().count() > scans || answers.isEmpty());
        QTRY_VERIFY(rescanning.findChildren<QPushButton *>().first()->isEnabled());
    }

    server->enqueue(ScriptedResponse::json(
        "{\"aplist\": [{\"ssid\": \"HomeNet\", \"encrypt_type\": \"WPA2\"}]}"));
    Client_WLANs *wlans = new Client_WLANs(nullptr);
    wlanPage = wlans;
    wlans->show();
    QTRY_COMPARE(wlans->findChild<QTreeWidget *>()->topLevelItemCount(), 1);
    wlans->findChildren<QPushButton *>().last()->click();
    QVERIFY(settingsPage);

    // Each hint of a value that cannot work once.
    QLineEdit *nameEdit = settingsPage->findChildren<QLineEdit *>().first();
    QLineEdit *passwordEdit = settingsPage->findChildren<QLineEdit *>().last();
    passwordEdit->setText(QString(64, QLatin1Char('x')));
    passwordEdit->setText(QStringLiteral("password"));
    nameEdit->setText(QString(64, QLatin1Char('x')));
    nameEdit->clear();
    // Values that no speaker takes: a pasted line break, a tab, another control character, a
    // blank at the name's end.
    for (const char *name : { "Ovix\nKitchen", "Ovix\tKitchen", "Ovix Kitchen " })
        nameEdit->setText(QString::fromUtf8(name));
    nameEdit->setText(QStringLiteral("VANTIR Ovix"));
    passwordEdit->setText(QStringLiteral("pass\aword"));
    passwordEdit->setText(QStringLiteral("password"));
    wizardData.encryptType = QStringLiteral("WEP");
    Client_Settings(nullptr);
    // A WLAN typed in: without a name, with one too long; this computer's password unread.
    Client_Settings typedWlan(nullptr, Client_Settings::WlanEntry::Typed);
    typedWlan.findChildren<QLineEdit *>().at(1)->setText(QString(33, QLatin1Char('x')));
    QVERIFY(QMetaObject::invokeMethod(&typedWlan, "readComputerPassword"));

    ScriptedResponse redirect = ScriptedResponse::json("{}", 302);
    redirect.headers.append(qMakePair(QByteArray("Location"), QByteArray("/")));
    const QList<QList<ScriptedResponse>> answers = {
        { ScriptedResponse::json("{\"returncode\": \"1\"}") },
        { ScriptedResponse::json("{\"returncode\": \"1\", \"error\": \"WLAN unknown\"}") },
        { redirect },
        { reset, reset },
        { tooLarge },
        { ScriptedResponse::json("{\"returncode\": \"0\"}") },
        {} // to a speaker that cannot be reached
    };
    // Asked right before each SAVE, the speaker is the one the page was opened for.
    const auto answerAs = [this](const QString &name) {
        server->setQueryResponse(ScriptedResponse::json(
            QJsonDocument(
                QJsonObject {
                    { QStringLiteral("deviceinfo"),
                      QJsonObject { { QStringLiteral("devicename"), name },
                                    { QStringLiteral("model"), wizardData.model },
                                    { QStringLiteral("hardwarever"), wizardData.hardwareVer } } } })
                .toJson()));
    };
    answerAs(wizardData.name);
    for (const QList<ScriptedResponse> &answer : answers) {
        for (const ScriptedResponse &response : answer)
            server->enqueue(response);
        if (answer.isEmpty()) {
            wizardData.url = CapturingServer::refusingUrl();
            wizardData.encryptType.clear();
            settingsPage = new Client_Settings(nullptr);
            settingsPage->show();
        }
        const int shown = closer->boxes.count();
        const QList<QPushButton *> buttons = settingsPage->findChildren<QPushButton *>();
        for (QPushButton *button : buttons) {
            if (button->isDefault())
                button->click();
        }
        QTRY_COMPARE(closer->boxes.count(), shown + 1);
    }
    // Another device at the speaker's address by then.
    wizardData.url = server->url();
    wizardData.name = QStringLiteral("Alpha");
    settingsPage = new Client_Settings(nullptr);
    settingsPage->show();
    answerAs(QStringLiteral("Beta"));
    for (QPushButton *button : settingsPage->findChildren<QPushButton *>()) {
        if (button->isDefault())
            button->click();
    }
    QTRY_COMPARE(closer->boxes.count(), 13);
    server->clearQueryResponse();

    FakeDnssd::failNextBrowse(-65537);
    Client *unsearched = new Client(nullptr);
    unsearched->show();
    // The line under its list says why.
    QTRY_VERIFY(!unsearched->findChild<EmptyListHint *>()->askButton()->isVisible());
    // "Next >>" there says on the page why it cannot go on.
    QVERIFY(QMetaObject::invokeMethod(unsearched, "reportResolveFailure"));

    QVERIFY(FakeDnssd::browseReply(0x2, 0, "Ovix Kitchen", "_dockset._tcp.", "local."));
    QTRY_COMPARE(client->findChild<QTreeWidget *>()->topLevelItemCount(), 1);
    FakeDnssd::failNextResolve(-65537);
    client->findChildren<QPushButton *>().last()->click();
    QTRY_COMPARE(closer->boxes.count(), 14);

    // The speaker the user chose goes for a while.
    const int shown = closer->boxes.count();
    QTreeWidget *speakers = client->findChild<QTreeWidget *>();
    speakers->clearSelection();
    speakers->setCurrentItem(speakers->topLevelItem(0));
    QVERIFY(FakeDnssd::browseReply(0, 0, "Ovix Kitchen", "_dockset._tcp.", "local."));
    QTRY_COMPARE(speakers->topLevelItemCount(), 0);
    QVERIFY(FakeDnssd::browseReply(0x2, 0, "Ovix Kitchen", "_dockset._tcp.", "local."));
    QTRY_COMPARE(speakers->selectedItems().count(), 1);

    // Its pages, from the list; one answer for the device query and the scan.
    server->setDefaultResponse(ScriptedResponse::json(
        "{\"deviceinfo\": {\"model\": \"Ovix One\"}, \"aplist\": [{\"ssid\": \"HomeNet\"}]}"));
    const int resolves = FakeDnssd::resolveCalls();
    const QPointer<Client_WLANs> unlisted = wlans;
    client->findChildren<QPushButton *>().last()->click();
    QTRY_COMPARE(FakeDnssd::resolveCalls(), resolves + 1);
    QVERIFY(FakeDnssd::resolveReply(0, 0, "Ovix Kitchen._dockset._tcp.local.", "127.0.0.1",
                                    server->port() >> 8, server->port() & 0xff));
    QTRY_VERIFY(!unlisted && wlanPage);
    QTRY_COMPARE(wlanPage->findChild<QTreeWidget *>()->topLevelItemCount(), 1);
    QTRY_COMPARE(wizardData.model, QStringLiteral("Ovix One"));
    wlanPage->findChildren<QPushButton *>().last()->click();
    // The speaker leaves the announcements for a while: its pages say so.
    QVERIFY(FakeDnssd::browseReply(0, 0, "Ovix Kitchen", "_dockset._tcp.", "local."));
    QTRY_COMPARE(speakers->topLevelItemCount(), 0);
    QVERIFY(FakeDnssd::browseReply(0x2, 0, "Ovix Kitchen", "_dockset._tcp.", "local."));
    QTRY_COMPARE(speakers->selectedItems().count(), 1);

    // Saved under a new name, then again under the name it has; closing the list while its
    // answer is awaited, and then while the speaker is, asks first ("No").
    const auto save = [this](const QByteArray &answer) {
        ScriptedResponse held = ScriptedResponse::json(answer);
        held.held = true;
        server->enqueue(held);
        if (!settingsPage->isVisible())
            QVERIFY(QMetaObject::invokeMethod(wlanPage, "setSSID"));
        const int sent = server->requests("setconfig").count();
        for (QPushButton *button : settingsPage->findChildren<QPushButton *>()) {
            if (button->isDefault())
                button->click();
        }
        QTRY_COMPARE(server->requests("setconfig").count(), sent + 1);
    };
    const auto askToQuit = [client](bool yes) {
        client->reject();
        QMessageBox *question = client->findChild<QMessageBox *>();
        QVERIFY(question && question->isVisible());
        for (QAbstractButton *button : question->buttons()) {
            if ((button == question->escapeButton()) != yes)
                button->click();
        }
    };
    for (const char *name : { "Studio", "Ovix Kitchen" }) {
        if (!settingsPage->isVisible())
            QVERIFY(QMetaObject::invokeMethod(wlanPage, "setSSID"));
        settingsPage->findChildren<QLineEdit *>().first()->setText(QString::fromUtf8(name));
        const int before = closer->boxes.count();
        answerAs(wizardData.name);
        save("{\"returncode\": \"0\"}");
        askToQuit(false);
        server->releaseHeld();
        QTRY_COMPARE(closer->boxes.count(), before + 1);
        askToQuit(false);
    }

    // What became of the saved speakers: each outcome once, and the box of one not back.
    const QList<SpeakerWatcher *> watchers = client->findChildren<SpeakerWatcher *>();
    QCOMPARE(watchers.size(), 2);
    SpeakerWatcher *renamed = watchers.at(0);
    SpeakerWatcher *unchanged = watchers.at(1);
    const BonjourRecord studio("Studio", "_dockset._tcp.", "local.");
    const QString ip = QStringLiteral("192.168.1.23");
    for (const char *wlan : { "HomeNet", "Gast", "" })
        emit renamed->speakerBack(renamed->saved().name, ip, studio, QString::fromUtf8(wlan));
    emit unchanged->speakerBack(unchanged->saved().name, ip, studio, QString());
    emit renamed->speakerKeptName(QStringLiteral("Kitchen"), studio);
    emit renamed->speakerNotAnswering(QStringLiteral("Studio"), studio);
    emit renamed->otherDeviceAnswered(QStringLiteral("Studio"), ip, studio);
    emit renamed->speakerNotBack(QStringLiteral("Attic"));
    // Two "Success" boxes and the one of the speaker not back.
    QTRY_COMPARE(closer->boxes.count(), shown + 3);

    // Quitting while two saves are in flight: the program ends once both are answered.
    for (int saves = 0; saves < 2; ++saves) {
        save("{\"returncode\": \"1\"}");
        QVERIFY(QMetaObject::invokeMethod(wlanPage, "setSSID"));
    }
    askToQuit(true);
    server->releaseHeld();
    QTRY_VERIFY(!client->isVisible());
    QCOMPARE(closer->boxes.count(), shown + 5);

    // A speaker by its address: each answer of the dialog, then the row it adds.
    Client byAddress(nullptr);
    byAddress.show();
    for (QPushButton *button : byAddress.findChildren<QPushButton *>()) {
        if (QString(button->text()).remove(QLatin1Char('&')) == Client::tr("Add by address…"))
            button->click();
    }
    AddressDialog *dialog = byAddress.findChild<AddressDialog *>();
    QVERIFY(dialog);
    QLineEdit *address = dialog->findChild<QLineEdit *>();
    const QPointer<QPushButton> add = dialog->findChildren<QPushButton *>().first();
    CapturingServer other;
    QVERIFY(other.listen());
    const QString port = QString::number(server->port());
    for (const QString &typed : { QStringLiteral("Ovix Kitchen"), QStringLiteral("ovix..kitchen"),
                                  CapturingServer::refusingUrl().mid(7).section('/', 0, 0),
                                  QStringLiteral("127.0.0.1:") + QString::number(other.port()),
                                  QStringLiteral("127.0.0.1:") + port }) {
        address->setText(typed);
        add->click();
        // The last one is a speaker's: the dialog goes.
        QTRY_VERIFY(!add || add->isEnabled());
    }
    QTRY_COMPARE(byAddress.findChild<QTreeWidget *>()->topLevelItemCount(), 1);

    Client explained(nullptr);
    EmptyListHint *hint = explained.findChild<EmptyListHint *>();
    const QList<EmptyListReason> reasons = { { EmptyListReason::Vpn, QStringLiteral("Office") },
                                             { EmptyListReason::FirewallZone,
                                               QStringLiteral("public") },
                                             { EmptyListReason::NoAnnouncements, QString() },
                                             { EmptyListReason::NoSpeaker, QString() } };
    for (const EmptyListReason &reason : reasons) {
        QVERIFY(QMetaObject::invokeMethod(hint, "showReason", Q_ARG(EmptyListReason, reason)));
        reasonLines.append(hint->findChild<AnnouncedLabel *>()->text());
    }
}

void tst_Translations::translatedPages_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    for (const char *name : { "de_DE", "de_AT", "de_CH" })
        QTest::newRow(name) << QString::fromLatin1(name) << QStringLiteral("de");
    // Where no catalogue fits, English.
    for (const char *name : { "en_US", "en_GB", "ja_JP", "C" })
        QTest::newRow(name) << QString::fromLatin1(name) << QStringLiteral("en");
    for (const char *name : { "es_ES", "fr_FR", "it_IT", "nl_NL", "pl_PL" })
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(name, 2);
}

// The start-up's catalogue step, then each text where the page shows it, as the catalogue entry
// says; the pages look up exactly the entries (that both catalogues answer every entry is the
// catalogues' own test).
void tst_Translations::translatedPages()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    const auto text = [language](const char *context, const char *source) {
        return translated(language, context, source);
    };

    RecordingTranslator recorder;
    installCatalogue(recorder, QLocale(locale));
    QCOMPARE(recorder.filePath(), QStringLiteral(":/translations/VANTIR_%1.qm").arg(language));
    walkThroughPages();
    if (QTest::currentTestFailed())
        return;
    const QSet<Message> expected(pageTexts().cbegin(), pageTexts().cend());
    QCOMPARE(QSet<Message>(recorder.lookups).subtract(expected), QSet<Message>());
    QCOMPARE(QSet<Message>(expected).subtract(recorder.lookups), QSet<Message>());
    for (const Message &message : qAsConst(recorder.lookups))
        QVERIFY2(!text(message.first.toUtf8().constData(), message.second.toUtf8().constData())
                      .isEmpty(),
                 qPrintable(message.second));

    Client *list = topLevelPages<Client>().first();
    QCOMPARE(list->windowTitle(), text("Client", "VANTIR Ovix Configurator"));
    QCOMPARE(list->findChild<QTreeWidget *>()->headerItem()->text(0),
             text("Client", "Available VANTIR Speakers"));
    QVERIFY(labelWithText(
        list, text("Client", "The Speakers and your\ndevice have to be in\nthe same WLAN!")));
    QCOMPARE(buttonTexts(list),
             QStringList({ text("Client", "Why is no speaker listed?"), text("Client", "Quit"),
                           text("Client", "Add by address…"), text("Client", "<< Back"),
                           text("Client", "Next >>") }));

    Client_WLANs *scan = wlanPage;
    QCOMPARE(scan->windowTitle(), text("Client_WLANs", "Select WLAN"));
    QCOMPARE(scan->findChild<QTreeWidget *>()->headerItem()->text(0), text("Client_WLANs", "SSID"));
    QCOMPARE(scan->findChild<QTreeWidget *>()->headerItem()->text(1), text("Client_WLANs", "Sig"));
    QVERIFY(labelWithText(scan, text("Client_WLANs", "Please select your private WLAN\n  ")));
    QVERIFY(labelWithText(scan, text("Client_WLANs", "Speaker: %1").arg("Ovix Kitchen")));
    QCOMPARE(buttonTexts(scan),
             QStringList({ text("Client_WLANs", "Rescan"), text("Client_WLANs", "Other network…"),
                           text("Client_WLANs", "<< Back"), text("Client_WLANs", "Next >>") }));
    // The button of this box reads "OK" in every language.
    const QStringList wlanBoxes = {
        text("Client_WLANs",
             "The speaker found no WLANs. Check that your WLAN router is switched on, then go back "
             "and choose the speaker again."),
        text("Client_WLANs",
             "The speaker could not be reached. Check that it is switched on and on the same "
             "network as this computer, then go back and choose it again."),
        text("Client_WLANs",
             "The speaker did not answer. Check that it is switched on, then go back and choose it "
             "again."),
        text("Client_WLANs",
             "The speaker's answer could not be used. Go back and choose it again; if that does "
             "not help, switch the speaker off and on."),
        text("Client_WLANs",
             "The speaker's answer was too large to use. Go back and choose it again; if that does "
             "not help, switch the speaker off and on.")
    };
    for (int i = 0; i < wlanBoxes.size(); ++i) {
        QCOMPARE(closer->boxes.at(i).title, text("Client_WLANs", "Info"));
        QCOMPARE(closer->boxes.at(i).text, wlanBoxes.at(i));
        QCOMPARE(closer->boxes.at(i).buttons, QStringList(QStringLiteral("OK")));
    }

    QCOMPARE(settingsPage->windowTitle(), text("Client_Settings", "Speaker WLAN Settings"));
    for (const char *source : { "Model:", "Name:", "WLAN:", "Passwd:", "IP Addr:", "Vers:",
                                "Clicking on SAVE will reboot your\nVANTIR Ovix-Speakers!" })
        QVERIFY2(labelWithText(settingsPage, text("Client_Settings", source)), source);
    QCOMPARE(buttonTexts(settingsPage),
             QStringList({ text("Client_Settings", "Use this computer's password"),
                           text("Client_Settings", "<< Back"), text("Client_Settings", "SAVE") }));
    QVERIFY(childWithText<QCheckBox>(settingsPage, text("Client_Settings", "Show password")));
    if (language == QLatin1String("de"))
        QCOMPARE(text("Client_Settings", "SAVE"), QStringLiteral("OK"));
    QCOMPARE(Client_Settings(nullptr).findChildren<QLineEdit *>().first()->text(),
             QStringLiteral("VANTIR Ovix"));
    const QStringList settingsBoxes = {
        text("Client_Settings",
             "The speaker refused the settings. Check the name and the password, then press SAVE "
             "again."),
        text("Client_Settings",
             "The speaker refused the settings (\"%1\"). Check the name and the password, then "
             "press SAVE again.")
            .arg(QStringLiteral("WLAN unknown")),
        text("Client_Settings",
             "The speaker's answer could not be used, so it is not known whether it took the "
             "settings. Wait a minute and look for it in the speaker list before you try again."),
        text("Client_Settings",
             "The speaker did not answer. It may have taken the settings and be restarting: wait a "
             "minute and look for it in the speaker list before you try again."),
        text("Client_Settings",
             "The speaker's answer was too large to use, so it is not known whether it took the "
             "settings. Wait a minute and look for it in the speaker list before you try again."),
        text("Client_Settings", "Success"),
        text("Client_Settings",
             "The settings were not sent: the speaker could not be reached, so it is as it was. "
             "Check that it is switched on and on the same network as this computer, then press "
             "SAVE again."),
        text("Client_Settings",
             "The settings were not sent: the device at the speaker's address is no longer the "
             "speaker chosen. Choose the speaker again in the speaker list.")
    };
    const int settingsBox = wlanBoxes.size();
    for (int i = 0; i < settingsBoxes.size(); ++i) {
        const ShownBox &box = closer->boxes.at(settingsBox + i);
        QCOMPARE(box.title, text("Client_Settings", "Info"));
        QCOMPARE(box.text, settingsBoxes.at(i));
        QCOMPARE(box.buttons, QStringList({ text("Client_Settings", "OK") }));
    }

    const char *const noSearch =
        "The search for speakers is not available: this computer's DNS-SD service (avahi-daemon) "
        "does not answer. Start it, for example with \"sudo systemctl start avahi-daemon\", and "
        "the list fills by itself.";
    int searchLines = 0;
    for (const Client *page : topLevelPages<Client>())
        searchLines += labelWithText(page, text("Client", noSearch)) ? 1 : 0;
    QCOMPARE(searchLines, 1);
    QCOMPARE(reasonLines,
             QStringList(
                 { text("Client",
                        "The VPN \"%1\" is this computer's route to the network, and may keep the "
                        "speakers out of reach. Disconnect it, or allow it access to the local "
                        "network.")
                       .arg(QStringLiteral("Office")),
                   text("Client",
                        "The firewall keeps the speakers' announcements out: its zone \"%1\" does "
                        "not allow the service \"mdns\". Allow it with \"sudo firewall-cmd "
                        "--permanent --zone=%1 --add-service=mdns && sudo firewall-cmd --reload\".")
                       .arg(QStringLiteral("public")),
                   text("Client",
                        "This computer hears no DNS-SD announcements from its network at all: a "
                        "firewall may block UDP port 5353, or the WLAN keeps its devices apart, as "
                        "guest networks do."),
                   text("Client",
                        "No speaker answers on this network. A speaker in another part of the "
                        "network (another subnet or VLAN) can be reached by its IP address with "
                        "\"Add by address…\".") }));
    const int listBox = settingsBox + settingsBoxes.size();
    QCOMPARE(closer->boxes.at(listBox).title, text("Client", "Info"));
    QCOMPARE(closer->boxes.at(listBox).text,
             text("Client",
                  "The speaker could not be reached. Check that it is switched on and on the same "
                  "network as this computer, then choose it again."));
    QCOMPARE(closer->boxes.at(listBox).buttons, QStringList(QStringLiteral("OK")));

    // On the first list page, a line each; the second one only told that the search is not
    // available.
    const QString keptLine = text("Client",
                                  "The speaker \"%1\" came back but kept its old name: the "
                                  "settings did not take.")
                                 .arg(QStringLiteral("Kitchen"));
    int linesShown = 0;
    for (const Client *page : topLevelPages<Client>()) {
        for (const QLabel *label : page->findChildren<QLabel *>())
            linesShown += label->text().split(QLatin1Char('\n')).count(keptLine);
    }
    QCOMPARE(linesShown, 1);
    // The last five: two saves from the list's own pages, a speaker not back, and two refusals
    // that the program waited for before it ended.
    const int lastBox = closer->boxes.size() - 3;
    for (int refusal = lastBox + 1; refusal < closer->boxes.size(); ++refusal)
        QCOMPARE(closer->boxes.at(refusal).text,
                 text("Client_Settings",
                      "The speaker refused the settings. Check the name and the password, then "
                      "press SAVE again."));
    QCOMPARE(closer->boxes.at(lastBox - 2).text, text("Client_Settings", "Success"));
    QCOMPARE(closer->boxes.at(lastBox - 1).text, text("Client_Settings", "Success"));
    QCOMPARE(closer->boxes.at(lastBox).text,
             text("Client",
                  "The speaker \"%1\" has not come back on the network.\n\nPlease check:\n- the "
                  "WLAN password: a wrong password is the usual cause;\n- that this computer is on "
                  "the home WLAN now: if it was joined to the speaker's own network, join the home "
                  "WLAN again;\n- a speaker that joined no network must be reset and set up again.")
                 .arg(QStringLiteral("Attic")));
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
