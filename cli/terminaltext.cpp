#include "terminaltext.h"

namespace {

QString hexEscape(const char *prefix, uint value, int digits)
{
    return QLatin1String(prefix) +
        QString::number(value, 16).rightJustified(digits, QLatin1Char('0'));
}

// Line and paragraph separators, and the controls that embed, override or isolate a writing
// direction: text after them may be shown elsewhere than it stands.
bool turnsLineOrDirection(uint c)
{
    return c == 0x2028 || c == 0x2029 || (c >= 0x202a && c <= 0x202e) ||
        (c >= 0x2066 && c <= 0x2069);
}

// East Asian wide and full-width characters and the emoji blocks, after Markus Kuhn's wcwidth;
// a terminal gives each of them two columns.
bool isWide(uint c)
{
    return (c >= 0x1100 && c <= 0x115f) || c == 0x2329 || c == 0x232a ||
        (c >= 0x2e80 && c <= 0xa4cf && c != 0x303f) || (c >= 0xac00 && c <= 0xd7a3) ||
        (c >= 0xf900 && c <= 0xfaff) || (c >= 0xfe10 && c <= 0xfe19) ||
        (c >= 0xfe30 && c <= 0xfe6f) || (c >= 0xff00 && c <= 0xff60) ||
        (c >= 0xffe0 && c <= 0xffe6) || (c >= 0x1f300 && c <= 0x1f64f) ||
        (c >= 0x1f900 && c <= 0x1f9ff) || (c >= 0x20000 && c <= 0x2fffd) ||
        (c >= 0x30000 && c <= 0x3fffd);
}

} // namespace

namespace TerminalText {

QString safe(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const uint u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            shown += c;
            shown += text.at(++i);
            continue;
        }
        switch (u) {
        case '\\':
            shown += QLatin1String("\\\\");
            continue;
        case '\a':
            shown += QLatin1String("\\a");
            continue;
        case '\b':
            shown += QLatin1String("\\b");
            continue;
        case '\t':
            shown += QLatin1String("\\t");
            continue;
        case '\n':
            shown += QLatin1String("\\n");
            continue;
        case '\v':
            shown += QLatin1String("\\v");
            continue;
        case '\f':
            shown += QLatin1String("\\f");
            continue;
        case '\r':
            shown += QLatin1String("\\r");
            continue;
        case 0x1b:
            shown += QLatin1String("\\e");
            continue;
        default:
            break;
        }
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f))
            shown += hexEscape("\\x", u, 2);
        else if (c.isSurrogate() || turnsLineOrDirection(u))
            shown += hexEscape("\\u", u, 4);
        else
            shown += c;
    }
    return shown;
}

QString safeLogLine(const QString &line)
{
    // A reverse solidus never splits a surrogate pair or an escape that safe() writes.
    QStringList parts = line.split(QLatin1Char('\\'));
    for (QString &part : parts)
        part = safe(part);
    return parts.join(QLatin1Char('\\'));
}

int width(const QString &text)
{
    int columns = 0;
    const QVector<uint> characters = text.toUcs4();
    for (const uint c : characters) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ||
            category == QChar::Other_Format || (c >= 0x1160 && c <= 0x11ff))
            continue;
        columns += isWide(c) ? 2 : 1;
    }
    return columns;
}

QString table(const QList<QStringList> &rows)
{
    QList<QStringList> shownRows;
    QList<int> widths;
    for (const QStringList &row : rows) {
        QStringList shownRow;
        for (int column = 0; column < row.size(); ++column) {
            shownRow.append(safe(row.at(column)));
            if (widths.size() <= column)
                widths.append(0);
            widths[column] = qMax(widths.at(column), width(shownRow.last()));
        }
        shownRows.append(shownRow);
    }
    QString text;
    for (const QStringList &row : qAsConst(shownRows)) {
        for (int column = 0; column < row.size(); ++column) {
            text += row.at(column);
            if (column + 1 < row.size())
                text += QString(widths.at(column) - width(row.at(column)) + 2, QLatin1Char(' '));
        }
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace TerminalText
