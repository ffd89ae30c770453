#ifndef SETCONFIG_H
#define SETCONFIG_H

#include <QByteArray>

// The set-configuration body as the speaker must receive it, from the three values as they
// appear inside JSON strings (escaped, UTF-8).
inline QByteArray setconfigBytes(const QByteArray &name, const QByteArray &password,
                                 const QByteArray &ssid)
{
    return "{\"action\": \"setconfig\", \"deviceinfo\": {\"devicename\": \"" + name +
        "\"},\"networkinfo\": {\"wifimode\": \"client\", \"clientinfo\": {\"encrypt_type\": "
        "\"WPA\", \"wifipwd\": \"" +
        password + "\", \"wifissid\": \"" + ssid + "\"}, \"ipaddressinfo\": {\"type\": \"DHCP\"}}}";
}

#endif // SETCONFIG_H
