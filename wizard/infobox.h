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
// itself when closed, or goes with its page. Sized by fitMessageBox().
void showInfoBox(QWidget *page, const QString &title, const QString &text,
                 const QString &buttonText);

// Makes box show all of its text whenever it is shown or laid out again: the
// text wraps at the box's width, inside a word too long for a line as well, and
// the box grows with it to lines of a readable length but at most two thirds of
// its screen's width (the whole width where the screen is too low for the text
// otherwise), and as high as the text needs. box->text() stays as it was set.
// Call it before the box is shown.
void fitMessageBox(QMessageBox *box);

// The pages' one kind of question, built as the information box: modal over page, texts already
// translated in the page's context and shown as plain text, returning at once. noText is the
// default button and the one that Escape presses; yes runs when the user presses yesText.
QMessageBox *showQuestionBox(QWidget *page, const QString &title, const QString &text,
                             const QString &yesText, const QString &noText,
                             const std::function<void()> &yes);

#endif // INFOBOX_H
