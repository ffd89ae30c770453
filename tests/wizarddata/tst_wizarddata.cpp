#include "messagelog.h"
#include "wizarddata.h"

#include <QtTest>

#include <iterator>

namespace {

struct Setter
{
    const char *name;
    void (WizardData::*set)(const QString &);
    QString WizardData::*field;
    const char *label;
};

const Setter table[] = {
    { "setName", &WizardData::setName, &WizardData::name, "Name: " },
    { "setURL", &WizardData::setURL, &WizardData::url, "URL: " },
    { "setSSID", &WizardData::setSSID, &WizardData::ssid, "SSID: " },
    { "setPW", &WizardData::setPW, &WizardData::pw, "PW: " },
    { "setIP", &WizardData::setIP, &WizardData::ip, "IP: " },
};

QStringList fields(const WizardData &data)
{
    return { data.url,         data.listedName, data.name, data.model,       data.ssid,
             data.encryptType, data.pw,         data.ip,   data.softwareVer, data.hardwareVer };
}

} // namespace

class TestWizardData : public QObject
{
    Q_OBJECT

private slots:
    void startsEmpty();
    void setters_data();
    void setters();
};

void TestWizardData::startsEmpty()
{
    // Runs first: nothing has written the record yet.
    for (const QString &field : fields(wizardData))
        QVERIFY(field.isNull());
    QVERIFY(wlanPage.isNull());
    QVERIFY(settingsPage.isNull());
}

void TestWizardData::setters_data()
{
    QTest::addColumn<int>("setter");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown"); // the value as the debug line shows it

    for (int i = 0; i < int(std::size(table)); ++i) {
        const char *name = table[i].name;
        QTest::addRow("%s, quotation mark and reverse solidus", name)
            << i << QStringLiteral("Kitchen \"2\" C:\\speaker")
            << QStringLiteral("\"Kitchen \\\"2\\\" C:\\\\speaker\"");
        QTest::addRow("%s, empty", name) << i << QString() << QStringLiteral("\"\"");
        // Escaped as Qt 5.15 escapes it; Qt 6.4 would print it plainly.
        QTest::addRow("%s, character of Unicode 14", name)
            << i << QString::fromUtf8("Melting \xf0\x9f\xab\xa0")
            << QStringLiteral("\"Melting \\U0001FAE0\"");
    }
}

void TestWizardData::setters()
{
    QFETCH(int, setter);
    QFETCH(QString, value);
    QFETCH(QString, shown);
    const Setter &under = table[setter];

    MessageLog log;
    WizardData data;
    data.setSSID(QStringLiteral("earlier"));
    log.clear();
    (data.*under.set)(value);

    QCOMPARE(log.lines(),
             MessageLog::debugs({ QLatin1String(under.label) + QLatin1Char(' ') + shown +
                                  QStringLiteral(" \n") }));
    // Stored exactly as given (no trimming, no escaping), replacing what was there; the setter
    // touches its own field only.
    QCOMPARE(data.*under.field, value);
    WizardData expected;
    expected.ssid = QStringLiteral("earlier");
    expected.*under.field = value;
    QCOMPARE(fields(data), fields(expected));
}

QTEST_GUILESS_MAIN(TestWizardData)
#include "tst_wizarddata.moc"
