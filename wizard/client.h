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
class QTreeWidget;

// The first wizard page and the program's main window: the speakers found on
// the network. "Next >>" resolves the chosen one, opens its WLAN page and asks
// the speaker for its device information.
class Client : public QDialog
{
    Q_OBJECT

public:
    explicit Client(QWidget *parent);

private slots:
    void updateRecords(const QList<BonjourRecord> &list);
    void connectToServer(const QHostInfo &hostInfo, int);
    void replyFinished(QNetworkReply *reply);
    void requestWlans();
    void enableNextButton();

private:
    QGridLayout *gridLayout;
    QTreeWidget *treeWidget;
    QLabel *busyLabel;
    QMovie *busyMovie;
    QPushButton *backButton;
    QPushButton *nextButton;
    QPushButton *quitButton;
    QLabel *hintLabel;
    BonjourServiceBrowser *browser;
    BonjourServiceResolver *resolver;
};

#endif // CLIENT_H
