#include "report.h"
#include "terminaltext.h"

#include <QJsonDocument>
#include <QTextStream>
#include <QtTest>

class tst_Report : public QObject
{
    Q_OBJECT

private slots:
    void showsNetworkTextSafely_data();
    void showsNetworkTextSafely();
    void escapesLogLines_data();
    void escapesLogLines();
    void summarises();
};

void tst_Report::showsNetworkTextSafely_data()
{
    QTest::addColumn<QString>("text"); // as a speaker or the network sent it
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("plain");

    QTest::newRow("plain name") << "Kitchen"
                                << "NAME     RESULT\n"
                                   "Kitchen  ok\n"
                                << "vantir-speakers: \"Kitchen\" refused\n";
    // A refusal's reason that would erase its own row and show a green "ok: saved".
    QTest::newRow("escape sequences") << "\x1b[2K\r\x1b[32mok: saved"
                                      << "NAME                    RESULT\n"
                                         "\\e[2K\\r\\e[32mok: saved  ok\n"
                                      << "vantir-speakers: \"\\e[2K\\r\\e[32mok: saved\" refused\n";
    // A name with a line feed would add a row of its own.
    QTest::newRow("line feed") << "Kitchen\nBedroom  ok"
                               << "NAME                  RESULT\n"
                                  "Kitchen\\nBedroom  ok  ok\n"
                               << "vantir-speakers: \"Kitchen\\nBedroom  ok\" refused\n";
    QTest::newRow("C1 control sequence introducer") << QString::fromUtf8("A\xc2\x9b"
                                                                         "2JB")
                                                    << "NAME      RESULT\n"
                                                       "A\\x9b2JB  ok\n"
                                                    << "vantir-speakers: \"A\\x9b2JB\" refused\n";
    QTest::newRow("DEL, bell, tab, NUL") << QString::fromLatin1("A\x7f\x07\tB\0C", 7)
                                         << "NAME             RESULT\n"
                                            "A\\x7f\\a\\tB\\x00C  ok\n"
                                         << "vantir-speakers: \"A\\x7f\\a\\tB\\x00C\" refused\n";
    QTest::newRow("reverse solidus") << "C:\\e"
                                     << "NAME   RESULT\n"
                                        "C:\\\\e  ok\n"
                                     << "vantir-speakers: \"C:\\\\e\" refused\n";
    QTest::newRow("writing direction turned") << QString::fromUtf8("abc\xe2\x80\xae"
                                                                   "def")
                                              << "NAME          RESULT\n"
                                                 "abc\\u202edef  ok\n"
                                              << "vantir-speakers: \"abc\\u202edef\" refused\n";
    QTest::newRow("wide characters") << QString::fromUtf8("東京")
                                     << QString::fromUtf8("NAME  RESULT\n"
                                                          "東京  ok\n")
                                     << QString::fromUtf8("vantir-speakers: \"東京\" refused\n");
    QTest::newRow("wide and escaped")
        << QString::fromUtf8("東京\x1b")
        << QString::fromUtf8("NAME    RESULT\n"
                             "東京\\e  ok\n")
        << QString::fromUtf8("vantir-speakers: \"東京\\e\" refused\n");
    QTest::newRow("combining mark") << QString::fromUtf8("Cafe\xcc\x81 Sud")
                                    << QString::fromUtf8("NAME      RESULT\n"
                                                         "Cafe\xcc\x81 Sud  ok\n")
                                    << QString::fromUtf8("vantir-speakers: \"Cafe\xcc\x81 Sud\" "
                                                         "refused\n");
}

void tst_Report::showsNetworkTextSafely()
{
    QFETCH(QString, text);
    QFETCH(QString, table);
    QFETCH(QString, plain);

    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    Report report(&outStream, &errStream, false, false);
    report.writeTable(
        { { QStringLiteral("NAME"), QStringLiteral("RESULT") }, { text, QStringLiteral("ok") } });
    QCOMPARE(out, table);
    report.say(QStringLiteral("\"%1\" refused").arg(text));
    QCOMPARE(err, plain);

    // JSON escapes by itself: one line, which reads back as the text sent.
    out.clear();
    Report jsonReport(&outStream, &errStream, true, false);
    LineResult result;
    result.line.speaker.text = text;
    result.name = text;
    result.outcome = Outcome::Refused;
    result.details = text;
    jsonReport.planLineEnded(result);
    QCOMPARE(out.count(QLatin1Char('\n')), 1);
    QVERIFY(out.endsWith(QLatin1Char('\n')));
    QVERIFY(!out.contains(QChar(0x1b)));
    const QJsonObject object = QJsonDocument::fromJson(out.toUtf8()).object();
    QCOMPARE(object.value(QLatin1String("name")).toString(), text);
    QCOMPARE(object.value(QLatin1String("error")).toString(), text);
}

void tst_Report::escapesLogLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("shown");

    QTest::newRow("QDebug's escapes kept") << "devicename: \"K\\\"S\\u001B\""
                                           << "devicename: \"K\\\"S\\u001B\"";
    QTest::newRow("written plainly") << "CONFIG STRING: >>>{\"ssid\":\"\x1b[2KHaus\\\"\"}<<<"
                                     << "CONFIG STRING: >>>{\"ssid\":\"\\e[2KHaus\\\"\"}<<<";
    QTest::newRow("line feed, C1") << QString::fromUtf8("a\nb\xc2\x9b") << "a\\nb\\x9b";
}

void tst_Report::escapesLogLines()
{
    QFETCH(QString, line);
    QFETCH(QString, shown);
    QCOMPARE(TerminalText::safeLogLine(line), shown);
}

void tst_Report::summarises()
{
    QList<LineResult> results;
    for (const Outcome outcome :
         { Outcome::Success, Outcome::Already, Outcome::KeptOldName, Outcome::Success,
           Outcome::NotBack, Outcome::Refused, Outcome::Refused, Outcome::KeptOldName }) {
        LineResult result;
        result.outcome = outcome;
        results.append(result);
    }
    QCOMPARE(Report::summary(results),
             QStringLiteral("2 ok, 2 refused, 1 not back, 2 kept their old names, 1 already"));
    results.removeLast();
    QCOMPARE(Report::summary(results),
             QStringLiteral("2 ok, 2 refused, 1 not back, 1 kept its old name, 1 already"));
}

QTEST_GUILESS_MAIN(tst_Report)
#include "tst_report.moc"
