// The configurator's start-up with a watch on its speaker list: the same steps
// as the program's entry routine, then it ends as soon as the list shows N
// rows, printing how long that took and the CPU time it used:
//
//   listwatch N [TIMEOUT_S]
//
// prints "listed_ms=... cpu_ms=... rows=..." and exits with 0; with 1 when the
// list still has fewer rows after the timeout. It watches the page's own list
// widget through its model's signals, so it measures whatever the page does
// with the browser's lists, and it ends with _Exit so that the tear-down of a
// thousand rows is not part of the run.

#include "client.h"
#include "startup.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

double cpuMilliseconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &time) { return time.tv_sec * 1e3 + time.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    const int wanted = argc > 1 ? std::atoi(argv[1]) : 1;
    const int timeoutS = argc > 2 ? std::atoi(argv[2]) : 60;

    avoidOpenGl(argc, argv);
    followDesktopScale(argc, argv);
    QApplication app(argc, argv);
    identifyWindows();
    recordScreenRatio();
    QTranslator translator;
    installCatalogue(translator, QLocale::system());

    Client client(nullptr);
    QTreeWidget *list = client.findChild<QTreeWidget *>();
    if (!list) {
        std::fprintf(stderr, "listwatch: the page has no list\n");
        return 2;
    }
    const auto report = [&]() {
        if (list->topLevelItemCount() < wanted)
            return;
        std::printf("listed_ms=%.2f cpu_ms=%.2f rows=%d\n", sinceStart.nsecsElapsed() / 1e6,
                    cpuMilliseconds(), list->topLevelItemCount());
        std::fflush(stdout);
        std::_Exit(0);
    };
    QAbstractItemModel *model = list->model();
    QObject::connect(model, &QAbstractItemModel::rowsInserted, report);
    QObject::connect(model, &QAbstractItemModel::modelReset, report);
    QObject::connect(model, &QAbstractItemModel::layoutChanged, report);
    QTimer::singleShot(timeoutS * 1000, [&]() {
        std::fprintf(stderr, "listwatch: %d of %d rows after %d s\n", list->topLevelItemCount(),
                     wanted, timeoutS);
        std::fflush(stderr);
        std::_Exit(1);
    });

    client.show();
    return app.exec();
}
