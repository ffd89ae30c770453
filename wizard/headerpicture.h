#ifndef HEADERPICTURE_H
#define HEADERPICTURE_H

class QLabel;
class QString;

// A label showing the header picture NAME ("Palette", "Funk" or "Ovix") across the
// page's width on a screen of the start-up's device pixel ratio, one picture pixel
// per device pixel. Screen readers hear DESCRIPTION. Where the screen is too low for
// the page, the picture gives way first: whenever the page is shown or laid out, it
// is scaled down with its aspect kept to what the screen's available height leaves,
// and the page is made no higher than that.
QLabel *headerPictureLabel(const QString &name, const QString &description);

#endif // HEADERPICTURE_H
