#include "dnssdplatform.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
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
