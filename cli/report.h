#ifndef REPORT_H
#define REPORT_H

#include "planscheduler.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;

// Writes what the commands found: results on standard output, as a table at the end or as one
// JSON object per line as they come; messages, a progress line (on a terminal only, updated in
// place) and the summary on standard error. Every text of a table or a message is made safe for
// the terminal first; JSON escapes by itself. A password that is being sent is masked in each
// (HiddenPassword).
class Report
{
public:
    Report(QTextStream *out, QTextStream *err, bool json, bool terminal);

    bool json() const { return jsonLines; }

    // "vantir-speakers: " and the message.
    void say(const QString &message);
    // A line on the terminal that the next one replaces; empty: none.
    void showStatus(const QString &status);

    void writeJson(const QJsonObject &object);
    void writeTable(const QList<QStringList> &rows);

    // The lines of a plan.
    void planLineEnded(const LineResult &result);
    void planProgress(const PlanProgress &progress);
    void planFinished(const QList<LineResult> &results);

    static QJsonObject planLineObject(const LineResult &result);
    static QString summary(const QList<LineResult> &results);

private:
    void clearStatus();

    QTextStream *const out;
    QTextStream *const err;
    const bool jsonLines;
    const bool terminal;
    QString status; // shown now
};

#endif // REPORT_H
