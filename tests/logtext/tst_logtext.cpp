#include "logtext.h"
#include "messagelog.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

class tst_LogText : public QObject
{
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void everyCharacterAsQt515();
    void json_data();
    void json();
};

static QString fromUcs4(uint codePoint)
{
    if (codePoint <= 0xffff)
        return QString(QChar(ushort(codePoint)));
    return QString(QChar(QChar::highSurrogate(codePoint))) + QChar(QChar::lowSurrogate(codePoint));
}

void tst_LogText::text_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quoted");

    QTest::newRow("plain") << QStringLiteral("Kitchen") << QStringLiteral("\"Kitchen\"");
    QTest::newRow("empty") << QString() << QStringLiteral("\"\"");
    QTest::newRow("quotation mark, reverse solidus, controls")
        << QStringLiteral("a\"b\\c\n\t\x01\x7f")
        << QStringLiteral("\"a\\\"b\\\\c\\n\\t\\u0001\\u007F\"");
    QTest::newRow("umlaut, emoji of Unicode 6")
        << (QStringLiteral("K\u00fcche ") + fromUcs4(0x1f600))
        << (QStringLiteral("\"K\u00fcche ") + fromUcs4(0x1f600) + QLatin1Char('"'));
    // Qt 6.4 prints these plainly.
    QTest::newRow("assigned in Unicode 14")
        << (QStringLiteral("a") + fromUcs4(0x1fae0) + QStringLiteral("\"b") + fromUcs4(0x08b5))
        << QStringLiteral("\"a\\U0001FAE0\\\"b\\u08B5\"");
    QTest::newRow("unassigned, lone surrogate")
        << (fromUcs4(0x0378) + fromUcs4(0xd800) + QStringLiteral("x"))
        << QStringLiteral("\"\\u0378\\uD800x\"");
}

// In a line, with and without the separating blanks.
void tst_LogText::text()
{
    QFETCH(QString, text);
    QFETCH(QString, quoted);

    MessageLog log;
    qDebug() << "SSID: " << LogText(text) << "\n";
    qDebug().nospace() << ">" << LogText(text) << "<";
    QCOMPARE(log.lines(),
             MessageLog::debugs({ QStringLiteral("SSID:  ") + quoted + QStringLiteral(" \n"),
                                  QLatin1Char('>') + quoted + QLatin1Char('<') }));
    QCOMPARE(quotedLogText(text), quoted);
}

// Every code point on its own, and every surrogate unpaired, as Qt 5.15's QDebug writes it: the
// checksum is of Qt 5.15's own output. Where this Qt knows no more characters than Qt 5.15,
// the text is also what its QDebug writes.
void tst_LogText::everyCharacterAsQt515()
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (uint codePoint = 0; codePoint <= 0x10ffff; ++codePoint) {
        const QString text = fromUcs4(codePoint);
        const QString quoted = quotedLogText(text);
        hash.addData(quoted.toUtf8() + '\n');
        if (QChar::unicodeVersion(codePoint) <= QChar::Unicode_13_0) {
            QString byQDebug;
            QDebug(&byQDebug).nospace() << text;
            if (quoted != byQDebug)
                QFAIL(qPrintable(QStringLiteral("U+%1").arg(codePoint, 4, 16, QLatin1Char('0'))));
        }
    }
    QCOMPARE(hash.result().toHex(), QByteArray("0f8b2447c4a83b3ec482d2b541bf1988b6b91c3f"));
}

void tst_LogText::json_data()
{
    QTest::addColumn<QByteArray>("reply"); // the value is its member "v"
    QTest::addColumn<QString>("line");

    QTest::newRow("object, integer beyond 2^53, character of Unicode 14")
        << QByteArray("{\"v\": {\"n\": 9007199254740993, \"f\": 1.5, \"s\": \"\xf0\x9f\xab\xa0\"}}")
        << QString::fromUtf8("QJsonValue(object, QJsonObject({\"f\":1.5,\"n\":9007199254740992,"
                             "\"s\":\"\xf0\x9f\xab\xa0\"}))");
    QTest::newRow("array") << QByteArray("{\"v\": [1000000, \"x\", [true, null]]}")
                           << QStringLiteral(
                                  "QJsonValue(array, QJsonArray([1000000,\"x\",[true,null]]))");
    QTest::newRow("integer") << QByteArray("{\"v\": 1234567}")
                             << QStringLiteral("QJsonValue(double, 1.23457e+06)");
    QTest::newRow("small integer")
        << QByteArray("{\"v\": 42}") << QStringLiteral("QJsonValue(double, 42)");
    QTest::newRow("string") << QByteArray("{\"v\": \"a\\\"\xf0\x9f\xab\xa0\"}")
                            << QStringLiteral("QJsonValue(string, \"a\\\"\\U0001FAE0\")");
    QTest::newRow("boolean") << QByteArray("{\"v\": false}")
                             << QStringLiteral("QJsonValue(bool, false)");
    QTest::newRow("null") << QByteArray("{\"v\": null}") << QStringLiteral("QJsonValue(null)");
    QTest::newRow("missing") << QByteArray("{}") << QStringLiteral("QJsonValue(undefined)");
}

void tst_LogText::json()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, line);

    const QJsonValue value = QJsonDocument::fromJson(reply).object().value(QLatin1String("v"));
    MessageLog log;
    qWarning() << LogJson(value);
    qWarning() << "a" << LogJson(value) << "b";
    QCOMPARE(log.lines(),
             MessageLog::warnings({ line, QStringLiteral("a ") + line + QStringLiteral(" b") }));
}

QTEST_GUILESS_MAIN(tst_LogText)
#include "tst_logtext.moc"
