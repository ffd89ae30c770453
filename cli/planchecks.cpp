#include "planchecks.h"

namespace {

BonjourRecord recordNamed(const QString &name, const QList<BonjourRecord> &records)
{
    for (const BonjourRecord &record : records) {
        if (record.instanceName == name)
            return record;
    }
    return BonjourRecord();
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool sameSpeaker(const PlannedSpeaker &a, const PlannedSpeaker &b)
{
    const SpeakerTarget &first = a.placement.target;
    const SpeakerTarget &second = b.placement.target;
    if (first.isAnnounced && second.isAnnounced && first.record == second.record)
        return true;
    // One named, one by address: the same if they are reached at the same place.
    const ReachResult &x = a.look.reach;
    const ReachResult &y = b.look.reach;
    if (x.url.isEmpty() || y.url.isEmpty() || x.port != y.port)
        return false;
    for (const QHostAddress &address : x.addresses) {
        if (y.addresses.contains(address))
            return true;
    }
    return false;
}

// As far as the speaker tells, it is set to join ssid.
bool onWlan(const SpeakerApi::DeviceInfo &device, const QString &ssid)
{
    return (device.wifiMode.isEmpty() || device.wifiMode == QLatin1String("client")) &&
        device.ssid == ssid;
}

bool tellsWlan(const SpeakerApi::DeviceInfo &device)
{
    return !device.wifiMode.isEmpty() || !device.ssid.isEmpty();
}

CheckVerdict rejected(const QString &name, const QString &text)
{
    CheckVerdict verdict;
    verdict.name = name;
    verdict.kind = CheckVerdict::Rejected;
    verdict.outcome = Outcome::Usage;
    verdict.text = text;
    return verdict;
}

CheckVerdict checkLine(const QList<PlannedSpeaker> &speakers, int index,
                       const QList<CheckVerdict> &earlier, const QList<BonjourRecord> &records,
                       const QString &password, bool force)
{
    const PlannedSpeaker &speaker = speakers.at(index);
    const PlanLine &line = speaker.line;
    const SpeakerApi::DeviceInfo &device = speaker.look.reach.device;
    const bool planned = line.lineNumber != 0;

    CheckVerdict verdict;
    if (!speaker.placement.found) {
        verdict.kind = CheckVerdict::Failed;
        verdict.outcome = Outcome::NotFound;
        verdict.text = QStringLiteral("no speaker of that name");
        return verdict;
    }
    const Verdict reach = reachVerdict(speaker.look.reach, QStringLiteral("device query"));
    const Verdict scan = answerVerdict(speaker.look.scanProblem, speaker.look.scanTransfer,
                                       QStringLiteral("WLAN scan"));
    if (isFailure(reach.outcome) || isFailure(scan.outcome)) {
        verdict.kind = CheckVerdict::Failed;
        verdict.outcome = isFailure(reach.outcome) ? reach.outcome : scan.outcome;
        verdict.text = isFailure(reach.outcome) ? reach.text : scan.text;
        return verdict;
    }

    verdict.name = line.name.isEmpty() ? device.name : line.name;
    if (line.name.isEmpty() && device.name.trimmed().isEmpty())
        return rejected(verdict.name,
                        planned ? QStringLiteral("the speaker tells no usable name; give it one "
                                                 "in the name column")
                                : QStringLiteral("the speaker tells no usable name; give it one "
                                                 "with --name"));
    // An open WLAN takes any password: only the name's rules speak.
    const SpeakerApi::SettingsProblem nameProblem =
        SpeakerApi::checkSettings(verdict.name, QString(), QStringLiteral("NONE"));
    if (nameProblem != SpeakerApi::SettingsProblem::None)
        return rejected(
            verdict.name,
            settingsProblemText(nameProblem, verdict.name, QString(), line.ssid, QString()));

    for (int other = 0; other < index; ++other) {
        if (earlier.at(other).kind == CheckVerdict::Failed)
            continue;
        if (sameSpeaker(speakers.at(other), speaker))
            return rejected(verdict.name,
                            QStringLiteral("the same speaker as line %1")
                                .arg(speakers.at(other).line.lineNumber));
        if (sameName(earlier.at(other).name, verdict.name))
            return rejected(verdict.name,
                            QStringLiteral("the name \"%1\" is planned for line %2 as well")
                                .arg(verdict.name)
                                .arg(speakers.at(other).line.lineNumber));
    }
    // A name that another speaker carries would make one of them rename itself.
    for (const BonjourRecord &record : records) {
        if (!sameName(record.instanceName, verdict.name))
            continue;
        const bool own = sameName(record.instanceName, device.name) ||
            (speaker.placement.target.isAnnounced && record == speaker.placement.target.record);
        if (!own)
            return rejected(
                verdict.name,
                QStringLiteral("the name \"%1\" is taken by another speaker").arg(verdict.name));
    }

    // Found under its new name, it was renamed by an earlier run: unless it tells of another
    // WLAN, that run is done. Found under its own name, it must tell that it is on the WLAN.
    if (device.name == verdict.name &&
        (speaker.placement.byNewName ? !tellsWlan(device) || onWlan(device, line.ssid)
                                     : tellsWlan(device) && onWlan(device, line.ssid))) {
        verdict.kind = CheckVerdict::Already;
        verdict.outcome = Outcome::Already;
        return verdict;
    }

    // A hidden WLAN is taken for WPA, as the wizard's "Other network..." takes it by default.
    QString encryptType = QStringLiteral("WPA");
    if (!line.hidden) {
        bool seen = false;
        for (const SpeakerApi::AccessPoint &accessPoint : speaker.look.accessPoints) {
            if (!seen && accessPoint.ssid == line.ssid) {
                seen = true;
                encryptType = accessPoint.encryptType;
            }
        }
        if (!seen)
            return rejected(
                verdict.name,
                (planned ? QStringLiteral("the speaker does not see the WLAN \"%1\"; if it does "
                                          "not announce itself, say so in the hidden column")
                         : QStringLiteral("the speaker does not see the WLAN \"%1\"; if it does "
                                          "not announce itself, add --hidden"))
                    .arg(line.ssid));
    }
    if (!force) {
        const SpeakerApi::SettingsProblem problem =
            SpeakerApi::checkSettings(verdict.name, password, encryptType);
        if (problem != SpeakerApi::SettingsProblem::None)
            return rejected(
                verdict.name,
                settingsProblemText(problem, verdict.name, password, line.ssid, encryptType));
    }
    return verdict;
}

} // namespace

Placement placeSpeaker(const PlanLine &line, const QList<BonjourRecord> &records)
{
    Placement placement;
    BonjourRecord record = recordNamed(line.speaker.text, records);
    if (record.instanceName.isNull() && line.speaker.isAddress) {
        placement.found = true;
        placement.target = SpeakerTarget::address(line.speaker.host, line.speaker.port);
        return placement;
    }
    if (record.instanceName.isNull() && !line.name.isEmpty()) {
        record = recordNamed(line.name, records);
        placement.byNewName = !record.instanceName.isNull();
    }
    if (record.instanceName.isNull())
        return placement;
    placement.found = true;
    placement.target = SpeakerTarget::announced(record);
    return placement;
}

QString nameProblem(const PlanLine &line)
{
    if (line.name.isEmpty())
        return QString();
    // An open WLAN takes any password: only the name's rules speak.
    return settingsProblemText(
        SpeakerApi::checkSettings(line.name, QString(), QStringLiteral("NONE")), line.name,
        QString(), line.ssid, QString());
}

QString passwordProblem(const QString &password)
{
    if (SpeakerApi::controlCharacterAt(password) < 0)
        return QString();
    return settingsProblemText(SpeakerApi::SettingsProblem::PasswordControlCharacter, QString(),
                               password, QString(), QString());
}

QList<CheckVerdict> checkPlan(const QList<PlannedSpeaker> &speakers,
                              const QList<BonjourRecord> &records, const QString &password,
                              bool force)
{
    QList<CheckVerdict> verdicts;
    for (int index = 0; index < speakers.size(); ++index)
        verdicts.append(checkLine(speakers, index, verdicts, records, password, force));
    return verdicts;
}
