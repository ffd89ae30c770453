#ifndef FAKEDNSSD_H
#define FAKEDNSSD_H

// Control of the fake DNS-SD library that unit tests load in place of the real one.
//
// The fake is a shared library named libdns_sd.so.1 (target `fakednssd`). A test that runs with
// LD_LIBRARY_PATH=$<TARGET_FILE_DIR:fakednssd> gets it from the discovery binding before main.
// It implements DNSServiceBrowse, DNSServiceResolve, DNSServiceRefSockFD,
// DNSServiceProcessResult and DNSServiceRefDeallocate; the other entry points are absent.
//
// Every service reference owns a socket pair. A scripted reply is queued on its reference and one
// byte is written to the socket, so the reference's QSocketNotifier fires; each
// DNSServiceProcessResult then reads one byte and delivers one queued reply by calling the
// callback synchronously. Replies therefore arrive only through the event loop (use
// QTRY_COMPARE or QSignalSpy::wait). The discovery classes make their references on
// threads of their own; each control first waits for those calls to end (unless creations are
// held), so it sees the fake as the last call left it.
//
// Typical use, e.g. a speaker list with one speaker that resolves to a local server:
//     FakeDnssd::reset();
//     ... start the browse ...
//     FakeDnssd::browseReply(kDNSServiceFlagsAdd, 0, "Kitchen", "_dockset._tcp.", "local.");
//     ... start the resolve ...
//     FakeDnssd::resolveReply(0, 0, "Kitchen._dockset._tcp.local.", "127.0.0.1",
//                             port >> 8, port & 0xff);

#include <cstdint>
#include <QString>

namespace FakeDnssd {

// True when the loaded libdns_sd.so.1 is the fake (i.e. these controls reach it).
bool available();

// Forgets all scripting and counters and releases held creations. Live references stay live
// (their owners deallocate them).
void reset();

// The next DNSServiceBrowse / DNSServiceResolve fails with err and leaves the caller's reference
// untouched. One-shot.
void failNextBrowse(int32_t err);
void failNextResolve(int32_t err);

// The next reference created (browse or resolve) has no socket: DNSServiceRefSockFD gives -1.
void setNextWithoutSocket(bool withoutSocket);

// The next DNSServiceProcessResult returns err; it consumes the waiting byte and drops the reply
// it would have delivered. One-shot.
void failNextProcess(int32_t err);

// Queue a reply on the newest live browse / resolve reference. Null strings are passed as null
// pointers. The port is given as its two bytes in network order. Returns false when there is no
// live reference of that kind.
bool browseReply(uint32_t flags, int32_t err, const char *name, const char *type,
                 const char *domain);
// The same, as seen on one network interface (browseReply reports interface 0).
bool browseReplyOn(uint32_t interfaceIndex, uint32_t flags, int32_t err, const char *name,
                   const char *type, const char *domain);
bool resolveReply(uint32_t flags, int32_t err, const char *fullname, const char *host,
                  uint8_t portHi, uint8_t portLo);

// While held, DNSServiceBrowse and DNSServiceResolve wait, after they have been counted, until
// released (or reset()), as with a daemon that does not answer; at most 10 s.
void holdCreation(bool hold);

// Counters since the last reset().
int browseCalls();
int resolveCalls();
int processCalls();
int deallocations(); // DNSServiceRefDeallocate calls with a live reference
int liveRefs();      // references not yet deallocated (not cleared by reset())

// The arguments of the last DNSServiceBrowse / DNSServiceResolve call (a null pointer gives a
// null string).
QString lastBrowseType();
QString lastBrowseDomain();
uint32_t lastBrowseFlags();
uint32_t lastBrowseInterface();
QString lastResolveName();
QString lastResolveType();
QString lastResolveDomain();
uint32_t lastResolveFlags();
uint32_t lastResolveInterface();

} // namespace FakeDnssd

#endif // FAKEDNSSD_H
