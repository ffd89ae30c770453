#include "capturingserver.h"
#include "catalogueentries.h"
#include "client_settings.h"
#include "client_wlans.h"
#include "knownwlans.h"
#include "messagelog.h"
#include "networkmanagerstandin.h"
#include "networkstart.h"
#include "pagetest.h"
#include "wizarddata.h"

#include <QAccessible>
#include <QComboBox>
#include <QDBusMessage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

#include <memory>
#include <utility>

namespace {

const char password[] = "Sommer-2024!";
const char unreadable[] = "The password could not be read on this computer. Please type it in.";

// The speaker's scan, and the WLANs this computer has saved, as the stand-in's template takes
// them: "Hausnetz" with its password, the guests' WLAN used since.
const QByteArray scan = "{\"aplist\": [{\"ssid\": \"Cafe\"}, {\"ssid\": \"Hausnetz\", "
                        "\"encrypt_type\": \"WPA2\"}, {\"ssid\": \"G\xc3\xa4ste-WLAN\"}, "
                        "{\"ssid\": \"Telekom_FON\", \"encrypt_type\": \"NONE\"}]}";
const QByteArray home = R"({"id": "Hausnetz", "ssid": "Hausnetz", "key-mgmt": "wpa-psk",
                            "timestamp": 1718000000, "psk": "Sommer-2024!")";
const QByteArray guests = R"({"id": "Gäste", "ssid": "Gäste-WLAN", "key-mgmt": "sae",
                              "timestamp": 1719000000, "psk": "Gäste"})";

// NetworkManager that hangs gives up this soon; everywhere else the calls wait for hours, so
// that a page that waited where it need not would never end.
const std::chrono::milliseconds hangingCallTimeout(300);
const std::chrono::hours patientCallTimeout(1);

enum class Arrival { BeforeRows, AfterRows, AfterUserChoice };

} // namespace

Q_DECLARE_METATYPE(Arrival)

// The pages with the WLANs this computer knows, read from a NetworkManager stand-in on the
// private network's system bus: the rows marked, the row chosen at first, and this computer's
// password only when the user asks.
class tst_KnownWlanPages : public QObject
{
    Q_OBJECT

public slots:
    void recordCall(const QDBusMessage &message);

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void marksAndChoice_data();
    void marksAndChoice();
    void computerPassword_data();
    void computerPassword();
    void networkLine_data();
    void networkLine();

private:
    // A reading of this computer's WLANs for the pages; a null connections: no NetworkManager.
    void knowWlans(const QByteArray &connections, std::chrono::milliseconds callTimeout);

    std::unique_ptr<MessageLog> log;
    NetworkManagerStandIn standIn;
    std::unique_ptr<KnownWlans> known;
    CapturingServer *server = nullptr;
    QStringList secretCalls;   // "GetSecrets" calls, by connection
    QStringList methodsCalled; // on the stand-in, by anyone
};

void tst_KnownWlanPages::initTestCase()
{
    if (!NetworkManagerStandIn::onPrivateBus())
        QSKIP("needs the private network's system bus (run through tools/dnssd-net)");
    log.reset(new MessageLog);
    // As the program starts: no request waits for NetworkManager, which the tests freeze.
    avoidBearerManagement();
    QVERIFY(QDBusConnection::systemBus().connect(
        QString(), QString(), QStringLiteral("org.freedesktop.DBus.Mock"),
        QStringLiteral("MethodCalled"), this, SLOT(recordCall(QDBusMessage))));
}

void tst_KnownWlanPages::init()
{
    server = new CapturingServer(this);
    QVERIFY(server->listen());
    wizardData = WizardData();
    wizardData.url = server->url();
    wizardData.listedName = QStringLiteral("Ovix Kitchen");
    log->clear();
}

void tst_KnownWlanPages::cleanup()
{
    deletePages<Client_Settings>();
    deletePages<Client_WLANs>();
    wlanPage = nullptr;
    settingsPage = nullptr;
    known.reset();
    standIn.stop();
    delete server;
    server = nullptr;
    // Nothing of this computer's WLANs is logged, its password least of all.
    for (const QString &line : log->lines())
        QVERIFY2(!line.contains(QLatin1String("Sommer")) && !line.contains(QLatin1String("psk")),
                 qPrintable(line));
    secretCalls.clear();
    // Only KnownWlans asks NetworkManager, never for its devices: whatever does (Qt 5's bearer
    // plugins) holds a page's requests while NetworkManager hangs.
    const QStringList called = std::exchange(methodsCalled, QStringList());
    QVERIFY2(!called.contains(QLatin1String("GetDevices")),
             qPrintable(called.join(QLatin1Char(' '))));
}

void tst_KnownWlanPages::recordCall(const QDBusMessage &message)
{
    methodsCalled.append(message.arguments().value(0).toString());
    if (message.arguments().value(0).toString() == QLatin1String("GetSecrets"))
        secretCalls.append(message.path());
}

void tst_KnownWlanPages::knowWlans(const QByteArray &connections,
                                   std::chrono::milliseconds callTimeout)
{
    if (!connections.isNull())
        QVERIFY(standIn.start(connections));
    KnownWlansOptions options;
    options.callTimeout = callTimeout;
    known.reset(new KnownWlans(options));
    knownWlans = known.get();
}

// Rows of WLANs this computer knows carry a mark, read as their description too. The row chosen
// at first is the last speaker's WLAN, else the one this computer is on, else the one it used
// last, else the first; the known WLANs may come before the scan's rows or after them, and
// never change the user's choice.
void tst_KnownWlanPages::marksAndChoice_data()
{
    QTest::addColumn<QByteArray>("connections");
    QTest::addColumn<Arrival>("arrival");
    QTest::addColumn<QString>("lastSaved"); // the WLAN of the speaker saved before
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<int>("chosen");

    const QString connected = QStringLiteral("Known to this computer, connected now");
    const QString knownMark = QStringLiteral("Known to this computer");
    const QByteArray homeActive = "[" + home + R"(, "active": true}, )" + guests + "]";
    QTest::newRow("connected now, after the rows")
        << homeActive << Arrival::AfterRows << QString()
        << QStringList({ "", connected, knownMark, "" }) << 1;
    QTest::newRow("connected now, before the rows")
        << homeActive << Arrival::BeforeRows << QString()
        << QStringList({ "", connected, knownMark, "" }) << 1;
    QTest::newRow("known only: the one used last")
        << "[" + home + "}, " + guests + "]" << Arrival::AfterRows << QString()
        << QStringList({ "", knownMark, knownMark, "" }) << 2;
    QTest::newRow("the user chose before") << homeActive << Arrival::AfterUserChoice << QString()
                                           << QStringList({ "", connected, knownMark, "" }) << 3;
    QTest::newRow("the last speaker's WLAN first")
        << homeActive << Arrival::AfterRows << QStringLiteral("Telekom_FON")
        << QStringList({ "", connected, knownMark, "" }) << 3;
    QTest::newRow("not known")
        << QByteArray(R"([{"id": "Nachbar", "ssid": "Nachbar", "key-mgmt": "wpa-psk",
                          "active": true}])")
        << Arrival::AfterRows << QString() << QStringList({ "", "", "", "" }) << 0;
    QTest::newRow("no NetworkManager")
        << QByteArray() << Arrival::AfterRows << QString() << QStringList({ "", "", "", "" }) << 0;
}

void tst_KnownWlanPages::marksAndChoice()
{
    QFETCH(QByteArray, connections);
    QFETCH(Arrival, arrival);
    QFETCH(QString, lastSaved);
    QFETCH(QStringList, marks);
    QFETCH(int, chosen);

    knowWlans(connections, patientCallTimeout);
    wizardData.savedWlan.ssid = lastSaved;
    QSignalSpy readySpy(known.get(), &KnownWlans::ready);
    ScriptedResponse answer = ScriptedResponse::json(scan);
    answer.held = arrival == Arrival::BeforeRows;
    server->enqueue(answer);
    if (arrival != Arrival::BeforeRows && !connections.isNull())
        standIn.freeze();
    Client_WLANs *page = new Client_WLANs(nullptr);
    page->show();
    QTreeWidget *tree = page->findChild<QTreeWidget *>();

    if (arrival == Arrival::BeforeRows) {
        QTRY_COMPARE(readySpy.count(), 1);
        QTRY_COMPARE(server->requests().count(), 1);
        server->releaseHeld();
    }
    QTRY_COMPARE(tree->topLevelItemCount(), marks.size());
    if (arrival == Arrival::AfterUserChoice)
        tree->setCurrentItem(tree->topLevelItem(chosen));
    standIn.thaw();
    QTRY_COMPARE(readySpy.count(), 1);

    QAccessibleTableInterface *table =
        QAccessible::queryAccessibleInterface(tree)->tableInterface();
    QStringList shown;
    for (int row = 0; row < tree->topLevelItemCount(); ++row)
        shown.append(table->cellAt(row, 0)->text(QAccessible::Description));
    QCOMPARE(shown, marks);
    QCOMPARE(table->cellAt(1, 0)->text(QAccessible::Name), QStringLiteral("Hausnetz"));
    // Seen as a second line under the SSID.
    const int plainHeight = tree->visualItemRect(tree->topLevelItem(0)).height();
    QCOMPARE(tree->visualItemRect(tree->topLevelItem(1)).height() > plainHeight * 3 / 2,
             !marks.at(1).isEmpty());
    QCOMPARE(tree->selectedItems(), QList<QTreeWidgetItem *>({ tree->topLevelItem(chosen) }));
}

// "Use this computer's password" is there for a WLAN that this computer knows with a password,
// listed or typed in. Pressed, it asks for that one connection's secret and fills the field;
// where NetworkManager refuses or does not answer, one line says so and the field stays as it
// was.
void tst_KnownWlanPages::computerPassword_data()
{
    QTest::addColumn<QByteArray>("connections");
    QTest::addColumn<QString>("ssid"); // typed in when not listed
    QTest::addColumn<QString>("security");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<bool>("hangs");
    QTest::addColumn<QString>("field"); // after the press; "typed" is what the user typed before

    const QByteArray homeActive = "[" + home + R"(, "active": true}, )" + guests + "]";
    const QString wpa = QStringLiteral("WPA/WPA2/WPA3 Personal");
    QTest::newRow("listed, read") << homeActive << "Hausnetz" << wpa << true << false << password;
    QTest::newRow("typed in, read")
        << homeActive << "Hausnetz " << wpa << true << false << password;
    QTest::newRow("refused: no permission") << QByteArray("[" + home + R"(, "refuse":
                      "org.freedesktop.NetworkManager.Settings.PermissionDenied"}])")
                                            << "Hausnetz" << wpa << true << false << "typed";
    QTest::newRow("refused: no secret agent") << QByteArray("[" + home + R"(, "refuse":
                      "org.freedesktop.NetworkManager.AgentManager.NoSecrets"}])")
                                              << "Hausnetz" << wpa << true << false << "typed";
    QTest::newRow("no answer") << homeActive << "Hausnetz" << wpa << true << true << "typed";
    QTest::newRow("typed in, open") << homeActive << "Hausnetz "
                                    << "Open" << false << false << "typed";
    QTest::newRow("not known") << homeActive << "Cafe" << wpa << false << false << "typed";
    QTest::newRow("enterprise: no password")
        << QByteArray(R"([{"id": "Firma", "ssid": "Hausnetz", "key-mgmt": "wpa-eap"}])")
        << "Hausnetz" << wpa << false << false << "typed";
    QTest::newRow("no NetworkManager")
        << QByteArray() << "Hausnetz" << wpa << false << false << "typed";
}

void tst_KnownWlanPages::computerPassword()
{
    QFETCH(QByteArray, connections);
    QFETCH(QString, ssid);
    QFETCH(QString, security);
    QFETCH(bool, offered);
    QFETCH(bool, hangs);
    QFETCH(QString, field);

    knowWlans(connections,
              hangs ? hangingCallTimeout : std::chrono::milliseconds(patientCallTimeout));
    QSignalSpy readySpy(known.get(), &KnownWlans::ready);
    known->refresh();
    QTRY_COMPARE(readySpy.count(), 1);
    // The trailing blank makes it a WLAN to type: the speaker lists none of that name.
    const bool typed = ssid.endsWith(QLatin1Char(' '));
    wizardData.ssid = ssid;
    wizardData.encryptType = QStringLiteral("WPA2");
    auto *page = new Client_Settings(
        nullptr, typed ? Client_Settings::WlanEntry::Typed : Client_Settings::WlanEntry::Chosen);
    page->show();
    QPushButton *button = buttonWithText(page, QStringLiteral("Use this computer's password"));
    QLineEdit *passwordEdit = fieldLabelled<QLineEdit>(page, QStringLiteral("Passwd:"));
    passwordEdit->setText(QStringLiteral("typed"));
    if (typed) {
        QVERIFY(!button->isVisible());
        fieldLabelled<QLineEdit>(page, QStringLiteral("WLAN:"))->setText(ssid.trimmed());
        fieldLabelled<QComboBox>(page, QStringLiteral("Security:"))->setCurrentText(security);
    }
    QCOMPARE(button->isVisible(), offered);
    QCOMPARE(secretCalls, QStringList());
    if (!offered)
        return;

    if (hangs)
        standIn.freeze();
    // Pressed again while it is read: still one request.
    button->click();
    button->click();
    const bool read = field == QLatin1String(password);
    if (read)
        QTRY_COMPARE(passwordEdit->text(), field);
    else
        QTRY_VERIFY(labelWithText(page, QString::fromUtf8(unreadable)) &&
                    labelWithText(page, QString::fromUtf8(unreadable))->isVisible());
    QCOMPARE(passwordEdit->text(), field);
    const QLabel *line = labelWithText(page, QString::fromUtf8(unreadable));
    QCOMPARE(line && line->isVisible(), !read);
    // That connection's secret, once: none was read before the press.
    if (!hangs)
        QTRY_COMPARE(secretCalls,
                     QStringList(QStringLiteral("/org/freedesktop/NetworkManager/Settings/0")));
}

// Before SAVE the page says where this computer is on another WLAN than the speaker's, chosen or
// typed in; where NetworkManager tells of none, nothing.
void tst_KnownWlanPages::networkLine_data()
{
    QTest::addColumn<QByteArray>("connections");
    QTest::addColumn<QString>("ssid"); // typed in when it ends in a blank
    QTest::addColumn<QString>("otherWlan");

    const QByteArray onGuests = "[" + home + "}, " + guests.chopped(1) + R"(, "active": true}])";
    QTest::newRow("on another WLAN") << onGuests << "Hausnetz" << QString::fromUtf8("Gäste-WLAN");
    QTest::newRow("typed in, on another WLAN")
        << onGuests << "Hausnetz " << QString::fromUtf8("Gäste-WLAN");
    QTest::newRow("typed in, this computer's") << onGuests << "Gäste-WLAN " << QString();
    QTest::newRow("on the speaker's WLAN") << "[" + home + R"(, "active": true}])"
                                           << "Hausnetz" << QString();
    QTest::newRow("on no WLAN") << "[" + home + "}, " + guests + "]"
                                << "Hausnetz" << QString();
    QTest::newRow("no NetworkManager") << QByteArray() << "Hausnetz" << QString();
}

void tst_KnownWlanPages::networkLine()
{
    QFETCH(QByteArray, connections);
    QFETCH(QString, ssid);
    QFETCH(QString, otherWlan);

    knowWlans(connections, patientCallTimeout);
    // In German, as the catalogue has it.
    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral(":/translations/VANTIR_de.qm")));
    QCoreApplication::installTranslator(&catalogue);
    const bool typed = ssid.endsWith(QLatin1Char(' '));
    wizardData.ssid = ssid;
    auto *page = new Client_Settings(
        nullptr, typed ? Client_Settings::WlanEntry::Typed : Client_Settings::WlanEntry::Chosen);
    page->show();
    // Told once the reading comes.
    QSignalSpy readySpy(known.get(), &KnownWlans::ready);
    known->refresh();
    QTRY_COMPARE(readySpy.count(), 1);
    if (typed)
        fieldLabelled<QLineEdit>(page, QStringLiteral("WLAN:"))->setText(ssid.trimmed());
    const QString line = germanEntry("Client_Settings",
                                     "This computer is on the WLAN \"%1\", not on \"%2\": the "
                                     "speaker can be seen coming back only while this computer is "
                                     "on \"%2\" too.")
                             .arg(otherWlan, ssid.trimmed());
    const QLabel *shown = labelWithText(page, line);
    QCOMPARE(shown && shown->isVisible(), !otherWlan.isEmpty());
}

QTEST_MAIN(tst_KnownWlanPages)
#include "tst_knownwlanpages.moc"
