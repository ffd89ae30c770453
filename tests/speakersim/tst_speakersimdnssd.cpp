#include <QHostInfo>
#include <QJsonArray>
#include <QTest>

#include "bonjourservicebrowser.h"
#include "bonjourserviceresolver.h"
#include "simulatorprocess.h"

// The simulator on the private DNS-SD network: found by the browser under its
// name, resolved to an address and port that answer, and after setconfig
// found again under its new name only.
class tst_SpeakerSimDnssd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void discoveredConfiguredAndBackUnderNewName();

private:
    int indexOf(const QString &name) const;
    void resolve(const BonjourRecord &record);
    QJsonObject post(const QByteArray &body);

    QList<BonjourRecord> m_records;
    BonjourServiceResolver *m_resolver = nullptr;
    bool m_resolved = false;
    QHostInfo m_hostInfo;
    int m_port = -1;
    SimulatorProcess *m_simulator = nullptr;
};

void tst_SpeakerSimDnssd::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DBUS_SYSTEM_BUS_ADDRESS"))
        QSKIP("needs the private DNS-SD network (run through tools/dnssd-net)");
}

void tst_SpeakerSimDnssd::cleanup()
{
    delete m_simulator;
    m_simulator = nullptr;
}

int tst_SpeakerSimDnssd::indexOf(const QString &name) const
{
    for (int i = 0; i < m_records.size(); ++i) {
        if (m_records.at(i).instanceName == name)
            return i;
    }
    return -1;
}

void tst_SpeakerSimDnssd::resolve(const BonjourRecord &record)
{
    if (!m_resolver) {
        m_resolver = new BonjourServiceResolver(this);
        connect(m_resolver, &BonjourServiceResolver::bonjourRecordResolved, this,
                [this](const QHostInfo &hostInfo, int port) {
                    m_resolved = true;
                    m_hostInfo = hostInfo;
                    m_port = port;
                });
    }
    m_resolved = false;
    m_resolver->resolveBonjourRecord(record);
    QTRY_VERIFY_WITH_TIMEOUT(m_resolved, 20000);
    QCOMPARE(m_hostInfo.error(), QHostInfo::NoError);
    QVERIFY(!m_hostInfo.addresses().isEmpty());
    QCOMPARE(m_port, m_simulator->port());
}

// To the first resolved address, as the speaker list page does.
QJsonObject tst_SpeakerSimDnssd::post(const QByteArray &body)
{
    const Exchange answer = exchange(m_hostInfo.addresses().first().toString(), m_port, body);
    return answer.status == 200 ? answer.object : QJsonObject();
}

void tst_SpeakerSimDnssd::discoveredConfiguredAndBackUnderNewName()
{
    BonjourServiceBrowser browser;
    connect(&browser, &BonjourServiceBrowser::currentBonjourRecordsChanged, this,
            [this](const QList<BonjourRecord> &list) { m_records = list; });
    browser.browseForServiceType(QStringLiteral("_dockset._tcp"));

    const QString oldName = QStringLiteral("Ovix Test");
    const QString newName = QStringLiteral("Wohnzimmer S\u00fcd");
    m_simulator = new SimulatorProcess;
    QVERIFY(m_simulator->start({ QStringLiteral("--name"), oldName, QStringLiteral("--port"),
                                 QStringLiteral("0"), QStringLiteral("--reboot-seconds"),
                                 QStringLiteral("2") }));
    QTRY_COMPARE_WITH_TIMEOUT(m_simulator->listeningLines(), 1, 10000);

    QTRY_VERIFY_WITH_TIMEOUT(indexOf(oldName) >= 0, 30000);
    const BonjourRecord found = m_records.at(indexOf(oldName));
    QVERIFY(found.serviceType.startsWith(QLatin1String("_dockset._tcp")));
    QCOMPARE(found.domain, QStringLiteral("local."));

    resolve(found);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(member(post(queryBody), QStringLiteral("deviceinfo/devicename")).toString(), oldName);
    QVERIFY(!post(wifiscanBody).value(QLatin1String("aplist")).toArray().isEmpty());
    const QByteArray config =
        setconfigBody(newName, QStringLiteral("secret12"), QStringLiteral("Hausnetz"));
    QCOMPARE(post(config).value(QLatin1String("returncode")).toString(), QStringLiteral("0"));

    // The old name is withdrawn, the new one announced once the speaker is back.
    QTRY_VERIFY_WITH_TIMEOUT(indexOf(newName) >= 0 && indexOf(oldName) < 0, 30000);
    QCOMPARE(m_records.size(), 1);

    // The same resolver again: its clean-up of the first resolve ran long ago.
    resolve(m_records.at(indexOf(newName)));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(member(post(queryBody), QStringLiteral("deviceinfo/devicename")).toString(), newName);

    // Ending it withdraws the announcement.
    m_simulator->process.terminate();
    QTRY_COMPARE_WITH_TIMEOUT(m_simulator->process.state(), QProcess::NotRunning, 10000);
    QCOMPARE(m_simulator->process.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(m_records.isEmpty(), 30000);
}

QTEST_GUILESS_MAIN(tst_SpeakerSimDnssd)
#include "tst_speakersimdnssd.moc"
