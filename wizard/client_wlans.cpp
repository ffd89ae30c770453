#include "client_wlans.h"

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

Client_WLANs::Client_WLANs(QWidget *parent) : QDialog(parent)
{
    resize(640, 550);

    wlanTree = new QTreeWidget(this);
    wlanTree->setHeaderLabels(QStringList() << tr("SSID") << tr("Sig"));
    wlanTree->setColumnWidth(0, 200);
    wlanTree->setColumnWidth(1, 30);

    QLabel *headerLabel = headerPictureLabel(QStringLiteral(":/GRAFX/Funk_640px.png"));

    hintLabel = new QLabel(tr("Please select your private WLAN\n  "));

    backButton = new QPushButton(tr("<< Back"));
    nextButton = new QPushButton(tr("Next >>"));
    nextButton->setDefault(true);
    nextButton->setEnabled(false);

    connect(nextButton, SIGNAL(clicked()), this, SLOT(setSSID()));
    connect(backButton, SIGNAL(clicked()), this, SLOT(close()));

    QGridLayout *layout = new QGridLayout;
    layout->addWidget(headerLabel, 0, 0, 1, 4);
    layout->addWidget(wlanTree, 1, 0, 2, 4);
    layout->addWidget(hintLabel, 3, 0, 1, 4);
    layout->addWidget(backButton, 4, 2, 1, 1);
    layout->addWidget(nextButton, 4, 3, 1, 1);
    setLayout(layout);

    setWindowTitle(tr("Select WLAN"));
    wlanTree->setFocus(Qt::OtherFocusReason);

    // One scan per page; a new scan needs a new page.
    SpeakerApi::postRequest(this, wizardData.url, SpeakerApi::wifiscanBody());
}

void Client_WLANs::replyFinished(QNetworkReply *reply)
{
    const QByteArray body = SpeakerApi::readReply(reply, "Client WLANS  reply received");
    QList<SpeakerApi::AccessPoint> accessPoints;
    if (!SpeakerApi::readWifiscanAnswer(SpeakerApi::transferOf(reply), body, &accessPoints)) {
        showInfo(tr("The speaker did not answer.\nPlease go back and try again."));
        return;
    }

    wlanTree->clear();
    int count = 0;
    for (const SpeakerApi::AccessPoint &accessPoint : accessPoints) {
        qDebug() << "#" << count << " SSID: " << LogText(accessPoint.ssid);
        new QTreeWidgetItem(wlanTree, QStringList() << accessPoint.ssid << accessPoint.signalLevel);
        ++count;
    }

    if (count > 0) {
        if (wlanTree->topLevelItemCount() > 0)
            wlanTree->setCurrentItem(wlanTree->topLevelItem(0));
        enableNextButton();
        return;
    }
    showInfo(tr("The speaker found no WLANs.\nPlease go back and try again."));
}

void Client_WLANs::setSSID()
{
    // Without a choice there is nothing to do; the button stays for the choice.
    const QList<QTreeWidgetItem *> selection = wlanTree->selectedItems();
    if (selection.isEmpty())
        return;
    nextButton->setEnabled(false);

    wizardData.setSSID(selection.first()->text(0));
    hide();

    Client_Settings *page = new Client_Settings(nullptr);
    settingsPage = page;
    connect(page, SIGNAL(settingsSaved(const QString &)), this,
            SIGNAL(settingsSaved(const QString &)));
    page->show();
}

void Client_WLANs::enableNextButton()
{
    nextButton->setEnabled(wlanTree->topLevelItemCount() > 0);
}

void Client_WLANs::showInfo(const QString &text)
{
    // The button reads "OK" in every language.
    showInfoBox(this, tr("Info"), text, QStringLiteral("OK"));
}
