#include "infobox.h"

#include <QMessageBox>

void showInfoBox(QWidget *page, const QString &title, const QString &text,
                 const QString &buttonText)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::NoButton, page);
    box.addButton(buttonText, QMessageBox::AcceptRole);
    box.exec();
}
