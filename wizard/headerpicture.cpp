#include "headerpicture.h"

#include "pixelratio.h"

#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QtMath>

namespace {
const int pictureWidth = 640; // device-independent pixels, as the pages are laid out
}

QLabel *headerPictureLabel(const QString &name, const QString &description)
{
    const double ratio = devicePixelRatio();
    // Above 100 % the picture comes from the rendering at twice the size, scaled down
    // smoothly to the screen's pixels: never enlarged, and at 100 % and 200 % as rendered.
    const int rendered = ratio > 1.0 ? 2 * pictureWidth : pictureWidth;
    QPixmap picture(QStringLiteral(":/GRAFX/%1_%2px.png").arg(name).arg(rendered));
    const int width = qRound(pictureWidth * ratio);
    if (picture.width() != width)
        picture = picture.scaledToWidth(width, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);

    QLabel *label = new QLabel;
    label->setPixmap(picture);
    label->setAccessibleName(description);
    return label;
}
