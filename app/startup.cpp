#include "startup.h"

#include "pixelratio.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDebug>
#include <QGuiApplication>
#include <QLatin1String>
#include <QList>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <QtGlobal>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
#define VANTIR_MAY_USE_X11
namespace {

// Whether the toolkit will start on its X11 platform (xcb). The application
// object decides that only when it is built, so this follows its rules from
// the outside: a -platform argument (the last one counts) over
// QT_QPA_PLATFORM, and without either its default, which is X11 where only
// an X display is around. In a Wayland session it may pick Wayland or X11
// through XWayland; there the start is left as it is.
bool startsOnX11(int argc, char *argv[])
{
    QByteArray platform;
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-platform" || argument == "--platform")
            platform = argv[++i];
    }
    if (platform.isEmpty())
        platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty()) {
        // "xcb", "xcb:option=value", or a list of fallbacks such as "xcb;wayland".
        return platform.split(';').first().split(':').first().trimmed() == "xcb";
    }
    return !qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qgetenv("XDG_SESSION_TYPE") != "wayland";
}

} // namespace
#endif

void avoidOpenGlOnX11(int argc, char *argv[])
{
#ifdef VANTIR_MAY_USE_X11
    // The pages are plain widgets, pictures and an animation: nothing is drawn
    // with OpenGL. Yet on X11 the toolkit sets up its OpenGL integration with
    // the first native window, which loads the GLX vendor library, the DRI
    // driver and LLVM with it: more than half of the start-up's work and of
    // the peak memory. Its own switch turns that off. The toolkit treats an
    // empty value as unset, and so does this; any other value is the user's.
    if (startsOnX11(argc, argv) && qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
#else
    Q_UNUSED(argc)
    Q_UNUSED(argv)
#endif
}

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
