#include "client.h"

#include "bonjourservicebrowser.h"
#include "bonjourserviceresolver.h"
#include "client_settings.h"
#include "client_wlans.h"
#include "headerpicture.h"
#include "logtext.h"
#include "speakerapi.h"
#include "wizarddata.h"

#include <QDebug>
#include <QGridLayout>
#include <QHostAddress>
#include <QJsonObject>
#include <QLabel>
#include <QMovie>
#include <QNetworkReply>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QUrl>
#include <QVariant>

Client::Client(QWidget *parent) : QDialog(parent), resolver(nullptr)
{
    resize(640, 550);

    browser = new BonjourServiceBrowser(this);

    treeWidget = new QTreeWidget(this);
    treeWidget->setHeaderLabels(QStringList(tr("Available VANTIR Speakers")));
    connect(browser, SIGNAL(currentBonjourRecordsChanged(const QList<BonjourRecord> &)), this,
            SLOT(updateRecords(const QList<BonjourRecord> &)));

    QLabel *headerLabel = headerPictureLabel(QStringLiteral(":/GRAFX/Palette_640px.png"));

    hintLabel = new QLabel(tr("The Speakers and your\ndevice have to be in\nthe same WLAN!"));

    // The animation only runs once a speaker is being resolved.
    busyMovie = new QMovie(QStringLiteral(":/GRAFX/ajax-loader.gif"), QByteArray(), this);
    busyLabel = new QLabel(this);
    busyLabel->setMovie(busyMovie);
    busyLabel->hide();

    quitButton = new QPushButton(tr("Quit"));
    backButton = new QPushButton(tr("<< Back"));
    backButton->setEnabled(false);
    nextButton = new QPushButton(tr("Next >>"));
    nextButton->setDefault(true);
    nextButton->setEnabled(false);

    connect(nextButton, SIGNAL(clicked()), this, SLOT(requestWlans()));
    connect(quitButton, SIGNAL(clicked()), this, SLOT(close()));

    gridLayout = new QGridLayout;
    gridLayout->addWidget(headerLabel, 0, 0, 1, 4);
    gridLayout->addWidget(treeWidget, 1, 0, 2, 4);
    gridLayout->addWidget(hintLabel, 3, 0, 1, 3);
    gridLayout->addWidget(busyLabel, 3, 3, 1, 1, Qt::AlignRight);
    gridLayout->addWidget(quitButton, 4, 0, 1, 1);
    gridLayout->addWidget(backButton, 4, 2, 1, 1);
    gridLayout->addWidget(nextButton, 4, 3, 1, 1);
    setLayout(gridLayout);

    setWindowTitle(tr("VANTIR Ovix Configurator"));
    treeWidget->setFocus(Qt::OtherFocusReason);

    // Last, so that the first list already finds updateRecords() connected.
    browser->browseForServiceType(QStringLiteral("_dockset._tcp"));
}

void Client::updateRecords(const QList<BonjourRecord> &list)
{
    treeWidget->clear();
    for (const BonjourRecord &record : list) {
        QVariant variant;
        variant.setValue(record);
        QTreeWidgetItem *item = new QTreeWidgetItem(treeWidget, QStringList(record.instanceName));
        item->setData(0, Qt::UserRole, variant);
    }
    if (treeWidget->topLevelItemCount() > 0)
        treeWidget->setCurrentItem(treeWidget->topLevelItem(0));
    enableNextButton();
    busyLabel->hide();
}

void Client::connectToServer(const QHostInfo &hostInfo, int port)
{
    const QList<QHostAddress> addresses = hostInfo.addresses();
    if (addresses.isEmpty())
        return;

    // Brackets and an encoded zone id keep an IPv6 link-local speaker reachable.
    const QString url = SpeakerApi::speakerUrl(addresses.first(), port);
    qDebug() << "URL: " << LogText(url) << "\n";
    // The WLAN page sends its scan to the stored URL while it is being built.
    wizardData.setURL(url);

    // Only the newest speaker's pages stay in sight: an earlier settings page
    // would send its password to a speaker the user has left.
    if (wlanPage)
        wlanPage->hide();
    if (settingsPage)
        settingsPage->hide();
    Client_WLANs *page = new Client_WLANs(nullptr);
    wlanPage = page;
    page->show();

    SpeakerApi::postRequest(this, url, SpeakerApi::queryBody());

    busyLabel->hide();
    nextButton->setEnabled(false);
}

void Client::replyFinished(QNetworkReply *reply)
{
    const QByteArray body = SpeakerApi::readReply(reply, "Client reply received");
    // The user has chosen another speaker since: its details are not this one's.
    if (reply->request().url() != QUrl(wizardData.url, QUrl::TolerantMode)) {
        qDebug() << "Reply from" << LogText(reply->request().url().toString())
                 << "ignored, another speaker is chosen";
        return;
    }
    // Any answer, usable or not, lets the user pick a speaker again.
    nextButton->setEnabled(true);

    QJsonObject object;
    if (!SpeakerApi::parseReply(body, &object))
        return;
    SpeakerApi::readQueryReply(object);
}

void Client::requestWlans()
{
    busyMovie->start();
    busyLabel->show();
    nextButton->setEnabled(false);

    const QList<QTreeWidgetItem *> selection = treeWidget->selectedItems();
    if (selection.isEmpty())
        return;

    if (!resolver) {
        resolver = new BonjourServiceResolver(this);
        connect(resolver, SIGNAL(bonjourRecordResolved(const QHostInfo &, int)), this,
                SLOT(connectToServer(const QHostInfo &, int)));
    }

    const QTreeWidgetItem *item = selection.first();
    const QVariant variant = item->data(0, Qt::UserRole);
    wizardData.setName(item->text(0));
    resolver->resolveBonjourRecord(variant.value<BonjourRecord>());
}

void Client::enableNextButton()
{
    nextButton->setEnabled(treeWidget->invisibleRootItem()->childCount() > 0);
}
