#include "settingssave.h"

#include "client_settings.h"
#include "infobox.h"
#include "speakersave.h"

#include <QWidget>

SettingsSave::SettingsSave(const QString &url, const SavedSettings &settings,
                           const QString &password, std::chrono::milliseconds deadline,
                           QWidget *page)
    : QObject(page), savedSettings(settings), page(page)
{
    // The save's requests are its own: they go with it, and with nothing else. Only the speaker
    // that the page was opened for gets the settings.
    SpeakerSave *save = new SpeakerSave(url, { settings.name, password, settings.ssid },
                                        settings.before, deadline, this);
    connect(save, &SpeakerSave::finished, this, &SettingsSave::readAnswer);
}

void SettingsSave::readAnswer(const SaveResult &result)
{
    const SpeakerApi::SaveOutcome outcome = result.outcome;
    const QString &reason = result.reason;
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
    emit finished();
    deleteLater();
}
