#ifndef HEADERPICTURE_H
#define HEADERPICTURE_H

class QLabel;
class QString;

// A label showing one of the 640-pixel header pictures at the start-up's device
// pixel ratio: one picture pixel per device pixel, laid out at 640 / ratio.
QLabel *headerPictureLabel(const QString &path);

#endif // HEADERPICTURE_H
