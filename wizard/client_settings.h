#ifndef CLIENT_SETTINGS_H
#define CLIENT_SETTINGS_H

#include <QDialog>
#include <QString>

class BusyIndicator;
class QLabel;
class QLineEdit;
class QNetworkReply;
class QPushButton;

// The last wizard page: the speaker's new name and the WLAN password. "SAVE"
// sends them to the speaker, which then reboots into the chosen WLAN. SAVE is
// available only for values that can work, and not while a save is in flight:
// a speaker sent into a WLAN it cannot join is lost until it is reset.
class Client_Settings : public QDialog
{
    Q_OBJECT

public:
    explicit Client_Settings(QWidget *parent);

signals:
    // The speaker took the settings and reboots to come back under this name.
    void settingsSaved(const QString &name);

private slots:
    void replyFinished(QNetworkReply *reply);
    void setSSID();
    void updateSaveButton();

private:
    QLineEdit *nameEdit;
    QLineEdit *passwordEdit;
    QLabel *hintLabel;
    QLabel *problemLabel; // why SAVE is not available
    QPushButton *saveButton;
    QPushButton *backButton;
    BusyIndicator *busyIndicator;
    const QString speakerUrl;
    const QString ssid;
    const QString encryptType;
    bool saving; // a set-configuration is in flight
};

#endif // CLIENT_SETTINGS_H
