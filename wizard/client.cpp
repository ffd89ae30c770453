#include "client.h"

#include "accessible.h"
#include "addressdialog.h"
#include "bonjourservicebrowser.h"
#include "busyindicator.h"
#include "client_settings.h"
#include "client_wlans.h"
#include "emptylisthint.h"
#include "headerpicture.h"
#include "infobox.h"
#include "logtext.h"
#include "networkswitch.h"
#include "settingssave.h"
#include "speakerapi.h"
#include "speakerrequest.h"
#include "speakertarget.h"
#include "speakerwatcher.h"
#include "wizarddata.h"

#include <QDebug>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMovie>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSet>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QUrl>
#include <QVariant>

namespace {

const QString serviceType = QStringLiteral("_dockset._tcp");

const char *const searchUnavailableText = QT_TRANSLATE_NOOP(
    "Client", "The search for speakers is not available, so the speaker cannot be reached now.");

BonjourRecord rowRecord(const QTreeWidgetItem *item)
{
    return item->data(0, Qt::UserRole).value<BonjourRecord>();
}

QTreeWidgetItem *newRow(const BonjourRecord &record)
{
    QVariant variant;
    variant.setValue(record);
    // A speaker found by address says so: it may be listed under its name once more if it is
    // announced as well.
    const QString text = SpeakerTarget::isAddressRecord(record)
        ? Client::tr("%1 (by address %2)").arg(record.instanceName, record.domain)
        : record.instanceName;
    QTreeWidgetItem *item = new QTreeWidgetItem(QStringList(text));
    item->setData(0, Qt::UserRole, variant);
    return item;
}

} // namespace

Client::Client(QWidget *parent, const NetworkWaits &waits)
    : QDialog(parent), waits(waits), reach(nullptr), query(nullptr), browseRetryTimer(nullptr),
      browseUnavailable(false), pageMayChoose(true), pageSelects(false), quitting(false),
      quitConfirmed(false)
{
    resize(640, 550);

    browser = new BonjourServiceBrowser(this, waits.browse);

    treeWidget = new QTreeWidget(this);
    treeWidget->setHeaderLabels(QStringList(tr("Available VANTIR Speakers")));
    treeWidget->setAccessibleName(tr("Speakers on this network"));
    connect(treeWidget, SIGNAL(itemSelectionChanged()), this, SLOT(noteChoice()));
    connect(browser, SIGNAL(currentBonjourRecordsChanged(const QList<BonjourRecord> &)), this,
            SLOT(updateRecords(const QList<BonjourRecord> &)));
    connect(browser, SIGNAL(error(DNSServiceErrorType)), this, SLOT(reportBrowseFailure()));
    connect(browser, &BonjourServiceBrowser::browseStarted, this, &Client::noteBrowseStarted);
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

    // Speaker names come from the network: the lines show them as they are, never as markup.
    // Each tells something the user has to act on.
    noticeLabel = new AnnouncedLabel(Urgency::Urgent, this);
    noticeLabel->hide();
    waitIndicator = new BusyIndicator(QString(), tr("Waiting for saved speakers"), this);
    returnLabel = new AnnouncedLabel(Urgency::Polite, this);
    returnLabel->hide();
    networkSwitch = new NetworkSwitch(this);
    emptyListHint = new EmptyListHint(tr("Why is no speaker listed?"), waits.emptyList, this);

    quitButton = new QPushButton(tr("Quit"));
    backButton = new QPushButton(tr("<< Back"));
    backButton->setEnabled(false);
    nextButton = new QPushButton(tr("Next >>"));
    nextButton->setDefault(true);
    nextButton->setEnabled(false);

    connect(nextButton, SIGNAL(clicked()), this, SLOT(requestWlans()));
    connect(quitButton, SIGNAL(clicked()), this, SLOT(close()));
    addressButton = new QPushButton(tr("Add by address…"));
    connect(addressButton, &QPushButton::clicked, this, &Client::askForAddress);

    gridLayout = new QGridLayout;
    gridLayout->addWidget(headerLabel, 0, 0, 1, 4);
    gridLayout->addWidget(treeWidget, 1, 0, 1, 4);
    gridLayout->addWidget(emptyListHint, 2, 0, 1, 4);
    gridLayout->addWidget(hintLabel, 3, 0, 1, 3);
    gridLayout->addWidget(busyLabel, 3, 3, 1, 1, Qt::AlignRight);
    gridLayout->addWidget(quitButton, 4, 0, 1, 1);
    gridLayout->addWidget(addressButton, 4, 1, 1, 1);
    gridLayout->addWidget(backButton, 4, 2, 1, 1);
    gridLayout->addWidget(nextButton, 4, 3, 1, 1);
    gridLayout->addWidget(noticeLabel, 5, 0, 1, 4);
    gridLayout->addWidget(waitIndicator, 6, 0, 1, 4);
    gridLayout->addWidget(returnLabel, 7, 0, 1, 4);
    gridLayout->addWidget(networkSwitch, 8, 0, 1, 4);
    setLayout(gridLayout);
    giveAccessKeys(
        { nextButton, quitButton, backButton, addressButton, emptyListHint->askButton() });

    setWindowTitle(tr("VANTIR Ovix Configurator"));
    treeWidget->setFocus(Qt::OtherFocusReason);

    // Last, so that the first list already finds updateRecords() connected.
    browser->browseForServiceType(serviceType);
}

void Client::updateRecords(const QList<BonjourRecord> &announced)
{
    // Speakers found by address stay, whatever DNS-SD says.
    announcedRecords = announced;
    const QList<BonjourRecord> list = announced + addressRecords;

    // The rows are updated in place: a burst of speakers costs one row each, and the user's
    // choice stays while its speaker is listed.
    const QScopedValueRollback<bool> byPage(pageSelects, true);
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

    if (hadChoice && !listedRecords.contains(chosen) && pageMayChoose) {
        // The page's own choice went; the user has chosen nothing yet.
        chooseRow(listedRecords.value(0));
        defaultRecord = listedRecords.value(0);
    } else if (hadChoice && !listedRecords.contains(chosen)) {
        // No other speaker becomes the user's choice behind their back: "Next >>" waits for one.
        treeWidget->clearSelection();
        treeWidget->setCurrentItem(nullptr);
        vanishedRecord = chosen;
        pageMayChoose = false;
        showNotice(tr("The speaker \"%1\" is no longer announced.").arg(chosen.instanceName));
    } else if (!hadChoice && vanishedRecord != BonjourRecord() &&
               listedRecords.contains(vanishedRecord)) {
        // Back before the user chose another one.
        chooseRow(vanishedRecord);
        vanishedRecord = BonjourRecord();
        showNotice(QString());
    } else if (!hadChoice && pageMayChoose && !listedRecords.isEmpty()) {
        chooseRow(listedRecords.first());
        defaultRecord = listedRecords.first();
    }
    enableNextButton();
    tellPagesAnnounced();
    emptyListHint->setListEmpty(listedRecords.isEmpty());
}

// The open pages say so while their speaker is not announced.
void Client::tellPagesAnnounced()
{
    const bool announced = pagesRecord == BonjourRecord() || listedRecords.contains(pagesRecord);
    if (wlanPage)
        wlanPage->setSpeakerAnnounced(announced);
    if (settingsPage)
        settingsPage->setSpeakerAnnounced(announced);
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

// The chosen speaker located, or not: its URL, its pages, and the device query.
void Client::connectToServer(const ReachResult &result)
{
    if (reach) {
        reach->deleteLater();
        reach = nullptr;
    }
    if (result.url.isEmpty()) {
        reportResolveFailure();
        return;
    }

    const QString &url = result.url;
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
    const BonjourRecord record = resolvingRecord;
    pagesRecord = record;
    wizardData.listedName = record.instanceName;
    Client_WLANs *page = new Client_WLANs(nullptr, waits);
    wlanPage = page;
    connect(page, &Client_WLANs::saveStarted, this,
            [this, record](SettingsSave *save) { adoptSave(save, record); });
    tellPagesAnnounced();
    page->show();

    // Each query is a request of its own: an answer that comes after another speaker was
    // located is known by its request, whatever its address.
    query = new SpeakerRequest(url, SpeakerApi::queryBody(), "Client reply received",
                               waits.requestDeadline, this);
    connect(query, &SpeakerRequest::finished, this, &Client::replyFinished);

    busyLabel->hide();
    enableNextButton();
}

void Client::replyFinished(const SpeakerApi::Transfer &transfer, const QByteArray &body)
{
    SpeakerRequest *request = qobject_cast<SpeakerRequest *>(sender());
    if (!request)
        return;
    request->deleteLater();
    // The user has chosen another speaker since: its details are not this one's.
    if (request != query) {
        qDebug() << "Reply from" << LogText(QUrl(request->url(), QUrl::TolerantMode).toString())
                 << "ignored, another speaker is chosen";
        return;
    }
    // Any answer, usable or not, lets the user pick a speaker again.
    query = nullptr;
    enableNextButton();

    SpeakerApi::DeviceInfo device;
    if (SpeakerApi::readQueryAnswer(transfer, body, &device) != SpeakerApi::AnswerProblem::None)
        return;
    wizardData.setName(device.name);
    wizardData.model = device.model;
    wizardData.softwareVer = device.softwareVer;
    wizardData.hardwareVer = device.hardwareVer;
    wizardData.setIP(device.ip);
}

void Client::requestWlans()
{
    // A key press queued behind a box may come when there is nothing to go on with.
    const QList<QTreeWidgetItem *> selection = treeWidget->selectedItems();
    if (selection.isEmpty() || reach || query)
        return;

    // The user moves on: what the page said of earlier speakers is done.
    showNotice(QString());
    returnLines.clear();
    returnLabel->hide();
    networkSwitch->withdraw();
    const QTreeWidgetItem *item = selection.first();
    resolvingRecord = rowRecord(item);
    wizardData.setName(resolvingRecord.instanceName);

    // Reached as every speaker is; the page asks for the device information itself, once its
    // WLAN page has sent the scan.
    ReachOptions options(waits);
    options.askDevice = false;
    reach = new SpeakerReach(SpeakerTarget::of(resolvingRecord), options, this);
    connect(reach, &SpeakerReach::finished, this, &Client::connectToServer);
    busyMovie->start();
    busyLabel->show();
    enableNextButton();
    reach->start();
}

// "Next >>" goes on with the chosen speaker, and with nothing else.
void Client::enableNextButton()
{
    nextButton->setEnabled(!quitting && !reach && !query && !treeWidget->selectedItems().isEmpty());
}

void Client::reportResolveFailure()
{
    busyMovie->stop();
    busyLabel->hide();
    enableNextButton();
    // While the DNS-SD service is away nothing can be reached; the list's line tells why.
    if (browseUnavailable) {
        showNotice(tr(searchUnavailableText));
        return;
    }
    showInformation(QT_TR_NOOP("The speaker could not be reached. Check that it is switched on and "
                               "on the same network as this computer, then choose it again."),
                    QString());
}

void Client::reportBrowseFailure()
{
    // The list fills by itself once the service answers again.
    browseRetryTimer->start(waits.browseRetryInterval);
    browseUnavailable = true;
    emptyListHint->setSearchUnavailable(true);
}

void Client::retryBrowse()
{
    browser->browseForServiceType(serviceType);
}

// Running again: a later failure is news to the user.
void Client::noteBrowseStarted()
{
    browseUnavailable = false;
    emptyListHint->setSearchUnavailable(false);
    if (noticeLabel->text() == tr(searchUnavailableText))
        showNotice(QString());
}

// The selection changed: by the user's hand, what the page said of earlier choices is done.
void Client::noteChoice()
{
    enableNextButton();
    if (pageSelects)
        return;
    pageMayChoose = false;
    vanishedRecord = BonjourRecord();
    showNotice(QString());
    returnLines.clear();
    returnLabel->hide();
    networkSwitch->withdraw();
}

void Client::chooseRow(const BonjourRecord &record)
{
    const int row = listedRecords.indexOf(record);
    if (row < 0)
        return;
    const QScopedValueRollback<bool> byPage(pageSelects, true);
    treeWidget->setCurrentItem(treeWidget->topLevelItem(row));
}

void Client::showNotice(const QString &text)
{
    noticeLabel->setText(text);
    noticeLabel->setVisible(!text.isEmpty());
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

// Asked while a save's answer or saved speakers are awaited: the outcome would be lost.
void Client::reject()
{
    if ((watchers.isEmpty() && saves.isEmpty()) || quitConfirmed) {
        QDialog::reject();
        return;
    }
    // "Yes" was said: the program ends once the answers are in.
    if (quitting)
        return;
    if (quitBox) {
        quitBox->raise();
        quitBox->activateWindow();
        return;
    }
    quitBox = showQuestionBox(this, tr("Quit"), quitQuestion(), tr("Yes"), tr("No"),
                              [this] { quitAnyway(); });
}

// Names each speaker whose save is in flight, and the speakers awaited after their saves.
QString Client::quitQuestion() const
{
    if (saves.isEmpty()) {
        return watchers.size() == 1
            ? tr("The configurator is still waiting for the speaker \"%1\" to come back. Quit "
                 "anyway?")
                  .arg(watchers.first()->saved().name)
            : tr("The configurator is still waiting for %1 speakers to come back. Quit anyway?")
                  .arg(watchers.size());
    }
    QStringList sentences;
    for (const QPair<SettingsSave *, QString> &save : saves)
        sentences.append(
            tr("The speaker \"%1\" has not yet answered whether it takes the settings.")
                .arg(save.second));
    if (watchers.size() == 1)
        sentences.append(tr("The configurator is also waiting for the speaker \"%1\" to come "
                            "back.")
                             .arg(watchers.first()->saved().name));
    else if (watchers.size() > 1)
        sentences.append(tr("The configurator is also waiting for %1 speakers to come back.")
                             .arg(watchers.size()));
    sentences.append(saves.size() == 1 ? tr("Quit once the answer is in?")
                                       : tr("Quit once the answers are in?"));
    return sentences.join(QLatin1Char(' '));
}

// The question follows what is awaited, and goes as "No" once nothing is.
void Client::updateQuitQuestion()
{
    if (!quitBox)
        return;
    if (watchers.isEmpty() && saves.isEmpty())
        quitBox->close();
    else
        quitBox->setText(quitQuestion());
}

// With the last window closed the program ends: the other pages go too. A save in flight is
// waited for first, and its box read.
void Client::quitAnyway()
{
    if (settingsPage)
        settingsPage->hide();
    if (wlanPage)
        wlanPage->hide();
    quitting = true;
    enableNextButton();
    showWaiting();
    quitWhenAnswered();
}

void Client::quitWhenAnswered()
{
    if (!quitting || !saves.isEmpty())
        return;
    const QList<QMessageBox *> boxes = findChildren<QMessageBox *>();
    for (QMessageBox *box : boxes) {
        if (box != quitBox && box->isVisible()) {
            connect(box, &QDialog::finished, this, &Client::quitWhenAnswered, Qt::UniqueConnection);
            return;
        }
    }
    quitConfirmed = true;
    QDialog::reject();
}

// A save outlives the pages that a new choice of speaker deletes: the list takes it over.
void Client::adoptSave(SettingsSave *save, const BonjourRecord &record)
{
    save->setParent(this);
    save->setFallbackWindow(this);
    connect(save, &SettingsSave::saved, this, [this, save, record] {
        SavedSettings saved = save->settings();
        saved.record = record;
        showSaved(record);
        watchSpeaker(saved);
        networkSwitch->offer(saved.ssid);
    });
    saves.append(qMakePair(save, record.instanceName));
    // Done once the save has started the watch for its speaker and shown its box.
    connect(save, &SettingsSave::finished, this, [this, save] { forgetSave(save); });
    updateQuitQuestion();
}

void Client::forgetSave(const SettingsSave *save)
{
    for (int index = 0; index < saves.size(); ++index) {
        if (saves.at(index).first == save)
            saves.removeAt(index--);
    }
    showWaiting();
    updateQuitQuestion();
    quitWhenAnswered();
}

// The saved speaker reboots: its row is no choice to go on with, and the wait and its outcome
// are shown here, also when the list had been closed.
void Client::showSaved(const BonjourRecord &record)
{
    pageMayChoose = false;
    const QList<QTreeWidgetItem *> selection = treeWidget->selectedItems();
    if (!selection.isEmpty() && rowRecord(selection.first()) == record) {
        const QScopedValueRollback<bool> byPage(pageSelects, true);
        treeWidget->clearSelection();
        treeWidget->setCurrentItem(nullptr);
    }
    if (vanishedRecord == record) {
        vanishedRecord = BonjourRecord();
        showNotice(QString());
    }
    show();
    raise();
    activateWindow();
}

// Each saved speaker is watched on its own, so the list and "Next >>" never wait for it.
void Client::watchSpeaker(const SavedSettings &saved)
{
    SpeakerWatcher *watcher = new SpeakerWatcher(saved, listedRecords, waits, this);
    connect(browser, SIGNAL(currentBonjourRecordsChanged(const QList<BonjourRecord> &)), watcher,
            SLOT(updateRecords(const QList<BonjourRecord> &)));
    connect(watcher, &SpeakerWatcher::speakerBack, this,
            [this, saved](const QString &name, const QString &ip, const BonjourRecord &record,
                          const QString &wlan) {
                BonjourRecord back = record;
                // Found by address, it is listed there under its new name.
                if (SpeakerTarget::isAddressRecord(record)) {
                    back.instanceName = name;
                    listAddressRecord(back);
                }
                showSpeakerBack(saved, ip, back, wlan);
            });
    connect(watcher, &SpeakerWatcher::speakerKeptName, this,
            [this](const QString &name, const BonjourRecord &record) {
                showReturn(tr("The speaker \"%1\" came back but kept its old name: the settings "
                              "did not take.")
                               .arg(name),
                           record, Urgency::Urgent);
            });
    connect(watcher, &SpeakerWatcher::speakerNotAnswering, this, [this](const QString &name) {
        addReturnLine(tr("The speaker \"%1\" is back in the list but does not answer.").arg(name),
                      Urgency::Urgent);
    });
    connect(watcher, SIGNAL(speakerNotBack(const QString &)), this,
            SLOT(reportSpeakerNotBack(const QString &)));
    connect(watcher, &SpeakerWatcher::otherDeviceAnswered, this,
            [this](const QString &name, const QString &ip) {
                addReturnLine(tr("Another device answers under the name \"%1\", at IP address "
                                 "%2: it is not the speaker that was saved, which is still "
                                 "awaited.")
                                  .arg(name, ip),
                              Urgency::Polite);
            });
    connect(watcher, &SpeakerWatcher::finished, this, [this, watcher] {
        watchers.removeOne(watcher);
        watcher->deleteLater();
        showWaiting();
        updateQuitQuestion();
    });
    watchers.append(watcher);
    showWaiting();
    updateQuitQuestion();
}

// One line for all the speakers awaited; after "Quit", for the answers that the program waits for.
void Client::showWaiting()
{
    if (quitting && !saves.isEmpty()) {
        waitIndicator->setText(
            saves.size() == 1
                ? tr("Quitting once the speaker \"%1\" has answered…").arg(saves.first().second)
                : tr("Quitting once %1 speakers have answered…").arg(saves.size()));
        waitIndicator->start();
        return;
    }
    if (watchers.isEmpty()) {
        waitIndicator->stop();
        return;
    }
    waitIndicator->setText(
        watchers.size() == 1
            ? tr("Waiting for \"%1\" to come back…").arg(watchers.first()->saved().name)
            : tr("Waiting for %1 speakers to come back…").arg(watchers.size()));
    waitIndicator->start();
}

// What the speaker's answer shows, and no more: a name it had already proves nothing, and the
// WLAN is known only where it tells it.
void Client::showSpeakerBack(const SavedSettings &saved, const QString &ip,
                             const BonjourRecord &record, const QString &wlan)
{
    QString text;
    if (!wlan.isEmpty() && wlan == saved.ssid)
        text = tr("The speaker \"%1\" is back on the network, on the WLAN \"%2\", IP address %3.")
                   .arg(saved.name, wlan, ip);
    else if (!wlan.isEmpty())
        text = tr("The speaker \"%1\" is back on the network, but on another WLAN: \"%2\" "
                  "instead of \"%3\". IP address %4.")
                   .arg(saved.name, wlan, saved.ssid, ip);
    else if (saved.name != saved.oldName())
        text = tr("The speaker \"%1\" is back on the network under its new name, IP address %2.")
                   .arg(saved.name, ip);
    else
        text = tr("The speaker \"%1\" is back on the network, IP address %2. Whether it joined "
                  "the WLAN \"%3\" cannot be told from here.")
                   .arg(saved.name, ip, saved.ssid);
    showReturn(text, record, Urgency::Polite);
}

void Client::reportSpeakerNotBack(const QString &name)
{
    const auto *watcher = qobject_cast<const SpeakerWatcher *>(sender());
    const QString ssid = watcher ? watcher->saved().ssid : QString();
    networkSwitch->findOtherWlan(ssid, [this, name, ssid](const QString &otherWlan) {
        // From another WLAN this computer cannot see the speaker, whatever its password.
        if (!otherWlan.isEmpty()) {
            showInfoBox(this, tr("Info"),
                        tr("The speaker \"%1\" has not come back on the network.\n\nThis "
                           "computer was on the WLAN \"%2\", not on \"%3\", the WLAN that the "
                           "speaker was sent into, and can see the speaker only from there. "
                           "Switch this computer to \"%3\", then look for the speaker in the "
                           "list.")
                            .arg(name, otherWlan, ssid),
                        QStringLiteral("OK"));
            return;
        }
        // A wrong password is the usual cause: it is not offered to the next speaker.
        if (wizardData.savedWlan.ssid == ssid)
            wizardData.savedWlan.password.clear();
        showInformation(
            QT_TR_NOOP("The speaker \"%1\" has not come back on the network.\n\nPlease check:\n"
                       "- the WLAN password: a wrong password is the usual cause;\n- that this "
                       "computer is on the home WLAN now: if it was joined to the speaker's own "
                       "network, join the home WLAN again;\n- a speaker that joined no network "
                       "must be reset and set up again."),
            name);
    });
}

// The returned speaker's row becomes the choice, unless the user has chosen another one or
// waits for one that is no longer announced.
void Client::showReturn(const QString &text, const BonjourRecord &record, Urgency urgency)
{
    addReturnLine(text, urgency);
    const QList<QTreeWidgetItem *> selection = treeWidget->selectedItems();
    if (!selection.isEmpty() && rowRecord(selection.first()) != defaultRecord)
        return;
    if (vanishedRecord != BonjourRecord() || !listedRecords.contains(record))
        return;
    chooseRow(record);
    defaultRecord = record;
}

// Each return keeps its line until the user moves on; screen readers hear the lines again with
// the new one.
void Client::addReturnLine(const QString &text, Urgency urgency)
{
    returnLines.append(text);
    returnLabel->setUrgency(urgency);
    returnLabel->setText(returnLines.join(QLatin1Char('\n')));
    returnLabel->show();
}

void Client::askForAddress()
{
    AddressDialog *dialog = new AddressDialog(givenAddresses, waits, this);
    connect(dialog, &AddressDialog::speakerFound, this, &Client::addAddressRow);
    connect(dialog, &QDialog::finished, this, [this, dialog] {
        givenAddresses = dialog->givenAddresses();
        dialog->deleteLater();
    });
    dialog->open();
}

// The speaker found becomes the user's choice, as if chosen in the list.
void Client::addAddressRow(const BonjourRecord &record)
{
    listAddressRecord(record);
    treeWidget->setCurrentItem(treeWidget->topLevelItem(listedRecords.indexOf(record)));
}

// One row for each address: a speaker that tells another name there replaces the one listed.
void Client::listAddressRecord(const BonjourRecord &record)
{
    const auto same = std::find_if(
        addressRecords.begin(), addressRecords.end(),
        [&record](const BonjourRecord &listed) { return listed.domain == record.domain; });
    if (same == addressRecords.end())
        addressRecords.append(record);
    else
        *same = record;
    updateRecords(announcedRecords);
}
