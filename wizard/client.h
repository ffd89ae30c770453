#ifndef CLIENT_H
#define CLIENT_H

#include <QDialog>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QStringList>

#include "bonjourrecord.h"
#include "speakerreach.h"
#include "waits.h"

class AnnouncedLabel;
class BonjourServiceBrowser;
class BusyIndicator;
class NetworkSwitch;
class EmptyListHint;
class QGridLayout;
class QLabel;
class QMessageBox;
class QMovie;
class QPushButton;
class QTimer;
class QTreeWidget;
class SettingsSave;
class SpeakerRequest;
class SpeakerWatcher;
struct SavedSettings;
enum class Urgency;

// The first wizard page and the program's main window: the speakers found on
// the network. "Next >>" resolves the chosen one, opens its WLAN page and asks
// the speaker for its device information. A failed resolve is reported and can
// be tried again; while the DNS-SD service does not answer, the browse is
// retried until it does. Under the list, a line says why it is empty. A speaker whose settings were
// saved is waited for here, and the page tells how it came back; closing the page while it waits
// asks first. waits: how long the page, the pages it opens and its watches
// wait for the network.
class Client : public QDialog
{
    Q_OBJECT

public:
    explicit Client(QWidget *parent, const NetworkWaits &waits = NetworkWaits());

    // Escape, the close button and "Quit": while saved speakers are awaited, only once the user
    // has said to quit anyway.
    void reject() override;

private slots:
    void updateRecords(const QList<BonjourRecord> &announced);
    void connectToServer(const ReachResult &result);
    void replyFinished(const SpeakerApi::Transfer &transfer, const QByteArray &body);
    void requestWlans();
    void enableNextButton();
    void reportResolveFailure();
    void reportBrowseFailure();
    void retryBrowse();
    void noteBrowseStarted();
    void noteChoice();
    void reportSpeakerNotBack(const QString &name);
    void askForAddress();
    void addAddressRow(const BonjourRecord &record);

private:
    void removeGoneRows(const QList<BonjourRecord> &list);
    void reorderRows(const QList<BonjourRecord> &list);
    void chooseRow(const BonjourRecord &record);
    void showNotice(const QString &text);
    void showInformation(const char *text, const QString &argument);
    void adoptSave(SettingsSave *save, const BonjourRecord &record);
    void forgetSave(const SettingsSave *save);
    void showSaved(const BonjourRecord &record);
    void watchSpeaker(const SavedSettings &saved);
    void showWaiting();
    void showSpeakerBack(const SavedSettings &saved, const QString &ip, const BonjourRecord &record,
                         const QString &wlan);
    void showReturn(const QString &text, const BonjourRecord &record, Urgency urgency);
    void addReturnLine(const QString &text, Urgency urgency);
    void quitAnyway();
    QString quitQuestion() const;
    void updateQuitQuestion();
    void quitWhenAnswered();
    void tellPagesAnnounced();
    void listAddressRecord(const BonjourRecord &record);

    const NetworkWaits waits;
    QGridLayout *gridLayout;
    QTreeWidget *treeWidget;
    QLabel *busyLabel;
    QMovie *busyMovie;
    QPushButton *backButton;
    QPushButton *nextButton;
    QPushButton *quitButton;
    QLabel *hintLabel;
    AnnouncedLabel *noticeLabel;  // why no speaker is chosen, or why "Next >>" cannot go on
    BusyIndicator *waitIndicator; // the saved speakers awaited
    AnnouncedLabel *returnLabel;  // how saved speakers came back, a line each
    NetworkSwitch *networkSwitch; // to the WLAN of the speaker saved last
    EmptyListHint *emptyListHint; // why no speaker is listed
    BonjourServiceBrowser *browser;
    SpeakerReach *reach;   // the chosen speaker, until it is located; "Next >>" waits for it
    SpeakerRequest *query; // its device query, until the answer; "Next >>" waits for it
    QList<BonjourRecord> listedRecords; // what the rows show, in their order
    BonjourRecord resolvingRecord;      // the speaker whose pages open next
    BonjourRecord defaultRecord;        // the row the page chose itself, not the user
    BonjourRecord vanishedRecord;       // the chosen speaker that is no longer announced
    BonjourRecord pagesRecord;          // the speaker whose WLAN and settings pages are open
    QStringList returnLines;            // until the user moves on
    QList<SpeakerWatcher *> watchers;   // of saved speakers not back yet
    QList<QPair<SettingsSave *, QString>> saves; // in flight, with their speakers' listed names
    QPointer<QMessageBox> quitBox;
    QTimer *browseRetryTimer;
    bool browseUnavailable; // until the browse runs again
    bool pageMayChoose;     // the user has chosen nothing yet: the page picks the first row
    bool pageSelects;       // the selection changes by the page's hand, not the user's
    bool quitting; // "Yes" to quit was said while a save was in flight: its answer comes first
    bool quitConfirmed;
    QPushButton *addressButton;
    QList<BonjourRecord> announcedRecords; // the browser's latest list
    QList<BonjourRecord> addressRecords;   // found by address, listed after the announced ones
    QStringList givenAddresses;            // typed in this run, offered again
};

#endif // CLIENT_H
