#include "commandline.h"
#include "configurecommand.h"
#include "password.h"
#include "plan.h"
#include "scancommand.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

class tst_CliInput : public QObject
{
    Q_OBJECT

private slots:
    void rejectsBadArguments_data();
    void rejectsBadArguments();
    void acceptsArguments_data();
    void acceptsArguments();
    void rejectsBadPlan_data();
    void rejectsBadPlan();
    void readsPlan();
    void readsPassword_data();
    void readsPassword();
    void readsNoPassword_data();
    void readsNoPassword();
    void endsOnSignalWhileReading_data();
    void endsOnSignalWhileReading();
    void promptsWithoutEcho_data();
    void promptsWithoutEcho();
    void linksNoGuiLibrary();
};

void tst_CliInput::rejectsBadArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");

    const QStringList configure = { "configure", "A", "--ssid", "S", "--password-stdin" };
    const QStringList planned = { "configure", "--plan", "p.csv", "--password-stdin" };
    QTest::newRow("no command") << QStringList() << "no command given (list, scan or configure)";
    QTest::newRow("unknown command")
        << QStringList { "lsit" } << "unknown command \"lsit\" (list, scan or configure)";
    QTest::newRow("unknown option")
        << QStringList { "list", "--password", "x" } << "unknown option --password";
    QTest::newRow("option of another command")
        << QStringList { "scan", "A", "--details" } << "option --details does not go with scan";
    QTest::newRow("option before the command")
        << QStringList { "--json", "list" } << "option --json goes after the command";
    QTest::newRow("value missing")
        << QStringList { "configure", "A", "--ssid" } << "Missing value after '--ssid'.";
    QTest::newRow("given twice") << (configure + QStringList { "--ssid", "T" })
                                 << "option --ssid is given more than once";
    QTest::newRow("flag given twice")
        << QStringList { "list", "-v", "--verbose" } << "option --verbose is given more than once";
    const QString jobs = "option --jobs takes a whole number from 1 to 256, not \"%1\"";
    QTest::newRow("jobs 0") << (configure + QStringList { "--jobs=0" }) << jobs.arg("0");
    QTest::newRow("jobs 257") << (configure + QStringList { "--jobs", "257" }) << jobs.arg("257");
    QTest::newRow("jobs not a number")
        << (configure + QStringList { "--jobs", "8x" }) << jobs.arg("8x");
    // Once taken in milliseconds into an int: the first gave up at once, the second never.
    const QString wait = "option --return-wait takes a whole number from 1 to 3600, not \"%1\"";
    QTest::newRow("return wait that overflowed")
        << (configure + QStringList { "--return-wait", "4294968" }) << wait.arg("4294968");
    QTest::newRow("return wait that never ended")
        << (configure + QStringList { "--return-wait", "2147484" }) << wait.arg("2147484");
    QTest::newRow("return wait 0")
        << (configure + QStringList { "--return-wait", "0" }) << wait.arg("0");
    QTest::newRow("return wait beyond any int")
        << (configure + QStringList { "--return-wait", "99999999999" }) << wait.arg("99999999999");
    QTest::newRow("quiet wait 9") << QStringList {
        "list", "--quiet-wait", "9"
    } << "option --quiet-wait takes a whole number from 10 to 60000, not \"9\"";
    QTest::newRow("quiet wait 60001")
        << QStringList { "scan", "A", "--quiet-wait", "60001" }
        << "option --quiet-wait takes a whole number from 10 to 60000, not \"60001\"";
    QTest::newRow("scan without speaker") << QStringList { "scan" } << "scan takes one SPEAKER";
    QTest::newRow("list with speaker")
        << QStringList { "list", "A" } << "unexpected argument \"A\"";
    QTest::newRow("configure with two speakers")
        << QStringList { "configure", "A", "B", "--ssid", "S", "--password-stdin" }
        << "unexpected argument \"B\"";
    QTest::newRow("no ssid") << QStringList { "configure", "A", "--password-stdin" }
                             << "configure needs --ssid SSID (or --plan FILE)";
    QTest::newRow("empty ssid") << QStringList { "configure", "A", "--ssid=", "--password-stdin" }
                                << "the SSID is empty";
    QTest::newRow("ssid of 33 bytes")
        << QStringList { "configure", "A", "--ssid", QString(31, 'x') + "ü", "--password-stdin" }
        << "an SSID has at most 32 bytes, \"" + QString(31, 'x') + "ü\" has 33";
    QTest::newRow("empty name") << (configure + QStringList { "--name", "" })
                                << "--name needs a name; without it the speaker keeps its own";
    const QString onePassword = "configure needs the password from exactly one of "
                                "--password-stdin and --password-file FILE";
    QTest::newRow("no password") << QStringList { "configure", "A", "--ssid", "S" } << onePassword;
    QTest::newRow("two passwords")
        << (planned + QStringList { "--password-file", "f" }) << onePassword;
    QTest::newRow("plan and ssid")
        << (planned + QStringList { "--ssid", "S" })
        << "--plan takes the names and SSIDs from the plan, not from --ssid or --name";
    QTest::newRow("plan and speaker")
        << (planned + QStringList { "A" }) << "unexpected argument \"A\"";

    const QString badPort = "bad port \"%1\" in \"%2\": a port is a number from 1 to 65535";
    QTest::newRow("port 0") << QStringList { "scan", "Suite:0" } << badPort.arg("0", "Suite:0");
    QTest::newRow("port 65536") << QStringList { "scan", "10.0.0.1:65536" }
                                << badPort.arg("65536", "10.0.0.1:65536");
    QTest::newRow("port 80x") << QStringList { "scan", "host:80x" }
                              << badPort.arg("80x", "host:80x");
    QTest::newRow("no port") << QStringList { "scan", "127.0.0.1:" }
                             << badPort.arg("", "127.0.0.1:");
    QTest::newRow("IPv6, no port number")
        << QStringList { "scan", "[::1]:http" } << badPort.arg("http", "[::1]:http");
    QTest::newRow("bad port in configure")
        << QStringList { "configure", "Suite:99999", "--ssid", "S", "--password-stdin" }
        << badPort.arg("99999", "Suite:99999");
}

void tst_CliInput::rejectsBadArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);

    CommandLine commandLine;
    QCOMPARE(commandLine.parse(QStringList("vantir-speakers") + arguments), CommandLine::Error);
    QCOMPARE(commandLine.error(), error);
}

void tst_CliInput::acceptsArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("read"); // what the command took from them

    QTest::newRow("a name with a colon")
        << QStringList { "scan", "Ovix:Kitchen" } << "scan name \"Ovix:Kitchen\"";
    QTest::newRow("an address") << QStringList { "scan", "Suite:12" }
                                << "scan address \"Suite\" 12";
    QTest::newRow("IPv6 with a zone")
        << QStringList { "scan", "[fe80::1%eth0]:65535" } << "scan address \"fe80::1%eth0\" 65535";
    QTest::newRow("-- ends the options")
        << QStringList { "scan", "--", "--json" } << "scan name \"--json\"";
    QTest::newRow("the limits") << QStringList {
        "configure",     "A",    "--ssid",       "S",  "--password-file", "f", "--jobs", "256",
        "--return-wait", "3600", "--quiet-wait", "10", "--hidden"
    } << "configure jobs 256, return wait 3600 s, quiet wait 10 ms, hidden";
    QTest::newRow("the other limits")
        << QStringList { "configure",       "--plan=p.csv",       "--password-stdin", "--jobs=1",
                         "--return-wait=1", "--quiet-wait=60000", "--dry-run" }
        << "configure jobs 1, return wait 1 s, quiet wait 60000 ms, dry run";
}

void tst_CliInput::acceptsArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, read);

    CommandLine commandLine;
    QCOMPARE(commandLine.parse(QStringList("vantir-speakers") + arguments), CommandLine::Run);
    QString taken = commandLine.command()->name();
    if (const auto *scan = dynamic_cast<const ScanCommand *>(commandLine.command())) {
        taken += scan->speaker.isAddress
            ? QStringLiteral(" address \"%1\" %2").arg(scan->speaker.host).arg(scan->speaker.port)
            : QStringLiteral(" name \"%1\"").arg(scan->speaker.text);
    }
    if (const auto *configure = dynamic_cast<const ConfigureCommand *>(commandLine.command())) {
        taken += QStringLiteral(" jobs %1, return wait %2 s, quiet wait %3 ms")
                     .arg(configure->jobs)
                     .arg(configure->returnWait.count())
                     .arg(configure->quietWait.count());
        if (configure->hidden)
            taken += QStringLiteral(", hidden");
        if (configure->dryRun)
            taken += QStringLiteral(", dry run");
    }
    QCOMPARE(taken, read);
}

void tst_CliInput::rejectsBadPlan_data()
{
    QTest::addColumn<QByteArray>("plan");
    QTest::addColumn<QString>("error");

    const QByteArray header = "speaker,name,ssid\n";
    QTest::newRow("header") << QByteArray("speaker,ssid,name\nA,,S\n")
                            << "p.csv:1: the first line must be \"speaker,name,ssid\" or "
                               "\"speaker,name,ssid,hidden\"";
    QTest::newRow("fields") << QByteArray(header + "A,,S\n\nB,S\n")
                            << "p.csv:4: expected 3 fields, found 2";
    QTest::newRow("fields with hidden")
        << QByteArray("speaker,name,ssid,hidden\nA,,S\n") << "p.csv:2: expected 4 fields, found 3";
    QTest::newRow("quote") << QByteArray(header + "\"A,,S\n")
                           << "p.csv:2: a quoted field is not closed properly";
    QTest::newRow("no ssid") << QByteArray(header + "A,N,\n")
                             << "p.csv:2: speaker and ssid must not be empty";
    QTest::newRow("ssid of 33 bytes")
        << QByteArray(header + "A,N," + QByteArray(33, 's') + "\n")
        << "p.csv:2: an SSID has at most 32 bytes, \"" + QString(33, 's') + "\" has 33";
    QTest::newRow("hidden neither yes nor no")
        << QByteArray("speaker,name,ssid,hidden\nA,,S,maybe\n")
        << "p.csv:2: hidden is \"yes\" or \"no\", not \"maybe\"";
    QTest::newRow("twice") << QByteArray(header + "A,,S\r\nA,B,S\r\n")
                           << "p.csv:3: speaker \"A\" is planned twice";
    QTest::newRow("empty") << header << "p.csv: no speaker planned";
}

void tst_CliInput::rejectsBadPlan()
{
    QFETCH(QByteArray, plan);
    QFETCH(QString, error);

    QList<PlanLine> lines;
    QString message;
    QVERIFY(!readPlan(plan, QStringLiteral("p.csv"), &lines, &message));
    QCOMPARE(message, error);
}

void tst_CliInput::readsPlan()
{
    QList<PlanLine> lines;
    QString error;
    // As a spreadsheet saves it: a byte-order mark, CRLF, quotes.
    QVERIFY2(
        readPlan("\xEF\xBB\xBF"
                 "speaker,name,ssid,hidden\r\n\"Hotel, Room 1\",\"Room \"\"1\"\"\",Gäste,YES\r\n"
                 "10.0.0.7:8080,,Gäste,\r\n",
                 QStringLiteral("p.csv"), &lines, &error),
        qPrintable(error));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).speaker.text, QStringLiteral("Hotel, Room 1"));
    QVERIFY(!lines.at(0).speaker.isAddress);
    QCOMPARE(lines.at(0).name, QStringLiteral("Room \"1\""));
    QCOMPARE(lines.at(0).ssid, QStringLiteral("Gäste"));
    QVERIFY(lines.at(0).hidden);
    QCOMPARE(lines.at(1).lineNumber, 3);
    QVERIFY(lines.at(1).speaker.isAddress);
    QCOMPARE(lines.at(1).speaker.host, QStringLiteral("10.0.0.7"));
    QCOMPARE(lines.at(1).speaker.port, quint16(8080));
    QVERIFY(!lines.at(1).hidden);
}

void tst_CliInput::readsPassword_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("password"); // or the error, when null
    QTest::addColumn<QString>("error");

    // One line end is the file's, not the password's; blanks and whatever else are the
    // password's, for its checks to see.
    QTest::newRow("CR LF") << QByteArray(" pass word \r\n") << " pass word " << QString();
    QTest::newRow("LF") << QByteArray("pass word\n") << "pass word" << QString();
    QTest::newRow("two line ends") << QByteArray("pw\n\n") << "pw\n" << QString();
    QTest::newRow("a second line") << QByteArray("pw\nold\n") << "pw\nold" << QString();
    QTest::newRow("CR alone") << QByteArray("pw\r") << "pw\r" << QString();
    QTest::newRow("UTF-8") << QByteArray("Kühlschrank-1") << "Kühlschrank-1" << QString();
    QTest::newRow("Latin-1") << QByteArray("K\xfchlschrank-1\n") << QString()
                             << "the password from input is not UTF-8 text";
    QTest::newRow("NUL") << QByteArray("pass\0word", 9) << QString()
                         << "the password from input holds a NUL byte";
}

void tst_CliInput::readsPassword()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, password);
    QFETCH(QString, error);

    QString read;
    QString message;
    QCOMPARE(Password::take(input, QStringLiteral("input"), &read, &message), error.isNull());
    QCOMPARE(read, password);
    QCOMPARE(message, error);
}

void tst_CliInput::readsNoPassword_data()
{
    QTest::addColumn<QString>("redirection");

    QTest::newRow("closed") << "<&-";
    QTest::newRow("empty") << "</dev/null";
}

void tst_CliInput::readsNoPassword()
{
    QFETCH(QString, redirection);

    QProcess program;
    program.start(QStringLiteral("sh"),
                  { QStringLiteral("-c"),
                    QStringLiteral("exec \"$0\" configure 127.0.0.1:9 --ssid Hausnetz "
                                   "--password-stdin ") +
                        redirection,
                    QStringLiteral(VANTIR_SPEAKERS) });
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitCode(), 2);
    QCOMPARE(program.readAllStandardError(),
             QByteArray("vantir-speakers: no password on standard input\n"));
}

void tst_CliInput::endsOnSignalWhileReading_data()
{
    QTest::addColumn<bool>("fromFifo"); // the plan from a FIFO; else the password from a pipe
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("ignoredAtStart"); // as under nohup
    QTest::addColumn<int>("exitCode");

    QTest::newRow("password, SIGTERM") << false << SIGTERM << false << 143;
    QTest::newRow("password, SIGINT") << false << SIGINT << false << 130;
    QTest::newRow("password, SIGHUP") << false << SIGHUP << false << 129;
    QTest::newRow("plan, SIGHUP") << true << SIGHUP << false << 129;
    QTest::newRow("plan, SIGINT") << true << SIGINT << false << 130;
    // Still ignored: the SIGTERM after it ends the run.
    QTest::newRow("password, SIGHUP under nohup") << false << SIGHUP << true << 143;
}

// A pipe or FIFO kept open by its writer does not hold a run that a signal ends.
void tst_CliInput::endsOnSignalWhileReading()
{
    QFETCH(bool, fromFifo);
    QFETCH(int, signal);
    QFETCH(bool, ignoredAtStart);
    QFETCH(int, exitCode);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fifo = dir.filePath(QStringLiteral("plan.csv"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QStringList arguments = { QStringLiteral(VANTIR_SPEAKERS), QStringLiteral("configure") };
    arguments += fromFifo ? QStringList { QStringLiteral("--plan"), fifo }
                          : QStringList { QStringLiteral("127.0.0.1:9"), QStringLiteral("--ssid"),
                                          QStringLiteral("Hausnetz") };
    arguments += QStringLiteral("--password-stdin");
    if (ignoredAtStart)
        arguments.prepend(QStringLiteral("nohup"));
    QProcess program;
    program.start(arguments.takeFirst(), arguments);
    QVERIFY(program.waitForStarted());
    QFile wchan(QStringLiteral("/proc/%1/wchan").arg(program.processId()));
    const auto waiting = [&wchan] {
        wchan.close();
        return wchan.open(QIODevice::ReadOnly) && wchan.readAll().contains("poll");
    };
    QTRY_VERIFY(waiting());
    ::kill(pid_t(program.processId()), signal);
    if (ignoredAtStart)
        ::kill(pid_t(program.processId()), SIGTERM);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    program.closeWriteChannel();
}

void tst_CliInput::promptsWithoutEcho_data()
{
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<int>("signal"); // sent while the prompt waits; 0: none
    QTest::addColumn<int>("exitCode");

    QTest::newRow("Ctrl-C") << QByteArray("secr") << SIGINT << 130;
    QTest::newRow("hung up") << QByteArray() << SIGHUP << 129;
    // On to the speaker, which refuses the connection.
    QTest::newRow("typed") << QByteArray("Sommer-2024!\n") << 0 << 6;
}

// On a terminal the password is asked for and not echoed; the echo is back however the prompt
// ends.
void tst_CliInput::promptsWithoutEcho()
{
    QFETCH(QByteArray, typed);
    QFETCH(int, signal);
    QFETCH(int, exitCode);

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
    const QString terminalName = QString::fromLocal8Bit(::ptsname(master));
    const int terminal = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
    QVERIFY(terminal >= 0);
    const auto echoing = [terminal] {
        termios settings;
        return ::tcgetattr(terminal, &settings) == 0 && (settings.c_lflag & ECHO);
    };
    QVERIFY(echoing());

    QProcess program;
    // No DNS-SD of this machine: the fake library answers the browse with nothing.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_LIBRARY_PATH"), QStringLiteral(FAKEDNSSD_DIR));
    program.setProcessEnvironment(environment);
    program.setStandardInputFile(terminalName);
    program.start(QStringLiteral(VANTIR_SPEAKERS),
                  { QStringLiteral("configure"), QStringLiteral("127.0.0.1:9"),
                    QStringLiteral("--ssid"), QStringLiteral("Hausnetz"),
                    QStringLiteral("--password-stdin"), QStringLiteral("--dry-run") });
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY(!echoing());
    QCOMPARE(::write(master, typed.constData(), size_t(typed.size())), qint64(typed.size()));
    if (signal)
        ::kill(pid_t(program.processId()), signal);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitCode(), exitCode);
    QVERIFY(echoing());

    const QByteArray errors = program.readAllStandardError();
    QVERIFY2(errors.startsWith("WLAN password: \n"), errors.constData());
    // Nothing of it shown: not echoed by the terminal, not in the output.
    ::fcntl(master, F_SETFL, O_NONBLOCK);
    char echoed[256];
    const ssize_t echoedSize = ::read(master, echoed, sizeof(echoed));
    QCOMPARE(echoedSize > 0 ? QByteArray(echoed, int(echoedSize)) : QByteArray(), QByteArray());
    QVERIFY(!errors.contains("Sommer") && !program.readAllStandardOutput().contains("Sommer"));
    ::close(terminal);
    ::close(master);
}

void tst_CliInput::linksNoGuiLibrary()
{
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), { QStringLiteral(VANTIR_SPEAKERS) });
    QVERIFY(ldd.waitForFinished(10000));
    const QString libraries = QString::fromLocal8Bit(ldd.readAllStandardOutput());
    QVERIFY2(libraries.contains(QLatin1String("Network.so")), qPrintable(libraries));
    QVERIFY2(!libraries.contains(QLatin1String("Gui.so")), qPrintable(libraries));
    QVERIFY2(!libraries.contains(QLatin1String("Widgets.so")), qPrintable(libraries));
}

QTEST_GUILESS_MAIN(tst_CliInput)
#include "tst_cliinput.moc"
