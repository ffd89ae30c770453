#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

// What the fuzz targets share: a check that turns a wrong result into a crash, so that libFuzzer
// keeps the input, and a quiet message handler (the code under test logs every reply).

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition) \
    do { \
        if (!(condition)) { \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort(); \
        } \
    } while (false)

namespace FuzzSupport {

inline void silenceMessages()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}

// The application object that socket notifiers and host look-ups need; lives to the end.
inline void createApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = { name, nullptr };
    static QCoreApplication *application = new QCoreApplication(argc, argv);
    Q_UNUSED(application);
}

// The DNS-SD targets drive the fake library; without it they would talk to a real daemon.
inline void requireFakeDnssd(bool loaded)
{
    if (!loaded) {
        std::fprintf(stderr,
                     "The fake libdns_sd.so.1 is not loaded: put its folder first on "
                     "LD_LIBRARY_PATH.\n");
        std::abort();
    }
}

} // namespace FuzzSupport

#endif // FUZZSUPPORT_H
