// speaker-sim: plays a VANTIR Ovix speaker on this machine for demos and tests.

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

#include <httplib.h>

#include "advertiser.h"
#include "speaker.h"

namespace {

const char usageText[] = R"(Usage: speaker-sim [OPTIONS]

Plays a VANTIR Ovix speaker: answers the configuration interface
(POST /api/v14/configure.action, actions query, wifiscan and setconfig) and
advertises itself by DNS-SD as _dockset._tcp. After an accepted setconfig it
answers, withdraws its advertisement, "reboots" (stops listening) and comes
back under the new name.

Options:
  --name NAME            device name and advertised instance name
                         (default: the description's devicename, "Ovix-3C7A")
  --address ADDRESS      address to listen on (default 127.0.0.1)
  --port PORT            TCP port, 0 picks a free one (default 0)
  --host HOSTNAME        target host to advertise, a name in .local; the
                         caller publishes its address, e.g. with
                         avahi-publish -a HOSTNAME 127.0.0.2 (default: the
                         host name that avahi-daemon announces)
  --device FILE          JSON description that replaces the built-in one,
                         member by member: {"deviceinfo": {...},
                         "networkinfo": {...}, "aplist": [...]}
  --record FILE          write every request received as one JSON line:
                         method, target, path, version, headers (in the
                         order the HTTP library gives them: sorted by name,
                         not in wire order), body as text and as
                         body_base64 (the exact bytes), reply status
  --reboot-seconds SECS  how long a reboot takes (default 3, may be fractional)
  --answer-seconds SECS  how long wifiscan and setconfig take to answer, as on
                         a real speaker, whose scan takes seconds (default 0)
  --refuse-setconfig[=REASON]
                         refuse every well-formed setconfig: status 200 with
                         {"returncode": "1", "error": REASON}, and no reboot
                         (REASON: "settings refused" unless given)
  --refuse-first-setconfig=REASON
                         refuse the first well-formed setconfig after each start
                         so, and take the next one, as a speaker that is busy
                         for a moment after it has booted
  --never-back           after an accepted setconfig, withdraw and never come
                         back, as a speaker that cannot join the WLAN
  --keep-name            come back after an accepted setconfig under the old
                         name, as a speaker that did not take the settings
  --no-advertise         serve HTTP only, without DNS-SD
  --help                 show this text

Each time it starts listening it prints "listening on ADDRESS:PORT" to
standard output. Diagnostics go to standard error. SIGTERM or SIGINT
withdraws the advertisement and ends it.

Replies: query gives "deviceinfo" and "networkinfo", wifiscan gives "aplist",
setconfig gives {"returncode": "0"} when accepted. Bad requests get a 4xx
status and {"returncode": "<status>", "error": "<why>"}; bodies over 1 MiB
get 413. Every reply closes its connection.
)";

struct Options
{
    std::string name;
    std::string address = "127.0.0.1";
    uint16_t port = 0;
    std::string host;
    std::string deviceFile;
    std::string recordFile;
    double rebootSeconds = 3;
    double answerSeconds = 0;
    bool advertise = true;
    std::string refusal;     // empty: setconfig is accepted
    bool refuseOnce = false; // only the first setconfig is refused
    bool neverBack = false;
    bool keepName = false;
};

int signalPipe[2] = { -1, -1 };

void onSignal(int)
{
    const char byte = 1;
    const ssize_t written = ::write(signalPipe[1], &byte, 1);
    (void)written;
}

[[noreturn]] void failUsage(const std::string &why)
{
    std::fprintf(stderr, "speaker-sim: %s\nTry 'speaker-sim --help'.\n", why.c_str());
    std::exit(2);
}

double parseSeconds(const std::string &text, const char *complaint)
{
    char *end = nullptr;
    const double seconds = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(seconds >= 0) || seconds > 3600)
        failUsage(complaint + text);
    return seconds;
}

Options parseOptions(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        std::string value;
        bool haveValue = false;
        const size_t equals = option.find('=');
        if (option.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = option.substr(equals + 1);
            option = option.substr(0, equals);
            haveValue = true;
        }
        const auto takeValue = [&]() {
            if (haveValue)
                return value;
            if (i + 1 >= argc)
                failUsage(option + " needs a value");
            return std::string(argv[++i]);
        };

        if (option == "--help" || option == "-h") {
            std::fputs(usageText, stdout);
            std::exit(0);
        } else if (option == "--no-advertise") {
            options.advertise = false;
        } else if (option == "--refuse-setconfig") {
            options.refusal = haveValue ? value : "settings refused";
            if (options.refusal.empty())
                failUsage("--refuse-setconfig= needs a reason");
        } else if (option == "--refuse-first-setconfig") {
            options.refusal = takeValue();
            options.refuseOnce = true;
            if (options.refusal.empty())
                failUsage("--refuse-first-setconfig needs a reason");
        } else if (option == "--never-back") {
            options.neverBack = true;
        } else if (option == "--keep-name") {
            options.keepName = true;
        } else if (option == "--name") {
            options.name = takeValue();
            if (options.name.empty() || options.name.size() > 63)
                failUsage("--name needs 1 to 63 bytes");
        } else if (option == "--address") {
            options.address = takeValue();
        } else if (option == "--port") {
            const std::string text = takeValue();
            char *end = nullptr;
            const long port = std::strtol(text.c_str(), &end, 10);
            if (text.empty() || *end != '\0' || port < 0 || port > 65535)
                failUsage("bad port: " + text);
            options.port = static_cast<uint16_t>(port);
        } else if (option == "--host") {
            options.host = takeValue();
        } else if (option == "--device") {
            options.deviceFile = takeValue();
        } else if (option == "--record") {
            options.recordFile = takeValue();
        } else if (option == "--reboot-seconds") {
            options.rebootSeconds = parseSeconds(takeValue(), "bad reboot time: ");
        } else if (option == "--answer-seconds") {
            options.answerSeconds = parseSeconds(takeValue(), "bad answer time: ");
        } else {
            failUsage("unknown option: " + std::string(argv[i]));
        }
    }
    return options;
}

std::string endpoint(const std::string &address, int port)
{
    const bool v6 = address.find(':') != std::string::npos;
    return (v6 ? "[" + address + "]" : address) + ':' + std::to_string(port);
}

// Requests up to this size are read; a longer body gets 413.
constexpr size_t maxBodyBytes = 1024 * 1024;

// Runs the speaker: its HTTP server on a thread of its own (httplib's listen
// loop hands connections to a thread pool), while the main thread watches the
// signals, the DNS-SD connection and the reboot. Whatever the server threads
// and the main thread share lives behind m_mutex.
class Simulator
{
public:
    explicit Simulator(const Options &options) : m_options(options), m_speaker(options.address) { }

    ~Simulator()
    {
        stopServer();
        for (int fd : m_wakePipe) {
            if (fd >= 0)
                ::close(fd);
        }
    }

    Simulator(const Simulator &) = delete;
    Simulator &operator=(const Simulator &) = delete;

    int run()
    {
        std::string error;
        if (!m_options.deviceFile.empty() &&
            !m_speaker.loadDescription(m_options.deviceFile, error))
            return fail(error);
        if (!m_options.name.empty())
            m_speaker.setName(m_options.name);
        m_speaker.setRefusal(m_options.refusal, m_options.refuseOnce);
        if (!m_options.recordFile.empty() && !m_speaker.openRecord(m_options.recordFile, error))
            return fail(error);
        if (::pipe2(m_wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
            return fail(std::string("pipe: ") + std::strerror(errno));
        if (!startServer(m_options.port, error))
            return fail(error);
        if (m_options.advertise && !advertise(error))
            return fail(error);

        bool stopRequested = false;
        while (!stopRequested) {
            // poll() skips the DNS-SD entry while it is -1 (not advertised).
            pollfd fds[] = { { signalPipe[0], POLLIN, 0 },
                             { m_wakePipe[0], POLLIN, 0 },
                             { m_advertiser.socket(), POLLIN, 0 } };
            const int ready = ::poll(fds, 3, timeoutMs());
            if (ready < 0 && errno != EINTR)
                return fail(std::string("poll: ") + std::strerror(errno));
            if (ready < 0)
                continue;

            if (fds[0].revents)
                stopRequested = true;
            if (fds[1].revents) {
                char bytes[64];
                while (::read(m_wakePipe[0], bytes, sizeof(bytes)) > 0) { }
            }
            if (fds[2].fd >= 0 && fds[2].revents)
                m_advertiser.processReply();
            if (!stopRequested && !followServer(error))
                return fail(error);
        }

        m_advertiser.stop();
        stopServer();
        std::fprintf(stderr, "speaker-sim: stopped\n");
        return 0;
    }

private:
    using Clock = std::chrono::steady_clock;

    int fail(const std::string &error)
    {
        std::fprintf(stderr, "speaker-sim: %s\n", error.c_str());
        return 1;
    }

    void wake()
    {
        const char byte = 1;
        const ssize_t written = ::write(m_wakePipe[1], &byte, 1);
        (void)written;
    }

    bool advertise(std::string &error)
    {
        std::string name;
        std::string model;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            name = m_speaker.name();
            model = m_speaker.model();
        }
        return m_advertiser.start(name, static_cast<uint16_t>(m_port), m_options.host, model,
                                  error);
    }

    void configure(httplib::Server &server)
    {
        // Every reply closes its connection, as on the device, so no idle
        // connection outlives a reboot.
        server.set_keep_alive_max_count(1);
        server.set_payload_max_length(maxBodyBytes);
        // Back on the same port after a reboot, while the connections of the
        // last run linger; but never sharing the port with another process.
        server.set_socket_options([](socket_t socket) {
            const int on = 1;
            ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
        });

        // Every method and path comes to the speaker, which answers 404 and
        // 405 itself; methods httplib does not route get its 400.
        const std::string anyPath = "[\\s\\S]*";
        const httplib::Server::Handler handler = [this](const httplib::Request &request,
                                                        httplib::Response &response) {
            handle(request, response);
        };
        server.Get(anyPath, handler);
        server.Post(anyPath, handler);
        server.Put(anyPath, handler);
        server.Patch(anyPath, handler);
        server.Delete(anyPath, handler);
        server.Options(anyPath, handler);

        // Runs for every reply with a 4xx or 5xx status. Those of the speaker
        // carry their JSON already; the others were turned down by httplib
        // before they reached the speaker (malformed head, body too large).
        const httplib::Server::HandlerWithResponse errorHandler =
            [this](const httplib::Request &request, httplib::Response &response) {
                if (!response.body.empty())
                    return httplib::Server::HandlerResponse::Unhandled;
                try {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    m_speaker.reject(request, response);
                } catch (...) {
                    std::fprintf(stderr, "speaker-sim: cannot answer a refused request\n");
                }
                return httplib::Server::HandlerResponse::Handled;
            };
        server.set_error_handler(errorHandler);
        server.set_exception_handler(
            [](const httplib::Request &, httplib::Response &response, std::exception_ptr thrown) {
                std::string what = "unknown exception";
                try {
                    std::rethrow_exception(thrown);
                } catch (const std::exception &e) {
                    what = e.what();
                } catch (...) {
                }
                std::fprintf(stderr, "speaker-sim: internal error: %s\n", what.c_str());
                response.status = 500;
                response.set_content("{\"returncode\": \"500\", \"error\": \"internal error\"}",
                                     "application/json");
            });
    }

    // Runs on a thread of the server's pool.
    void handle(const httplib::Request &request, httplib::Response &response)
    {
        // Slow answers keep only their own connection waiting.
        if (m_options.answerSeconds > 0) {
            const std::string action = Speaker::actionOf(request);
            if (action == "wifiscan" || action == "setconfig")
                std::this_thread::sleep_for(std::chrono::duration<double>(m_options.answerSeconds));
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_speaker.handle(request, response) && !m_rebootRequested) {
            m_rebootRequested = true;
            // Like the real device, it drops off the network: the listening
            // socket closes before this reply goes out, so whoever reads the
            // reply finds the port closed. The server ends once the replies
            // under way are out.
            stopListeningLocked();
        }
    }

    bool startServer(int port, std::string &error)
    {
        auto server = std::make_unique<httplib::Server>();
        configure(*server);
        const int bound = port == 0 ? server->bind_to_any_port(m_options.address)
                                    : (server->bind_to_port(m_options.address, port) ? port : -1);
        if (bound <= 0) {
            error = "cannot listen on " + endpoint(m_options.address, port);
            return false;
        }
        m_port = bound;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_server = std::move(server);
            m_stopCalled = false;
            m_rebootRequested = false;
        }
        m_serverEnded = false;

        // Signals are for the main thread: the server's threads start with
        // them blocked.
        sigset_t signals;
        sigset_t previous;
        sigemptyset(&signals);
        sigaddset(&signals, SIGTERM);
        sigaddset(&signals, SIGINT);
        pthread_sigmask(SIG_BLOCK, &signals, &previous);
        m_listener = std::thread([this]() {
            m_server->listen_after_bind();
            m_serverEnded = true;
            wake();
        });
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);

        std::printf("listening on %s\n", endpoint(m_options.address, m_port).c_str());
        std::fflush(stdout);
        return true;
    }

    // With m_mutex held. Server::stop() must run once only, and only once
    // listen_after_bind() is under way, or it has no effect.
    void stopListeningLocked()
    {
        if (!m_server || m_stopCalled)
            return;
        m_stopCalled = true;
        while (!m_server->is_running() && !m_serverEnded)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        m_server->stop();
    }

    void stopServer()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            stopListeningLocked();
        }
        if (m_listener.joinable())
            m_listener.join();
    }

    // Once the server has ended after an accepted setconfig, all replies are
    // out: the speaker withdraws its advertisement, reboots and comes back.
    bool followServer(std::string &error)
    {
        if (!m_serverEnded || m_gone)
            return true;
        if (m_listener.joinable())
            m_listener.join();
        if (!m_rebooting) {
            bool rebootRequested = false;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                rebootRequested = m_rebootRequested;
            }
            if (!rebootRequested) {
                error = "the HTTP server stopped";
                return false;
            }
            m_advertiser.stop();
            if (m_options.neverBack) {
                // Gone for good; only a signal ends it.
                std::fprintf(stderr, "speaker-sim: rebooting, not coming back\n");
                m_gone = true;
                return true;
            }
            m_rebooting = true;
            m_backAt = Clock::now() +
                std::chrono::duration_cast<Clock::duration>(
                           std::chrono::duration<double>(m_options.rebootSeconds));
            std::fprintf(stderr, "speaker-sim: rebooting for %g s\n", m_options.rebootSeconds);
        }
        if (Clock::now() < m_backAt)
            return true;

        m_rebooting = false;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_options.keepName)
                m_speaker.dropPendingConfig();
            else
                m_speaker.applyPendingConfig();
            m_speaker.boot();
        }
        if (!startServer(m_port, error))
            return false;
        std::string advertiseError;
        if (m_options.advertise && !advertise(advertiseError))
            std::fprintf(stderr, "speaker-sim: %s\n", advertiseError.c_str());
        return true;
    }

    int timeoutMs() const
    {
        if (!m_rebooting)
            return -1;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(m_backAt - Clock::now()).count();
        return static_cast<int>(std::max<long long>(0, left + 1));
    }

    const Options m_options;
    Advertiser m_advertiser;
    int m_wakePipe[2] = { -1, -1 };
    int m_port = 0;
    bool m_rebooting = false;
    bool m_gone = false; // withdrawn after setconfig, with --never-back
    Clock::time_point m_backAt;
    std::thread m_listener;
    // Set by the listener thread when listen_after_bind() has returned.
    std::atomic<bool> m_serverEnded { false };

    std::mutex m_mutex;
    // Guarded by m_mutex:
    Speaker m_speaker;
    std::unique_ptr<httplib::Server> m_server;
    bool m_stopCalled = false;
    bool m_rebootRequested = false;
};

} // namespace

int main(int argc, char **argv)
{
    const Options options = parseOptions(argc, argv);

    // Avahi's compatibility layer warns on every first use otherwise.
    setenv("AVAHI_COMPAT_NOWARN", "1", 1);

    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::perror("speaker-sim: pipe");
        return 1;
    }
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    try {
        Simulator simulator(options);
        return simulator.run();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "speaker-sim: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "speaker-sim: unexpected failure\n");
    }
    return 1;
}
