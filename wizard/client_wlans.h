#ifndef CLIENT_WLANS_H
#define CLIENT_WLANS_H

#include "client_settings.h"
#include "settingssave.h"
#include "waits.h"

#include <QDialog>
#include <QStringList>

class AnnouncedLabel;
class BusyIndicator;
class QLabel;
class QNetworkReply;
class QPushButton;
class QTreeWidget;

// The second wizard page: the WLANs that the chosen speaker sees. It asks the
// speaker for them while it is being built and again on "Rescan", one scan at a
// time, and shows that it waits until the answer. The row chosen at first is the
// WLAN the last speaker was saved into, else the one this computer is on, else
// the one it used last, else the first; a row the user chose stays chosen.
// "Next >>" keeps the chosen SSID and opens the settings page, "Other network…"
// opens it for a WLAN to type in; its "<< Back" brings this page back.
class Client_WLANs : public QDialog
{
    Q_OBJECT

public:
    // waits: how long the page and the settings page it opens wait for the speaker.
    explicit Client_WLANs(QWidget *parent, const NetworkWaits &waits = NetworkWaits());

    // Whether the speaker the page is for is announced now: a line says when it is not.
    void setSpeakerAnnounced(bool announced);

signals:
    // Passed on from the settings page that this page opened.
    void saveStarted(SettingsSave *save);

private slots:
    void replyFinished(QNetworkReply *reply);
    void setSSID();
    void enableNextButton();
    void returnFromSettings();
    void rescan();
    void typeOtherNetwork();
    void noteChoice();
    void markKnownRows();

private:
    void scan();
    void showScanProblem(SpeakerApi::AnswerProblem problem);
    void showRows(const QList<SpeakerApi::AccessPoint> &accessPoints);
    void chooseRow();
    void selectRow(int row);
    void showStatus(const QString &text);
    void openSettings(Client_Settings::WlanEntry entry);
    void showInfo(const QString &text);

    const NetworkWaits waits;
    QTreeWidget *wlanTree;
    QLabel *hintLabel;
    AnnouncedLabel *speakerGoneLabel; // while the speaker is not announced
    AnnouncedLabel *statusLabel; // why the rows are those of an earlier scan, or why none is chosen
    QPushButton *rescanButton;
    QPushButton *otherButton;
    QPushButton *backButton;
    QPushButton *nextButton;
    BusyIndicator *busyIndicator;
    const QString speakerUrl;
    const QString listedName;    // the speaker as the list showed it
    const QString knownText;     // the mark of a WLAN this computer knows
    const QString connectedText; // and of the one it is on
    QStringList encryptTypes;    // of the rows' access points
    QString userChoice;          // the SSID the user chose; empty: none
    bool userChose;              // the rows' choice is the user's, not the page's
    bool choiceGone;             // the user's choice is not listed any more: the line says so
    bool pageSelects;            // the selection changes by the page's hand
    bool scanning;               // a scan is in flight
    bool speakerAnnounced;
};

#endif // CLIENT_WLANS_H
