#ifndef NETWORKSWITCH_H
#define NETWORKSWITCH_H

#include "knownwlans.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class AnnouncedLabel;
class QHBoxLayout;
class QPushButton;
enum class Urgency;

// The speaker list's offer, after a save, to switch this computer to the WLAN that the speaker
// was sent into: from another WLAN it cannot see the speaker come back. Offered where this
// computer knows that WLAN and is not on it; it switches only when the user presses it, and
// tells how NetworkManager took it. The watches for saved speakers go on across the switch.
// Hidden while there is nothing to offer or tell.
class NetworkSwitch : public QWidget
{
    Q_OBJECT

public:
    explicit NetworkSwitch(QWidget *parent = nullptr);

    // A speaker has taken the settings with ssid: the offer is for ssid from now on.
    void offer(const QString &ssid);
    // The user has moved on: nothing is offered or told.
    void withdraw();

    // Calls done, from the event loop, with the WLAN that this computer is on instead of ssid,
    // read anew; where it is on no WLAN now, the one it was on when a speaker was saved with
    // ssid. Empty when it is on ssid or nothing is known.
    void findOtherWlan(const QString &ssid, const std::function<void(const QString &)> &done);

private slots:
    void switchComputer();

private:
    void readWlans(const std::function<void()> &done);
    void showOffer();
    void showSwitchStarted();
    void showSwitchFailed(SwitchRequest::Failure failure, const QString &message);
    void showOutcome(const QString &text, Urgency urgency);

    QHBoxLayout *rowLayout;
    QPushButton *switchButton; // once offered
    AnnouncedLabel *outcomeLabel;
    QString offeredSsid;
    QString switchingSsid;
    QHash<QString, QString> wlansAtSave; // this computer's other WLAN, by the speakers' SSID
    QPointer<SwitchRequest> request;
};

#endif // NETWORKSWITCH_H
