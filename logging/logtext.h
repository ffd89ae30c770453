#ifndef LOGTEXT_H
#define LOGTEXT_H

#include <QJsonValue>
#include <QString>

class QDebug;

// A text value of a log line, streamed into QDebug: in double quotation marks, with QDebug's
// escaping of quotation marks, reverse solidi and unprintable characters, exactly as Qt 5.15
// writes it. Qt 6 knows more of Unicode and writes the characters assigned after Unicode 13
// plainly; they are escaped here as Qt 5.15 escapes them, so a line reads the same with either.
//
//     qDebug() << "SSID: " << LogText(ssid);
class LogText
{
public:
    explicit LogText(const QString &text) : text(text) { }
    const QString text;
};
QDebug operator<<(QDebug debug, const LogText &value);

// The quoted form on its own: "\"" + escaped text + "\"".
QString quotedLogText(const QString &text);

// A JSON value of a log line, in QDebug's form as Qt 5.15 writes it. Qt 6 keeps integers apart
// from doubles and writes them in full ("QJsonValue(double, 1234567)" where Qt 5.15 writes
// "1.23457e+06", and 2^53 + 1 exactly in an object); here every number is a double, and
// strings are quoted as by LogText.
class LogJson
{
public:
    explicit LogJson(const QJsonValue &value) : value(value) { }
    const QJsonValue value;
};
QDebug operator<<(QDebug debug, const LogJson &value);

// What a log line or the command line's output shows for a password: "********", and nothing
// for an empty one, so that a reader still knows whether one was typed.
QString passwordMask(const QString &password);

// While one lives, the password that it holds is shown as its passwordMask() wherever a text
// value of a log line (LogText, LogJson) or hidePasswords() holds it, also in the form that it
// takes inside a JSON string: a speaker's answer may repeat what it was sent. Held by whatever
// sends the password, for as long as it sends it; they may overlap, from any thread.
class HiddenPassword
{
public:
    explicit HiddenPassword(const QString &password);
    ~HiddenPassword();
    HiddenPassword(const HiddenPassword &) = delete;
    HiddenPassword &operator=(const HiddenPassword &) = delete;

private:
    const QString password;
};

// text, or value's keys and strings, with every password held by a HiddenPassword masked.
QString hidePasswords(const QString &text);
QJsonValue hidePasswords(const QJsonValue &value);

#endif // LOGTEXT_H
