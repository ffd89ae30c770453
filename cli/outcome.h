#ifndef OUTCOME_H
#define OUTCOME_H

#include <QString>

// How one speaker's work ended. Each has its own exit code, so that a script can tell them
// apart; a plan ends with the code of its first line that failed.
enum class Outcome {
    Success,     // listed, scanned, or configured (and back, unless not waited for)
    Usage,       // bad arguments, plan, password file, or a password that does not fit
    NotFound,    // no speaker of that name announced
    Unavailable, // DNS-SD itself failed (no daemon, no library)
    Refused,     // the speaker said no to the settings
    NoAnswer,    // no usable answer: unreachable, silent, or not a speaker
    NotBack,     // the settings were taken, but the speaker did not come back in time
    KeptOldName, // it came back, but under its old name
    NotSent,     // left alone, because another line of the plan could not go
};

int exitCode(Outcome outcome);

// The word of the JSON lines and the table for it: "ok", "usage", "not-found", ...
QString outcomeWord(Outcome outcome);

#endif // OUTCOME_H
