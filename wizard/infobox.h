#ifndef INFOBOX_H
#define INFOBOX_H

class QString;
class QWidget;

// The pages' one kind of message: a modal information box over page with a
// single button, texts already translated in the page's context.
void showInfoBox(QWidget *page, const QString &title, const QString &text,
                 const QString &buttonText);

#endif // INFOBOX_H
