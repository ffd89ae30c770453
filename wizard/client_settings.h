#ifndef CLIENT_SETTINGS_H
#define CLIENT_SETTINGS_H

#include "settingssave.h"
#include "speakerapi.h"
#include "waits.h"

#include <QDialog>
#include <QString>

class BusyIndicator;
class QLabel;
class QLineEdit;
class QPushButton;

// The last wizard page: the speaker's new name and the WLAN password. "SAVE"
// sends them to the speaker, which then reboots into the chosen WLAN. SAVE is
// available only for values that can work, and not while a save is in flight:
// a speaker sent into a WLAN it cannot join is lost until it is reset. While it
// is in flight the page cannot be left either.
class Client_Settings : public QDialog
{
    Q_OBJECT

public:
    // waits: how long the save waits for the speaker's answer.
    explicit Client_Settings(QWidget *parent, const NetworkWaits &waits = NetworkWaits());

    // What the box after a save says of its outcome.
    static QString saveOutcomeText(SpeakerApi::SaveOutcome outcome, const QString &reason);

    // Escape, the close button and "<< Back": nothing while a save is in flight.
    void reject() override;

signals:
    // A save has been sent. It belongs to the page until something that outlives the page takes
    // it over (as its QObject parent).
    void saveStarted(SettingsSave *save);

private slots:
    void setSSID();
    void updateSaveButton();

private:
    void endSave(SpeakerApi::SaveOutcome outcome);

    QLineEdit *nameEdit;
    QLineEdit *passwordEdit;
    QLabel *hintLabel;
    QLabel *problemLabel; // why SAVE is not available
    QPushButton *saveButton;
    QPushButton *backButton;
    BusyIndicator *busyIndicator;
    const std::chrono::milliseconds saveDeadline;
    const QString speakerUrl;
    const QString ssid;
    const QString encryptType;
    const SpeakerApi::DeviceInfo device; // what the speaker told of itself, for its return
    bool saving;                         // a set-configuration is in flight
};

#endif // CLIENT_SETTINGS_H
