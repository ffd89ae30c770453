#!/usr/bin/python3
# A desktop session of our own for what screen readers get: a display (Xvfb, or weston or sway
# with their headless back ends), a session bus that starts nothing by itself, and the AT-SPI bus
# on it.
# Everything started is stopped by process id, in reverse order, and the orphans left to us (the
# AT-SPI registry) are reaped. atspi_walk.py walks the program in one; run alone,
#
#   [ATSPI_PLATFORM=wayland [ATSPI_COMPOSITOR=sway]] atspi_session.py COMMAND [ARG...]
#
# runs COMMAND in one, on the toolkit's platform for its display with accessibility always on,
# and exits as COMMAND does.

import ctypes
import os
import signal
import subprocess
import sys
import tempfile
import time

TIMEOUT = 30  # seconds for a display or a bus to come up
started = []  # our processes, stopped in reverse order


def fail(message):
    raise SystemExit("atspi_session: " + message)


def wait_for(what, condition):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.2)
    fail("no " + what + " within %d s" % TIMEOUT)


def reap_what_we_start():
    """Orphans of what we start (the AT-SPI registry) become our children, so that we reap them;
    TERM ends us through our clean-up."""
    PR_SET_CHILD_SUBREAPER = 36
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))


def start(command, **options):
    process = subprocess.Popen(command, stdin=subprocess.DEVNULL, **options)
    started.append(process)
    return process


def stop(process):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def reap_orphans():
    # The AT-SPI registry, started by the accessibility bus, is left to us when that bus ends.
    deadline = time.monotonic() + 5
    while time.monotonic() < deadline:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            time.sleep(0.1)


def start_weston(work):
    # A runtime folder of its own holds the socket; the kiosk shell starts no helper
    # programs, and an empty input method no keyboard program.
    runtime = os.path.join(work, "runtime")
    os.mkdir(runtime, 0o700)
    config = os.path.join(work, "weston.ini")
    with open(config, "w") as file:
        file.write("[core]\nidle-time=0\n[input-method]\npath=\n")
    os.environ.pop("DISPLAY", None)
    os.environ.update(XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY="wayland-walk")
    weston = start(["weston", "--backend=headless-backend.so", "--shell=kiosk-shell.so",
                    "--socket=wayland-walk", "--config=" + config,
                    "--log=" + os.path.join(work, "weston.log")],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for("Wayland compositor", lambda: weston.poll() is None and os.path.exists(
        os.path.join(runtime, "wayland-walk")))


def start_sway(work):
    """sway draws its clients' frames (weston draws none). It refuses to run as root, so there it
    runs as nobody, with a runtime folder of its own; our clients find its socket by its path."""
    runtime = os.path.join(work, "sway-runtime")
    os.mkdir(runtime, 0o700)
    command = ["sway", "--config", os.path.join(work, "sway.conf")]
    if os.geteuid() == 0:
        os.chmod(work, 0o711)
        os.chown(runtime, 65534, 65534)
        command = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"] + command
    with open(command[-1], "w") as file:
        file.write("xwayland disable\n")
    environment = {key: value for key, value in os.environ.items()
                   if key not in ("DISPLAY", "WAYLAND_DISPLAY")}
    # Without a GPU or input devices: the pixel renderer and no libinput.
    environment.update(XDG_RUNTIME_DIR=runtime, HOME=runtime, WLR_BACKENDS="headless",
                       WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman")
    with open(os.path.join(work, "sway.log"), "w") as log:
        sway = start(command, env=environment, stdout=subprocess.DEVNULL, stderr=log)
    socket = wait_for("Wayland compositor", lambda: sway.poll() is None and next(
        (os.path.join(runtime, name) for name in os.listdir(runtime)
         if name.startswith("wayland-") and not name.endswith(".lock")), None))
    ours = os.path.join(work, "runtime")
    os.mkdir(ours, 0o700)
    os.environ.pop("DISPLAY", None)
    os.environ.update(XDG_RUNTIME_DIR=ours, WAYLAND_DISPLAY=socket)


def start_xvfb(work):
    with open(os.path.join(work, "Xauthority"), "w"):
        pass
    os.environ["XAUTHORITY"] = os.path.join(work, "Xauthority")
    read_end, write_end = os.pipe()
    # -noreset: the accessibility bus's address lives on the root window. 96 dots per inch, as
    # Xorg reports by default.
    start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "800x600x24", "-nolisten", "tcp",
           "-auth", os.environ["XAUTHORITY"], "-noreset", "-dpi", "96"],
          pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display:
        number = display.readline().strip()
    if not number:
        fail("the virtual display did not start")
    os.environ["DISPLAY"] = ":" + number
    cookie = subprocess.run(["mcookie"], capture_output=True, text=True, check=True).stdout.strip()
    subprocess.run(["xauth", "-q", "add", os.environ["DISPLAY"], ".", cookie], check=True)


def start_buses(work, platform, compositor="weston"):
    """The display for PLATFORM ("xcb" or "wayland", there on COMPOSITOR: "weston" or "sway"),
    then the session bus and the AT-SPI bus; their addresses go into our environment, for what
    we start next."""
    if platform == "wayland" and compositor == "sway":
        start_sway(work)
    elif platform == "wayland":
        start_weston(work)
    else:
        start_xvfb(work)
    # A session bus that starts no services by itself: the accessibility bus is ours too.
    config = os.path.join(work, "session.conf")
    with open(config, "w") as file:
        file.write("<busconfig><type>session</type><listen>unix:tmpdir=%s</listen>"
                   "<auth>EXTERNAL</auth><policy context='default'><allow send_destination='*'/>"
                   "<allow eavesdrop='true'/><allow own='*'/></policy></busconfig>" % work)
    bus = start(["dbus-daemon", "--config-file=" + config, "--nofork", "--print-address"],
                stdout=subprocess.PIPE, text=True)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    has_owner = ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                 "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                 "string:org.a11y.Bus"]
    wait_for("accessibility bus", lambda: "true" in subprocess.run(
        has_owner, capture_output=True, text=True).stdout)


def stop_all():
    for process in reversed(started):
        stop(process)
    reap_orphans()


def main():
    if len(sys.argv) < 2:
        raise SystemExit("usage: atspi_session.py COMMAND [ARG...]")
    platform = os.environ.get("ATSPI_PLATFORM", "xcb")
    reap_what_we_start()
    code = 1
    with tempfile.TemporaryDirectory(prefix="vantir-atspi.") as work:
        try:
            start_buses(work, platform, os.environ.get("ATSPI_COMPOSITOR", "weston"))
            command = start(sys.argv[1:], env=dict(os.environ, QT_QPA_PLATFORM=platform,
                                                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
            code = command.wait()
        finally:
            stop_all()
    sys.exit(code)


if __name__ == "__main__":
    main()
