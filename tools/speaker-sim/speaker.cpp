#include "speaker.h"

#include <chrono>
#include <ctime>
#include <fstream>
#include <sstream>

const char configurePath[] = "/api/v14/configure.action";

namespace {

// Longest instance name that DNS-SD can announce.
constexpr size_t maxNameBytes = 63;

std::string dump(const Json &value)
{
    // Names from requests are valid UTF-8 (the parser checked them); replace
    // keeps the reply well-formed should anything else slip through.
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

Json errorReply(int status, const std::string &why)
{
    return Json { { "returncode", std::to_string(status) }, { "error", why } };
}

// The member at path inside object, or nullptr.
const Json *member(const Json &object, std::initializer_list<const char *> path)
{
    const Json *node = &object;
    for (const char *key : path) {
        if (!node->is_object())
            return nullptr;
        const auto found = node->find(key);
        if (found == node->end())
            return nullptr;
        node = &*found;
    }
    return node;
}

std::string timestamp()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    std::tm utc = {};
    gmtime_r(&seconds, &utc);
    char text[40];
    std::strftime(text, sizeof(text), "%Y-%m-%dT%H:%M:%S", &utc);
    char withMillis[48];
    std::snprintf(withMillis, sizeof(withMillis), "%s.%03dZ", text, static_cast<int>(millis));
    return withMillis;
}

} // namespace

std::string toBase64(const std::string &data)
{
    static const char alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((data.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < data.size(); i += 3) {
        const unsigned value = static_cast<unsigned char>(data[i]) << 16 |
            static_cast<unsigned char>(data[i + 1]) << 8 | static_cast<unsigned char>(data[i + 2]);
        out += alphabet[(value >> 18) & 63];
        out += alphabet[(value >> 12) & 63];
        out += alphabet[(value >> 6) & 63];
        out += alphabet[value & 63];
    }
    if (i < data.size()) {
        unsigned value = static_cast<unsigned char>(data[i]) << 16;
        if (i + 1 < data.size())
            value |= static_cast<unsigned char>(data[i + 1]) << 8;
        out += alphabet[(value >> 18) & 63];
        out += alphabet[(value >> 12) & 63];
        out += i + 1 < data.size() ? alphabet[(value >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

Speaker::Speaker(const std::string &address) : m_description(defaultDescription(address)) { }

Speaker::~Speaker()
{
    if (m_record)
        std::fclose(m_record);
}

Json Speaker::defaultDescription(const std::string &address)
{
    return Json {
        { "deviceinfo",
          { { "devicename", "Ovix-3C7A" },
            { "model", "Ovix" },
            { "manufacturer", "VANTIR" },
            { "softwarever", "2.4.17" },
            { "hardwarever", "1.2" },
            { "serialnumber", "OVX2211043C7A" },
            { "macaddress", "02:56:41:3C:7A:11" } } },
        { "networkinfo",
          { { "wifimode", "ap" },
            { "ipaddressinfo",
              { { "type", "DHCP" },
                { "ipaddress", address },
                { "netmask", "255.255.255.0" },
                { "gateway", "" } } } } },
        { "aplist",
          Json::array({
              { { "ssid", "Hausnetz" }, { "encrypt_type", "WPA2" }, { "signal_level", "-41" } },
              { { "ssid", "FRITZ!Box 7590 KL" },
                { "encrypt_type", "WPA/WPA2" },
                { "signal_level", "-57" } },
              { { "ssid", "Gäste-WLAN" }, { "encrypt_type", "WPA2" }, { "signal_level", "-63" } },
              { { "ssid", "Telekom_FON" }, { "encrypt_type", "NONE" }, { "signal_level", "-72" } },
              { { "ssid", "Büro 5G" }, { "encrypt_type", "WPA" }, { "signal_level", "-80" } },
          }) },
    };
}

bool Speaker::loadDescription(const std::string &fileName, std::string &error)
{
    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        error = "cannot read " + fileName;
        return false;
    }
    std::stringstream text;
    text << file.rdbuf();
    const Json loaded = Json::parse(text.str(), nullptr, false);
    if (loaded.is_discarded() || !loaded.is_object()) {
        error = fileName + " does not hold a JSON object";
        return false;
    }
    for (const auto &item : loaded.items())
        m_description[item.key()] = item.value();
    return true;
}

bool Speaker::openRecord(const std::string &fileName, std::string &error)
{
    m_record = std::fopen(fileName.c_str(), "w");
    if (!m_record) {
        error = "cannot write " + fileName;
        return false;
    }
    return true;
}

std::string Speaker::name() const
{
    const Json *name = member(m_description, { "deviceinfo", "devicename" });
    return name && name->is_string() ? name->get<std::string>() : std::string();
}

void Speaker::setName(const std::string &name)
{
    m_description["deviceinfo"]["devicename"] = name;
}

std::string Speaker::model() const
{
    const Json *model = member(m_description, { "deviceinfo", "model" });
    return model && model->is_string() ? model->get<std::string>() : std::string();
}

std::string Speaker::actionOf(const httplib::Request &request)
{
    const Json document = Json::parse(request.body, nullptr, false);
    const Json *action = document.is_object() ? member(document, { "action" }) : nullptr;
    return action && action->is_string() ? action->get<std::string>() : std::string();
}

bool Speaker::handle(const httplib::Request &request, httplib::Response &response)
{
    Json reply;
    int status = 200;
    bool accepted = false;

    if (request.path != configurePath) {
        status = 404;
        reply = errorReply(status, "no such path: " + request.path);
    } else if (request.method != "POST") {
        status = 405;
        reply = errorReply(status, "only POST is allowed here");
        response.set_header("Allow", "POST");
    } else {
        const Json document = Json::parse(request.body, nullptr, false);
        const Json *action = document.is_object() ? member(document, { "action" }) : nullptr;
        if (document.is_discarded()) {
            status = 400;
            reply = errorReply(status, "malformed JSON");
        } else if (!document.is_object()) {
            status = 400;
            reply = errorReply(status, "the request is not a JSON object");
        } else if (!action || !action->is_string()) {
            status = 400;
            reply = errorReply(status, "missing action");
        } else if (*action == "query") {
            reply = Json { { "deviceinfo", m_description.value("deviceinfo", Json::object()) },
                           { "networkinfo", m_description.value("networkinfo", Json::object()) } };
        } else if (*action == "wifiscan") {
            reply = Json { { "aplist", m_description.value("aplist", Json::array()) } };
        } else if (*action == "setconfig") {
            reply = setconfig(document, status, accepted);
        } else {
            status = 400;
            reply = errorReply(status, "unknown action: " + action->get<std::string>());
        }
    }

    record(request, status, std::string());
    response.status = status;
    response.set_content(dump(reply), "application/json");
    return accepted;
}

void Speaker::reject(const httplib::Request &request, httplib::Response &response)
{
    const int status = response.status;
    std::string why;
    switch (status) {
    case 400:
        why = "malformed or unsupported request";
        break;
    case 404:
        why = "no such path: " + request.path;
        break;
    case 413:
        why = "request body too large";
        break;
    case 414:
        why = "request line too long";
        break;
    default:
        why = "request refused";
        break;
    }
    record(request, status, why);
    response.set_content(dump(errorReply(status, why)), "application/json");
}

Json Speaker::setconfig(const Json &request, int &status, bool &accepted)
{
    static const std::initializer_list<const char *> required[] = {
        { "deviceinfo", "devicename" },
        { "networkinfo", "wifimode" },
        { "networkinfo", "clientinfo", "encrypt_type" },
        { "networkinfo", "clientinfo", "wifipwd" },
        { "networkinfo", "clientinfo", "wifissid" },
        { "networkinfo", "ipaddressinfo", "type" },
    };
    for (const auto &path : required) {
        const Json *value = member(request, path);
        if (!value || !value->is_string()) {
            std::string name;
            for (const char *key : path)
                name += (name.empty() ? "" : "/") + std::string(key);
            status = 400;
            return errorReply(status, "setconfig needs the text member " + name);
        }
    }
    const std::string name = member(request, { "deviceinfo", "devicename" })->get<std::string>();
    if (name.empty() || name.size() > maxNameBytes) {
        status = 400;
        return errorReply(status, "devicename must have 1 to 63 bytes");
    }

    status = 200;
    if (!m_refusal.empty()) {
        const Json refusal { { "returncode", "1" }, { "error", m_refusal } };
        if (!m_bootRefusal.empty())
            m_refusal.clear();
        return refusal;
    }
    m_pendingConfig = request;
    accepted = true;
    // "0": accepted, the speaker reboots into the new WLAN.
    return Json { { "returncode", "0" } };
}

void Speaker::applyPendingConfig()
{
    if (m_pendingConfig.is_null())
        return;
    const Json &config = m_pendingConfig;
    const Json &client = config["networkinfo"]["clientinfo"];
    setName(config["deviceinfo"]["devicename"].get<std::string>());
    Json &network = m_description["networkinfo"];
    if (!network.is_object())
        network = Json::object();
    network["wifimode"] = config["networkinfo"]["wifimode"];
    // The password stays in the speaker.
    network["clientinfo"] =
        Json { { "encrypt_type", client["encrypt_type"] }, { "wifissid", client["wifissid"] } };
    network["ipaddressinfo"]["type"] = config["networkinfo"]["ipaddressinfo"]["type"];
    m_pendingConfig = Json();
}

void Speaker::record(const httplib::Request &request, int status, const std::string &fault)
{
    if (!m_record)
        return;
    // The HTTP library hands over the headers sorted by name, not in wire
    // order, and adds the connection's addresses as headers of its own; those
    // are left out. (The program's own tests check the wire order of its
    // requests against a raw QTcpServer.)
    const std::pair<const char *, std::string> addedByServer[] = {
        { "REMOTE_ADDR", request.remote_addr },
        { "REMOTE_PORT", std::to_string(request.remote_port) },
        { "LOCAL_ADDR", request.local_addr },
        { "LOCAL_PORT", std::to_string(request.local_port) },
    };
    Json headers = Json::array();
    for (const auto &header : request.headers) {
        bool added = false;
        for (const auto &server : addedByServer)
            added = added || (header.first == server.first && header.second == server.second);
        if (!added)
            headers.push_back(Json::array({ header.first, header.second }));
    }
    std::string peer;
    if (!request.remote_addr.empty()) {
        const bool v6 = request.remote_addr.find(':') != std::string::npos;
        peer = (v6 ? '[' + request.remote_addr + ']' : request.remote_addr) + ':' +
            std::to_string(request.remote_port);
    }
    Json line = {
        { "time", timestamp() },
        { "peer", peer },
        { "method", request.method },
        { "target", request.target },
        { "path", request.path },
        { "version", request.version },
        { "headers", headers },
        { "body", request.body },
        { "body_base64", toBase64(request.body) },
        { "status", status },
    };
    if (!fault.empty())
        line["fault"] = fault;
    std::fputs((dump(line) + '\n').c_str(), m_record);
    std::fflush(m_record);
}
