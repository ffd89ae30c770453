#ifndef SPEAKERSIM_ADVERTISER_H
#define SPEAKERSIM_ADVERTISER_H

#include <cstdint>
#include <string>

#include <dns_sd.h>

// Announces the speaker as _dockset._tcp in the default domain, the way the
// real device does while it is up.
class Advertiser
{
public:
    Advertiser() = default;
    ~Advertiser();
    Advertiser(const Advertiser &) = delete;
    Advertiser &operator=(const Advertiser &) = delete;

    bool start(const std::string &name, uint16_t port, const std::string &host,
               const std::string &model, std::string &error);
    // Withdraws the announcement.
    void stop();
    bool isRunning() const { return m_ref != nullptr; }

    // The socket to watch for replies of the DNS-SD service, -1 when stopped.
    int socket() const;
    void processReply();

private:
    static void DNSSD_API registerReply(DNSServiceRef ref, DNSServiceFlags flags,
                                        DNSServiceErrorType errorCode, const char *name,
                                        const char *regtype, const char *domain, void *context);

    DNSServiceRef m_ref = nullptr;
};

#endif // SPEAKERSIM_ADVERTISER_H
