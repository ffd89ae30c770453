#ifndef FAKEDNSSDRECORD_H
#define FAKEDNSSDRECORD_H

#include <cstdint>

// What the fake dnssd.dll remembers of the calls it received. The test finds it through the DLL's
// extra export "fakeDnssdRecord" (the 28 DNS-SD entry points are the only other exports).
struct FakeDnssdCall
{
    char name[40]; // the entry point that was called, as its own function knows it
    int argumentCount;
    std::uint64_t arguments[12]; // pointers and integers, zero-extended
};

struct FakeDnssdRecord
{
    int calls;
    FakeDnssdCall last;
};

using FakeDnssdRecordFunction = const FakeDnssdRecord *(*)();

// Each entry point answers with a value that names it: its number in the binding's table
// (1 to 28) added to one of these. Pointer results have bits set above 32, so a truncated
// pointer shows.
constexpr std::int64_t fakeDnssdResultBase = 4200;
constexpr std::uint64_t fakeDnssdPointerBase = 0x4200000000000000u;

// The file that the DLL writes into the working directory when it is detached from the process.
constexpr const char fakeDnssdDetachMark[] = "dnssd-detached.txt";

#endif // FAKEDNSSDRECORD_H
