#include "addresswatch.h"

#include "speakerapi.h"
#include "speakerwatcher.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

int AddressWatch::pollInterval = 1000;

AddressWatch::AddressWatch(const QString &url, const QString &oldName, const QString &sentName,
                           QObject *parent)
    : QObject(parent), url(url), oldName(oldName), sentName(sentName), returnTimer(new QTimer(this))
{
    returnTimer->setSingleShot(true);
    connect(returnTimer, SIGNAL(timeout()), this, SLOT(giveUp()));
    returnTimer->start(SpeakerWatcher::returnTimeout);
    // Right after its answer the speaker may not have gone down yet.
    QTimer::singleShot(pollInterval, this, SLOT(ask()));
}

void AddressWatch::ask()
{
    if (!done)
        SpeakerApi::postRequest(this, url, SpeakerApi::queryBody());
}

void AddressWatch::replyFinished(QNetworkReply *reply)
{
    reply->manager()->deleteLater();
    if (done)
        return;
    const QByteArray body = SpeakerApi::readReply(reply, "Watch reply received");
    SpeakerApi::DeviceInfo device;
    if (SpeakerApi::readQueryAnswer(SpeakerApi::transferOf(reply), body, &device) !=
        SpeakerApi::AnswerProblem::None)
        away = true;
    else if (device.name == sentName && (away || sentName != oldName))
        return finish(Back);
    else if (device.name == oldName && away)
        return finish(KeptOldName);
    QTimer::singleShot(pollInterval, this, SLOT(ask()));
}

void AddressWatch::giveUp()
{
    finish(NotBack);
}

void AddressWatch::finish(Outcome outcome)
{
    if (done)
        return;
    done = true;
    returnTimer->stop();
    emit finished(outcome);
}
