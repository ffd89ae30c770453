// The WLAN page's handling of a scan answer with N access points, against a
// plain JSON parse of the same body, alternating the two in one process:
//
//   wlanwatch N REPEAT
//   wlanwatch --largest
//   wlanwatch --edge
//
// prints one line per sample, "page MS" or "parse MS"; --largest prints the most
// access points that the page reads from one answer. A larger answer is refused
// unread: its page sample is the refusal, its box included. --edge takes one page
// sample of the largest answer and one of an answer larger by one, and fails
// unless the page lists the one and refuses the other. A page sample is the
// page's replyFinished() slot with a finished reply that holds the body, plus
// the event processing that follows it (the list's layout and paint, on the
// offscreen platform), on a shown page whose own scan request has failed
// already (its box closed). A parse sample is QJsonDocument::fromJson and a walk over the
// access points that reads the two texts the page shows. The page writes its
// log lines as it does in the program; send them to /dev/null.

#include "client_wlans.h"
#include "speakerapi.h"

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// A finished reply that holds a body, as the network manager hands it over.
class CannedReply : public QNetworkReply
{
public:
    CannedReply(const QByteArray &body, QObject *parent) : QNetworkReply(parent), m_body(body)
    {
        setOperation(QNetworkAccessManager::PostOperation);
        setUrl(QUrl(QStringLiteral("http://127.0.0.1:8080/api/v14/configure.action")));
        setAttribute(QNetworkRequest::HttpStatusCodeAttribute, 200);
        setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/json"));
        setHeader(QNetworkRequest::ContentLengthHeader, m_body.size());
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        setFinished(true);
    }

    void abort() override { }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override
    {
        return m_body.size() - m_offset + QNetworkReply::bytesAvailable();
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 size = qMin<qint64>(maxSize, m_body.size() - m_offset);
        if (size <= 0)
            return m_offset >= m_body.size() ? -1 : 0;
        std::memcpy(data, m_body.constData() + m_offset, size_t(size));
        m_offset += size;
        return size;
    }

private:
    QByteArray m_body;
    qint64 m_offset = 0;
};

QByteArray scanAnswer(int count)
{
    static const char *const encryptions[] = { "WPA2", "WPA/WPA2", "NONE", "WPA" };
    QByteArray body("{\"aplist\": [");
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            body += ", ";
        body += "{\"ssid\": \"WLAN-" + QByteArray::number(i).rightJustified(5, '0') +
            "\", \"encrypt_type\": \"" + encryptions[i % 4] + "\", \"signal_level\": \"-" +
            QByteArray::number(30 + i % 60) + "\"}";
    }
    body += "]}";
    return body;
}

// An answer is read when it has no more objects and arrays than the speaker interface
// allows; the answer's own object and its list are two of them.
const int LargestAnswer = SpeakerApi::MaxAnswerParts - 2;

void settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

double pageSample(const QByteArray &body, int count)
{
    Client_WLANs page(nullptr);
    page.show();
    // The page's own scan request has nowhere to go; let it fail first.
    settle(30);
    QTreeWidget *list = page.findChild<QTreeWidget *>();
    CannedReply *reply = new CannedReply(body, &page);

    QElapsedTimer timer;
    timer.start();
    QMetaObject::invokeMethod(&page, "replyFinished", Qt::DirectConnection,
                              Q_ARG(QNetworkReply *, reply));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const double ms = timer.nsecsElapsed() / 1e6;

    const int listed = count > LargestAnswer ? 0 : count;
    if (!list || list->topLevelItemCount() != listed) {
        std::fprintf(stderr, "wlanwatch: the page lists %d of %d access points\n",
                     list ? list->topLevelItemCount() : -1, listed);
        std::exit(1);
    }
    return ms;
}

double parseSample(const QByteArray &body, int count)
{
    QElapsedTimer timer;
    timer.start();
    const QJsonArray accessPoints =
        QJsonDocument::fromJson(body).object().value(QStringLiteral("aplist")).toArray();
    qsizetype texts = 0;
    for (const QJsonValue &value : accessPoints) {
        const QJsonObject accessPoint = value.toObject();
        texts += accessPoint.value(QStringLiteral("ssid")).toString().size() +
            accessPoint.value(QStringLiteral("signal_level")).toString().size();
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    if (accessPoints.size() != count || texts == 0) {
        std::fprintf(stderr, "wlanwatch: parsed %d of %d access points\n", int(accessPoints.size()),
                     count);
        std::exit(1);
    }
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && !std::strcmp(argv[1], "--largest")) {
        std::printf("%d\n", LargestAnswer);
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100;
    const int repeat = argc > 2 ? std::atoi(argv[2]) : 5;
    const QByteArray body = scanAnswer(count);

    // The page's own scan request fails and the page says so in a modal box:
    // close such boxes as they come, outside the measured part.
    QTimer boxCloser;
    QObject::connect(&boxCloser, &QTimer::timeout, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    boxCloser.start(5);

    if (argc > 1 && !std::strcmp(argv[1], "--edge")) {
        for (int edge : { LargestAnswer, LargestAnswer + 1 })
            std::printf("page %.3f\n", pageSample(scanAnswer(edge), edge));
        return 0;
    }

    // One of each first, unmeasured: the first page pays for loading fonts.
    pageSample(body, count);
    parseSample(body, count);
    for (int i = 0; i < repeat; ++i) {
        // Alternate which side goes first, so neither always runs on a warm cache.
        if (i % 2 == 0) {
            std::printf("page %.3f\n", pageSample(body, count));
            std::printf("parse %.3f\n", parseSample(body, count));
        } else {
            std::printf("parse %.3f\n", parseSample(body, count));
            std::printf("page %.3f\n", pageSample(body, count));
        }
        std::fflush(stdout);
    }
    return 0;
}
