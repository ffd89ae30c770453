#include "simulatorrecord.h"
#include "speakerapi.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

const char speakerDescription[] = R"({
  "aplist": [
    {"ssid": "Hausnetz", "encrypt_type": "WPA2", "signal_level": "-41"},
    {"ssid": "Telekom_FON", "encrypt_type": "NONE", "signal_level": "-72"}
  ]
})";

const char password[] = "Sommer-2024!";

struct Run
{
    int exitCode = -1;
    QByteArray output;
    QList<QJsonObject> lines; // the output's JSON objects, one a line
    QString errorText;
};

// How many speakers the daemon still has, announced or in its cache. avahi-browse answers at
// once where a list waits for the network to be quiet, so that the wait for a withdrawal to go
// through ends as soon as it can.
int speakersInDaemon()
{
    QProcess browse;
    browse.start(QStringLiteral("avahi-browse"),
                 { QStringLiteral("--terminate"), QStringLiteral("--parsable"),
                   QStringLiteral("--no-db-lookup"), QStringLiteral("_dockset._tcp") });
    if (!browse.waitForFinished(10000)) {
        browse.kill();
        browse.waitForFinished();
        return -1;
    }
    QSet<QByteArray> names;
    for (const QByteArray &line : browse.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split(';');
        if (fields.size() > 3 && fields.first() == "+")
            names.insert(fields.at(3));
    }
    return browse.exitCode() == 0 ? names.size() : -1;
}

} // namespace

// vantir-speakers against three simulated speakers on the private DNS-SD network; "Ovix C"
// refuses every setconfig, and says the password again in its reason.
class tst_SpeakersE2e : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void listsAndScans();
    void configuresAndWaits();
    void runsPlanWithRefusingSpeaker();
    void finishesPlanWithoutMissingSpeaker();
    void rejectsBeforeSending_data();
    void rejectsBeforeSending();
    void reportsOnSignal();
    void waitsThroughDaemonRestart();
    void reportsWithoutDaemon();

private:
    void startSimulator(const QString &name, const QStringList &options);
    void restartSimulator(const QString &name, const QStringList &options);
    Run run(const QStringList &arguments, const QByteArray &input = QByteArray());
    Run finish(QProcess *program);
    QString writePlan(const QByteArray &plan);
    QList<QByteArray> setconfigBodies(const QString &speaker) const;

    QTemporaryDir dir;
    QMap<QString, QProcess *> simulators;
};

void tst_SpeakersE2e::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DBUS_SYSTEM_BUS_ADDRESS"))
        QSKIP("needs the private DNS-SD network (run through tools/dnssd-net)");
    QVERIFY(dir.isValid());
    QFile description(dir.filePath(QStringLiteral("speaker.json")));
    QVERIFY(description.open(QIODevice::WriteOnly));
    description.write(speakerDescription);
}

void tst_SpeakersE2e::init()
{
    for (const QString name : { "Ovix A", "Ovix B", "Ovix C" }) {
        QFile::remove(dir.filePath(name + QStringLiteral(".jsonl")));
        startSimulator(name,
                       name == QLatin1String("Ovix C")
                           ? QStringList(QStringLiteral("--refuse-setconfig=bad password ") +
                                         QLatin1String(password))
                           : QStringList());
    }
    // All three announced before a test begins.
    QTRY_COMPARE_WITH_TIMEOUT(
        run({ QStringLiteral("list"), QStringLiteral("--json") }).lines.size(), 3, 20000);
}

void tst_SpeakersE2e::startSimulator(const QString &name, const QStringList &options)
{
    QProcess *simulator = new QProcess;
    const QStringList arguments = QStringList { QStringLiteral("--pdeathsig"),
                                                QStringLiteral("KILL"),
                                                QStringLiteral(SPEAKER_SIM_PATH),
                                                QStringLiteral("--name"),
                                                name,
                                                QStringLiteral("--device"),
                                                dir.filePath(QStringLiteral("speaker.json")),
                                                QStringLiteral("--record"),
                                                dir.filePath(name + QStringLiteral(".jsonl")),
                                                QStringLiteral("--reboot-seconds"),
                                                QStringLiteral("0.5") } +
        options;
    simulator->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    simulator->start(QStringLiteral("setpriv"), arguments);
    QVERIFY(simulator->waitForStarted(5000));
    simulators.insert(name, simulator);
}

// The speaker again, with other options, once the one before has withdrawn.
void tst_SpeakersE2e::restartSimulator(const QString &name, const QStringList &options)
{
    QProcess *simulator = simulators.take(name);
    simulator->terminate();
    QVERIFY(simulator->waitForFinished(5000));
    delete simulator;
    QTRY_COMPARE_WITH_TIMEOUT(speakersInDaemon(), 2, 20000);
    startSimulator(name, options);
    QTRY_COMPARE_WITH_TIMEOUT(
        run({ QStringLiteral("list"), QStringLiteral("--json") }).lines.size(), 3, 20000);
}

void tst_SpeakersE2e::cleanup()
{
    for (QProcess *simulator : qAsConst(simulators)) {
        simulator->terminate();
        if (!simulator->waitForFinished(5000)) {
            simulator->kill();
            simulator->waitForFinished(5000);
        }
    }
    qDeleteAll(simulators);
    simulators.clear();
    // Their withdrawals gone through, so that the next test sees only its own speakers.
    QTRY_COMPARE_WITH_TIMEOUT(speakersInDaemon(), 0, 20000);
}

Run tst_SpeakersE2e::run(const QStringList &arguments, const QByteArray &input)
{
    QProcess program;
    program.start(QStringLiteral(VANTIR_SPEAKERS),
                  arguments +
                      QStringList({ QStringLiteral("--quiet-wait"), QStringLiteral("500") }));
    program.write(input);
    program.closeWriteChannel();
    return finish(&program);
}

Run tst_SpeakersE2e::finish(QProcess *program)
{
    Run result;
    if (!program->waitForFinished(60000)) {
        program->kill();
        program->waitForFinished();
        return result;
    }
    result.exitCode = program->exitCode();
    result.errorText = QString::fromUtf8(program->readAllStandardError());
    const QByteArray output = program->readAllStandardOutput();
    result.output = output;
    for (const QByteArray &line : output.split('\n')) {
        if (line.startsWith('{'))
            result.lines.append(QJsonDocument::fromJson(line).object());
    }
    // The password appears nowhere, --verbose or not.
    if (output.contains(password) || result.errorText.contains(QLatin1String(password)))
        result.exitCode = -2;
    return result;
}

QString tst_SpeakersE2e::writePlan(const QByteArray &plan)
{
    QFile file(dir.filePath(QStringLiteral("plan.csv")));
    if (!file.open(QIODevice::WriteOnly) || file.write(plan) != plan.size())
        return QString();
    return file.fileName();
}

QList<QByteArray> tst_SpeakersE2e::setconfigBodies(const QString &speaker) const
{
    QList<QByteArray> bodies;
    const QList<RecordedRequest> requests =
        recordedRequests(dir.filePath(speaker + QStringLiteral(".jsonl")));
    for (const RecordedRequest &request : requests) {
        if (request.body.contains("\"setconfig\""))
            bodies.append(request.body);
    }
    return bodies;
}

void tst_SpeakersE2e::listsAndScans()
{
    const Run list = run({ QStringLiteral("list"), QStringLiteral("--json") });
    QCOMPARE(list.exitCode, 0);
    QSet<QString> names;
    for (const QJsonObject &speaker : list.lines) {
        names.insert(speaker.value(QLatin1String("name")).toString());
        QVERIFY(speaker.value(QLatin1String("host")).toString().endsWith(QLatin1String(".local.")));
        QVERIFY(speaker.value(QLatin1String("port")).toInt() > 0);
        QCOMPARE(speaker.value(QLatin1String("addresses")).toArray(),
                 QJsonArray({ QStringLiteral("127.0.0.1") }));
        QCOMPARE(speaker.value(QLatin1String("result")).toString(), QStringLiteral("ok"));
    }
    QCOMPARE(names, QSet<QString>({ "Ovix A", "Ovix B", "Ovix C" }));

    const Run scan = run({ QStringLiteral("scan"), QStringLiteral("Ovix B") });
    QCOMPARE(scan.exitCode, 0);
    QCOMPARE(scan.errorText, QString());
    QCOMPARE(scan.output,
             QByteArray("SSID         ENCRYPTION  SIGNAL\n"
                        "Hausnetz     WPA2        -41\n"
                        "Telekom_FON  NONE        -72\n"));
    const Run scanJson =
        run({ QStringLiteral("scan"), QStringLiteral("Ovix B"), QStringLiteral("--json") });
    QCOMPARE(scanJson.lines.size(), 1);
    QCOMPARE(scanJson.lines.first().value(QLatin1String("wlans")).toArray(),
             QJsonDocument::fromJson(speakerDescription)
                 .object()
                 .value(QLatin1String("aplist"))
                 .toArray());
}

void tst_SpeakersE2e::configuresAndWaits()
{
    const Run configure =
        run({ QStringLiteral("configure"), QStringLiteral("Ovix A"), QStringLiteral("--ssid"),
              QStringLiteral("Hausnetz"), QStringLiteral("--name"), QStringLiteral("Küche \"Süd\""),
              QStringLiteral("--password-stdin"), QStringLiteral("--json"),
              QStringLiteral("--verbose") },
            QByteArray(password) + '\n');
    QCOMPARE(configure.exitCode, 0);
    QCOMPARE(configure.lines.size(), 1);
    QCOMPARE(configure.lines.first().value(QLatin1String("result")).toString(),
             QStringLiteral("ok"));
    // The wizard's bytes; the wire tests prove setconfigBody itself.
    QCOMPARE(setconfigBodies(QStringLiteral("Ovix A")),
             QList<QByteArray>(
                 { SpeakerApi::setconfigBody(QStringLiteral("Küche \"Süd\""),
                                             QLatin1String(password), QStringLiteral("Hausnetz"))
                       .toUtf8() }));
    // The wizard's log lines with --verbose, the password masked.
    QVERIFY2(configure.errorText.contains(QLatin1String("CONFIG STRING: >>>")),
             qPrintable(configure.errorText));

    // Back under its new name by the time the command has ended.
    const Run list = run({ QStringLiteral("list"), QStringLiteral("--json") });
    QSet<QString> names;
    for (const QJsonObject &speaker : list.lines)
        names.insert(speaker.value(QLatin1String("name")).toString());
    QVERIFY(names.contains(QStringLiteral("Küche \"Süd\"")));
}

void tst_SpeakersE2e::runsPlanWithRefusingSpeaker()
{
    const QString plan = writePlan(
        "speaker,name,ssid\nOvix A,Room 1,Hausnetz\nOvix B,,Hausnetz\nOvix C,Room 3,Hausnetz\n");
    QFile passwordFile(dir.filePath(QStringLiteral("password")));
    QVERIFY(passwordFile.open(QIODevice::WriteOnly));
    passwordFile.write(password);
    passwordFile.close();
    const QStringList arguments = {
        QStringLiteral("configure"),       QStringLiteral("--plan"), plan,
        QStringLiteral("--password-file"), passwordFile.fileName(),  QStringLiteral("--json")
    };
    const auto results = [](const Run &run) {
        QMap<QString, QString> byLine;
        for (const QJsonObject &line : run.lines) {
            byLine.insert(line.value(QLatin1String("speaker")).toString(),
                          line.value(QLatin1String("result")).toString() + QLatin1Char(' ') +
                              line.value(QLatin1String("name")).toString());
        }
        return byLine;
    };

    const Run configure = run(arguments);
    QCOMPARE(configure.exitCode, 5);
    QCOMPARE(results(configure),
             (QMap<QString, QString> { { "Ovix A", "ok Room 1" },
                                       { "Ovix B", "ok Ovix B" },
                                       { "Ovix C", "refused Room 3" } }));
    QCOMPARE(configure.errorText, QStringLiteral("2 ok, 1 refused\n"));
    // Masked as the request lines mask it (finish() finds it nowhere, its log included below).
    QStringList errors;
    for (const QJsonObject &line : configure.lines)
        errors.append(line.value(QLatin1String("error")).toString());
    QVERIFY2(
        errors.contains(QStringLiteral("the speaker refused the settings: bad password ********")),
        qPrintable(errors.join(QLatin1Char('|'))));

    // Run again, the plan finishes what is left: the speaker renamed is found under its new
    // name, and neither it nor the one that kept its name is sent anything.
    const Run again = run(arguments + QStringList(QStringLiteral("--verbose")));
    QCOMPARE(again.exitCode, 5);
    QCOMPARE(results(again),
             (QMap<QString, QString> { { "Ovix A", "already Room 1" },
                                       { "Ovix B", "already Ovix B" },
                                       { "Ovix C", "refused Room 3" } }));
    QVERIFY(again.errorText.contains(QLatin1String("bad password ********")));
    QCOMPARE(setconfigBodies(QStringLiteral("Ovix A")).size(), 1);
    QCOMPARE(setconfigBodies(QStringLiteral("Ovix B")).size(), 1);
    QCOMPARE(setconfigBodies(QStringLiteral("Ovix C")).size(), 2);

    // The table comes once the speakers are done, and masks it as well.
    const Run table = run({ QStringLiteral("configure"), QStringLiteral("Ovix C"),
                            QStringLiteral("--ssid"), QStringLiteral("Hausnetz"),
                            QStringLiteral("--password-file"), passwordFile.fileName() });
    QCOMPARE(table.exitCode, 5);
    QVERIFY2(table.output.contains("refused the settings: bad password ********\n"), table.output);
}

// The run again after an interrupted one, with one speaker that never came back: it alone is not
// found, the one renamed before is "already", and the rest is sent.
void tst_SpeakersE2e::finishesPlanWithoutMissingSpeaker()
{
    QCOMPARE(run({ QStringLiteral("configure"), QStringLiteral("Ovix A"), QStringLiteral("--ssid"),
                   QStringLiteral("Hausnetz"), QStringLiteral("--name"), QStringLiteral("Room 1"),
                   QStringLiteral("--password-stdin") },
                 password)
                 .exitCode,
             0);
    const QString plan = writePlan("speaker,name,ssid\nOvix A,Room 1,Hausnetz\n"
                                   "Ovix D,Room 4,Hausnetz\nOvix B,Room 2,Hausnetz\n");
    const Run again = run({ QStringLiteral("configure"), QStringLiteral("--plan"), plan,
                            QStringLiteral("--password-stdin"), QStringLiteral("--json") },
                          password);

    QCOMPARE(again.exitCode, 3);
    QStringList lines;
    for (const QJsonObject &line : again.lines)
        lines.append(line.value(QLatin1String("speaker")).toString() + QLatin1Char(' ') +
                     line.value(QLatin1String("result")).toString());
    lines.sort();
    QCOMPARE(lines, QStringList({ "Ovix A already", "Ovix B ok", "Ovix D not-found" }));
    QCOMPARE(setconfigBodies(QStringLiteral("Ovix A")).size(), 1);
    QCOMPARE(setconfigBodies(QStringLiteral("Ovix B")),
             QList<QByteArray>(
                 { SpeakerApi::setconfigBody(QStringLiteral("Room 2"), QLatin1String(password),
                                             QStringLiteral("Hausnetz"))
                       .toUtf8() }));
}

void tst_SpeakersE2e::rejectsBeforeSending_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");

    QTest::newRow("unknown speaker")
        << QStringList({ "configure", "Ovix D", "--ssid", "Hausnetz", "--password-stdin" })
        << QByteArray(password) << 3
        << "vantir-speakers: no speaker named \"Ovix D\"; found: \"Ovix ";
    QTest::newRow("empty password, secured WLAN")
        << QStringList(
               { "configure", "Ovix A", "--ssid", "Hausnetz", "--password-stdin", "--json" })
        << QByteArray("\n") << 2 << "";
}

void tst_SpeakersE2e::rejectsBeforeSending()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(QString, error);

    const Run rejected = run(arguments, input);
    QCOMPARE(rejected.exitCode, exitCode);
    QCOMPARE(rejected.errorText.left(error.size()), error);
    if (!rejected.lines.isEmpty()) {
        QCOMPARE(rejected.lines.first().value(QLatin1String("error")).toString(),
                 QStringLiteral("the password does not fit \"Hausnetz\": a WPA2 password has at "
                                "least 8 bytes in UTF-8, or 64 hex digits"));
    }
    QCOMPARE(setconfigBodies(QStringLiteral("Ovix A")), QList<QByteArray>());
}

// Ctrl-C while a speaker that never comes back is waited for: the report of every line, the
// speaker sent marked as such, and nothing sent after the signal.
void tst_SpeakersE2e::reportsOnSignal()
{
    restartSimulator(QStringLiteral("Ovix A"), { QStringLiteral("--never-back") });
    const QString plan =
        writePlan("speaker,name,ssid\nOvix A,,Hausnetz\nOvix B,,Hausnetz\nOvix C,,Hausnetz\n");
    QProcess program;
    program.start(QStringLiteral(VANTIR_SPEAKERS),
                  { QStringLiteral("configure"), QStringLiteral("--plan"), plan,
                    QStringLiteral("--password-stdin"), QStringLiteral("--jobs"),
                    QStringLiteral("1"), QStringLiteral("--json"), QStringLiteral("--verbose") });
    program.write(QByteArray(password) + '\n');
    program.closeWriteChannel();
    // Once the speaker's answer has been read and its return is waited for.
    QByteArray log;
    QTRY_VERIFY_WITH_TIMEOUT(
        (log += program.readAllStandardError()).contains("Watching for the speaker"), 20000);
    QCOMPARE(setconfigBodies(QStringLiteral("Ovix A")).size(), 1);
    ::kill(pid_t(program.processId()), SIGINT);
    const Run interrupted = finish(&program);

    QCOMPARE(interrupted.exitCode, 130);
    QStringList lines;
    for (const QJsonObject &line : interrupted.lines) {
        lines.append(QStringLiteral("%1 %2 %3: %4")
                         .arg(line.value(QLatin1String("speaker")).toString(),
                              line.value(QLatin1String("result")).toString())
                         .arg(line.value(QLatin1String("exit")).toInt())
                         .arg(line.value(QLatin1String("error")).toString()));
    }
    lines.sort();
    QCOMPARE(
        lines,
        QStringList({ "Ovix A interrupted 130: sent, return not seen",
                      "Ovix B interrupted 130: not sent", "Ovix C interrupted 130: not sent" }));
    QVERIFY(interrupted.errorText.endsWith(QStringLiteral("3 interrupted\n")));
    QVERIFY(!log.contains(password));
    QCOMPARE(setconfigBodies(QStringLiteral("Ovix B")), QList<QByteArray>());
    QCOMPARE(setconfigBodies(QStringLiteral("Ovix C")), QList<QByteArray>());
}

// avahi-daemon stops and starts while the speakers restart: said on standard error, and both are
// back all the same.
void tst_SpeakersE2e::waitsThroughDaemonRestart()
{
    for (const QString name : { "Ovix A", "Ovix B" })
        restartSimulator(name, { QStringLiteral("--reboot-seconds"), QStringLiteral("3") });
    const QString plan = writePlan("speaker,name,ssid\nOvix A,Room 1,Hausnetz\n"
                                   "Ovix B,Room 2,Hausnetz\n");
    QProcess program;
    program.start(QStringLiteral(VANTIR_SPEAKERS),
                  { QStringLiteral("configure"), QStringLiteral("--plan"), plan,
                    QStringLiteral("--password-stdin"), QStringLiteral("--json") });
    program.write(QByteArray(password) + '\n');
    program.closeWriteChannel();
    QTRY_COMPARE_WITH_TIMEOUT(setconfigBodies(QStringLiteral("Ovix A")).size() +
                                  setconfigBodies(QStringLiteral("Ovix B")).size(),
                              2, 20000);
    for (const QString command : { "stop", "start" }) {
        QCOMPARE(
            QProcess::execute(QStringLiteral(DNSSD_NET), { QStringLiteral("daemon"), command }), 0);
    }
    const Run configured = finish(&program);

    QCOMPARE(configured.exitCode, 0);
    QCOMPARE(configured.lines.size(), 2);
    for (const QJsonObject &line : configured.lines)
        QCOMPARE(line.value(QLatin1String("result")).toString(), QStringLiteral("ok"));
    QVERIFY2(configured.errorText.startsWith(
                 QLatin1String("vantir-speakers: the DNS-SD service went away (error ")),
             qPrintable(configured.errorText));
    QVERIFY2(configured.errorText.endsWith(QLatin1String("\n2 ok\n")),
             qPrintable(configured.errorText));
}

// Every command tells on standard output too that DNS-SD is not there.
void tst_SpeakersE2e::reportsWithoutDaemon()
{
    QCOMPARE(QProcess::execute(QStringLiteral(DNSSD_NET),
                               { QStringLiteral("daemon"), QStringLiteral("stop") }),
             0);
    const Run list = run({ QStringLiteral("list"), QStringLiteral("--json") });
    const Run scan =
        run({ QStringLiteral("scan"), QStringLiteral("Ovix A"), QStringLiteral("--json") });
    const Run configure = run({ QStringLiteral("configure"), QStringLiteral("Ovix A"),
                                QStringLiteral("--ssid"), QStringLiteral("Hausnetz"),
                                QStringLiteral("--password-stdin"), QStringLiteral("--json") },
                              QByteArray(password));
    QCOMPARE(QProcess::execute(QStringLiteral(DNSSD_NET),
                               { QStringLiteral("daemon"), QStringLiteral("start") }),
             0);

    for (const Run &command : { list, scan, configure }) {
        QCOMPARE(command.exitCode, 4);
        QCOMPARE(command.lines.size(), 1);
        const QJsonObject line = command.lines.constFirst();
        QCOMPARE(line.value(QLatin1String("result")).toString(),
                 QStringLiteral("dnssd-unavailable"));
        QCOMPARE(line.value(QLatin1String("exit")).toInt(), 4);
        QVERIFY2(line.value(QLatin1String("error"))
                     .toString()
                     .startsWith(QLatin1String("DNS-SD is not available (error ")),
                 qPrintable(line.value(QLatin1String("error")).toString()));
    }
    QCOMPARE(scan.lines.constFirst().value(QLatin1String("speaker")).toString(),
             QStringLiteral("Ovix A"));
    QCOMPARE(configure.lines.constFirst().value(QLatin1String("speaker")).toString(),
             QStringLiteral("Ovix A"));
}

QTEST_GUILESS_MAIN(tst_SpeakersE2e)
#include "tst_speakers_e2e.moc"
