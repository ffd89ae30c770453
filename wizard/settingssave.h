#ifndef SETTINGSSAVE_H
#define SETTINGSSAVE_H

#include "speakerapi.h"
#include "speakersave.h"
#include "speakerwatcher.h"

#include <QObject>
#include <QPointer>

#include <chrono>

class QWidget;

// One set-configuration request, from SAVE to the box that tells its outcome. It outlives the
// settings page that sent it: the page hands it on to the speaker list, which lives as long as
// the wizard, so that a page deleted by a new choice of speaker loses neither the answer nor the
// watch for the speaker's return.
class SettingsSave : public QObject
{
    Q_OBJECT

public:
    // Sends the settings to url once the device there has answered as the speaker of
    // settings.before; each request's answer is awaited until deadline. settings.record may be
    // empty: the page does not know it; the speaker list does.
    SettingsSave(const QString &url, const SavedSettings &settings, const QString &password,
                 std::chrono::milliseconds deadline, QWidget *page);

    const SavedSettings &settings() const { return savedSettings; }
    // The window the box goes over when the page has gone or is hidden.
    void setFallbackWindow(QWidget *window) { fallbackWindow = window; }

signals:
    // The answer has been read; emitted before anything is shown.
    void answered(SpeakerApi::SaveOutcome outcome);
    // The speaker took the settings and reboots; emitted before the "Success" box.
    void saved();
    // The outcome's box is shown: nothing of the save is awaited any more.
    void finished();

private slots:
    void readAnswer(const SaveResult &result);

private:
    const SavedSettings savedSettings;
    QPointer<QWidget> page;
    QPointer<QWidget> fallbackWindow;
};

#endif // SETTINGSSAVE_H
