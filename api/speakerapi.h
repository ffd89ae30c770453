#ifndef SPEAKERAPI_H
#define SPEAKERAPI_H

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QNetworkReply>
#include <QString>

#include <chrono>

class QHostAddress;
class QNetworkAccessManager;
class QObject;

// The speaker's configuration interface: one path that takes JSON by POST and
// answers each request with one JSON object. The pages send an action and read
// its answer through these procedures.
namespace SpeakerApi {

// Answers larger than this are aborted as they arrive: a genuine answer is a few
// kilobytes, and anything on the LAN can pretend to be a speaker.
const qint64 MaxReplySize = 1024 * 1024;

// How far Qt's network thread reads ahead of the page: past the cap, so that the
// cap is seen crossed, and by more than one network read, which Qt hands on
// only whole once the buffer is nearly full.
const qint64 ReadBufferSize = 2 * MaxReplySize;

// The longest a request may take, from the moment it is made to the last byte
// of its answer: long enough for a speaker's WLAN scan. A speaker that drips its
// answer does not stretch it.
constexpr std::chrono::milliseconds DefaultDeadline { 30000 };

// Dynamic property set on a reply that was aborted for its size; holds the log
// line that tells why.
const char DiscardedProperty[] = "vantirDiscarded";

// "http://" + address + ":" + port + "/api/v14/configure.action". An IPv6
// address goes in brackets, its zone id written as "%25" + id.
QString speakerUrl(const QHostAddress &address, int port);

QString queryBody();
QString wifiscanBody();

// The value as JSON string content: quotation mark, reverse solidus and the
// control characters escaped, and a UTF-16 surrogate without its partner (which
// has no UTF-8 form) as \uXXXX; everything else unchanged.
QString jsonStringContent(const QString &value);

// The set-configuration body: fixed text with the three values inserted.
QString setconfigBody(const QString &name, const QString &password, const QString &ssid);

// The "CONFIG STRING: >>>...<<<" debug line of a set-configuration request; the
// password is shown as "********" (an empty one stays empty).
void logSetconfig(const QString &name, const QString &password, const QString &ssid);

// Posts body to url on a new manager owned by page; the manager's finished()
// goes to the page's replyFinished(QNetworkReply *) slot. The request is
// aborted once deadline has passed since it was made, and follows no redirect.
// Returns the manager.
QNetworkAccessManager *postRequest(QObject *page, const QString &url, const QString &body,
                                   std::chrono::milliseconds deadline);

// Aborts the reply as soon as it announces or delivers more than MaxReplySize
// bytes, and marks it with DiscardedProperty; until then Qt's network thread
// reads no further ahead than that. postRequest() does this itself.
void limitReplySize(QNetworkReply *reply);

// Lets the request's connection close once the handler has returned, instead of
// when the page goes: deletes the manager that postRequest() made for it, and
// the reply with it.
void endRequest(QNetworkReply *reply);

// Reads the whole body and writes the arrival text and the quoted body (up to
// its first zero byte). An answer aborted for its size gives one line saying why
// instead of the body line, and an empty body.
QByteArray readReply(QNetworkReply *reply, const char *arrivalText);

// The whole body, without a line; empty for an answer aborted for its size or at
// its deadline.
QByteArray readBody(QNetworkReply *reply);

// The most objects and arrays an answer may hold, as counted by their opening
// brackets: a speaker's scan lists a few hundred access points at most, and Qt's
// JSON reader takes about forty bytes for each, however small it is written.
const int MaxAnswerParts = 10000;

// Writes "Document is NULL" or "Object is empty" and returns false when the body
// is no usable answer; otherwise stores the top-level object and returns true.
// A body with more than MaxAnswerParts opening brackets is not read at all. A
// key that comes twice in one object counts with its last value.
bool parseReply(const QByteArray &body, QJsonObject *object);

// Why a request brought no answer that can be read, as far as it is known.
enum class AnswerProblem {
    None,     // a whole 2xx answer that is a non-empty JSON object
    NotSent,  // no connection was made (refused, no route, no host): the speaker got nothing
    NoAnswer, // sent, then silence, or the connection closed before the answer was whole
    Unusable, // an answer, but no JSON object, a status other than 2xx, or not what was asked
    TooLarge, // an answer refused for its size (MaxReplySize, MaxAnswerParts)
};

// What a speaker tells of itself in its answer to the device query.
struct DeviceInfo
{
    QString name;
    QString model;
    QString softwareVer;
    QString hardwareVer;
    QString ip;
    QString wifiMode; // "client" on a WLAN, "ap" as its own access point; empty if untold
    QString ssid;     // the WLAN it is set to join, if it tells
};

// What the device query's answer tells, without a log line: for a caller that asks again and
// again and logs in its own words.
DeviceInfo readDeviceInfo(const QJsonObject &object);

// The device query's answer: logs it and returns what it tells.
DeviceInfo readQueryReply(const QJsonObject &object);

struct AccessPoint
{
    int position = 0; // in the speaker's list, counting every entry from 0
    QString ssid;
    QString encryptType;
    QString signalLevel;
};

// How many entries of one scan answer get a line of their own when left out;
// the rest are counted in one line.
const int MaxLeftOutLines = 5;

// The WLAN scan's answer: the "aplist" entries in the speaker's order that can
// be chosen, those whose "ssid" is a non-empty text; one line for each of the
// first MaxLeftOutLines left out, and one line with the number of the others.
// Without "aplist" the speaker sees no WLAN; an "aplist" that is no array, or
// whose entries are none of them an object with a text "ssid", is Unusable,
// with a line saying why.
AnswerProblem readWifiscanReply(const QJsonObject &object, QList<AccessPoint> *accessPoints);

// How a transfer ended, apart from its body.
struct Transfer
{
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    int status = 0;         // the HTTP status; 0 when none arrived
    bool discarded = false; // aborted for its size
    bool sent = false;      // some of the request went out on a connection
};

Transfer transferOf(const QNetworkReply *reply);

// Whether the transfer brought a whole answer with a 2xx status; otherwise
// writes why not ("HTTP error status N", "Transfer failed: ...").
bool checkTransfer(const Transfer &transfer);

// The WLAN scan as the page gets it: the reply procedure's lines for the body,
// then why the speaker gave no usable answer, or None with the access points
// that can be chosen (possibly none).
AnswerProblem readWifiscanAnswer(const Transfer &transfer, const QByteArray &body,
                                 QList<AccessPoint> *accessPoints);

// The device query as a caller without a page gets it: the reply procedure's lines for the
// body, then why the speaker gave no usable answer, or None with what it tells.
AnswerProblem readQueryAnswer(const Transfer &transfer, const QByteArray &body, DeviceInfo *info);

// The same, without a line: for a caller that asks again and again and says in its own words
// why an answer was of no use.
AnswerProblem readQueryAnswerQuietly(const Transfer &transfer, const QByteArray &body,
                                     DeviceInfo *info);

enum class SaveOutcome {
    Saved,    // a 2xx answer, a non-empty object, "returncode" absent or "0"
    Refused,  // an answer that says no: a status of 400 or more, another returncode
    Unusable, // an answer, but no JSON object, or a redirect: nothing is known of the settings
    NoAnswer, // sent, but no answer: the speaker may have taken the settings
    NotSent,  // no connection was made: the speaker is as it was
    TooLarge, // an answer refused for its size: nothing is known of the settings
    // Not sent: the device at the speaker's address is no longer the speaker that was chosen.
    OtherDevice,
};

// How much of a refusal's own reason is kept, in UTF-16 units.
const int MaxReasonLength = 200;

// The set-configuration's answer: the reply procedure's lines for the body,
// then why it is not Saved. A refusal's own text member ("error" or
// "message"), if its body is a JSON object that has one, goes to reason,
// trimmed; a longer one is cut to MaxReasonLength, at a word's end where one
// is near, ending in "…"; also for a status of 400 or more.
SaveOutcome readSetconfigAnswer(const Transfer &transfer, const QByteArray &body,
                                QString *reason = nullptr);

// The most bytes of a speaker name in UTF-8: it is announced as a DNS-SD
// instance name, which is one DNS label.
const int MaxNameBytes = 63;

// Where text holds a control character (C0, DEL or C1: a pasted line end or tab
// among them), which no name or password may hold; -1 where it holds none. A
// speaker takes such a byte as it comes, and a WLAN password with one can never
// be typed on the access point's side.
int controlCharacterAt(const QString &text);

// Why the values typed for a set-configuration cannot work, if they cannot.
// WPA takes a passphrase of 8 to 63 bytes in UTF-8, or the key itself as 64
// hexadecimal digits.
enum class SettingsProblem {
    None,
    BlankName,                // a name of nothing but blanks
    NameControlCharacter,     // a name with a control character
    NameBlankEdges,           // a name that starts or ends with a blank
    NameTooLong,              // more than MaxNameBytes bytes
    PasswordControlCharacter, // a password with a control character, whatever the WLAN
    WpaPasswordTooShort,      // fewer than 8 bytes
    WpaPasswordTooLong,       // more than 63 bytes, and not 64 hexadecimal digits
    PasswordMissing,          // an encryption of unknown kind: a password is needed
};

// Whether the speaker can join a WLAN of that "encrypt_type" (as the scan told
// it) with these values, the name's problems first. A type holding "WPA" is
// WPA; "NONE", "OPEN" and an empty type are open, any password without a
// control character goes; of any other type nothing is known but that it wants
// a password.
SettingsProblem checkSettings(const QString &name, const QString &password,
                              const QString &encryptType);

// The most bytes of an SSID, in UTF-8 as the speaker gets it.
const int MaxSsidBytes = 32;

enum class SsidProblem {
    None,
    Missing, // no SSID at all
    TooLong, // more than MaxSsidBytes bytes
};

// Whether an SSID that the user typed can name a WLAN. Blanks count: an SSID may have them.
SsidProblem checkSsid(const QString &ssid);

} // namespace SpeakerApi

#endif // SPEAKERAPI_H
