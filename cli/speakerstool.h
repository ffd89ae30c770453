#ifndef SPEAKERSTOOL_H
#define SPEAKERSTOOL_H

#include "bonjourrecord.h"
#include "options.h"
#include "outcome.h"

#include <QList>
#include <QObject>
#include <QStringList>

class BonjourServiceBrowser;
class QTextStream;
class QTimer;
class SpeakerJob;

// Runs one command: the browse (when a speaker is named), then one job per speaker, at most
// `jobs` at a time, each result written as it comes (JSON) or as a table at the end.
class SpeakersTool : public QObject
{
    Q_OBJECT

public:
    SpeakersTool(const Invocation &invocation, const QList<PlanLine> &plan, const QString &password,
                 QTextStream *out, QTextStream *err, QObject *parent = nullptr);

    void start();

    // Whether progress lines go to the error stream (only when it is a terminal).
    bool progress = false;

    // Milliseconds to wait for the browse's first list: a daemon that has just started, or has
    // nothing in its cache, asks the network first. Once a list is in, --quiet-wait counts.
    static int firstAnswerWait;

signals:
    void finished(int exitCode);

private slots:
    void updateRecords(const QList<BonjourRecord> &records);
    void reportBrowseFailure(int error);
    void takeRecords();
    void startSend(SpeakerJob *job);
    void reportJob(SpeakerJob *job);

private:
    void startJobs();
    void runQueued();
    void sendPrepared();
    void writeJson(const SpeakerJob *job);
    void writeTable();
    void end(Outcome outcome);
    void say(const QString &line);

    Invocation invocation;
    QList<PlanLine> plan;
    QString password;
    QTextStream *out;
    QTextStream *err;
    BonjourServiceBrowser *browser = nullptr;
    QTimer *quietTimer = nullptr;
    QList<BonjourRecord> records;
    QList<SpeakerJob *> jobs;  // in plan order
    QList<SpeakerJob *> queue; // waiting for a free place
    QList<SpeakerJob *> ready; // configure: prepared, waiting for the others
    int running = 0;
    int done = 0;
    bool sending = false;
};

#endif // SPEAKERSTOOL_H
