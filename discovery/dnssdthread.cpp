#include "dnssdthread.h"

#include <QMetaObject>
#include <QObject>

#include <atomic>
#include <thread>
#include <utility>

namespace DnssdThread {

namespace {

    std::atomic<int> running { 0 };

    // A reference on its way to its receiver. Posted events die with their receiver: then, or after
    // a cancel, the reference goes back from here.
    class Delivery
    {
    public:
        explicit Delivery(DNSServiceRef ref) : ref(ref) { }
        ~Delivery()
        {
            if (ref)
                DNSServiceRefDeallocate(ref);
        }
        Delivery(const Delivery &) = delete;
        Delivery &operator=(const Delivery &) = delete;

        DNSServiceRef take() { return std::exchange(ref, nullptr); }

    private:
        DNSServiceRef ref;
    };

} // namespace

void Creation::cancel()
{
    std::lock_guard<std::mutex> lock(mutex);
    wanted = false;
}

bool Creation::cancelled() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return !wanted;
}

void Creation::handOver(const std::function<void()> &hand)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (wanted)
        hand();
}

namespace {

    // The creating thread's part: the call, then the reference on its way.
    void createAndPost(const std::shared_ptr<Creation> &creation, QObject *receiver,
                       const CreateCall &call, const CreateDone &done)
    {
        DNSServiceRef ref = nullptr;
        const DNSServiceErrorType err = call(&ref);
        auto delivery = std::make_shared<Delivery>(err == kDNSServiceErr_NoError ? ref : nullptr);
        // The receiver cancels before it is destroyed, so it is alive while the event is posted.
        creation->handOver([&] {
            QMetaObject::invokeMethod(
                receiver,
                [creation, delivery, err, done] {
                    if (!creation->cancelled())
                        done(err, delivery->take());
                },
                Qt::QueuedConnection);
        });
    }

} // namespace

std::shared_ptr<Creation> create(QObject *receiver, CreateCall call, CreateDone done)
{
    auto creation = std::make_shared<Creation>();
    ++running;
    std::thread([creation, receiver, call = std::move(call), done = std::move(done)] {
        createAndPost(creation, receiver, call, done);
        --running;
    }).detach();
    return creation;
}

int callsRunning()
{
    return running;
}

} // namespace DnssdThread
