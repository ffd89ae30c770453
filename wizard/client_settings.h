#ifndef CLIENT_SETTINGS_H
#define CLIENT_SETTINGS_H

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QNetworkReply;
class QPushButton;

// The last wizard page: the speaker's new name and the WLAN password. "SAVE"
// sends them to the speaker, which then reboots into the chosen WLAN.
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

private:
    QLineEdit *nameEdit;
    QLineEdit *passwordEdit;
    QLabel *hintLabel;
    QPushButton *saveButton;
    QPushButton *backButton;
    const QString speakerUrl;
    const QString ssid;
};

#endif // CLIENT_SETTINGS_H
