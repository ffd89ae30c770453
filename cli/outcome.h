#ifndef OUTCOME_H
#define OUTCOME_H

#include "speakerapi.h"
#include "speakerclient.h"
#include "speakerreach.h"

#include <QString>

#include <chrono>

// How one speaker's work ended. Each failure has its own exit code, so that a script can tell
// them apart; a command ends with the code of its first speaker that failed.
enum class Outcome {
    Success,     // listed, scanned, or configured (and back, unless not waited for)
    Already,     // announced and answering under its new name, on its WLAN: nothing sent
    WouldSend,   // a dry run: every check passed, the settings would be sent
    Usage,       // bad arguments, plan, password, or values that cannot work
    NotFound,    // no speaker of that name announced
    Unavailable, // DNS-SD itself failed (no daemon, no library)
    Refused,     // the speaker said no to the settings
    NoAnswer,    // no usable answer: unreachable, silent, or not a speaker
    NotBack,     // the settings were taken, but the speaker did not come back in time
    KeptOldName, // it came back, but under its old name
    NotSent,     // left alone, because another line of the plan could not go
    Interrupted, // a signal ended the command first
};

bool isFailure(Outcome outcome);

// The exit code; Interrupted has the signal's own (128 + its number), which the caller knows.
int exitCode(Outcome outcome);

// The word of the JSON lines and the table for it: "ok", "usage", "not-found", ...
QString outcomeWord(Outcome outcome);

// "3 ok", "1 kept its old name": one part of the summary line.
QString outcomeCount(Outcome outcome, int count);

// An outcome with its words for the user.
struct Verdict
{
    Outcome outcome;
    QString text;
};

// What api/ and reach/ tell, in the command line's outcomes and words. One place, so that a new
// answer of theirs is one new case here.

// Why reaching a speaker gave nothing to go on; request names the request, e.g. "device query".
Verdict reachVerdict(const ReachResult &result, const QString &request);
// The same for an answer of a request after the speaker was reached.
Verdict answerVerdict(ReachProblem problem, const SpeakerApi::Transfer &transfer,
                      const QString &request);
Verdict sendVerdict(const SendResult &result);
Verdict returnVerdict(const ReturnResult &result, const QString &sentName,
                      std::chrono::seconds returnWait);
// Why the values cannot work, in words, a character at fault as U+XXXX; empty for None. Nothing
// of the password is shown but the code of a control character in it.
QString settingsProblemText(SpeakerApi::SettingsProblem problem, const QString &name,
                            const QString &password, const QString &ssid,
                            const QString &encryptType);

#endif // OUTCOME_H
