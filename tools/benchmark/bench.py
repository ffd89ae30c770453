#!/usr/bin/python3
"""The benchmark, run by tools/bench inside a private DNS-SD network.

Measures each thing side by side with a yardstick in one run, alternating the
two sides, and prints medians and ratios:

- start-up: exec to the first window mapped and painted on a virtual display
  (Xvfb) and on two Wayland compositors (headless back ends: sway, which frames
  windows, and weston, which does not, so that they take Qt's frame), and peak
  memory, of the configurator against a bare Qt dialog with the same picture,
  list and buttons;
- discovery: exec until N speakers that are already published are all in the
  configurator's list, against "avahi-browse -t -p";
- the WLAN page's handling of a scan answer with N access points, against a
  plain JSON parse of the same body, up to the largest answer the page reads,
  and a larger one that it refuses;
- vantir-speakers: one "configure --plan" of N simulated speakers (their reboot
  lowered to a second), the wait for their return included, wall time and peak
  memory against N = 1; and its "list" against "avahi-browse -t -r -p" on the
  same announced speakers.

Every process it starts is stopped again by its process id.
"""

import argparse
import ctypes
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

SERVICE_TYPE = "_dockset._tcp"
# avahi-daemon accepts at most 32 entries in one entry group by default.
SERVICES_PER_GROUP = 30
PUBLISH_TIMEOUT = 120  # seconds for all speakers to be established and seen
RUN_TIMEOUT = 60  # seconds for one measured process

started = []  # every process we started and have not reaped yet


def say(text):
    print(text, flush=True)


def stop(process, timeout=5):
    """TERM, a bounded wait, then KILL; always by the process's own id."""
    if process.poll() is None:
        try:
            os.kill(process.pid, signal.SIGTERM)
            process.wait(timeout)
        except subprocess.TimeoutExpired:
            os.kill(process.pid, signal.SIGKILL)
            process.wait(timeout)
        except ProcessLookupError:
            pass
    if process in started:
        started.remove(process)


def start(args, **kwargs):
    process = subprocess.Popen(args, **kwargs)
    started.append(process)
    return process


class HangGuard:
    """Kills a process that is still running after its time, through a process
    descriptor, which cannot reach another process that got the same id."""

    def __init__(self, process, timeout):
        self.handle = os.pidfd_open(process.pid)
        self.timer = threading.Timer(timeout, self._kill)
        self.fired = False

    def _kill(self):
        self.fired = True
        try:
            signal.pidfd_send_signal(self.handle, signal.SIGKILL)
        except ProcessLookupError:
            pass

    def __enter__(self):
        self.timer.start()
        return self

    def __exit__(self, *exc):
        self.timer.cancel()
        self.timer.join()
        os.close(self.handle)


def run_timed(args, env, stdout=subprocess.PIPE, timeout=RUN_TIMEOUT):
    """Runs a process to its end: (wall ms, exit status, stdout)."""
    begin = time.perf_counter()
    process = start(args, env=env, stdout=stdout, stderr=subprocess.DEVNULL,
                    stdin=subprocess.DEVNULL)
    # Read the output while waiting; the helpers print a line or a few.
    try:
        out, _ = process.communicate(timeout=timeout)
    except subprocess.TimeoutExpired:
        stop(process)
        raise RuntimeError("%s did not end within %d s" % (args[0], timeout))
    wall = (time.perf_counter() - begin) * 1e3
    started.remove(process)
    return wall, process.returncode, (out or b"").decode(errors="replace")


def run_with_usage(args, env, timeout=RUN_TIMEOUT):
    """Runs a process to its end: (wall ms from spawn to exit, its CPU ms,
    exit status, stdout)."""
    out_file = tempfile.TemporaryFile()
    begin = time.perf_counter()
    process = start(args, env=env, stdout=out_file, stderr=subprocess.DEVNULL,
                    stdin=subprocess.DEVNULL)
    # A blocking wait4 returns at the exit itself; the guard only stops a hang.
    with HangGuard(process, timeout) as guard:
        _, status, usage = os.wait4(process.pid, 0)
        wall = (time.perf_counter() - begin) * 1e3
    timed_out = guard.fired
    process.returncode = os.waitstatus_to_exitcode(status)
    started.remove(process)
    if timed_out:
        raise RuntimeError("%s did not end within %d s" % (args[0], timeout))
    out_file.seek(0)
    out = out_file.read().decode(errors="replace")
    cpu = (usage.ru_utime + usage.ru_stime) * 1e3
    return wall, cpu, process.returncode, out


def fields(line):
    return {key: float(value) for key, value in (item.split("=") for item in line.split())}


def median(values):
    return statistics.median(values) if values else float("nan")


def spread(values):
    return "%.0f-%.0f" % (min(values), max(values)) if values else "-"


def table(title, header, rows, note=None):
    widths = [max(len(str(row[i])) for row in [header] + rows) for i in range(len(header))]
    say("")
    say(title)
    line = "  ".join(str(cell).ljust(widths[0]) if i == 0 else str(cell).rjust(widths[i])
                     for i, cell in enumerate(header))
    say(line)
    say("-" * len(line))
    for row in rows:
        say("  ".join(str(cell).ljust(widths[0]) if i == 0 else str(cell).rjust(widths[i])
                      for i, cell in enumerate(row)))
    if note:
        say(note)


# ---------------------------------------------------------------------------
# The virtual display


class VirtualDisplay:
    def __init__(self, work):
        self.work = work
        self.process = None
        self.display = None

    def __enter__(self):
        auth = os.path.join(self.work, "Xauthority")
        cookie = subprocess.run(["mcookie"], capture_output=True, text=True, check=True).stdout.strip()
        # The server reads its cookies once, at start, whatever display they
        # name; the clients look for one under the display's number.
        open(auth, "w").close()
        subprocess.run(["xauth", "-q", "-f", auth, "add", ":0", ".", cookie], check=True)
        read_end, write_end = os.pipe()
        # -displayfd lets the server pick a free display; -br paints the root
        # black, which the start-up watcher tells apart from a painted window.
        # 96 dots per inch, as Xorg reports by default: Qt 5 scales by any other.
        self.process = start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                              "-nolisten", "tcp", "-br", "-noreset", "-dpi", "96", "-auth", auth],
                             pass_fds=[write_end], stdin=subprocess.DEVNULL,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number
        subprocess.run(["xauth", "-q", "-f", auth, "add", self.display, ".", cookie], check=True)
        self.env = {"DISPLAY": self.display, "XAUTHORITY": auth}
        return self

    def __exit__(self, *exc):
        if self.process:
            stop(self.process)


class WaylandCompositor:
    """weston with its headless back end, a runtime folder and socket of its own,
    the desktop shell (windows at their own size, as on X11) and no keyboard
    program; it logs its clients' requests for the start-up watcher."""

    def __init__(self, work):
        self.work = work
        self.process = None

    def __enter__(self):
        runtime = os.path.join(self.work, "runtime")
        os.mkdir(runtime, 0o700)
        config = os.path.join(self.work, "weston.ini")
        with open(config, "w") as out:
            out.write("[core]\nidle-time=0\n[input-method]\npath=\n")
        self.log = os.path.join(self.work, "weston.log")
        self.env = {"WAYLAND_DISPLAY": "wayland-bench", "XDG_RUNTIME_DIR": runtime,
                    "QT_QPA_PLATFORM": "wayland"}
        self.process = start(["weston", "--backend=headless-backend.so", "--socket=wayland-bench",
                              "--config=" + config, "--log=" + self.log,
                              "--logger-scopes=log,proto"],
                             env=dict(os.environ, XDG_RUNTIME_DIR=runtime),
                             stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + RUN_TIMEOUT
        while not os.path.exists(os.path.join(runtime, "wayland-bench")):
            if self.process.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError("weston did not start")
            time.sleep(0.05)
        return self

    def __exit__(self, *exc):
        if self.process:
            stop(self.process)


class SwayCompositor:
    """sway with its headless back end and pixel renderer, a runtime folder of its own, no bar
    and no X server; it frames its clients' windows. libwayland logs its one client's requests
    on its standard error for the start-up watcher. It refuses to run as root: there it runs as
    nobody, and our clients find its socket by its path."""

    def __init__(self, work):
        self.work = work
        self.process = None

    def __enter__(self):
        runtime = os.path.join(self.work, "sway-runtime")
        os.mkdir(runtime, 0o700)
        config = os.path.join(self.work, "sway.conf")
        with open(config, "w") as out:
            out.write("xwayland disable\n")
        command = ["sway", "--config", config]
        if os.geteuid() == 0:
            os.chmod(self.work, 0o711)
            os.chown(runtime, 65534, 65534)
            command = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"] + command
        self.log = os.path.join(self.work, "sway.log")
        env = {key: value for key, value in os.environ.items()
               if key not in ("DISPLAY", "WAYLAND_DISPLAY")}
        env.update(XDG_RUNTIME_DIR=runtime, HOME=runtime, WLR_BACKENDS="headless",
                   WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman", WAYLAND_DEBUG="server")
        with open(self.log, "w") as log:
            self.process = start(command, env=env, stdin=subprocess.DEVNULL,
                                 stdout=subprocess.DEVNULL, stderr=log)
        deadline = time.monotonic() + RUN_TIMEOUT
        socket = None
        while not socket:
            if self.process.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError("sway did not start")
            time.sleep(0.05)
            socket = next((os.path.join(runtime, name) for name in os.listdir(runtime)
                           if name.startswith("wayland-") and not name.endswith(".lock")), None)
        clients = os.path.join(self.work, "sway-clients")
        os.mkdir(clients, 0o700)
        self.env = {"WAYLAND_DISPLAY": socket, "XDG_RUNTIME_DIR": clients,
                    "QT_QPA_PLATFORM": "wayland"}
        return self

    def __exit__(self, *exc):
        if self.process:
            stop(self.process)


def reap_orphans():
    """weston's desktop shell program is left to us when weston ends."""
    deadline = time.monotonic() + 5
    while time.monotonic() < deadline:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            time.sleep(0.1)


def program_env(display, extra=None):
    """The environment of a measured program: the machine's, without the
    toolkit's switches that would bend the measurement, on our display."""
    env = {key: value for key, value in os.environ.items()
           if not key.startswith("QT_") and key not in ("WAYLAND_DISPLAY", "XDG_SESSION_TYPE",
                                                        "DISPLAY")}
    env.update(display.env)
    env["LC_ALL"] = "C.UTF-8"
    env.update(extra or {})
    return env


# ---------------------------------------------------------------------------
# Start-up


def measure_startup(args, display, weston, sway):
    program = os.path.join(args.build, "app", "vantir-configurator")
    bare = os.path.join(args.build, "tools", "benchmark", "bench-baredialog")
    watch = os.path.join(args.build, "tools", "benchmark", "bench-startwatch")
    on_weston = ["--wayland-log", weston.log]
    on_sway = ["--wayland-log", sway.log]
    # name, platform, watcher options, command, extra environment
    sides = [("configurator", "X11", [], [program], {})]
    if args.gl_side:
        sides.append(("configurator, QT_XCB_GL_INTEGRATION=xcb_glx", "X11", [], [program],
                      {"QT_XCB_GL_INTEGRATION": "xcb_glx"}))
    sides.append(("bare dialog", "X11", [], [bare], {}))
    # sway frames the windows: the configurator goes without Qt's frame and OpenGL.
    sides.append(("configurator, sway's frame", "sway", on_sway, [program], {}))
    sides.append(("bare dialog", "sway", on_sway, [bare], {}))
    # weston frames none: the configurator takes Qt's frame with its OpenGL buffer integration.
    sides.append(("configurator, Qt's frame", "weston", on_weston, [program], {}))
    if args.gl_side:
        sides.append(("configurator, QT_WAYLAND_DISABLE_WINDOWDECORATION=1", "weston",
                      on_weston, [program], {"QT_WAYLAND_DISABLE_WINDOWDECORATION": "1"}))
    sides.append(("bare dialog", "weston", on_weston, [bare], {}))
    servers = {"X11": display, "sway": sway, "weston": weston}

    samples = {(name, platform): [] for name, platform, _, _, _ in sides}
    # One unmeasured round first: the page cache, fonts and the display servers warm up.
    for rep in range(args.repeat + 1):
        order = sides[rep % len(sides):] + sides[:rep % len(sides)]
        for name, platform, options, command, extra in order:
            _, code, out = run_timed([watch, "--settle", str(args.settle)] + options + ["--"]
                                     + command, program_env(servers[platform], extra))
            if code != 0 or not out.strip():
                raise RuntimeError("start-up of %s on %s failed (exit status %d)"
                                   % (name, platform, code))
            if rep > 0:
                samples[(name, platform)].append(fields(out.strip().splitlines()[-1]))

    rows = []
    for name, platform, _, _, _ in sides:
        base = samples[("bare dialog", platform)]
        base_paint = median([s["paint_ms"] for s in base])
        base_rss = median([s["maxrss_kib"] for s in base])
        base_cpu = median([s["cpu_ms"] for s in base])
        maps = [s["map_ms"] for s in samples[(name, platform)]]
        paints = [s["paint_ms"] for s in samples[(name, platform)]]
        cpus = [s["cpu_ms"] for s in samples[(name, platform)]]
        rss = [s["maxrss_kib"] / 1024 for s in samples[(name, platform)]]
        rows.append([platform + ", " + name, "%.1f" % median(maps), "%.1f" % median(paints),
                     spread(paints), "%.2f" % (median(paints) / base_paint),
                     "%.1f" % median(cpus), "%.2f" % (median(cpus) / base_cpu),
                     "%.1f" % median(rss), "%.2f" % (median(rss) * 1024 / base_rss)])
    x11_runs = samples[("configurator", "X11")]
    against_x11 = []
    for name, platform in (("configurator, sway's frame", "sway"),
                           ("configurator, Qt's frame", "weston")):
        runs = samples[(name, platform)]
        against_x11.append("%s: painted x%.2f, CPU x%.2f, peak memory x%.2f" % (
            platform, median([s["paint_ms"] for s in runs])
            / median([s["paint_ms"] for s in x11_runs]),
            median([s["cpu_ms"] for s in runs]) / median([s["cpu_ms"] for s in x11_runs]),
            median([s["maxrss_kib"] for s in runs]) / median([s["maxrss_kib"] for s in x11_runs])))
    table("Start-up on Xvfb, sway and weston (headless), median of %d runs per side, sides "
          "alternating" % args.repeat,
          ["", "mapped ms", "painted ms", "(min-max)", "x bare", "CPU ms", "x bare",
           "peak MiB", "x bare"], rows,
          "  ms from exec; CPU: all threads until the first paint; peak resident memory\n"
          "  (ru_maxrss) of the whole run, which goes on %d ms after the first paint; x bare:\n"
          "  against the bare dialog on the same display server. On Wayland \"mapped\" is the\n"
          "  window's first commit, \"painted\" its first drawn buffer, as the compositor logs\n"
          "  them. The configurator on Wayland against X11:\n  %s"
          % (args.settle, "\n  ".join(against_x11)))


# ---------------------------------------------------------------------------
# Discovery


class Publisher:
    """Publishes speakers on the private network's avahi-daemon over D-Bus, in
    entry groups of SERVICES_PER_GROUP, and withdraws them at the end."""

    def __init__(self):
        import avahi  # noqa: late import: only this part needs it
        import dbus
        self.avahi = avahi
        self.dbus = dbus
        self.bus = dbus.SystemBus()
        self.server = dbus.Interface(self.bus.get_object(avahi.DBUS_NAME, avahi.DBUS_PATH_SERVER),
                                     avahi.DBUS_INTERFACE_SERVER)
        self.groups = []
        self.count = 0

    def grow_to(self, total):
        new_groups = []
        while self.count < total:
            path = self.server.EntryGroupNew()
            group = self.dbus.Interface(self.bus.get_object(self.avahi.DBUS_NAME, path),
                                        self.avahi.DBUS_INTERFACE_ENTRY_GROUP)
            for _ in range(min(SERVICES_PER_GROUP, total - self.count)):
                self.count += 1
                group.AddService(self.avahi.IF_UNSPEC, self.avahi.PROTO_INET, self.dbus.UInt32(0),
                                 "VANTIR Ovix Bench %04d" % self.count, SERVICE_TYPE, "local", "",
                                 self.dbus.UInt16(20000 + self.count % 40000), [])
            group.Commit()
            new_groups.append(group)
        self.groups += new_groups
        deadline = time.monotonic() + PUBLISH_TIMEOUT
        for group in new_groups:
            while group.GetState() != self.avahi.ENTRY_GROUP_ESTABLISHED:
                if time.monotonic() > deadline:
                    raise RuntimeError("the speakers were not established in time")
                time.sleep(0.05)

    def close(self):
        for group in self.groups:
            try:
                group.Free()
            except self.dbus.DBusException:
                pass
        self.groups = []


def browse_count(env):
    out = subprocess.run(["avahi-browse", "-t", "-p", SERVICE_TYPE], env=env, capture_output=True,
                         text=True, timeout=RUN_TIMEOUT).stdout
    return sum(1 for line in out.splitlines() if line.startswith("+;"))


def browse_until_listed(count, env, timeout=RUN_TIMEOUT):
    """avahi-browse -t -p: (ms from spawn until it printed the N-th speaker,
    ms until it exited, its CPU ms). It prints each speaker as it learns of
    it and ends after the daemon's "all for now", which may come later."""
    begin = time.perf_counter()
    process = start(["avahi-browse", "-t", "-p", SERVICE_TYPE], env=env, stdout=subprocess.PIPE,
                    stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL, bufsize=0)
    seen, listed = 0, None
    with HangGuard(process, timeout) as guard:
        for line in process.stdout:
            if line.startswith(b"+;"):
                seen += 1
                if seen == count:
                    listed = (time.perf_counter() - begin) * 1e3
        _, status, usage = os.wait4(process.pid, 0)
        ended = (time.perf_counter() - begin) * 1e3
    timed_out = guard.fired
    process.returncode = os.waitstatus_to_exitcode(status)
    process.stdout.close()
    started.remove(process)
    if timed_out or seen != count:
        raise RuntimeError("avahi-browse listed %d of %d speakers" % (seen, count))
    return listed, ended, (usage.ru_utime + usage.ru_stime) * 1e3


def measure_discovery(args, display):
    watch = os.path.join(args.build, "tools", "benchmark", "bench-listwatch")
    env = program_env(display)
    publisher = Publisher()
    rows = []
    try:
        for count in sorted(args.speakers):
            publisher.grow_to(count)
            deadline = time.monotonic() + PUBLISH_TIMEOUT
            while browse_count(env) < count:
                if time.monotonic() > deadline:
                    raise RuntimeError("avahi-browse does not see %d speakers" % count)
                time.sleep(0.2)
            ours, ours_cpu, theirs, theirs_end, theirs_cpu = [], [], [], [], []
            for rep in range(args.repeat + 1):
                for side in (("ours", "theirs") if rep % 2 == 0 else ("theirs", "ours")):
                    if side == "ours":
                        wall, cpu, code, _ = run_with_usage([watch, str(count)], env)
                        if code != 0:
                            raise RuntimeError("the list did not reach %d rows" % count)
                        if rep > 0:
                            ours.append(wall)
                            ours_cpu.append(cpu)
                    else:
                        listed, ended, cpu = browse_until_listed(count, env)
                        if rep > 0:
                            theirs.append(listed)
                            theirs_end.append(ended)
                            theirs_cpu.append(cpu)
            rows.append([str(count), "%.0f" % median(ours), spread(ours),
                         "%.0f" % median(theirs_end), spread(theirs_end),
                         "%.2f" % (median(ours) / median(theirs_end)), "%.0f" % median(theirs),
                         "%.2f" % (median(ours) / median(theirs)), "%.0f" % median(ours_cpu),
                         "%.2f" % (median(ours_cpu) / count), "%.0f" % median(theirs_cpu)])
    finally:
        publisher.close()
    table("Speakers listed, median of %d runs per side, sides alternating" % args.repeat,
          ["N", "configurator ms", "(min-max)", "browse -t ms", "(min-max)", "ratio",
           "browse printed ms", "ratio", "CPU ms", "CPU ms/N", "browse CPU ms"], rows,
          "  ms from exec: until all N already published speakers are in the configurator's\n"
          "  list (on Xvfb); until avahi-browse -t -p has ended (after the daemon's \"all for\n"
          "  now\"), and until it had printed the N-th one. CPU: each process to its exit.")


# ---------------------------------------------------------------------------
# The WLAN page


def measure_wlan(args):
    watch = os.path.join(args.build, "tools", "benchmark", "bench-wlanwatch")
    env = {key: value for key, value in os.environ.items() if not key.startswith("QT_")}
    env.update({"QT_QPA_PLATFORM": "offscreen", "LC_ALL": "C.UTF-8"})
    _, code, out = run_timed([watch, "--largest"], env)
    if code != 0:
        raise RuntimeError("the WLAN page's largest answer is unknown")
    largest = int(out.split()[0])
    # Up to the largest answer the page reads; a larger one is measured as refused.
    counts = sorted(set(args.access_points)
                    | ({largest} if max(args.access_points) > largest else set()))
    rows = []
    for count in counts:
        _, code, out = run_timed([watch, str(count), str(args.repeat)], env, timeout=600)
        if code != 0:
            raise RuntimeError("the WLAN page did not %s %d access points"
                               % ("refuse" if count > largest else "list", count))
        page = [float(line.split()[1]) for line in out.splitlines() if line.startswith("page ")]
        parse = [float(line.split()[1]) for line in out.splitlines() if line.startswith("parse ")]
        refused = count > largest
        rows.append(["%d%s" % (count, " refused" if refused else ""), "%.2f" % median(page),
                     "%.2f" % median(parse), "%.1f" % (median(page) / median(parse)),
                     "-" if refused else "%.1f" % (median(page) * 1e3 / count)])
    table("WLAN page, scan answer with N access points, median of %d alternating samples"
          % args.repeat, ["N", "page ms", "JSON parse ms", "ratio", "page us/N"], rows,
          "  page: its reply slot and the list's layout and paint (offscreen platform), log\n"
          "  lines included; parse: QJsonDocument::fromJson and a walk over the access points.\n"
          "  %d access points are the most the page reads; a larger answer is refused unread\n"
          "  (the page counts its brackets and shows its box)." % largest)


# ---------------------------------------------------------------------------
# vantir-speakers


PLAN_PASSWORD = "bench-password"


def run_measured(args, env, stdin=None, timeout=RUN_TIMEOUT):
    """Runs a process to its end: (wall ms, CPU ms, peak resident KiB, exit status)."""
    begin = time.perf_counter()
    process = start(args, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                    stdin=stdin or subprocess.DEVNULL)
    with HangGuard(process, timeout) as guard:
        _, status, usage = os.wait4(process.pid, 0)
        wall = (time.perf_counter() - begin) * 1e3
    process.returncode = os.waitstatus_to_exitcode(status)
    started.remove(process)
    if guard.fired:
        raise RuntimeError("%s did not end within %d s" % (args[0], timeout))
    return wall, (usage.ru_utime + usage.ru_stime) * 1e3, usage.ru_maxrss, process.returncode


def browse_resolved_count(env):
    out = subprocess.run(["avahi-browse", "-t", "-r", "-p", SERVICE_TYPE], env=env,
                         capture_output=True, text=True, timeout=RUN_TIMEOUT).stdout
    return sum(1 for line in out.splitlines() if line.startswith("=;"))


def measure_speakers(args, work):
    program = os.path.join(args.build, "cli", "vantir-speakers")
    simulator = os.path.join(args.build, "tools", "speaker-sim", "speaker-sim")
    env = {key: value for key, value in os.environ.items() if not key.startswith("QT_")}
    env["LC_ALL"] = "C.UTF-8"
    password_file = os.path.join(work, "password")
    with open(password_file, "w") as out:
        out.write(PLAN_PASSWORD)
    plan_rows, list_rows = [], []
    base = None
    for count in sorted(args.plan_speakers):
        names = ["Ovix Plan %03d" % index for index in range(count)]
        simulators = [start([simulator, "--name", name, "--reboot-seconds", "1"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            stdin=subprocess.DEVNULL) for name in names]
        try:
            deadline = time.monotonic() + PUBLISH_TIMEOUT
            while browse_count(env) < count:
                if time.monotonic() > deadline:
                    raise RuntimeError("avahi-browse does not see %d simulated speakers" % count)
                time.sleep(0.2)
            walls, peaks, cpus = [], [], []
            for rep in range(args.repeat):
                # Each run renames every speaker, the next one back again.
                old = names if rep % 2 == 0 else [name + " b" for name in names]
                new = [name + " b" for name in names] if rep % 2 == 0 else names
                plan = os.path.join(work, "plan.csv")
                with open(plan, "w") as out:
                    out.write("speaker,name,ssid\n")
                    for old_name, new_name in zip(old, new):
                        out.write("%s,%s,Hausnetz\n" % (old_name, new_name))
                wall, cpu, peak, code = run_measured(
                    [program, "configure", "--plan", plan, "--password-file", password_file,
                     "--jobs", str(count), "--json"], env, timeout=300)
                if code != 0:
                    raise RuntimeError("configure --plan of %d speakers ended with %d"
                                       % (count, code))
                walls.append(wall)
                cpus.append(cpu)
                peaks.append(peak / 1024)
            if base is None:
                base = (median(walls), median(peaks))
            plan_rows.append([str(count), "%.0f" % median(walls), spread(walls),
                              "%.2f" % (median(walls) / base[0]), "%.0f" % median(cpus),
                              "%.1f" % median(peaks), "%.2f" % (median(peaks) / base[1])])

            ours, theirs = [], []
            # The daemon knows the speakers now: both sides list from its cache.
            deadline = time.monotonic() + PUBLISH_TIMEOUT
            while browse_resolved_count(env) < count:
                if time.monotonic() > deadline:
                    raise RuntimeError("avahi-browse -r does not resolve %d speakers" % count)
                time.sleep(0.2)
            for rep in range(args.repeat + 1):
                for side in (("ours", "theirs") if rep % 2 == 0 else ("theirs", "ours")):
                    command = ([program, "list", "--json"] if side == "ours" else
                               ["avahi-browse", "-t", "-r", "-p", SERVICE_TYPE])
                    wall, _, _, code = run_measured(command, env)
                    if code != 0:
                        raise RuntimeError("%s ended with %d" % (command[0], code))
                    if rep > 0:
                        (ours if side == "ours" else theirs).append(wall)
            list_rows.append([str(count), "%.0f" % median(ours), spread(ours),
                              "%.0f" % median(theirs), spread(theirs),
                              "%.2f" % (median(ours) / median(theirs))])
        finally:
            for process in simulators:
                stop(process)
    table("vantir-speakers configure --plan, N simulated speakers (reboot 1 s), --jobs N, "
          "median of %d runs" % args.repeat,
          ["N", "wall ms", "(min-max)", "x N=1", "CPU ms", "peak MiB", "x N=1"], plan_rows,
          "  ms from exec until every speaker has answered under its new name after its reboot;\n"
          "  peak resident memory (ru_maxrss) of vantir-speakers.")
    table("vantir-speakers list against avahi-browse -t -r -p, median of %d runs per side, "
          "sides alternating" % args.repeat,
          ["N", "list ms", "(min-max)", "browse -t -r ms", "(min-max)", "ratio"], list_rows,
          "  ms from exec to exit; both resolve every speaker; list ends once the search has\n"
          "  been quiet for its --quiet-wait.")


# ---------------------------------------------------------------------------


def numbers(text):
    return [int(item) for item in text.split(",") if item]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", required=True)
    parser.add_argument("--repeat", type=int, default=7, help="measured runs per side (7)")
    parser.add_argument("--speakers", type=numbers, default=[10, 100, 1000],
                        help="speaker counts (10,100,1000)")
    parser.add_argument("--access-points", type=numbers, default=[10, 100, 1000, 10000],
                        help="access point counts (10,100,1000,10000); above the most the page "
                             "reads, that most is measured too and the larger one as refused")
    parser.add_argument("--plan-speakers", type=numbers, default=[1, 10, 50],
                        help="simulated speaker counts of vantir-speakers (1,10,50)")
    parser.add_argument("--parts", default="startup,discovery,wlan,speakers",
                        help="what to measure (startup,discovery,wlan,speakers)")
    parser.add_argument("--settle", type=int, default=500,
                        help="ms a started program runs on after its first paint (500)")
    parser.add_argument("--no-gl-side", dest="gl_side", action="store_false",
                        help="leave out the configurator with the toolkit's OpenGL switched "
                             "the other way")
    args = parser.parse_args()
    parts = args.parts.split(",")

    for tool in ("Xvfb", "xauth", "mcookie", "avahi-browse", "weston", "sway"):
        if not shutil.which(tool):
            sys.exit("bench: %s not found" % tool)

    def on_signal(number, _frame):
        raise KeyboardInterrupt

    signal.signal(signal.SIGTERM, on_signal)
    # Orphans of what we start (weston's desktop shell program) become our children, so that
    # we reap them.
    PR_SET_CHILD_SUBREAPER = 36
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    say("bench: %d measured runs per side after one unmeasured; the machine may be busy with"
        % args.repeat)
    say("bench: other work, so read the medians and the ratios of sides that ran interleaved.")
    work = tempfile.mkdtemp(prefix="vantir-bench.")
    try:
        with VirtualDisplay(work) as display:
            if "startup" in parts:
                with WaylandCompositor(work) as weston, SwayCompositor(work) as sway:
                    measure_startup(args, display, weston, sway)
            if "discovery" in parts:
                measure_discovery(args, display)
        if "wlan" in parts:
            measure_wlan(args)
        if "speakers" in parts:
            measure_speakers(args, work)
    except KeyboardInterrupt:
        say("bench: stopped")
        return 130
    except RuntimeError as error:
        say("bench: %s" % error)
        return 1
    finally:
        for process in list(started):
            stop(process)
        reap_orphans()
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
