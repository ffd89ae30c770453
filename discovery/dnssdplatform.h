#ifndef DNSSDPLATFORM_H
#define DNSSDPLATFORM_H

// The few operating-system calls that the DNS-SD binding needs: open the client library by its
// fixed name, look an entry point up by name, close the library again. Kept in its own object so
// that a test can link a counting stand-in instead.
namespace DnssdPlatform {

using Handle = void *;
using Symbol = void (*)();

// "dnssd.dll" on Windows, "libdns_sd.so.1" (Avahi's compatibility library) elsewhere, where it
// first sets AVAHI_COMPAT_NOWARN=1 unless that is set already: the one environment variable the
// program touches. Returns null when the library is missing or cannot be loaded.
Handle loadLibrary();

// The address of the named entry point in the library, or null when it has none.
Symbol resolveSymbol(Handle handle, const char *name);

void freeLibrary(Handle handle);

} // namespace DnssdPlatform

#endif // DNSSDPLATFORM_H
