#ifndef CLIENT_WLANS_H
#define CLIENT_WLANS_H

#include "settingssave.h"
#include "waits.h"

#include <QDialog>
#include <QStringList>

class BusyIndicator;
class QLabel;
class QNetworkReply;
class QPushButton;
class QTreeWidget;

// The second wizard page: the WLANs that the chosen speaker sees. It asks the
// speaker for them while it is being built and shows that it waits until the
// answer; "Next >>" keeps the chosen SSID and opens the settings page, whose
// "<< Back" brings this page back.
class Client_WLANs : public QDialog
{
    Q_OBJECT

public:
    // waits: how long the page and the settings page it opens wait for the speaker.
    explicit Client_WLANs(QWidget *parent, const NetworkWaits &waits = NetworkWaits());

signals:
    // Passed on from the settings page that this page opened.
    void saveStarted(SettingsSave *save);

private slots:
    void replyFinished(QNetworkReply *reply);
    void setSSID();
    void enableNextButton();
    void returnFromSettings();

private:
    void showInfo(const QString &text);

    const NetworkWaits waits;
    QTreeWidget *wlanTree;
    QLabel *hintLabel;
    QPushButton *backButton;
    QPushButton *nextButton;
    BusyIndicator *busyIndicator;
    QStringList encryptTypes; // of the rows' access points
};

#endif // CLIENT_WLANS_H
