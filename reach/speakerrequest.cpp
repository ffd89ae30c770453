#include "speakerrequest.h"

#include <QNetworkReply>

ReachProblem answerProblem(const SpeakerApi::Transfer &transfer)
{
    if (transfer.discarded)
        return ReachProblem::TooLarge;
    if (transfer.status != 0 && (transfer.status < 200 || transfer.status > 299))
        return ReachProblem::Unusable;
    switch (transfer.error) {
    case QNetworkReply::NoError:
        // A whole answer that is no JSON object; without a status, none at all.
        return transfer.status != 0 ? ReachProblem::Unusable : ReachProblem::NoAnswer;
    // Refused before a byte went out: the speaker is as it was.
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
        return ReachProblem::NotSent;
    default:
        return ReachProblem::NoAnswer;
    }
}

SpeakerRequest::SpeakerRequest(const QString &url, const QString &body, const char *arrivalText,
                               QObject *parent)
    : QObject(parent), arrivalText(arrivalText)
{
    // The manager is this request's child: deleting the request aborts the transfer.
    SpeakerApi::postRequest(this, url, body);
}

void SpeakerRequest::replyFinished(QNetworkReply *reply)
{
    const QByteArray body = SpeakerApi::readReply(reply, arrivalText);
    const SpeakerApi::Transfer transfer = SpeakerApi::transferOf(reply);
    SpeakerApi::endRequest(reply);
    emit finished(transfer, body);
}
