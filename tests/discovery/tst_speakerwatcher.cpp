#include "capturingserver.h"
#include "fakednssd.h"
#include "messagelog.h"
#include "speakerwatcher.h"

#include <QHostInfo>
#include <QMap>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

BonjourRecord speaker(const QString &name)
{
    return BonjourRecord(name, QStringLiteral("_dockset._tcp."), QStringLiteral("local."));
}

// What a speaker answers to the device query.
QByteArray queryAnswer(const QString &name)
{
    return "{\"deviceinfo\": {\"devicename\": \"" + name.toUtf8() +
        "\", \"model\": \"Ovix Mini\"}, \"networkinfo\": {\"ipaddressinfo\": {\"ipaddress\": "
        "\"192.168.1.23\"}}}";
}

} // namespace

class tst_SpeakerWatcher : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void outcome_data();
    void outcome();
};

void tst_SpeakerWatcher::initTestCase()
{
    QVERIFY2(FakeDnssd::available(), "the fake libdns_sd.so.1 is not the loaded DNS-SD library");
    qRegisterMetaType<BonjourRecord>();
}

void tst_SpeakerWatcher::outcome_data()
{
    // "Saved>Sent" for each watch, started together while "Kitchen" and "Bedroom" are listed;
    // the saved speakers then withdraw, and each of "Instance=Answered name" is announced in turn.
    QTest::addColumn<QStringList>("watches");
    QTest::addColumn<QStringList>("announced");
    QTest::addColumn<int>("timeout");
    QTest::addColumn<QStringList>("outcomes");
    QTest::addColumn<QStringList>("lines"); // the watchers' own, in any order

    const QString watching = QStringLiteral("Watching for the speaker \"Studio\"");
    const QString back =
        QStringLiteral("Speaker back under its new name: \"Studio\" at \"192.168.1.23\"");
    QTest::newRow("back under the new name")
        << QStringList { "Kitchen>Studio" } << QStringList { "Studio=Studio" } << 10000
        << QStringList { "back Studio 192.168.1.23 Studio" } << QStringList { watching, back };
    QTest::newRow("back under another instance name")
        << QStringList { "Kitchen>Studio" } << QStringList { "Garage=Garage", "Ovix-3C7A=Studio" }
        << 10000 << QStringList { "back Studio 192.168.1.23 Ovix-3C7A" }
        << QStringList { watching, "Not the speaker watched for: \"Garage\"", back };
    QTest::newRow("kept its old name")
        << QStringList { "Kitchen>Studio" } << QStringList { "Kitchen=Kitchen" } << 10000
        << QStringList { "kept Kitchen Kitchen" }
        << QStringList { watching, "Speaker back under its old name: \"Kitchen\" not \"Studio\"" };
    QTest::newRow("never back") << QStringList { "Kitchen>Studio" } << QStringList() << 200
                                << QStringList { "not back Studio" }
                                << QStringList { watching, "Speaker not back in time: \"Studio\"" };
    QTest::newRow("two watches at once")
        << QStringList { "Kitchen>Studio", "Bedroom>Attic" }
        << QStringList { "Studio=Studio", "Attic=Attic" } << 10000
        << QStringList { "back Studio 192.168.1.23 Studio", "back Attic 192.168.1.23 Attic" }
        << QStringList { watching, "Watching for the speaker \"Attic\"", back,
                         "Not the speaker watched for: \"Studio\"",
                         "Speaker back under its new name: \"Attic\" at \"192.168.1.23\"" };
}

void tst_SpeakerWatcher::outcome()
{
    QFETCH(QStringList, watches);
    QFETCH(QStringList, announced);
    QFETCH(int, timeout);
    QFETCH(QStringList, outcomes);
    QFETCH(QStringList, lines);

    FakeDnssd::reset();
    SpeakerWatcher::returnTimeout = timeout;
    MessageLog log;

    // Each announced speaker is a local server; a resolve is answered once the one before has
    // been released, so that it reaches the newest reference, which is the one waiting.
    QMap<QString, std::shared_ptr<CapturingServer>> servers;
    int resolvesAnswered = 0;
    QTimer resolveAnswerer;
    connect(&resolveAnswerer, &QTimer::timeout, this, [&] {
        if (FakeDnssd::liveRefs() == 0 || resolvesAnswered != FakeDnssd::deallocations())
            return;
        const quint16 port = servers.value(FakeDnssd::lastResolveName())->port();
        QVERIFY(FakeDnssd::resolveReply(0, 0, "speaker._dockset._tcp.local.", "127.0.0.1",
                                        port >> 8, port & 0xff));
        ++resolvesAnswered;
    });
    resolveAnswerer.start(5);

    QList<BonjourRecord> listed { speaker("Kitchen"), speaker("Bedroom") };
    QStringList seen;
    std::vector<std::unique_ptr<SpeakerWatcher>> watchers;
    int running = 0;
    for (const QString &watch : watches) {
        const QStringList names = watch.split(QLatin1Char('>'));
        watchers.emplace_back(new SpeakerWatcher(speaker(names.at(0)), names.at(1), listed));
        SpeakerWatcher *watcher = watchers.back().get();
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

    auto announce = [&](const QList<BonjourRecord> &list) {
        for (const auto &watcher : watchers)
            watcher->updateRecords(list);
    };
    announce(listed);
    for (const QString &entry : announced) {
        const QStringList names = entry.split(QLatin1Char('='));
        auto server = std::make_shared<CapturingServer>();
        QVERIFY(server->listen());
        server->setDefaultResponse(ScriptedResponse::json(queryAnswer(names.at(1))));
        servers.insert(names.at(0), server);
        listed.append(speaker(names.at(0)));
        const int asking = running;
        announce(listed);
        // Every watch still running asks it, once.
        QTRY_COMPARE(server->requests().size(), asking);
    }

    QTRY_COMPARE(running, 0);
    QCOMPARE(seen, outcomes);
    QStringList own;
    for (const QString &line : log.debugLines()) {
        if (line.startsWith(QLatin1String("Watching")) ||
            line.startsWith(QLatin1String("Speaker")) ||
            line.startsWith(QLatin1String("Not the speaker")))
            own << line;
    }
    own.sort();
    lines.sort();
    QCOMPARE(own, lines);
}

QTEST_MAIN(tst_SpeakerWatcher)

#include "tst_speakerwatcher.moc"
