// The benchmark's yardstick: a bare Qt dialog that shows what the speaker list
// page shows (the same header picture, a one-column list, the hint and three
// buttons) and nothing else: no catalogue, no discovery, no start-up steps of
// the configurator. Its start-up time and memory are the floor that the
// toolkit itself sets.

#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QTreeWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QDialog dialog;
    dialog.resize(640, 550);

    QTreeWidget *list = new QTreeWidget;
    list->setHeaderLabels(QStringList(QStringLiteral("Available VANTIR Speakers")));
    QLabel *picture = new QLabel;
    picture->setPixmap(QPixmap(QStringLiteral(":/GRAFX/Palette_640px.png")));
    QLabel *hint =
        new QLabel(QStringLiteral("The Speakers and your\ndevice have to be in\nthe same WLAN!"));
    QPushButton *quit = new QPushButton(QStringLiteral("Quit"));
    QPushButton *back = new QPushButton(QStringLiteral("<< Back"));
    back->setEnabled(false);
    QPushButton *next = new QPushButton(QStringLiteral("Next >>"));
    next->setDefault(true);
    next->setEnabled(false);
    QObject::connect(quit, &QPushButton::clicked, &dialog, &QDialog::close);

    QGridLayout *layout = new QGridLayout(&dialog);
    layout->addWidget(picture, 0, 0, 1, 4);
    layout->addWidget(list, 1, 0, 2, 4);
    layout->addWidget(hint, 3, 0, 1, 3);
    layout->addWidget(quit, 4, 0, 1, 1);
    layout->addWidget(back, 4, 2, 1, 1);
    layout->addWidget(next, 4, 3, 1, 1);

    dialog.setWindowTitle(QStringLiteral("VANTIR Ovix Configurator"));
    list->setFocus(Qt::OtherFocusReason);
    dialog.show();
    return app.exec();
}
