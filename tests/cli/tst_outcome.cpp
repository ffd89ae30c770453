#include "outcome.h"

#include <QtTest>

Q_DECLARE_METATYPE(SpeakerApi::SaveOutcome)

// What api/ tells of an answer, in the command line's words: each names its cause.
class tst_Outcome : public QObject
{
    Q_OBJECT

private slots:
    void namesCause_data();
    void namesCause();
};

void tst_Outcome::namesCause_data()
{
    QTest::addColumn<QNetworkReply::NetworkError>("error");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("discarded");
    QTest::addColumn<SpeakerApi::SaveOutcome>("save");
    QTest::addColumn<QString>("query"); // the device query's words
    QTest::addColumn<QString>("sent");  // the settings' result and words

    const auto noAnswer = SpeakerApi::SaveOutcome::NoAnswer;
    const auto notSent = SpeakerApi::SaveOutcome::NotSent;
    QTest::newRow("refused") << QNetworkReply::ConnectionRefusedError << 0 << false << notSent
                             << "device query: connection refused"
                             << "no-answer settings: connection refused; nothing was sent";
    QTest::newRow("unknown host") << QNetworkReply::HostNotFoundError << 0 << false << notSent
                                  << "device query: host not found"
                                  << "no-answer settings: host not found; nothing was sent";
    QTest::newRow("timed out") << QNetworkReply::OperationCanceledError << 0 << false << noAnswer
                               << "device query: timed out"
                               << "no-answer settings: timed out; the speaker may have taken them";
    QTest::newRow("unreachable")
        << QNetworkReply::UnknownNetworkError << 0 << false << noAnswer
        << "device query: unreachable"
        << "no-answer settings: unreachable; the speaker may have taken them";
    QTest::newRow("closed") << QNetworkReply::RemoteHostClosedError << 0 << false << noAnswer
                            << "device query: connection closed without an answer"
                            << "no-answer settings: connection closed without an answer; the "
                               "speaker may have taken them";
    QTest::newRow("HTTP 500") << QNetworkReply::InternalServerError << 500 << false
                              << SpeakerApi::SaveOutcome::Refused
                              << "device query: answered with HTTP 500"
                              << "refused the speaker refused the settings: answered with HTTP 500";
    QTest::newRow("redirect") << QNetworkReply::NoError << 302 << false
                              << SpeakerApi::SaveOutcome::Unusable
                              << "device query: answered with HTTP 302"
                              << "no-answer settings: answered with HTTP 302; the speaker may "
                                 "have taken them";
    QTest::newRow("not a speaker's answer")
        << QNetworkReply::NoError << 200 << false << SpeakerApi::SaveOutcome::Unusable
        << "device query: answered with something that is not a speaker's answer"
        << "no-answer settings: answered with something that is not a speaker's answer; the "
           "speaker may have taken them";
    QTest::newRow("too large") << QNetworkReply::OperationCanceledError << 200 << true
                               << SpeakerApi::SaveOutcome::TooLarge
                               << "device query: answered with more than 1048576 bytes"
                               << "no-answer settings: answered with more than 1048576 bytes; "
                                  "the speaker may have taken them";
    QTest::newRow("saved") << QNetworkReply::NoError << 200 << false
                           << SpeakerApi::SaveOutcome::Saved << QString() << "ok saved";
}

void tst_Outcome::namesCause()
{
    QFETCH(QNetworkReply::NetworkError, error);
    QFETCH(int, status);
    QFETCH(bool, discarded);
    QFETCH(SpeakerApi::SaveOutcome, save);
    QFETCH(QString, query);
    QFETCH(QString, sent);

    SpeakerApi::Transfer transfer;
    transfer.error = error;
    transfer.status = status;
    transfer.discarded = discarded;
    // Which problem api/ found matters not here: each is told by its transfer's cause.
    const ReachProblem problem =
        save == SpeakerApi::SaveOutcome::Saved ? ReachProblem::None : ReachProblem::NoAnswer;
    const Verdict queried = answerVerdict(problem, transfer, QStringLiteral("device query"));
    QCOMPARE(queried.text, query);
    QCOMPARE(queried.outcome, query.isNull() ? Outcome::Success : Outcome::NoAnswer);

    SendResult result;
    result.outcome = save;
    result.transfer = transfer;
    const Verdict verdict = sendVerdict(result);
    QCOMPARE(outcomeWord(verdict.outcome) + QLatin1Char(' ') + verdict.text, sent);
}

QTEST_GUILESS_MAIN(tst_Outcome)
#include "tst_outcome.moc"
