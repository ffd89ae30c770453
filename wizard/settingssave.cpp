#include "settingssave.h"

#include "client_settings.h"
#include "infobox.h"
#include "speakerrequest.h"

#include <QWidget>

SettingsSave::SettingsSave(const QString &url, const SavedSettings &settings,
                           const QString &password, std::chrono::milliseconds deadline,
                           QWidget *page)
    : QObject(page), savedSettings(settings), page(page)
{
    SpeakerApi::logSetconfig(settings.name, password, settings.ssid);
    // The request is this save's: it goes with the save, and with nothing else.
    SpeakerRequest *request =
        new SpeakerRequest(url, SpeakerApi::setconfigBody(settings.name, password, settings.ssid),
                           "reply received", deadline, this);
    connect(request, &SpeakerRequest::finished, this, &SettingsSave::readAnswer);
}

void SettingsSave::readAnswer(const SpeakerApi::Transfer &transfer, const QByteArray &body)
{
    QString reason;
    const SpeakerApi::SaveOutcome outcome =
        SpeakerApi::readSetconfigAnswer(transfer, body, &reason);
    emit answered(outcome);
    if (outcome == SpeakerApi::SaveOutcome::Saved)
        emit saved();

    // Over the page while the user is on it, else over the speaker list: a box over a hidden
    // window would leave the keyboard to whatever window is active.
    QWidget *window = page && page->isVisible() ? page.data() : fallbackWindow.data();
    if (!window)
        window = page;
    if (window)
        showInfoBox(window, Client_Settings::tr("Info"),
                    Client_Settings::saveOutcomeText(outcome, reason), Client_Settings::tr("OK"));
    deleteLater();
}
