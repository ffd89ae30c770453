#ifndef DNSSDAPI_H
#define DNSSDAPI_H

// The DNS-SD client interface as the discovery classes see it. The entry points are defined by our
// own binding (dnssdbinding.cpp), which loads the client library at start-up; the header only
// supplies the declarations. Avahi's compatibility header predates some entry points and the
// "service not running" code; those are declared here with the signatures of Apple's dns_sd.h.

#include <dns_sd.h>

// Apple's header defines _DNS_SD_H as its version number (e.g. 3201080); Avahi's defines it empty.
#if !defined(_DNS_SD_H) || (_DNS_SD_H + 0) < 1610000
#define VANTIR_DNSSD_LEGACY_HEADER 1
#endif

#ifdef VANTIR_DNSSD_LEGACY_HEADER

struct sockaddr;

#ifdef __cplusplus
extern "C" {
#endif

enum {
    kDNSServiceErr_ServiceNotRunning = -65563, // 0xFFFEFFE5: the daemon (or its library) is absent
    kDNSServiceErr_Timeout = -65568            // 0xFFFEFFE0: an operation gave no answer in time
};

typedef uint32_t DNSServiceProtocol;

typedef void(DNSSD_API *DNSServiceNATPortMappingReply)(
    DNSServiceRef sdRef, DNSServiceFlags flags, uint32_t interfaceIndex,
    DNSServiceErrorType errorCode, uint32_t externalAddress, DNSServiceProtocol protocol,
    uint16_t internalPort, uint16_t externalPort, uint32_t ttl, void *context);

DNSServiceErrorType DNSSD_API DNSServiceNATPortMappingCreate(
    DNSServiceRef *sdRef, DNSServiceFlags flags, uint32_t interfaceIndex,
    DNSServiceProtocol protocol, uint16_t internalPort, uint16_t externalPort, uint32_t ttl,
    DNSServiceNATPortMappingReply callBack, void *context);

typedef void(DNSSD_API *DNSServiceGetAddrInfoReply)(DNSServiceRef sdRef, DNSServiceFlags flags,
                                                    uint32_t interfaceIndex,
                                                    DNSServiceErrorType errorCode,
                                                    const char *hostname,
                                                    const struct sockaddr *address, uint32_t ttl,
                                                    void *context);

DNSServiceErrorType DNSSD_API DNSServiceGetAddrInfo(DNSServiceRef *sdRef, DNSServiceFlags flags,
                                                    uint32_t interfaceIndex,
                                                    DNSServiceProtocol protocol,
                                                    const char *hostname,
                                                    DNSServiceGetAddrInfoReply callBack,
                                                    void *context);

DNSServiceErrorType DNSSD_API DNSServiceGetProperty(const char *property, void *result,
                                                    uint32_t *size);

#ifdef __cplusplus
}
#endif

#endif // VANTIR_DNSSD_LEGACY_HEADER

#endif // DNSSDAPI_H
