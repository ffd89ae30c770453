#ifndef SIMULATORPROCESS_H
#define SIMULATORPROCESS_H

#include <QByteArray>
#include <QJsonObject>
#include <QNetworkReply>
#include <QProcess>
#include <QStringList>
#include <QUrl>

// Starts speaker-sim, reads the port it listens on and stops it again by its
// own process handle. Callers wait for the first listening line with QTRY_*.
class SimulatorProcess
{
public:
    ~SimulatorProcess() { stop(); }

    bool start(const QStringList &arguments)
    {
        process.setProgram(QStringLiteral(SPEAKER_SIM_PATH));
        process.setArguments(arguments);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start();
        return process.waitForStarted(5000);
    }

    void stop()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
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
        const int line = stdoutText.indexOf("listening on ");
        if (line < 0)
            return 0;
        const int end = stdoutText.indexOf('\n', line);
        const QByteArray text = stdoutText.mid(line, end - line);
        return text.mid(text.lastIndexOf(':') + 1).toInt();
    }

    QUrl url(const QString &path = QStringLiteral("/api/v14/configure.action"))
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
    }

    QProcess process;
    QByteArray stdoutText;
};

// One finished exchange with the speaker.
struct Exchange
{
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    int status = 0;
    QByteArray body;
    QJsonObject object;
};

#endif // SIMULATORPROCESS_H
