#include "report.h"

#include "logtext.h"
#include "terminaltext.h"

#include <QJsonDocument>
#include <QTextStream>

Report::Report(QTextStream *out, QTextStream *err, bool json, bool terminal)
    : out(out), err(err), jsonLines(json), terminal(terminal)
{
}

void Report::say(const QString &message)
{
    clearStatus();
    *err << "vantir-speakers: " << TerminalText::safe(hidePasswords(message)) << Qt::endl;
    if (!status.isEmpty())
        showStatus(status);
}

void Report::showStatus(const QString &text)
{
    if (!terminal)
        return;
    // Back to the line's start and cleared: our own control sequences, nothing of a speaker's.
    *err << "\r\x1b[K" << TerminalText::safe(text) << Qt::flush;
    status = text;
}

void Report::clearStatus()
{
    if (terminal && !status.isEmpty())
        *err << "\r\x1b[K" << Qt::flush;
}

void Report::writeJson(const QJsonObject &object)
{
    const QJsonObject shown = hidePasswords(object).toObject();
    *out << QString::fromUtf8(QJsonDocument(shown).toJson(QJsonDocument::Compact)) << Qt::endl;
}

void Report::writeTable(const QList<QStringList> &rows)
{
    QList<QStringList> shown;
    for (const QStringList &row : rows) {
        QStringList cells;
        for (const QString &cell : row)
            cells.append(hidePasswords(cell));
        shown.append(cells);
    }
    *out << TerminalText::table(shown) << Qt::flush;
}

QJsonObject Report::planLineObject(const LineResult &result)
{
    QJsonObject object;
    object.insert(QStringLiteral("speaker"), result.line.speaker.text);
    if (result.line.lineNumber)
        object.insert(QStringLiteral("line"), result.line.lineNumber);
    object.insert(QStringLiteral("name"), result.name);
    object.insert(QStringLiteral("ssid"), result.line.ssid);
    object.insert(QStringLiteral("result"), outcomeWord(result.outcome));
    object.insert(QStringLiteral("exit"), result.exitCode);
    if (isFailure(result.outcome))
        object.insert(QStringLiteral("error"), result.details);
    return object;
}

void Report::planLineEnded(const LineResult &result)
{
    if (jsonLines)
        writeJson(planLineObject(result));
}

void Report::planProgress(const PlanProgress &progress)
{
    if (!progress.sending) {
        showStatus(QStringLiteral("%1/%2 asked").arg(progress.asked).arg(progress.total));
        return;
    }
    showStatus(QStringLiteral("%1/%2 sent, %3 back")
                   .arg(progress.sent)
                   .arg(progress.total)
                   .arg(progress.back));
}

void Report::planFinished(const QList<LineResult> &results)
{
    clearStatus();
    status.clear();
    if (!jsonLines) {
        QList<QStringList> rows = { { QStringLiteral("SPEAKER"), QStringLiteral("NAME"),
                                      QStringLiteral("SSID"), QStringLiteral("RESULT"),
                                      QStringLiteral("DETAILS") } };
        for (const LineResult &result : results)
            rows.append({ result.line.speaker.text, result.name, result.line.ssid,
                          outcomeWord(result.outcome), result.details });
        writeTable(rows);
    }
    *err << summary(results) << Qt::endl;
}

QString Report::summary(const QList<LineResult> &results)
{
    static const Outcome order[] = {
        Outcome::Success,     Outcome::Refused,     Outcome::NoAnswer,  Outcome::NotBack,
        Outcome::KeptOldName, Outcome::Already,     Outcome::WouldSend, Outcome::Usage,
        Outcome::NotFound,    Outcome::Unavailable, Outcome::NotSent,   Outcome::Interrupted
    };
    QStringList parts;
    for (const Outcome outcome : order) {
        int count = 0;
        for (const LineResult &result : results)
            count += result.outcome == outcome;
        if (count)
            parts.append(outcomeCount(outcome, count));
    }
    return parts.join(QStringLiteral(", "));
}
