#ifndef ACCESSIBLE_H
#define ACCESSIBLE_H

// What screen readers hear of the pages beyond what the toolkit tells them by itself.

#include <QLabel>
#include <QList>

class QShowEvent;
class QString;
class QWidget;

// The busy animation, drawn for the start-up's device pixel ratio; start and stop it
// through label->movie(). Screen readers hear NAME, what is being waited for, and
// hear it busy only while it is shown and the animation runs.
QLabel *busyAnimationLabel(const QString &name, QWidget *parent);

// The label in front of FIELD; screen readers announce the field by the label's text, with its
// description, as the focus comes to it.
QLabel *fieldLabel(const QString &text, QWidget *field);

// A value that the speaker told (or the page was given), shown as it is, never as markup, for
// what LABEL names ("Model:"). Screen readers hear the value by its own text, labelled by LABEL
// (the toolkit's label relation), and read the two once, as "Model: Ovix"; an empty value is
// not labelled.
QLabel *valueLabel(QLabel *label, const QString &value);

// What screen readers read after a control's name, such as why a field's text cannot be used.
// The toolkit tells them of every description set, changed or not; this tells them only of a
// new text, so that a description that follows the user's typing is heard once per change.
void setDescription(QWidget *control, const QString &text);

// Gives each of a page's CONTROLS an access key: Alt and a letter of the text that names it in
// the page's language, a button's own text or the text of a field's buddy label (fieldLabel()).
// The letters that begin a word come first; earlier controls choose first, and no two controls
// share a letter, so one call takes all the page's buttons and fields, once its layout is set
// (a field's label is found on the field's window). Letters outside A to Z, and digits, are left
// out; a control without a free letter gets no key, and a null control is passed over.
//
// The texts stay as the catalogues give them, without an ampersand: a button gets the key as
// its shortcut, which screen readers are told as the key binding of its "Press" action (set its
// text first: a new text takes the shortcut away); a field gets a shortcut of its own that
// gives it the keyboard focus, which the toolkit does not report (it takes a field's key binding
// from an ampersand in its label alone). Enter and Escape keep their meaning.
void giveAccessKeys(const QList<QWidget *> &controls);

// How soon the user should hear a line that changed.
enum class Urgency {
    // Information: what is being waited for, a speaker back as saved.
    Polite,
    // Something the user has to act on: a chosen speaker gone, one that did not take its
    // settings or does not answer, a search that is not available.
    Urgent,
};

// A line of a page that changes while the user is somewhere else: on another control, on
// another page, or away. Screen readers hear each text it shows, once: when it is shown (by
// itself or with its page or group) and when its text changes while shown; never an empty text,
// nor an unchanged one, nor a text changed while hidden until it shows.
//
// The toolkit's AT-SPI bridge (Qt 5.15 and 6.4) tells a screen reader of a label's new text only
// as a changed name, which Orca reads for the focused control alone; and it drops
// QAccessible::Alert. So the line is a "notification" to screen readers, and each new text is
// told as the notification showing, which Orca speaks wherever the focus is. An urgent line is
// also sent as an alert, which other platforms' screen readers speak at once.
//
// Set its text through this class (setText(), clear()): QLabel's own setText() is not virtual.
// The text is plain, never markup (lines name speakers as the network calls them), and wraps.
class AnnouncedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit AnnouncedLabel(Urgency urgency, QWidget *parent = nullptr);

    Urgency urgency() const { return lineUrgency; }
    // For the announcements to come, such as a line added to those shown.
    void setUrgency(Urgency urgency) { lineUrgency = urgency; }

    void setText(const QString &text);
    void clear() { setText(QString()); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void announce(bool tellShowing);

    Urgency lineUrgency;
};

#endif // ACCESSIBLE_H
