#include "fakednssd.h"

#include "dnssdthread.h"

#include <QDeadlineTimer>

#include <chrono>
#include <thread>

#include <dlfcn.h>

// The fake is already loaded by the discovery binding (RTLD_LOCAL); RTLD_NOLOAD finds that copy
// without loading a second one, and dlsym reaches its control entry points.

namespace FakeDnssd {

namespace {

    // Keep in step with the enums in fakednssd.cpp.
    enum Counter { BrowseCalls, ResolveCalls, ProcessCalls, Deallocations, LiveRefs };
    enum LastText { BrowseType, BrowseDomain, ResolveName, ResolveType, ResolveDomain };
    enum LastNumber { BrowseFlags, BrowseInterface, ResolveFlags, ResolveInterface };
    enum Failure { FailBrowse, FailResolve, FailProcess };

    bool holding = false;

    // The fake as the discovery classes left it: their calls still running on threads of their
    // own end first. A held creation would not.
    void settle()
    {
        QDeadlineTimer deadline(std::chrono::seconds(10));
        while (!holding && DnssdThread::callsRunning() > 0 && !deadline.hasExpired())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    void *symbol(const char *name)
    {
        static void *handle = dlopen("libdns_sd.so.1", RTLD_NOW | RTLD_NOLOAD);
        return handle ? dlsym(handle, name) : nullptr;
    }

    template<typename Function> Function control(const char *name)
    {
        settle();
        return reinterpret_cast<Function>(symbol(name));
    }

    int count(int which)
    {
        auto function = control<int (*)(int)>("fakednssd_count");
        return function ? function(which) : -1;
    }

    QString lastText(int which)
    {
        auto function = control<const char *(*)(int)>("fakednssd_last_text");
        const char *text = function ? function(which) : nullptr;
        return text ? QString::fromUtf8(text) : QString();
    }

    uint32_t lastNumber(int which)
    {
        auto function = control<uint32_t (*)(int)>("fakednssd_last_number");
        return function ? function(which) : 0;
    }

    void failNext(int which, int32_t err)
    {
        if (auto function = control<void (*)(int, int32_t)>("fakednssd_fail_next"))
            function(which, err);
    }

} // namespace

bool available()
{
    return symbol("fakednssd_reset") != nullptr;
}

void reset()
{
    holding = false;
    if (auto function = control<void (*)()>("fakednssd_reset"))
        function();
}

void failNextBrowse(int32_t err)
{
    failNext(FailBrowse, err);
}

void failNextResolve(int32_t err)
{
    failNext(FailResolve, err);
}

void failNextProcess(int32_t err)
{
    failNext(FailProcess, err);
}

void setNextWithoutSocket(bool withoutSocket)
{
    if (auto function = control<void (*)(int)>("fakednssd_set_next_without_socket"))
        function(withoutSocket ? 1 : 0);
}

void holdCreation(bool hold)
{
    holding = hold;
    // Straight to the fake: a release must not wait for the creation it releases.
    if (auto function = reinterpret_cast<void (*)(int)>(symbol("fakednssd_hold_creation")))
        function(hold ? 1 : 0);
}

bool browseReply(uint32_t flags, int32_t err, const char *name, const char *type,
                 const char *domain)
{
    using Function = int (*)(uint32_t, int32_t, const char *, const char *, const char *);
    auto function = control<Function>("fakednssd_browse_reply");
    return function && function(flags, err, name, type, domain) != 0;
}

bool browseReplyOn(uint32_t interfaceIndex, uint32_t flags, int32_t err, const char *name,
                   const char *type, const char *domain)
{
    using Function = int (*)(uint32_t, uint32_t, int32_t, const char *, const char *, const char *);
    auto function = control<Function>("fakednssd_browse_reply_on");
    return function && function(interfaceIndex, flags, err, name, type, domain) != 0;
}

bool resolveReply(uint32_t flags, int32_t err, const char *fullname, const char *host,
                  uint8_t portHi, uint8_t portLo)
{
    using Function = int (*)(uint32_t, int32_t, const char *, const char *, uint8_t, uint8_t);
    auto function = control<Function>("fakednssd_resolve_reply");
    return function && function(flags, err, fullname, host, portHi, portLo) != 0;
}

int browseCalls()
{
    return count(BrowseCalls);
}

int resolveCalls()
{
    return count(ResolveCalls);
}

int processCalls()
{
    return count(ProcessCalls);
}

int deallocations()
{
    return count(Deallocations);
}

int liveRefs()
{
    return count(LiveRefs);
}

QString lastBrowseType()
{
    return lastText(BrowseType);
}

QString lastBrowseDomain()
{
    return lastText(BrowseDomain);
}

uint32_t lastBrowseFlags()
{
    return lastNumber(BrowseFlags);
}

uint32_t lastBrowseInterface()
{
    return lastNumber(BrowseInterface);
}

QString lastResolveName()
{
    return lastText(ResolveName);
}

QString lastResolveType()
{
    return lastText(ResolveType);
}

QString lastResolveDomain()
{
    return lastText(ResolveDomain);
}

uint32_t lastResolveFlags()
{
    return lastNumber(ResolveFlags);
}

uint32_t lastResolveInterface()
{
    return lastNumber(ResolveInterface);
}

} // namespace FakeDnssd
