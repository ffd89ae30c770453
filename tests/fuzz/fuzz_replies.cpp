// A speaker's reply body through the reply procedures: parsing, the device query's answer and the
// WLAN scan's answer. Every access point listed must have a non-empty SSID that the speaker sent as
// a JSON string, in the speaker's order; everything else in the list must have been left out. A
// list that is none, or holds no entry with a text SSID, is unusable.

#include "fuzzsupport.h"
#include "speakerapi.h"

#include <QJsonArray>
#include <QJsonValue>

#include <cstddef>
#include <cstdint>

namespace {

QString member(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString();
}

QJsonObject child(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toObject();
}

bool listable(const QJsonValue &entry)
{
    const QJsonValue ssid = entry.toObject().value(QLatin1String("ssid"));
    return ssid.isString() && !ssid.toString().isEmpty();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data), static_cast<int>(size));
    QJsonObject object;
    if (!SpeakerApi::parseReply(body, &object))
        return 0;
    FUZZ_CHECK(!object.isEmpty());

    const SpeakerApi::DeviceInfo info = SpeakerApi::readQueryReply(object);
    const QJsonObject device = child(object, "deviceinfo");
    FUZZ_CHECK(info.name == member(device, "devicename"));
    FUZZ_CHECK(info.model == member(device, "model"));
    FUZZ_CHECK(info.softwareVer == member(device, "softwarever"));
    FUZZ_CHECK(info.hardwareVer == member(device, "hardwarever"));
    FUZZ_CHECK(info.ip ==
               member(child(child(object, "networkinfo"), "ipaddressinfo"), "ipaddress"));

    QList<SpeakerApi::AccessPoint> accessPoints;
    const SpeakerApi::AnswerProblem problem = SpeakerApi::readWifiscanReply(object, &accessPoints);
    const QJsonValue list = object.value(QLatin1String("aplist"));
    const QJsonArray aplist = list.toArray();
    bool anyEntry = false;
    for (const QJsonValue &entry : aplist)
        anyEntry = anyEntry || entry.toObject().value(QLatin1String("ssid")).isString();
    const bool unusable =
        (!list.isUndefined() && !list.isArray()) || (!aplist.isEmpty() && !anyEntry);
    FUZZ_CHECK(problem ==
               (unusable ? SpeakerApi::AnswerProblem::Unusable : SpeakerApi::AnswerProblem::None));
    int listed = 0;
    for (const QJsonValue &entry : aplist) {
        if (!listable(entry))
            continue;
        FUZZ_CHECK(listed < accessPoints.size());
        const SpeakerApi::AccessPoint &accessPoint = accessPoints.at(listed++);
        const QJsonObject fields = entry.toObject();
        FUZZ_CHECK(!accessPoint.ssid.isEmpty());
        FUZZ_CHECK(accessPoint.ssid == member(fields, "ssid"));
        FUZZ_CHECK(accessPoint.encryptType == member(fields, "encrypt_type"));
        FUZZ_CHECK(accessPoint.signalLevel == member(fields, "signal_level"));
    }
    // Nothing else listed: no blank rows for entries without a usable SSID.
    for (int i = listed; i < accessPoints.size(); ++i)
        FUZZ_CHECK(!accessPoints.at(i).ssid.isEmpty());
    FUZZ_CHECK(accessPoints.size() == listed);
    return 0;
}
