#ifndef BUSYINDICATOR_H
#define BUSYINDICATOR_H

#include <QWidget>

class AnnouncedLabel;
class QLabel;
class QMovie;

// The pages' sign that they wait for the speaker: the busy animation with one
// line saying what for, which screen readers hear when it shows and when it changes. Hidden
// until start().
class BusyIndicator : public QWidget
{
    Q_OBJECT

public:
    // text: the line shown; name: what a screen reader calls the animation. Both already
    // translated in the page's context.
    BusyIndicator(const QString &text, const QString &name, QWidget *parent = nullptr);

    void start();
    void stop();
    // The line, for a wait whose object changes while it lasts.
    void setText(const QString &text);

private:
    QLabel *movieLabel;
    AnnouncedLabel *textLabel;
    QMovie *busyMovie;
};

#endif // BUSYINDICATOR_H
