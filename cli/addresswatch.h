#ifndef ADDRESSWATCH_H
#define ADDRESSWATCH_H

#include <QObject>
#include <QString>

class QNetworkReply;
class QTimer;

// The return of a speaker reached as HOST:PORT, which no DNS-SD announcement tells of: it is
// asked at its address until it answers under the name sent, or under its old one after it has
// been away. Ends with exactly one finished().
class AddressWatch : public QObject
{
    Q_OBJECT

public:
    enum Outcome { Back, KeptOldName, NotBack };

    AddressWatch(const QString &url, const QString &oldName, const QString &sentName,
                 QObject *parent = nullptr);

    // Milliseconds between two questions.
    static int pollInterval;

signals:
    void finished(AddressWatch::Outcome outcome);

private slots:
    void ask();
    void replyFinished(QNetworkReply *reply);
    void giveUp();

private:
    void finish(Outcome outcome);

    const QString url;
    const QString oldName;
    const QString sentName;
    QTimer *returnTimer;
    bool away = false; // no answer since the settings went out
    bool done = false;
};

#endif // ADDRESSWATCH_H
