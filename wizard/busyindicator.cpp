#include "busyindicator.h"

#include "accessible.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>

BusyIndicator::BusyIndicator(const QString &text, const QString &name, QWidget *parent)
    : QWidget(parent)
{
    movieLabel = busyAnimationLabel(name, this);
    busyMovie = movieLabel->movie();
    textLabel = new AnnouncedLabel(Urgency::Polite, this);
    textLabel->setText(text);

    QHBoxLayout *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(movieLabel);
    layout->addWidget(textLabel, 1);
    setLayout(layout);
    hide();
}

void BusyIndicator::start()
{
    busyMovie->start();
    show();
}

void BusyIndicator::stop()
{
    busyMovie->stop();
    hide();
}

void BusyIndicator::setText(const QString &text)
{
    textLabel->setText(text);
}
