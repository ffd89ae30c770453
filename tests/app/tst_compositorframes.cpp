#include "compositorframes.h"

#include <QByteArray>
#include <QTest>

#include <sys/socket.h>
#include <unistd.h>

// The question to the Wayland compositor before the application exists: one that never answers
// must not hold the start. The answers of real compositors are the Wayland walk's.
class tst_CompositorFrames : public QObject
{
    Q_OBJECT

private slots:
    void silentCompositor();
};

void tst_CompositorFrames::silentCompositor()
{
    // libwayland takes the client's end as the connection that a parent hands over, and closes
    // it; the compositor's end stays open and silent.
    int ends[2] = { -1, -1 };
    QCOMPARE(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends), 0);
    qputenv("WAYLAND_SOCKET", QByteArray::number(ends[1]));
    const CompositorFrames frames = askCompositorForFrames(std::chrono::milliseconds(50));
    close(ends[0]);
    QCOMPARE(frames, CompositorFrames::Unknown);
}

QTEST_GUILESS_MAIN(tst_CompositorFrames)
#include "tst_compositorframes.moc"
