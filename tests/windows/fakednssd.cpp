// A stand-in for the DNS-SD service's dnssd.dll: every entry point notes its own name and its
// arguments and answers with a value that names it. Built twice: with all 28 exports and, under
// the same name in another folder, without a few (see the two .def files).

#include "dnssdapi.h"
#include "fakednssdrecord.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <type_traits>

namespace {

FakeDnssdRecord record;

template<typename T> std::uint64_t argumentValue(T value)
{
    if constexpr (std::is_pointer_v<T>)
        return reinterpret_cast<std::uintptr_t>(value);
    else
        return static_cast<std::uint64_t>(value);
}

template<typename... Arguments> void note(const char *name, Arguments... arguments)
{
    ++record.calls;
    record.last = FakeDnssdCall();
    std::strncpy(record.last.name, name, sizeof record.last.name - 1);
    const std::uint64_t values[] = { argumentValue(arguments)... };
    record.last.argumentCount = static_cast<int>(sizeof...(arguments));
    std::memcpy(record.last.arguments, values, sizeof values);
}

template<typename Result> Result answer(int entry)
{
    if constexpr (std::is_pointer_v<Result>)
        return reinterpret_cast<Result>(static_cast<std::uintptr_t>(fakeDnssdPointerBase + entry));
    else
        return static_cast<Result>(fakeDnssdResultBase + entry);
}

void leaveDetachMark(bool byFreeLibrary)
{
    char line[96];
    const int length = std::snprintf(line, sizeof line, "DLL_PROCESS_DETACH by %s after %d calls\n",
                                     byFreeLibrary ? "FreeLibrary" : "process end", record.calls);
    HANDLE file = CreateFileA(fakeDnssdDetachMark, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
}

} // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    // A null "reserved" means FreeLibrary; otherwise the process is ending without it.
    if (reason == DLL_PROCESS_DETACH)
        leaveDetachMark(reserved == nullptr);
    return TRUE;
}

const FakeDnssdRecord *fakeDnssdRecord()
{
    return &record;
}

int DNSSD_API DNSServiceRefSockFD(DNSServiceRef sdRef)
{
    note(__func__, sdRef);
    return answer<int>(1);
}

DNSServiceErrorType DNSSD_API DNSServiceProcessResult(DNSServiceRef sdRef)
{
    note(__func__, sdRef);
    return answer<DNSServiceErrorType>(2);
}

void DNSSD_API DNSServiceRefDeallocate(DNSServiceRef sdRef)
{
    note(__func__, sdRef);
}

DNSServiceErrorType DNSSD_API DNSServiceEnumerateDomains(DNSServiceRef *sdRef,
                                                         DNSServiceFlags flags,
                                                         uint32_t interfaceIndex,
                                                         DNSServiceDomainEnumReply callBack,
                                                         void *context)
{
    note(__func__, sdRef, flags, interfaceIndex, callBack, context);
    return answer<DNSServiceErrorType>(4);
}

DNSServiceErrorType DNSSD_API DNSServiceRegister(DNSServiceRef *sdRef, DNSServiceFlags flags,
                                                 uint32_t interfaceIndex, const char *name,
                                                 const char *regtype, const char *domain,
                                                 const char *host, uint16_t port, uint16_t txtLen,
                                                 const void *txtRecord,
                                                 DNSServiceRegisterReply callBack, void *context)
{
    note(__func__, sdRef, flags, interfaceIndex, name, regtype, domain, host, port, txtLen,
         txtRecord, callBack, context);
    return answer<DNSServiceErrorType>(5);
}

DNSServiceErrorType DNSSD_API DNSServiceAddRecord(DNSServiceRef sdRef, DNSRecordRef *RecordRef,
                                                  DNSServiceFlags flags, uint16_t rrtype,
                                                  uint16_t rdlen, const void *rdata, uint32_t ttl)
{
    note(__func__, sdRef, RecordRef, flags, rrtype, rdlen, rdata, ttl);
    return answer<DNSServiceErrorType>(6);
}

DNSServiceErrorType DNSSD_API DNSServiceUpdateRecord(DNSServiceRef sdRef, DNSRecordRef RecordRef,
                                                     DNSServiceFlags flags, uint16_t rdlen,
                                                     const void *rdata, uint32_t ttl)
{
    note(__func__, sdRef, RecordRef, flags, rdlen, rdata, ttl);
    return answer<DNSServiceErrorType>(7);
}

DNSServiceErrorType DNSSD_API DNSServiceRemoveRecord(DNSServiceRef sdRef, DNSRecordRef RecordRef,
                                                     DNSServiceFlags flags)
{
    note(__func__, sdRef, RecordRef, flags);
    return answer<DNSServiceErrorType>(8);
}

DNSServiceErrorType DNSSD_API DNSServiceBrowse(DNSServiceRef *sdRef, DNSServiceFlags flags,
                                               uint32_t interfaceIndex, const char *regtype,
                                               const char *domain, DNSServiceBrowseReply callBack,
                                               void *context)
{
    note(__func__, sdRef, flags, interfaceIndex, regtype, domain, callBack, context);
    return answer<DNSServiceErrorType>(9);
}

DNSServiceErrorType DNSSD_API DNSServiceResolve(DNSServiceRef *sdRef, DNSServiceFlags flags,
                                                uint32_t interfaceIndex, const char *name,
                                                const char *regtype, const char *domain,
                                                DNSServiceResolveReply callBack, void *context)
{
    note(__func__, sdRef, flags, interfaceIndex, name, regtype, domain, callBack, context);
    return answer<DNSServiceErrorType>(10);
}

int DNSSD_API DNSServiceConstructFullName(char *fullName, const char *service, const char *regtype,
                                          const char *domain)
{
    note(__func__, fullName, service, regtype, domain);
    return answer<int>(11);
}

DNSServiceErrorType DNSSD_API DNSServiceCreateConnection(DNSServiceRef *sdRef)
{
    note(__func__, sdRef);
    return answer<DNSServiceErrorType>(12);
}

DNSServiceErrorType DNSSD_API DNSServiceRegisterRecord(
    DNSServiceRef sdRef, DNSRecordRef *RecordRef, DNSServiceFlags flags, uint32_t interfaceIndex,
    const char *fullname, uint16_t rrtype, uint16_t rrclass, uint16_t rdlen, const void *rdata,
    uint32_t ttl, DNSServiceRegisterRecordReply callBack, void *context)
{
    note(__func__, sdRef, RecordRef, flags, interfaceIndex, fullname, rrtype, rrclass, rdlen, rdata,
         ttl, callBack, context);
    return answer<DNSServiceErrorType>(13);
}

DNSServiceErrorType DNSSD_API DNSServiceQueryRecord(DNSServiceRef *sdRef, DNSServiceFlags flags,
                                                    uint32_t interfaceIndex, const char *fullname,
                                                    uint16_t rrtype, uint16_t rrclass,
                                                    DNSServiceQueryRecordReply callBack,
                                                    void *context)
{
    note(__func__, sdRef, flags, interfaceIndex, fullname, rrtype, rrclass, callBack, context);
    return answer<DNSServiceErrorType>(14);
}

DNSServiceErrorType DNSSD_API DNSServiceReconfirmRecord(DNSServiceFlags flags,
                                                        uint32_t interfaceIndex,
                                                        const char *fullname, uint16_t rrtype,
                                                        uint16_t rrclass, uint16_t rdlen,
                                                        const void *rdata)
{
    note(__func__, flags, interfaceIndex, fullname, rrtype, rrclass, rdlen, rdata);
    return answer<DNSServiceErrorType>(15);
}

DNSServiceErrorType DNSSD_API DNSServiceNATPortMappingCreate(
    DNSServiceRef *sdRef, DNSServiceFlags flags, uint32_t interfaceIndex,
    DNSServiceProtocol protocol, uint16_t internalPort, uint16_t externalPort, uint32_t ttl,
    DNSServiceNATPortMappingReply callBack, void *context)
{
    note(__func__, sdRef, flags, interfaceIndex, protocol, internalPort, externalPort, ttl,
         callBack, context);
    return answer<DNSServiceErrorType>(16);
}

DNSServiceErrorType DNSSD_API DNSServiceGetAddrInfo(DNSServiceRef *sdRef, DNSServiceFlags flags,
                                                    uint32_t interfaceIndex,
                                                    DNSServiceProtocol protocol,
                                                    const char *hostname,
                                                    DNSServiceGetAddrInfoReply callBack,
                                                    void *context)
{
    note(__func__, sdRef, flags, interfaceIndex, protocol, hostname, callBack, context);
    return answer<DNSServiceErrorType>(17);
}

DNSServiceErrorType DNSSD_API DNSServiceGetProperty(const char *property, void *result,
                                                    uint32_t *size)
{
    note(__func__, property, result, size);
    return answer<DNSServiceErrorType>(18);
}

void DNSSD_API TXTRecordCreate(TXTRecordRef *txtRecord, uint16_t bufferLen, void *buffer)
{
    note(__func__, txtRecord, bufferLen, buffer);
}

void DNSSD_API TXTRecordDeallocate(TXTRecordRef *txtRecord)
{
    note(__func__, txtRecord);
}

DNSServiceErrorType DNSSD_API TXTRecordSetValue(TXTRecordRef *txtRecord, const char *key,
                                                uint8_t valueSize, const void *value)
{
    note(__func__, txtRecord, key, valueSize, value);
    return answer<DNSServiceErrorType>(21);
}

DNSServiceErrorType DNSSD_API TXTRecordRemoveValue(TXTRecordRef *txtRecord, const char *key)
{
    note(__func__, txtRecord, key);
    return answer<DNSServiceErrorType>(22);
}

int DNSSD_API TXTRecordContainsKey(uint16_t txtLen, const void *txtRecord, const char *key)
{
    note(__func__, txtLen, txtRecord, key);
    return answer<int>(23);
}

uint16_t DNSSD_API TXTRecordGetCount(uint16_t txtLen, const void *txtRecord)
{
    note(__func__, txtLen, txtRecord);
    return answer<uint16_t>(24);
}

uint16_t DNSSD_API TXTRecordGetLength(const TXTRecordRef *txtRecord)
{
    note(__func__, txtRecord);
    return answer<uint16_t>(25);
}

const void *DNSSD_API TXTRecordGetBytesPtr(const TXTRecordRef *txtRecord)
{
    note(__func__, txtRecord);
    return answer<const void *>(26);
}

const void *DNSSD_API TXTRecordGetValuePtr(uint16_t txtLen, const void *txtRecord, const char *key,
                                           uint8_t *valueLen)
{
    note(__func__, txtLen, txtRecord, key, valueLen);
    return answer<const void *>(27);
}

DNSServiceErrorType DNSSD_API TXTRecordGetItemAtIndex(uint16_t txtLen, const void *txtRecord,
                                                      uint16_t index, uint16_t keyBufLen, char *key,
                                                      uint8_t *valueLen, const void **value)
{
    note(__func__, txtLen, txtRecord, index, keyBufLen, key, valueLen, value);
    return answer<DNSServiceErrorType>(28);
}

} // extern "C"
