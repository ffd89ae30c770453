#include "dnssdbinding.h"
#include "dnssdapi.h"

#include <atomic>
#include <cstdlib>

DnssdLibrary *dnssdLibrary = nullptr;

namespace {

// Constant-initialised, so it exists before any static constructor runs.
DnssdLibrary theLibrary;

enum EntryPoint {
    RefSockFD,
    ProcessResult,
    RefDeallocate,
    EnumerateDomains,
    Register,
    AddRecord,
    UpdateRecord,
    RemoveRecord,
    Browse,
    Resolve,
    ConstructFullName,
    CreateConnection,
    RegisterRecord,
    QueryRecord,
    ReconfirmRecord,
    NATPortMappingCreate,
    GetAddrInfo,
    GetProperty,
    TXTCreate,
    TXTDeallocate,
    TXTSetValue,
    TXTRemoveValue,
    TXTContainsKey,
    TXTGetCount,
    TXTGetLength,
    TXTGetBytesPtr,
    TXTGetValuePtr,
    TXTGetItemAtIndex,
    EntryPointCount
};

const char *const entryPointNames[EntryPointCount] = {
    "DNSServiceRefSockFD",
    "DNSServiceProcessResult",
    "DNSServiceRefDeallocate",
    "DNSServiceEnumerateDomains",
    "DNSServiceRegister",
    "DNSServiceAddRecord",
    "DNSServiceUpdateRecord",
    "DNSServiceRemoveRecord",
    "DNSServiceBrowse",
    "DNSServiceResolve",
    "DNSServiceConstructFullName",
    "DNSServiceCreateConnection",
    "DNSServiceRegisterRecord",
    "DNSServiceQueryRecord",
    "DNSServiceReconfirmRecord",
    "DNSServiceNATPortMappingCreate",
    "DNSServiceGetAddrInfo",
    "DNSServiceGetProperty",
    "TXTRecordCreate",
    "TXTRecordDeallocate",
    "TXTRecordSetValue",
    "TXTRecordRemoveValue",
    "TXTRecordContainsKey",
    "TXTRecordGetCount",
    "TXTRecordGetLength",
    "TXTRecordGetBytesPtr",
    "TXTRecordGetValuePtr",
    "TXTRecordGetItemAtIndex",
};

// Atomic: the discovery classes make their references on threads of their own.
std::atomic<DnssdPlatform::Symbol> entryPointSlots[EntryPointCount] = {};

DnssdPlatform::Symbol resolveEntryPoint(std::atomic<DnssdPlatform::Symbol> &slot, const char *name)
{
    if (!dnssdLibrary || !dnssdLibrary->handle) {
        // Forget what an earlier library gave us: after the release its addresses are stale.
        slot = nullptr;
        return nullptr;
    }
    // A failed look-up leaves the slot empty, so the next call asks again.
    DnssdPlatform::Symbol symbol = slot;
    if (!symbol) {
        symbol = DnssdPlatform::resolveSymbol(dnssdLibrary->handle, name);
        slot = symbol;
    }
    return symbol;
}

// The library's function for the entry point, or null when it is unavailable.
template<typename Function> Function entryPoint(EntryPoint which)
{
    return reinterpret_cast<Function>(
        resolveEntryPoint(entryPointSlots[which], entryPointNames[which]));
}

// What a DNS-SD call returns when the library or its entry point is missing.
constexpr DNSServiceErrorType notRunning = kDNSServiceErr_ServiceNotRunning;

} // namespace

void loadDnssdLibrary()
{
    static bool exitHandlerInstalled = false;

    theLibrary = DnssdLibrary();
    theLibrary.handle = DnssdPlatform::loadLibrary();
    dnssdLibrary = &theLibrary;
    if (!exitHandlerInstalled) {
        exitHandlerInstalled = true;
        std::atexit(releaseDnssdLibrary);
    }
}

void releaseDnssdLibrary()
{
    if (dnssdLibrary && dnssdLibrary->handle) {
        DnssdPlatform::freeLibrary(dnssdLibrary->handle);
        dnssdLibrary->handle = nullptr;
    }
    dnssdLibrary = nullptr;
}

// Load before every other static initialiser, so that no constructor can reach DNS-SD unbound.
#if defined(_MSC_VER)
#pragma warning(disable : 4073) // initialisers put in library initialisation area
#pragma init_seg(lib)
namespace {
struct DnssdLoader
{
    DnssdLoader() { loadDnssdLibrary(); }
} dnssdLoader;
} // namespace
#else
__attribute__((constructor(101))) static void loadDnssdLibraryAtStart()
{
    loadDnssdLibrary();
}
#endif

extern "C" {

int DNSSD_API DNSServiceRefSockFD(DNSServiceRef sdRef)
{
    auto function = entryPoint<decltype(&DNSServiceRefSockFD)>(RefSockFD);
    return function ? function(sdRef) : -1;
}

DNSServiceErrorType DNSSD_API DNSServiceProcessResult(DNSServiceRef sdRef)
{
    auto function = entryPoint<decltype(&DNSServiceProcessResult)>(ProcessResult);
    return function ? function(sdRef) : notRunning;
}

void DNSSD_API DNSServiceRefDeallocate(DNSServiceRef sdRef)
{
    if (auto function = entryPoint<decltype(&DNSServiceRefDeallocate)>(RefDeallocate))
        function(sdRef);
}

DNSServiceErrorType DNSSD_API DNSServiceEnumerateDomains(DNSServiceRef *sdRef,
                                                         DNSServiceFlags flags,
                                                         uint32_t interfaceIndex,
                                                         DNSServiceDomainEnumReply callBack,
                                                         void *context)
{
    auto function = entryPoint<decltype(&DNSServiceEnumerateDomains)>(EnumerateDomains);
    return function ? function(sdRef, flags, interfaceIndex, callBack, context) : notRunning;
}

DNSServiceErrorType DNSSD_API DNSServiceRegister(DNSServiceRef *sdRef, DNSServiceFlags flags,
                                                 uint32_t interfaceIndex, const char *name,
                                                 const char *regtype, const char *domain,
                                                 const char *host, uint16_t port, uint16_t txtLen,
                                                 const void *txtRecord,
                                                 DNSServiceRegisterReply callBack, void *context)
{
    auto function = entryPoint<decltype(&DNSServiceRegister)>(Register);
    return function ? function(sdRef, flags, interfaceIndex, name, regtype, domain, host, port,
                               txtLen, txtRecord, callBack, context)
                    : notRunning;
}

DNSServiceErrorType DNSSD_API DNSServiceAddRecord(DNSServiceRef sdRef, DNSRecordRef *RecordRef,
                                                  DNSServiceFlags flags, uint16_t rrtype,
                                                  uint16_t rdlen, const void *rdata, uint32_t ttl)
{
    auto function = entryPoint<decltype(&DNSServiceAddRecord)>(AddRecord);
    return function ? function(sdRef, RecordRef, flags, rrtype, rdlen, rdata, ttl) : notRunning;
}

DNSServiceErrorType DNSSD_API DNSServiceUpdateRecord(DNSServiceRef sdRef, DNSRecordRef RecordRef,
                                                     DNSServiceFlags flags, uint16_t rdlen,
                                                     const void *rdata, uint32_t ttl)
{
    auto function = entryPoint<decltype(&DNSServiceUpdateRecord)>(UpdateRecord);
    return function ? function(sdRef, RecordRef, flags, rdlen, rdata, ttl) : notRunning;
}

DNSServiceErrorType DNSSD_API DNSServiceRemoveRecord(DNSServiceRef sdRef, DNSRecordRef RecordRef,
                                                     DNSServiceFlags flags)
{
    auto function = entryPoint<decltype(&DNSServiceRemoveRecord)>(RemoveRecord);
    return function ? function(sdRef, RecordRef, flags) : notRunning;
}

DNSServiceErrorType DNSSD_API DNSServiceBrowse(DNSServiceRef *sdRef, DNSServiceFlags flags,
                                               uint32_t interfaceIndex, const char *regtype,
                                               const char *domain, DNSServiceBrowseReply callBack,
                                               void *context)
{
    auto function = entryPoint<decltype(&DNSServiceBrowse)>(Browse);
    return function ? function(sdRef, flags, interfaceIndex, regtype, domain, callBack, context)
                    : notRunning;
}

DNSServiceErrorType DNSSD_API DNSServiceResolve(DNSServiceRef *sdRef, DNSServiceFlags flags,
                                                uint32_t interfaceIndex, const char *name,
                                                const char *regtype, const char *domain,
                                                DNSServiceResolveReply callBack, void *context)
{
    auto function = entryPoint<decltype(&DNSServiceResolve)>(Resolve);
    return function
        ? function(sdRef, flags, interfaceIndex, name, regtype, domain, callBack, context)
        : notRunning;
}

int DNSSD_API DNSServiceConstructFullName(char *fullName, const char *service, const char *regtype,
                                          const char *domain)
{
    auto function = entryPoint<decltype(&DNSServiceConstructFullName)>(ConstructFullName);
    return function ? function(fullName, service, regtype, domain) : notRunning;
}

DNSServiceErrorType DNSSD_API DNSServiceCreateConnection(DNSServiceRef *sdRef)
{
    auto function = entryPoint<decltype(&DNSServiceCreateConnection)>(CreateConnection);
    return function ? function(sdRef) : notRunning;
}

DNSServiceErrorType DNSSD_API DNSServiceRegisterRecord(
    DNSServiceRef sdRef, DNSRecordRef *RecordRef, DNSServiceFlags flags, uint32_t interfaceIndex,
    const char *fullname, uint16_t rrtype, uint16_t rrclass, uint16_t rdlen, const void *rdata,
    uint32_t ttl, DNSServiceRegisterRecordReply callBack, void *context)
{
    auto function = entryPoint<decltype(&DNSServiceRegisterRecord)>(RegisterRecord);
    return function ? function(sdRef, RecordRef, flags, interfaceIndex, fullname, rrtype, rrclass,
                               rdlen, rdata, ttl, callBack, context)
                    : notRunning;
}

DNSServiceErrorType DNSSD_API DNSServiceQueryRecord(DNSServiceRef *sdRef, DNSServiceFlags flags,
                                                    uint32_t interfaceIndex, const char *fullname,
                                                    uint16_t rrtype, uint16_t rrclass,
                                                    DNSServiceQueryRecordReply callBack,
                                                    void *context)
{
    auto function = entryPoint<decltype(&DNSServiceQueryRecord)>(QueryRecord);
    return function
        ? function(sdRef, flags, interfaceIndex, fullname, rrtype, rrclass, callBack, context)
        : notRunning;
}

DNSServiceErrorType DNSSD_API DNSServiceReconfirmRecord(DNSServiceFlags flags,
                                                        uint32_t interfaceIndex,
                                                        const char *fullname, uint16_t rrtype,
                                                        uint16_t rrclass, uint16_t rdlen,
                                                        const void *rdata)
{
    auto function = entryPoint<decltype(&DNSServiceReconfirmRecord)>(ReconfirmRecord);
    return function ? function(flags, interfaceIndex, fullname, rrtype, rrclass, rdlen, rdata)
                    : notRunning;
}

DNSServiceErrorType DNSSD_API DNSServiceNATPortMappingCreate(
    DNSServiceRef *sdRef, DNSServiceFlags flags, uint32_t interfaceIndex,
    DNSServiceProtocol protocol, uint16_t internalPort, uint16_t externalPort, uint32_t ttl,
    DNSServiceNATPortMappingReply callBack, void *context)
{
    auto function = entryPoint<decltype(&DNSServiceNATPortMappingCreate)>(NATPortMappingCreate);
    return function ? function(sdRef, flags, interfaceIndex, protocol, internalPort, externalPort,
                               ttl, callBack, context)
                    : notRunning;
}

DNSServiceErrorType DNSSD_API DNSServiceGetAddrInfo(DNSServiceRef *sdRef, DNSServiceFlags flags,
                                                    uint32_t interfaceIndex,
                                                    DNSServiceProtocol protocol,
                                                    const char *hostname,
                                                    DNSServiceGetAddrInfoReply callBack,
                                                    void *context)
{
    auto function = entryPoint<decltype(&DNSServiceGetAddrInfo)>(GetAddrInfo);
    return function ? function(sdRef, flags, interfaceIndex, protocol, hostname, callBack, context)
                    : notRunning;
}

DNSServiceErrorType DNSSD_API DNSServiceGetProperty(const char *property, void *result,
                                                    uint32_t *size)
{
    auto function = entryPoint<decltype(&DNSServiceGetProperty)>(GetProperty);
    return function ? function(property, result, size) : notRunning;
}

void DNSSD_API TXTRecordCreate(TXTRecordRef *txtRecord, uint16_t bufferLen, void *buffer)
{
    if (auto function = entryPoint<decltype(&TXTRecordCreate)>(TXTCreate))
        function(txtRecord, bufferLen, buffer);
}

void DNSSD_API TXTRecordDeallocate(TXTRecordRef *txtRecord)
{
    if (auto function = entryPoint<decltype(&TXTRecordDeallocate)>(TXTDeallocate))
        function(txtRecord);
}

DNSServiceErrorType DNSSD_API TXTRecordSetValue(TXTRecordRef *txtRecord, const char *key,
                                                uint8_t valueSize, const void *value)
{
    auto function = entryPoint<decltype(&TXTRecordSetValue)>(TXTSetValue);
    return function ? function(txtRecord, key, valueSize, value) : notRunning;
}

DNSServiceErrorType DNSSD_API TXTRecordRemoveValue(TXTRecordRef *txtRecord, const char *key)
{
    auto function = entryPoint<decltype(&TXTRecordRemoveValue)>(TXTRemoveValue);
    return function ? function(txtRecord, key) : notRunning;
}

int DNSSD_API TXTRecordContainsKey(uint16_t txtLen, const void *txtRecord, const char *key)
{
    auto function = entryPoint<decltype(&TXTRecordContainsKey)>(TXTContainsKey);
    return function ? function(txtLen, txtRecord, key) : 0;
}

uint16_t DNSSD_API TXTRecordGetCount(uint16_t txtLen, const void *txtRecord)
{
    auto function = entryPoint<decltype(&TXTRecordGetCount)>(TXTGetCount);
    return function ? function(txtLen, txtRecord) : 0;
}

uint16_t DNSSD_API TXTRecordGetLength(const TXTRecordRef *txtRecord)
{
    auto function = entryPoint<decltype(&TXTRecordGetLength)>(TXTGetLength);
    return function ? function(txtRecord) : 0;
}

const void *DNSSD_API TXTRecordGetBytesPtr(const TXTRecordRef *txtRecord)
{
    auto function = entryPoint<decltype(&TXTRecordGetBytesPtr)>(TXTGetBytesPtr);
    return function ? function(txtRecord) : nullptr;
}

const void *DNSSD_API TXTRecordGetValuePtr(uint16_t txtLen, const void *txtRecord, const char *key,
                                           uint8_t *valueLen)
{
    auto function = entryPoint<decltype(&TXTRecordGetValuePtr)>(TXTGetValuePtr);
    return function ? function(txtLen, txtRecord, key, valueLen) : nullptr;
}

DNSServiceErrorType DNSSD_API TXTRecordGetItemAtIndex(uint16_t txtLen, const void *txtRecord,
                                                      uint16_t index, uint16_t keyBufLen, char *key,
                                                      uint8_t *valueLen, const void **value)
{
    auto function = entryPoint<decltype(&TXTRecordGetItemAtIndex)>(TXTGetItemAtIndex);
    return function ? function(txtLen, txtRecord, index, keyBufLen, key, valueLen, value)
                    : notRunning;
}

} // extern "C"
