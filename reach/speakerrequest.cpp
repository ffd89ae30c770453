#include "speakerrequest.h"

#include <QNetworkReply>

ReachProblem reachProblem(SpeakerApi::AnswerProblem problem)
{
    switch (problem) {
    case SpeakerApi::AnswerProblem::None:
        return ReachProblem::None;
    case SpeakerApi::AnswerProblem::NotSent:
        return ReachProblem::NotSent;
    case SpeakerApi::AnswerProblem::NoAnswer:
        return ReachProblem::NoAnswer;
    case SpeakerApi::AnswerProblem::Unusable:
        return ReachProblem::Unusable;
    case SpeakerApi::AnswerProblem::TooLarge:
        return ReachProblem::TooLarge;
    }
    return ReachProblem::NoAnswer;
}

SpeakerRequest::SpeakerRequest(const QString &url, const QString &body, const char *arrivalText,
                               std::chrono::milliseconds deadline, QObject *parent)
    : QObject(parent), requestUrl(url), arrivalText(arrivalText)
{
    // The manager is this request's child: deleting the request aborts the transfer.
    SpeakerApi::postRequest(this, url, body, deadline);
}

void SpeakerRequest::replyFinished(QNetworkReply *reply)
{
    const QByteArray body =
        arrivalText ? SpeakerApi::readReply(reply, arrivalText) : SpeakerApi::readBody(reply);
    const SpeakerApi::Transfer transfer = SpeakerApi::transferOf(reply);
    SpeakerApi::endRequest(reply);
    emit finished(transfer, body);
}
