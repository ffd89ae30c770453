#ifndef SIMULATORPROCESS_H
#define SIMULATORPROCESS_H

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTcpSocket>

// Starts speaker-sim, reads the port it listens on and stops it again by its
// own process handle. Callers wait for the first listening line with QTRY_*.
class SimulatorProcess
{
public:
    ~SimulatorProcess()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    bool start(const QStringList &arguments)
    {
        process.setProgram(QStringLiteral(SPEAKER_SIM_PATH));
        process.setArguments(arguments);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start();
        return process.waitForStarted(5000);
    }

    // Lines "listening on ADDRESS:PORT" seen so far on standard output.
    int listeningLines()
    {
        stdoutText += process.readAllStandardOutput();
        return stdoutText.count("listening on ");
    }

    int port()
    {
        listeningLines();
        const int end = stdoutText.indexOf('\n');
        const int colon = stdoutText.lastIndexOf(':', end);
        return end < 0 ? 0 : stdoutText.mid(colon + 1, end - colon - 1).toInt();
    }

    QProcess process;
    QByteArray stdoutText;
};

// One finished exchange with the speaker.
struct Exchange
{
    // ConnectionRefusedError while the speaker is away rebooting.
    QAbstractSocket::SocketError error = QAbstractSocket::UnknownSocketError;
    int status = 0;
    QJsonObject object;
};

// One request on a connection of its own, as the speaker closes each after
// its reply. The headers are those the configurator sends.
inline Exchange exchange(const QString &host, int port, const QByteArray &body,
                         const QByteArray &verb = "POST",
                         const QByteArray &path = "/api/v14/configure.action")
{
    Exchange result;
    QTcpSocket socket;
    socket.connectToHost(host, static_cast<quint16>(port));
    if (socket.waitForConnected(10000)) {
        socket.write(verb + ' ' + path + " HTTP/1.1\r\nHost: " + host.toLatin1() +
                     "\r\nContent-Type: text/plain\r\ncharset: UTF-8\r\nContent-Length: " +
                     QByteArray::number(body.size()) + "\r\n\r\n" + body);
        QByteArray answer;
        while (socket.waitForReadyRead(10000))
            answer += socket.readAll();
        answer += socket.readAll();
        result.status = answer.startsWith("HTTP/1.1 ") ? answer.mid(9, 3).toInt() : 0;
        result.object =
            QJsonDocument::fromJson(answer.mid(answer.indexOf("\r\n\r\n") + 4)).object();
    }
    result.error = socket.error();
    return result;
}

// The member at a path like "deviceinfo/devicename".
inline QJsonValue member(const QJsonObject &object, const QString &path)
{
    QJsonValue value = object;
    for (const QString &key : path.split(QLatin1Char('/')))
        value = value.toObject().value(key);
    return value;
}

const QByteArray queryBody = "{\"action\": \"query\"}";
const QByteArray wifiscanBody = "{\"action\": \"wifiscan\"}";

// The set-configuration body exactly as the settings page writes it.
inline QByteArray setconfigBody(const QString &name, const QString &password, const QString &ssid)
{
    return QStringLiteral("{\"action\": \"setconfig\", \"deviceinfo\": {\"devicename\": \"%1\"},"
                          "\"networkinfo\": {\"wifimode\": \"client\", \"clientinfo\": "
                          "{\"encrypt_type\": \"WPA\", \"wifipwd\": \"%2\", \"wifissid\": "
                          "\"%3\"}, \"ipaddressinfo\": {\"type\": \"DHCP\"}}}")
        .arg(name, password, ssid)
        .toUtf8();
}

#endif // SIMULATORPROCESS_H
