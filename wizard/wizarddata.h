#ifndef WIZARDDATA_H
#define WIZARDDATA_H

#include <QPointer>
#include <QString>

class Client_WLANs;
class Client_Settings;
class KnownWlans;

// A WLAN as a speaker was sent into it.
struct SentWlan
{
    QString ssid;
    QString password;
    QString encryptType;       // as the scan told it; for a typed WLAN "WPA" or "NONE"
    bool typed = false;        // typed in, not chosen from the speaker's list
    bool passwordShown = true; // "Show password" was checked: the user let it be seen

    bool isEmpty() const { return ssid.isEmpty(); }
};

// What one wizard page learns and a later page needs: the chosen speaker's
// endpoint and details, and the chosen WLAN.
class WizardData
{
public:
    QString url;
    QString listedName; // the chosen speaker as the speaker list shows it: its DNS-SD name
    QString name;
    QString model;
    QString ssid;
    QString encryptType; // of the chosen WLAN, as the speaker's scan told it
    QString pw;
    QString ip;
    QString softwareVer;
    QString hardwareVer;
    // The WLAN of the last speaker saved in this run, offered to the next one. In memory only,
    // and never logged: it holds the password.
    SentWlan savedWlan;

    void setName(const QString &value);
    void setURL(const QString &value);
    void setSSID(const QString &value);
    void setPW(const QString &value);
    void setIP(const QString &value);
};

extern WizardData wizardData;

// Non-owning handles of the most recently created pages. A page that a newer
// one replaces is deleted, and its handle turns null rather than dangle.
extern QPointer<Client_WLANs> wlanPage;
extern QPointer<Client_Settings> settingsPage;

// The WLANs this computer knows, for the pages to mark and offer; null where nobody reads them.
// The program sets it; the pages' tests only to a reading of a NetworkManager stand-in.
extern QPointer<KnownWlans> knownWlans;

#endif // WIZARDDATA_H
