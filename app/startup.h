#ifndef STARTUP_H
#define STARTUP_H

class QLocale;
class QTranslator;

// Starts the program without the toolkit's OpenGL: on X11 its OpenGL integration is switched
// off (QT_XCB_GL_INTEGRATION=none); on Wayland, with Qt 5, the windows are plain raster ones,
// and the client buffer integration is never loaded (QT_WAYLAND_DISABLE_WINDOWDECORATION=1)
// unless the compositor says that it draws no window frames: then Qt's frame needs it. A
// switch that the user has set stays as it is. Reads the command line and the environment and
// asks the Wayland compositor; call it before the application object exists. Does nothing on
// other platforms.
void avoidOpenGl(int argc, char *argv[]);

// Has Qt 5 scale the pages by the screen's scale and the desktop's font resolution (Xft.dpi),
// to fractions, with pictures at the screen's pixels, as Qt 6 does by default, on X11 and
// Wayland. Qt's own variables (QT_ENABLE_HIGHDPI_SCALING, QT_SCALE_FACTOR, ...) still decide
// where they are set. Not by the screen's physical resolution: on X11 without Xft.dpi the scale
// stays 1, as with Qt 6. Call it before the application object exists; nothing to do with Qt 6.
void followDesktopScale(int argc, char *argv[]);

// Tells the desktop which program the windows belong to: the desktop entry's name (the
// Wayland app id) and the program's icon at the sizes that are installed. Needs the
// application; call it before the first page is built.
void identifyWindows();

// Loads "VANTIR_" + the locale's name from the compiled-in catalogues, with the
// toolkit's default fallback (de_AT reaches VANTIR_de.qm), and English where no
// catalogue fits the locale. Returns whether a catalogue was loaded; the caller
// installs the translator either way.
bool loadCatalogue(QTranslator &translator, const QLocale &locale);

// Keeps the first screen's device pixel ratio (1 without a screen) for the
// pages' header pictures and writes the "RATIO: " line. Needs the application.
void recordScreenRatio();

// Loads the catalogue for the locale into the translator and installs it on
// the application whether it loaded or not: the pages translate their texts
// when they are built, so this comes before the first page.
void installCatalogue(QTranslator &translator, const QLocale &locale);

#endif // STARTUP_H
