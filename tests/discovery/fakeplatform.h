#ifndef FAKEPLATFORM_H
#define FAKEPLATFORM_H

#include <set>
#include <string>
#include <vector>

// A stand-in for the binding's platform layer that loads nothing: it hands out a dummy handle
// (or none) and a few test functions by name, and counts what the binding asks for.
namespace FakePlatform {

struct State
{
    bool libraryPresent = true;
    std::set<std::string> missingEntryPoints;
    int loadCalls = 0;
    int freeCalls = 0;
    std::vector<std::string> resolved; // names asked for, in order
};

State &state();
void *dummyHandle();

} // namespace FakePlatform

#endif // FAKEPLATFORM_H
