#include "plan.h"

#include <QSet>
#include <QStringList>

namespace {

// The fields of one CSV line; false when a quote is left open or text follows a closing one.
bool splitCsvLine(const QString &line, QStringList *fields)
{
    fields->clear();
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c != QLatin1Char('"'))
                field.append(c);
            else if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"'))
                field.append(line.at(++i));
            else
                quoted = false;
        } else if (c == QLatin1Char(',')) {
            fields->append(field);
            field.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('"') && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (wasQuoted) {
            return false;
        } else {
            field.append(c);
        }
    }
    fields->append(field);
    return !quoted;
}

} // namespace

QString ssidProblem(const QString &ssid)
{
    const int bytes = ssid.toUtf8().size();
    if (bytes == 0)
        return QStringLiteral("the SSID is empty");
    if (bytes > MaxSsidBytes)
        return QStringLiteral("an SSID has at most %1 bytes, \"%2\" has %3")
            .arg(MaxSsidBytes)
            .arg(ssid)
            .arg(bytes);
    return QString();
}

bool readPlan(const QByteArray &bytes, const QString &fileName, QList<PlanLine> *plan,
              QString *error)
{
    plan->clear();
    QByteArray text = bytes;
    // Spreadsheets write one when they save CSV as UTF-8.
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    const QList<QByteArray> lines = text.split('\n');

    const QStringList header = { QStringLiteral("speaker"), QStringLiteral("name"),
                                 QStringLiteral("ssid") };
    int columns = 0; // of the header, once read
    QSet<QString> speakers;
    for (int index = 0; index < lines.size(); ++index) {
        const QString where = QStringLiteral("%1:%2: ").arg(fileName).arg(index + 1);
        QByteArray lineBytes = lines.at(index);
        // Read on, a NUL would end the plan early, and text that is not UTF-8 would reach the
        // speakers as replacement characters.
        if (lineBytes.contains('\0')) {
            *error = where + QStringLiteral("the plan holds a NUL byte");
            return false;
        }
        const QString line = QString::fromUtf8(lineBytes);
        if (line.toUtf8() != lineBytes) {
            *error = where + QStringLiteral("the plan is not UTF-8 text (save it as UTF-8)");
            return false;
        }
        QString content = line;
        if (content.endsWith(QLatin1Char('\r')))
            content.chop(1);
        if (content.trimmed().isEmpty())
            continue;
        QStringList fields;
        if (!splitCsvLine(content, &fields)) {
            *error = where + QStringLiteral("a quoted field is not closed properly");
            return false;
        }
        if (!columns) {
            if (fields != header && fields != header + QStringList(QStringLiteral("hidden"))) {
                *error = where +
                    QStringLiteral("the first line must be \"speaker,name,ssid\" or "
                                   "\"speaker,name,ssid,hidden\"");
                return false;
            }
            columns = fields.size();
            continue;
        }
        if (fields.size() != columns) {
            *error = where +
                QStringLiteral("expected %1 fields, found %2").arg(columns).arg(fields.size());
            return false;
        }

        PlanLine entry;
        entry.lineNumber = index + 1;
        entry.name = fields.at(1);
        entry.ssid = fields.at(2);
        if (fields.at(0).isEmpty() || entry.ssid.isEmpty()) {
            *error = where + QStringLiteral("speaker and ssid must not be empty");
            return false;
        }
        if (!SpeakerArgument::parse(fields.at(0), &entry.speaker, error)) {
            error->prepend(where);
            return false;
        }
        const QString problem = ssidProblem(entry.ssid);
        if (!problem.isEmpty()) {
            *error = where + problem;
            return false;
        }
        if (columns == 4) {
            const QString hidden = fields.at(3).trimmed().toLower();
            if (hidden != QLatin1String("yes") && hidden != QLatin1String("no") &&
                !hidden.isEmpty()) {
                *error = where +
                    QStringLiteral("hidden is \"yes\" or \"no\", not \"%1\"").arg(fields.at(3));
                return false;
            }
            entry.hidden = hidden == QLatin1String("yes");
        }
        if (speakers.contains(entry.speaker.text)) {
            *error =
                where + QStringLiteral("speaker \"%1\" is planned twice").arg(entry.speaker.text);
            return false;
        }
        speakers.insert(entry.speaker.text);
        plan->append(entry);
    }
    if (plan->isEmpty()) {
        *error = fileName + QStringLiteral(": no speaker planned");
        return false;
    }
    return true;
}
