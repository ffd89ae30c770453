#include "emptylisthint.h"

#include "accessible.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

EmptyListHint::EmptyListHint(const QString &askText, const EmptyListWaits &waits, QWidget *parent)
    : QWidget(parent), waits(waits), check(new EmptyListCheck(waits, this)),
      listTimer(new QTimer(this)), listEmpty(true), searchUnavailable(false)
{
    connect(check, &EmptyListCheck::found, this, &EmptyListHint::showReason);
    listTimer->setSingleShot(true);
    connect(listTimer, &QTimer::timeout, this, &EmptyListHint::askWhy);

    // A link in the page's text rather than one more button beside "Next >>".
    button = new QPushButton(askText, this);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    QPalette linkColours = button->palette();
    linkColours.setColor(QPalette::ButtonText, linkColours.color(QPalette::Link));
    button->setPalette(linkColours);
    connect(button, &QPushButton::clicked, this, &EmptyListHint::askWhy);

    line = new AnnouncedLabel(Urgency::Polite, this);
    // The commands it names are there to be copied.
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    line->hide();

    QHBoxLayout *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(button);
    buttonRow->addStretch();
    QVBoxLayout *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttonRow);
    layout->addWidget(line);

    listTimer->start(waits.listWait);
}

void EmptyListHint::setListEmpty(bool empty)
{
    if (empty == listEmpty)
        return;
    listEmpty = empty;
    // An empty list is waited for anew; a reason found for the last one tells nothing now.
    if (empty)
        listTimer->start(waits.listWait);
    else
        listTimer->stop();
    if (!searchUnavailable)
        showLine(QString());
    updateButton();
}

void EmptyListHint::setSearchUnavailable(bool unavailable)
{
    if (unavailable == searchUnavailable)
        return;
    searchUnavailable = unavailable;
    if (unavailable) {
        line->setUrgency(Urgency::Urgent);
        showLine(EmptyListReason { EmptyListReason::DnssdUnavailable, QString() }.text());
    } else {
        showLine(QString());
        if (listEmpty)
            listTimer->start(waits.listWait);
    }
    updateButton();
}

void EmptyListHint::askWhy()
{
    listTimer->stop();
    if (searchUnavailable || !listEmpty)
        return;
    check->start();
    updateButton();
}

void EmptyListHint::showReason(const EmptyListReason &reason)
{
    if (!searchUnavailable && listEmpty) {
        line->setUrgency(reason.cause == EmptyListReason::DnssdUnavailable ? Urgency::Urgent
                                                                           : Urgency::Polite);
        showLine(reason.text());
    }
    updateButton();
}

void EmptyListHint::showLine(const QString &text)
{
    line->setText(text);
    line->setVisible(!text.isEmpty());
}

// The question is asked of an empty list that the search could fill, one at a time.
void EmptyListHint::updateButton()
{
    button->setVisible(listEmpty && !searchUnavailable);
    button->setEnabled(!check->isRunning());
}
