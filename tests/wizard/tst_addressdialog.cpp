#include "addressdialog.h"
#include "capturingserver.h"
#include "messagelog.h"
#include "pagetest.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class tst_AddressDialog : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
};

void tst_AddressDialog::answers_data()
{
    // %1 in the address and the texts: the port of a local stand-in speaker.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("status");
    // What the dialog says; empty when it takes the speaker and closes.
    QTest::addColumn<QString>("said");
    QTest::addColumn<int>("queries");

    const QByteArray speaker =
        "{\"deviceinfo\": {\"devicename\": \"Ovix Kitchen\", \"model\": \"Ovix One\"}}";
    QTest::newRow("speaker") << "127.0.0.1:%1" << speaker << 200 << QString() << 1;
    QTest::newRow("blanks around") << " 127.0.0.1:%1 " << speaker << 200 << QString() << 1;
    QTest::newRow("not an address")
        << "Ovix Kitchen" << speaker << 200
        << "\"Ovix Kitchen\" is not an address. Type an IPv4 or IPv6 address or a host name, "
           "optionally followed by \":\" and a port from 1 to 65535."
        << 0;
    QTest::newRow("a JSON object, but no speaker's")
        << "127.0.0.1:%1" << QByteArray("{\"status\": \"ok\"}") << 200
        << "The device at 127.0.0.1:%1 answers, but not as a VANTIR speaker." << 1;
    QTest::newRow("HTTP error") << "127.0.0.1:%1" << QByteArray("<html></html>") << 404
                                << "The device at 127.0.0.1:%1 answers, but not as a VANTIR "
                                   "speaker."
                                << 1;
    // No look-up goes out for a name that cannot be one.
    QTest::newRow("unknown name") << "ovix..kitchen" << QByteArray() << 0
                                  << "The name \"ovix..kitchen\" is not known on this network."
                                  << 0;
    QTest::newRow("nothing listens")
        << "127.0.0.1:%1" << QByteArray() << 0
        << "No answer from 127.0.0.1:%1. Check the address and that the speaker is switched on; "
           "a firewall or a guest WLAN may also keep it out of reach."
        << 0;
}

void tst_AddressDialog::answers()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, answer);
    QFETCH(int, status);
    QFETCH(QString, said);
    QFETCH(int, queries);

    MessageLog log;
    CapturingServer server;
    QVERIFY(server.listen());
    server.setDefaultResponse(ScriptedResponse::json(answer, status));
    const quint16 port = status ? server.port() : QUrl(CapturingServer::refusingUrl()).port();
    typed = typed.arg(port);
    said = said.arg(port);

    AddressDialog dialog { QStringList(), NetworkWaits() };
    dialog.show();
    QSignalSpy found(&dialog, &AddressDialog::speakerFound);
    QLineEdit *edit = fieldLabelled<QLineEdit>(&dialog, QStringLiteral("Address:"));
    QVERIFY(edit);
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);

    if (said.isEmpty()) {
        QTRY_COMPARE(found.count(), 1);
        QCOMPARE(found.at(0).at(0).value<BonjourRecord>(),
                 BonjourRecord(QStringLiteral("Ovix Kitchen"), QString(),
                               QStringLiteral("127.0.0.1:%1").arg(port)));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    } else {
        QTRY_VERIFY(labelWithText(&dialog, said) && labelWithText(&dialog, said)->isVisible());
        QVERIFY(dialog.isVisible());
        QCOMPARE(found.count(), 0);
        QVERIFY(buttonWithText(&dialog, QStringLiteral("Add"))->isEnabled());
    }
    QCOMPARE(server.requests("query").size(), queries);
    if (queries)
        QCOMPARE(server.requests().first().body, QByteArray("{\"action\": \"query\"}"));
    // Typed once, offered again for the rest of the run, as typed but for the blanks.
    QCOMPARE(dialog.givenAddresses().size(), said.startsWith('"') ? 0 : 1);
}

QTEST_MAIN(tst_AddressDialog)

#include "tst_addressdialog.moc"
