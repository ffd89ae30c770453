#include "byterules.h"
#include "plan.h"
#include "planscheduler.h"
#include "speakerclient.h"

#include <QTimer>
#include <QtTest>

#include <csignal>

namespace {

// A speaker as the fake network knows it.
struct FakeSpeaker
{
    QString announcedAs; // its record's name; empty: reached by address only
    QString address;
    quint16 port = 80;
    QString name;      // as its device query tells
    QStringList wlans; // "SSID/TYPE"
    QString wifiMode;  // and the WLAN it tells it is on
    QString ssid;
    ReachProblem reach = ReachProblem::None;
    SpeakerApi::SaveOutcome save = SpeakerApi::SaveOutcome::Saved;
    QString reason;
    ReturnOutcome back = ReturnOutcome::Back;

    FakeSpeaker &on(const QString &ssidTold)
    {
        wifiMode = QStringLiteral("client");
        ssid = ssidTold;
        return *this;
    }
    FakeSpeaker &refusing(const QString &why)
    {
        save = SpeakerApi::SaveOutcome::Refused;
        reason = why;
        return *this;
    }
    FakeSpeaker &returning(ReturnOutcome outcome)
    {
        back = outcome;
        return *this;
    }
    FakeSpeaker &unreachable()
    {
        reach = ReachProblem::NotSent;
        return *this;
    }
    QString url() const
    {
        return QStringLiteral("http://%1:%2/api/v14/configure.action").arg(address).arg(port);
    }
};

FakeSpeaker speaker(const QString &announcedAs, const QString &address,
                    const QString &name = QString())
{
    FakeSpeaker fake;
    fake.announcedAs = announcedAs;
    fake.address = address;
    fake.name = name.isNull() ? announcedAs : name;
    fake.wlans =
        QStringList { QStringLiteral("Hausnetz/WPA2"), QStringLiteral("Telekom_FON/NONE") };
    return fake;
}

// The speakers, answering from the event loop; it counts what is in flight and records each
// set-configuration it is sent.
class FakeClient : public SpeakerClient
{
public:
    explicit FakeClient(const QList<FakeSpeaker> &speakers, bool available = true)
        : speakers(speakers), available(available)
    {
    }

    void listSpeakers(std::function<void(const Listing &)> done) override
    {
        Listing listing;
        listing.available = available;
        listing.error = available ? 0 : -65563;
        for (const FakeSpeaker &fake : qAsConst(speakers)) {
            if (available && !fake.announcedAs.isEmpty())
                listing.records.append(BonjourRecord(
                    fake.announcedAs, QStringLiteral("_dockset._tcp."), QStringLiteral("local.")));
        }
        later([done, listing] { done(listing); });
    }

    void look(const SpeakerTarget &target, bool askDevice, bool scan,
              std::function<void(const Look &)> done) override
    {
        Look look;
        const FakeSpeaker *fake = find(target);
        look.reach.problem = fake ? fake->reach : ReachProblem::NotSent;
        if (look.reach.problem == ReachProblem::NotSent)
            look.reach.transfer.error = QNetworkReply::ConnectionRefusedError;
        if (fake) {
            look.reach.addresses = { QHostAddress(fake->address) };
            look.reach.port = fake->port;
            look.reach.url = fake->url();
            look.reach.host = fake->address;
        }
        if (fake && fake->reach == ReachProblem::None) {
            look.reach.asked = askDevice;
            look.reach.device.name = fake->name;
            look.reach.device.wifiMode = fake->wifiMode;
            look.reach.device.ssid = fake->ssid;
            look.scanned = scan;
            for (const QString &wlan : fake->wlans) {
                SpeakerApi::AccessPoint accessPoint;
                accessPoint.ssid = wlan.section(QLatin1Char('/'), 0, 0);
                accessPoint.encryptType = wlan.section(QLatin1Char('/'), 1);
                if (scan)
                    look.accessPoints.append(accessPoint);
            }
        }
        later([done, look] { done(look); });
    }

    void send(const QString &url, const SpeakerSettings &settings, const SpeakerApi::DeviceInfo &,
              std::function<void(const SendResult &)> done) override
    {
        SendResult result;
        for (const FakeSpeaker &fake : qAsConst(speakers)) {
            if (fake.url() != url)
                continue;
            sent.append(QStringLiteral("%1>%2@%3").arg(fake.name, settings.name, settings.ssid));
            result.outcome = fake.save;
            result.reason = fake.reason;
            returns.insert(url, fake.back);
        }
        later([done, result] { done(result); });
    }

    void watchReturn(const ReturnRequest &request,
                     std::function<void(const ReturnResult &)> done) override
    {
        ReturnResult result;
        result.outcome = returns.value(find(request.target)->url());
        result.name =
            result.outcome == ReturnOutcome::Back ? request.sentName : request.before.name;
        watched.append(request.before.name + QStringLiteral(" at ") + request.lastAddress.host);
        if (!holdReturns)
            later([done, result] { done(result); });
    }

    void stop() override { stopped = true; }

    QStringList sent;
    QStringList watched;
    bool holdReturns = false; // no speaker is seen back
    int inFlight = 0;
    int mostInFlight = 0;
    bool stopped = false;

private:
    const FakeSpeaker *find(const SpeakerTarget &target) const
    {
        for (const FakeSpeaker &fake : speakers) {
            if (target.isAnnounced ? fake.announcedAs == target.record.instanceName
                                   : fake.address == target.host && fake.port == target.port)
                return &fake;
        }
        return nullptr;
    }

    void later(std::function<void()> answer)
    {
        mostInFlight = qMax(mostInFlight, ++inFlight);
        QTimer::singleShot(0, [this, answer] {
            --inFlight;
            if (!stopped)
                answer();
        });
    }

    const QList<FakeSpeaker> speakers;
    const bool available;
    QHash<QString, ReturnOutcome> returns;
};

} // namespace

Q_DECLARE_METATYPE(FakeSpeaker)

class tst_PlanScheduler : public QObject
{
    Q_OBJECT

private slots:
    void runsPlan_data();
    void runsPlan();
    void holdsBackBadBytes_data();
    void holdsBackBadBytes();
    void keepsToJobs();
    void stopsOnSignal();
};

void tst_PlanScheduler::runsPlan_data()
{
    QTest::addColumn<QByteArray>("plan");
    QTest::addColumn<QList<FakeSpeaker>>("speakers");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("dryRun");
    QTest::addColumn<QStringList>("lines"); // "LINE RESULT NAME: DETAILS", or the plan's error
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("sent"); // "NAME>NEW NAME@SSID"

    const QByteArray header = "speaker,name,ssid\n";
    const QString password = QStringLiteral("Sommer-2024!");
    const QList<FakeSpeaker> two = { speaker("Kitchen", "10.0.0.1"),
                                     speaker("Bedroom", "10.0.0.2") };
    const QString nothingSent = QStringLiteral("nothing was sent");

    QTest::newRow("both sent and back")
        << QByteArray(header + "Kitchen,Room 1,Hausnetz\nBedroom,,Telekom_FON\n") << two << password
        << false
        << QStringList { "2 ok Room 1: back as \"Room 1\"", "3 ok Bedroom: back as \"Bedroom\"" }
        << QStringList() << 0
        << QStringList { "Kitchen>Room 1@Hausnetz", "Bedroom>Bedroom@Telekom_FON" };
    // The password fits the open WLAN of one line but not the WPA2 one of the other: the plan
    // ends, nothing is sent to either, and it ends as held back whichever line comes first.
    QTest::newRow("mixed fit, the fitting line first")
        << QByteArray(header + "Bedroom,,Telekom_FON\nKitchen,,Hausnetz\n") << two
        << QString("short") << false
        << QStringList { "2 not-sent Bedroom: not sent: another line does not pass the checks",
                         "3 usage Kitchen: the password does not fit \"Hausnetz\": a WPA2 "
                         "password has at least 8 bytes in UTF-8, or 64 hex digits" }
        << QStringList { "p.csv:3: the password does not fit \"Hausnetz\": a WPA2 password has at "
                         "least 8 bytes in UTF-8, or 64 hex digits",
                         nothingSent }
        << 9 << QStringList();
    QTest::newRow("mixed fit, the misfit first")
        << QByteArray(header + "Kitchen,,Hausnetz\nBedroom,,Telekom_FON\n") << two
        << QString("short") << false
        << QStringList { "2 usage Kitchen: the password does not fit \"Hausnetz\": a WPA2 "
                         "password has at least 8 bytes in UTF-8, or 64 hex digits",
                         "3 not-sent Bedroom: not sent: another line does not pass the checks" }
        << QStringList { "p.csv:2: the password does not fit \"Hausnetz\": a WPA2 password has at "
                         "least 8 bytes in UTF-8, or 64 hex digits",
                         nothingSent }
        << 9 << QStringList();
    QTest::newRow("one name twice, letter case aside")
        << QByteArray(header + "Kitchen,Room,Hausnetz\nBedroom,ROOM,Hausnetz\n") << two << password
        << false
        << QStringList { "2 not-sent Room: not sent: another line does not pass the checks",
                         "3 usage ROOM: the name \"ROOM\" is planned for line 2 as well" }
        << QStringList { "p.csv:3: the name \"ROOM\" is planned for line 2 as well", nothingSent }
        << 9 << QStringList();
    QTest::newRow("a kept name given to another line")
        << QByteArray(header + "Kitchen,,Hausnetz\nBedroom,Kitchen,Hausnetz\n") << two << password
        << false
        << QStringList { "2 not-sent Kitchen: not sent: another line does not pass the checks",
                         "3 usage Kitchen: the name \"Kitchen\" is planned for line 2 as well" }
        << QStringList { "p.csv:3: the name \"Kitchen\" is planned for line 2 as well",
                         nothingSent }
        << 9 << QStringList();
    QTest::newRow("a name another speaker has")
        << QByteArray(header + "Kitchen,Bedroom,Hausnetz\n") << two << password << false
        << QStringList { "2 usage Bedroom: the name \"Bedroom\" is taken by another speaker" }
        << QStringList { "p.csv:2: the name \"Bedroom\" is taken by another speaker", nothingSent }
        << 2 << QStringList();
    QTest::newRow("one speaker by name and by address")
        << QByteArray(header + "Kitchen,Room 1,Hausnetz\n10.0.0.1:80,Room 2,Hausnetz\n") << two
        << password << false
        << QStringList { "2 not-sent Room 1: not sent: another line does not pass the checks",
                         "3 usage Room 2: the same speaker as line 2" }
        << QStringList { "p.csv:3: the same speaker as line 2", nothingSent } << 9 << QStringList();
    QTest::newRow("a name that looks like an address is the announced speaker's")
        << QByteArray(header + "Suite:12,Suite 12,Hausnetz\n")
        << QList<FakeSpeaker> { speaker("Suite:12", "10.0.0.3") } << password << false
        << QStringList { "2 ok Suite 12: back as \"Suite 12\"" } << QStringList() << 0
        << QStringList { "Suite:12>Suite 12@Hausnetz" };
    QTest::newRow("by address") << QByteArray(header + "10.0.0.9:8080,,Hausnetz\n")
                                << QList<FakeSpeaker> { [] {
                                       FakeSpeaker fake = speaker(QString(), "10.0.0.9", "Garage");
                                       fake.port = 8080;
                                       return fake;
                                   }() }
                                << password << false
                                << QStringList { "2 ok Garage: back as \"Garage\"" }
                                << QStringList() << 0 << QStringList { "Garage>Garage@Hausnetz" };
    QTest::newRow("bad port") << QByteArray(header + "Kitchen,,Hausnetz\nSuite:80x,,Hausnetz\n")
                              << two << password << false
                              << QStringList { "p.csv:3: bad port \"80x\" in \"Suite:80x\": a "
                                               "port is a number from 1 to 65535" }
                              << QStringList() << 2 << QStringList();
    QTest::newRow("port 0") << QByteArray(header + "127.0.0.1:0,,Hausnetz\n") << two << password
                            << false
                            << QStringList { "p.csv:2: bad port \"0\" in \"127.0.0.1:0\": a port "
                                             "is a number from 1 to 65535" }
                            << QStringList() << 2 << QStringList();
    QTest::newRow("a NUL in the plan")
        << QByteArray(header + "Kitchen,,Hausnetz\nBed" + QByteArray(1, '\0') + "room,,Hausnetz\n")
        << two << password << false << QStringList { "p.csv:3: the plan holds a NUL byte" }
        << QStringList() << 2 << QStringList();
    QTest::newRow("a Latin-1 plan")
        << QByteArray(header +
                      "Kitchen,K\xfc"
                      "che,Hausnetz\n")
        << two << password << false
        << QStringList { "p.csv:2: the plan is not UTF-8 text (save it as UTF-8)" } << QStringList()
        << 2 << QStringList();
    QTest::newRow("a blank name") << QByteArray(header + "Kitchen,\" \",Hausnetz\n") << two
                                  << password << false
                                  << QStringList { "2 usage  : the name is blank" }
                                  << QStringList { "p.csv:2: the name is blank", nothingSent } << 2
                                  << QStringList();
    // 32 × "ä" are 64 bytes: one DNS label too many.
    const QString longName = QString(32, QChar(0xe4));
    QTest::newRow("a name over 63 bytes")
        << QByteArray(header + "Kitchen," + longName.toUtf8() + ",Hausnetz\n") << two << password
        << false
        << QStringList { "2 usage " + longName + ": the name has more than 63 bytes in UTF-8" }
        << QStringList { "p.csv:2: the name has more than 63 bytes in UTF-8", nothingSent } << 2
        << QStringList();
    QTest::newRow("no usable name told")
        << QByteArray(header + "Kitchen,,Hausnetz\n")
        << QList<FakeSpeaker> { speaker("Kitchen", "10.0.0.1", QStringLiteral("  ")) } << password
        << false
        << QStringList { "2 usage   : the speaker tells no usable name; give it one in the name "
                         "column" }
        << QStringList { "p.csv:2: the speaker tells no usable name; give it one in the name "
                         "column",
                         nothingSent }
        << 2 << QStringList();
    QTest::newRow("a WLAN the speaker does not see")
        << QByteArray(header + "Kitchen,,Büro\n") << two << password << false
        << QStringList { "2 usage Kitchen: the speaker does not see the WLAN \"Büro\"; if it does "
                         "not announce itself, say so in the hidden column" }
        << QStringList { "p.csv:2: the speaker does not see the WLAN \"Büro\"; if it does not "
                         "announce itself, say so in the hidden column",
                         nothingSent }
        << 2 << QStringList();
    QTest::newRow("a hidden WLAN, sent as typed")
        << QByteArray("speaker,name,ssid,hidden\nKitchen,,Büro,yes\nBedroom,,Hausnetz,no\n") << two
        << password << false
        << QStringList { "2 ok Kitchen: back as \"Kitchen\"", "3 ok Bedroom: back as \"Bedroom\"" }
        << QStringList() << 0 << QStringList { "Kitchen>Kitchen@Büro", "Bedroom>Bedroom@Hausnetz" };
    // A hidden WLAN is taken for WPA.
    QTest::newRow("a hidden WLAN, the password too short")
        << QByteArray("speaker,name,ssid,hidden\nKitchen,,Büro,yes\n") << two << QString("short")
        << false
        << QStringList { "2 usage Kitchen: the password does not fit \"Büro\": a WPA password has "
                         "at least 8 bytes in UTF-8, or 64 hex digits" }
        << QStringList { "p.csv:2: the password does not fit \"Büro\": a WPA password has at least "
                         "8 bytes in UTF-8, or 64 hex digits",
                         nothingSent }
        << 2 << QStringList();
    // After an interrupted run: the speaker that is gone fails alone, the others are finished.
    QTest::newRow("one not found, the others go on")
        << QByteArray(header + "Kitchen,,Hausnetz\nAttic,Room 9,Hausnetz\nBedroom,,Hausnetz\n")
        << two << password << false
        << QStringList { "2 ok Kitchen: back as \"Kitchen\"",
                         "3 not-found Room 9: no speaker of "
                         "that name",
                         "4 ok Bedroom: back as \"Bedroom\"" }
        << QStringList { "no speaker named \"Attic\" (line 3); found: \"Kitchen\", \"Bedroom\"." }
        << 3 << QStringList { "Kitchen>Kitchen@Hausnetz", "Bedroom>Bedroom@Hausnetz" };
    QTest::newRow("one not found, a duplicate among the others")
        << QByteArray(header + "Kitchen,Room,Hausnetz\nAttic,,Hausnetz\nBedroom,room,Hausnetz\n")
        << two << password << false
        << QStringList { "2 not-sent Room: not sent: another line does not pass the checks",
                         "3 not-found : no speaker of that name",
                         "4 usage room: the name \"room\" is planned for line 2 as well" }
        << QStringList { "no speaker named \"Attic\" (line 3); found: \"Kitchen\", \"Bedroom\".",
                         "p.csv:4: the name \"room\" is planned for line 2 as well", nothingSent }
        << 9 << QStringList();
    // Run again after the first run: one speaker renamed and on its WLAN, one not yet sent.
    QTest::newRow("already, found by its new name")
        << QByteArray(header + "Kitchen,Room 1,Hausnetz\nBedroom,Room 2,Hausnetz\n")
        << QList<FakeSpeaker> { speaker("Room 1", "10.0.0.1").on("Hausnetz"),
                                speaker("Bedroom", "10.0.0.2") }
        << password << false
        << QStringList { "2 already Room 1: already named so, nothing sent",
                         "3 ok Room 2: back as \"Room 2\"" }
        << QStringList() << 0 << QStringList { "Bedroom>Room 2@Hausnetz" };
    QTest::newRow("already, keeping its name, on the WLAN it tells")
        << QByteArray(header + "Kitchen,,Hausnetz\n")
        << QList<FakeSpeaker> { speaker("Kitchen", "10.0.0.1").on("Hausnetz") } << password << false
        << QStringList { "2 already Kitchen: already named so, nothing sent" } << QStringList() << 0
        << QStringList();
    QTest::newRow("its name, but on another WLAN")
        << QByteArray(header + "Kitchen,,Hausnetz\n")
        << QList<FakeSpeaker> { speaker("Kitchen", "10.0.0.1").on("Telekom_FON") } << password
        << false << QStringList { "2 ok Kitchen: back as \"Kitchen\"" } << QStringList() << 0
        << QStringList { "Kitchen>Kitchen@Hausnetz" };
    QTest::newRow("its name, telling no WLAN")
        << QByteArray(header + "Kitchen,,Hausnetz\n")
        << QList<FakeSpeaker> { speaker("Kitchen", "10.0.0.1") } << password << false
        << QStringList { "2 ok Kitchen: back as \"Kitchen\"" } << QStringList() << 0
        << QStringList { "Kitchen>Kitchen@Hausnetz" };
    QTest::newRow("dry run") << QByteArray(header +
                                           "Kitchen,Room 1,Hausnetz\nBedroom,,Telekom_FON\n")
                             << two << password << true
                             << QStringList { "2 would-send Room 1: would send",
                                              "3 would-send Bedroom: would send" }
                             << QStringList() << 0 << QStringList();
    QTest::newRow("dry run, one unreachable")
        << QByteArray(header + "Kitchen,Room 1,Hausnetz\nBedroom,Room 2,Telekom_FON\n")
        << QList<FakeSpeaker> { speaker("Kitchen", "10.0.0.1"),
                                speaker("Bedroom", "10.0.0.2").unreachable() }
        << password << true
        << QStringList { "2 would-send Room 1: would send",
                         "3 no-answer Room 2: device query: connection refused" }
        << QStringList() << 6 << QStringList();
    QTest::newRow("refused, kept its name, not back")
        << QByteArray(header +
                      "Kitchen,Room 1,Hausnetz\nBedroom,Room 2,Hausnetz\n"
                      "Garage,Room 3,Hausnetz\n")
        << QList<
               FakeSpeaker> { speaker("Kitchen", "10.0.0.1").refusing("\x1b[2K\r\x1b[32mok: saved"),
                              speaker("Bedroom", "10.0.0.2").returning(ReturnOutcome::KeptOldName),
                              speaker("Garage", "10.0.0.3").returning(ReturnOutcome::NotBack) }
        << password << false
        << QStringList { "2 refused Room 1: the speaker refused the settings: \x1b[2K\r\x1b[32mok: "
                         "saved",
                         "3 kept-old-name Room 2: back, but still named \"Bedroom\"",
                         "4 not-back Room 3: saved, but not back within 180 s" }
        << QStringList() << 5
        << QStringList { "Kitchen>Room 1@Hausnetz", "Bedroom>Room 2@Hausnetz",
                         "Garage>Room 3@Hausnetz" };
}

void tst_PlanScheduler::runsPlan()
{
    QFETCH(QByteArray, plan);
    QFETCH(QList<FakeSpeaker>, speakers);
    QFETCH(QString, password);
    QFETCH(bool, dryRun);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, messages);
    QFETCH(int, exitCode);
    QFETCH(QStringList, sent);

    QList<PlanLine> planLines;
    QString error;
    if (!readPlan(plan, QStringLiteral("p.csv"), &planLines, &error)) {
        QCOMPARE(QStringList(error), lines);
        QCOMPARE(exitCode, 2);
        return;
    }
    FakeClient client(speakers);
    PlanSettings settings;
    settings.password = password;
    settings.dryRun = dryRun;
    PlanScheduler scheduler(planLines, QStringLiteral("p.csv"), settings, &client);
    QStringList ended;
    QStringList said;
    connect(&scheduler, &PlanScheduler::lineEnded, this, [&](const LineResult &result) {
        ended.append(QStringLiteral("%1 %2 %3: %4")
                         .arg(result.line.lineNumber)
                         .arg(outcomeWord(result.outcome), result.name, result.details));
    });
    connect(&scheduler, &PlanScheduler::message, this, [&](const QString &text) { said << text; });
    QSignalSpy finished(&scheduler, &PlanScheduler::finished);
    scheduler.start();
    QVERIFY(finished.wait());

    QCOMPARE(finished.count(), 1);
    ended.sort(); // by line: each line ends when its speaker does
    QCOMPARE(ended, lines);
    QCOMPARE(said, messages);
    QCOMPARE(finished.constFirst().constFirst().toInt(), exitCode);
    QCOMPARE(client.sent, sent);
}

void tst_PlanScheduler::holdsBackBadBytes_data()
{
    addByteRuleRows();
}

// A name or password that breaks the byte rule holds the whole plan back before any speaker is
// looked for, --force or not.
void tst_PlanScheduler::holdsBackBadBytes()
{
    QFETCH(QString, value);
    QFETCH(SpeakerApi::SettingsProblem, asName);
    QFETCH(SpeakerApi::SettingsProblem, asPassword);

    for (const bool password : { false, true }) {
        const SpeakerApi::SettingsProblem expected = password ? asPassword : asName;
        QList<PlanLine> lines;
        QString error;
        QVERIFY(readPlan("speaker,name,ssid\nKitchen,,Hausnetz\nBedroom,Room 2,Hausnetz\n",
                         QStringLiteral("p.csv"), &lines, &error));
        if (!password)
            lines[1].name = value;
        FakeClient client({ speaker("Kitchen", "10.0.0.1"), speaker("Bedroom", "10.0.0.2") });
        PlanSettings settings;
        settings.password = password ? value : QStringLiteral("Sommer-2024!");
        settings.force = true;
        PlanScheduler scheduler(lines, QStringLiteral("p.csv"), settings, &client);
        QStringList said;
        connect(&scheduler, &PlanScheduler::message, this,
                [&](const QString &text) { said << text; });
        QSignalSpy finished(&scheduler, &PlanScheduler::finished);
        scheduler.start();
        QVERIFY(finished.wait());

        QCOMPARE(client.sent.isEmpty(), expected != SpeakerApi::SettingsProblem::None);
        if (expected == SpeakerApi::SettingsProblem::None)
            continue;
        QCOMPARE(finished.constFirst().constFirst().toInt(), password ? 2 : 9);
        QCOMPARE(client.mostInFlight, 0);
        const QString text = settingsProblemText(expected, value, value, "Hausnetz", QString());
        QCOMPARE(said,
                 QStringList({ (password ? QString() : QStringLiteral("p.csv:3: ")) + text,
                               QStringLiteral("nothing was sent") }));
    }
}

void tst_PlanScheduler::keepsToJobs()
{
    QList<FakeSpeaker> speakers;
    QByteArray plan = "speaker,name,ssid\n";
    for (int index = 0; index < 7; ++index) {
        const QString name = QStringLiteral("Ovix %1").arg(index);
        speakers.append(speaker(name, QStringLiteral("10.0.0.%1").arg(index + 1)));
        plan += name.toUtf8() + ",,Hausnetz\n";
    }
    QList<PlanLine> lines;
    QString error;
    QVERIFY(readPlan(plan, QStringLiteral("p.csv"), &lines, &error));
    FakeClient client(speakers);
    PlanSettings settings;
    settings.password = QStringLiteral("Sommer-2024!");
    settings.jobs = 3;
    PlanScheduler scheduler(lines, QStringLiteral("p.csv"), settings, &client);
    QSignalSpy finished(&scheduler, &PlanScheduler::finished);
    scheduler.start();
    QVERIFY(finished.wait());
    QCOMPARE(finished.constFirst().constFirst().toInt(), 0);
    QCOMPARE(client.sent.size(), 7);
    // The search, then at most three speakers asked, sent or waited for at a time.
    QCOMPARE(client.mostInFlight, 3);
    // Waited for at the address where each answered before.
    QCOMPARE(client.watched.constFirst(), QStringLiteral("Ovix 0 at 10.0.0.1"));
}

void tst_PlanScheduler::stopsOnSignal()
{
    const QList<FakeSpeaker> speakers = { speaker("Kitchen", "10.0.0.1"),
                                          speaker("Bedroom", "10.0.0.2"),
                                          speaker("Garage", "10.0.0.3") };
    QList<PlanLine> lines;
    QString error;
    QVERIFY(readPlan("speaker,name,ssid\nKitchen,,Hausnetz\nBedroom,,Hausnetz\nGarage,,Hausnetz\n",
                     QStringLiteral("p.csv"), &lines, &error));
    FakeClient client(speakers);
    client.holdReturns = true;
    PlanSettings settings;
    settings.password = QStringLiteral("Sommer-2024!");
    settings.jobs = 1;
    PlanScheduler scheduler(lines, QStringLiteral("p.csv"), settings, &client);
    QSignalSpy finished(&scheduler, &PlanScheduler::finished);
    QStringList ended;
    connect(&scheduler, &PlanScheduler::lineEnded, this, [&](const LineResult &result) {
        ended.append(QStringLiteral("%1 %2 %3: %4")
                         .arg(result.line.lineNumber)
                         .arg(outcomeWord(result.outcome))
                         .arg(result.exitCode)
                         .arg(result.details));
    });
    // Stopped once the first speaker is sent its settings and waited for.
    scheduler.start();
    QTRY_COMPARE(client.watched.size(), 1);
    scheduler.stop(SIGTERM);

    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.constFirst().constFirst().toInt(), 143);
    QVERIFY(client.stopped);
    QCOMPARE(ended,
             QStringList({ "2 interrupted 143: sent, return not seen",
                           "3 interrupted 143: not sent", "4 interrupted 143: not sent" }));
    QCOMPARE(client.sent, QStringList("Kitchen>Kitchen@Hausnetz"));
}

QTEST_GUILESS_MAIN(tst_PlanScheduler)
#include "tst_planscheduler.moc"
