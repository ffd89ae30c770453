#include "speakerargument.h"

#include <QtTest>

class tst_SpeakerArgument : public QObject
{
    Q_OBJECT

private slots:
    void parseAddress_data();
    void parseAddress();
};

void tst_SpeakerArgument::parseAddress_data()
{
    QTest::addColumn<QString>("text");
    // "HOST PORT" as taken, empty when the text is refused.
    QTest::addColumn<QString>("taken");

    QTest::newRow("IPv4") << "10.213.1.2"
                          << "10.213.1.2 80";
    QTest::newRow("IPv4 with port") << " 10.213.1.2:8080 "
                                    << "10.213.1.2 8080";
    QTest::newRow("host name") << "ovix-kitchen.lan"
                               << "ovix-kitchen.lan 80";
    QTest::newRow("host name with port") << "ovix:81"
                                         << "ovix 81";
    // Its colons are the address's own.
    QTest::newRow("IPv6 alone") << "fd00::2"
                                << "fd00::2 80";
    QTest::newRow("IPv6 with zone") << "fe80::1%eth0"
                                    << "fe80::1%eth0 80";
    QTest::newRow("IPv6 bracketed") << "[fd00::2]"
                                    << "fd00::2 80";
    QTest::newRow("IPv6 with port") << "[fd00::2]:8080"
                                    << "fd00::2 8080";
    QTest::newRow("empty") << "  "
                           << "";
    QTest::newRow("port 0") << "10.213.1.2:0"
                            << "";
    QTest::newRow("port too large") << "10.213.1.2:65536"
                                    << "";
    QTest::newRow("no port after colon") << "10.213.1.2:"
                                         << "";
    QTest::newRow("name with a blank") << "Ovix Kitchen"
                                       << "";
    QTest::newRow("name after colon") << "ovix:kitchen"
                                      << "";
    QTest::newRow("URL") << "http://10.213.1.2/"
                         << "";
}

void tst_SpeakerArgument::parseAddress()
{
    QFETCH(QString, text);
    QFETCH(QString, taken);

    SpeakerArgument speaker;
    const bool parsed = SpeakerArgument::parseAddress(text, 80, &speaker);
    QCOMPARE(parsed ? speaker.host + ' ' + QString::number(speaker.port) : QString(), taken);
}

QTEST_GUILESS_MAIN(tst_SpeakerArgument)

#include "tst_speakerargument.moc"
