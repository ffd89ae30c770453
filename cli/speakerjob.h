#ifndef SPEAKERJOB_H
#define SPEAKERJOB_H

#include "addresswatch.h"
#include "bonjourrecord.h"
#include "options.h"
#include "outcome.h"
#include "speakerapi.h"

#include <QHash>
#include <QObject>
#include <QStringList>

class BonjourServiceBrowser;
class BonjourServiceResolver;
class QHostInfo;
class QNetworkAccessManager;
class QNetworkReply;

// One speaker's work for any command: find its address, ask what the command needs, and for
// `configure` send the settings and wait for its return. Ends with exactly one finished().
class SpeakerJob : public QObject
{
    Q_OBJECT

public:
    enum Work { Locate, Details, Scan, Configure };

    // record: the speaker as announced; a null record for HOST:PORT (line.speaker).
    SpeakerJob(Work work, const PlanLine &line, const BonjourRecord &record,
               QObject *parent = nullptr);

    // Locates and asks; a `configure` job then emits prepared() and waits for send().
    void start();
    // Sends the settings; unless noWait, then waits for the speaker's return: by the browser's
    // announcements (listed: its list now), or at its address when it has no record.
    void send(const QString &password, bool noWait, BonjourServiceBrowser *browser,
              const QList<BonjourRecord> &listed);
    // The guard of `configure`: set before start(); skipped with --force.
    void checkPassword(const QString &password) { guardPassword = password, guarded = true; }

    PlanLine line;
    BonjourRecord record;
    QString host;
    int port = 0;
    QStringList addresses;
    QString url;
    SpeakerApi::DeviceInfo info;
    QList<SpeakerApi::AccessPoint> accessPoints;
    QString newName; // what `configure` sends
    Outcome outcome = Outcome::Success;
    QString message; // why it failed, or how it ended

signals:
    void prepared(SpeakerJob *job);
    void finished(SpeakerJob *job);

private slots:
    void connectToSpeaker(const QHostInfo &hostInfo, int port);
    void reportResolveFailure();
    void replyFinished(QNetworkReply *reply);
    void reportBack();
    void reportKeptName(const QString &name);
    void reportNotBack();
    void reportAddressReturn(AddressWatch::Outcome outcome);

private:
    enum Action { Query, Wifiscan, Setconfig };

    void post(Action action, const QString &body);
    void readQuery(const SpeakerApi::Transfer &transfer, const QByteArray &body);
    void readWifiscan(const SpeakerApi::Transfer &transfer, const QByteArray &body);
    void readSetconfig(const SpeakerApi::Transfer &transfer, const QByteArray &body);
    void askedAll();
    void fail(Outcome why, const QString &text);
    void finish();

    Work work;
    BonjourServiceResolver *resolver = nullptr;
    QHash<QNetworkAccessManager *, Action> actions;
    int unanswered = 0;
    bool failed = false;
    bool guarded = false;
    QString guardPassword;
    bool noWait = false;
    BonjourServiceBrowser *browser = nullptr;
    QList<BonjourRecord> listed;
};

#endif // SPEAKERJOB_H
