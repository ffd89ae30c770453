#ifndef STARTUP_H
#define STARTUP_H

class QLocale;
class QTranslator;

// Starts the program without the toolkit's OpenGL integration where it will
// run on X11 (QT_XCB_GL_INTEGRATION=none), unless the user has set that switch.
// Reads the command line and the environment only; call it before the
// application object exists. Does nothing on other platforms.
void avoidOpenGlOnX11(int argc, char *argv[]);

// Loads "VANTIR_" + the locale's name from the compiled-in catalogues, with the
// toolkit's default fallback (de_AT reaches VANTIR_de.qm). Returns whether a
// catalogue was found; the caller installs the translator either way.
bool loadCatalogue(QTranslator &translator, const QLocale &locale);

// Keeps the first screen's device pixel ratio (1 without a screen) for the
// pages' header pictures and writes the "RATIO: " line. Needs the application.
void recordScreenRatio();

// Loads the catalogue for the locale into the translator and installs it on
// the application whether it loaded or not: the pages translate their texts
// when they are built, so this comes before the first page.
void installCatalogue(QTranslator &translator, const QLocale &locale);

#endif // STARTUP_H
