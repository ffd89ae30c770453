#ifndef INFOBOX_H
#define INFOBOX_H

#include <functional>

class QMessageBox;
class QString;
class QWidget;

// The pages' one kind of message: a modal information box over page with a
// single button, texts already translated in the page's context and shown as
// plain text. It returns at once, without an event loop of its own, so that a
// reply handler that shows it ends before the user answers; the box deletes
// itself when closed, or goes with its page.
void showInfoBox(QWidget *page, const QString &title, const QString &text,
                 const QString &buttonText);

// The pages' one kind of question, built as the information box: modal over page, texts already
// translated in the page's context and shown as plain text, returning at once. noText is the
// default button and the one that Escape presses; yes runs when the user presses yesText.
QMessageBox *showQuestionBox(QWidget *page, const QString &title, const QString &text,
                             const QString &yesText, const QString &noText,
                             const std::function<void()> &yes);

#endif // INFOBOX_H
