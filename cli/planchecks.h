#ifndef PLANCHECKS_H
#define PLANCHECKS_H

#include "bonjourrecord.h"
#include "outcome.h"
#include "plan.h"
#include "speakerclient.h"
#include "speakertarget.h"

#include <QList>
#include <QString>

// Where a line's speaker is: announced under the name in its speaker column (which wins over an
// address that the text would also be), at its HOST:PORT, or announced under the line's new name,
// when an earlier run has renamed it already.
struct Placement
{
    bool found = false;
    SpeakerTarget target;
    bool byNewName = false;
};

Placement placeSpeaker(const PlanLine &line, const QList<BonjourRecord> &records);

// One line of a plan with what its speaker told.
struct PlannedSpeaker
{
    PlanLine line;
    Placement placement;
    Look look;
};

// What is to become of one line before anything is sent.
struct CheckVerdict
{
    enum Kind {
        Send,     // every check passed
        Already,  // it carries its new name and, as far as it tells, is on its WLAN
        Failed,   // it could not be asked: that line alone ends
        Rejected, // the line cannot work: nothing is sent to anyone
    };
    Kind kind = Send;
    QString text; // why, when Failed or Rejected
    Outcome outcome = Outcome::Success;
    QString name; // to be sent: the line's own, or the speaker's current one
};

// The rules of names and passwords that hold whatever the speakers tell, --force or not: why the
// line's own new name breaks them, or the password does; empty when it does not.
QString nameProblem(const PlanLine &line);
QString passwordProblem(const QString &password);

// Every check that the speakers' answers allow, line by line in plan order: a usable name,
// no speaker twice (by record, or by address and port), no name twice (letter case aside, as
// DNS-SD compares), no name that another announced speaker has, the WLAN among those the speaker
// sees (unless hidden) and the byte rules of names and passwords (whether the password fits the
// WLAN only without force). A line whose speaker was not found fails alone.
QList<CheckVerdict> checkPlan(const QList<PlannedSpeaker> &speakers,
                              const QList<BonjourRecord> &records, const QString &password,
                              bool force);

#endif // PLANCHECKS_H
