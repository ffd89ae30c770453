#include "emptylistcheck.h"

#include "bonjourservicebrowser.h"
#include "systemservices.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

// Every responder that announces anything also announces its service types here.
const QString serviceTypesType = QStringLiteral("_services._dns-sd._udp");

// The speaker list's lines: their catalogue context is the list page's.
const char *const context = "Client";

#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
const char *const dnssdUnavailableText = QT_TRANSLATE_NOOP(
    "Client",
    "The search for speakers is not available: this computer's DNS-SD service (Bonjour) does not "
    "answer. Start the Bonjour service (or install it), and the list fills by itself.");
#else
const char *const dnssdUnavailableText =
    QT_TRANSLATE_NOOP("Client",
                      "The search for speakers is not available: this computer's DNS-SD service "
                      "(avahi-daemon) does not answer. Start it, for example with \"sudo systemctl "
                      "start avahi-daemon\", and the list fills by itself.");
#endif

const char *const vpnText = QT_TRANSLATE_NOOP(
    "Client",
    "The VPN \"%1\" is this computer's route to the network, and may keep the speakers out of "
    "reach. Disconnect it, or allow it access to the local network.");
const char *const firewallText = QT_TRANSLATE_NOOP(
    "Client",
    "The firewall keeps the speakers' announcements out: its zone \"%1\" does not allow the "
    "service \"mdns\". Allow it with \"sudo firewall-cmd --permanent --zone=%1 "
    "--add-service=mdns && sudo firewall-cmd --reload\".");
const char *const silenceText = QT_TRANSLATE_NOOP(
    "Client",
    "This computer hears no DNS-SD announcements from its network at all: a firewall may block "
    "UDP port 5353, or the WLAN keeps its devices apart, as guest networks do.");
const char *const noSpeakerText = QT_TRANSLATE_NOOP(
    "Client",
    "No speaker answers on this network. A speaker in another part of the network (another "
    "subnet or VLAN) can be reached by its IP address with \"Add by address…\".");

} // namespace

QString EmptyListReason::text() const
{
    switch (cause) {
    case DnssdUnavailable:
        return QCoreApplication::translate(context, dnssdUnavailableText);
    case Vpn:
        return QCoreApplication::translate(context, vpnText).arg(detail);
    case FirewallZone:
        return QCoreApplication::translate(context, firewallText).arg(detail);
    case NoAnnouncements:
        return QCoreApplication::translate(context, silenceText);
    case NoSpeaker:
        break;
    }
    return QCoreApplication::translate(context, noSpeakerText);
}

EmptyListCheck::EmptyListCheck(const EmptyListWaits &waits, QObject *parent)
    : QObject(parent), waits(waits), browser(nullptr), listenTimer(new QTimer(this)),
      calls(nullptr), runs(0), running(false), listening(false), heard(false), dnssdFailed(false),
      unanswered(0)
{
    qRegisterMetaType<EmptyListReason>("EmptyListReason");
    listenTimer->setSingleShot(true);
    connect(listenTimer, &QTimer::timeout, this, &EmptyListCheck::endListening);
}

void EmptyListCheck::start()
{
    stopBrowse();
    // A check given up may be ending in a call's own signal.
    if (calls)
        calls->deleteLater();
    calls = new QObject(this);
    const int run = ++runs;
    running = true;
    listening = true;
    heard = false;
    dnssdFailed = false;
    vpn.clear();
    closedZone.clear();

    unanswered = 2;
    SystemServices::readDefaultVpn(waits.callTimeout, calls, [this, run](const QString &name) {
        if (run != runs)
            return;
        vpn = name;
        --unanswered;
        finishWhenKnown();
    });
    SystemServices::readClosedZone(waits.callTimeout, calls, [this, run](const QString &zone) {
        if (run != runs)
            return;
        closedZone = zone;
        --unanswered;
        finishWhenKnown();
    });

    browser = new BonjourServiceBrowser(this);
    connect(browser, &BonjourServiceBrowser::currentBonjourRecordsChanged, this,
            &EmptyListCheck::noteAnnouncements);
    connect(browser, &BonjourServiceBrowser::error, this, &EmptyListCheck::noteBrowseFailure);
    listenTimer->start(waits.listenTime);
    browser->browseForServiceType(serviceTypesType);
}

void EmptyListCheck::noteAnnouncements(const QList<BonjourRecord> &list)
{
    if (list.isEmpty())
        return;
    heard = true;
    endListening();
}

void EmptyListCheck::noteBrowseFailure()
{
    dnssdFailed = true;
    endListening();
}

void EmptyListCheck::endListening()
{
    if (!listening)
        return;
    listening = false;
    listenTimer->stop();
    stopBrowse();
    finishWhenKnown();
}

// Most specific first: what keeps the search from running at all, then what keeps the network
// out, then what is heard of it.
void EmptyListCheck::finishWhenKnown()
{
    if (!running || listening || unanswered > 0)
        return;
    running = false;
    calls->deleteLater();
    calls = nullptr;
    EmptyListReason reason;
    if (dnssdFailed) {
        reason.cause = EmptyListReason::DnssdUnavailable;
    } else if (!vpn.isEmpty()) {
        reason.cause = EmptyListReason::Vpn;
        reason.detail = vpn;
    } else if (!closedZone.isEmpty()) {
        reason.cause = EmptyListReason::FirewallZone;
        reason.detail = closedZone;
    } else if (!heard) {
        reason.cause = EmptyListReason::NoAnnouncements;
    }
    emit found(reason);
}

// Possibly from within the browser's own signal.
void EmptyListCheck::stopBrowse()
{
    if (!browser)
        return;
    browser->disconnect(this);
    browser->deleteLater();
    browser = nullptr;
}
