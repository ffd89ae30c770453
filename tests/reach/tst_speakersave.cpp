#include "capturingserver.h"
#include "messagelog.h"
#include "setconfig.h"
#include "speakersave.h"

#include <QtTest>

Q_DECLARE_METATYPE(SpeakerApi::SaveOutcome)

namespace {

QByteArray deviceAnswer(const QByteArray &name, const QByteArray &model, const QByteArray &hardware)
{
    return "{\"deviceinfo\": {\"devicename\": \"" + name + "\", \"model\": \"" + model +
        "\", \"hardwarever\": \"" + hardware + "\"}}";
}

} // namespace

class tst_SpeakerSave : public QObject
{
    Q_OBJECT

private slots:
    void identity_data();
    void identity();
    void passwordRepeatedInAnswer();
};

// The speaker "Alpha" was asked when it was chosen; since then, whatever answers at its address
// and port is asked again right before the settings would go.
void tst_SpeakerSave::identity_data()
{
    QTest::addColumn<QByteArray>("hardware"); // as Alpha told it then
    QTest::addColumn<QByteArray>("answer");   // of the device there now; empty: nothing listens
    QTest::addColumn<SpeakerApi::SaveOutcome>("outcome");
    QTest::addColumn<QString>("line"); // the last line written

    using Outcome = SpeakerApi::SaveOutcome;
    const QByteArray alpha = deviceAnswer("Alpha", "Ovix", "2.1");
    QTest::newRow("the speaker chosen")
        << QByteArray("2.1") << alpha << Outcome::Saved << "\"{\\\"returncode\\\": \\\"0\\\"}\"";
    QTest::newRow("it told no hardware version")
        << QByteArray() << deviceAnswer("Alpha", "Ovix", "9") << Outcome::Saved
        << "\"{\\\"returncode\\\": \\\"0\\\"}\"";
    QTest::newRow("another speaker")
        << QByteArray("2.1") << deviceAnswer("Beta", "Ovix", "2.1") << Outcome::OtherDevice
        << "Settings not sent: the device at the address is \"Beta\" \"Ovix\" \"2.1\" not "
           "\"Alpha\" \"Ovix\" \"2.1\"";
    QTest::newRow("its name, another model")
        << QByteArray("2.1") << deviceAnswer("Alpha", "Funk", "2.1") << Outcome::OtherDevice
        << "Settings not sent: the device at the address is \"Alpha\" \"Funk\" \"2.1\" not "
           "\"Alpha\" \"Ovix\" \"2.1\"";
    QTest::newRow("its name and model, another hardware")
        << QByteArray("2.1") << deviceAnswer("Alpha", "Ovix", "3.0") << Outcome::OtherDevice
        << "Settings not sent: the device at the address is \"Alpha\" \"Ovix\" \"3.0\" not "
           "\"Alpha\" \"Ovix\" \"2.1\"";
    QTest::newRow("no speaker: a web page")
        << QByteArray("2.1") << QByteArray("<html></html>") << Outcome::OtherDevice
        << "Settings not sent: the device query's answer is no speaker's";
    QTest::newRow("nothing listens") << QByteArray("2.1") << QByteArray() << Outcome::NotSent
                                     << "Settings not sent: no answer to the device query";
}

void tst_SpeakerSave::identity()
{
    QFETCH(QByteArray, hardware);
    QFETCH(QByteArray, answer);
    QFETCH(SpeakerApi::SaveOutcome, outcome);
    QFETCH(QString, line);

    // The speaker at its port when it was chosen; then gone, and another server in its place.
    quint16 port = 0;
    QString url;
    {
        CapturingServer first;
        QVERIFY(first.listen());
        port = first.port();
        url = first.url();
    }
    CapturingServer now;
    if (!answer.isEmpty()) {
        QVERIFY(now.listen(port));
        now.enqueue(ScriptedResponse::json(answer));
        now.enqueue(ScriptedResponse::json("{\"returncode\": \"0\"}"));
    }

    SpeakerApi::DeviceInfo expected;
    expected.name = QStringLiteral("Alpha");
    expected.model = QStringLiteral("Ovix");
    expected.hardwareVer = QString::fromLatin1(hardware);
    qRegisterMetaType<SaveResult>();
    MessageLog log;
    SpeakerSave save(url,
                     { QStringLiteral("Living Room"), QStringLiteral("Sommer-2024!"),
                       QStringLiteral("Hausnetz") },
                     expected, std::chrono::seconds(5));
    QSignalSpy finished(&save, &SpeakerSave::finished);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).value<SaveResult>().outcome, outcome);
    QCOMPARE(log.debugLines().constLast(), line);

    // The password goes to the speaker chosen, and nowhere else.
    QList<QByteArray> bodies;
    for (const CapturedRequest &request : now.requests())
        bodies.append(request.body);
    QList<QByteArray> expectedBodies;
    if (!answer.isEmpty())
        expectedBodies.append("{\"action\": \"query\"}");
    if (outcome == SpeakerApi::SaveOutcome::Saved)
        expectedBodies.append(setconfigBytes("Living Room", "Sommer-2024!", "Hausnetz"));
    QCOMPARE(bodies, expectedBodies);
}

// A speaker that says the password again, in its answer's JSON as well: the log shows the mask,
// the box the speaker's words.
void tst_SpeakerSave::passwordRepeatedInAnswer()
{
    const QString password = QStringLiteral("S3cret-\"Pa55\"");
    CapturingServer speaker;
    QVERIFY(speaker.listen());
    speaker.enqueue(ScriptedResponse::json(deviceAnswer("Alpha", "Ovix", "2.1")));
    speaker.enqueue(ScriptedResponse::json(
        "{\"returncode\": \"bad password S3cret-\\\"Pa55\\\"\", \"error\": \"bad password "
        "S3cret-\\\"Pa55\\\"!\"}"));
    qRegisterMetaType<SaveResult>();
    MessageLog log;
    {
        SpeakerSave save(speaker.url(),
                         { QStringLiteral("Alpha"), password, QStringLiteral("Home") },
                         SpeakerApi::DeviceInfo(), std::chrono::seconds(5));
        QSignalSpy finished(&save, &SpeakerSave::finished);
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).value<SaveResult>().reason,
                 QStringLiteral("bad password ") + password + QLatin1Char('!'));
    }
    QCOMPARE(log.debugLines(QStringLiteral("reply received")),
             QStringList({ "reply received",
                           "\"{\\\"returncode\\\": \\\"bad password ********\\\", \\\"error\\\": "
                           "\\\"bad password ********!\\\"}\"",
                           "Refused, returncode QJsonValue(string, \"bad password ********\")" }));
    // Once the save has gone, the password is no longer being sent.
    QCOMPARE(hidePasswords(password), password);
}

QTEST_GUILESS_MAIN(tst_SpeakerSave)
#include "tst_speakersave.moc"
