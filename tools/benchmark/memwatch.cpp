// Resident memory of the wizard's pages, in one process on the offscreen
// platform, against a local stand-in speaker:
//
//   memwatch rounds N   N rounds of a speaker chosen on the list page (as its
//                       resolver hands it over), its WLAN scan answered,
//                       "Next >>" to the settings page and "<< Back" twice;
//                       prints "round I KB" after each round
//   memwatch flood N    the WLAN page reads one scan answer of N empty objects;
//                       prints "answer BYTES", "before KB" (after a page
//                       with a small answer), "peak KB" and
//                       "lines COUNT" (the log lines it wrote, on to stderr)
//
// The list page's own browse runs on whatever DNS-SD service there is; its box
// is closed as it comes.

#include "capturingserver.h"
#include "client.h"
#include "client_settings.h"
#include "client_wlans.h"
#include "wizarddata.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QHostInfo>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

int logLines = 0;
QtMessageHandler passOn = nullptr;

// Counts each line and writes it as the program does.
void countLine(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    ++logLines;
    passOn(type, context, text);
}

// VmRSS or VmHWM of this process, in kB.
long statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

bool waitFor(const std::function<bool()> &condition)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > 10000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void settle()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 100)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QPushButton *button(QWidget *page, const QString &text)
{
    for (QPushButton *candidate : page->findChildren<QPushButton *>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

int rounds(int count)
{
    CapturingServer speaker;
    if (!speaker.listen())
        return 1;
    speaker.setDefaultResponse(ScriptedResponse::json(
        "{\"deviceinfo\": {\"devicename\": \"Ovix Kitchen\", \"model\": \"Ovix One\"}, "
        "\"aplist\": [{\"ssid\": \"HomeNet\", \"encrypt_type\": \"WPA2\", "
        "\"signal_level\": \"-40\"}]}"));
    QHostInfo host;
    host.setHostName(QStringLiteral("ovix-kitchen.local"));
    host.setAddresses({ QHostAddress(QHostAddress::LocalHost) });

    Client list(nullptr);
    list.show();
    for (int round = 1; round <= count; ++round) {
        QMetaObject::invokeMethod(&list, "connectToServer", Q_ARG(QHostInfo, host),
                                  Q_ARG(int, speaker.port()));
        Client_WLANs *wlans = wlanPage;
        if (!wlans || !waitFor([wlans] {
                return wlans->findChild<QTreeWidget *>()->topLevelItemCount() == 1;
            })) {
            std::fprintf(stderr, "memwatch: no WLAN listed in round %d\n", round);
            return 1;
        }
        button(wlans, QStringLiteral("Next >>"))->click();
        button(settingsPage, QStringLiteral("<< Back"))->click();
        button(wlans, QStringLiteral("<< Back"))->click();
        settle();
        std::printf("round %d %ld\n", round, statusKb("VmRSS:"));
        std::fflush(stdout);
    }
    return 0;
}

int flood(int count)
{
    QByteArray body("{\"aplist\": [");
    for (int i = 0; i < count; ++i)
        body += i > 0 ? ",{}" : "{}";
    body += "]}";
    CapturingServer speaker;
    if (!speaker.listen())
        return 1;
    wizardData.url = speaker.url();
    passOn = qInstallMessageHandler(countLine);
    // A page with a small answer first, so that "before" holds what any page costs.
    speaker.enqueue(ScriptedResponse::json("{\"aplist\": [{\"ssid\": \"HomeNet\"}]}"));
    {
        Client_WLANs page(nullptr);
        page.show();
        waitFor([] { return logLines > 0; });
        settle();
    }
    logLines = 0;
    ScriptedResponse answer;
    answer.body = body;
    speaker.setDefaultResponse(answer);
    std::printf("answer %d\nbefore %ld\n", int(body.size()), statusKb("VmHWM:"));

    Client_WLANs page(nullptr);
    page.show();
    waitFor([] { return logLines > 0; });
    settle();
    qInstallMessageHandler(nullptr);
    std::printf("peak %ld\nlines %d\n", statusKb("VmHWM:"), logLines);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QByteArray mode = argc > 1 ? argv[1] : "";
    const int count = argc > 2 ? std::atoi(argv[2]) : 20;

    QTimer boxCloser;
    QObject::connect(&boxCloser, &QTimer::timeout, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    boxCloser.start(5);

    if (mode == "rounds")
        return rounds(count);
    if (mode == "flood")
        return flood(count);
    std::fprintf(stderr, "usage: memwatch rounds N | memwatch flood N\n");
    return 2;
}
