#ifndef TERMINALTEXT_H
#define TERMINALTEXT_H

#include <QList>
#include <QString>
#include <QStringList>

// What a speaker or the network sends is shown on a terminal, never obeyed by it.
namespace TerminalText {

// The text with every control character written as a visible escape: C0 and DEL as \a \b \t
// \n \v \f \r \e or \xHH, C1 as \xHH (so an escape sequence they start is only shown), the
// characters that turn a line or the writing direction as \uHHHH, a UTF-16 half without its
// partner as \uHHHH, and the reverse solidus as \\, so that an escape is never ambiguous.
QString safe(const QString &text);

// A log line of --verbose as safe() makes a text, but with its reverse solidi as they are: QDebug
// has escaped its quoted values already, and only what it wrote plainly can still hold a control.
QString safeLogLine(const QString &line);

// The columns the text takes on a terminal: wide East Asian characters and emoji take two,
// combining marks none.
int width(const QString &text);

// The rows as a table: every cell made safe, the columns two blanks apart and aligned by their
// width on the terminal; the last cell of a row is not padded. One line per row, each ended.
QString table(const QList<QStringList> &rows);

} // namespace TerminalText

#endif // TERMINALTEXT_H
