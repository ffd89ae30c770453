#ifndef WAITS_H
#define WAITS_H

#include "bonjourservicebrowser.h"
#include "bonjourserviceresolver.h"
#include "emptylistcheck.h"
#include "speakerapi.h"

#include <chrono>

// How long the wizard and the command line wait for the network, each with its unit. Handed to
// every object that waits, so that both treat the network alike; the defaults are the program's,
// and a test lowers what it needs in its own copy.
struct NetworkWaits
{
    BrowseWaits browse;
    // Between two tries to browse while the DNS-SD service does not answer: it is usually being
    // restarted, which takes a few seconds.
    std::chrono::milliseconds browseRetryInterval { 5000 };
    std::chrono::milliseconds resolveTimeout = BonjourServiceResolver::DefaultTimeout;
    // Of each request to a speaker, from the moment it is made to the last byte of its answer.
    std::chrono::milliseconds requestDeadline = SpeakerApi::DefaultDeadline;
    // For a saved speaker to come back; a reboot into a WLAN takes about a minute.
    std::chrono::milliseconds returnWait = std::chrono::minutes(3);
    // The wait before a speaker that failed to answer during its return is asked again, doubled
    // after each failure up to maxRetry: a speaker still starting its services is asked soon, one
    // that keeps failing (or a device that plays one) rarely.
    std::chrono::milliseconds firstRetry = std::chrono::seconds(2);
    std::chrono::milliseconds maxRetry = std::chrono::seconds(30);
    // Before an empty list is explained, and for finding out why.
    EmptyListWaits emptyList;
};

#endif // WAITS_H
