#include "options.h"

#include <QBuffer>
#include <QProcess>
#include <QTest>

class tst_CliInput : public QObject
{
    Q_OBJECT

private slots:
    void rejectsBadInput_data();
    void rejectsBadInput();
    void readsPlanAndPassword();
    void linksNoGuiLibrary();
};

void tst_CliInput::rejectsBadInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("plan"); // read when the arguments are fine
    QTest::addColumn<QString>("error");

    const QStringList planned = { "configure", "--plan", "p.csv", "--password-stdin" };
    const QByteArray header = "speaker,name,ssid\n";
    QTest::newRow("no command") << QStringList() << QByteArray()
                                << "no command given (list, scan or configure)";
    QTest::newRow("unknown command") << QStringList({ "lsit" }) << QByteArray()
                                     << "unknown command \"lsit\" (list, scan or configure)";
    QTest::newRow("unknown option") << QStringList({ "list", "--password", "x" }) << QByteArray()
                                    << "unknown option --password";
    QTest::newRow("option of another command")
        << QStringList({ "scan", "A", "--details" }) << QByteArray()
        << "option --details does not go with scan";
    QTest::newRow("value missing") << QStringList({ "configure", "A", "--ssid" }) << QByteArray()
                                   << "option --ssid needs a value";
    QTest::newRow("jobs not a number")
        << QStringList({ "configure", "A", "--ssid", "S", "--password-stdin", "--jobs=0" })
        << QByteArray() << "option --jobs needs a whole number of at least 1, not \"0\"";
    QTest::newRow("scan without speaker")
        << QStringList({ "scan" }) << QByteArray() << "scan takes one SPEAKER";
    QTest::newRow("list with speaker")
        << QStringList({ "list", "A" }) << QByteArray() << "unexpected argument \"A\"";
    QTest::newRow("no ssid") << QStringList({ "configure", "A", "--password-stdin" })
                             << QByteArray() << "configure needs --ssid SSID (or --plan FILE)";
    const QString onePassword = "configure needs the password from exactly one of --password-stdin "
                                "and --password-file FILE";
    QTest::newRow("no password") << QStringList({ "configure", "A", "--ssid", "S" }) << QByteArray()
                                 << onePassword;
    QTest::newRow("two passwords")
        << (planned + QStringList({ "--password-file", "f" })) << QByteArray() << onePassword;
    QTest::newRow("plan and ssid")
        << (planned + QStringList({ "--ssid", "S" })) << QByteArray()
        << "--plan takes the names and SSIDs from the plan, not from --ssid or --name";

    QTest::newRow("plan header") << planned << QByteArray("speaker,ssid,name\nA,,S\n")
                                 << "p.csv:1: the first line must be \"speaker,name,ssid\"";
    QTest::newRow("plan fields") << planned << QByteArray(header + "A,,S\n\nB,S\n")
                                 << "p.csv:4: expected 3 fields, found 2";
    QTest::newRow("plan quote") << planned << QByteArray(header + "\"A,,S\n")
                                << "p.csv:2: a quoted field is not closed properly";
    QTest::newRow("plan no ssid") << planned << QByteArray(header + "A,N,\n")
                                  << "p.csv:2: speaker and ssid must not be empty";
    QTest::newRow("plan twice") << planned << QByteArray(header + "A,,S\r\nA,B,S\r\n")
                                << "p.csv:3: speaker \"A\" is planned twice";
    QTest::newRow("plan empty") << planned << header << "p.csv: no speaker planned";
}

void tst_CliInput::rejectsBadInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, plan);
    QFETCH(QString, error);

    Invocation invocation;
    QString message;
    QList<PlanLine> lines;
    const bool parsed = parseArguments(arguments, &invocation, &message) &&
        parsePlan(plan, invocation.planFile, &lines, &message);
    QVERIFY(!parsed);
    QCOMPARE(message, error);
}

void tst_CliInput::readsPlanAndPassword()
{
    QList<PlanLine> lines;
    QString error;
    QVERIFY(parsePlan("speaker,name,ssid\n\"Hotel, Room 1\",\"Room \"\"1\"\"\",Gäste\n"
                      "10.0.0.7:8080,,Gäste\n",
                      QStringLiteral("p.csv"), &lines, &error));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).speaker, QStringLiteral("Hotel, Room 1"));
    QCOMPARE(lines.at(0).name, QStringLiteral("Room \"1\""));
    QCOMPARE(lines.at(0).ssid, QStringLiteral("Gäste"));
    QCOMPARE(lines.at(1).lineNumber, 3);
    QString host;
    int port = 0;
    QVERIFY(splitHostPort(lines.at(1).speaker, &host, &port));
    QCOMPARE(host, QStringLiteral("10.0.0.7"));
    QCOMPARE(port, 8080);
    QVERIFY(!splitHostPort(QStringLiteral("VANTIR Ovix Kitchen"), &host, &port));

    // One line end is the file's, not the password's; blanks are the password's.
    QByteArray text(" pass word \r\n");
    QBuffer input(&text);
    QString password;
    QVERIFY(readPassword(&input, QStringLiteral("input"), &password, &error));
    QCOMPARE(password, QStringLiteral(" pass word "));

    QFile missing(QStringLiteral("/nonexistent/password"));
    QVERIFY(!readPassword(&missing, missing.fileName(), &password, &error));
    QVERIFY2(
        error.startsWith(QLatin1String("cannot read the password from /nonexistent/password: ")),
        qPrintable(error));
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
