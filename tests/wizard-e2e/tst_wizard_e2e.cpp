#include "addressdialog.h"
#include "client.h"
#include "client_settings.h"
#include "client_wlans.h"
#include "messagelog.h"
#include "pagetest.h"
#include "setconfig.h"
#include "simulatorrecord.h"
#include "wizarddata.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

// What the speaker sees of the WLANs and of itself, member by member in place
// of the simulator's own description.
const char speakerDescription[] = R"({
  "deviceinfo": {"model": "Ovix Mini", "softwarever": "3.1.4", "hardwarever": "2.0"},
  "aplist": [
    {"ssid": "Hausnetz", "encrypt_type": "WPA2", "signal_level": "-41"},
    {"ssid": "G\u00e4ste-WLAN", "encrypt_type": "WPA2", "signal_level": "-63"},
    {"ssid": "Telekom_FON", "encrypt_type": "NONE", "signal_level": "-72"}
  ]
})";

// Types like a keyboard would; QTest's own typing knows only ASCII keys.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar character : text) {
        if (character.unicode() < 0x80)
            QTest::keyClick(widget, character.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }
}

QStringList rowTexts(const QTreeWidget *tree, int column)
{
    QStringList texts;
    for (int row = 0; row < tree->topLevelItemCount(); ++row)
        texts.append(tree->topLevelItem(row)->text(column));
    return texts;
}

} // namespace

class tst_WizardE2e : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void configureFirstSpeaker_data();
    void configureFirstSpeaker();
    void speakerByAddress();

private:
    bool speakerListening();
    void readSimulator();

    QTemporaryDir m_dir;
    QProcess *m_simulator = nullptr;
    QProcess *m_host2 = nullptr; // the second host, with a speaker of its own
    QByteArray m_simulatorOutput;
    QElapsedTimer m_clock;
    qint64 m_listeningAgainAt = -1; // ms on m_clock: the speaker is back from its reboot
    QScopedPointer<MessageLog> m_log;
    QScopedPointer<MessageBoxCloser> m_closer;
};

void tst_WizardE2e::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DBUS_SYSTEM_BUS_ADDRESS"))
        QSKIP("needs the private DNS-SD network (run through tools/dnssd-net)");
    QVERIFY(m_dir.isValid());
    QFile description(m_dir.filePath(QStringLiteral("speaker.json")));
    QVERIFY(description.open(QIODevice::WriteOnly));
    description.write(speakerDescription);
    description.close();

    // Passed on to the test log, where a failure can be read in context.
    m_log.reset(new MessageLog(true));
}

void tst_WizardE2e::init()
{
    wizardData = WizardData();
    wlanPage = nullptr;
    settingsPage = nullptr;
    m_log->clear();
    m_closer.reset(new MessageBoxCloser);
    m_simulatorOutput.clear();
    m_listeningAgainAt = -1;
    m_clock.start();
}

void tst_WizardE2e::cleanup()
{
    if (m_simulator) {
        m_simulator->kill();
        m_simulator->waitForFinished(5000);
        delete m_simulator;
        m_simulator = nullptr;
    }
    if (m_host2) {
        // The second host takes its speaker, daemons and link with it.
        m_host2->terminate();
        if (!m_host2->waitForFinished(30000))
            m_host2->kill();
        m_host2->waitForFinished(5000);
        delete m_host2;
        m_host2 = nullptr;
    }
    deletePages<Client_Settings>();
    deletePages<Client_WLANs>();
    wlanPage = nullptr;
    settingsPage = nullptr;
}

bool tst_WizardE2e::speakerListening()
{
    readSimulator();
    return m_simulatorOutput.contains("listening on ");
}

void tst_WizardE2e::readSimulator()
{
    m_simulatorOutput += m_simulator->readAllStandardOutput();
    if (m_listeningAgainAt < 0 && m_simulatorOutput.count("listening on ") == 2)
        m_listeningAgainAt = m_clock.elapsed();
}

void tst_WizardE2e::configureFirstSpeaker_data()
{
    QTest::addColumn<QString>("speakerName");
    QTest::addColumn<int>("wlanRow");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("password");
    // The three values as JSON string content, as they must reach the speaker.
    QTest::addColumn<QByteArray>("jsonName");
    QTest::addColumn<QByteArray>("jsonPassword");
    QTest::addColumn<QByteArray>("jsonSsid");
    // The speaker refuses the settings (with a non-zero returncode): no "Success".
    QTest::addColumn<bool>("refused");

    QTest::newRow("plain") << QStringLiteral("VANTIR Ovix Living Room") << 0
                           << QStringLiteral("VANTIR Ovix Studio") << QStringLiteral("Sommer-2024!")
                           << QByteArray("VANTIR Ovix Studio") << QByteArray("Sommer-2024!")
                           << QByteArray("Hausnetz") << false;
    // Quotation marks and reverse solidi escaped, umlauts in UTF-8.
    QTest::newRow("escaped") << QStringLiteral("VANTIR Ovix Kitchen") << 1
                             << QStringLiteral("K\u00fcche \"S\u00fcd\"")
                             << QStringLiteral("a\\b\"c \u00e4\u00f6")
                             << QByteArray("K\xc3\xbc"
                                           "che \\\"S\xc3\xbc"
                                           "d\\\"")
                             << QByteArray("a\\\\b\\\"c \xc3\xa4\xc3\xb6")
                             << QByteArray("G\xc3\xa4ste-WLAN") << false;
    QTest::newRow("refused") << QStringLiteral("VANTIR Ovix Office") << 2
                             << QStringLiteral("VANTIR Ovix Office") << QStringLiteral("falsch")
                             << QByteArray("VANTIR Ovix Office") << QByteArray("falsch")
                             << QByteArray("Telekom_FON") << true;
}

void tst_WizardE2e::configureFirstSpeaker()
{
    QFETCH(QString, speakerName);
    QFETCH(int, wlanRow);
    QFETCH(QString, newName);
    QFETCH(QString, password);
    QFETCH(QByteArray, jsonName);
    QFETCH(QByteArray, jsonPassword);
    QFETCH(QByteArray, jsonSsid);
    QFETCH(bool, refused);

    m_simulator = new QProcess;
    // Through setpriv, so that the speaker goes when a crashed test does.
    m_simulator->setProgram(QStringLiteral("setpriv"));
    m_simulator->setArguments(
        { QStringLiteral("--pdeathsig"), QStringLiteral("KILL"), QStringLiteral(SPEAKER_SIM_PATH),
          QStringLiteral("--name"), speakerName, QStringLiteral("--device"),
          m_dir.filePath(QStringLiteral("speaker.json")), QStringLiteral("--record"),
          m_dir.filePath(QStringLiteral("record.jsonl")), QStringLiteral("--reboot-seconds"),
          QStringLiteral("1") });
    if (refused)
        m_simulator->setArguments(m_simulator->arguments() << QStringLiteral("--refuse-setconfig"));
    m_simulator->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(m_simulator, &QProcess::readyReadStandardOutput, this, &tst_WizardE2e::readSimulator);
    m_simulator->start();
    QVERIFY(m_simulator->waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(speakerListening(), 10000);

    // The speaker list: this speaker alone (an earlier one has withdrawn).
    Client client(nullptr);
    client.show();
    QTreeWidget *speakerTree = client.findChild<QTreeWidget *>();
    QPushButton *nextButton = buttonWithText(&client, QStringLiteral("Next >>"));
    QVERIFY(speakerTree);
    QVERIFY(nextButton);
    QTRY_COMPARE_WITH_TIMEOUT(rowTexts(speakerTree, 0), QStringList(speakerName), 30000);
    QVERIFY(speakerTree->topLevelItem(0)->isSelected());
    QVERIFY(nextButton->isEnabled());
    QTest::mouseClick(nextButton, Qt::LeftButton);

    // The WLAN page, filled from the speaker's scan; the device query answered.
    QTRY_VERIFY_WITH_TIMEOUT(wlanPage, 30000);
    Client_WLANs *wlans = wlanPage;
    QVERIFY(wlans->isVisible());
    QTreeWidget *wlanTree = wlans->findChild<QTreeWidget *>();
    QVERIFY(wlanTree);
    QTRY_COMPARE_WITH_TIMEOUT(wlanTree->topLevelItemCount(), 3, 15000);
    QCOMPARE(rowTexts(wlanTree, 0),
             QStringList({ QStringLiteral("Hausnetz"), QStringLiteral("G\u00e4ste-WLAN"),
                           QStringLiteral("Telekom_FON") }));
    QCOMPARE(rowTexts(wlanTree, 1),
             QStringList({ QStringLiteral("-41"), QStringLiteral("-63"), QStringLiteral("-72") }));
    QTRY_COMPARE_WITH_TIMEOUT(wizardData.softwareVer, QStringLiteral("3.1.4"), 15000);
    QCOMPARE(wizardData.model, QStringLiteral("Ovix Mini"));
    QCOMPARE(wizardData.ip, QStringLiteral("127.0.0.1"));
    QCOMPARE(wizardData.name, speakerName);

    // Back to the list and the speaker chosen again: the first WLAN page goes, requests and all.
    QPointer<Client_WLANs> firstWlans = wlans;
    QTest::mouseClick(buttonWithText(wlans, QStringLiteral("<< Back")), Qt::LeftButton);
    QTRY_VERIFY(nextButton->isEnabled());
    QTest::mouseClick(nextButton, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!firstWlans, 30000);
    QVERIFY(wlanPage);
    wlans = wlanPage;
    wlanTree = wlans->findChild<QTreeWidget *>();
    QTRY_COMPARE_WITH_TIMEOUT(wlanTree->topLevelItemCount(), 3, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(wizardData.softwareVer, QStringLiteral("3.1.4"), 15000);

    wlanTree->setCurrentItem(wlanTree->topLevelItem(wlanRow));
    const QString ssid = wlanTree->topLevelItem(wlanRow)->text(0);
    QPushButton *wlanNext = buttonWithText(wlans, QStringLiteral("Next >>"));
    QVERIFY(wlanNext);
    QVERIFY(wlanNext->isEnabled());
    QTest::mouseClick(wlanNext, Qt::LeftButton);

    // The settings page shows what the speaker told about itself.
    QVERIFY(settingsPage);
    Client_Settings *settings = settingsPage;
    QVERIFY(settings->isVisible());
    QVERIFY(!wlans->isVisible());
    QCOMPARE(wizardData.ssid, ssid);
    QVERIFY(labelWithText(settings, QStringLiteral("Ovix Mini")));
    QVERIFY(labelWithText(settings, ssid));
    QVERIFY(labelWithText(settings, QStringLiteral("127.0.0.1")));
    QVERIFY(labelWithText(settings, QStringLiteral("3.1.4")));

    // The name field starts with the speaker's own name.
    const QList<QLineEdit *> edits = settings->findChildren<QLineEdit *>();
    QCOMPARE(edits.size(), 2);
    QLineEdit *nameEdit = edits.at(0);
    QLineEdit *passwordEdit = edits.at(1);
    QCOMPARE(nameEdit->text(), speakerName);
    QVERIFY(passwordEdit->text().isEmpty());
    nameEdit->selectAll();
    typeText(nameEdit, newName);
    typeText(passwordEdit, password);
    QCOMPARE(nameEdit->text(), newName);
    QCOMPARE(passwordEdit->text(), password);

    QPushButton *saveButton = buttonWithText(settings, QStringLiteral("SAVE"));
    QVERIFY(saveButton);
    QTest::mouseClick(saveButton, Qt::LeftButton);

    // The speaker's answer: the page goes, the box says so; a refusal keeps the page for
    // another try.
    QTRY_COMPARE_WITH_TIMEOUT(m_closer->boxes.size(), 1, 15000);
    QCOMPARE(m_closer->boxes.first().title, QStringLiteral("Info"));
    QCOMPARE(m_closer->boxes.first().text,
             refused ? QStringLiteral("The speaker refused the settings (\"settings refused\"). "
                                      "Check the name and the password, then press SAVE again.")
                     : QStringLiteral("Success"));
    QCOMPARE(m_closer->boxes.first().buttons, QStringList(QStringLiteral("OK")));
    QCOMPARE(settings->isVisible(), refused);
    QVERIFY(saveButton->isEnabled());
    QVERIFY(!wlans->isVisible());
    QVERIFY(client.isVisible());
    // The log keeps the password out of sight.
    QVERIFY(m_log->debugLines().contains(
        QLatin1String("CONFIG STRING: >>>") +
        QString::fromUtf8(setconfigBytes(jsonName, "********", jsonSsid)) +
        QLatin1String("<<<\n\n")));

    // What reached the speaker, byte for byte.
    const QList<RecordedRequest> requests =
        recordedRequests(m_dir.filePath(QStringLiteral("record.jsonl")));
    QByteArrayList bodies;
    for (const RecordedRequest &request : requests)
        bodies.append(request.body);
    QCOMPARE(bodies.size(), 6);
    QVERIFY(bodies.contains("{\"action\": \"query\"}"));
    // Right before the settings, the speaker is asked who it is.
    QCOMPARE(bodies.at(4), QByteArray("{\"action\": \"query\"}"));
    QVERIFY(bodies.contains("{\"action\": \"wifiscan\"}"));
    const RecordedRequest &setconfig = requests.last();
    QCOMPARE(setconfig.body, setconfigBytes(jsonName, jsonPassword, jsonSsid));
    QCOMPARE(setconfig.method, QStringLiteral("POST"));
    QCOMPARE(setconfig.path, QStringLiteral("/api/v14/configure.action"));
    QVERIFY(setconfig.headers.contains(
        qMakePair(QStringLiteral("Content-Type"), QStringLiteral("text/plain"))));
    QVERIFY(
        setconfig.headers.contains(qMakePair(QStringLiteral("charset"), QStringLiteral("UTF-8"))));
    if (refused)
        return;

    // The speaker reboots and is announced again under its new name, on the WLAN it was sent:
    // the list says so.
    const QString backLine =
        QStringLiteral("The speaker \"%1\" is back on the network, on the WLAN \"%2\", IP address "
                       "127.0.0.1.")
            .arg(newName, ssid);
    qint64 shownAt = -1;
    QTimer lineWatch;
    connect(&lineWatch, &QTimer::timeout, this, [&] {
        if (shownAt < 0 && labelWithText(&client, backLine))
            shownAt = m_clock.elapsed();
    });
    lineWatch.start(5);
    QTRY_VERIFY_WITH_TIMEOUT(shownAt >= 0, 30000);
    QCOMPARE(rowTexts(speakerTree, 0), QStringList(newName));
    QVERIFY(speakerTree->topLevelItem(0)->isSelected());
    QCOMPARE(m_closer->boxes.size(), 1);
    QVERIFY(m_listeningAgainAt >= 0);
    qInfo("Back on the list %lld ms after the speaker listened again",
          static_cast<long long>(shownAt - m_listeningAgainAt));
}

// A speaker on another subnet, whose announcements do not cross the route: found by its address,
// configured, and seen back there.
void tst_WizardE2e::speakerByAddress()
{
    const QString address = QStringLiteral("10.213.2.2:8080");
    m_host2 = new QProcess;
    m_host2->setProgram(QStringLiteral(DNSSD_NET_PATH));
    m_host2->setArguments(
        { QStringLiteral("host2"), QStringLiteral("run"), QStringLiteral("--routed"),
          QStringLiteral("--"), QStringLiteral(SPEAKER_SIM_PATH), QStringLiteral("--name"),
          QStringLiteral("VANTIR Ovix Attic"), QStringLiteral("--address"),
          address.section(':', 0, 0), QStringLiteral("--port"), address.section(':', 1),
          QStringLiteral("--device"), m_dir.filePath(QStringLiteral("speaker.json")),
          QStringLiteral("--record"), m_dir.filePath(QStringLiteral("host2.jsonl")),
          QStringLiteral("--reboot-seconds"), QStringLiteral("2") });
    m_host2->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QObject reading;
    QByteArray output;
    connect(m_host2, &QProcess::readyReadStandardOutput, &reading,
            [&] { output += m_host2->readAllStandardOutput(); });
    m_host2->start();
    QVERIFY(m_host2->waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(output.contains("listening on "), 30000);

    // Asked often at its address while it restarts.
    NetworkWaits waits;
    waits.firstRetry = std::chrono::milliseconds(300);
    waits.maxRetry = std::chrono::seconds(1);
    Client client(nullptr, waits);
    client.show();
    QTreeWidget *speakerTree = client.findChild<QTreeWidget *>();
    buttonWithText(&client, QStringLiteral("Add by address…"))->click();
    QPointer<AddressDialog> dialog = client.findChild<AddressDialog *>();
    QVERIFY(dialog);
    QLineEdit *addressEdit = fieldLabelled<QLineEdit>(dialog, QStringLiteral("Address:"));
    QVERIFY(addressEdit);
    typeText(addressEdit, address);
    QTest::keyClick(addressEdit, Qt::Key_Return);
    const QString row = QStringLiteral("VANTIR Ovix Attic (by address %1)").arg(address);
    QTRY_COMPARE_WITH_TIMEOUT(rowTexts(speakerTree, 0), QStringList(row), 15000);
    QTRY_VERIFY(!dialog);
    QVERIFY(speakerTree->topLevelItem(0)->isSelected());

    QTest::mouseClick(buttonWithText(&client, QStringLiteral("Next >>")), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(wlanPage, 15000);
    QTreeWidget *wlanTree = wlanPage->findChild<QTreeWidget *>();
    QTRY_COMPARE_WITH_TIMEOUT(wlanTree->topLevelItemCount(), 3, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(wizardData.ip, address.section(':', 0, 0), 15000);
    wlanTree->setCurrentItem(wlanTree->topLevelItem(0));
    QTest::mouseClick(buttonWithText(wlanPage, QStringLiteral("Next >>")), Qt::LeftButton);
    QVERIFY(settingsPage);
    const QList<QLineEdit *> edits = settingsPage->findChildren<QLineEdit *>();
    QCOMPARE(edits.at(0)->text(), QStringLiteral("VANTIR Ovix Attic"));
    edits.at(0)->selectAll();
    typeText(edits.at(0), QStringLiteral("VANTIR Ovix Dach"));
    typeText(edits.at(1), QStringLiteral("Sommer-2024!"));
    QTest::mouseClick(buttonWithText(settingsPage, QStringLiteral("SAVE")), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_closer->boxes.size(), 1, 15000);
    QCOMPARE(m_closer->boxes.first().text, QStringLiteral("Success"));

    // Who it is, then the settings, at its address.
    const QList<RecordedRequest> requests =
        recordedRequests(m_dir.filePath(QStringLiteral("host2.jsonl")));
    QVERIFY(requests.size() >= 2);
    QCOMPARE(requests.at(requests.size() - 2).body, QByteArray("{\"action\": \"query\"}"));
    QCOMPARE(requests.last().body, setconfigBytes("VANTIR Ovix Dach", "Sommer-2024!", "Hausnetz"));

    // No announcement comes across the route: it is seen back at its address, and listed there
    // under its new name.
    QTRY_VERIFY_WITH_TIMEOUT(
        labelWithText(&client,
                      QStringLiteral("The speaker \"VANTIR Ovix Dach\" is back on the network, on "
                                     "the WLAN \"Hausnetz\", IP address 10.213.2.2.")),
        30000);
    QCOMPARE(rowTexts(speakerTree, 0),
             QStringList(QStringLiteral("VANTIR Ovix Dach (by address %1)").arg(address)));
    QVERIFY(speakerTree->topLevelItem(0)->isSelected());
    QCOMPARE(m_closer->boxes.size(), 1);
}

QTEST_MAIN(tst_WizardE2e)

#include "tst_wizard_e2e.moc"
