#ifndef SPEAKERSIM_SPEAKER_H
#define SPEAKERSIM_SPEAKER_H

#include <cstdio>
#include <string>

#include <httplib.h>
#include <nlohmann/json.hpp>

using Json = nlohmann::ordered_json;

extern const char configurePath[];

// The speaker's side of the configuration interface: its description (device
// info, network info and the access points it sees), the three actions, and
// the record of every request it got. Not thread-safe: the caller serialises.
class Speaker
{
public:
    explicit Speaker(const std::string &address);
    ~Speaker();
    Speaker(const Speaker &) = delete;
    Speaker &operator=(const Speaker &) = delete;

    static Json defaultDescription(const std::string &address);
    // Members of the file's top-level object replace the same members of the
    // description; the others stay as they are.
    bool loadDescription(const std::string &fileName, std::string &error);
    bool openRecord(const std::string &fileName, std::string &error);

    std::string name() const;
    void setName(const std::string &name);
    std::string model() const;
    // Refuses every well-formed setconfig with returncode "1" and reason as its
    // "error", as a speaker does that does not take the settings; it then stays
    // as it is. An empty reason: setconfig is accepted.
    // once: only the first well-formed setconfig after each start, as a speaker that is busy for
    // a moment after it has booted.
    void setRefusal(const std::string &reason, bool once = false)
    {
        m_refusal = reason;
        m_bootRefusal = once ? reason : std::string();
    }
    // Back from a reboot.
    void boot()
    {
        if (!m_bootRefusal.empty())
            m_refusal = m_bootRefusal;
    }

    // The action a request asks for, or an empty text when it names none.
    static std::string actionOf(const httplib::Request &request);

    // Answers a request that was read in full. Returns true for an accepted
    // setconfig: the speaker reboots once the reply is out.
    bool handle(const httplib::Request &request, httplib::Response &response);
    // Answers a request that the HTTP layer turned down before handle(), e.g.
    // a malformed head or a body over the limit; response.status tells why.
    void reject(const httplib::Request &request, httplib::Response &response);

    // An accepted setconfig takes effect when the speaker comes back.
    bool hasPendingConfig() const { return !m_pendingConfig.is_null(); }
    void applyPendingConfig();
    // Comes back as it was, as a speaker does that did not take the settings.
    void dropPendingConfig() { m_pendingConfig = Json(); }

private:
    Json setconfig(const Json &request, int &status, bool &accepted);
    void record(const httplib::Request &request, int status, const std::string &fault);

    Json m_description;
    Json m_pendingConfig;
    std::FILE *m_record = nullptr;
    std::string m_refusal;
    std::string m_bootRefusal; // refused once after each start
};

std::string toBase64(const std::string &data);

#endif // SPEAKERSIM_SPEAKER_H
