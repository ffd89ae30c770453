#include "planscheduler.h"

#include "speakerclient.h"

#include <QStringList>
#include <QTimer>

PlanScheduler::PlanScheduler(const QList<PlanLine> &plan, const QString &planFile,
                             const PlanSettings &settings, SpeakerClient *client, QObject *parent)
    : QObject(parent), planFile(planFile), settings(settings), client(client)
{
    for (const PlanLine &line : plan) {
        PlannedSpeaker speaker;
        speaker.line = line;
        speakers.append(speaker);
        states.append(State::Waiting);
        LineResult result;
        result.line = line;
        result.name = line.name;
        lineResults.append(result);
    }
    counts.total = speakers.size();
}

void PlanScheduler::start()
{
    // From the event loop, so that a plan held back at once still ends after start() returns.
    QTimer::singleShot(0, this, &PlanScheduler::checkValues);
}

void PlanScheduler::checkValues()
{
    if (ended)
        return;
    // Values that cannot work, whatever the speakers tell, hold the plan back before any is
    // looked for.
    const QString passwordText = passwordProblem(settings.password);
    bool rejected = !passwordText.isEmpty();
    if (rejected)
        emit message(passwordText);
    for (int index = 0; index < speakers.size(); ++index) {
        const PlanLine &line = speakers.at(index).line;
        const QString text = passwordText.isEmpty() ? nameProblem(line) : passwordText;
        if (text.isEmpty())
            continue;
        if (text != passwordText)
            emit message(where(line) + text);
        end(index, Outcome::Usage, text);
        rejected = true;
    }
    if (rejected) {
        emit message(QStringLiteral("nothing was sent"));
        endRest(Outcome::NotSent,
                QStringLiteral("not sent: another line does not pass the checks"));
        advance();
        return;
    }
    client->listSpeakers([this](const Listing &listing) { placeSpeakers(listing); });
}

QString PlanScheduler::where(const PlanLine &line) const
{
    return line.lineNumber ? QStringLiteral("%1:%2: ").arg(planFile).arg(line.lineNumber)
                           : QString();
}

void PlanScheduler::placeSpeakers(const Listing &listing)
{
    if (ended)
        return;
    bool named = false;
    for (const PlannedSpeaker &speaker : qAsConst(speakers))
        named |= !speaker.line.speaker.isAddress;
    if (!listing.available) {
        const QString why =
            QStringLiteral("DNS-SD is not available (error %1); is avahi-daemon running?")
                .arg(listing.error);
        if (named) {
            emit message(why + QStringLiteral(" Nothing was sent."));
            for (int index = 0; index < speakers.size(); ++index) {
                if (!speakers.at(index).line.speaker.isAddress)
                    end(index, Outcome::Unavailable, why);
            }
            endRest(Outcome::NotSent, QStringLiteral("not sent: DNS-SD is not available"));
            advance();
            return;
        }
        emit message(why +
                     QStringLiteral(" The speakers given as HOST:PORT are reached without "
                                    "it; their names are not checked against those of "
                                    "announced speakers."));
    }
    records = listing.records;

    // A speaker not found fails alone: after an interrupted run the others are finished.
    QStringList missing;
    for (int index = 0; index < speakers.size(); ++index) {
        PlannedSpeaker &speaker = speakers[index];
        speaker.placement = placeSpeaker(speaker.line, records);
        if (speaker.placement.found) {
            queue.append(index);
            continue;
        }
        const QString name = QStringLiteral("\"%1\"").arg(speaker.line.speaker.text);
        missing.append(speaker.line.lineNumber
                           ? QStringLiteral("%1 (line %2)").arg(name).arg(speaker.line.lineNumber)
                           : name);
    }
    placed = queue.size();
    if (!missing.isEmpty()) {
        QStringList names;
        for (const BonjourRecord &record : qAsConst(records))
            names.append(QStringLiteral("\"%1\"").arg(record.instanceName));
        emit message(
            QStringLiteral("no speaker named %1; found: %2.%3")
                .arg(missing.join(QStringLiteral(", ")),
                     names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", ")),
                     placed ? QString() : QStringLiteral(" Nothing was sent.")));
        for (int index = 0; index < speakers.size(); ++index) {
            if (!speakers.at(index).placement.found)
                end(index, Outcome::NotFound, QStringLiteral("no speaker of that name"));
        }
    }
    advance();
}

void PlanScheduler::askSpeaker(int index)
{
    states[index] = State::Asking;
    const PlannedSpeaker &speaker = speakers.at(index);
    client->look(speaker.placement.target, true, !speaker.line.hidden,
                 [this, index](const Look &look) {
                     if (ended)
                         return;
                     speakers[index].look = look;
                     states[index] = State::Asked;
                     --running;
                     ++counts.asked;
                     tellProgress();
                     if (counts.asked == placed)
                         checkSpeakers();
                     else
                         advance();
                 });
}

void PlanScheduler::checkSpeakers()
{
    verdicts = checkPlan(speakers, records, settings.password, settings.force);
    bool rejected = false;
    for (int index = 0; index < speakers.size(); ++index) {
        // The name to be sent, once known: a kept one is the speaker's.
        if (!verdicts.at(index).name.isEmpty())
            lineResults[index].name = verdicts.at(index).name;
        rejected |= verdicts.at(index).kind == CheckVerdict::Rejected;
    }

    for (int index = 0; index < speakers.size(); ++index) {
        const CheckVerdict &verdict = verdicts.at(index);
        switch (verdict.kind) {
        case CheckVerdict::Rejected:
            emit message(where(speakers.at(index).line) + verdict.text);
            end(index, Outcome::Usage, verdict.text);
            break;
        case CheckVerdict::Failed:
            end(index, verdict.outcome, verdict.text);
            break;
        case CheckVerdict::Already:
            end(index, Outcome::Already, QStringLiteral("already named so, nothing sent"));
            break;
        case CheckVerdict::Send:
            if (rejected)
                break;
            if (settings.dryRun)
                end(index, Outcome::WouldSend, QStringLiteral("would send"));
            else
                queue.append(index);
            break;
        }
    }
    // One password for all, one plan as a whole: a line that cannot work stops every line.
    if (rejected) {
        emit message(QStringLiteral("nothing was sent"));
        endRest(Outcome::NotSent,
                QStringLiteral("not sent: another line does not pass the "
                               "checks"));
    }
    counts.sending = true;
    tellProgress();
    advance();
}

void PlanScheduler::sendSettings(int index)
{
    states[index] = State::Sending;
    const PlannedSpeaker &speaker = speakers.at(index);
    SpeakerSettings values;
    values.name = verdicts.at(index).name;
    values.password = settings.password;
    values.ssid = speaker.line.ssid;
    ++counts.sent;
    tellProgress();
    client->send(speaker.look.reach.url, values, speaker.look.reach.device,
                 [this, index](const SendResult &result) { watchReturn(index, result); });
}

void PlanScheduler::watchReturn(int index, const SendResult &result)
{
    if (ended)
        return;
    const Verdict verdict = sendVerdict(result);
    if (isFailure(verdict.outcome) || settings.noWait) {
        end(index, verdict.outcome, verdict.text);
        advance();
        return;
    }
    states[index] = State::Watching;
    const PlannedSpeaker &speaker = speakers.at(index);
    const ReachResult &reach = speaker.look.reach;
    ReturnRequest request;
    request.target = speaker.placement.target;
    request.lastAddress = speaker.placement.target.isAnnounced
        ? SpeakerTarget::address(reach.addresses.first().toString(), reach.port)
        : speaker.placement.target;
    request.sentName = verdicts.at(index).name;
    request.ssid = speaker.line.ssid;
    request.before = reach.device;
    client->watchReturn(request, [this, index](const ReturnResult &result) {
        if (ended)
            return;
        const Verdict verdict = returnVerdict(result, verdicts.at(index).name, settings.returnWait);
        if (verdict.outcome == Outcome::Success)
            ++counts.back;
        end(index, verdict.outcome, verdict.text);
        advance();
    });
}

void PlanScheduler::stop(int signal)
{
    if (ended)
        return;
    client->stop();
    const int code = 128 + signal;
    interruptedCode = code;
    for (int index = 0; index < speakers.size(); ++index) {
        switch (states.at(index)) {
        case State::Ended:
            break;
        case State::Sending:
            end(index, Outcome::Interrupted, QStringLiteral("sent, answer not seen"), code);
            break;
        case State::Watching:
            end(index, Outcome::Interrupted, QStringLiteral("sent, return not seen"), code);
            break;
        default:
            end(index, Outcome::Interrupted, QStringLiteral("not sent"), code);
            break;
        }
    }
    queue.clear();
    advance();
}

void PlanScheduler::advance()
{
    if (ended)
        return;
    // Asking and sending keep to the same limit; a speaker keeps its place while it is waited
    // for.
    while (running < settings.jobs && !queue.isEmpty()) {
        const int index = queue.takeFirst();
        if (states.at(index) == State::Ended)
            continue;
        ++running;
        if (states.at(index) == State::Waiting)
            askSpeaker(index);
        else
            sendSettings(index);
    }
    for (const State state : qAsConst(states)) {
        if (state != State::Ended)
            return;
    }
    ended = true;
    // A plan held back as a whole ends as such, whichever of its lines held it back; otherwise
    // with the code of its first line that failed.
    int code = interruptedCode;
    for (const LineResult &result : qAsConst(lineResults)) {
        if (!code && result.outcome == Outcome::NotSent)
            code = result.exitCode;
    }
    for (const LineResult &result : qAsConst(lineResults)) {
        if (!code && isFailure(result.outcome)) {
            code = result.exitCode;
            break;
        }
    }
    emit finished(code);
}

void PlanScheduler::end(int index, Outcome outcome, const QString &details, int code)
{
    if (states.at(index) == State::Ended)
        return;
    if (states.at(index) == State::Asking || states.at(index) == State::Sending ||
        states.at(index) == State::Watching)
        --running;
    states[index] = State::Ended;
    LineResult &result = lineResults[index];
    result.outcome = outcome;
    result.exitCode = code >= 0 ? code : exitCode(outcome);
    result.details = details;
    emit lineEnded(result);
    tellProgress();
}

void PlanScheduler::endRest(Outcome outcome, const QString &details)
{
    for (int index = 0; index < speakers.size(); ++index)
        end(index, outcome, details);
}

void PlanScheduler::tellProgress()
{
    emit progress(counts);
}
