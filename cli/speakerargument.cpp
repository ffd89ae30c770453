#include "speakerargument.h"

#include <QRegularExpression>

bool SpeakerArgument::parse(const QString &text, SpeakerArgument *speaker, QString *error)
{
    *speaker = SpeakerArgument();
    speaker->text = text;
    // After brackets only a port can follow; after a plain host name only a port begins with a
    // digit, so that a name like "Ovix:Kitchen" stays a name.
    static const QRegularExpression bracketed(QStringLiteral("^\\[([^\\]]+)\\]:(.*)$"));
    static const QRegularExpression plain(QStringLiteral("^([A-Za-z0-9._-]+):(\\d[^:]*|)$"));
    QRegularExpressionMatch match = bracketed.match(text);
    if (!match.hasMatch())
        match = plain.match(text);
    if (!match.hasMatch())
        return true;

    static const QRegularExpression digits(QStringLiteral("^\\d{1,5}$"));
    const QString port = match.captured(2);
    const int number = digits.match(port).hasMatch() ? port.toInt() : 0;
    if (number < 1 || number > 65535) {
        *error = QStringLiteral("bad port \"%1\" in \"%2\": a port is a number from 1 to 65535")
                     .arg(port, text);
        return false;
    }
    speaker->isAddress = true;
    speaker->host = match.captured(1);
    speaker->port = quint16(number);
    return true;
}
