#include "dnssdplatform.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#include <stdlib.h>
#endif

namespace DnssdPlatform {

#ifdef _WIN32

Handle loadLibrary()
{
    // The client library of the separately installed DNS-SD service, found by the default
    // search order.
    return LoadLibraryW(L"dnssd.dll");
}

Symbol resolveSymbol(Handle handle, const char *name)
{
    return reinterpret_cast<Symbol>(GetProcAddress(static_cast<HMODULE>(handle), name));
}

void freeLibrary(Handle handle)
{
    FreeLibrary(static_cast<HMODULE>(handle));
}

#else

Handle loadLibrary()
{
    // Avahi's compatibility library warns on standard error, at the first call, that the program
    // should use Avahi's own interface. We use the portable one on purpose, so a user has nothing
    // to fix: keep it quiet, unless whoever started us has decided otherwise.
    setenv("AVAHI_COMPAT_NOWARN", "1", 0);
    // RTLD_LOCAL keeps the library's symbols out of the global scope: our binding defines the
    // same DNSService* names, and neither side may end up calling the other by accident.
    return dlopen("libdns_sd.so.1", RTLD_NOW | RTLD_LOCAL);
}

Symbol resolveSymbol(Handle handle, const char *name)
{
    return reinterpret_cast<Symbol>(dlsym(handle, name));
}

void freeLibrary(Handle handle)
{
    dlclose(handle);
}

#endif

} // namespace DnssdPlatform
