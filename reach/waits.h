#ifndef WAITS_H
#define WAITS_H

#include <chrono>

// Waits that the wizard and the command line share, so that both treat the network alike.
namespace Waits {

// Between two tries to browse while the DNS-SD service does not answer: it is usually being
// restarted, which takes a few seconds.
constexpr std::chrono::milliseconds BrowseRetryInterval { 5000 };

} // namespace Waits

#endif // WAITS_H
