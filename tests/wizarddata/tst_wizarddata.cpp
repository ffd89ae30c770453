#include "wizarddata.h"

#include <QtTest>

// The setters' debug lines, recorded as (type, text).
static QList<QPair<QtMsgType, QString>> recorded;

static void recordMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    recorded.append(qMakePair(type, message));
}

class TestWizardData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void startsEmpty();
    void setters_data();
    void setters();
    void laterWriteReplaces();

private:
    QtMessageHandler m_previousHandler = nullptr;
};

void TestWizardData::initTestCase()
{
    m_previousHandler = qInstallMessageHandler(recordMessage);
}

void TestWizardData::cleanupTestCase()
{
    qInstallMessageHandler(m_previousHandler);
}

void TestWizardData::init()
{
    recorded.clear();
}

void TestWizardData::startsEmpty()
{
    // Runs first: nothing has written the record yet.
    QVERIFY(wizardData.url.isNull());
    QVERIFY(wizardData.name.isNull());
    QVERIFY(wizardData.model.isNull());
    QVERIFY(wizardData.ssid.isNull());
    QVERIFY(wizardData.pw.isNull());
    QVERIFY(wizardData.ip.isNull());
    QVERIFY(wizardData.softwareVer.isNull());
    QVERIFY(wizardData.hardwareVer.isNull());
    QVERIFY(!wlanPage);
    QVERIFY(!settingsPage);
}

void TestWizardData::setters_data()
{
    QTest::addColumn<QString>("setter");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("line");

    const QString tricky = QStringLiteral("Kitchen \"2\" C:\\speaker");
    const QString trickyShown = QStringLiteral("\"Kitchen \\\"2\\\" C:\\\\speaker\"");
    const char *setters[][2] = { { "setName", "Name: " },
                                 { "setURL", "URL: " },
                                 { "setSSID", "SSID: " },
                                 { "setPW", "PW: " },
                                 { "setIP", "IP: " } };
    for (const auto &setter : setters) {
        const QString label = QLatin1String(setter[1]);
        QTest::addRow("%s, quotation mark and reverse solidus", setter[0])
            << QString::fromLatin1(setter[0]) << tricky
            << label + QLatin1Char(' ') + trickyShown + QLatin1String(" \n");
        QTest::addRow("%s, empty", setter[0])
            << QString::fromLatin1(setter[0]) << QString() << label + QLatin1String(" \"\" \n");
        QTest::addRow("%s, plain", setter[0])
            << QString::fromLatin1(setter[0]) << QStringLiteral("192.168.1.20")
            << label + QLatin1String(" \"192.168.1.20\" \n");
    }
}

void TestWizardData::setters()
{
    QFETCH(QString, setter);
    QFETCH(QString, value);
    QFETCH(QString, line);

    WizardData data;
    QString *field = nullptr;
    if (setter == QLatin1String("setName")) {
        data.setName(value);
        field = &data.name;
    } else if (setter == QLatin1String("setURL")) {
        data.setURL(value);
        field = &data.url;
    } else if (setter == QLatin1String("setSSID")) {
        data.setSSID(value);
        field = &data.ssid;
    } else if (setter == QLatin1String("setPW")) {
        data.setPW(value);
        field = &data.pw;
    } else if (setter == QLatin1String("setIP")) {
        data.setIP(value);
        field = &data.ip;
    }
    QVERIFY(field);

    QCOMPARE(recorded.size(), 1);
    QCOMPARE(recorded.at(0).first, QtDebugMsg);
    QCOMPARE(recorded.at(0).second, line);
    // Stored exactly as given: no trimming, no escaping.
    QCOMPARE(*field, value);

    // The setter touches its own field only.
    const QStringList fields = { data.url, data.name, data.model,       data.ssid,
                                 data.pw,  data.ip,   data.softwareVer, data.hardwareVer };
    int set = 0;
    for (const QString &other : fields)
        set += other.isNull() ? 0 : 1;
    QCOMPARE(set, value.isNull() ? 0 : 1);
}

void TestWizardData::laterWriteReplaces()
{
    WizardData data;
    data.setSSID(QStringLiteral("First"));
    data.setSSID(QStringLiteral("Second"));
    QCOMPARE(data.ssid, QStringLiteral("Second"));
    QCOMPARE(recorded.size(), 2);
    QCOMPARE(recorded.at(1).second, QStringLiteral("SSID:  \"Second\" \n"));
}

QTEST_GUILESS_MAIN(TestWizardData)
#include "tst_wizarddata.moc"
