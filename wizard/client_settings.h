#ifndef CLIENT_SETTINGS_H
#define CLIENT_SETTINGS_H

#include "settingssave.h"
#include "speakerapi.h"
#include "waits.h"

#include <QDialog>
#include <QPointer>
#include <QString>

class AnnouncedLabel;
class BusyIndicator;
class PasswordRequest;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The last wizard page: the speaker's new name and the WLAN password, and for a
// WLAN that the speaker does not list its name and security too. "SAVE" sends
// them to the speaker, which then reboots into the WLAN. SAVE is available only
// for values that can work, and not while a save is in flight: a speaker sent
// into a WLAN it cannot join is lost until it is reset. While it is in flight
// the page cannot be left either. The password field starts with the password
// of the last speaker saved into the same WLAN; for a WLAN that this computer
// knows, its password can be taken from there, when the user asks.
class Client_Settings : public QDialog
{
    Q_OBJECT

public:
    // How the page gets its WLAN: the one chosen on the WLAN page, or typed in here.
    enum class WlanEntry { Chosen, Typed };

    // waits: how long the save waits for the speaker's answer.
    explicit Client_Settings(QWidget *parent, WlanEntry entry = WlanEntry::Chosen,
                             const NetworkWaits &waits = NetworkWaits());

    // What the box after a save says of its outcome.
    static QString saveOutcomeText(SpeakerApi::SaveOutcome outcome, const QString &reason);

    // Whether the speaker the page is for is announced now: a line says when it is not.
    void setSpeakerAnnounced(bool announced);

    // Escape, the close button and "<< Back": nothing while a save is in flight.
    void reject() override;

signals:
    // A save has been sent. It belongs to the page until something that outlives the page takes
    // it over (as its QObject parent).
    void saveStarted(SettingsSave *save);

private slots:
    void setSSID();
    void updateSaveButton();
    void showPassword(bool shown);
    void readComputerPassword();
    void updatePasswordControls();
    void updateNetworkLine();

private:
    void endSave(SpeakerApi::SaveOutcome outcome);
    QString currentSsid() const;
    bool isOpen() const; // a typed WLAN without encryption: no password
    QString currentEncryptType() const;
    void showPasswordReadable();
    void showPasswordUnreadable();
    static QString characterText(const QString &text);

    QLineEdit *nameEdit;
    QLineEdit *ssidEdit;    // a typed WLAN's name; null for a chosen one
    QComboBox *securityBox; // a typed WLAN's security; null for a chosen one
    QLineEdit *passwordEdit;
    QCheckBox *showPasswordBox;
    QPushButton *computerPasswordButton;   // for a WLAN that this computer knows
    AnnouncedLabel *computerPasswordLabel; // why its password could not be read
    AnnouncedLabel *speakerGoneLabel;      // while the speaker is not announced
    QLabel *hintLabel;
    AnnouncedLabel *networkLabel; // where this computer is on another WLAN than the speaker's
    QLabel *problemLabel;         // why SAVE is not available
    QPushButton *saveButton;
    QPushButton *backButton;
    BusyIndicator *busyIndicator;
    QPointer<PasswordRequest> passwordRequest;
    const std::chrono::milliseconds saveDeadline;
    const QString speakerUrl;
    const QString listedName; // the speaker as the list showed it
    const QString ssid;       // the chosen WLAN's
    const QString encryptType;
    const SpeakerApi::DeviceInfo device; // what the speaker told of itself, for its return
    bool saving;                         // a set-configuration is in flight
};

#endif // CLIENT_SETTINGS_H
