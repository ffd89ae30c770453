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

    bool isAnnounced = false;
    BonjourRecord record; // when announced
    QString host;         // otherwise
    quint16 port = 0;
};

#endif // SPEAKERTARGET_H
