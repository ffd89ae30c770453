#include "infobox.h"

#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QtMath>

// In characters: wide enough that a German sentence keeps several words on each line.
static const int MinimumTextWidth = 50;

// The information symbol at the box's device pixels, or a null pixmap where the style's own has
// pixels enough. Styles and icon themes often have it only up to 32 or 48 pixels, which a
// screen above 100 % shows enlarged block by block; this one is drawn at the screen's pixels:
// a blue disc with a white "i".
static QPixmap sharpInformationSymbol(QMessageBox *box)
{
    QStyle *style = box->style();
    const int size = style->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, box);
    const qreal ratio = box->devicePixelRatioF();
    const int pixels = qCeil(size * ratio);
    const QIcon styleSymbol = style->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, box);
    if (styleSymbol.actualSize(QSize(pixels, pixels)).width() >= pixels)
        return QPixmap();

    QPixmap symbol(pixels, pixels);
    symbol.fill(Qt::transparent);
    QPainter painter(&symbol);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels / 32.0, pixels / 32.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1c, 0x5f, 0xbf));
    painter.drawEllipse(QRectF(1, 1, 30, 30));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(16, 9.5), 2.4, 2.4);
    painter.drawRoundedRect(QRectF(14, 14, 4, 11.5), 1.2, 1.2);
    painter.end();
    symbol.setDevicePixelRatio(ratio);
    return symbol;
}

void showInfoBox(QWidget *page, const QString &title, const QString &text,
                 const QString &buttonText)
{
    QMessageBox *box =
        new QMessageBox(QMessageBox::Information, title, QString(), QMessageBox::NoButton, page);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Some texts carry what the speaker said: never markup.
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->addButton(buttonText, QMessageBox::AcceptRole);
    if (QLabel *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        label->setMinimumWidth(label->fontMetrics().averageCharWidth() * MinimumTextWidth);
    const QPixmap symbol = sharpInformationSymbol(box);
    if (!symbol.isNull())
        box->setIconPixmap(symbol);
    box->setModal(true);
    box->show();
}
