#include "advertiser.h"

#include <cstdio>

#include <arpa/inet.h>

namespace {

// TXT record: length-prefixed "key=value" strings.
std::string txtRecord(const std::string &model)
{
    std::string record;
    for (const std::string &entry :
         { std::string("txtvers=1"), std::string("api=v14"), "model=" + model.substr(0, 200) }) {
        record += static_cast<char>(entry.size());
        record += entry;
    }
    return record;
}

} // namespace

Advertiser::~Advertiser()
{
    stop();
}

bool Advertiser::start(const std::string &name, uint16_t port, const std::string &host,
                       const std::string &model, std::string &error)
{
    stop();
    const std::string txt = txtRecord(model);
    const DNSServiceErrorType result = DNSServiceRegister(
        &m_ref, 0, 0, name.c_str(), "_dockset._tcp", nullptr, host.empty() ? nullptr : host.c_str(),
        htons(port), static_cast<uint16_t>(txt.size()), txt.data(), registerReply, this);
    if (result != kDNSServiceErr_NoError) {
        m_ref = nullptr;
        error = "DNSServiceRegister failed with error " + std::to_string(result);
        if (result == kDNSServiceErr_BadParam)
            error += " (Avahi takes only host names in .local, e.g. --host speaker1.local)";
        else
            error += " (is avahi-daemon running? --no-advertise serves without DNS-SD)";
        return false;
    }
    return true;
}

void Advertiser::stop()
{
    if (m_ref) {
        DNSServiceRefDeallocate(m_ref);
        m_ref = nullptr;
        std::fprintf(stderr, "speaker-sim: advertisement withdrawn\n");
    }
}

int Advertiser::socket() const
{
    return m_ref ? DNSServiceRefSockFD(m_ref) : -1;
}

void Advertiser::processReply()
{
    if (!m_ref)
        return;
    const DNSServiceErrorType result = DNSServiceProcessResult(m_ref);
    if (result != kDNSServiceErr_NoError) {
        std::fprintf(stderr, "speaker-sim: DNS-SD connection failed (error %d), not advertised\n",
                     static_cast<int>(result));
        DNSServiceRefDeallocate(m_ref);
        m_ref = nullptr;
    }
}

void DNSSD_API Advertiser::registerReply(DNSServiceRef, DNSServiceFlags,
                                         DNSServiceErrorType errorCode, const char *name,
                                         const char *regtype, const char *domain, void *)
{
    if (errorCode != kDNSServiceErr_NoError) {
        std::fprintf(stderr, "speaker-sim: registration failed with error %d\n",
                     static_cast<int>(errorCode));
        return;
    }
    std::fprintf(stderr, "speaker-sim: advertised as \"%s\" %s%s\n", name ? name : "",
                 regtype ? regtype : "", domain ? domain : "");
}
