#include <QHostInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTemporaryDir>
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
    void post(const QByteArray &body, QJsonObject &reply);

    QList<BonjourRecord> m_records;
    BonjourServiceResolver *m_resolver = nullptr;
    bool m_resolved = false;
    QHostInfo m_hostInfo;
    int m_port = -1;
    QString m_url;
    SimulatorProcess *m_simulator = nullptr;
    QNetworkAccessManager m_manager;
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
    // The speaker URL as the speaker list page builds it.
    m_url = QLatin1String("http://") + m_hostInfo.addresses().first().toString() +
        QLatin1Char(':') + QString::number(m_port) + QLatin1String("/api/v14/configure.action");
}

void tst_SpeakerSimDnssd::post(const QByteArray &body, QJsonObject &reply)
{
    QNetworkRequest request(QUrl(m_url, QUrl::TolerantMode));
    request.setRawHeader("Content-Type", "text/plain");
    request.setRawHeader("charset", "UTF-8");
    QNetworkReply *networkReply = m_manager.post(request, body);
    QTRY_VERIFY_WITH_TIMEOUT(networkReply->isFinished(), 10000);
    QCOMPARE(networkReply->error(), QNetworkReply::NoError);
    reply = QJsonDocument::fromJson(networkReply->readAll()).object();
    networkReply->deleteLater();
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
    QCOMPARE(m_port, m_simulator->port());

    QJsonObject reply;
    post("{\"action\": \"query\"}", reply);
    QCOMPARE(reply.value(QLatin1String("deviceinfo"))
                 .toObject()
                 .value(QLatin1String("devicename"))
                 .toString(),
             oldName);
    post("{\"action\": \"wifiscan\"}", reply);
    QVERIFY(!reply.value(QLatin1String("aplist")).toArray().isEmpty());
    const QByteArray config =
        QStringLiteral("{\"action\": \"setconfig\", \"deviceinfo\": {\"devicename\": \"%1\"},"
                       "\"networkinfo\": {\"wifimode\": \"client\", \"clientinfo\": "
                       "{\"encrypt_type\": \"WPA\", \"wifipwd\": \"secret12\", \"wifissid\": "
                       "\"Hausnetz\"}, \"ipaddressinfo\": {\"type\": \"DHCP\"}}}")
            .arg(newName)
            .toUtf8();
    post(config, reply);
    QCOMPARE(reply.value(QLatin1String("returncode")).toString(), QStringLiteral("0"));

    // The old name is withdrawn, the new one announced once the speaker is back.
    QTRY_VERIFY_WITH_TIMEOUT(indexOf(newName) >= 0 && indexOf(oldName) < 0, 30000);
    QCOMPARE(m_records.size(), 1);

    // The same resolver again: its clean-up of the first resolve ran long ago.
    resolve(m_records.at(indexOf(newName)));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(m_port, m_simulator->port());
    post("{\"action\": \"query\"}", reply);
    QCOMPARE(reply.value(QLatin1String("deviceinfo"))
                 .toObject()
                 .value(QLatin1String("devicename"))
                 .toString(),
             newName);

    // Ending it withdraws the announcement.
    m_simulator->process.terminate();
    QTRY_COMPARE_WITH_TIMEOUT(m_simulator->process.state(), QProcess::NotRunning, 10000);
    QCOMPARE(m_simulator->process.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(m_records.isEmpty(), 30000);
}

QTEST_GUILESS_MAIN(tst_SpeakerSimDnssd)
#include "tst_speakersimdnssd.moc"
