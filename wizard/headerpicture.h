#ifndef HEADERPICTURE_H
#define HEADERPICTURE_H

class QLabel;
class QString;

// A label showing the header picture NAME ("Palette", "Funk" or "Ovix") across the
// page's width on a screen of the start-up's device pixel ratio, one picture pixel
// per device pixel. Screen readers hear DESCRIPTION.
QLabel *headerPictureLabel(const QString &name, const QString &description);

#endif // HEADERPICTURE_H
