#include "capturingserver.h"
#include "networkstart.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSignalSpy>
#include <QTest>

namespace {

// The plugins in this process's memory map whose path contains the folder.
QStringList mappedPlugins(const QString &folder)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return { QStringLiteral("(no memory map)") };
    QStringList found;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const QString path = QString::fromLocal8Bit(line.mid(line.indexOf('/')));
        if (line.contains('/') && path.contains(folder) && !found.contains(path))
            found.append(path);
    }
    return found;
}

} // namespace

// A request goes out without any bearer plugin, while the other plugins load as before.
class tst_NetworkStart : public QObject
{
    Q_OBJECT

private slots:
    void onlyBearersStayOut();
};

void tst_NetworkStart::onlyBearersStayOut()
{
    const QStringList paths = QCoreApplication::libraryPaths();
    QVERIFY(!mappedPlugins(QStringLiteral("/platforms/")).isEmpty());
    avoidBearerManagement();
    QCOMPARE(QCoreApplication::libraryPaths(), paths);

    CapturingServer server;
    QVERIFY(server.listen());
    server.enqueue(ScriptedResponse::json("{}"));
    QSignalSpy received(&server, &CapturingServer::requestReceived);
    QNetworkAccessManager manager;
    QNetworkRequest request { QUrl(server.url()) };
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    std::unique_ptr<QNetworkReply> reply(manager.post(request, QByteArray("{}")));
    QTRY_COMPARE(received.count(), 1);
    QTRY_VERIFY(reply->isFinished());
    QCOMPARE(mappedPlugins(QStringLiteral("/bearer/")), QStringList());

    // Loaded only now, from the folders as they were.
    QVERIFY(QImageReader::supportedImageFormats().contains("jpeg"));
    QVERIFY(!mappedPlugins(QStringLiteral("/imageformats/")).isEmpty());
}

QTEST_MAIN(tst_NetworkStart)
#include "tst_networkstart.moc"
