#include "headerpicture.h"

#include "pixelratio.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>
#include <QString>
#include <QStyle>
#include <QWidget>
#include <QtMath>

namespace {
const int pictureWidth = 640; // device-independent pixels, as the pages are laid out
// Wayland tells a program no work area: its screen's available geometry is the whole screen,
// while the desktop's panels (GNOME's and weston's 32 pixels, Plasma's 44) still take their
// share. Pages leave that much room there.
const int waylandPanelRoom = 48;

// The part of the screen that a page may take.
QRect availableRoom(const QScreen *screen)
{
    QRect available = screen->availableGeometry();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
        available == screen->geometry())
        available.setTop(available.top() + waylandPanelRoom);
    return available;
}

// The window frame that the window manager adds around window, as far as it is known: until a
// page is first shown only another shown window tells it.
QMargins windowFrame(const QWidget *window)
{
    const auto frameOf = [](const QWidget *shown) {
        const QRect frame = shown->frameGeometry();
        const QRect inner = shown->geometry();
        return QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                        frame.right() - inner.right(), frame.bottom() - inner.bottom());
    };
    if (window->isVisible() && window->frameGeometry() != window->geometry())
        return frameOf(window);
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (const QWidget *other : windows) {
        if (other->isVisible() && other->isWindow() && other->frameGeometry() != other->geometry())
            return frameOf(other);
    }
    return QMargins();
}

// Shows the picture across the page, and on a screen too low for the page scaled down with
// its aspect kept, so that the page's fields and buttons stay on the screen.
class HeaderPicture : public QLabel
{
public:
    explicit HeaderPicture(const QPixmap &picture)
        : naturalSize(picture.size() / picture.devicePixelRatio()),
          shownHeight(naturalSize.height())
    {
        setPixmap(picture);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override { return QSize(naturalSize.width(), shownHeight); }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void showEvent(QShowEvent *event) override
    {
        QLabel::showEvent(event);
        if (page != window()) {
            if (page)
                page->removeEventFilter(this);
            page = window();
            page->installEventFilter(this);
        }
        fitPage();
    }

    // The page's layout has taken the request already: the page's sizes are those of its
    // contents now, which may have grown.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == page && event->type() == QEvent::LayoutRequest && page->isVisible())
            fitPage();
        return false;
    }

    void paintEvent(QPaintEvent *) override
    {
        const QPixmap picture = pixmap(Qt::ReturnByValue);
        QPainter painter(this);
        if (shownHeight == naturalSize.height()) {
            painter.drawPixmap(contentsRect().topLeft(), picture);
            return;
        }
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSize size = naturalSize.scaled(contentsRect().size(), Qt::KeepAspectRatio);
        painter.drawPixmap(QStyle::alignedRect(layoutDirection(), Qt::AlignHCenter | Qt::AlignTop,
                                               size, contentsRect()),
                           picture);
    }

private:
    // The picture gives way first: its height is what the screen leaves beside the page's
    // other parts at the least they take, never more than its own. The page is made no higher
    // than the screen, and one that was not placed is moved onto the screen.
    void fitPage()
    {
        QLayout *layout = page->layout();
        const QScreen *screen = page->screen();
        if (!layout || !screen || page->isMaximized() || page->isFullScreen())
            return;
        const QRect available = availableRoom(screen);
        const QMargins frame = windowFrame(page);
        const int room = available.height() - frame.top() - frame.bottom();
        const int others = layout->totalMinimumSize().height() - shownHeight;
        const int height = qBound(0, room - others, naturalSize.height());
        if (height != shownHeight) {
            shownHeight = height;
            updateGeometry();
            layout->activate();
        }
        if (page->height() > room)
            page->resize(page->width(), room);

        const QRect outer = page->geometry().marginsAdded(frame);
        if (!page->testAttribute(Qt::WA_Moved) && !available.contains(outer)) {
            QRect placed = outer;
            placed.moveCenter(available.center());
            placed.moveTop(qMax(available.top(), placed.top()));
            placed.moveLeft(qMax(available.left(), placed.left()));
            page->move(placed.topLeft());
            // Still where the window manager may place it.
            page->setAttribute(Qt::WA_Moved, false);
        }
    }

    const QSize naturalSize;
    int shownHeight;
    QPointer<QWidget> page;
};

} // namespace

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

    QLabel *label = new HeaderPicture(picture);
    label->setAccessibleName(description);
    return label;
}
