#ifndef SPEAKERSAVE_H
#define SPEAKERSAVE_H

#include "logtext.h"
#include "speakerapi.h"

#include <QMetaType>
#include <QObject>
#include <QString>

#include <chrono>

// What a speaker is sent with SAVE.
struct SpeakerSettings
{
    QString name;
    QString password;
    QString ssid;
};

// How a save ended.
struct SaveResult
{
    SpeakerApi::SaveOutcome outcome = SpeakerApi::SaveOutcome::NoAnswer;
    SpeakerApi::Transfer transfer; // of the settings when sent, else of the device query
    QString reason;                // a refusal's own words
    SpeakerApi::DeviceInfo found;  // what the device at the address told, when it told
};

Q_DECLARE_METATYPE(SaveResult)

// Sends a speaker its settings, once the device at its address has shown to be that speaker: it
// is asked for its device information first, and the settings go only when it answers with the
// name, model and hardware version that the speaker told before (those that it told). Another
// device may have taken the address since, and it must not get the home WLAN's password. Ends
// with exactly one finished(), never from within the constructor; deleting it before aborts the
// request in flight, and nothing is emitted. While it lives, no log line shows the password.
class SpeakerSave : public QObject
{
    Q_OBJECT

public:
    // expected: what the speaker told of itself when it was chosen. deadline: of each request,
    // from the moment it is made.
    SpeakerSave(const QString &url, const SpeakerSettings &settings,
                const SpeakerApi::DeviceInfo &expected, std::chrono::milliseconds deadline,
                QObject *parent = nullptr);

    // Whether a device that tells found is the speaker that told expected.
    static bool isSameSpeaker(const SpeakerApi::DeviceInfo &expected,
                              const SpeakerApi::DeviceInfo &found);

signals:
    void finished(const SaveResult &result);

private slots:
    void checkIdentity(const SpeakerApi::Transfer &transfer, const QByteArray &body);
    void readAnswer(const SpeakerApi::Transfer &transfer, const QByteArray &body);

private:
    void finish(SpeakerApi::SaveOutcome outcome);

    const QString url;
    const SpeakerSettings settings;
    const HiddenPassword hiddenPassword;
    const SpeakerApi::DeviceInfo expected;
    const std::chrono::milliseconds deadline;
    SaveResult result;
};

#endif // SPEAKERSAVE_H
