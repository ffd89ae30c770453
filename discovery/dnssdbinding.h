#ifndef DNSSDBINDING_H
#define DNSSDBINDING_H

#include "dnssdplatform.h"

// The DNS-SD client library, loaded once among the static initialisers before main and released
// by an exit handler. The DNSService* and TXTRecord* entry points of dnssdapi.h bind to it by
// name on first use; without the library (or without one entry point) a call returns a fixed
// failure value instead, so the program runs on without speakers.
class DnssdLibrary
{
public:
    DnssdPlatform::Handle handle = nullptr;
};

// Null before the library object is set up and again after the exit handler has run.
extern DnssdLibrary *dnssdLibrary;

// Loads the library and installs the exit handler; runs before main. Tests may call it again
// after releaseDnssdLibrary() to start over.
void loadDnssdLibrary();

// The exit handler: frees the library and clears dnssdLibrary.
void releaseDnssdLibrary();

#endif // DNSSDBINDING_H
