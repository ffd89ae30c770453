#ifndef EMPTYLISTHINT_H
#define EMPTYLISTHINT_H

#include "emptylistcheck.h"

#include <QWidget>

class AnnouncedLabel;
class QPushButton;
class QTimer;

// Under the speaker list: one line that says why it is empty, once it has stayed empty for the
// list wait, or at once when the user asks with the button beside it. While the DNS-SD service
// does not answer, the line says so at once, whatever the list shows.
class EmptyListHint : public QWidget
{
    Q_OBJECT

public:
    // askText: the button's, already translated in the page's context.
    EmptyListHint(const QString &askText, const EmptyListWaits &waits, QWidget *parent = nullptr);

    QPushButton *askButton() const { return button; }

    void setListEmpty(bool empty);
    void setSearchUnavailable(bool unavailable);

private slots:
    void askWhy();
    void showReason(const EmptyListReason &reason);

private:
    void showLine(const QString &text);
    void updateButton();

    const EmptyListWaits waits;
    EmptyListCheck *check;
    QTimer *listTimer; // the empty list's wait
    QPushButton *button;
    AnnouncedLabel *line;
    bool listEmpty;
    bool searchUnavailable;
};

#endif // EMPTYLISTHINT_H
