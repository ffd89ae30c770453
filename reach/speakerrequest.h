#ifndef SPEAKERREQUEST_H
#define SPEAKERREQUEST_H

#include "speakerapi.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <chrono>

class QNetworkReply;

// Why a speaker's answer, or its absence, gives nothing to go on.
enum class ReachProblem {
    None,
    ResolveFailed, // DNS-SD could not resolve the record
    NoAddress,     // the speaker's host has no address
    NotSent,       // the connection was refused or the host is unknown: nothing was sent
    NoAnswer,      // sent, but no answer came (time-out, connection closed, network error)
    Unusable,      // an answer, but not a speaker's: an HTTP error status, no JSON object
    TooLarge,      // an answer too large to be read
};

// The reader of api/'s word for why an answer gives nothing to go on, in these terms.
ReachProblem reachProblem(SpeakerApi::AnswerProblem problem);

// One request to a speaker's configuration interface, posted at construction and aborted once
// deadline has passed. Ends with exactly one finished(), after the answer's arrival text and body
// have been logged as the pages log them; deleting the request before that aborts it, and nothing
// is emitted.
class SpeakerRequest : public QObject
{
    Q_OBJECT

public:
    // arrivalText: the line written when the answer arrives, e.g. "Client reply received"; a
    // string literal, kept by pointer. Without one, the answer is read without a line.
    SpeakerRequest(const QString &url, const QString &body, const char *arrivalText,
                   std::chrono::milliseconds deadline, QObject *parent = nullptr);

    const QString &url() const { return requestUrl; }

signals:
    void finished(const SpeakerApi::Transfer &transfer, const QByteArray &body);

private slots:
    void replyFinished(QNetworkReply *reply);

private:
    const QString requestUrl;
    const char *const arrivalText;
};

#endif // SPEAKERREQUEST_H
