#ifndef ACCESSIBLE_H
#define ACCESSIBLE_H

class QLabel;
class QString;
class QWidget;

// The busy animation, drawn for the start-up's device pixel ratio; start and stop it
// through label->movie(). Screen readers hear NAME, what is being waited for, and
// hear it busy only while it is shown and the animation runs.
QLabel *busyAnimationLabel(const QString &name, QWidget *parent);

// The label in front of FIELD; screen readers announce the field by the label's text.
QLabel *fieldLabel(const QString &text, QWidget *field);

#endif // ACCESSIBLE_H
