#include "fakeplatform.h"
#include "dnssdapi.h"
#include "dnssdplatform.h"

#include <cstring>

namespace {

int dummyLibrary;

// The library's side of the entry points that the tests call; distinct names, since the binding
// defines the real ones.
int DNSSD_API fakeRefSockFD(DNSServiceRef)
{
    return 42;
}

DNSServiceErrorType DNSSD_API fakeProcessResult(DNSServiceRef)
{
    return 7;
}

DNSServiceErrorType DNSSD_API fakeBrowse(DNSServiceRef *sdRef, DNSServiceFlags, uint32_t,
                                         const char *regtype, const char *, DNSServiceBrowseReply,
                                         void *context)
{
    *sdRef = static_cast<DNSServiceRef>(context);
    return std::strcmp(regtype, "_dockset._tcp") == 0 ? 0 : -65540;
}

uint16_t DNSSD_API fakeTXTRecordGetCount(uint16_t txtLen, const void *)
{
    return static_cast<uint16_t>(txtLen + 1);
}

} // namespace

namespace FakePlatform {

State &state()
{
    // Constructed on first use: the binding loads before any other static constructor runs.
    static State theState;
    return theState;
}

void *dummyHandle()
{
    return &dummyLibrary;
}

} // namespace FakePlatform

namespace DnssdPlatform {

Handle loadLibrary()
{
    FakePlatform::State &state = FakePlatform::state();
    ++state.loadCalls;
    return state.libraryPresent ? FakePlatform::dummyHandle() : nullptr;
}

Symbol resolveSymbol(Handle handle, const char *name)
{
    FakePlatform::State &state = FakePlatform::state();
    state.resolved.push_back(name);
    if (handle != FakePlatform::dummyHandle() || state.missingEntryPoints.count(name))
        return nullptr;
    const std::string entryPoint = name;
    if (entryPoint == "DNSServiceRefSockFD")
        return reinterpret_cast<Symbol>(fakeRefSockFD);
    if (entryPoint == "DNSServiceProcessResult")
        return reinterpret_cast<Symbol>(fakeProcessResult);
    if (entryPoint == "DNSServiceBrowse")
        return reinterpret_cast<Symbol>(fakeBrowse);
    if (entryPoint == "TXTRecordGetCount")
        return reinterpret_cast<Symbol>(fakeTXTRecordGetCount);
    return nullptr;
}

void freeLibrary(Handle handle)
{
    if (handle == FakePlatform::dummyHandle())
        ++FakePlatform::state().freeCalls;
}

} // namespace DnssdPlatform
