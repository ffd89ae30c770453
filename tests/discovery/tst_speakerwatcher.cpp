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

class tst_SpeakerWatcher : public QObject
{
    Q_OBJECT

private slots:
    void outcome_data();
    void outcome();
};

void tst_SpeakerWatcher::outcome_data()
{
    // "Saved>Sent" for each watch, started together while "Kitchen" and "Bedroom" are listed;
    // the saved speakers then withdraw, and each "Instance=Answered name" is announced in turn.
    QTest::addColumn<QStringList>("watches");
    QTest::addColumn<QStringList>("announced");
    QTest::addColumn<int>("timeout");
    QTest::addColumn<QStringList>("outcomes"); // the signals, then the watchers' lines (sorted)

    const QString back =
        QStringLiteral("Speaker back under its new name: \"Studio\" at \"10.0.0.7\"");
    QTest::newRow("back under the new name")
        << QStringList { "Kitchen>Studio" } << QStringList { "Studio=Studio" } << 10000
        << QStringList { "back Studio 10.0.0.7 Studio", back };
    QTest::newRow("back under another instance name")
        << QStringList { "Kitchen>Studio" } << QStringList { "Garage=Garage", "Ovix-3C7A=Studio" }
        << 10000
        << QStringList { "back Studio 10.0.0.7 Ovix-3C7A",
                         "Not the speaker watched for: \"Garage\"", back };
    QTest::newRow("kept its old name")
        << QStringList { "Kitchen>Studio" } << QStringList { "Kitchen=Kitchen" } << 10000
        << QStringList { "kept Kitchen Kitchen",
                         "Speaker back under its old name: \"Kitchen\" not \"Studio\"" };
    QTest::newRow("never back") << QStringList { "Kitchen>Studio" } << QStringList() << 200
                                << QStringList { "not back Studio",
                                                 "Speaker not back in time: \"Studio\"" };
    QTest::newRow("two watches at once")
        << QStringList { "Kitchen>Studio", "Bedroom>Attic" }
        << QStringList { "Studio=Studio", "Attic=Attic" } << 10000
        << QStringList { "back Studio 10.0.0.7 Studio", "back Attic 10.0.0.7 Attic",
                         "Not the speaker watched for: \"Studio\"",
                         "Speaker back under its new name: \"Attic\" at \"10.0.0.7\"", back };
}

void tst_SpeakerWatcher::outcome()
{
    QFETCH(QStringList, watches);
    QFETCH(QStringList, announced);
    QFETCH(int, timeout);
    QFETCH(QStringList, outcomes);

    QVERIFY(FakeDnssd::available());
    FakeDnssd::reset();
    SpeakerWatcher::returnTimeout = timeout;
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
        watchers.emplace_back(new SpeakerWatcher(speaker(names.at(0)), names.at(1), listed));
        const SpeakerWatcher *watcher = watchers.back().get();
        connect(watcher, &SpeakerWatcher::speakerBack, this,
                [&](const QString &name, const QString &ip, const BonjourRecord &record) {
                    seen << "back " + name + ' ' + ip + ' ' + record.instanceName;
                });
        connect(watcher, &SpeakerWatcher::speakerKeptName, this,
                [&](const QString &name, const BonjourRecord &record) {
                    seen << "kept " + name + ' ' + record.instanceName;
                });
        connect(watcher, &SpeakerWatcher::speakerNotBack, this,
                [&](const QString &name) { seen << "not back " + name; });
        connect(watcher, &SpeakerWatcher::finished, this, [&] { --running; });
        ++running;
        listed.removeOne(speaker(names.at(0)));
    }

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
        server->setDefaultResponse(ScriptedResponse::json(
            "{\"deviceinfo\": {\"devicename\": \"" + names.at(1).toUtf8() +
            "\"}, \"networkinfo\": {\"ipaddressinfo\": {\"ipaddress\": \"10.0.0.7\"}}}"));
        servers.insert(names.at(0), server);
        listed.append(speaker(names.at(0)));
        const int asking = running;
        queries += asking;
        announce();
        // Every watch still running asks it, once, and reads the answer.
        QTRY_COMPARE(server->requests().size(), asking);
        QTRY_COMPARE(log.debugLines().count(QStringLiteral("Watch reply received")), queries);
    }

    QTRY_COMPARE(running, 0);
    const QRegularExpression own(QStringLiteral("^(Speaker|Not the speaker)"));
    QStringList lines = log.debugLines().filter(own);
    lines.sort();
    QCOMPARE(seen + lines, outcomes);
}

QTEST_MAIN(tst_SpeakerWatcher)

#include "tst_speakerwatcher.moc"
