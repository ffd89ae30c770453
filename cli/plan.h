#ifndef PLAN_H
#define PLAN_H

#include "speakerargument.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One speaker's line of a plan, or the one speaker of `configure SPEAKER`.
struct PlanLine
{
    int lineNumber = 0; // in the plan file; 0 for the command line
    SpeakerArgument speaker;
    QString name; // empty: keep the speaker's current name
    QString ssid;
    bool hidden = false; // a WLAN that does not announce itself: not looked for in the scan
};

// The most bytes of an SSID.
const int MaxSsidBytes = 32;

// Why the SSID cannot be one, or empty.
QString ssidProblem(const QString &ssid);

// Reads a plan: UTF-8 text (a byte-order mark at its start is skipped) without NUL bytes, the
// header line "speaker,name,ssid" or "speaker,name,ssid,hidden", then one speaker a line, fields
// as in CSV (double quotes around a field that holds a comma or a quote, "" for a quote), hidden
// "yes" or "no" (or empty). Empty lines are skipped. Returns false with "FILE:LINE: why" for the
// first bad line.
bool readPlan(const QByteArray &bytes, const QString &fileName, QList<PlanLine> *plan,
              QString *error);

#endif // PLAN_H
