#include "networkswitch.h"

#include "accessible.h"
#include "client.h"
#include "knownwlans.h"
#include "logtext.h"
#include "wizarddata.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>

#include <memory>

NetworkSwitch::NetworkSwitch(QWidget *parent) : QWidget(parent), switchButton(nullptr)
{
    outcomeLabel = new AnnouncedLabel(Urgency::Polite);
    outcomeLabel->hide();
    rowLayout = new QHBoxLayout(this);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->addWidget(outcomeLabel, 1);
    hide();
}

// Offered once a reading tells where this computer is now: the speaker's own WLAN, which it may
// have been on, has gone with the save.
void NetworkSwitch::offer(const QString &ssid)
{
    withdraw();
    if (!knownWlans)
        return;
    offeredSsid = ssid;
    wlansAtSave.insert(ssid,
                       knownWlans->isReady() ? knownWlans->otherConnectedWlan(ssid) : QString());
    readWlans([this, ssid] {
        if (ssid == offeredSsid)
            showOffer();
    });
}

void NetworkSwitch::withdraw()
{
    offeredSsid.clear();
    if (switchButton)
        switchButton->hide();
    // A switch under way still tells its outcome, which the user may wait for.
    if (request)
        return;
    outcomeLabel->clear();
    outcomeLabel->hide();
    hide();
}

void NetworkSwitch::findOtherWlan(const QString &ssid,
                                  const std::function<void(const QString &)> &done)
{
    if (!knownWlans) {
        QTimer::singleShot(0, this, [done] { done(QString()); });
        return;
    }
    readWlans([this, ssid, done] {
        if (!knownWlans || knownWlans->wlan(ssid).connected) {
            done(QString());
            return;
        }
        const QString now = knownWlans->otherConnectedWlan(ssid);
        done(now.isEmpty() ? wlansAtSave.value(ssid) : now);
    });
}

// Reads this computer's WLANs anew; done follows the reading, which ends also when
// NetworkManager hangs.
void NetworkSwitch::readWlans(const std::function<void()> &done)
{
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(knownWlans, &KnownWlans::ready, this, [connection, done] {
        disconnect(*connection);
        done();
    });
    knownWlans->refresh();
}

void NetworkSwitch::showOffer()
{
    const KnownWlan wlan = knownWlans ? knownWlans->wlan(offeredSsid) : KnownWlan();
    if (wlan.ssid.isEmpty() || wlan.connected)
        return;
    // Made when first offered: a page without it has no button without a text.
    if (!switchButton) {
        switchButton = new QPushButton;
        rowLayout->insertWidget(0, switchButton, 0, Qt::AlignLeft);
        connect(switchButton, SIGNAL(clicked()), this, SLOT(switchComputer()));
    }
    // An ampersand in the SSID is shown, not taken for an access key.
    QString name = offeredSsid;
    name.replace(QLatin1Char('&'), QLatin1String("&&"));
    switchButton->setText(Client::tr("Switch this computer to \"%1\"").arg(name));
    switchButton->show();
    show();
}

// The user's own choice, once at a time: NetworkManager is asked to take this computer to the
// WLAN offered, and its answer is shown.
void NetworkSwitch::switchComputer()
{
    if (request || offeredSsid.isEmpty() || !knownWlans)
        return;
    switchingSsid = offeredSsid;
    showOutcome(Client::tr("Switching this computer to the WLAN \"%1\"…").arg(switchingSsid),
                Urgency::Polite);
    request = knownWlans->switchTo(switchingSsid, this);
    connect(request, &SwitchRequest::switchStarted, this, &NetworkSwitch::showSwitchStarted);
    connect(request, &SwitchRequest::switchFailed, this, &NetworkSwitch::showSwitchFailed);
}

void NetworkSwitch::showSwitchStarted()
{
    qDebug() << "This computer switches to the WLAN" << LogText(switchingSsid);
    if (switchingSsid == offeredSsid && switchButton)
        switchButton->hide();
    showOutcome(Client::tr("This computer is joining the WLAN \"%1\".").arg(switchingSsid),
                Urgency::Polite);
}

// The button stays: the user may try again, or join the WLAN otherwise.
void NetworkSwitch::showSwitchFailed(SwitchRequest::Failure failure, const QString &message)
{
    QString text;
    switch (failure) {
    case SwitchRequest::Failure::NotKnown:
        qDebug() << "This computer not switched to the WLAN" << LogText(switchingSsid)
                 << "not known";
        text = Client::tr("This computer could not be switched to the WLAN \"%1\": it has no "
                          "saved connection for it any more.")
                   .arg(switchingSsid);
        break;
    case SwitchRequest::Failure::NoAnswer:
        qDebug() << "This computer not switched to the WLAN" << LogText(switchingSsid)
                 << "no answer";
        text = Client::tr("This computer could not be switched to the WLAN \"%1\": "
                          "NetworkManager did not answer.")
                   .arg(switchingSsid);
        break;
    case SwitchRequest::Failure::Refused:
        qDebug() << "This computer not switched to the WLAN" << LogText(switchingSsid)
                 << "refused:" << LogText(message);
        text = Client::tr("NetworkManager did not switch this computer to the WLAN \"%1\" "
                          "(\"%2\").")
                   .arg(switchingSsid, message);
        break;
    }
    showOutcome(text, Urgency::Urgent);
}

void NetworkSwitch::showOutcome(const QString &text, Urgency urgency)
{
    outcomeLabel->setUrgency(urgency);
    outcomeLabel->setText(text);
    outcomeLabel->show();
    show();
}
