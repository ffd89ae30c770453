// A sequence of browse replies, as the DNS-SD daemon may send them, through the fake DNS-SD library
// into the browser: adds and removals with and without "more coming", error replies, and names
// that are null, empty, invalid UTF-8 or very long. Our own account counts the announcements of
// each record; a record is listed while its count is above zero, in the order of its first
// announcement. After every complete batch the browser's list must equal that account.

#include "bonjourservicebrowser.h"
#include "fakednssd.h"
#include "fuzzsupport.h"

#include <QDeadlineTimer>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

const int MaxReplies = 48;
const int DeliveryTimeoutMs = 10000; // generous: the machine may be busy

// A few names that come up again and again, so that adds and removals meet the same records
// (the last one is not UTF-8).
const char *const names[] = { "VANTIR Ovix Kitchen", "VANTIR Ovix Living Room", "K\u00fcche",
                              "Kueche \xfc" };
const char *const types[] = { "_dockset._tcp.", "_dockset._tcp" };
const char *const domains[] = { "local.", "local" };

// A reply string that may be a null pointer.
struct Text
{
    bool isNull = true;
    std::string value;

    const char *get() const { return isNull ? nullptr : value.c_str(); }
};

template<size_t N> Text takeText(FuzzedDataProvider &data, const char *const (&pool)[N])
{
    Text text;
    text.isNull = false;
    switch (data.ConsumeIntegralInRange<int>(0, 9)) {
    case 0:
        text.isNull = true;
        break;
    case 1:
        break; // empty
    case 2:
        text.value = data.ConsumeRandomLengthString(80);
        break;
    case 3:
        text.value.assign(data.ConsumeIntegralInRange<size_t>(64, 70000), 'v');
        break;
    default:
        text.value = pool[data.ConsumeIntegralInRange<size_t>(0, N - 1)];
    }
    return text;
}

// The browser's list as it should be: records in order of first announcement, with the number
// of their announcements still standing.
class Account
{
public:
    void add(const BonjourRecord &record)
    {
        const int i = indexOf(record);
        if (i < 0)
            entries.append({ record, 1 });
        else
            ++entries[i].count;
    }

    void remove(const BonjourRecord &record)
    {
        const int i = indexOf(record);
        if (i >= 0 && --entries[i].count == 0)
            entries.removeAt(i);
    }

    QList<BonjourRecord> records() const
    {
        QList<BonjourRecord> list;
        for (const Entry &entry : entries)
            list.append(entry.record);
        return list;
    }

private:
    struct Entry
    {
        BonjourRecord record;
        int count;
    };

    int indexOf(const BonjourRecord &record) const
    {
        for (int i = 0; i < entries.size(); ++i) {
            if (entries.at(i).record == record)
                return i;
        }
        return -1;
    }

    QList<Entry> entries;
};

void printList(const char *title, const QList<BonjourRecord> &list)
{
    std::fprintf(stderr, "%s (%d):\n", title, static_cast<int>(list.size()));
    for (const BonjourRecord &record : list) {
        std::fprintf(stderr, "  \"%s\" \"%s\" \"%s\"\n", qPrintable(record.instanceName.left(60)),
                     qPrintable(record.serviceType.left(60)), qPrintable(record.domain.left(60)));
    }
}

// Runs the event loop until the fake has handed out the reply just queued.
bool deliver(int processedBefore)
{
    const QDeadlineTimer deadline(DeliveryTimeoutMs);
    while (FakeDnssd::processCalls() == processedBefore) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents();
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceMessages();
    FuzzSupport::createApplication();
    FuzzSupport::requireFakeDnssd(FakeDnssd::available());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    FakeDnssd::reset();

    BonjourServiceBrowser browser;
    QList<QList<BonjourRecord>> lists;
    int errors = 0;
    QObject::connect(&browser, &BonjourServiceBrowser::currentBonjourRecordsChanged,
                     [&lists](const QList<BonjourRecord> &list) { lists.append(list); });
    QObject::connect(&browser, &BonjourServiceBrowser::error,
                     [&errors](DNSServiceErrorType) { ++errors; });
    browser.browseForServiceType(QStringLiteral("_dockset._tcp"));
    FUZZ_CHECK(FakeDnssd::browseCalls() >= 1);

    Account account;
    for (int i = 0; i < MaxReplies && input.remaining_bytes() > 0; ++i) {
        const uint8_t kind = input.ConsumeIntegral<uint8_t>();
        DNSServiceFlags flags = 0;
        if (kind & 1)
            flags |= kDNSServiceFlagsAdd;
        if (kind & 2)
            flags |= kDNSServiceFlagsMoreComing;
        if (kind & 4) // flags that say nothing to the browser
            flags |= kDNSServiceFlagsDefault;
        if (kind & 8)
            flags |= kDNSServiceFlagsShared;
        const bool failed = (kind & 0xF0) == 0xF0;
        const DNSServiceErrorType err = failed
            ? kDNSServiceErr_Unknown - input.ConsumeIntegralInRange<int>(0, 30)
            : kDNSServiceErr_NoError;
        const Text name = takeText(input, names);
        const Text type = takeText(input, types);
        const Text domain = takeText(input, domains);

        const int processed = FakeDnssd::processCalls();
        const int listsBefore = lists.size();
        const int errorsBefore = errors;
        if (!FakeDnssd::browseReply(flags, err, name.get(), type.get(), domain.get()))
            break; // the browse has ended
        FUZZ_CHECK(deliver(processed));

        if (failed) {
            // Reported; what follows belongs to a browse that may have been given up.
            FUZZ_CHECK(errors > errorsBefore);
            break;
        }
        const BonjourRecord record(name.get(), type.get(), domain.get());
        if (flags & kDNSServiceFlagsAdd)
            account.add(record);
        else
            account.remove(record);

        if (flags & kDNSServiceFlagsMoreComing) {
            FUZZ_CHECK(lists.size() == listsBefore);
        } else {
            FUZZ_CHECK(lists.size() == listsBefore + 1);
            if (lists.last() != account.records()) {
                printList("listed", lists.last());
                printList("announced", account.records());
                FUZZ_CHECK(lists.last() == account.records());
            }
        }
    }
    return 0;
}
