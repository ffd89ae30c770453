#ifndef PLANSCHEDULER_H
#define PLANSCHEDULER_H

#include "outcome.h"
#include "plan.h"
#include "planchecks.h"

#include <QList>
#include <QObject>
#include <QString>

#include <chrono>

class SpeakerClient;

struct PlanSettings
{
    QString password;
    bool force = false;  // a password that does not seem to fit goes all the same
    bool dryRun = false; // every check and question, nothing sent
    bool noWait = false; // done once the speaker took the settings
    int jobs = 8;        // speakers worked on at once
    std::chrono::seconds returnWait = defaultReturnWait(); // for the words only: the client waits
};

// How one line of the plan ended.
struct LineResult
{
    PlanLine line;
    QString name; // as sent, or to be sent
    Outcome outcome = Outcome::Success;
    int exitCode = 0;
    QString details; // why it failed, or how it ended
};

// Where the plan stands, for a progress line.
struct PlanProgress
{
    int total = 0;
    int asked = 0; // speakers located and asked, before anything is sent
    bool sending = false;
    int sent = 0; // settings sent
    int back = 0; // back under their new names
};

// Runs a plan (or the one line of `configure SPEAKER`) against the speakers: finds every line's
// speaker (one not found fails alone), asks each what the checks need, and sends only when every
// line asked passes them; then sends and waits for the speakers' returns, at most `jobs` speakers
// at a time in each phase. Ends each line with exactly one lineEnded() and the whole with one
// finished(), whose code is that of the first line in plan order that failed.
class PlanScheduler : public QObject
{
    Q_OBJECT

public:
    PlanScheduler(const QList<PlanLine> &plan, const QString &planFile,
                  const PlanSettings &settings, SpeakerClient *client, QObject *parent = nullptr);

    void start();
    // A signal: nothing more is sent, nothing more waited for; every line not yet ended ends as
    // interrupted, a speaker already sent its settings marked as such.
    void stop(int signal);

    const QList<LineResult> &results() const { return lineResults; }

signals:
    void lineEnded(const LineResult &result);
    void progress(const PlanProgress &progress);
    // Why nothing could be sent, for standard error.
    void message(const QString &text);
    void finished(int exitCode);

private:
    enum class State { Waiting, Asking, Asked, Sending, Watching, Ended };

    void checkValues();
    void placeSpeakers(const Listing &listing);
    void askSpeaker(int index);
    void checkSpeakers();
    void sendSettings(int index);
    void watchReturn(int index, const SendResult &result);
    void advance();
    void end(int index, Outcome outcome, const QString &details, int code = -1);
    void endRest(Outcome outcome, const QString &details);
    void tellProgress();
    QString where(const PlanLine &line) const;

    const QString planFile;
    const PlanSettings settings;
    SpeakerClient *const client;
    QList<PlannedSpeaker> speakers; // in plan order
    QList<CheckVerdict> verdicts;
    QList<State> states;
    QList<LineResult> lineResults;
    QList<BonjourRecord> records;
    QList<int> queue; // lines waiting for a free place
    int placed = 0;   // lines whose speaker was found, to be asked
    int running = 0;
    PlanProgress counts;
    bool ended = false;
    int interruptedCode = 0; // the exit code of the signal that stopped the plan
};

#endif // PLANSCHEDULER_H
