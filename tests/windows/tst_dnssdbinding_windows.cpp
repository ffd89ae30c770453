// The DNS-SD binding as built for Windows, against the fake dnssd.dll, under Wine or on Windows.
// One process per case, since the library is loaded once before main:
//   tst_dnssdbinding_windows full      the complete fake dnssd.dll is on the search path
//   tst_dnssdbinding_windows partial   the fake without a few of the entry points is
//   tst_dnssdbinding_windows missing   there is no dnssd.dll at all
// The runner script puts the right DLL into the working directory and, after the process has
// ended, checks the mark that the DLL leaves when it is detached.

#include "dnssdapi.h"
#include "dnssdbinding.h"
#include "fakednssdrecord.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

// A small check-and-count harness.
int checks = 0;
int failures = 0;
std::string currentCase;

bool check(bool condition, const char *what, int line)
{
    ++checks;
    if (!condition) {
        ++failures;
        std::printf("FAIL %s: %s (line %d)\n", currentCase.c_str(), what, line);
    }
    return condition;
}

#define CHECK(condition) check((condition), #condition, __LINE__)

template<typename A, typename B>
bool checkEqual(const A &actual, const B &expected, const char *what, int line)
{
    if (check(actual == expected, what, line))
        return true;
    std::printf("     actual %lld (0x%llx), expected %lld (0x%llx)\n",
                static_cast<long long>(actual), static_cast<unsigned long long>(actual),
                static_cast<long long>(expected), static_cast<unsigned long long>(expected));
    return false;
}

#define CHECK_EQUAL(actual, expected) \
    checkEqual((actual), (expected), #actual " == " #expected, __LINE__)

// What the binding had done by the time an ordinary static constructor of this program ran. This
// file is linked after the binding's, and the runtime runs the constructor lists of later files
// first, so only the binding's own early start can have put the library in place by now.
struct StartupProbe
{
    StartupProbe()
        : bound(dnssdLibrary != nullptr), handle(bound ? dnssdLibrary->handle : nullptr),
          loadedModule(GetModuleHandleW(L"dnssd.dll"))
    {
    }
    bool bound;
    void *handle;
    HMODULE loadedModule;
} startupProbe;

// Every GetProcAddress that this program makes, the binding's included, counted by name: the
// program's import slot for it is pointed at a counter that passes the call on.
using GetProcAddressFunction = FARPROC(WINAPI *)(HMODULE, LPCSTR);
GetProcAddressFunction realGetProcAddress = nullptr;
std::map<std::string, int> lookups;

FARPROC WINAPI countingGetProcAddress(HMODULE module, LPCSTR name)
{
    if (reinterpret_cast<std::uintptr_t>(name) > 0xffff) // not an ordinal
        ++lookups[name];
    return realGetProcAddress(module, name);
}

bool countLookups()
{
    auto *base = reinterpret_cast<unsigned char *>(GetModuleHandleW(nullptr));
    const auto *dosHeader = reinterpret_cast<const IMAGE_DOS_HEADER *>(base);
    const auto *ntHeaders = reinterpret_cast<const IMAGE_NT_HEADERS *>(base + dosHeader->e_lfanew);
    const IMAGE_DATA_DIRECTORY &imports =
        ntHeaders->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto *library =
        reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR *>(base + imports.VirtualAddress);
    for (; library->Name; ++library) {
        auto *name = reinterpret_cast<const IMAGE_THUNK_DATA *>(base + library->OriginalFirstThunk);
        auto *slot = reinterpret_cast<IMAGE_THUNK_DATA *>(base + library->FirstThunk);
        for (; name->u1.AddressOfData; ++name, ++slot) {
            if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal))
                continue;
            const auto *byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME *>(base + name->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char *>(byName->Name), "GetProcAddress") != 0)
                continue;
            DWORD protection = 0;
            if (!VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE,
                                &protection))
                return false;
            realGetProcAddress = reinterpret_cast<GetProcAddressFunction>(
                reinterpret_cast<void (*)()>(slot->u1.Function));
            slot->u1.Function = reinterpret_cast<ULONG_PTR>(&countingGetProcAddress);
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
            return true;
        }
    }
    return false;
}

const FakeDnssdRecord *dllRecord()
{
    HMODULE dll = GetModuleHandleW(L"dnssd.dll");
    if (!dll)
        return nullptr;
    auto function = reinterpret_cast<FakeDnssdRecordFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(dll, "fakeDnssdRecord")));
    return function ? function() : nullptr;
}

// The arguments of entry point <number>: a different value in every position of every entry
// point, using the full width of its type (pointers have bits set above 32).
template<typename T> std::uint64_t argumentFor(int number, std::size_t position)
{
    const auto n = static_cast<std::uint64_t>(number);
    if constexpr (std::is_pointer_v<T>)
        return 0x5100000000000000u | n << 8 | position;
    else if constexpr (sizeof(T) == 4)
        return 0xc0000000u | n << 8 | position;
    else if constexpr (sizeof(T) == 2)
        return 0x8000u | n << 4 | position;
    else
        return 0x80u | n;
}

template<typename T> T fromValue(std::uint64_t value)
{
    if constexpr (std::is_pointer_v<T>)
        return reinterpret_cast<T>(static_cast<std::uintptr_t>(value));
    else
        return static_cast<T>(value);
}

template<typename T> std::int64_t resultValue(T result)
{
    if constexpr (std::is_pointer_v<T>)
        return static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(result));
    else
        return static_cast<std::int64_t>(result);
}

struct Outcome
{
    bool returned; // false for the entry points without a result
    std::int64_t result;
};

// What an entry point gives when the library or the entry point is missing.
enum class Unavailable { NotRunning, MinusOne, Zero, Null, NoResult };

struct EntryPoint
{
    int number;
    const char *name;
    Unavailable unavailable;
    std::vector<std::uint64_t> (*arguments)(int number);
    Outcome (*call)(int number); // the binding's entry point with those arguments
};

template<typename Function> struct Signature;

template<typename Result, typename... Arguments> struct Signature<Result (*)(Arguments...)>
{
    static constexpr std::size_t count = sizeof...(Arguments);

    template<std::size_t... Positions>
    static std::vector<std::uint64_t> arguments(int number, std::index_sequence<Positions...>)
    {
        return { argumentFor<Arguments>(number, Positions)... };
    }

    template<Result (*function)(Arguments...), std::size_t... Positions>
    static Outcome call(int number, std::index_sequence<Positions...>)
    {
        if constexpr (std::is_void_v<Result>) {
            function(fromValue<Arguments>(argumentFor<Arguments>(number, Positions))...);
            return { false, 0 };
        } else {
            return { true,
                     resultValue(function(
                         fromValue<Arguments>(argumentFor<Arguments>(number, Positions))...)) };
        }
    }
};

template<auto function> EntryPoint entryPoint(int number, const char *name, Unavailable unavailable)
{
    using S = Signature<decltype(function)>;
    return { number, name, unavailable,
             [](int n) { return S::arguments(n, std::make_index_sequence<S::count>()); },
             [](int n) {
                 return S::template call<function>(n, std::make_index_sequence<S::count>());
             } };
}

// The 28 entry points in the binding's order, with what each gives when it is unavailable.
const std::vector<EntryPoint> &entryPoints()
{
    using U = Unavailable;
    // clang-format off
    static const std::vector<EntryPoint> table = {
        entryPoint<&DNSServiceRefSockFD>(1, "DNSServiceRefSockFD", U::MinusOne),
        entryPoint<&DNSServiceProcessResult>(2, "DNSServiceProcessResult", U::NotRunning),
        entryPoint<&DNSServiceRefDeallocate>(3, "DNSServiceRefDeallocate", U::NoResult),
        entryPoint<&DNSServiceEnumerateDomains>(4, "DNSServiceEnumerateDomains", U::NotRunning),
        entryPoint<&DNSServiceRegister>(5, "DNSServiceRegister", U::NotRunning),
        entryPoint<&DNSServiceAddRecord>(6, "DNSServiceAddRecord", U::NotRunning),
        entryPoint<&DNSServiceUpdateRecord>(7, "DNSServiceUpdateRecord", U::NotRunning),
        entryPoint<&DNSServiceRemoveRecord>(8, "DNSServiceRemoveRecord", U::NotRunning),
        entryPoint<&DNSServiceBrowse>(9, "DNSServiceBrowse", U::NotRunning),
        entryPoint<&DNSServiceResolve>(10, "DNSServiceResolve", U::NotRunning),
        entryPoint<&DNSServiceConstructFullName>(11, "DNSServiceConstructFullName", U::NotRunning),
        entryPoint<&DNSServiceCreateConnection>(12, "DNSServiceCreateConnection", U::NotRunning),
        entryPoint<&DNSServiceRegisterRecord>(13, "DNSServiceRegisterRecord", U::NotRunning),
        entryPoint<&DNSServiceQueryRecord>(14, "DNSServiceQueryRecord", U::NotRunning),
        entryPoint<&DNSServiceReconfirmRecord>(15, "DNSServiceReconfirmRecord", U::NotRunning),
        entryPoint<&DNSServiceNATPortMappingCreate>(16, "DNSServiceNATPortMappingCreate", U::NotRunning),
        entryPoint<&DNSServiceGetAddrInfo>(17, "DNSServiceGetAddrInfo", U::NotRunning),
        entryPoint<&DNSServiceGetProperty>(18, "DNSServiceGetProperty", U::NotRunning),
        entryPoint<&TXTRecordCreate>(19, "TXTRecordCreate", U::NoResult),
        entryPoint<&TXTRecordDeallocate>(20, "TXTRecordDeallocate", U::NoResult),
        entryPoint<&TXTRecordSetValue>(21, "TXTRecordSetValue", U::NotRunning),
        entryPoint<&TXTRecordRemoveValue>(22, "TXTRecordRemoveValue", U::NotRunning),
        entryPoint<&TXTRecordContainsKey>(23, "TXTRecordContainsKey", U::Zero),
        entryPoint<&TXTRecordGetCount>(24, "TXTRecordGetCount", U::Zero),
        entryPoint<&TXTRecordGetLength>(25, "TXTRecordGetLength", U::Zero),
        entryPoint<&TXTRecordGetBytesPtr>(26, "TXTRecordGetBytesPtr", U::Null),
        entryPoint<&TXTRecordGetValuePtr>(27, "TXTRecordGetValuePtr", U::Null),
        entryPoint<&TXTRecordGetItemAtIndex>(28, "TXTRecordGetItemAtIndex", U::NotRunning),
    };
    // clang-format on
    return table;
}

// The entry points that the partial fake does not export (dnssd-partial.def).
const std::set<std::string> missingFromPartial = {
    "DNSServiceResolve",     "DNSServiceNATPortMappingCreate",
    "DNSServiceGetAddrInfo", "DNSServiceGetProperty",
    "TXTRecordDeallocate",   "TXTRecordGetBytesPtr",
};

bool isPointerResult(const EntryPoint &entry)
{
    return entry.unavailable == Unavailable::Null;
}

// The call reached the DLL's function of the same name with the arguments unchanged, and its
// answer came back unchanged.
void checkForwarded(const EntryPoint &entry, const FakeDnssdRecord &record, int callsBefore,
                    const Outcome &outcome)
{
    if (!CHECK_EQUAL(record.calls, callsBefore + 1))
        return;
    if (!CHECK(std::strcmp(record.last.name, entry.name) == 0))
        std::printf("     called %s instead\n", record.last.name);
    const std::vector<std::uint64_t> expected = entry.arguments(entry.number);
    if (CHECK_EQUAL(record.last.argumentCount, static_cast<int>(expected.size()))) {
        for (std::size_t i = 0; i < expected.size(); ++i)
            CHECK_EQUAL(record.last.arguments[i], expected[i]);
    }
    if (entry.unavailable == Unavailable::NoResult) {
        CHECK(!outcome.returned);
    } else if (isPointerResult(entry)) {
        CHECK_EQUAL(static_cast<std::uint64_t>(outcome.result),
                    fakeDnssdPointerBase + entry.number);
    } else {
        CHECK_EQUAL(outcome.result, fakeDnssdResultBase + entry.number);
    }
}

void checkUnavailable(const EntryPoint &entry, const Outcome &outcome)
{
    switch (entry.unavailable) {
    case Unavailable::NotRunning:
        CHECK_EQUAL(outcome.result, -65563); // kDNSServiceErr_ServiceNotRunning
        break;
    case Unavailable::MinusOne:
        CHECK_EQUAL(outcome.result, -1);
        break;
    case Unavailable::Zero:
    case Unavailable::Null:
        CHECK_EQUAL(outcome.result, 0);
        break;
    case Unavailable::NoResult:
        CHECK(!outcome.returned);
        break;
    }
}

void checkStartup(bool libraryExpected)
{
    currentCase = "start-up";
    CHECK(startupProbe.bound);
    if (libraryExpected) {
        CHECK(startupProbe.loadedModule != nullptr);
        CHECK(startupProbe.handle == startupProbe.loadedModule);
        CHECK(dnssdLibrary && dnssdLibrary->handle == startupProbe.loadedModule);
    } else {
        CHECK(startupProbe.loadedModule == nullptr);
        CHECK(startupProbe.handle == nullptr);
        CHECK(dnssdLibrary && dnssdLibrary->handle == nullptr);
    }
}

// Each entry point twice: forwarded, or its fixed value where the library lacks it; looked up
// once and then taken from the cache, or looked up again on every call while it is missing.
void runWithLibrary(const std::set<std::string> &missing)
{
    const FakeDnssdRecord *record = dllRecord();
    currentCase = "library";
    if (!CHECK(record != nullptr))
        return;

    for (const EntryPoint &entry : entryPoints()) {
        currentCase = entry.name;
        const bool isMissing = missing.count(entry.name) != 0;
        for (int round = 1; round <= 2; ++round) {
            const int callsBefore = record->calls;
            const Outcome outcome = entry.call(entry.number);
            if (isMissing) {
                checkUnavailable(entry, outcome);
                CHECK_EQUAL(record->calls, callsBefore);
                CHECK_EQUAL(lookups[entry.name], round);
            } else {
                checkForwarded(entry, *record, callsBefore, outcome);
                CHECK_EQUAL(lookups[entry.name], 1);
            }
        }
    }
}

// The static set-up is undone in reverse order, so the library is freed only after the ordinary
// static objects are gone: the destructor of this one still reaches it, and its call is the last
// that the runner expects the DLL to have seen when it is detached.
struct LastCall
{
    ~LastCall()
    {
        if (!expected)
            return;
        const int result = DNSServiceRefSockFD(nullptr);
        const FakeDnssdRecord *record = dllRecord();
        std::printf("calls into dnssd.dll: %d\n", record ? record->calls : -1);
        if (result != fakeDnssdResultBase + 1) {
            std::printf("FAIL static destructor: DNSServiceRefSockFD gave %d\n", result);
            std::fflush(stdout);
            std::_Exit(1);
        }
        std::fflush(stdout);
    }
    bool expected = false;
} lastCall; // after the look-up counter, so that it goes before it

void runWithoutLibrary()
{
    for (const EntryPoint &entry : entryPoints()) {
        currentCase = entry.name;
        checkUnavailable(entry, entry.call(entry.number));
        checkUnavailable(entry, entry.call(entry.number));
    }
    currentCase = "without library";
    CHECK(lookups.empty());
}

} // namespace

int main(int argc, char *argv[])
{
    const std::string mode = argc == 2 ? argv[1] : "";
    if (mode != "full" && mode != "partial" && mode != "missing") {
        std::printf("usage: %s full|partial|missing\n", argv[0]);
        return 2;
    }

    checkStartup(mode != "missing");
    currentCase = "set-up";
    CHECK(countLookups());

    if (mode == "full")
        runWithLibrary({});
    else if (mode == "partial")
        runWithLibrary(missingFromPartial);
    else
        runWithoutLibrary();
    lastCall.expected = mode != "missing";

    std::printf("%s: %d checks, %d failed\n", mode.c_str(), checks, failures);
    std::fflush(stdout);
    return failures == 0 ? 0 : 1;
}
