#ifndef CLIENT_H
#define CLIENT_H

#include <QDialog>
#include <QHostInfo>
#include <QList>

#include "bonjourrecord.h"

class BonjourServiceBrowser;
class BonjourServiceResolver;
class QGridLayout;
class QLabel;
class QMovie;
class QNetworkReply;
class QPushButton;
class QTimer;
class QTreeWidget;

// The first wizard page and the program's main window: the speakers found on
// the network. "Next >>" resolves the chosen one, opens its WLAN page and asks
// the speaker for its device information. A failed resolve is reported and can
// be tried again; while the DNS-SD service does not answer, the browse is
// retried until it does.
class Client : public QDialog
{
    Q_OBJECT

public:
    explicit Client(QWidget *parent);

    // Milliseconds between two tries to browse while the DNS-SD service does not answer.
    static int browseRetryInterval;

private slots:
    void updateRecords(const QList<BonjourRecord> &list);
    void connectToServer(const QHostInfo &hostInfo, int);
    void replyFinished(QNetworkReply *reply);
    void requestWlans();
    void enableNextButton();
    void reportResolveFailure();
    void reportBrowseFailure();
    void retryBrowse();
    void showSpeakerBack(const QString &name, const QString &ip, const BonjourRecord &record);
    void showSpeakerKeptName(const QString &name, const BonjourRecord &record);
    void reportSpeakerNotBack(const QString &name);

private:
    void removeGoneRows(const QList<BonjourRecord> &list);
    void reorderRows(const QList<BonjourRecord> &list);
    void showInformation(const char *text, const QString &argument);
    void watchSpeaker(const BonjourRecord &record, const QString &name);
    void showReturn(const QString &text, const BonjourRecord &record);

    QGridLayout *gridLayout;
    QTreeWidget *treeWidget;
    QLabel *busyLabel;
    QMovie *busyMovie;
    QPushButton *backButton;
    QPushButton *nextButton;
    QPushButton *quitButton;
    QLabel *hintLabel;
    QLabel *returnLabel; // how the last saved speaker came back
    BonjourServiceBrowser *browser;
    BonjourServiceResolver *resolver;
    QList<BonjourRecord> listedRecords; // what the rows show, in their order
    BonjourRecord resolvingRecord;      // the speaker whose pages open next
    BonjourRecord defaultRecord;        // the row the page chose itself, not the user
    QTimer *browseRetryTimer;
    bool browseUnavailable; // the user has been told; no second box until the browse runs
    bool browseFailed;      // set by a failure while a retry starts the browse
};

#endif // CLIENT_H
