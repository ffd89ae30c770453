#include "client.h"

#include "accessible.h"
#include "bonjourservicebrowser.h"
#include "bonjourserviceresolver.h"
#include "client_settings.h"
#include "client_wlans.h"
#include "headerpicture.h"
#include "infobox.h"
#include "logtext.h"
#include "speakerapi.h"
#include "speakerwatcher.h"
#include "wizarddata.h"

#include <QDebug>
#include <QGridLayout>
#include <QHostAddress>
#include <QJsonObject>
#include <QLabel>
#include <QMovie>
#include <QNetworkReply>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QUrl>
#include <QVariant>

namespace {

const QString serviceType = QStringLiteral("_dockset._tcp");

// Names the DNS-SD service as the user knows it on this system, and how to start it.
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
const char *const dnssdUnavailableText = QT_TRANSLATE_NOOP(
    "Client",
    "The search for speakers is not available: this computer's DNS-SD service (Bonjour) does not "
    "answer. Start the Bonjour service (or install it), and the list fills by itself.");
#else
const char *const dnssdUnavailableText =
    QT_TRANSLATE_NOOP("Client",
                      "The search for speakers is not available: this computer's DNS-SD service "
                      "(avahi-daemon) does not answer. Start it, for example with \"sudo systemctl "
                      "start avahi-daemon\", and the list fills by itself.");
#endif

BonjourRecord rowRecord(const QTreeWidgetItem *item)
{
    return item->data(0, Qt::UserRole).value<BonjourRecord>();
}

QTreeWidgetItem *newRow(const BonjourRecord &record)
{
    QVariant variant;
    variant.setValue(record);
    QTreeWidgetItem *item = new QTreeWidgetItem(QStringList(record.instanceName));
    item->setData(0, Qt::UserRole, variant);
    return item;
}

} // namespace

int Client::browseRetryInterval = 5000;

Client::Client(QWidget *parent)
    : QDialog(parent), resolver(nullptr), browseRetryTimer(nullptr), browseUnavailable(false),
      browseFailed(false)
{
    resize(640, 550);

    browser = new BonjourServiceBrowser(this);

    treeWidget = new QTreeWidget(this);
    treeWidget->setHeaderLabels(QStringList(tr("Available VANTIR Speakers")));
    treeWidget->setAccessibleName(tr("Speakers on this network"));
    connect(browser, SIGNAL(currentBonjourRecordsChanged(const QList<BonjourRecord> &)), this,
            SLOT(updateRecords(const QList<BonjourRecord> &)));
    connect(browser, SIGNAL(error(DNSServiceErrorType)), this, SLOT(reportBrowseFailure()));
    browseRetryTimer = new QTimer(this);
    browseRetryTimer->setSingleShot(true);
    connect(browseRetryTimer, SIGNAL(timeout()), this, SLOT(retryBrowse()));

    QLabel *headerLabel =
        headerPictureLabel(QStringLiteral("Palette"), tr("A row of VANTIR speakers"));

    hintLabel = new QLabel(tr("The Speakers and your\ndevice have to be in\nthe same WLAN!"));

    // The animation only runs once a speaker is being resolved.
    busyLabel = busyAnimationLabel(tr("Waiting for the speaker"), this);
    busyMovie = busyLabel->movie();
    busyLabel->hide();

    // Speaker names come from the network: shown as they are, never as markup.
    returnLabel = new QLabel(this);
    returnLabel->setTextFormat(Qt::PlainText);
    returnLabel->setWordWrap(true);
    returnLabel->hide();

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
    gridLayout->addWidget(returnLabel, 5, 0, 1, 4);
    setLayout(gridLayout);

    setWindowTitle(tr("VANTIR Ovix Configurator"));
    treeWidget->setFocus(Qt::OtherFocusReason);

    // Last, so that the first list already finds updateRecords() connected.
    browser->browseForServiceType(serviceType);
}

void Client::updateRecords(const QList<BonjourRecord> &list)
{
    // The rows are updated in place: a burst of speakers costs one row each, and the user's
    // choice stays while its speaker is listed.
    const QList<QTreeWidgetItem *> selection = treeWidget->selectedItems();
    const bool hadChoice = !selection.isEmpty();
    const BonjourRecord chosen = hadChoice ? rowRecord(selection.first()) : BonjourRecord();

    const bool onlyAdded = list.size() >= listedRecords.size() &&
        std::equal(listedRecords.cbegin(), listedRecords.cend(), list.cbegin());
    if (!onlyAdded)
        removeGoneRows(list);

    // The remaining rows are in the list's order unless a new browse reordered them.
    int row = 0;
    for (const BonjourRecord &record : list) {
        if (row < listedRecords.size() && listedRecords.at(row) == record)
            ++row;
    }
    if (row == listedRecords.size()) {
        QList<QTreeWidgetItem *> appended;
        row = 0;
        for (const BonjourRecord &record : list) {
            if (row < listedRecords.size() && listedRecords.at(row) == record) {
                ++row;
            } else if (row < listedRecords.size()) {
                treeWidget->insertTopLevelItem(row, newRow(record));
                listedRecords.insert(row++, record);
            } else {
                appended.append(newRow(record));
            }
        }
        treeWidget->addTopLevelItems(appended);
        listedRecords = list;
    } else {
        reorderRows(list);
    }

    const bool choiceListed = hadChoice && listedRecords.contains(chosen);
    if (treeWidget->topLevelItemCount() > 0 && !choiceListed) {
        treeWidget->setCurrentItem(treeWidget->topLevelItem(0));
        defaultRecord = listedRecords.first();
    }
    enableNextButton();
    busyLabel->hide();
}

// Drops the rows of speakers that are not in the list any more.
void Client::removeGoneRows(const QList<BonjourRecord> &list)
{
    const QSet<BonjourRecord> listed(list.cbegin(), list.cend());
    for (int row = listedRecords.size() - 1; row >= 0; --row) {
        if (!listed.contains(listedRecords.at(row))) {
            delete treeWidget->takeTopLevelItem(row);
            listedRecords.removeAt(row);
        }
    }
}

// Puts the rows into the list's order, keeping the items (and so the choice) of listed speakers.
void Client::reorderRows(const QList<BonjourRecord> &list)
{
    QTreeWidgetItem *chosen = treeWidget->currentItem();
    const QList<QTreeWidgetItem *> items = treeWidget->invisibleRootItem()->takeChildren();
    QHash<BonjourRecord, QTreeWidgetItem *> kept;
    for (QTreeWidgetItem *item : items)
        kept.insert(rowRecord(item), item);
    QList<QTreeWidgetItem *> ordered;
    for (const BonjourRecord &record : list) {
        QTreeWidgetItem *item = kept.take(record);
        ordered.append(item ? item : newRow(record));
    }
    qDeleteAll(kept);
    treeWidget->addTopLevelItems(ordered);
    listedRecords = list;
    if (chosen && ordered.contains(chosen))
        treeWidget->setCurrentItem(chosen);
}

void Client::connectToServer(const QHostInfo &hostInfo, int port)
{
    const QList<QHostAddress> addresses = hostInfo.addresses();
    if (addresses.isEmpty()) {
        reportResolveFailure();
        return;
    }

    // Brackets and an encoded zone id keep an IPv6 link-local speaker reachable.
    const QString url = SpeakerApi::speakerUrl(addresses.first(), port);
    qDebug() << "URL: " << LogText(url) << "\n";
    // The WLAN page sends its scan to the stored URL while it is being built.
    wizardData.setURL(url);

    // Only the newest speaker's pages stay: an earlier settings page would send
    // its password to a speaker the user has left. Their requests go with them.
    delete settingsPage;
    delete wlanPage;
    // What the last speaker told is not this one's; its query answer fills it again.
    wizardData.model.clear();
    wizardData.softwareVer.clear();
    wizardData.hardwareVer.clear();
    wizardData.ip.clear();
    Client_WLANs *page = new Client_WLANs(nullptr);
    wlanPage = page;
    const BonjourRecord record = resolvingRecord;
    connect(page, &Client_WLANs::settingsSaved, this,
            [this, record](const QString &name) { watchSpeaker(record, name); });
    page->show();

    SpeakerApi::postRequest(this, url, SpeakerApi::queryBody());

    busyLabel->hide();
    nextButton->setEnabled(false);
}

void Client::replyFinished(QNetworkReply *reply)
{
    const QByteArray body = SpeakerApi::readReply(reply, "Client reply received");
    SpeakerApi::endRequest(reply);
    // The user has chosen another speaker since: its details are not this one's.
    if (reply->request().url() != QUrl(wizardData.url, QUrl::TolerantMode)) {
        qDebug() << "Reply from" << LogText(reply->request().url().toString())
                 << "ignored, another speaker is chosen";
        return;
    }
    // Any answer, usable or not, lets the user pick a speaker again.
    enableNextButton();

    QJsonObject object;
    if (!SpeakerApi::parseReply(body, &object))
        return;
    const SpeakerApi::DeviceInfo device = SpeakerApi::readQueryReply(object);
    wizardData.setName(device.name);
    wizardData.model = device.model;
    wizardData.softwareVer = device.softwareVer;
    wizardData.hardwareVer = device.hardwareVer;
    wizardData.setIP(device.ip);
}

void Client::requestWlans()
{
    // A list update may have left no row chosen: then there is nothing to wait for.
    const QList<QTreeWidgetItem *> selection = treeWidget->selectedItems();
    if (selection.isEmpty())
        return;

    busyMovie->start();
    busyLabel->show();
    nextButton->setEnabled(false);

    if (!resolver) {
        resolver = new BonjourServiceResolver(this);
        connect(resolver, SIGNAL(bonjourRecordResolved(const QHostInfo &, int)), this,
                SLOT(connectToServer(const QHostInfo &, int)));
        connect(resolver, SIGNAL(error(DNSServiceErrorType)), this, SLOT(reportResolveFailure()));
    }

    const QTreeWidgetItem *item = selection.first();
    const QVariant variant = item->data(0, Qt::UserRole);
    wizardData.setName(item->text(0));
    resolvingRecord = variant.value<BonjourRecord>();
    resolver->resolveBonjourRecord(resolvingRecord);
}

void Client::enableNextButton()
{
    nextButton->setEnabled(treeWidget->invisibleRootItem()->childCount() > 0);
}

void Client::reportResolveFailure()
{
    busyMovie->stop();
    busyLabel->hide();
    enableNextButton();
    // While the DNS-SD service is away nothing can be reached; the user has been told so.
    if (browseUnavailable)
        return;
    showInformation(QT_TR_NOOP("The speaker could not be reached. Check that it is switched on and "
                               "on the same network as this computer, then choose it again."),
                    QString());
}

void Client::reportBrowseFailure()
{
    browseFailed = true;
    // The list fills by itself once the service answers again.
    browseRetryTimer->start(browseRetryInterval);
    if (browseUnavailable)
        return;
    browseUnavailable = true;
    showInformation(dnssdUnavailableText, QString());
}

void Client::retryBrowse()
{
    browseFailed = false;
    browser->browseForServiceType(serviceType);
    // Running again: a later failure is news to the user.
    if (!browseFailed)
        browseUnavailable = false;
}

// Shown from the event loop: the failures are reported from inside DNS-SD callbacks and host
// look-up deliveries, which should have returned before the user sees the box.
void Client::showInformation(const char *text, const QString &argument)
{
    QTimer::singleShot(0, this, [this, text, argument] {
        QString message = tr(text);
        if (!argument.isNull())
            message = message.arg(argument);
        // The button reads "OK" in every language.
        showInfoBox(this, tr("Info"), message, QStringLiteral("OK"));
    });
}

// Each saved speaker is watched on its own resolver, so the list and "Next >>" never wait for it.
void Client::watchSpeaker(const BonjourRecord &record, const QString &name)
{
    SpeakerWatcher *watcher = new SpeakerWatcher(record, name, listedRecords, this);
    connect(browser, SIGNAL(currentBonjourRecordsChanged(const QList<BonjourRecord> &)), watcher,
            SLOT(updateRecords(const QList<BonjourRecord> &)));
    connect(watcher, SIGNAL(speakerBack(const QString &, const QString &, const BonjourRecord &)),
            this, SLOT(showSpeakerBack(const QString &, const QString &, const BonjourRecord &)));
    connect(watcher, SIGNAL(speakerKeptName(const QString &, const BonjourRecord &)), this,
            SLOT(showSpeakerKeptName(const QString &, const BonjourRecord &)));
    connect(watcher, SIGNAL(speakerNotBack(const QString &)), this,
            SLOT(reportSpeakerNotBack(const QString &)));
    connect(watcher, SIGNAL(finished()), watcher, SLOT(deleteLater()));
}

void Client::showSpeakerBack(const QString &name, const QString &ip, const BonjourRecord &record)
{
    showReturn(tr("The speaker \"%1\" is back on the network under its new name, IP address %2.")
                   .arg(name, ip),
               record);
}

void Client::showSpeakerKeptName(const QString &name, const BonjourRecord &record)
{
    showReturn(tr("The speaker \"%1\" came back but kept its old name: the settings did not "
                  "take.")
                   .arg(name),
               record);
}

void Client::reportSpeakerNotBack(const QString &name)
{
    showInformation(
        QT_TR_NOOP("The speaker \"%1\" has not come back on the network.\n\nPlease check:\n- "
                   "the WLAN password: a wrong password is the usual cause;\n- that this "
                   "computer is on the home WLAN now: if it was joined to the speaker's own "
                   "network, join the home WLAN again;\n- a speaker that joined no network must "
                   "be reset and set up again."),
        name);
}

// The returned speaker's row becomes the choice, unless the user has chosen another one.
void Client::showReturn(const QString &text, const BonjourRecord &record)
{
    returnLabel->setText(text);
    returnLabel->show();

    const QList<QTreeWidgetItem *> selection = treeWidget->selectedItems();
    if (!selection.isEmpty() && rowRecord(selection.first()) != defaultRecord)
        return;
    const int row = listedRecords.indexOf(record);
    if (row < 0)
        return;
    treeWidget->setCurrentItem(treeWidget->topLevelItem(row));
    defaultRecord = record;
}
