#ifndef SPEAKERARGUMENT_H
#define SPEAKERARGUMENT_H

#include <QString>

// A SPEAKER as the user gives it: a name as `list` prints it, or HOST:PORT ([ADDRESS]:PORT for
// IPv6). A text that is both, like "Suite:12", is the announced speaker of that name if there is
// one, else the address.
struct SpeakerArgument
{
    QString text;
    bool isAddress = false; // a HOST:PORT with a port from 1 to 65535
    QString host;           // without brackets
    quint16 port = 0;

    // False, with why, for a text that looks like HOST:PORT with a bad port (":0", ":65536",
    // ":80x", "127.0.0.1:", "[::1]:x").
    static bool parse(const QString &text, SpeakerArgument *speaker, QString *error);
    // Where only an address can be meant: HOST, HOST:PORT, an IPv6 address alone, [ADDRESS] or
    // [ADDRESS]:PORT, with port where none is given; blanks around it do not count. False for a
    // text that is none of these or has a bad port.
    static bool parseAddress(const QString &text, quint16 port, SpeakerArgument *speaker);
};

#endif // SPEAKERARGUMENT_H
