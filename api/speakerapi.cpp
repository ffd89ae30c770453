#include "speakerapi.h"

#include "logtext.h"

#include <QDebug>
#include <QEvent>
#include <QHash>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <cstring>

// Swallows what the network thread still delivers to an aborted reply: data,
// or the error of a connection closed short of its Content-Length, would only
// find a finished reply, and Qt would warn of a second error.
class LateDeliverySink : public QObject
{
public:
    explicit LateDeliverySink(QObject *parent) : QObject(parent) { }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::MetaCall;
    }
};

// Set on a reply once some of its request has gone out on a connection.
static const char SentProperty[] = "vantirSent";

static void abortReply(QNetworkReply *reply)
{
    reply->abort();
    reply->installEventFilter(new LateDeliverySink(reply));
}

// Marks the reply first so that the handler, which abort() reaches at once
// through finished(), knows why the body is gone.
static void discardReply(QNetworkReply *reply, const QString &why)
{
    if (reply->isFinished() || reply->property(SpeakerApi::DiscardedProperty).isValid())
        return;
    reply->setProperty(SpeakerApi::DiscardedProperty, why);
    abortReply(reply);
}

// Notes whether the request reached a connection, and ends it at its deadline.
static void watchTransfer(QNetworkReply *reply, std::chrono::milliseconds deadline)
{
    // Qt tells of the body as it hands it to an open connection; a connection that could not
    // be made (refused, no route, no such host) leaves it at nothing. A count that goes back to
    // 0 is Qt starting again on a new connection after the first one closed: the speaker may
    // have the request all the same.
    QObject::connect(reply, &QNetworkReply::uploadProgress, reply, [reply](qint64 sent, qint64) {
        if (sent > 0)
            reply->setProperty(SentProperty, true);
    });
    // Counted from the request: Qt's own transfer timeout starts again with every byte that
    // arrives, so that a speaker dripping its answer would keep the page waiting.
    QTimer *deadlineTimer = new QTimer(reply);
    deadlineTimer->setSingleShot(true);
    QObject::connect(deadlineTimer, &QTimer::timeout, reply, [reply]() {
        if (!reply->isFinished())
            abortReply(reply);
    });
    QObject::connect(reply, &QNetworkReply::finished, deadlineTimer, &QTimer::stop);
    deadlineTimer->start(deadline);
}

namespace {

// A member's value that is an object or an array, as a stretch of the body.
struct Stretch
{
    int start = 0;
    int end = 0; // past its closing bracket
};

// An object or array being read.
struct Level
{
    bool object = false;
    QString key; // of the member being read
    int start = 0;
    QHash<QString, Stretch> containers; // the members so far whose value is an object or array
};

// What the JSON grammar allows at a point.
enum class Next { Value, ValueOrEnd, Key, KeyOrEnd, Colon, CommaOrEnd, Nothing };

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Past the closing quotation mark of the string that starts at start, or -1. Any character may
// be escaped, as Qt's reader allows; \u needs four hexadecimal digits.
int stringEnd(const QByteArray &body, int start)
{
    for (int i = start + 1; i < body.size(); ++i) {
        if (body.at(i) == '"')
            return i + 1;
        if (body.at(i) != '\\')
            continue;
        if (++i >= body.size())
            return -1;
        if (body.at(i) == 'u') {
            for (int digit = 0; digit < 4; ++digit) {
                if (++i >= body.size() || !isHex(body.at(i)))
                    return -1;
            }
        }
    }
    return -1;
}

// Past the number, true, false or null that starts at start, or -1.
int scalarEnd(const QByteArray &body, int start)
{
    for (const char *literal : { "true", "false", "null" }) {
        const int length = int(qstrlen(literal));
        if (body.mid(start, length) == literal)
            return start + length;
    }
    int end = start;
    while (end < body.size() && std::strchr("+-.0123456789eE", body.at(end)) && body.at(end))
        ++end;
    const QByteArray number = body.mid(start, end - start);
    const int digits = number.startsWith('-') ? 1 : 0;
    // A leading zero stands alone.
    if (number.size() > digits + 1 && number.at(digits) == '0' && number.at(digits + 1) >= '0' &&
        number.at(digits + 1) <= '9')
        return -1;
    bool ok = false;
    number.toDouble(&ok);
    return ok && (number.at(0) == '-' || (number.at(0) >= '0' && number.at(0) <= '9')) ? end : -1;
}

// A string's text, from its opening quotation mark to past its closing one.
QString stringAt(const QByteArray &body, int start, int end)
{
    const QByteArray token = body.mid(start, end - start);
    if (!token.contains('\\'))
        return QString::fromUtf8(token.constData() + 1, token.size() - 2);
    return QJsonDocument::fromJson('[' + token + ']').array().at(0).toString();
}

// Whether body is one JSON object or array (after a byte order mark, if any), as far as the
// grammar goes; the values that a later member of the same key replaces go to replaced, those
// inside another one left out.
bool scanJson(const QByteArray &body, QList<Stretch> *replaced)
{
    QList<Level> levels;
    Next next = Next::Value;
    const auto valueRead = [&] { next = levels.isEmpty() ? Next::Nothing : Next::CommaOrEnd; };
    for (int i = body.startsWith("\xef\xbb\xbf") ? 3 : 0; i < body.size();) {
        const char c = body.at(i);
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            ++i;
            continue;
        }
        const bool valueNext = next == Next::Value || next == Next::ValueOrEnd;
        if (c == '{' || c == '[') {
            if (!valueNext)
                return false;
            Level level;
            level.object = c == '{';
            level.start = i++;
            levels.append(level);
            next = level.object ? Next::KeyOrEnd : Next::ValueOrEnd;
        } else if (c == '}' || c == ']') {
            if (levels.isEmpty() || levels.last().object != (c == '}') ||
                (next != Next::CommaOrEnd &&
                 next != (c == '}' ? Next::KeyOrEnd : Next::ValueOrEnd)))
                return false;
            const int start = levels.takeLast().start;
            if (!levels.isEmpty() && levels.last().object)
                levels.last().containers.insert(levels.last().key, { start, ++i });
            else
                ++i;
            valueRead();
        } else if (c == ',' || c == ':') {
            if (next != (c == ',' ? Next::CommaOrEnd : Next::Colon))
                return false;
            next = c == ':' || !levels.last().object ? Next::Value : Next::Key;
            ++i;
        } else if (c == '"') {
            const int end = stringEnd(body, i);
            if (end < 0)
                return false;
            if (next == Next::Key || next == Next::KeyOrEnd) {
                Level &level = levels.last();
                level.key = stringAt(body, i, end);
                if (level.containers.contains(level.key))
                    replaced->append(level.containers.take(level.key));
                next = Next::Colon;
            } else if (valueNext && !levels.isEmpty()) {
                valueRead();
            } else {
                return false;
            }
            i = end;
        } else {
            const int end = valueNext && !levels.isEmpty() ? scalarEnd(body, i) : -1;
            if (end < 0)
                return false;
            i = end;
            valueRead();
        }
    }
    std::sort(replaced->begin(), replaced->end(),
              [](const Stretch &a, const Stretch &b) { return a.start < b.start; });
    return next == Next::Nothing;
}

} // namespace

// Qt's reader, without what Qt 5.15 leaves behind: of a key that comes twice in one object it
// keeps the last value and drops the one before, and never releases that when it is an object or
// an array. Such a value is written as 0 and blanks first, which reads the same. A body with a
// repeated key is read only when it is whole JSON, since Qt could meet one before its error.
static QJsonDocument readJson(const QByteArray &body)
{
    QList<Stretch> replaced;
    const bool whole = scanJson(body, &replaced);
    if (replaced.isEmpty())
        return QJsonDocument::fromJson(body);
    if (!whole)
        return QJsonDocument();
    QByteArray read = body;
    int blankedTo = 0;
    for (const Stretch &stretch : qAsConst(replaced)) {
        // One inside a stretch already blanked is gone with it.
        if (stretch.start < blankedTo)
            continue;
        read[stretch.start] = '0';
        for (int i = stretch.start + 1; i < stretch.end; ++i)
            read[i] = ' ';
        blankedTo = stretch.end;
    }
    return QJsonDocument::fromJson(read);
}

namespace SpeakerApi {

QString speakerUrl(const QHostAddress &address, int port)
{
    QString host;
    if (address.protocol() == QAbstractSocket::IPv6Protocol) {
        // A bare IPv6 address would run into the port; the zone id needs its
        // '%' escaped or QUrl takes it for a percent-encoding.
        QHostAddress bare(address);
        bare.setScopeId(QString());
        host = QLatin1Char('[') + bare.toString();
        const QString zone = address.scopeId();
        if (!zone.isEmpty())
            host += QLatin1String("%25") + QString::fromLatin1(QUrl::toPercentEncoding(zone));
        host += QLatin1Char(']');
    } else {
        host = address.toString();
    }
    return QLatin1String("http://") + host + QLatin1Char(':') + QString::number(port) +
        QLatin1String("/api/v14/configure.action");
}

QString queryBody()
{
    return QStringLiteral("{\"action\": \"query\"}");
}

QString wifiscanBody()
{
    return QStringLiteral("{\"action\": \"wifiscan\"}");
}

QString jsonStringContent(const QString &value)
{
    QString content;
    content.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        switch (c.unicode()) {
        case '"':
            content += QLatin1String("\\\"");
            break;
        case '\\':
            content += QLatin1String("\\\\");
            break;
        case '\b':
            content += QLatin1String("\\b");
            break;
        case '\f':
            content += QLatin1String("\\f");
            break;
        case '\n':
            content += QLatin1String("\\n");
            break;
        case '\r':
            content += QLatin1String("\\r");
            break;
        case '\t':
            content += QLatin1String("\\t");
            break;
        default:
            if (c.isHighSurrogate() && i + 1 < value.size() && value.at(i + 1).isLowSurrogate()) {
                content += c;
                content += value.at(++i);
            } else if (c.unicode() < 0x20 || c.isSurrogate()) {
                // A lone surrogate would reach the wire as "?"; escaped, the
                // speaker gets back the code unit it sent.
                content += QLatin1String("\\u") +
                    QString::number(c.unicode(), 16).rightJustified(4, QLatin1Char('0'));
            } else {
                content += c;
            }
        }
    }
    return content;
}

QString setconfigBody(const QString &name, const QString &password, const QString &ssid)
{
    // Written by hand: the speaker expects exactly this order and spacing.
    return QLatin1String("{\"action\": \"setconfig\", ") +
        QLatin1String("\"deviceinfo\": {\"devicename\": \"") + jsonStringContent(name) +
        QLatin1String("\"},") + QLatin1String("\"networkinfo\": {\"wifimode\": \"client\", ") +
        QLatin1String("\"clientinfo\": {\"encrypt_type\": \"WPA\", \"wifipwd\": \"") +
        jsonStringContent(password) + QLatin1String("\", \"wifissid\": \"") +
        jsonStringContent(ssid) + QLatin1String("\"}, ") +
        QLatin1String("\"ipaddressinfo\": {\"type\": \"DHCP\"}}") + QLatin1String("}");
}

void logSetconfig(const QString &name, const QString &password, const QString &ssid)
{
    // Logs end up in support tickets: never the WLAN password itself, but
    // still whether one was typed.
    qDebug().noquote().nospace() << "CONFIG STRING: >>>"
                                 << hidePasswords(setconfigBody(name, passwordMask(password), ssid))
                                 << "<<<\n\n";
}

QNetworkAccessManager *postRequest(QObject *page, const QString &url, const QString &body,
                                   std::chrono::milliseconds deadline)
{
    QNetworkAccessManager *manager = new QNetworkAccessManager(page);
    QNetworkRequest request((QUrl()));
    request.setUrl(QUrl(url, QUrl::TolerantMode));
    request.setRawHeader("Content-Type", "text/plain");
    request.setRawHeader("charset", "UTF-8");
    // The answer is read where it was asked for, and what the speaker is sent goes to the speaker
    // shown, nowhere else. Qt 6 would follow a redirect by itself, and could send the
    // set-configuration, WLAN password and all, on to any address it names.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    const QByteArray data = body.toUtf8();
    QObject::connect(manager, SIGNAL(finished(QNetworkReply *)), page,
                     SLOT(replyFinished(QNetworkReply *)));
    QNetworkReply *reply = manager->post(request, data);
    limitReplySize(reply);
    watchTransfer(reply, deadline);
    return manager;
}

void limitReplySize(QNetworkReply *reply)
{
    // Qt's network thread reads ahead only this far while nobody takes the
    // data, so the checks below see the cap crossed before memory runs away.
    // Said again once the request has started: Qt connects the reply to its
    // network thread only then, and a change made before would not reach it.
    reply->setReadBufferSize(ReadBufferSize);
    QMetaObject::invokeMethod(
        reply, [reply]() { reply->setReadBufferSize(ReadBufferSize); }, Qt::QueuedConnection);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply]() {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > MaxReplySize)
            discardReply(reply,
                         QStringLiteral("Reply too large, discarded for Content-Length %1")
                             .arg(length.toLongLong()));
    });
    // Nothing reads the reply before it has finished, so what is available is
    // all that has arrived so far.
    QObject::connect(reply, &QIODevice::readyRead, reply, [reply]() {
        const qint64 received = reply->bytesAvailable();
        if (received > MaxReplySize)
            discardReply(reply,
                         QStringLiteral("Reply too large, discarded after %1 bytes").arg(received));
    });
}

void endRequest(QNetworkReply *reply)
{
    if (QNetworkAccessManager *manager = reply->manager())
        manager->deleteLater();
    else
        reply->deleteLater();
}

QByteArray readReply(QNetworkReply *reply, const char *arrivalText)
{
    const QVariant discarded = reply->property(DiscardedProperty);
    if (discarded.isValid()) {
        qDebug() << arrivalText;
        qDebug().noquote() << discarded.toString();
        return QByteArray();
    }
    const QByteArray body = readBody(reply);
    qDebug() << arrivalText;
    qDebug() << LogText(QString::fromUtf8(body.constData()));
    return body;
}

QByteArray readBody(QNetworkReply *reply)
{
    // A reply aborted at its deadline is closed already, and reading it would
    // only make Qt warn.
    if (!reply->isOpen() || reply->property(DiscardedProperty).isValid())
        return QByteArray();
    return reply->readAll();
}

// Whether the reply procedure writes its lines.
enum class Lines { Written, Quiet };

// The reply procedure's reading of the body: Unusable or TooLarge with the line
// that says why, or None with the top-level object.
static AnswerProblem bodyProblem(const QByteArray &body, QJsonObject *object,
                                 Lines lines = Lines::Written)
{
    const bool logged = lines == Lines::Written;
    // Counted before reading: brackets inside strings count too, which only errs
    // on the safe side.
    const qsizetype parts = body.count('{') + body.count('[');
    if (parts > MaxAnswerParts) {
        if (logged)
            qDebug() << "Answer not read:" << parts << "objects and arrays, more than"
                     << MaxAnswerParts;
        return AnswerProblem::TooLarge;
    }
    const QJsonDocument document = readJson(body);
    if (document.isNull()) {
        if (logged)
            qDebug() << "Document is NULL";
        return AnswerProblem::Unusable;
    }
    *object = document.object();
    if (object->isEmpty()) {
        if (logged)
            qDebug() << "Object is empty";
        return AnswerProblem::Unusable;
    }
    return AnswerProblem::None;
}

bool parseReply(const QByteArray &body, QJsonObject *object)
{
    return bodyProblem(body, object) == AnswerProblem::None;
}

DeviceInfo readQueryReply(const QJsonObject &object)
{
    const QJsonValue deviceinfo = object.value(QLatin1String("deviceinfo"));
    qWarning() << LogJson(deviceinfo);
    const QJsonObject device = deviceinfo.toObject();
    qDebug() << "devicename:" << LogText(device.value(QLatin1String("devicename")).toString());
    qDebug() << "model:" << LogText(device.value(QLatin1String("model")).toString());
    return readDeviceInfo(object);
}

DeviceInfo readDeviceInfo(const QJsonObject &object)
{
    const QJsonObject device = object.value(QLatin1String("deviceinfo")).toObject();
    DeviceInfo info;
    info.name = device.value(QLatin1String("devicename")).toString();
    info.model = device.value(QLatin1String("model")).toString();
    info.softwareVer = device.value(QLatin1String("softwarever")).toString();
    info.hardwareVer = device.value(QLatin1String("hardwarever")).toString();
    const QJsonObject networkinfo = object.value(QLatin1String("networkinfo")).toObject();
    const QJsonObject ipaddressinfo = networkinfo.value(QLatin1String("ipaddressinfo")).toObject();
    info.ip = ipaddressinfo.value(QLatin1String("ipaddress")).toString();
    info.wifiMode = networkinfo.value(QLatin1String("wifimode")).toString();
    const QJsonObject clientinfo = networkinfo.value(QLatin1String("clientinfo")).toObject();
    info.ssid = clientinfo.value(QLatin1String("wifissid")).toString();
    return info;
}

AnswerProblem readWifiscanReply(const QJsonObject &object, QList<AccessPoint> *accessPoints)
{
    accessPoints->clear();
    const QJsonValue listed = object.value(QLatin1String("aplist"));
    // Said to be a list but none: the speaker did not say that it sees nothing.
    if (!listed.isUndefined() && !listed.isArray()) {
        qDebug() << "Scan answer unusable: aplist is no list";
        return AnswerProblem::Unusable;
    }
    const QJsonArray aplist = listed.toArray();
    bool anyEntry = false; // an object with a text SSID, empty or not
    int leftOut = 0;
    for (int index = 0; index < aplist.size(); ++index) {
        const QJsonObject entry = aplist.at(index).toObject();
        const QJsonValue ssid = entry.value(QLatin1String("ssid"));
        anyEntry = anyEntry || ssid.isString();
        // Without a name there is nothing to send back to join it.
        if (ssid.toString().isEmpty()) {
            // A hostile answer may hold nothing else: its log stays short.
            if (++leftOut <= MaxLeftOutLines)
                qDebug() << "Access point" << index << "left out: no SSID";
            continue;
        }
        AccessPoint accessPoint;
        accessPoint.position = index;
        accessPoint.ssid = ssid.toString();
        accessPoint.encryptType = entry.value(QLatin1String("encrypt_type")).toString();
        accessPoint.signalLevel = entry.value(QLatin1String("signal_level")).toString();
        accessPoints->append(accessPoint);
    }
    if (leftOut > MaxLeftOutLines)
        qDebug() << leftOut - MaxLeftOutLines << "more access points left out: no SSID";
    if (!aplist.isEmpty() && !anyEntry) {
        qDebug() << "Scan answer unusable: no access point with a text SSID";
        return AnswerProblem::Unusable;
    }
    return AnswerProblem::None;
}

Transfer transferOf(const QNetworkReply *reply)
{
    Transfer transfer;
    transfer.error = reply->error();
    transfer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    transfer.discarded = reply->property(DiscardedProperty).isValid();
    transfer.sent = reply->property(SentProperty).toBool();
    return transfer;
}

static bool transferPasses(const Transfer &transfer, Lines lines)
{
    const bool logged = lines == Lines::Written;
    if (transfer.discarded) // its line is written already
        return false;
    if (transfer.status != 0 && (transfer.status < 200 || transfer.status > 299)) {
        if (logged)
            qDebug() << "HTTP error status" << transfer.status;
        return false;
    }
    switch (transfer.error) {
    case QNetworkReply::NoError:
        break;
    // The deadline aborts the request; Qt versions name it either way.
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::TimeoutError:
        if (logged)
            qDebug() << "Transfer failed: no answer in time";
        return false;
    default:
        if (logged)
            qDebug() << "Transfer failed:" << transfer.error;
        return false;
    }
    if (transfer.status == 0) {
        if (logged)
            qDebug() << "Transfer failed: no HTTP status";
        return false;
    }
    return true;
}

bool checkTransfer(const Transfer &transfer)
{
    return transferPasses(transfer, Lines::Written);
}

// Why a transfer that checkTransfer() did not pass brought no answer to read.
static AnswerProblem transferProblem(const Transfer &transfer)
{
    if (transfer.discarded)
        return AnswerProblem::TooLarge;
    if (transfer.status != 0 && (transfer.status < 200 || transfer.status > 299))
        return AnswerProblem::Unusable;
    // Not the error itself: Qt sends a request again once when its connection closed
    // unanswered, and a refusal of that second connection comes after the speaker had it.
    if (transfer.error != QNetworkReply::NoError && !transfer.sent)
        return AnswerProblem::NotSent;
    return AnswerProblem::NoAnswer;
}

// The body's lines first, then the transfer's, as the pages have always written them.
static AnswerProblem readAnswer(const Transfer &transfer, const QByteArray &body,
                                QJsonObject *object, Lines lines = Lines::Written)
{
    const AnswerProblem read = bodyProblem(body, object, lines);
    if (!transferPasses(transfer, lines))
        return transferProblem(transfer);
    return read;
}

AnswerProblem readWifiscanAnswer(const Transfer &transfer, const QByteArray &body,
                                 QList<AccessPoint> *accessPoints)
{
    QJsonObject object;
    const AnswerProblem problem = readAnswer(transfer, body, &object);
    if (problem != AnswerProblem::None)
        return problem;
    return readWifiscanReply(object, accessPoints);
}

AnswerProblem readQueryAnswer(const Transfer &transfer, const QByteArray &body, DeviceInfo *info)
{
    QJsonObject object;
    const AnswerProblem problem = readAnswer(transfer, body, &object);
    if (problem == AnswerProblem::None)
        *info = readQueryReply(object);
    return problem;
}

AnswerProblem readQueryAnswerQuietly(const Transfer &transfer, const QByteArray &body,
                                     DeviceInfo *info)
{
    QJsonObject object;
    const AnswerProblem problem = readAnswer(transfer, body, &object, Lines::Quiet);
    if (problem == AnswerProblem::None)
        *info = readDeviceInfo(object);
    return problem;
}

// At most MaxReasonLength units with the "…" that says it was cut: after the last whole word
// where one ends near the limit, and never between the halves of a surrogate pair.
static QString cutReason(const QString &text)
{
    if (text.size() <= MaxReasonLength)
        return text;
    const int room = MaxReasonLength - 1;
    // A word end this near the limit loses less than a line of the box.
    const int nearest = room - room / 5;
    int cut = text.lastIndexOf(QLatin1Char(' '), room);
    if (cut < nearest)
        cut = text.at(room - 1).isHighSurrogate() ? room - 1 : room;
    return text.left(cut).trimmed() + QChar(0x2026);
}

// A refusal's own words, if it gives any.
static QString refusalReason(const QJsonObject &object)
{
    for (const char *member : { "error", "message" }) {
        const QJsonValue text = object.value(QLatin1String(member));
        if (text.isString() && !text.toString().trimmed().isEmpty()) {
            // Shown in a box: a sentence, not whatever the answer holds.
            return cutReason(text.toString().trimmed());
        }
    }
    return QString();
}

SaveOutcome readSetconfigAnswer(const Transfer &transfer, const QByteArray &body, QString *reason)
{
    QJsonObject object;
    const AnswerProblem read = bodyProblem(body, &object);
    if (!checkTransfer(transfer)) {
        // A status of 400 or more is a no, with or without words of its own.
        if (transfer.status >= 400) {
            if (reason && read == AnswerProblem::None)
                *reason = refusalReason(object);
            return SaveOutcome::Refused;
        }
        switch (transferProblem(transfer)) {
        case AnswerProblem::NotSent:
            return SaveOutcome::NotSent;
        case AnswerProblem::TooLarge:
            return SaveOutcome::TooLarge;
        case AnswerProblem::Unusable: // a redirect, which no speaker sends
            return SaveOutcome::Unusable;
        case AnswerProblem::None:
        case AnswerProblem::NoAnswer:
            break;
        }
        // A reset or silence after sending: the settings may have been taken before it.
        return SaveOutcome::NoAnswer;
    }
    if (read == AnswerProblem::TooLarge)
        return SaveOutcome::TooLarge;
    if (read != AnswerProblem::None)
        return SaveOutcome::Unusable;

    const QJsonValue returncode = object.value(QLatin1String("returncode"));
    const bool accepted = returncode.isUndefined() ||
        (returncode.isString() && returncode.toString() == QLatin1String("0")) ||
        (returncode.isDouble() && returncode.toDouble() == 0);
    if (!accepted) {
        qDebug() << "Refused, returncode" << LogJson(returncode);
        if (reason)
            *reason = refusalReason(object);
        return SaveOutcome::Refused;
    }
    return SaveOutcome::Saved;
}

static bool isHexDigits(const QString &text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F')))
            return false;
    }
    return true;
}

int controlCharacterAt(const QString &text)
{
    for (int index = 0; index < text.size(); ++index) {
        const ushort code = text.at(index).unicode();
        if (code < 0x20 || (code >= 0x7f && code <= 0x9f))
            return index;
    }
    return -1;
}

SettingsProblem checkSettings(const QString &name, const QString &password,
                              const QString &encryptType)
{
    if (name.trimmed().isEmpty())
        return SettingsProblem::BlankName;
    if (controlCharacterAt(name) >= 0)
        return SettingsProblem::NameControlCharacter;
    // A blank at either end is one that nobody sees in the speaker list, or a pasted leftover.
    if (name.front().isSpace() || name.back().isSpace())
        return SettingsProblem::NameBlankEdges;
    if (name.toUtf8().size() > MaxNameBytes)
        return SettingsProblem::NameTooLong;
    if (controlCharacterAt(password) >= 0)
        return SettingsProblem::PasswordControlCharacter;
    const QString type = encryptType.trimmed().toUpper();
    if (type.contains(QLatin1String("WPA"))) {
        // A passphrase is counted in the bytes that the speaker gets; 64 digits are the key
        // itself.
        if (password.size() == 64 && isHexDigits(password))
            return SettingsProblem::None;
        const int bytes = password.toUtf8().size();
        if (bytes < 8)
            return SettingsProblem::WpaPasswordTooShort;
        if (bytes > 63)
            return SettingsProblem::WpaPasswordTooLong;
        return SettingsProblem::None;
    }
    if (type.isEmpty() || type == QLatin1String("NONE") || type == QLatin1String("OPEN"))
        return SettingsProblem::None;
    return password.isEmpty() ? SettingsProblem::PasswordMissing : SettingsProblem::None;
}

SsidProblem checkSsid(const QString &ssid)
{
    if (ssid.isEmpty())
        return SsidProblem::Missing;
    if (ssid.toUtf8().size() > MaxSsidBytes)
        return SsidProblem::TooLong;
    return SsidProblem::None;
}

} // namespace SpeakerApi
