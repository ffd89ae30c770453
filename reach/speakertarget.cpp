#include "speakertarget.h"

#include "speakerargument.h"

BonjourRecord SpeakerTarget::addressRecord(const QString &name, const QString &host, quint16 port)
{
    const QString address =
        host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(host) : host;
    return BonjourRecord(name, QString(), QStringLiteral("%1:%2").arg(address).arg(port));
}

bool SpeakerTarget::isAddressRecord(const BonjourRecord &record)
{
    return record.serviceType.isEmpty() && !record.domain.isEmpty();
}

SpeakerTarget SpeakerTarget::of(const BonjourRecord &record)
{
    SpeakerArgument speaker;
    QString error;
    if (isAddressRecord(record) && SpeakerArgument::parse(record.domain, &speaker, &error) &&
        speaker.isAddress)
        return address(speaker.host, speaker.port);
    return announced(record);
}
