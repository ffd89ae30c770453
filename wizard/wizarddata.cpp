#include "wizarddata.h"

#include "logtext.h"

#include <QDebug>

WizardData wizardData;
QPointer<Client_WLANs> wlanPage;
QPointer<Client_Settings> settingsPage;
QPointer<KnownWlans> knownWlans;

void WizardData::setName(const QString &value)
{
    name = value;
    qDebug() << "Name: " << LogText(name) << "\n";
}

void WizardData::setURL(const QString &value)
{
    url = value;
    qDebug() << "URL: " << LogText(url) << "\n";
}

void WizardData::setSSID(const QString &value)
{
    ssid = value;
    qDebug() << "SSID: " << LogText(ssid) << "\n";
}

void WizardData::setPW(const QString &value)
{
    pw = value;
    qDebug() << "PW: " << LogText(pw) << "\n";
}

void WizardData::setIP(const QString &value)
{
    ip = value;
    qDebug() << "IP: " << LogText(ip) << "\n";
}
