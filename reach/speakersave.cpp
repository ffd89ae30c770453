#include "speakersave.h"

#include "logtext.h"
#include "speakerrequest.h"

#include <QDebug>

SpeakerSave::SpeakerSave(const QString &url, const SpeakerSettings &settings,
                         const SpeakerApi::DeviceInfo &expected, std::chrono::milliseconds deadline,
                         QObject *parent)
    : QObject(parent), url(url), settings(settings), hiddenPassword(settings.password),
      expected(expected), deadline(deadline)
{
    SpeakerRequest *request =
        new SpeakerRequest(url, SpeakerApi::queryBody(), "Identity reply received", deadline, this);
    connect(request, &SpeakerRequest::finished, this, &SpeakerSave::checkIdentity);
}

bool SpeakerSave::isSameSpeaker(const SpeakerApi::DeviceInfo &expected,
                                const SpeakerApi::DeviceInfo &found)
{
    // What the speaker did not tell before cannot tell it apart now.
    const auto same = [](const QString &before, const QString &now) {
        return before.isEmpty() || before == now;
    };
    return same(expected.name, found.name) && same(expected.model, found.model) &&
        same(expected.hardwareVer, found.hardwareVer);
}

void SpeakerSave::checkIdentity(const SpeakerApi::Transfer &transfer, const QByteArray &body)
{
    sender()->deleteLater();
    result.transfer = transfer;
    const SpeakerApi::AnswerProblem problem =
        SpeakerApi::readQueryAnswer(transfer, body, &result.found);
    switch (problem) {
    case SpeakerApi::AnswerProblem::None:
        break;
    // Nothing answers there now: the settings stay here, and SAVE may be pressed again.
    case SpeakerApi::AnswerProblem::NotSent:
    case SpeakerApi::AnswerProblem::NoAnswer:
        qDebug() << "Settings not sent: no answer to the device query";
        finish(SpeakerApi::SaveOutcome::NotSent);
        return;
    // Something answers, but not as a speaker.
    case SpeakerApi::AnswerProblem::Unusable:
    case SpeakerApi::AnswerProblem::TooLarge:
        qDebug() << "Settings not sent: the device query's answer is no speaker's";
        finish(SpeakerApi::SaveOutcome::OtherDevice);
        return;
    }
    if (!isSameSpeaker(expected, result.found)) {
        qDebug() << "Settings not sent: the device at the address is" << LogText(result.found.name)
                 << LogText(result.found.model) << LogText(result.found.hardwareVer) << "not"
                 << LogText(expected.name) << LogText(expected.model)
                 << LogText(expected.hardwareVer);
        finish(SpeakerApi::SaveOutcome::OtherDevice);
        return;
    }
    SpeakerApi::logSetconfig(settings.name, settings.password, settings.ssid);
    SpeakerRequest *request = new SpeakerRequest(
        url, SpeakerApi::setconfigBody(settings.name, settings.password, settings.ssid),
        "reply received", deadline, this);
    connect(request, &SpeakerRequest::finished, this, &SpeakerSave::readAnswer);
}

void SpeakerSave::readAnswer(const SpeakerApi::Transfer &transfer, const QByteArray &body)
{
    sender()->deleteLater();
    result.transfer = transfer;
    finish(SpeakerApi::readSetconfigAnswer(transfer, body, &result.reason));
}

void SpeakerSave::finish(SpeakerApi::SaveOutcome outcome)
{
    result.outcome = outcome;
    emit finished(result);
}
