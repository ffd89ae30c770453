#include "client_wlans.h"

#include "busyindicator.h"
#include "client_settings.h"
#include "headerpicture.h"
#include "infobox.h"
#include "logtext.h"
#include "speakerapi.h"
#include "wizarddata.h"

#include <QDebug>
#include <QGridLayout>
#include <QJsonObject>
#include <QLabel>
#include <QNetworkReply>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

Client_WLANs::Client_WLANs(QWidget *parent, const NetworkWaits &waits)
    : QDialog(parent), waits(waits)
{
    resize(640, 550);

    wlanTree = new QTreeWidget(this);
    wlanTree->setHeaderLabels(QStringList() << tr("SSID") << tr("Sig"));
    wlanTree->setColumnWidth(0, 200);
    wlanTree->setColumnWidth(1, 30);
    wlanTree->setAccessibleName(tr("WLANs the speaker sees"));

    QLabel *headerLabel =
        headerPictureLabel(QStringLiteral("Funk"), tr("A radio mast sending to a speaker"));

    hintLabel = new QLabel(tr("Please select your private WLAN\n  "));

    backButton = new QPushButton(tr("<< Back"));
    nextButton = new QPushButton(tr("Next >>"));
    nextButton->setDefault(true);
    nextButton->setEnabled(false);

    connect(nextButton, SIGNAL(clicked()), this, SLOT(setSSID()));
    connect(backButton, SIGNAL(clicked()), this, SLOT(close()));

    busyIndicator = new BusyIndicator(tr("The speaker is looking for WLANs…"),
                                      tr("Waiting for the speaker's WLANs"));

    // Which speaker the page is for, by its name on the speaker list; never markup.
    QLabel *speakerLabel = new QLabel;
    speakerLabel->setTextFormat(Qt::PlainText);
    speakerLabel->setText(tr("Speaker: %1").arg(wizardData.listedName));
    QVBoxLayout *top = new QVBoxLayout;
    top->addWidget(headerLabel);
    top->addWidget(speakerLabel);

    QGridLayout *layout = new QGridLayout;
    layout->addLayout(top, 0, 0, 1, 4);
    layout->addWidget(wlanTree, 1, 0, 2, 4);
    layout->addWidget(hintLabel, 3, 0, 1, 4);
    layout->addWidget(busyIndicator, 4, 0, 1, 2);
    layout->addWidget(backButton, 4, 2, 1, 1);
    layout->addWidget(nextButton, 4, 3, 1, 1);
    setLayout(layout);

    setWindowTitle(tr("Select WLAN"));
    wlanTree->setFocus(Qt::OtherFocusReason);

    // One scan per page; a new scan needs a new page.
    SpeakerApi::postRequest(this, wizardData.url, SpeakerApi::wifiscanBody(),
                            waits.requestDeadline);
    busyIndicator->start();
}

void Client_WLANs::replyFinished(QNetworkReply *reply)
{
    busyIndicator->stop();
    const QByteArray body = SpeakerApi::readReply(reply, "Client WLANS  reply received");
    const SpeakerApi::Transfer transfer = SpeakerApi::transferOf(reply);
    SpeakerApi::endRequest(reply);
    QList<SpeakerApi::AccessPoint> accessPoints;
    switch (SpeakerApi::readWifiscanAnswer(transfer, body, &accessPoints)) {
    case SpeakerApi::AnswerProblem::None:
        break;
    case SpeakerApi::AnswerProblem::NotSent:
        showInfo(tr("The speaker could not be reached. Check that it is switched on and on the "
                    "same network as this computer, then go back and choose it again."));
        return;
    case SpeakerApi::AnswerProblem::NoAnswer:
        showInfo(tr("The speaker did not answer. Check that it is switched on, then go back and "
                    "choose it again."));
        return;
    case SpeakerApi::AnswerProblem::Unusable:
        showInfo(tr("The speaker's answer could not be used. Go back and choose it again; if that "
                    "does not help, switch the speaker off and on."));
        return;
    case SpeakerApi::AnswerProblem::TooLarge:
        showInfo(tr("The speaker's answer was too large to use. Go back and choose it again; if "
                    "that does not help, switch the speaker off and on."));
        return;
    }

    wlanTree->clear();
    encryptTypes.clear();
    for (const SpeakerApi::AccessPoint &accessPoint : accessPoints) {
        // Numbered as the left-out lines are: by the place in the speaker's list.
        qDebug() << "#" << accessPoint.position << " SSID: " << LogText(accessPoint.ssid);
        new QTreeWidgetItem(wlanTree, QStringList() << accessPoint.ssid << accessPoint.signalLevel);
        encryptTypes.append(accessPoint.encryptType);
    }

    if (!accessPoints.isEmpty()) {
        if (wlanTree->topLevelItemCount() > 0)
            wlanTree->setCurrentItem(wlanTree->topLevelItem(0));
        enableNextButton();
        return;
    }
    showInfo(tr("The speaker found no WLANs. Check that your WLAN router is switched on, then go "
                "back and choose the speaker again."));
}

void Client_WLANs::setSSID()
{
    // Without a choice there is nothing to do; the button stays for the choice.
    const QList<QTreeWidgetItem *> selection = wlanTree->selectedItems();
    if (selection.isEmpty())
        return;
    nextButton->setEnabled(false);

    QTreeWidgetItem *item = selection.first();
    wizardData.encryptType = encryptTypes.value(wlanTree->indexOfTopLevelItem(item));
    wizardData.setSSID(item->text(0));
    hide();

    // A settings page left by "<< Back" is replaced, not kept beside the new one.
    delete settingsPage;
    Client_Settings *page = new Client_Settings(nullptr, waits);
    settingsPage = page;
    connect(page, &Client_Settings::saveStarted, this, &Client_WLANs::saveStarted);
    connect(page, SIGNAL(rejected()), this, SLOT(returnFromSettings()));
    page->show();
}

void Client_WLANs::enableNextButton()
{
    nextButton->setEnabled(wlanTree->topLevelItemCount() > 0);
}

// "<< Back" on the settings page: this page again, as it was left.
void Client_WLANs::returnFromSettings()
{
    show();
    enableNextButton();
}

void Client_WLANs::showInfo(const QString &text)
{
    // The button reads "OK" in every language.
    showInfoBox(this, tr("Info"), text, QStringLiteral("OK"));
}
