// A scriptable stand-in for the DNS-SD client library (libdns_sd.so.1). Replies are queued per
// service reference by the test and delivered through a real socket pair, one per
// DNSServiceProcessResult, so the code under test runs exactly as with the real library.
// Only the entry points that the discovery classes use are provided. Safe to call from any
// thread, as the discovery classes make references on threads of their own.

#include <dns_sd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#define FAKEDNSSD_EXPORT extern "C"

namespace {

// A string of a reply or call that remembers whether it was a null pointer.
struct Text
{
    Text() = default;
    Text(const char *text) : isNull(text == nullptr), value(text ? text : "") { }
    const char *get() const { return isNull ? nullptr : value.c_str(); }

    bool isNull = true;
    std::string value;
};

struct Reply
{
    DNSServiceFlags flags = 0;
    DNSServiceErrorType err = kDNSServiceErr_NoError;
    Text name;         // browse: service name; resolve: full name
    Text type;         // browse: registration type; resolve: host target
    Text domain;       // browse only
    uint16_t port = 0; // resolve only, network byte order
    uint32_t interfaceIndex = 0;
};

enum class Kind { Browse, Resolve };

} // namespace

struct _DNSServiceRef_t
{
    Kind kind = Kind::Browse;
    int fds[2] = { -1, -1 }; // [0] is handed out, [1] is written by the script
    DNSServiceBrowseReply browseCallback = nullptr;
    DNSServiceResolveReply resolveCallback = nullptr;
    void *context = nullptr;
    std::deque<Reply> replies;
};

namespace {

enum Counter { BrowseCalls, ResolveCalls, ProcessCalls, Deallocations, LiveRefs };
enum LastText { BrowseType, BrowseDomain, ResolveName, ResolveType, ResolveDomain };
enum LastNumber { BrowseFlags, BrowseInterface, ResolveFlags, ResolveInterface };
enum Failure { FailBrowse, FailResolve, FailProcess };

struct State
{
    int counters[4] = {};
    Text lastTexts[5];
    uint32_t lastNumbers[4] = {};
    DNSServiceErrorType failures[3] = {};
    bool nextWithoutSocket = false;
    bool holdCreation = false;
};

// A creation held longer than this goes on, so that a test whose caller waits for it ends.
constexpr std::chrono::seconds maxHold(10);

State state;
std::recursive_mutex guard; // of everything here; held through the callbacks as well
std::condition_variable_any creationReleased;
std::vector<DNSServiceRef> liveRefs; // in order of creation

DNSServiceRef createRef(Kind kind)
{
    auto ref = new _DNSServiceRef_t;
    ref->kind = kind;
    if (state.nextWithoutSocket) {
        state.nextWithoutSocket = false;
    } else if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ref->fds) != 0) {
        ref->fds[0] = ref->fds[1] = -1;
    }
    liveRefs.push_back(ref);
    return ref;
}

bool isLive(DNSServiceRef ref)
{
    return std::find(liveRefs.begin(), liveRefs.end(), ref) != liveRefs.end();
}

DNSServiceRef newestLive(Kind kind)
{
    for (auto it = liveRefs.rbegin(); it != liveRefs.rend(); ++it) {
        if ((*it)->kind == kind)
            return *it;
    }
    return nullptr;
}

bool queueReply(Kind kind, const Reply &reply)
{
    DNSServiceRef ref = newestLive(kind);
    if (!ref)
        return false;
    ref->replies.push_back(reply);
    if (ref->fds[1] != -1) {
        const char wake = 'r';
        if (write(ref->fds[1], &wake, 1) != 1)
            return false;
    }
    return true;
}

// Waits while creations are held, as a daemon that does not answer would.
void waitWhileHeld(std::unique_lock<std::recursive_mutex> &lock)
{
    creationReleased.wait_for(lock, maxHold, [] { return !state.holdCreation; });
}

DNSServiceErrorType takeFailure(Failure which)
{
    DNSServiceErrorType err = state.failures[which];
    state.failures[which] = kDNSServiceErr_NoError;
    return err;
}

} // namespace

FAKEDNSSD_EXPORT DNSServiceErrorType DNSServiceBrowse(DNSServiceRef *sdRef, DNSServiceFlags flags,
                                                      uint32_t interfaceIndex, const char *regtype,
                                                      const char *domain,
                                                      DNSServiceBrowseReply callBack, void *context)
{
    std::unique_lock<std::recursive_mutex> lock(guard);
    ++state.counters[BrowseCalls];
    state.lastTexts[BrowseType] = Text(regtype);
    state.lastTexts[BrowseDomain] = Text(domain);
    state.lastNumbers[BrowseFlags] = flags;
    state.lastNumbers[BrowseInterface] = interfaceIndex;
    waitWhileHeld(lock);
    if (DNSServiceErrorType err = takeFailure(FailBrowse))
        return err;
    DNSServiceRef ref = createRef(Kind::Browse);
    ref->browseCallback = callBack;
    ref->context = context;
    *sdRef = ref;
    return kDNSServiceErr_NoError;
}

FAKEDNSSD_EXPORT DNSServiceErrorType DNSServiceResolve(DNSServiceRef *sdRef, DNSServiceFlags flags,
                                                       uint32_t interfaceIndex, const char *name,
                                                       const char *regtype, const char *domain,
                                                       DNSServiceResolveReply callBack,
                                                       void *context)
{
    std::unique_lock<std::recursive_mutex> lock(guard);
    ++state.counters[ResolveCalls];
    state.lastTexts[ResolveName] = Text(name);
    state.lastTexts[ResolveType] = Text(regtype);
    state.lastTexts[ResolveDomain] = Text(domain);
    state.lastNumbers[ResolveFlags] = flags;
    state.lastNumbers[ResolveInterface] = interfaceIndex;
    waitWhileHeld(lock);
    if (DNSServiceErrorType err = takeFailure(FailResolve))
        return err;
    DNSServiceRef ref = createRef(Kind::Resolve);
    ref->resolveCallback = callBack;
    ref->context = context;
    *sdRef = ref;
    return kDNSServiceErr_NoError;
}

FAKEDNSSD_EXPORT int DNSServiceRefSockFD(DNSServiceRef sdRef)
{
    std::lock_guard<std::recursive_mutex> lock(guard);
    return isLive(sdRef) ? sdRef->fds[0] : -1;
}

FAKEDNSSD_EXPORT DNSServiceErrorType DNSServiceProcessResult(DNSServiceRef sdRef)
{
    std::lock_guard<std::recursive_mutex> lock(guard);
    ++state.counters[ProcessCalls];
    if (!isLive(sdRef))
        return kDNSServiceErr_BadReference;

    char wake;
    bool woken = sdRef->fds[0] != -1 && read(sdRef->fds[0], &wake, 1) == 1;
    if (DNSServiceErrorType err = takeFailure(FailProcess)) {
        if (woken && !sdRef->replies.empty())
            sdRef->replies.pop_front();
        return err;
    }
    // The real library would block here; the fake has nothing to say instead.
    if (sdRef->replies.empty())
        return kDNSServiceErr_NoError;

    // Off the queue first: the callback may deallocate the reference.
    const Reply reply = sdRef->replies.front();
    sdRef->replies.pop_front();
    if (sdRef->kind == Kind::Browse) {
        sdRef->browseCallback(sdRef, reply.flags, reply.interfaceIndex, reply.err, reply.name.get(),
                              reply.type.get(), reply.domain.get(), sdRef->context);
    } else {
        sdRef->resolveCallback(sdRef, reply.flags, reply.interfaceIndex, reply.err,
                               reply.name.get(), reply.type.get(), reply.port, 0, nullptr,
                               sdRef->context);
    }
    return kDNSServiceErr_NoError;
}

FAKEDNSSD_EXPORT void DNSServiceRefDeallocate(DNSServiceRef sdRef)
{
    std::lock_guard<std::recursive_mutex> lock(guard);
    auto it = std::find(liveRefs.begin(), liveRefs.end(), sdRef);
    if (it == liveRefs.end())
        return;
    liveRefs.erase(it);
    ++state.counters[Deallocations];
    for (int fd : sdRef->fds) {
        if (fd != -1)
            close(fd);
    }
    delete sdRef;
}

// Control entry points, reached by the tests through fakednssd_control (fakednssd.h).

FAKEDNSSD_EXPORT void fakednssd_reset()
{
    std::lock_guard<std::recursive_mutex> lock(guard);
    state = State();
    creationReleased.notify_all();
}

FAKEDNSSD_EXPORT void fakednssd_hold_creation(int hold)
{
    std::lock_guard<std::recursive_mutex> lock(guard);
    state.holdCreation = hold != 0;
    creationReleased.notify_all();
}

FAKEDNSSD_EXPORT void fakednssd_fail_next(int which, int32_t err)
{
    std::lock_guard<std::recursive_mutex> lock(guard);
    if (which >= FailBrowse && which <= FailProcess)
        state.failures[which] = err;
}

FAKEDNSSD_EXPORT void fakednssd_set_next_without_socket(int withoutSocket)
{
    std::lock_guard<std::recursive_mutex> lock(guard);
    state.nextWithoutSocket = withoutSocket != 0;
}

FAKEDNSSD_EXPORT int fakednssd_browse_reply_on(uint32_t interfaceIndex, uint32_t flags, int32_t err,
                                               const char *name, const char *type,
                                               const char *domain)
{
    std::lock_guard<std::recursive_mutex> lock(guard);
    Reply reply;
    reply.interfaceIndex = interfaceIndex;
    reply.flags = flags;
    reply.err = err;
    reply.name = Text(name);
    reply.type = Text(type);
    reply.domain = Text(domain);
    return queueReply(Kind::Browse, reply);
}

FAKEDNSSD_EXPORT int fakednssd_browse_reply(uint32_t flags, int32_t err, const char *name,
                                            const char *type, const char *domain)
{
    return fakednssd_browse_reply_on(0, flags, err, name, type, domain);
}

FAKEDNSSD_EXPORT int fakednssd_resolve_reply(uint32_t flags, int32_t err, const char *fullname,
                                             const char *host, uint8_t portHi, uint8_t portLo)
{
    std::lock_guard<std::recursive_mutex> lock(guard);
    Reply reply;
    reply.flags = flags;
    reply.err = err;
    reply.name = Text(fullname);
    reply.type = Text(host);
    const uint8_t portBytes[2] = { portHi, portLo };
    std::memcpy(&reply.port, portBytes, sizeof reply.port);
    return queueReply(Kind::Resolve, reply);
}

FAKEDNSSD_EXPORT int fakednssd_count(int which)
{
    std::lock_guard<std::recursive_mutex> lock(guard);
    if (which == LiveRefs)
        return static_cast<int>(liveRefs.size());
    return which >= BrowseCalls && which < LiveRefs ? state.counters[which] : -1;
}

FAKEDNSSD_EXPORT const char *fakednssd_last_text(int which)
{
    std::lock_guard<std::recursive_mutex> lock(guard);
    return which >= BrowseType && which <= ResolveDomain ? state.lastTexts[which].get() : nullptr;
}

FAKEDNSSD_EXPORT uint32_t fakednssd_last_number(int which)
{
    std::lock_guard<std::recursive_mutex> lock(guard);
    return which >= BrowseFlags && which <= ResolveInterface ? state.lastNumbers[which] : 0;
}
