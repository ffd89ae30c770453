#include "capturingserver.h"
#include "catalogueentries.h"
#include "client.h"
#include "client_settings.h"
#include "client_wlans.h"
#include "messagelog.h"
#include "pagetest.h"
#include "startup.h"
#include "wizarddata.h"

#include <QLineEdit>
#include <QLocale>
#include <QPair>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

namespace {

using Message = QPair<QString, QString>; // context, source text

// Every text that the pages show: all catalogue entries but "Reset!".
const QList<Message> &pageTexts()
{
    static QList<Message> texts;
    if (texts.isEmpty()) {
        for (const Entry &entry : entries) {
            if (qstrcmp(entry.source, "Reset!") != 0)
                texts.append(
                    Message(QString::fromUtf8(entry.context), QString::fromUtf8(entry.source)));
        }
    }
    return texts;
}

// Notes every look-up of the pages' contexts and answers like the catalogue.
class RecordingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override
    {
        const QString name = QString::fromUtf8(context);
        if (name.startsWith(QLatin1String("Client")))
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

    void everyTextIsInBothCatalogues();
    void translatedPages_data();
    void translatedPages();

private:
    // Presses through the wizard: the speaker list, a WLAN page without access
    // points, one with an access point, its settings page and a saved answer.
    void walkThroughPages();

    CapturingServer *server = nullptr;
    MessageBoxCloser *closer = nullptr;
    QScopedPointer<MessageLog> log;
};

void tst_Translations::initTestCase()
{
    log.reset(new MessageLog);
}

void tst_Translations::init()
{
    server = new CapturingServer(this);
    QVERIFY(server->listen());
    wizardData = WizardData();
    wizardData.url = server->url();
    wizardData.ssid = QStringLiteral("HomeNet");
    closer = new MessageBoxCloser;
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

    server->enqueue(ScriptedResponse::json("{\"aplist\": []}"));
    Client_WLANs *empty = new Client_WLANs(nullptr);
    empty->show();
    QTRY_COMPARE(closer->boxes.count(), 1);

    server->enqueue(ScriptedResponse::json("{\"aplist\": [{\"ssid\": \"HomeNet\"}]}"));
    Client_WLANs *wlans = new Client_WLANs(nullptr);
    wlanPage = wlans;
    wlans->show();
    QTRY_COMPARE(wlans->findChild<QTreeWidget *>()->topLevelItemCount(), 1);
    wlans->findChildren<QPushButton *>().last()->click();
    QVERIFY(settingsPage);

    server->enqueue(ScriptedResponse::json("{\"returncode\": \"0\"}"));
    QList<QPushButton *> buttons = settingsPage->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button->isDefault())
            button->click();
    }
    QTRY_COMPARE(closer->boxes.count(), 2);
}

void tst_Translations::everyTextIsInBothCatalogues()
{
    RecordingTranslator recorder;
    QVERIFY(loadCatalogue(recorder, QLocale(QStringLiteral("de_DE"))));
    QCoreApplication::installTranslator(&recorder);
    walkThroughPages();
    if (QTest::currentTestFailed())
        return;

    const QSet<Message> expected(pageTexts().cbegin(), pageTexts().cend());
    const QSet<Message> lookups = recorder.lookups;
    QCOMPARE(QSet<Message>(lookups).subtract(expected), QSet<Message>());
    QCOMPARE(QSet<Message>(expected).subtract(lookups), QSet<Message>());

    for (const char *language : { "en_US", "de_DE" }) {
        QTranslator catalogue;
        QVERIFY(loadCatalogue(catalogue, QLocale(QString::fromLatin1(language))));
        for (const Message &message : pageTexts()) {
            QVERIFY2(!catalogue
                          .translate(message.first.toUtf8().constData(),
                                     message.second.toUtf8().constData())
                          .isNull(),
                     qPrintable(message.first + QLatin1Char(' ') + message.second));
        }
    }
}

void tst_Translations::translatedPages_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("client");   // title, header, hint, quit, back, next
    QTest::addColumn<QStringList>("wlans");    // title, two headers, hint, back, next, box text
    QTest::addColumn<QStringList>("settings"); // title, five labels, warning, back, save, box

    QTest::newRow("German")
        << QStringLiteral("de_DE")
        << QStringList { QStringLiteral("VANTIR Ovix Konfigurator"),
                         QStringLiteral("Verfügbare VANTIR Lautsprecher"),
                         QStringLiteral(
                             "Die Lautsprecher und\nIhr Mobilgerät müssen\nim selben WLAN sein!\n"),
                         QStringLiteral("Beenden"),
                         QStringLiteral("< Zurück"),
                         QStringLiteral("Weiter >") }
        << QStringList { QStringLiteral("WLAN auswählen"),
                         QStringLiteral("WLAN"),
                         QStringLiteral("Sig"),
                         QStringLiteral("Bitte wählen Sie Ihr privates WLAN"),
                         QStringLiteral("< Zurück"),
                         QStringLiteral("Weiter >"),
                         QStringLiteral("Keine Lautsprecher gefunden") }
        << QStringList { QStringLiteral("WLAN Einstellungen"),
                         QStringLiteral("Modell:"),
                         QStringLiteral("Name:"),
                         QStringLiteral("WLAN:"),
                         QStringLiteral("Passwd:"),
                         QStringLiteral("IP Addr:"),
                         QStringLiteral("Vers:"),
                         QStringLiteral("Klicken auf OK lässt Ihre\nVANTIR Ovixs neu starten!"),
                         QStringLiteral("< Zurück"),
                         QStringLiteral("OK"),
                         QStringLiteral("Erfolg!\nIhr VANTIR Lautsprecher starten neu\nund "
                                        "sind in einer Minute verfügbar...\n") };
    QTest::newRow("English")
        << QStringLiteral("en_GB")
        << QStringList { QStringLiteral("VANTIR Ovix Configurator"),
                         QStringLiteral("Available VANTIR Speakers"),
                         QStringLiteral(
                             "The Speakers and your\ndevice have to be in\nthe same WLAN!"),
                         QStringLiteral("Quit"),
                         QStringLiteral("< Back"),
                         QStringLiteral("Next >") }
        << QStringList { QStringLiteral("Select WLAN"),
                         QStringLiteral("WLAN"),
                         QStringLiteral("Sig"),
                         QStringLiteral("Please select your private WLAN"),
                         QStringLiteral("< Back"),
                         QStringLiteral("Next >"),
                         QStringLiteral("No Speakers found") }
        << QStringList { QStringLiteral("Speaker WLAN Settings"),
                         QStringLiteral("Model:"),
                         QStringLiteral("Name:"),
                         QStringLiteral("WLAN:"),
                         QStringLiteral("Passwd:"),
                         QStringLiteral("IP Addr:"),
                         QStringLiteral("Vers:"),
                         QStringLiteral("Clicking on SAVE will reboot your\nVANTIR Ovix-Speakers!"),
                         QStringLiteral("< Back"),
                         QStringLiteral("SAVE"),
                         QStringLiteral("Success!\n\nYour VANTIR Speakers are booting\nand will "
                                        "be available in a minute...") };
}

void tst_Translations::translatedPages()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, client);
    QFETCH(QStringList, wlans);
    QFETCH(QStringList, settings);

    QTranslator translator;
    installCatalogue(translator, QLocale(locale));
    walkThroughPages();
    if (QTest::currentTestFailed())
        return;

    Client *list = topLevelPages<Client>().first();
    QCOMPARE(list->windowTitle(), client.at(0));
    QCOMPARE(list->findChild<QTreeWidget *>()->headerItem()->text(0), client.at(1));
    QVERIFY(labelWithText(list, client.at(2)));
    QCOMPARE(buttonTexts(list), client.mid(3));

    Client_WLANs *scan = wlanPage;
    QCOMPARE(scan->windowTitle(), wlans.at(0));
    QCOMPARE(scan->findChild<QTreeWidget *>()->headerItem()->text(0), wlans.at(1));
    QCOMPARE(scan->findChild<QTreeWidget *>()->headerItem()->text(1), wlans.at(2));
    QVERIFY(labelWithText(scan, wlans.at(3)));
    QCOMPARE(buttonTexts(scan), wlans.mid(4, 2));
    // The button of this box reads "OK" in every language.
    QCOMPARE(closer->boxes.at(0).title, QStringLiteral("Info"));
    QCOMPARE(closer->boxes.at(0).text, wlans.at(6));
    QCOMPARE(closer->boxes.at(0).buttons, QStringList(QStringLiteral("OK")));

    QCOMPARE(settingsPage->windowTitle(), settings.at(0));
    for (int i = 1; i <= 7; ++i)
        QVERIFY2(labelWithText(settingsPage, settings.at(i)), qPrintable(settings.at(i)));
    QCOMPARE(buttonTexts(settingsPage), settings.mid(8, 2));
    QCOMPARE(settingsPage->findChildren<QLineEdit *>().first()->text(),
             QStringLiteral("VANTIR Ovix"));
    QCOMPARE(closer->boxes.at(1).title, QStringLiteral("Info"));
    QCOMPARE(closer->boxes.at(1).text, settings.at(10));
    QCOMPARE(closer->boxes.at(1).buttons, QStringList(QStringLiteral("OK")));
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
