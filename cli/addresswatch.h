#ifndef ADDRESSWATCH_H
#define ADDRESSWATCH_H

#include "speakerreach.h"
#include "speakertarget.h"

#include <QObject>
#include <QString>

#include <chrono>

class QTimer;

// Asks a speaker at its address, again and again, until it answers under the name sent, or
// under its old one after it has been away (a speaker answering under its old name before it
// went down has not restarted yet). An answer of another model or hardware version than the
// speaker told before is another device's, and does not count. Emits returned() at most once;
// how long to ask is the owner's business.
class AddressWatch : public QObject
{
    Q_OBJECT

public:
    // reach: how each question is asked (its arrival text is the watch's own).
    AddressWatch(const SpeakerTarget &address, const SpeakerApi::DeviceInfo &before,
                 const QString &sentName, std::chrono::milliseconds pollInterval,
                 const ReachOptions &reach, QObject *parent = nullptr);

signals:
    // name: the one it answers with, the name sent or its old one.
    void returned(const QString &name);

private slots:
    void ask();
    void readAnswer(const ReachResult &result);

private:
    const SpeakerTarget address;
    ReachOptions reachOptions;
    const SpeakerApi::DeviceInfo before;
    const QString sentName;
    QTimer *pollTimer;
    bool away = false; // no answer since the watch began
    bool done = false;
};

#endif // ADDRESSWATCH_H
