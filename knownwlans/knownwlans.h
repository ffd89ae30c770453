#ifndef KNOWNWLANS_H
#define KNOWNWLANS_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <chrono>

class PasswordRequest;
class SwitchRequest;

struct KnownWlansOptions
{
    // The longest one call to NetworkManager may take before it counts as unanswered: a
    // NetworkManager that hangs must not keep the pages waiting.
    std::chrono::milliseconds callTimeout = std::chrono::seconds(3);
    // The longest a switch of this computer's WLAN may wait for NetworkManager to take it on:
    // NetworkManager may first have the user authorise it.
    std::chrono::milliseconds switchTimeout = std::chrono::minutes(1);
    // The D-Bus address to look for NetworkManager on; empty: the system bus.
    QString busAddress;
};

// One WLAN that a Wi-Fi connection saved on this computer joins. Where several saved
// connections name the same SSID, the one connected now stands for it, else the one used last.
struct KnownWlan
{
    QByteArray ssid;       // as NetworkManager keeps it: bytes, UTF-8 or not
    QString keyManagement; // "wpa-psk", "sae", "wpa-eap", "none" (WEP), ...; empty: open
    qint64 lastUsed = 0;   // seconds since the epoch; 0: never
    bool connected = false;
    QString connection; // NetworkManager's object of the saved connection

    // WPA/WPA2/WPA3 Personal: a password that NetworkManager may hand out.
    bool hasPassword() const;
};

// The WLANs this computer knows, read from NetworkManager (Linux; elsewhere it knows none).
// Everything is asynchronous: refresh() starts the reading, ready() tells that it has ended,
// also when there is no system bus or no NetworkManager on it, which is not an error and is
// not logged. Nothing of this is ever logged, and no secret is read but by readPassword().
class KnownWlans : public QObject
{
    Q_OBJECT

public:
    explicit KnownWlans(const KnownWlansOptions &options = KnownWlansOptions(),
                        QObject *parent = nullptr);

    // Reads the saved Wi-Fi connections and the active ones anew; a reading still running is
    // given up. ready() follows from the event loop, never from within this call.
    void refresh();
    // Whether a reading has ended and none is running.
    bool isReady() const { return readyState; }

    // As of the last reading that ended.
    QList<KnownWlan> wlans() const { return known; }
    // ssid as the speaker's scan gives it, compared by its UTF-8 bytes.
    bool isKnown(const QString &ssid) const;
    KnownWlan wlan(const QString &ssid) const; // an empty ssid when not known

    // The WLAN this computer is connected to now, where it is not ssid (compared by its UTF-8
    // bytes): from there this computer cannot see a speaker that went into ssid. Empty when it is
    // on ssid, on no WLAN, or nothing is known.
    QString otherConnectedWlan(const QString &ssid) const;

    // The row to choose at first in a list of SSIDs: the WLAN this computer is connected to
    // now, else the known one used most recently (the first row of it), else -1.
    int initialRow(const QStringList &ssids) const;

    // Asks NetworkManager for the password of the saved connection that stands for ssid, and
    // for nothing else. The request is a child of parent, ends with exactly one of its
    // signals, from the event loop, and then deletes itself; deleting it earlier abandons it.
    PasswordRequest *readPassword(const QString &ssid, QObject *parent = nullptr);

    // Asks NetworkManager to connect this computer to the saved connection that stands for ssid,
    // on the device it finds for it; only ever on the user's word. The request is a child of
    // parent, ends with exactly one of its signals, from the event loop, and then deletes itself.
    SwitchRequest *switchTo(const QString &ssid, QObject *parent = nullptr);

signals:
    void ready();

private:
    const KnownWlansOptions options;
    const QString busName; // the bus connection's name; empty where there is no bus
    QList<KnownWlan> known;
    bool readyState;
    QPointer<QObject> reading; // owns the calls of the reading that is running
};

// One request for a saved connection's password.
class PasswordRequest : public QObject
{
    Q_OBJECT

public:
    enum class Failure {
        NotKnown,         // no saved WPA Personal connection of that SSID (or no reading yet)
        PermissionDenied, // NetworkManager does not hand this user the secret
        NoSecret,         // none to hand out: kept by an agent that is absent or locked, or
                          // never saved
        NoAnswer,         // no answer within the call time
        Failed,           // any other refusal
    };
    Q_ENUM(Failure)

signals:
    // The only copy this library made of the password goes out with it.
    void passwordRead(const QString &password);
    void passwordUnreadable(PasswordRequest::Failure failure);

private:
    explicit PasswordRequest(QObject *parent) : QObject(parent) { }
    void finish(const QString &password);
    void fail(Failure failure);

    friend class KnownWlans;
};

// One switch of this computer to a known WLAN.
class SwitchRequest : public QObject
{
    Q_OBJECT

public:
    enum class Failure {
        NotKnown, // no saved connection of that SSID (or no reading yet)
        NoAnswer, // no answer within the switch time
        Refused,  // NetworkManager's refusal, in its own words
    };
    Q_ENUM(Failure)

signals:
    // NetworkManager has taken it on; joining the WLAN takes it a few seconds more.
    void switchStarted();
    // message: NetworkManager's words for a refusal; empty otherwise.
    void switchFailed(SwitchRequest::Failure failure, const QString &message);

private:
    explicit SwitchRequest(QObject *parent) : QObject(parent) { }
    void finish(Failure failure, const QString &message);

    friend class KnownWlans;
};

#endif // KNOWNWLANS_H
