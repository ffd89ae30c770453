#include "startup.h"

#include "pixelratio.h"

#include <QCoreApplication>
#include <QDebug>
#include <QGuiApplication>
#include <QLatin1String>
#include <QList>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

bool loadCatalogue(QTranslator &translator, const QLocale &locale)
{
    return translator.load(QLatin1String("VANTIR_") + locale.name(),
                           QLatin1String(":/translations/"));
}

void recordScreenRatio()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    const double ratio = screens.isEmpty() ? 1.0 : screens.first()->devicePixelRatio();
    setDevicePixelRatio(ratio);
    qDebug() << "RATIO: " << ratio;
}

void installCatalogue(QTranslator &translator, const QLocale &locale)
{
    // An empty translator leaves the source texts; nothing to report.
    loadCatalogue(translator, locale);
    QCoreApplication::installTranslator(&translator);
}
