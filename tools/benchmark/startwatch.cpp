// Starts a program on the X display in $DISPLAY and reports when its first
// top-level window was mapped and when the program first painted into it, in
// milliseconds from the fork, and the program's peak resident memory:
//
//   startwatch [--settle MS] [--timeout S] [--wayland-log FILE] -- PROGRAM [ARGS...]
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
//
// With --wayland-log the program runs on the Wayland compositor in
// $WAYLAND_DISPLAY, which writes every request of its clients to FILE (weston
// --logger-scopes=proto --log=FILE), or of its one client (a compositor's
// standard error with WAYLAND_DEBUG=server, as for sway). "Mapped" is then the
// first commit of the program's first top-level window, and "painted" the first
// commit of a drawn buffer to it: a Wayland client paints into its own buffer
// and hands it over whole. The watcher reads the log as it grows, every half
// millisecond.

#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <string>
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

// The program's first top-level window in the compositor's protocol log, from where the log
// ended before the program started.
class WaylandLogWatch
{
public:
    explicit WaylandLogWatch(const char *file) : fd(open(file, O_RDONLY | O_CLOEXEC))
    {
        if (fd < 0)
            fail("cannot read the compositor's log");
        lseek(fd, 0, SEEK_END);
    }
    ~WaylandLogWatch() { close(fd); }

    bool mapped() const { return mappedSeen; }
    bool painted() const { return paintedSeen; }

    // Reads what the compositor has written since.
    void read()
    {
        char buffer[65536];
        ssize_t size;
        while ((size = ::read(fd, buffer, sizeof buffer)) > 0) {
            pending.append(buffer, size_t(size));
            std::string::size_type end;
            while ((end = pending.find('\n')) != std::string::npos) {
                take(pending.substr(0, end));
                pending.erase(0, end + 1);
            }
        }
    }

private:
    // weston's "[time][proto] client 0x55d0 rq wl_surface@7.commit()": the client and the
    // request; libwayland's "[  1234.567] wl_surface@7.commit()" of a request of the one
    // client, and "[  1234.567]  -> ..." of an event.
    void take(const std::string &line)
    {
        std::string client;
        std::string call;
        const std::string::size_type at = line.find("[proto] client ");
        if (at != std::string::npos) {
            const std::string rest = line.substr(at + 15);
            client = rest.substr(0, rest.find(' '));
            const std::string request = rest.substr(rest.find(' ') + 1);
            if (request.compare(0, 3, "rq ") != 0)
                return;
            call = request.substr(3);
        } else {
            const std::string::size_type stamp = line.find("] ");
            if (line.compare(0, 1, "[") != 0 || stamp == std::string::npos ||
                line.compare(stamp + 2, 3, " ->") == 0)
                return;
            client = "-";
            call = line.substr(stamp + 2);
        }
        if (programClient.empty()) {
            // The first top-level window of any client: the program's (the shell draws its
            // own surfaces through a protocol of its own).
            const std::string::size_type getToplevel = call.find(".get_toplevel(");
            if (getToplevel != std::string::npos) {
                programClient = client;
                xdgSurface = call.substr(0, getToplevel);
            } else if (call.find(".get_xdg_surface(") != std::string::npos) {
                // xdg_wm_base@N.get_xdg_surface(new id xdg_surface@M, wl_surface@S)
                const std::string::size_type id = call.find("xdg_surface@");
                const std::string::size_type surface = call.find(", ");
                if (id != std::string::npos && surface != std::string::npos)
                    surfaces[client + call.substr(id, call.find(',', id) - id)] =
                        call.substr(surface + 2, call.find(')', surface) - surface - 2);
            }
            if (!programClient.empty())
                wlSurface = surfaces[client + xdgSurface];
            return;
        }
        if (client != programClient || wlSurface.empty())
            return;
        if (call == wlSurface + ".commit()") {
            mappedSeen = true;
            paintedSeen = paintedSeen || attached;
        } else if (call.rfind(wlSurface + ".attach(wl_buffer@", 0) == 0) {
            attached = true;
        }
    }

    int fd;
    std::string pending;
    std::string programClient;
    std::string xdgSurface;
    std::string wlSurface;
    // The wl_surface of each xdg_surface, by client and xdg_surface.
    std::map<std::string, std::string> surfaces;
    bool attached = false;
    bool mappedSeen = false;
    bool paintedSeen = false;
};

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

// Forks and execs the program; the child closes NOT_INHERITED first.
pid_t startProgram(char *argv[], int notInherited)
{
    const pid_t pid = fork();
    if (pid < 0)
        fail("fork failed");
    if (pid == 0) {
        if (notInherited >= 0)
            close(notInherited);
        execvp(argv[0], argv);
        std::perror("startwatch: exec");
        _exit(127);
    }
    return pid;
}

struct Times
{
    double mapMs = -1;
    double paintMs = -1;
    double cpuMs = -1;
};

Times watchX11(char *argv[], Clock::time_point *start, pid_t *pid, int timeoutS)
{
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

    *start = Clock::now();
    *pid = startProgram(argv, xcb_get_file_descriptor(connection));
    const Clock::time_point deadline = *start + std::chrono::seconds(timeoutS);
    Times times;
    const xcb_window_t window = waitForMap(connection, screen->root, deadline);
    if (window) {
        times.mapMs = millisecondsSince(*start);
        while (Clock::now() < deadline) {
            if (windowPainted(connection, window)) {
                times.paintMs = millisecondsSince(*start);
                times.cpuMs = cpuMilliseconds(*pid);
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
    }
    xcb_disconnect(connection);
    return times;
}

Times watchWayland(const char *log, char *argv[], Clock::time_point *start, pid_t *pid,
                   int timeoutS)
{
    WaylandLogWatch watch(log);
    *start = Clock::now();
    *pid = startProgram(argv, -1);
    const Clock::time_point deadline = *start + std::chrono::seconds(timeoutS);
    Times times;
    while (Clock::now() < deadline && !watch.painted()) {
        watch.read();
        if (watch.mapped() && times.mapMs < 0)
            times.mapMs = millisecondsSince(*start);
        if (watch.painted()) {
            times.paintMs = millisecondsSince(*start);
            times.cpuMs = cpuMilliseconds(*pid);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return times;
}

} // namespace

int main(int argc, char *argv[])
{
    int settleMs = 500;
    int timeoutS = 30;
    const char *waylandLog = nullptr;
    int first = 1;
    for (; first < argc; ++first) {
        if (!std::strcmp(argv[first], "--settle") && first + 1 < argc)
            settleMs = std::atoi(argv[++first]);
        else if (!std::strcmp(argv[first], "--timeout") && first + 1 < argc)
            timeoutS = std::atoi(argv[++first]);
        else if (!std::strcmp(argv[first], "--wayland-log") && first + 1 < argc)
            waylandLog = argv[++first];
        else if (!std::strcmp(argv[first], "--")) {
            ++first;
            break;
        } else
            break;
    }
    if (first >= argc)
        fail("usage: startwatch [--settle MS] [--timeout S] [--wayland-log FILE] -- PROGRAM "
             "[ARGS...]");

    Clock::time_point start;
    pid_t pid = -1;
    const Times times = waylandLog ? watchWayland(waylandLog, argv + first, &start, &pid, timeoutS)
                                   : watchX11(argv + first, &start, &pid, timeoutS);
    if (times.paintMs >= 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));

    int status = 0;
    rusage usage {};
    kill(pid, SIGTERM);
    if (!reap(pid, &status, &usage, Clock::now() + std::chrono::seconds(5))) {
        kill(pid, SIGKILL);
        reap(pid, &status, &usage, Clock::now() + std::chrono::seconds(5));
    }

    if (times.paintMs < 0) {
        std::fprintf(stderr, "startwatch: %s did not %s within %d s\n", argv[first],
                     times.mapMs >= 0 ? "paint its window" : "map a window", timeoutS);
        return 1;
    }
    std::printf("map_ms=%.2f paint_ms=%.2f cpu_ms=%.2f maxrss_kib=%ld\n", times.mapMs,
                times.paintMs, times.cpuMs, usage.ru_maxrss);
    return 0;
}
