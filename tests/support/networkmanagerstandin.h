#ifndef NETWORKMANAGERSTANDIN_H
#define NETWORKMANAGERSTANDIN_H

#include "dbusmockstandin.h"

// NetworkManager with the connections of tools/lib/networkmanager-standin.py.
class NetworkManagerStandIn : public DbusmockStandIn
{
public:
    NetworkManagerStandIn()
        : DbusmockStandIn(QStringLiteral(VANTIR_NM_STANDIN),
                          QStringLiteral("org.freedesktop.NetworkManager"))
    {
    }

    // connections: the template's JSON array.
    bool start(const QByteArray &connections)
    {
        return startWith("{\"connections\": " + connections + '}');
    }
};

#endif // NETWORKMANAGERSTANDIN_H
