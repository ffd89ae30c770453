#include "startup.h"

#include "compositorframes.h"
#include "pixelratio.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QLatin1String>
#include <QList>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <QtGlobal>

#ifdef VANTIR_X_RESOURCES
#include <xcb/xcb.h>

#include <cstdlib>
#endif

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
#define VANTIR_MAY_USE_X11_OR_WAYLAND
namespace {

// The platforms that the command line or QT_QPA_PLATFORM names, without their options: a
// -platform argument (the last one counts) over the variable; empty when neither names one.
QList<QByteArray> namedPlatforms(int argc, char *argv[])
{
    QByteArray platform;
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-platform" || argument == "--platform")
            platform = argv[++i];
    }
    if (platform.isEmpty())
        platform = qgetenv("QT_QPA_PLATFORM");
    // "xcb", "xcb:option=value", or a list of fallbacks such as "wayland;xcb".
    QList<QByteArray> platforms;
    for (const QByteArray &entry : platform.split(';')) {
        const QByteArray name = entry.split(':').first().trimmed();
        if (!name.isEmpty())
            platforms.append(name);
    }
    return platforms;
}

// The application object chooses its platform only when it is built, so this follows its
// rules from the outside: any of the named ones, in their order. Without a named platform it
// takes X11 where there is an X display; in a Wayland session it may take Wayland or X11
// through XWayland, so there both switches are set: each is read by its own platform only.
bool mayStartOnX11(const QList<QByteArray> &platforms)
{
    if (!platforms.isEmpty())
        return platforms.contains("xcb");
    return !qEnvironmentVariableIsEmpty("DISPLAY");
}

// "wayland" is the plugin that chooses its buffers itself; "wayland-egl" asks for OpenGL.
bool mayStartOnWayland(const QList<QByteArray> &platforms)
{
    if (!platforms.isEmpty())
        return platforms.contains("wayland");
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        qgetenv("XDG_SESSION_TYPE") == "wayland";
}

// The toolkit treats an empty value as unset, and so does this; any other value is the user's.
void setUnlessSet(const char *name, const QByteArray &value)
{
    if (qEnvironmentVariableIsEmpty(name))
        qputenv(name, value);
}

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
// Whether the X display's resources set the desktop's font resolution, read as the toolkit
// reads them (a line "Xft.dpi:<tab>N"). False without a display.
bool desktopSetsXftDpi()
{
#ifdef VANTIR_X_RESOURCES
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    bool set = false;
    if (!xcb_connection_has_error(connection)) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        // In 32-bit units; the resources of a desktop are a few kilobytes.
        const uint32_t longest = 1 << 20;
        const xcb_get_property_cookie_t cookie = xcb_get_property(
            connection, false, root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 0, longest);
        if (xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr)) {
            const QByteArray resources(static_cast<const char *>(xcb_get_property_value(reply)),
                                       xcb_get_property_value_length(reply));
            free(reply);
            const QByteArray name("Xft.dpi:\t");
            for (const QByteArray &line : resources.split('\n')) {
                if (line.startsWith(name) && line.mid(name.size()).trimmed().toInt() > 0)
                    set = true;
            }
        }
    }
    xcb_disconnect(connection);
    return set;
#else
    return false;
#endif
}

// Qt 5's high-DPI scaling on X11 takes the screen's physical resolution where the desktop sets
// no font resolution: 1.04 on a screen of 100 dots per inch, with the windows larger and the
// icons resampled. There Qt 6 stays at 1, and so does this, unless one of Qt's variables asks
// for the screen's scale. QT_SCALE_FACTOR and QT_SCREEN_SCALE_FACTORS scale by themselves: alone
// they give their own factor, not that times the physical resolution's.
bool scalesByPhysicalDpi(const QList<QByteArray> &platforms)
{
    const bool x11 =
        platforms.isEmpty() ? !qEnvironmentVariableIsEmpty("DISPLAY") : platforms.first() == "xcb";
    if (!x11)
        return false;
    for (const char *name : { "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING",
                              "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_FONT_DPI" }) {
        if (!qEnvironmentVariableIsEmpty(name))
            return false;
    }
    return !desktopSetsXftDpi();
}
#endif

} // namespace
#endif

void avoidOpenGl(int argc, char *argv[])
{
#ifdef VANTIR_MAY_USE_X11_OR_WAYLAND
    // The pages are plain widgets, pictures and an animation: nothing is drawn with OpenGL.
    // Yet the toolkit loads its OpenGL integration with the first window, and with it the
    // GL vendor library, the DRI driver and LLVM: more than half of the start-up's work and
    // of the peak memory.
    const QList<QByteArray> platforms = namedPlatforms(argc, argv);
    if (mayStartOnX11(platforms))
        setUnlessSet("QT_XCB_GL_INTEGRATION", "none");
    // On Wayland the client buffer integration (EGL) comes with the first window's frame:
    // Qt draws its own frame only where that integration has loaded, although it draws the
    // frame in the window's shared memory. So the windows go without Qt's frame where the
    // compositor frames them itself (KDE Plasma, sway). Where it does not (GNOME, weston) a
    // window without a frame could be neither moved nor closed: there Qt's frame is worth
    // the driver. A compositor that does not answer keeps them frameless, as before. A user
    // who names a buffer integration or a frame wants them, and keeps them.
    if (mayStartOnWayland(platforms) &&
        qEnvironmentVariableIsEmpty("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION")) {
        if (qEnvironmentVariableIsEmpty("QT_WAYLAND_DECORATION") &&
            qEnvironmentVariableIsEmpty("QT_WAYLAND_DISABLE_WINDOWDECORATION") &&
            askCompositorForFrames() != CompositorFrames::NotDrawn)
            qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        // Qt 5 makes the widgets' windows OpenGL-capable where the platform offers that,
        // which loads the integration too.
        QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
#endif
    }
#else
    Q_UNUSED(argc)
    Q_UNUSED(argv)
#endif
}

void followDesktopScale(int argc, char *argv[])
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0) && defined(VANTIR_MAY_USE_X11_OR_WAYLAND)
    // Qt 6's defaults. Qt 5 leaves the scale at 1 otherwise, so that on a desktop at 200 %
    // (GNOME sets only Xft.dpi 192) the text doubles while the pictures do not.
    // QT_ENABLE_HIGHDPI_SCALING=0 and the other variables of Qt still overrule these.
    // Only on the desktop's platforms: Qt 5 takes a screen's physical resolution where no
    // desktop sets one, and its offscreen platform claims 100 dots per inch.
    const QList<QByteArray> platforms = namedPlatforms(argc, argv);
    if (!platforms.isEmpty() && !mayStartOnX11(platforms) && !platforms.contains("wayland") &&
        !platforms.contains("wayland-egl"))
        return;
    if (scalesByPhysicalDpi(platforms))
        return;
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#else
    Q_UNUSED(argc)
    Q_UNUSED(argv)
#endif
}

void identifyWindows()
{
    // Docks and task bars match windows to the desktop entry by this name (on X11 by the
    // window class, which the entry names as StartupWMClass).
    QGuiApplication::setDesktopFileName(QStringLiteral(VANTIR_APP_ID));
    QIcon icon;
    const QDir pictures(QStringLiteral(":/GRAFX"), QStringLiteral("Icon_*px.png"));
    for (const QString &name : pictures.entryList())
        icon.addFile(pictures.filePath(name));
    QGuiApplication::setWindowIcon(icon);
}

bool loadCatalogue(QTranslator &translator, const QLocale &locale)
{
    const QString directory = QStringLiteral(":/translations/");
    // Without one for the locale the pages speak English, not their source texts.
    return translator.load(QLatin1String("VANTIR_") + locale.name(), directory) ||
        translator.load(QStringLiteral("VANTIR_en"), directory);
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
    // Only a program built without its catalogues fails here: it shows the source texts.
    loadCatalogue(translator, locale);
    QCoreApplication::installTranslator(&translator);
}
