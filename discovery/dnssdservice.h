#ifndef DNSSDSERVICE_H
#define DNSSDSERVICE_H

// What the discovery classes have learnt of the DNS-SD service (the daemon) as a whole.
namespace DnssdService {

// Set when a browse reference has failed, which is how the daemon's exit shows; cleared by any
// call that reached the service again. Avahi's library calls a callback that it never set when it
// finds its daemon gone under an open resolve, so a resolve is then given up without handing its
// reference to the library again.
inline bool gone = false;

} // namespace DnssdService

#endif // DNSSDSERVICE_H
