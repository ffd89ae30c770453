#include "speakerreach.h"

#include "bonjourserviceresolver.h"

#include <QHostInfo>
#include <QTimer>

SpeakerReach::SpeakerReach(const SpeakerTarget &target, const ReachOptions &options,
                           QObject *parent)
    : QObject(parent), target(target), options(options)
{
}

// No more work for a look-up whose answer nobody takes.
SpeakerReach::~SpeakerReach()
{
    if (lookupId != -1)
        QHostInfo::abortHostLookup(lookupId);
}

void SpeakerReach::start()
{
    starting = true;
    if (target.isAnnounced) {
        resolver = new BonjourServiceResolver(this, options.resolveTimeout);
        connect(resolver, &BonjourServiceResolver::bonjourRecordResolved, this,
                &SpeakerReach::connectToSpeaker);
        connect(resolver, &BonjourServiceResolver::error, this, &SpeakerReach::failResolve);
        resolver->resolveBonjourRecord(target.record);
    } else {
        // An address is "looked up" as well: QHostInfo hands it back as it is. To a slot: a
        // functor is kept by the look-up, and lost with it when the look-up never ends.
        lookupId = QHostInfo::lookupHost(target.host, this, SLOT(takeLookup(QHostInfo)));
    }
    starting = false;
}

void SpeakerReach::takeLookup(const QHostInfo &hostInfo)
{
    lookupId = -1;
    connectToSpeaker(hostInfo, target.port);
}

void SpeakerReach::connectToSpeaker(const QHostInfo &hostInfo, int port)
{
    if (done)
        return;
    reached.host = hostInfo.hostName();
    reached.port = quint16(port);
    reached.addresses = hostInfo.addresses();
    if (reached.addresses.isEmpty()) {
        finish(ReachProblem::NoAddress);
        return;
    }
    reached.url = SpeakerApi::speakerUrl(reached.addresses.first(), port);
    emit located(reached);
    if (done)
        return;
    if (!options.askDevice) {
        finish(ReachProblem::None);
        return;
    }
    reached.asked = true;
    SpeakerRequest *request = new SpeakerRequest(reached.url, SpeakerApi::queryBody(),
                                                 options.arrivalText, options.deadline, this);
    connect(request, &SpeakerRequest::finished, this, &SpeakerReach::readDevice);
}

void SpeakerReach::failResolve(int error)
{
    reached.dnssdError = error;
    finish(ReachProblem::ResolveFailed);
}

void SpeakerReach::readDevice(const SpeakerApi::Transfer &transfer, const QByteArray &body)
{
    sender()->deleteLater();
    reached.transfer = transfer;
    reached.answer = body;
    const SpeakerApi::AnswerProblem problem = options.arrivalText
        ? SpeakerApi::readQueryAnswer(transfer, body, &reached.device)
        : SpeakerApi::readQueryAnswerQuietly(transfer, body, &reached.device);
    finish(reachProblem(problem));
}

void SpeakerReach::finish(ReachProblem problem)
{
    if (done)
        return;
    done = true;
    reached.problem = problem;
    if (starting) {
        QTimer::singleShot(0, this, [this] { emit finished(reached); });
        return;
    }
    emit finished(reached);
}
