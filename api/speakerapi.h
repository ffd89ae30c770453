#ifndef SPEAKERAPI_H
#define SPEAKERAPI_H

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

class QHostAddress;
class QNetworkAccessManager;
class QNetworkReply;
class QObject;

// The speaker's configuration interface: one path that takes JSON by POST and
// answers each request with one JSON object. The pages send an action and read
// its answer through these procedures.
namespace SpeakerApi {

// Answers larger than this are aborted as they arrive: a genuine answer is a few
// kilobytes, and anything on the LAN can pretend to be a speaker.
const qint64 MaxReplySize = 1024 * 1024;

// Dynamic property set on a reply that was aborted for its size; holds the log
// line that tells why.
const char DiscardedProperty[] = "vantirDiscarded";

// "http://" + address + ":" + port + "/api/v14/configure.action". An IPv6
// address goes in brackets, its zone id written as "%25" + id.
QString speakerUrl(const QHostAddress &address, int port);

QString queryBody();
QString wifiscanBody();

// The value as JSON string content: quotation mark, reverse solidus and the
// control characters escaped, everything else unchanged.
QString jsonStringContent(const QString &value);

// The set-configuration body: fixed text with the three values inserted.
QString setconfigBody(const QString &name, const QString &password, const QString &ssid);

// The "CONFIG STRING: >>>...<<<" debug line of a set-configuration request; the
// password is shown as "********" (an empty one stays empty).
void logSetconfig(const QString &name, const QString &password, const QString &ssid);

// Posts body to url on a new manager owned by page; the manager's finished()
// goes to the page's replyFinished(QNetworkReply *) slot. Returns the manager.
QNetworkAccessManager *postRequest(QObject *page, const QString &url, const QString &body);

// Aborts the reply as soon as it announces or delivers more than MaxReplySize
// bytes, and marks it with DiscardedProperty. postRequest() does this itself.
void limitReplySize(QNetworkReply *reply);

// Reads the whole body and writes the arrival text and the quoted body (up to
// its first zero byte). An answer aborted for its size gives one line saying why
// instead of the body line, and an empty body.
QByteArray readReply(QNetworkReply *reply, const char *arrivalText);

// Writes "Document is NULL" or "Object is empty" and returns false when the body
// is no usable answer; otherwise stores the top-level object and returns true.
bool parseReply(const QByteArray &body, QJsonObject *object);

// The device query's answer: logs it and stores name, model, versions and IP
// address in wizardData.
void readQueryReply(const QJsonObject &object);

struct AccessPoint
{
    QString ssid;
    QString encryptType;
    QString signalLevel;
};

// The WLAN scan's answer: the "aplist" entries in the speaker's order.
QList<AccessPoint> readWifiscanReply(const QJsonObject &object);

} // namespace SpeakerApi

#endif // SPEAKERAPI_H
