#ifndef STARTUP_H
#define STARTUP_H

class QLocale;
class QTranslator;

// Loads "VANTIR_" + the locale's name from the compiled-in catalogues, with the
// toolkit's default fallback (de_AT reaches VANTIR_de.qm). Returns whether a
// catalogue was found; the caller installs the translator either way.
bool loadCatalogue(QTranslator &translator, const QLocale &locale);

#endif // STARTUP_H
