#include "speakerargument.h"

#include <QHostAddress>
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

bool SpeakerArgument::parseAddress(const QString &text, quint16 port, SpeakerArgument *speaker)
{
    const QString typed = text.trimmed();
    static const QRegularExpression bracketedAlone(QStringLiteral("^\\[([^\\]]+)\\]$"));
    const QRegularExpressionMatch bracketed = bracketedAlone.match(typed);
    const QString alone = bracketed.hasMatch() ? bracketed.captured(1) : typed;
    // An IPv6 address has colons of its own: without brackets, all of it is the address.
    if (QHostAddress(alone).protocol() == QAbstractSocket::IPv6Protocol || bracketed.hasMatch()) {
        *speaker = SpeakerArgument();
        speaker->text = text;
        speaker->isAddress = !QHostAddress(alone).isNull();
        speaker->host = alone;
        speaker->port = port;
        return speaker->isAddress;
    }
    QString error;
    if (!parse(typed, speaker, &error))
        return false;
    speaker->text = text;
    if (speaker->isAddress)
        return true;
    static const QRegularExpression hostName(QStringLiteral("^[A-Za-z0-9._-]+$"));
    if (!hostName.match(typed).hasMatch())
        return false;
    speaker->isAddress = true;
    speaker->host = typed;
    speaker->port = port;
    return true;
}
