#include "dnssdplatform.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#include <stdlib.h>
#endif

// Sanitizer builds keep the library mapped after its release: see loadLibrary().
#if defined(__SANITIZE_ADDRESS__)
#define VANTIR_KEEP_DNSSD_LOADED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VANTIR_KEEP_DNSSD_LOADED 1
#endif
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

// Avahi's allocator interface (avahi-common/malloc.h), declared here: nothing else of its headers
// is needed.
struct AvahiAllocator
{
    void *(*malloc)(size_t size);
    void (*free)(void *p);
    void *(*realloc)(void *p, size_t size);
    void *(*calloc)(size_t count, size_t size);
};

static void *clearedMalloc(size_t size)
{
    return calloc(1, size);
}

// Avahi's compatibility library allocates a service reference without clearing it and sets only
// the callback of the reference's own kind; when its daemon goes, it calls the first callback that
// is not null, which for a resolve is the browse callback it never set: a jump to whatever the
// memory held. With every allocation cleared, the resolve's own callback gets the error.
static void clearAvahiAllocations(Handle library)
{
    static const AvahiAllocator clearing = { clearedMalloc, free, realloc, calloc };
    using SetAllocator = void (*)(const AvahiAllocator *);
    // Found among the library's dependencies; other DNS-SD libraries have no such thing.
    if (auto setAllocator = reinterpret_cast<SetAllocator>(dlsym(library, "avahi_set_allocator")))
        setAllocator(&clearing);
}

Handle loadLibrary()
{
    // Avahi's compatibility library warns on standard error, at the first call, that the program
    // should use Avahi's own interface. We use the portable one on purpose, so a user has nothing
    // to fix: keep it quiet, unless whoever started us has decided otherwise.
    setenv("AVAHI_COMPAT_NOWARN", "1", 0);
    // RTLD_LOCAL keeps the library's symbols out of the global scope: our binding defines the
    // same DNSService* names, and neither side may end up calling the other by accident.
    int flags = RTLD_NOW | RTLD_LOCAL;
#ifdef VANTIR_KEEP_DNSSD_LOADED
    // LeakSanitizer checks after the exit handlers. Avahi's library starts libdbus, which keeps
    // global state to the end; once dlclose has unmapped both, that state is reported as a leak
    // of an unknown module. Kept mapped, it stays reachable and is named if it ever leaks.
    flags |= RTLD_NODELETE;
#endif
    Handle library = dlopen("libdns_sd.so.1", flags);
    if (library)
        clearAvahiAllocations(library);
    return library;
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
