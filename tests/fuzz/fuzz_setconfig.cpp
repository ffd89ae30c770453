// The set-configuration body: three arbitrary UTF-16 values in (the name, the password and the
// SSID), the bytes of the body out. A strict JSON parser must read the body as exactly the fixed
// structure, members in their order, with the three values back unchanged, lone surrogates
// included.

#include "fuzzsupport.h"
#include "speakerapi.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// Lone UTF-16 surrogates have no UTF-8 form, and a strict parser refuses them even as \u escapes.
// The check therefore maps each one, in the body's escapes and in the expected values alike, to
// the private-use code point MarkBase + (unit - 0xD800). Inputs that hold such code points
// themselves are skipped, so that the mapping stays one to one.
constexpr char32_t MarkBase = 0x10F800;

constexpr size_t MaxUnits = 48;

const char BodyStart[] = "{\"action\": \"setconfig\", \"deviceinfo\": {\"devicename\": \"";
const char BodyEnd[] = "\"}, \"ipaddressinfo\": {\"type\": \"DHCP\"}}}";

bool isHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void appendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void appendEscape(std::string &out, char32_t unit)
{
    static const char digits[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += digits[(unit >> shift) & 0xF];
}

// The value as the parser should give it back, in UTF-8; false when it holds a mark itself.
bool expectedUtf8(const QString &value, std::string *out)
{
    for (int i = 0; i < value.size(); ++i) {
        const char32_t unit = value.at(i).unicode();
        char32_t cp = unit;
        if (isHighSurrogate(unit) && i + 1 < value.size() &&
            isLowSurrogate(value.at(i + 1).unicode())) {
            cp = QChar::surrogateToUcs4(value.at(i), value.at(i + 1));
            ++i;
            if (cp >= MarkBase)
                return false;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            cp = MarkBase + (unit - 0xD800);
        }
        appendUtf8(*out, cp);
    }
    return true;
}

// The UTF-16 unit of a "\uXXXX" escape at pos, if there is one.
bool readEscape(const std::string &body, size_t pos, char32_t *unit)
{
    if (pos + 6 > body.size() || body[pos] != '\\' || body[pos + 1] != 'u')
        return false;
    char32_t value = 0;
    for (size_t i = pos + 2; i < pos + 6; ++i) {
        const char c = body[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        value = value * 16 + digit;
    }
    *unit = value;
    return true;
}

// The body with each escaped lone surrogate replaced by the escaped pair of its mark.
std::string markLoneSurrogates(const std::string &body)
{
    std::string out;
    out.reserve(body.size() + 16);
    size_t i = 0;
    while (i < body.size()) {
        char32_t unit, low;
        if (body[i] != '\\') {
            out += body[i++];
        } else if (!readEscape(body, i, &unit)) {
            out.append(body, i, 2); // any other escape, "\\" included
            i += 2;
        } else if (isHighSurrogate(unit) && readEscape(body, i + 6, &low) && isLowSurrogate(low)) {
            out.append(body, i, 12);
            i += 12;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            const char32_t offset = MarkBase + (unit - 0xD800) - 0x10000;
            appendEscape(out, 0xD800 + (offset >> 10));
            appendEscape(out, 0xDC00 + (offset & 0x3FF));
            i += 6;
        } else {
            out.append(body, i, 6);
            i += 6;
        }
    }
    return out;
}

QString takeValue(FuzzedDataProvider &data)
{
    const size_t units = data.ConsumeIntegralInRange<size_t>(0, MaxUnits);
    const std::vector<uint8_t> bytes = data.ConsumeBytes<uint8_t>(units * 2);
    QString value;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        value += QChar(static_cast<ushort>(bytes[i] | bytes[i + 1] << 8));
    return value;
}

bool startsWith(const std::string &text, const char *prefix)
{
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

bool endsWith(const std::string &text, const char *suffix)
{
    const size_t length = std::char_traits<char>::length(suffix);
    return text.size() >= length && text.compare(text.size() - length, length, suffix) == 0;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const QString name = takeValue(provider);
    const QString password = takeValue(provider);
    const QString ssid = takeValue(provider);
    std::string expectedName, expectedPassword, expectedSsid;
    if (!expectedUtf8(name, &expectedName) || !expectedUtf8(password, &expectedPassword) ||
        !expectedUtf8(ssid, &expectedSsid))
        return -1;

    // As the request sends it.
    const QByteArray bytes = SpeakerApi::setconfigBody(name, password, ssid).toUtf8();
    const std::string body(bytes.constData(), static_cast<size_t>(bytes.size()));
    FUZZ_CHECK(startsWith(body, BodyStart));
    FUZZ_CHECK(endsWith(body, BodyEnd));

    const nlohmann::ordered_json parsed =
        nlohmann::ordered_json::parse(markLoneSurrogates(body), nullptr, false);
    FUZZ_CHECK(!parsed.is_discarded());

    nlohmann::ordered_json expected;
    expected["action"] = "setconfig";
    expected["deviceinfo"]["devicename"] = expectedName;
    expected["networkinfo"]["wifimode"] = "client";
    expected["networkinfo"]["clientinfo"]["encrypt_type"] = "WPA";
    expected["networkinfo"]["clientinfo"]["wifipwd"] = expectedPassword;
    expected["networkinfo"]["clientinfo"]["wifissid"] = expectedSsid;
    expected["networkinfo"]["ipaddressinfo"]["type"] = "DHCP";
    // Ordered objects compare member by member in order.
    FUZZ_CHECK(parsed == expected);
    return 0;
}
