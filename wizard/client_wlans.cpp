#include "client_wlans.h"

#include "accessible.h"
#include "busyindicator.h"
#include "client_settings.h"
#include "headerpicture.h"
#include "infobox.h"
#include "knownwlans.h"
#include "logtext.h"
#include "speakerapi.h"
#include "wizarddata.h"

#include <QDebug>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QJsonObject>
#include <QLabel>
#include <QNetworkReply>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

namespace {

// A row's mark, as a second line under its SSID; screen readers hear it as the row's
// description.
class MarkedRowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString mark = index.data(Qt::AccessibleDescriptionRole).toString();
        if (index.column() == 0 && !mark.isEmpty())
            option->text += QChar(QChar::LineSeparator) + mark;
    }
};

QStringList rowSsids(const QTreeWidget *tree)
{
    QStringList ssids;
    for (int row = 0; row < tree->topLevelItemCount(); ++row)
        ssids.append(tree->topLevelItem(row)->text(0));
    return ssids;
}

} // namespace

Client_WLANs::Client_WLANs(QWidget *parent, const NetworkWaits &waits)
    : QDialog(parent), waits(waits), speakerUrl(wizardData.url), listedName(wizardData.listedName),
      knownText(tr("Known to this computer")),
      connectedText(tr("Known to this computer, connected now")), userChose(false),
      choiceGone(false), pageSelects(false), scanning(false), speakerAnnounced(true)
{
    resize(640, 550);

    wlanTree = new QTreeWidget(this);
    wlanTree->setHeaderLabels(QStringList() << tr("SSID") << tr("Sig"));
    wlanTree->setColumnWidth(0, 200);
    wlanTree->setColumnWidth(1, 30);
    wlanTree->setAccessibleName(tr("WLANs the speaker sees"));
    wlanTree->setItemDelegate(new MarkedRowDelegate(wlanTree));
    connect(wlanTree, SIGNAL(itemSelectionChanged()), this, SLOT(noteChoice()));

    QLabel *headerLabel =
        headerPictureLabel(QStringLiteral("Funk"), tr("A radio mast sending to a speaker"));

    hintLabel = new QLabel(tr("Please select your private WLAN\n  "));

    // A failed rescan and a choice that went are told here, not in a box: the rows stay usable.
    // Either asks the user to choose again.
    statusLabel = new AnnouncedLabel(Urgency::Urgent);
    statusLabel->hide();

    rescanButton = new QPushButton(tr("Rescan"));
    rescanButton->setEnabled(false);
    // A key of its own, beside the button's access key.
    new QShortcut(QKeySequence(Qt::Key_F5), this, SLOT(rescan()));
    otherButton = new QPushButton(tr("Other network…"));
    otherButton->setAccessibleDescription(tr("A WLAN that the speaker does not list"));

    backButton = new QPushButton(tr("<< Back"));
    nextButton = new QPushButton(tr("Next >>"));
    nextButton->setDefault(true);
    nextButton->setEnabled(false);

    connect(nextButton, SIGNAL(clicked()), this, SLOT(setSSID()));
    connect(backButton, SIGNAL(clicked()), this, SLOT(close()));
    connect(rescanButton, SIGNAL(clicked()), this, SLOT(rescan()));
    connect(otherButton, SIGNAL(clicked()), this, SLOT(typeOtherNetwork()));

    busyIndicator = new BusyIndicator(tr("The speaker is looking for WLANs…"),
                                      tr("Waiting for the speaker's WLANs"));

    // Which speaker the page is for, by its name on the speaker list; never markup.
    QLabel *speakerLabel = new QLabel;
    speakerLabel->setTextFormat(Qt::PlainText);
    speakerLabel->setText(tr("Speaker: %1").arg(wizardData.listedName));
    QVBoxLayout *top = new QVBoxLayout;
    top->addWidget(headerLabel);
    top->addWidget(speakerLabel);
    // Something to act on: the rows may be those of a speaker that has gone.
    speakerGoneLabel = new AnnouncedLabel(Urgency::Urgent);
    speakerGoneLabel->hide();
    top->addWidget(speakerGoneLabel);

    QHBoxLayout *scanButtons = new QHBoxLayout;
    scanButtons->addWidget(rescanButton);
    scanButtons->addWidget(otherButton);

    QGridLayout *layout = new QGridLayout;
    layout->addLayout(top, 0, 0, 1, 4);
    layout->addWidget(wlanTree, 1, 0, 2, 4);
    layout->addWidget(hintLabel, 3, 0, 1, 2);
    layout->addLayout(scanButtons, 3, 2, 1, 2);
    layout->addWidget(statusLabel, 4, 0, 1, 4);
    layout->addWidget(busyIndicator, 5, 0, 1, 2);
    layout->addWidget(backButton, 5, 2, 1, 1);
    layout->addWidget(nextButton, 5, 3, 1, 1);
    setLayout(layout);
    giveAccessKeys({ nextButton, backButton, rescanButton, otherButton });

    setWindowTitle(tr("Select WLAN"));
    wlanTree->setFocus(Qt::OtherFocusReason);

    // The WLANs this computer knows come when they come, before the scan's rows or after.
    if (knownWlans) {
        connect(knownWlans, &KnownWlans::ready, this, &Client_WLANs::markKnownRows);
        knownWlans->refresh();
    }
    scan();
}

// Told by the speaker list, which follows the announcements; passed on to a settings page opened
// from here.
void Client_WLANs::setSpeakerAnnounced(bool announced)
{
    speakerAnnounced = announced;
    speakerGoneLabel->setText(
        announced ? QString() : tr("The speaker \"%1\" is no longer announced.").arg(listedName));
    speakerGoneLabel->setVisible(!announced);
}

void Client_WLANs::scan()
{
    scanning = true;
    rescanButton->setEnabled(false);
    SpeakerApi::postRequest(this, speakerUrl, SpeakerApi::wifiscanBody(), waits.requestDeadline);
    busyIndicator->start();
}

// "Rescan" and F5: the same scan again, while none is in flight.
void Client_WLANs::rescan()
{
    if (scanning)
        return;
    showStatus(QString());
    choiceGone = false;
    scan();
}

void Client_WLANs::replyFinished(QNetworkReply *reply)
{
    scanning = false;
    rescanButton->setEnabled(true);
    busyIndicator->stop();
    const QByteArray body = SpeakerApi::readReply(reply, "Client WLANS  reply received");
    const SpeakerApi::Transfer transfer = SpeakerApi::transferOf(reply);
    SpeakerApi::endRequest(reply);
    QList<SpeakerApi::AccessPoint> accessPoints;
    const SpeakerApi::AnswerProblem problem =
        SpeakerApi::readWifiscanAnswer(transfer, body, &accessPoints);
    if (problem != SpeakerApi::AnswerProblem::None || accessPoints.isEmpty()) {
        showScanProblem(problem);
        return;
    }
    showRows(accessPoints);
}

// Rows that an earlier scan brought stay, and a line says why; without them, a box.
void Client_WLANs::showScanProblem(SpeakerApi::AnswerProblem problem)
{
    const bool keepRows = wlanTree->topLevelItemCount() > 0;
    switch (problem) {
    case SpeakerApi::AnswerProblem::None:
        if (keepRows)
            showStatus(tr("The speaker found no WLANs this time. The list shows those it found "
                          "before."));
        else
            showInfo(tr("The speaker found no WLANs. Check that your WLAN router is switched on, "
                        "then go back and choose the speaker again."));
        break;
    case SpeakerApi::AnswerProblem::NotSent:
        if (keepRows)
            showStatus(tr("The speaker could not be reached for a new search. The list shows the "
                          "WLANs it found before."));
        else
            showInfo(tr("The speaker could not be reached. Check that it is switched on and on "
                        "the same network as this computer, then go back and choose it again."));
        break;
    case SpeakerApi::AnswerProblem::NoAnswer:
        if (keepRows)
            showStatus(tr("The speaker did not answer the new search. The list shows the WLANs "
                          "it found before."));
        else
            showInfo(tr("The speaker did not answer. Check that it is switched on, then go back "
                        "and choose it again."));
        break;
    case SpeakerApi::AnswerProblem::Unusable:
        if (keepRows)
            showStatus(tr("The speaker's answer to the new search could not be used. The list "
                          "shows the WLANs it found before."));
        else
            showInfo(tr("The speaker's answer could not be used. Go back and choose it again; if "
                        "that does not help, switch the speaker off and on."));
        break;
    case SpeakerApi::AnswerProblem::TooLarge:
        if (keepRows)
            showStatus(tr("The speaker's answer to the new search was too large to use. The list "
                          "shows the WLANs it found before."));
        else
            showInfo(tr("The speaker's answer was too large to use. Go back and choose it again; "
                        "if that does not help, switch the speaker off and on."));
        break;
    }
}

// The scan's rows in place of the earlier ones; the user's choice stays while it is listed.
void Client_WLANs::showRows(const QList<SpeakerApi::AccessPoint> &accessPoints)
{
    {
        const QScopedValueRollback<bool> byPage(pageSelects, true);
        wlanTree->clear();
        encryptTypes.clear();
        for (const SpeakerApi::AccessPoint &accessPoint : accessPoints) {
            // Numbered as the left-out lines are: by the place in the speaker's list.
            qDebug() << "#" << accessPoint.position << " SSID: " << LogText(accessPoint.ssid);
            new QTreeWidgetItem(wlanTree,
                                QStringList() << accessPoint.ssid << accessPoint.signalLevel);
            encryptTypes.append(accessPoint.encryptType);
        }
    }
    markKnownRows();
    if (userChose) {
        const int row = userChoice.isEmpty() ? -1 : rowSsids(wlanTree).indexOf(userChoice);
        if (row >= 0) {
            selectRow(row);
        } else if (!userChoice.isEmpty()) {
            // No other WLAN becomes the user's choice behind their back.
            showStatus(tr("The WLAN \"%1\" is no longer listed. Choose one.").arg(userChoice));
            choiceGone = true;
        }
    }
    enableNextButton();
}

// The page's own choice, while the user has made none.
void Client_WLANs::chooseRow()
{
    if (userChose || wlanTree->topLevelItemCount() == 0)
        return;
    const QStringList ssids = rowSsids(wlanTree);
    int row = wizardData.savedWlan.isEmpty() ? -1 : ssids.indexOf(wizardData.savedWlan.ssid);
    if (row < 0 && knownWlans && knownWlans->isReady())
        row = knownWlans->initialRow(ssids);
    selectRow(row < 0 ? 0 : row);
}

void Client_WLANs::selectRow(int row)
{
    const QScopedValueRollback<bool> byPage(pageSelects, true);
    wlanTree->setCurrentItem(wlanTree->topLevelItem(row));
}

// The rows of WLANs that this computer knows carry a mark; the page's choice follows them.
void Client_WLANs::markKnownRows()
{
    bool marked = false;
    for (int row = 0; row < wlanTree->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = wlanTree->topLevelItem(row);
        const KnownWlan known =
            knownWlans && knownWlans->isReady() ? knownWlans->wlan(item->text(0)) : KnownWlan();
        const QString mark = known.ssid.isEmpty() ? QString()
            : known.connected                     ? connectedText
                                                  : knownText;
        item->setData(0, Qt::AccessibleDescriptionRole, mark);
        marked = marked || !mark.isEmpty();
    }
    // A mark is shown whole, not cut short.
    if (marked) {
        const QAbstractItemView *view = wlanTree; // where the width is public
        const int fitting = qMin(view->sizeHintForColumn(0), wlanTree->viewport()->width() * 3 / 4);
        wlanTree->setColumnWidth(0, qMax(200, fitting));
    }
    chooseRow();
}

// The selection changed by the user's hand: theirs is the choice from now on.
void Client_WLANs::noteChoice()
{
    if (pageSelects)
        return;
    userChose = true;
    const QList<QTreeWidgetItem *> selection = wlanTree->selectedItems();
    userChoice = selection.isEmpty() ? QString() : selection.first()->text(0);
    if (choiceGone) {
        choiceGone = false;
        showStatus(QString());
    }
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
    openSettings(Client_Settings::WlanEntry::Chosen);
}

// A WLAN that the speaker does not list: its name is typed on the settings page.
void Client_WLANs::typeOtherNetwork()
{
    openSettings(Client_Settings::WlanEntry::Typed);
}

void Client_WLANs::openSettings(Client_Settings::WlanEntry entry)
{
    hide();
    // A settings page left by "<< Back" is replaced, not kept beside the new one.
    delete settingsPage;
    Client_Settings *page = new Client_Settings(nullptr, entry, waits);
    settingsPage = page;
    page->setSpeakerAnnounced(speakerAnnounced);
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

void Client_WLANs::showStatus(const QString &text)
{
    statusLabel->setText(text);
    statusLabel->setVisible(!text.isEmpty());
}

void Client_WLANs::showInfo(const QString &text)
{
    // The button reads "OK" in every language.
    showInfoBox(this, tr("Info"), text, QStringLiteral("OK"));
}
