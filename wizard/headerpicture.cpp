#include "headerpicture.h"

#include "pixelratio.h"

#include <QLabel>
#include <QPixmap>
#include <QString>

QLabel *headerPictureLabel(const QString &path)
{
    QPixmap picture(path);
    // Not resampled: the ratio only changes the size the picture is laid out at.
    picture.setDevicePixelRatio(devicePixelRatio());
    QLabel *label = new QLabel;
    label->setPixmap(picture);
    return label;
}
