#ifndef SIMULATORRECORD_H
#define SIMULATORRECORD_H

// The requests a speaker simulator received, read back from its --record file.

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>

struct RecordedRequest
{
    QString method;
    QString path;
    QList<QPair<QString, QString>>
        headers; // sorted by name, as the simulator's HTTP library has them
    QByteArray body;
};

inline QList<RecordedRequest> recordedRequests(const QString &fileName)
{
    QList<RecordedRequest> requests;
    QFile record(fileName);
    if (!record.open(QIODevice::ReadOnly))
        return requests;
    const QList<QByteArray> lines = record.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        if (object.isEmpty())
            continue;
        RecordedRequest request;
        request.method = object.value(QLatin1String("method")).toString();
        request.path = object.value(QLatin1String("path")).toString();
        const QJsonArray headers = object.value(QLatin1String("headers")).toArray();
        for (const QJsonValue &header : headers) {
            const QJsonArray pair = header.toArray();
            request.headers.append(qMakePair(pair.at(0).toString(), pair.at(1).toString()));
        }
        request.body = QByteArray::fromBase64(
            object.value(QLatin1String("body_base64")).toString().toLatin1());
        requests.append(request);
    }
    return requests;
}

#endif // SIMULATORRECORD_H
