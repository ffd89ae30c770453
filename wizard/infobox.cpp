#include "infobox.h"

#include <QLabel>
#include <QMessageBox>

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
