#ifndef SPEAKERTARGET_H
#define SPEAKERTARGET_H

#include "bonjourrecord.h"

#include <QString>

// Where a speaker is to be reached: as DNS-SD announces it (its record is resolved), or at a
// host and port that no announcement tells of.
struct SpeakerTarget
{
    static SpeakerTarget announced(const BonjourRecord &record)
    {
        SpeakerTarget target;
        target.isAnnounced = true;
        target.record = record;
        return target;
    }
    // host: a host name or an address (IPv6 without brackets, with its zone if it has one).
    static SpeakerTarget address(const QString &host, quint16 port)
    {
        SpeakerTarget target;
        target.host = host;
        target.port = port;
        return target;
    }

    // A speaker found at an address is listed and watched beside the announced ones as a record
    // of its own: with no service type, which no announcement lacks, and its address (HOST:PORT,
    // [ADDRESS]:PORT for IPv6) in place of the domain.
    static BonjourRecord addressRecord(const QString &name, const QString &host, quint16 port);
    static bool isAddressRecord(const BonjourRecord &record);
    // The target that a listed record stands for.
    static SpeakerTarget of(const BonjourRecord &record);

    bool isAnnounced = false;
    BonjourRecord record; // when announced
    QString host;         // otherwise
    quint16 port = 0;
};

#endif // SPEAKERTARGET_H
