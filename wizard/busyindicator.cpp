#include "busyindicator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>

BusyIndicator::BusyIndicator(const QString &text, QWidget *parent) : QWidget(parent)
{
    busyMovie = new QMovie(QStringLiteral(":/GRAFX/ajax-loader.gif"), QByteArray(), this);
    movieLabel = new QLabel(this);
    movieLabel->setMovie(busyMovie);
    textLabel = new QLabel(text, this);
    textLabel->setWordWrap(true);

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
