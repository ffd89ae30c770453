#include "startup.h"

#include <QLatin1String>
#include <QLocale>
#include <QTranslator>

bool loadCatalogue(QTranslator &translator, const QLocale &locale)
{
    return translator.load(QLatin1String("VANTIR_") + locale.name(),
                           QLatin1String(":/translations/"));
}
