#include "outcome.h"

#include <QNetworkReply>

namespace {

// Why a transfer brought nothing to go on, in a few words.
QString transferCause(const SpeakerApi::Transfer &transfer)
{
    if (transfer.discarded)
        return QStringLiteral("answered with more than %1 bytes").arg(SpeakerApi::MaxReplySize);
    if (transfer.status != 0 && (transfer.status < 200 || transfer.status > 299))
        return QStringLiteral("answered with HTTP %1").arg(transfer.status);
    switch (transfer.error) {
    case QNetworkReply::NoError:
        return transfer.status != 0
            ? QStringLiteral("answered with something that is not a speaker's answer")
            : QStringLiteral("no answer");
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("connection refused");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("host not found");
    // The transfer time-out aborts the request; Qt versions name it either way.
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::TimeoutError:
        return QStringLiteral("timed out");
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("connection closed without an answer");
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        return QStringLiteral("unreachable");
    default:
        return QStringLiteral("transfer failed (network error %1)").arg(int(transfer.error));
    }
}

QString codePoint(QChar c)
{
    return QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

bool isFailure(Outcome outcome)
{
    return outcome != Outcome::Success && outcome != Outcome::Already &&
        outcome != Outcome::WouldSend;
}

int exitCode(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Success:
    case Outcome::Already:
    case Outcome::WouldSend:
        return 0;
    case Outcome::Usage:
        return 2;
    case Outcome::NotFound:
        return 3;
    case Outcome::Unavailable:
        return 4;
    case Outcome::Refused:
        return 5;
    case Outcome::NoAnswer:
        return 6;
    case Outcome::NotBack:
        return 7;
    case Outcome::KeptOldName:
        return 8;
    case Outcome::NotSent:
        return 9;
    case Outcome::Interrupted:
        return 128 + 2; // SIGINT's, unless the caller knows the signal
    }
    return 1;
}

QString outcomeWord(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Success:
        return QStringLiteral("ok");
    case Outcome::Already:
        return QStringLiteral("already");
    case Outcome::WouldSend:
        return QStringLiteral("would-send");
    case Outcome::Usage:
        return QStringLiteral("usage");
    case Outcome::NotFound:
        return QStringLiteral("not-found");
    case Outcome::Unavailable:
        return QStringLiteral("dnssd-unavailable");
    case Outcome::Refused:
        return QStringLiteral("refused");
    case Outcome::NoAnswer:
        return QStringLiteral("no-answer");
    case Outcome::NotBack:
        return QStringLiteral("not-back");
    case Outcome::KeptOldName:
        return QStringLiteral("kept-old-name");
    case Outcome::NotSent:
        return QStringLiteral("not-sent");
    case Outcome::Interrupted:
        return QStringLiteral("interrupted");
    }
    return QString();
}

QString outcomeCount(Outcome outcome, int count)
{
    const QString n = QString::number(count);
    switch (outcome) {
    case Outcome::Success:
        return n + QStringLiteral(" ok");
    case Outcome::Already:
        return n + QStringLiteral(" already");
    case Outcome::WouldSend:
        return n + QStringLiteral(" would be sent");
    case Outcome::Usage:
        return n + QStringLiteral(" failed the checks");
    case Outcome::NotFound:
        return n + QStringLiteral(" not found");
    case Outcome::Unavailable:
        return n + QStringLiteral(" without DNS-SD");
    case Outcome::Refused:
        return n + QStringLiteral(" refused");
    case Outcome::NoAnswer:
        return n + QStringLiteral(" without answer");
    case Outcome::NotBack:
        return n + QStringLiteral(" not back");
    case Outcome::KeptOldName:
        return n +
            (count == 1 ? QStringLiteral(" kept its old name")
                        : QStringLiteral(" kept their old names"));
    case Outcome::NotSent:
        return n + QStringLiteral(" not sent");
    case Outcome::Interrupted:
        return n + QStringLiteral(" interrupted");
    }
    return n;
}

Verdict reachVerdict(const ReachResult &result, const QString &request)
{
    switch (result.problem) {
    case ReachProblem::None:
        return { Outcome::Success, QString() };
    case ReachProblem::ResolveFailed:
        return { Outcome::NoAnswer,
                 QStringLiteral("could not be resolved (DNS-SD error %1)").arg(result.dnssdError) };
    case ReachProblem::NoAddress:
        return { Outcome::NoAnswer, QStringLiteral("its host %1 has no address").arg(result.host) };
    case ReachProblem::NotSent:
    case ReachProblem::NoAnswer:
    case ReachProblem::Unusable:
    case ReachProblem::TooLarge:
        break;
    }
    return answerVerdict(result.problem, result.transfer, request);
}

Verdict answerVerdict(ReachProblem problem, const SpeakerApi::Transfer &transfer,
                      const QString &request)
{
    if (problem == ReachProblem::None)
        return { Outcome::Success, QString() };
    return { Outcome::NoAnswer, request + QStringLiteral(": ") + transferCause(transfer) };
}

Verdict sendVerdict(const SendResult &result)
{
    const QString cause = transferCause(result.transfer);
    switch (result.outcome) {
    case SpeakerApi::SaveOutcome::Saved:
        return { Outcome::Success, QStringLiteral("saved") };
    case SpeakerApi::SaveOutcome::Refused:
        if (!result.reason.isEmpty())
            return { Outcome::Refused,
                     QStringLiteral("the speaker refused the settings: %1").arg(result.reason) };
        if (result.transfer.status >= 400)
            return { Outcome::Refused,
                     QStringLiteral("the speaker refused the settings: %1").arg(cause) };
        return { Outcome::Refused, QStringLiteral("the speaker refused the settings") };
    case SpeakerApi::SaveOutcome::Unusable:
    case SpeakerApi::SaveOutcome::TooLarge:
        return { Outcome::NoAnswer,
                 QStringLiteral("settings: %1; the speaker may have taken them").arg(cause) };
    case SpeakerApi::SaveOutcome::NotSent:
        return { Outcome::NoAnswer, QStringLiteral("settings: %1; nothing was sent").arg(cause) };
    case SpeakerApi::SaveOutcome::OtherDevice:
        if (result.found.name.isEmpty() && result.found.model.isEmpty())
            return { Outcome::NoAnswer,
                     QStringLiteral("not sent: the device at the speaker's address no longer "
                                    "answers as a speaker") };
        return { Outcome::NoAnswer,
                 QStringLiteral("not sent: the device at the speaker's address now answers as "
                                "\"%1\" (model \"%2\", hardware \"%3\"), not as the speaker "
                                "asked before")
                     .arg(result.found.name, result.found.model, result.found.hardwareVer) };
    case SpeakerApi::SaveOutcome::NoAnswer:
        break;
    }
    return { Outcome::NoAnswer,
             QStringLiteral("settings: %1; the speaker may have taken them").arg(cause) };
}

Verdict returnVerdict(const ReturnResult &result, const QString &sentName,
                      std::chrono::seconds returnWait)
{
    switch (result.outcome) {
    case ReturnOutcome::Back:
        return { Outcome::Success, QStringLiteral("back as \"%1\"").arg(sentName) };
    case ReturnOutcome::KeptOldName:
        return { Outcome::KeptOldName,
                 QStringLiteral("back, but still named \"%1\"").arg(result.name) };
    case ReturnOutcome::NotBack:
        break;
    }
    return { Outcome::NotBack,
             QStringLiteral("saved, but not back within %1 s").arg(returnWait.count()) };
}

QString settingsProblemText(SpeakerApi::SettingsProblem problem, const QString &name,
                            const QString &password, const QString &ssid,
                            const QString &encryptType)
{
    switch (problem) {
    case SpeakerApi::SettingsProblem::None:
        break;
    case SpeakerApi::SettingsProblem::BlankName:
        return QStringLiteral("the name is blank");
    case SpeakerApi::SettingsProblem::NameControlCharacter: {
        const int at = SpeakerApi::controlCharacterAt(name);
        return QStringLiteral("the name holds the control character %1 at character %2; a "
                              "name takes no line end, tab or other control character")
            .arg(codePoint(name.at(at)))
            .arg(at + 1);
    }
    case SpeakerApi::SettingsProblem::NameBlankEdges: {
        const bool first = name.front().isSpace();
        return QStringLiteral("the name %1 with the blank %2; a name neither starts nor ends "
                              "with one")
            .arg(first ? QStringLiteral("starts") : QStringLiteral("ends"),
                 codePoint(first ? name.front() : name.back()));
    }
    case SpeakerApi::SettingsProblem::PasswordControlCharacter:
        return QStringLiteral("the password holds the control character %1; a password takes "
                              "no line end, tab or other control character, --force or not")
            .arg(codePoint(password.at(SpeakerApi::controlCharacterAt(password))));
    case SpeakerApi::SettingsProblem::NameTooLong:
        return QStringLiteral("the name has more than %1 bytes in UTF-8")
            .arg(SpeakerApi::MaxNameBytes);
    case SpeakerApi::SettingsProblem::WpaPasswordTooShort:
        return QStringLiteral("the password does not fit \"%1\": a %2 password has at least 8 "
                              "bytes in UTF-8, or 64 hex digits")
            .arg(ssid, encryptType);
    case SpeakerApi::SettingsProblem::WpaPasswordTooLong:
        return QStringLiteral("the password does not fit \"%1\": a %2 password has at most 63 "
                              "bytes in UTF-8, or 64 hex digits")
            .arg(ssid, encryptType);
    case SpeakerApi::SettingsProblem::PasswordMissing:
        return QStringLiteral("the password does not fit \"%1\": the WLAN is secured, but the "
                              "password is empty")
            .arg(ssid);
    }
    return QString();
}
