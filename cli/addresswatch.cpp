#include "addresswatch.h"

#include "speakerreach.h"
#include "speakersave.h"

#include <QTimer>

AddressWatch::AddressWatch(const SpeakerTarget &address, const SpeakerApi::DeviceInfo &before,
                           const QString &sentName, std::chrono::milliseconds pollInterval,
                           const ReachOptions &reach, QObject *parent)
    : QObject(parent), address(address), reachOptions(reach), before(before), sentName(sentName),
      pollTimer(new QTimer(this))
{
    reachOptions.arrivalText = "Watch reply received";
    pollTimer->setSingleShot(true);
    pollTimer->setInterval(int(pollInterval.count()));
    connect(pollTimer, &QTimer::timeout, this, &AddressWatch::ask);
    // Right after its answer the speaker may not have gone down yet.
    pollTimer->start();
}

void AddressWatch::ask()
{
    SpeakerReach *reach = new SpeakerReach(address, reachOptions, this);
    connect(reach, &SpeakerReach::finished, this, &AddressWatch::readAnswer);
    reach->start();
}

void AddressWatch::readAnswer(const ReachResult &result)
{
    sender()->deleteLater();
    if (done)
        return;
    const QString name = result.device.name;
    SpeakerApi::DeviceInfo model = before;
    model.name.clear();
    if (result.problem != ReachProblem::None) {
        away = true;
    } else if (!SpeakerSave::isSameSpeaker(model, result.device)) {
        // Another device at the address meanwhile: the speaker is not back there (yet).
        away = true;
    } else if (name == sentName && (away || sentName != before.name)) {
        done = true;
        emit returned(name);
        return;
    } else if (name == before.name && away) {
        done = true;
        emit returned(name);
        return;
    }
    pollTimer->start();
}
