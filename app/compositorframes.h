#ifndef COMPOSITORFRAMES_H
#define COMPOSITORFRAMES_H

#include <chrono>

// What a Wayland compositor does about its clients' window frames.
enum class CompositorFrames {
    Drawn,    // it offers to frame windows itself (zxdg_decoration_manager_v1)
    NotDrawn, // it answered without that offer: each client draws its own frame
    Unknown,  // no compositor, or none that answered in time
};

// A compositor answers its clients' first round trip at once; one that has not within this
// stalls every client, and the program starts as it did before it asked.
constexpr std::chrono::milliseconds CompositorAnswerTimeout { 500 };

// Asks the compositor that WAYLAND_DISPLAY names (wayland-0 without it) for its globals: one
// round trip on a connection of its own, closed again before returning. Waits at most the
// time-out; call it before the application object exists.
CompositorFrames
askCompositorForFrames(std::chrono::milliseconds timeout = CompositorAnswerTimeout);

#endif // COMPOSITORFRAMES_H
