// Starts a program on the X display in $DISPLAY and reports when its first
// top-level window was mapped and when the program first painted into it, in
// milliseconds from the fork, and the program's peak resident memory:
//
//   startwatch [--settle MS] [--timeout S] -- PROGRAM [ARGS...]
//
// prints one line "map_ms=... paint_ms=... cpu_ms=... maxrss_kib=..." and
// exits with 0; cpu_ms is the CPU time that all the program's threads had used
// when it painted, which a busy machine bends far less than the wall time.
// The program is stopped with TERM (KILL after a bounded wait) once it has
// painted and run on for the settle time, so that its peak memory includes
// what it does right after the first paint.
//
// "Painted" means that a pixel of the window's margin is no longer the black
// of the root window (the benchmark starts Xvfb with -br): the toolkit leaves
// a new window's background to the server untouched until its first flush,
// and that flush carries the whole window at once. The watcher polls that one
// pixel only between the map and the first paint, so it costs the X server
// next to nothing while the program starts.

#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

[[noreturn]] void fail(const char *message)
{
    std::fprintf(stderr, "startwatch: %s\n", message);
    std::exit(2);
}

// The first top-level window that the program maps, or 0 on timeout.
xcb_window_t waitForMap(xcb_connection_t *connection, xcb_window_t root, Clock::time_point deadline)
{
    const int fd = xcb_get_file_descriptor(connection);
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            xcb_window_t window = 0;
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (map->event == root && !map->override_redirect)
                    window = map->window;
            }
            std::free(event);
            if (window)
                return window;
        }
        if (xcb_connection_has_error(connection))
            fail("lost the X connection");
        pollfd watched = { fd, POLLIN, 0 };
        poll(&watched, 1, 20);
    }
    return 0;
}

// One pixel of the window as the server holds it; 0 (black) until painted.
bool windowPainted(xcb_connection_t *connection, xcb_window_t window)
{
    xcb_get_image_cookie_t cookie =
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 2, 2, 1, 1, ~0u);
    xcb_generic_error_t *error = nullptr;
    xcb_get_image_reply_t *reply = xcb_get_image_reply(connection, cookie, &error);
    std::free(error);
    if (!reply)
        return false;
    bool painted = false;
    const uint8_t *data = xcb_get_image_data(reply);
    const int length = xcb_get_image_data_length(reply);
    for (int i = 0; i < length && i < 3; ++i)
        painted = painted || data[i] != 0;
    std::free(reply);
    return painted;
}

// CPU time of all threads of a process so far, from the scheduler's own
// nanosecond account; -1 when it cannot be read.
double cpuMilliseconds(pid_t pid)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/task", int(pid));
    DIR *tasks = opendir(path);
    if (!tasks)
        return -1;
    unsigned long long total = 0;
    while (const dirent *task = readdir(tasks)) {
        if (task->d_name[0] == '.')
            continue;
        char file[400];
        std::snprintf(file, sizeof file, "%s/%s/schedstat", path, task->d_name);
        if (FILE *stat = std::fopen(file, "r")) {
            unsigned long long onCpu = 0;
            if (std::fscanf(stat, "%llu", &onCpu) == 1)
                total += onCpu;
            std::fclose(stat);
        }
    }
    closedir(tasks);
    return total / 1e6;
}

bool reap(pid_t pid, int *status, rusage *usage, Clock::time_point deadline)
{
    while (Clock::now() < deadline) {
        const pid_t done = wait4(pid, status, WNOHANG, usage);
        if (done == pid)
            return true;
        if (done < 0 && errno != EINTR)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    int settleMs = 500;
    int timeoutS = 30;
    int first = 1;
    for (; first < argc; ++first) {
        if (!std::strcmp(argv[first], "--settle") && first + 1 < argc)
            settleMs = std::atoi(argv[++first]);
        else if (!std::strcmp(argv[first], "--timeout") && first + 1 < argc)
            timeoutS = std::atoi(argv[++first]);
        else if (!std::strcmp(argv[first], "--")) {
            ++first;
            break;
        } else
            break;
    }
    if (first >= argc)
        fail("usage: startwatch [--settle MS] [--timeout S] -- PROGRAM [ARGS...]");

    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        fail("cannot open the display in $DISPLAY");
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t selected =
        xcb_change_window_attributes_checked(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    if (xcb_generic_error_t *error = xcb_request_check(connection, selected)) {
        std::free(error);
        fail("cannot watch the root window");
    }

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        fail("fork failed");
    if (pid == 0) {
        close(xcb_get_file_descriptor(connection));
        execvp(argv[first], argv + first);
        std::perror("startwatch: exec");
        _exit(127);
    }

    const Clock::time_point deadline = start + std::chrono::seconds(timeoutS);
    double mapMs = -1;
    double paintMs = -1;
    double cpuMs = -1;
    const xcb_window_t window = waitForMap(connection, screen->root, deadline);
    if (window) {
        mapMs = millisecondsSince(start);
        while (Clock::now() < deadline) {
            if (windowPainted(connection, window)) {
                paintMs = millisecondsSince(start);
                cpuMs = cpuMilliseconds(pid);
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
    }
    if (paintMs >= 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));

    int status = 0;
    rusage usage {};
    kill(pid, SIGTERM);
    if (!reap(pid, &status, &usage, Clock::now() + std::chrono::seconds(5))) {
        kill(pid, SIGKILL);
        reap(pid, &status, &usage, Clock::now() + std::chrono::seconds(5));
    }
    xcb_disconnect(connection);

    if (paintMs < 0) {
        std::fprintf(stderr, "startwatch: %s did not %s within %d s\n", argv[first],
                     window ? "paint its window" : "map a window", timeoutS);
        return 1;
    }
    std::printf("map_ms=%.2f paint_ms=%.2f cpu_ms=%.2f maxrss_kib=%ld\n", mapMs, paintMs, cpuMs,
                usage.ru_maxrss);
    return 0;
}
