#include "infobox.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

// In characters: wide enough that a German sentence keeps several words on each line.
static const int MinimumTextWidth = 50;

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
    if (QLabel *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        label->setMinimumWidth(label->fontMetrics().averageCharWidth() * MinimumTextWidth);
    QObject::connect(box, &QMessageBox::buttonClicked, box,
                     [yesButton, yes](QAbstractButton *button) {
                         if (button == yesButton)
                             yes();
                     });
    box->setModal(true);
    box->show();
    return box;
}
