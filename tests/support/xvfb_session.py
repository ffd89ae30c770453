#!/usr/bin/python3
# A virtual X display of the test's own, for what has to fit on a screen:
#
#   xvfb_session.py WIDTHxHEIGHT COMMAND [ARG...]
#
# runs COMMAND on Xvfb with a screen of that many pixels, at 96 dots per inch as Xorg reports by
# default, on the toolkit's X11 platform and without a window manager; the work area that a
# panel leaves (_NET_WORKAREA) is the test's to set. Exits as COMMAND does; Xvfb is stopped by
# its process id.

import os
import signal
import subprocess
import sys
import tempfile

TIMEOUT = 30  # seconds for a process to go after TERM


def stop(process):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(TIMEOUT)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def main():
    if len(sys.argv) < 3:
        raise SystemExit("usage: xvfb_session.py WIDTHxHEIGHT COMMAND [ARG...]")
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    started = []
    code = 1
    with tempfile.TemporaryDirectory(prefix="vantir-xvfb.") as work:
        try:
            read_end, write_end = os.pipe()
            started.append(subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", sys.argv[1] + "x24",
                 "-nolisten", "tcp", "-dpi", "96", "-noreset"],
                pass_fds=[write_end], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL))
            os.close(write_end)
            with os.fdopen(read_end) as display:
                number = display.readline().strip()
            if not number:
                raise SystemExit("xvfb_session: the virtual display did not start")
            runtime = os.path.join(work, "runtime")
            os.mkdir(runtime, 0o700)
            environment = dict(os.environ, DISPLAY=":" + number, QT_QPA_PLATFORM="xcb",
                               XDG_RUNTIME_DIR=runtime)
            environment.pop("WAYLAND_DISPLAY", None)
            command = subprocess.Popen(sys.argv[2:], env=environment)
            started.append(command)
            code = command.wait()
        finally:
            for process in reversed(started):
                stop(process)
    sys.exit(code)


if __name__ == "__main__":
    main()
