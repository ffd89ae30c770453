#include "client.h"
#include "knownwlans.h"
#include "networkstart.h"
#include "startup.h"
#include "wizarddata.h"

#include <QApplication>
#include <QDebug>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // Before the application object: its platform reads these as it starts.
    avoidOpenGl(argc, argv);
    followDesktopScale(argc, argv);
    QApplication app(argc, argv);
    avoidBearerManagement();
    identifyWindows();
    recordScreenRatio();

    QTranslator translator;
    installCatalogue(translator, QLocale::system());
    qDebug() << "VANTIR Configurator running...";

    // What this computer knows of WLANs, for the pages; no password is read until asked for.
    KnownWlans known;
    knownWlans = &known;

    // Closing the last page ends the loop; the locals go in reverse order:
    // page, known WLANs, translator, application.
    Client client(nullptr);
    client.show();
    return app.exec();
}
