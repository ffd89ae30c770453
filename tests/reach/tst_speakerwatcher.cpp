#include "capturingserver.h"
#include "fakednssd.h"
#include "messagelog.h"
#include "speakerwatcher.h"

#include <QMap>
#include <QTimer>
#include <QtTest>

#include <memory>

static BonjourRecord speaker(const QString &name)
{
    return BonjourRecord(name, QStringLiteral("_dockset._tcp."), QStringLiteral("local."));
}

// A device query's answer as "Name" with ",wlan:X", ",model:X" where it tells them, else model
// "Ovix One" and hardware "1.2"; or "garbage:N", N bytes of no JSON.
static ScriptedResponse answer(const QString &shorthand)
{
    if (shorthand.startsWith(QLatin1String("garbage:")))
        return ScriptedResponse::json(QByteArray(shorthand.mid(8).toInt(), 'x'));
    const QStringList parts = shorthand.split(QLatin1Char(','));
    QString model = QStringLiteral("Ovix One");
    QByteArray clientinfo;
    for (const QString &part : parts.mid(1)) {
        if (part.startsWith(QLatin1String("model:")))
            model = part.mid(6);
        else if (part.startsWith(QLatin1String("wlan:")))
            clientinfo = ", \"clientinfo\": {\"wifissid\": \"" + part.mid(5).toUtf8() + "\"}";
    }
    return ScriptedResponse::json("{\"deviceinfo\": {\"devicename\": \"" + parts.at(0).toUtf8() +
                                  "\", \"model\": \"" + model.toUtf8() +
                                  "\", \"hardwarever\": \"1.2\"}, \"networkinfo\": "
                                  "{\"ipaddressinfo\": {\"ipaddress\": \"10.0.0.7\"}" +
                                  clientinfo + "}}");
}

class tst_SpeakerWatcher : public QObject
{
    Q_OBJECT

private slots:
    void outcome_data();
    void outcome();
    void atAddress_data();
    void atAddress();
};

void tst_SpeakerWatcher::outcome_data()
{
    // "Saved>Sent" for each watch, started together while "Kitchen" and "Bedroom" are listed;
    // each saved speaker had told its name, model "Ovix One" and hardware "1.2", and was sent
    // into "HomeNet". The saved speakers then withdraw, and each "Instance=Answer" is announced
    // in turn. A candidate that fails is asked again after "retry" ms, doubled up to four times
    // that.
    QTest::addColumn<QStringList>("watches");
    QTest::addColumn<QStringList>("announced");
    QTest::addColumn<int>("timeout");
    QTest::addColumn<int>("retry");
    // The signals, then the watchers' lines (sorted, each once).
    QTest::addColumn<QStringList>("outcomes");

    const QString back =
        QStringLiteral("Speaker back under its new name: \"Studio\" at \"10.0.0.7\"");
    QTest::newRow("back under the new name")
        << QStringList { "Kitchen>Studio" } << QStringList { "Studio=Studio" } << 10000 << 2000
        << QStringList { "back Studio 10.0.0.7 Studio", back };
    QTest::newRow("back under another instance name")
        << QStringList { "Kitchen>Studio" } << QStringList { "Garage=Garage", "Ovix-3C7A=Studio" }
        << 10000 << 2000
        << QStringList { "back Studio 10.0.0.7 Ovix-3C7A",
                         "Not the speaker watched for: \"Garage\"", back };
    QTest::newRow("kept its old name")
        << QStringList { "Kitchen>Studio" } << QStringList { "Kitchen=Kitchen" } << 10000 << 2000
        << QStringList { "kept Kitchen Kitchen",
                         "Speaker back under its old name: \"Kitchen\" not \"Studio\"" };
    QTest::newRow("never back") << QStringList { "Kitchen>Studio" } << QStringList() << 200 << 2000
                                << QStringList { "not back Studio",
                                                 "Speaker not back in time: \"Studio\"" };
    QTest::newRow("two watches at once")
        << QStringList { "Kitchen>Studio", "Bedroom>Attic" }
        << QStringList { "Studio=Studio", "Attic=Attic" } << 10000 << 2000
        << QStringList { "back Studio 10.0.0.7 Studio", "back Attic 10.0.0.7 Attic",
                         "Not the speaker watched for: \"Studio\"",
                         "Speaker back under its new name: \"Attic\" at \"10.0.0.7\"", back };
    QTest::newRow("on the WLAN sent")
        << QStringList { "Kitchen>Studio" } << QStringList { "Studio=Studio,wlan:HomeNet" } << 10000
        << 2000
        << QStringList { "back Studio 10.0.0.7 Studio on HomeNet", back,
                         "Speaker on the WLAN sent: \"HomeNet\"" };
    QTest::newRow("on another WLAN")
        << QStringList { "Kitchen>Studio" } << QStringList { "Studio=Studio,wlan:Gäste" } << 10000
        << 2000
        << QStringList { "back Studio 10.0.0.7 Studio on Gäste", back,
                         "Speaker on another WLAN: \"Gäste\" not \"HomeNet\"" };
    // Nothing shows that it took the settings: the name was its own already.
    QTest::newRow("same name, no WLAN told")
        << QStringList { "Kitchen>Kitchen" } << QStringList { "Kitchen=Kitchen" } << 10000 << 2000
        << QStringList { "back Kitchen 10.0.0.7 Kitchen",
                         "Speaker back under its unchanged name: \"Kitchen\" at \"10.0.0.7\"" };
    QTest::newRow("new name but not answering")
        << QStringList { "Kitchen>Studio" } << QStringList { "Studio=garbage:7" } << 300 << 10000
        << QStringList { "not answering Studio Studio",
                         "Speaker back under its new name but not answering: \"Studio\"",
                         "Watch asks \"Studio\" again in 10000 ms: no JSON object: \"xxxxxxx\" (7 "
                         "bytes)" };
    // Another model under the name sent is not the speaker; the real one comes after it.
    QTest::newRow("another device under the new name")
        << QStringList { "Kitchen>Studio" }
        << QStringList { "Studio=Studio,model:Ovix Max", "Ovix-3C7A=Studio" } << 10000 << 2000
        << QStringList { "other Studio 10.0.0.7 Studio", "back Studio 10.0.0.7 Ovix-3C7A",
                         "Another device under the name sent: \"Studio\" at \"10.0.0.7\" model "
                         "\"Ovix Max\"",
                         back };
    // Asked again and again until the end of the wait: each time a line with the start of the
    // answer and its size, and a longer wait up to the longest.
    const QString hostile = QStringLiteral("Watch asks \"Studio\" again in %1 ms: no JSON object: "
                                           "\"%2\" (500000 bytes)")
                                .arg(QStringLiteral("%1"), QString(300, QLatin1Char('x')));
    QTest::newRow("hostile answer")
        << QStringList { "Kitchen>Studio" } << QStringList { "Studio=garbage:500000" } << 1500 << 20
        << QStringList { "not answering Studio Studio",
                         "Speaker back under its new name but not answering: \"Studio\"",
                         hostile.arg(20), hostile.arg(40), hostile.arg(80) };
}

void tst_SpeakerWatcher::outcome()
{
    QFETCH(QStringList, watches);
    QFETCH(QStringList, announced);
    QFETCH(int, timeout);
    QFETCH(int, retry);
    QFETCH(QStringList, outcomes);

    QVERIFY(FakeDnssd::available());
    FakeDnssd::reset();
    NetworkWaits waits;
    waits.returnWait = std::chrono::milliseconds(timeout);
    waits.firstRetry = std::chrono::milliseconds(retry);
    waits.maxRetry = std::chrono::milliseconds(4 * retry);
    MessageLog log;

    // Each announced speaker is a local server. A resolve is answered once the one before has
    // been released, so that the answer reaches the newest reference, the one waiting.
    QMap<QString, std::shared_ptr<CapturingServer>> servers;
    int answered = 0;
    QTimer resolveAnswerer;
    connect(&resolveAnswerer, &QTimer::timeout, this, [&] {
        if (FakeDnssd::liveRefs() == 0 || FakeDnssd::deallocations() != answered)
            return;
        const quint16 port = servers.value(FakeDnssd::lastResolveName())->port();
        answered += FakeDnssd::resolveReply(0, 0, "s._dockset._tcp.local.", "127.0.0.1", port >> 8,
                                            port & 0xff);
    });
    resolveAnswerer.start(5);

    QList<BonjourRecord> listed { speaker("Kitchen"), speaker("Bedroom") };
    QStringList seen;
    std::vector<std::unique_ptr<SpeakerWatcher>> watchers;
    int running = 0;
    for (const QString &watch : watches) {
        const QStringList names = watch.split(QLatin1Char('>'));
        SavedSettings saved;
        saved.record = speaker(names.at(0));
        saved.name = names.at(1);
        saved.ssid = QStringLiteral("HomeNet");
        saved.before.name = names.at(0);
        saved.before.model = QStringLiteral("Ovix One");
        saved.before.hardwareVer = QStringLiteral("1.2");
        watchers.emplace_back(new SpeakerWatcher(saved, listed, waits));
        const SpeakerWatcher *watcher = watchers.back().get();
        connect(watcher, &SpeakerWatcher::speakerBack, this,
                [&](const QString &name, const QString &ip, const BonjourRecord &record,
                    const QString &wlan) {
                    seen << "back " + name + ' ' + ip + ' ' + record.instanceName +
                            (wlan.isEmpty() ? QString() : " on " + wlan);
                });
        connect(watcher, &SpeakerWatcher::speakerKeptName, this,
                [&](const QString &name, const BonjourRecord &record) {
                    seen << "kept " + name + ' ' + record.instanceName;
                });
        connect(watcher, &SpeakerWatcher::speakerNotAnswering, this,
                [&](const QString &name, const BonjourRecord &record) {
                    seen << "not answering " + name + ' ' + record.instanceName;
                });
        connect(watcher, &SpeakerWatcher::speakerNotBack, this,
                [&](const QString &name) { seen << "not back " + name; });
        connect(watcher, &SpeakerWatcher::otherDeviceAnswered, this,
                [&](const QString &name, const QString &ip, const BonjourRecord &record) {
                    seen << "other " + name + ' ' + ip + ' ' + record.instanceName;
                });
        connect(watcher, &SpeakerWatcher::finished, this, [&] { --running; });
        ++running;
        listed.removeOne(speaker(names.at(0)));
    }

    // Each answer gives one of these lines.
    const QRegularExpression answerLine(QStringLiteral(
        "^(Speaker back under its \\w+ name:|Not the speaker|Another device|Watch asks)"));
    const auto announce = [&] {
        for (const auto &watcher : watchers)
            watcher->updateRecords(listed);
    };
    announce();
    int queries = 0;
    for (const QString &entry : announced) {
        const QStringList names = entry.split(QLatin1Char('='));
        auto server = std::make_shared<CapturingServer>();
        QVERIFY(server->listen());
        server->setDefaultResponse(answer(names.at(1)));
        servers.insert(names.at(0), server);
        listed.append(speaker(names.at(0)));
        const int asking = running;
        queries += asking;
        announce();
        // Every watch still running asks it, and reads the answer.
        QTRY_VERIFY(server->requests().size() >= asking);
        QTRY_VERIFY(log.debugLines().filter(answerLine).size() >= queries);
    }

    QTRY_COMPARE(running, 0);
    const QRegularExpression own(
        QStringLiteral("^(Speaker|Not the speaker|Another device|Watch asks)"));
    QStringList lines = log.debugLines().filter(own);
    lines.sort();
    lines.removeDuplicates();
    QCOMPARE(seen + lines, outcomes);
    // However large the answers, each line stays short.
    for (const QString &line : log.lines())
        QVERIFY2(line.size() < 500, qPrintable(line.left(200)));
}

void tst_SpeakerWatcher::atAddress_data()
{
    // "Saved>Sent" of a speaker saved at an address that no announcement tells of, and the
    // address's answers in turn ("held": none in time); the last one stays.
    QTest::addColumn<QString>("watch");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("outcomes");

    const QString notRestarted =
        QStringLiteral("Watch asks \"Kitchen\" again in 20 ms: not restarted yet");
    const QString silent =
        QStringLiteral("Watch asks \"Kitchen\" again in 40 ms: no answer in time");
    QTest::newRow("back under the new name")
        << "Kitchen>Studio" << QStringList { "Kitchen", "held", "Studio" }
        << QStringList { "back Studio 10.0.0.7 Kitchen", notRestarted, silent,
                         "Speaker back under its new name: \"Studio\" at \"10.0.0.7\"" };
    QTest::newRow("back under its unchanged name")
        << "Kitchen>Kitchen" << QStringList { "Kitchen", "held", "Kitchen" }
        << QStringList { "back Kitchen 10.0.0.7 Kitchen", notRestarted, silent,
                         "Speaker back under its unchanged name: \"Kitchen\" at \"10.0.0.7\"" };
    QTest::newRow("kept its old name")
        << "Kitchen>Studio" << QStringList { "Kitchen", "held", "Kitchen" }
        << QStringList { "kept Kitchen Kitchen", notRestarted, silent,
                         "Speaker back under its old name: \"Kitchen\" not \"Studio\"" };
}

void tst_SpeakerWatcher::atAddress()
{
    QFETCH(QString, watch);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, outcomes);

    NetworkWaits waits;
    waits.firstRetry = std::chrono::milliseconds(20);
    waits.maxRetry = std::chrono::milliseconds(80);
    waits.requestDeadline = std::chrono::milliseconds(300);
    MessageLog log;
    CapturingServer server;
    QVERIFY(server.listen());
    for (const QString &shorthand : answers) {
        ScriptedResponse response = answer(shorthand);
        response.held = shorthand == QLatin1String("held");
        server.enqueue(response);
    }
    server.setDefaultResponse(answer(answers.last()));

    const QStringList names = watch.split(QLatin1Char('>'));
    SavedSettings saved;
    saved.record =
        SpeakerTarget::addressRecord(names.at(0), QStringLiteral("127.0.0.1"), server.port());
    saved.name = names.at(1);
    saved.before.name = names.at(0);
    saved.before.model = QStringLiteral("Ovix One");
    saved.before.hardwareVer = QStringLiteral("1.2");
    SpeakerWatcher watcher(saved, { speaker(QStringLiteral("Bedroom")) }, waits);
    QStringList seen;
    connect(&watcher, &SpeakerWatcher::speakerBack, this,
            [&](const QString &name, const QString &ip, const BonjourRecord &record) {
                seen << "back " + name + ' ' + ip + ' ' + record.instanceName;
            });
    connect(&watcher, &SpeakerWatcher::speakerKeptName, this,
            [&](const QString &name, const BonjourRecord &record) {
                seen << "kept " + name + ' ' + record.instanceName;
            });
    QSignalSpy finished(&watcher, &SpeakerWatcher::finished);
    // No announcement comes: the address is asked all the same.
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(server.requests("query").size(), answers.size());
    const QRegularExpression own(QStringLiteral("^(Speaker|Watch asks)"));
    QCOMPARE(seen + log.debugLines().filter(own), outcomes);
}

QTEST_MAIN(tst_SpeakerWatcher)

#include "tst_speakerwatcher.moc"
