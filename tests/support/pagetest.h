#ifndef PAGETEST_H
#define PAGETEST_H

// Shared by the page tests: the message boxes the pages show, and finding their
// widgets by what they display.

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

// A message box as the user saw it.
struct ShownBox
{
    QString title;
    QString text;
    QStringList buttons;
    QPointer<QWidget> parent;
    bool allTextShown = false; // see showsAllText()
};

// Whether the box's text label shows all of its text: inside the box, as high as its wrapped
// lines, and with enough of them for the whole text at the label's width (a word too long for a
// line, if not broken, would run off the label's edge in fewer).
inline bool showsAllText(const QMessageBox *box)
{
    const QLabel *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    if (!label || !label->wordWrap() || !box->rect().contains(label->geometry()))
        return false;
    const int height = label->heightForWidth(label->width());
    const QFontMetrics metrics(label->font());
    // Broken at blanks only: no more lines than the label breaks the text into, also inside a
    // word, and measured apart from the label's own sizing.
    const QRect lines = metrics.boundingRect(QRect(0, 0, label->width(), QWIDGETSIZE_MAX),
                                             Qt::TextWordWrap, label->text());
    // Without blanks, which a break swallows: a lower bound of what the lines must hold.
    const QString ink = QString(label->text()).remove(QLatin1Char(' '));
    return label->height() >= qMax(height, lines.height()) &&
        qreal(height) / metrics.height() * label->width() >= metrics.horizontalAdvance(ink);
}

// Closes every message box as soon as it is shown and records what it said.
class MessageBoxCloser
{
public:
    MessageBoxCloser()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { closeBoxes(); });
        m_timer.start(5);
    }

    QList<ShownBox> boxes;

private:
    void closeBoxes()
    {
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows) {
            QMessageBox *box = qobject_cast<QMessageBox *>(window);
            if (!box || !box->isVisible())
                continue;
            ShownBox shown;
            shown.title = box->windowTitle();
            shown.text = box->text();
            const QList<QAbstractButton *> buttons = box->buttons();
            for (const QAbstractButton *button : buttons)
                shown.buttons.append(button->text());
            shown.parent = box->parentWidget();
            shown.allTextShown = showsAllText(box);
            boxes.append(shown);
            if (!buttons.isEmpty())
                buttons.first()->click();
            else
                box->reject();
        }
    }

    QTimer m_timer;
};

template<class T> QList<T *> topLevelPages()
{
    QList<T *> pages;
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (T *page = qobject_cast<T *>(window))
            pages.append(page);
    }
    return pages;
}

template<class T> void deletePages()
{
    qDeleteAll(topLevelPages<T>());
}

// The page's first child widget of type T that shows text.
template<class T> T *childWithText(const QWidget *page, const QString &text)
{
    const QList<T *> children = page->findChildren<T *>();
    for (T *child : children) {
        if (child->text() == text)
            return child;
    }
    return nullptr;
}

inline QPushButton *buttonWithText(const QWidget *page, const QString &text)
{
    return childWithText<QPushButton>(page, text);
}

inline QLabel *labelWithText(const QWidget *page, const QString &text)
{
    return childWithText<QLabel>(page, text);
}

// The field that the label showing text stands for, as a screen reader names it.
template<class T> T *fieldLabelled(const QWidget *page, const QString &text)
{
    const QLabel *label = labelWithText(page, text);
    return label ? qobject_cast<T *>(label->buddy()) : nullptr;
}

// The label that shows the page's header picture.
inline QLabel *headerLabel(const QWidget *page)
{
    const QList<QLabel *> labels = page->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (!label->pixmap(Qt::ReturnByValue).isNull())
            return label;
    }
    return nullptr;
}

inline QStringList buttonTexts(const QWidget *page)
{
    QStringList texts;
    const QList<QPushButton *> buttons = page->findChildren<QPushButton *>();
    for (const QPushButton *button : buttons)
        texts.append(button->text());
    return texts;
}

#endif // PAGETEST_H
