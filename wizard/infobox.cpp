#include "infobox.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QTextOption>
#include <QtMath>

namespace {

// In average characters: lines that a reader can follow, and in which a German
// sentence keeps several words on each line.
const int ReadableLineLength = 65;

QRect availableGeometry(const QWidget *box)
{
    const QScreen *screen = box->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QLabel *textLabel(const QMessageBox *box)
{
    return box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
}

// The width of the text's widest line, unwrapped, as a document lays it out like the label's
// own: font metrics in whole pixels may give a line less than it takes there.
int widestLine(const QLabel *label)
{
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(label->font());
    document.setPlainText(label->text());
    return qCeil(document.idealWidth());
}

// Lets the label break a word that is too long for a line, as a speaker's reason may be. Its
// text, being selectable, is laid out by a document of its own, whose wrap mode the label sets
// to plain word wrap whenever it lays the text out anew (after a change of its text, font or
// size): lays it out now, then changes that.
void breakLongWords(QLabel *label)
{
    QTextDocument *document = label->findChild<QTextDocument *>();
    if (!document)
        return;
    label->heightForWidth(qMax(1, label->width()));
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setDefaultTextOption(option);
}

// Gives the label the width and the height of all its lines at that width. The box's layout
// asks a label for its height at the width of its column, which the buttons below may widen,
// and would otherwise give it fewer lines than the label breaks its text into.
void setTextWidth(QLabel *label, int width)
{
    // Its height for a width is never less than its least height.
    label->setMinimumHeight(0);
    label->setFixedWidth(width);
    breakLongWords(label);
    label->setFixedHeight(label->heightForWidth(width));
}

void fitText(QMessageBox *box)
{
    QLabel *label = textLabel(box);
    QLayout *layout = box->layout();
    if (!label || !layout)
        return;

    // Selectable text also lets the reader copy what the box says.
    label->setTextInteractionFlags(label->textInteractionFlags() | Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    const int readable = label->fontMetrics().averageCharWidth() * ReadableLineLength;
    // A pixel to spare, so that rounding never breaks a line that fits.
    int textWidth = qMin(widestLine(label) + 1, readable);
    label->setFixedWidth(textWidth);
    // The icon, margins and spacing beside the text, or the buttons where they are wider.
    const int besideText = layout->totalMinimumSize().width() - textWidth;
    const QRect available = availableGeometry(box);
    textWidth = qMax(1, qMin(textWidth, available.width() * 2 / 3 - besideText));
    setTextWidth(label, textWidth);

    int height = layout->hasHeightForWidth() ? layout->totalHeightForWidth(textWidth + besideText)
                                             : layout->totalMinimumSize().height();
    // Rather wide than cut off at the foot of the screen.
    if (height > available.height() && textWidth + besideText < available.width()) {
        textWidth = available.width() - besideText;
        setTextWidth(label, textWidth);
        height = layout->totalHeightForWidth(textWidth + besideText);
    }
    box->setFixedSize(textWidth + besideText, height);
    // Laid out at that size now: changing the label's size invalidated the layout, which then
    // ignores the resize and would keep the label at the height of Qt's own sizing, as short as
    // one line, until a layout request that the fitter drops.
    layout->activate();
}

// QMessageBox sizes itself when it is shown and whenever it is laid out again. It measures the
// text on one line, wraps it only past its own limit (about 500 pixels, whatever the font), and in
// practice never inside a word: a label with a minimum width, as these boxes had, is never wrapped
// and cut after its first line. The fitter lets it, then fits the box to its text again; and it
// keeps the label breaking long words whenever the label's size changes.
class MessageBoxFitter : public QObject
{
public:
    explicit MessageBoxFitter(QMessageBox *box) : QObject(box), box(box), label(textLabel(box))
    {
        box->installEventFilter(this);
        if (label)
            label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (handling)
            return false;
        if (type == QEvent::Resize && label && watched == label) {
            deliver(watched, event);
            breakLongWords(label);
            return true;
        }
        if (watched != box || (type != QEvent::Show && type != QEvent::LayoutRequest))
            return false;

        const bool placed = box->testAttribute(Qt::WA_Moved);
        deliver(box, event);
        const QPoint centre = box->geometry().center();
        fitText(box);
        // Qt has centred the box over its page for the size it gave it. The box is kept on the
        // screen with its frame, where move() puts the frame's corner.
        if (type == QEvent::Show && !placed) {
            const QRect available = availableGeometry(box);
            const QRect frame = box->frameGeometry();
            const QRect inner = box->geometry();
            const QSize outer = box->size() + frame.size() - inner.size();
            const QPoint last = available.topLeft() +
                QPoint(qMax(0, available.width() - outer.width()),
                       qMax(0, available.height() - outer.height()));
            const QPoint topLeft = centre - QPoint(box->width() / 2, box->height() / 2) -
                (inner.topLeft() - frame.topLeft());
            box->move(qBound(available.left(), topLeft.x(), last.x()),
                      qBound(available.top(), topLeft.y(), last.y()));
            box->setAttribute(Qt::WA_Moved, false);
        }
        // What fitting changed asks for another layout, which would only fit it again.
        QCoreApplication::removePostedEvents(box, QEvent::LayoutRequest);
        return true;
    }

private:
    // Qt's own handling first, this filter after it.
    void deliver(QObject *receiver, QEvent *event)
    {
        handling = true;
        QCoreApplication::sendEvent(receiver, event);
        handling = false;
    }

    QMessageBox *const box;
    const QPointer<QLabel> label;
    bool handling = false;
};

// The information symbol at the box's device pixels, or a null pixmap where the style's own has
// pixels enough. Styles and icon themes often have it only up to 32 or 48 pixels, which a
// screen above 100 % shows enlarged block by block; this one is drawn at the screen's pixels:
// a blue disc with a white "i".
QPixmap sharpInformationSymbol(QMessageBox *box)
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

} // namespace

void fitMessageBox(QMessageBox *box)
{
    const QString fitterName = QStringLiteral("vantirMessageBoxFitter");
    if (box->findChild<QObject *>(fitterName, Qt::FindDirectChildrenOnly))
        return;
    MessageBoxFitter *fitter = new MessageBoxFitter(box);
    fitter->setObjectName(fitterName);
    if (box->isVisible())
        fitText(box);
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
    const QPixmap symbol = sharpInformationSymbol(box);
    if (!symbol.isNull())
        box->setIconPixmap(symbol);
    fitMessageBox(box);
    box->setModal(true);
    box->show();
}

QMessageBox *showQuestionBox(QWidget *page, const QString &title, const QString &text,
                             const QString &yesText, const QString &noText,
                             const std::function<void()> &yes)
{
    QMessageBox *box =
        new QMessageBox(QMessageBox::Question, title, QString(), QMessageBox::NoButton, page);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    QPushButton *yesButton = box->addButton(yesText, QMessageBox::YesRole);
    QPushButton *noButton = box->addButton(noText, QMessageBox::NoRole);
    box->setDefaultButton(noButton);
    box->setEscapeButton(noButton);
    // Sized as the information boxes are: the same fitting for every box.
    fitMessageBox(box);
    QObject::connect(box, &QMessageBox::buttonClicked, box,
                     [yesButton, yes](QAbstractButton *button) {
                         if (button == yesButton)
                             yes();
                     });
    box->setModal(true);
    box->show();
    return box;
}
