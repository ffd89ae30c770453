#ifndef INFOBOX_H
#define INFOBOX_H

class QString;
class QWidget;

// The pages' one kind of message: a modal information box over page with a
// single button, texts already translated in the page's context and shown as
// plain text. It returns at once, without an event loop of its own, so that a
// reply handler that shows it ends before the user answers; the box deletes
// itself when closed, or goes with its page.
void showInfoBox(QWidget *page, const QString &title, const QString &text,
                 const QString &buttonText);

#endif // INFOBOX_H
