#ifndef DNSSDTHREAD_H
#define DNSSDTHREAD_H

#include "dnssdapi.h"

#include <functional>
#include <memory>
#include <mutex>

class QObject;

// The DNS-SD calls that wait for the daemon, each on a thread of its own. Avahi's library makes
// blocking D-Bus calls (up to 25 s each) when it creates a reference: with a daemon that hangs,
// the window would hang with it. Giving a reference back waits for nothing.
namespace DnssdThread {

// A creation under way. Its owner cancels it once it no longer wants the reference, at the
// latest when it is destroyed; the reference is then given back without ever reaching it.
class Creation
{
public:
    void cancel();
    bool cancelled() const;
    // Runs hand, unless cancelled, while a cancel waits for it: the creating thread's way to
    // reach an owner that is still there.
    void handOver(const std::function<void()> &hand);

private:
    mutable std::mutex mutex;
    bool wanted = true;
};

using CreateCall = std::function<DNSServiceErrorType(DNSServiceRef *)>;
using CreateDone = std::function<void(DNSServiceErrorType, DNSServiceRef)>;

// Runs call on a thread of its own. done then gets the error and the reference (null after an
// error) through the event loop of receiver's thread, unless the creation was cancelled
// meanwhile. A reference that nobody takes is deallocated.
std::shared_ptr<Creation> create(QObject *receiver, CreateCall call, CreateDone done);

// How many creations are still under way, for a test that looks at the library afterwards.
int callsRunning();

} // namespace DnssdThread

#endif // DNSSDTHREAD_H
