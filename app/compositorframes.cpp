#include "compositorframes.h"

#ifdef VANTIR_WAYLAND_CLIENT
#include <wayland-client.h>

#include <cerrno>
#include <cstring>
#include <poll.h>

namespace {

struct Answer
{
    bool framesOffered = false;
    bool done = false;
};

void takeGlobal(void *data, wl_registry *, uint32_t, const char *interface, uint32_t)
{
    if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
        static_cast<Answer *>(data)->framesOffered = true;
}

void takeGlobalRemoved(void *, wl_registry *, uint32_t) { }

void takeSyncDone(void *data, wl_callback *, uint32_t)
{
    static_cast<Answer *>(data)->done = true;
}

const wl_registry_listener registryListener = { takeGlobal, takeGlobalRemoved };
const wl_callback_listener syncListener = { takeSyncDone };

// wl_display_roundtrip() without its unbounded wait: the events are read only while the
// display's socket has some within the deadline.
bool readUntilDone(wl_display *display, const Answer &answer,
                   std::chrono::steady_clock::time_point deadline)
{
    while (!answer.done) {
        if (wl_display_prepare_read(display) != 0) {
            if (wl_display_dispatch_pending(display) < 0)
                return false;
            continue;
        }
        wl_display_flush(display);
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd socket = { wl_display_get_fd(display), POLLIN, 0 };
        const int ready = left.count() > 0 ? poll(&socket, 1, int(left.count())) : 0;
        if (ready <= 0) {
            wl_display_cancel_read(display);
            if (ready < 0 && errno == EINTR)
                continue;
            return false;
        }
        if (wl_display_read_events(display) < 0 || wl_display_dispatch_pending(display) < 0)
            return false;
    }
    return true;
}

} // namespace

CompositorFrames askCompositorForFrames(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return CompositorFrames::Unknown;
    Answer answer;
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, &answer);
    // The compositor sends every global before it answers a sync made after asking for them.
    wl_callback *sync = wl_display_sync(display);
    wl_callback_add_listener(sync, &syncListener, &answer);
    const bool answered = readUntilDone(display, answer, deadline);
    wl_callback_destroy(sync);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    if (!answered)
        return CompositorFrames::Unknown;
    return answer.framesOffered ? CompositorFrames::Drawn : CompositorFrames::NotDrawn;
}

#else

CompositorFrames askCompositorForFrames(std::chrono::milliseconds)
{
    return CompositorFrames::Unknown;
}

#endif
