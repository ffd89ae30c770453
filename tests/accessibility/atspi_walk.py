#!/usr/bin/python3
# What a screen reader hears: the real program on a virtual display of its own,
# with a session bus and the AT-SPI bus of its own, walked from the speaker list
# to the settings page of a simulated speaker in English and in German. On each
# page the role and name of every control are read through AT-SPI, as Orca reads
# them; and the program has loaded no OpenGL driver. Runs inside the private
# DNS-SD network (tools/dnssd-net run --).
#
#   [ATSPI_WALK_PLATFORM=wayland] atspi_walk.py PROGRAM SPEAKER_SIM
#
# On X11 (xcb, the default) the display is Xvfb; on Wayland it is weston with its
# headless back end, and the AT-SPI bus is found through the session bus alone.

import ctypes
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

PROGRAM, SPEAKER_SIM = sys.argv[1:3]
PLATFORM = os.environ.get("ATSPI_WALK_PLATFORM", "xcb")
TIMEOUT = 30  # seconds for a page, a speaker or a bus to appear
# A GLX or EGL vendor library, a DRI driver, LLVM, the toolkit's EGL buffer integration.
OPENGL_DRIVER = re.compile(r"/(lib(GLX|EGL)_[^/]*\.so[^/]*|[^/]*_dri\.so|libLLVM[^/]*|"
                           r"[^/]*wayland-egl[^/]*)$")
LANGUAGES = ["en_US.UTF-8", "de_DE.UTF-8"]
BUTTON, LABEL = "push button", "label"
SPEAKER = "VANTIR Ovix Living Room"
PASSWORD = "Sommer-2024!"
REBOOT_SECONDS = "4"  # the simulator's reboot after SAVE, while the list shows that it waits

OTHER_NETWORK = ("Other network…", "Anderes Netzwerk…")
# This computer, as NetworkManager (a stand-in on the private network's system bus) tells it: on
# the speaker's first WLAN, whose password it has saved.
KNOWN_WLANS = ('[{"id": "Hausnetz", "ssid": "Hausnetz", "key-mgmt": "wpa-psk", '
               '"timestamp": 1718000000, "psk": "%s", "active": true}]' % PASSWORD)
NETWORKMANAGER_STANDIN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                      "tools", "lib", "networkmanager-standin.py")
KNOWN_MARK = ("Known to this computer, connected now", "Diesem Computer bekannt, jetzt verbunden")
SHOW_PASSWORD = ("Show password", "Passwort anzeigen")
SECURITY_WPA = ("WPA/WPA2/WPA3 Personal", "WPA/WPA2/WPA3 Personal")
COMPUTER_PASSWORD = ("Use this computer's password", "Passwort dieses Computers verwenden")

# The settings page's password field with its check box, the button for this computer's
# password and the line of why it could not be read (empty and hidden until then).
PASSWORD_CONTROLS = [
    (LABEL, "Passwd:", "Passwd:"), ("text", "Passwd:", "Passwd:"),
    ("check box", *SHOW_PASSWORD), (BUTTON, *COMPUTER_PASSWORD), (LABEL, "", "")]
SETTINGS_END = [
    (LABEL, "IP Addr:", "IP Addr:"), (LABEL, "127.0.0.1", "127.0.0.1"),
    (LABEL, "Vers:", "Vers:"), (LABEL, "2.4.17", "2.4.17"),
    (LABEL, "Clicking on SAVE will reboot your\nVANTIR Ovix-Speakers!",
     "Klicken auf OK lässt Ihre\nVANTIR Ovixs neu starten!"),
    ("animation", "Waiting for the speaker's answer", "Warten auf die Antwort des Lautsprechers"),
    (LABEL, "Sending the settings to the speaker…",
     "Die Einstellungen werden an den Lautsprecher gesendet…"),
    (BUTTON, "< Back", "< Zurück"), (BUTTON, "SAVE", "OK")]

# Each page's title and its controls in the order a reader walks them: role, English, German.
# The values on the settings page are the speaker simulator's device and first WLAN.
PAGES = [
    (("VANTIR Ovix Configurator", "VANTIR Ovix Konfigurator"), [
        ("tree", "Speakers on this network", "Lautsprecher in diesem Netzwerk"),
        ("animation", "Waiting for the speaker", "Warten auf den Lautsprecher"),
        (LABEL, "", ""),  # why no speaker is chosen: empty and hidden until then
        ("animation", "Waiting for saved speakers", "Warten auf die eingerichteten Lautsprecher"),
        (LABEL, "", ""),  # which saved speakers are awaited: empty and hidden until SAVE
        (LABEL, "", ""),  # how a saved speaker came back: empty and hidden until then
        ("image", "A row of VANTIR speakers", "Eine Reihe VANTIR Lautsprecher"),
        (LABEL, "The Speakers and your\ndevice have to be in\nthe same WLAN!",
         "Die Lautsprecher und\nIhr Mobilgerät müssen\nim selben WLAN sein!\n"),
        (BUTTON, "Quit", "Beenden"), (BUTTON, "< Back", "< Zurück"),
        (BUTTON, "Next >", "Weiter >")]),
    (("Select WLAN", "WLAN auswählen"), [
        ("tree", "WLANs the speaker sees", "WLANs, die der Lautsprecher sieht"),
        ("image", "A radio mast sending to a speaker",
         "Ein Funkmast, der zu einem Lautsprecher sendet"),
        (LABEL, "Speaker: " + SPEAKER, "Lautsprecher: " + SPEAKER),
        (LABEL, "Please select your private WLAN", "Bitte wählen Sie Ihr privates WLAN"),
        (BUTTON, "Rescan", "Erneut suchen"), (BUTTON, OTHER_NETWORK[0], OTHER_NETWORK[1]),
        (LABEL, "", ""),  # why the rows are those of an earlier scan: empty and hidden until then
        ("animation", "Waiting for the speaker's WLANs", "Warten auf die WLANs des Lautsprechers"),
        (LABEL, "The speaker is looking for WLANs…", "Der Lautsprecher sucht nach WLANs…"),
        (BUTTON, "< Back", "< Zurück"), (BUTTON, "Next >", "Weiter >")]),
    (("Speaker WLAN Settings", "WLAN Einstellungen"), [
        ("image", "The front of a VANTIR speaker", "Die Vorderseite eines VANTIR Lautsprechers"),
        (LABEL, "Speaker: " + SPEAKER, "Lautsprecher: " + SPEAKER),
        (LABEL, "Model:", "Modell:"), (LABEL, "Ovix", "Ovix"),
        (LABEL, "Name:", "Name:"), ("text", "Name:", "Name:"),
        (LABEL, "WLAN:", "WLAN:"), (LABEL, "Hausnetz", "Hausnetz"),
        *PASSWORD_CONTROLS,
        (LABEL, "The password of this WLAN is too short: at least 8 characters, or 64 "
         "hexadecimal digits.",
         "Das Passwort dieses WLANs ist zu kurz: mindestens 8 Zeichen oder 64 "
         "Hexadezimalziffern."),
        *SETTINGS_END]),
]

# The settings page of "Other network…": the WLAN's name to type and its security. The button for
# this computer's password is there, hidden until a WLAN that it knows is typed.
OTHER_NETWORK_PAGE = [
    ("image", "The front of a VANTIR speaker", "Die Vorderseite eines VANTIR Lautsprechers"),
    (LABEL, "Speaker: " + SPEAKER, "Lautsprecher: " + SPEAKER),
    (LABEL, "Model:", "Modell:"), (LABEL, "Ovix", "Ovix"),
    (LABEL, "Name:", "Name:"), ("text", "Name:", "Name:"),
    (LABEL, "WLAN:", "WLAN:"), ("text", "WLAN:", "WLAN:"),
    # On Linux the toolkit names a combo box by its choice; its label is a relation (below).
    (LABEL, "Security:", "Sicherheit:"), ("combo box", *SECURITY_WPA),
    *PASSWORD_CONTROLS,
    (LABEL, "Enter the name of the WLAN.", "Geben Sie den Namen des WLANs ein."),
    *SETTINGS_END]

# After SAVE, on the list page: the busy animation and the line naming the speaker awaited.
WAITING = [("Waiting for saved speakers", "Warten auf die eingerichteten Lautsprecher"),
           ('Waiting for "%s" to come back…' % SPEAKER, "Warten, bis „%s“ zurückkommt…" % SPEAKER)]

started = []  # our processes, stopped in reverse order
SPEAKER_OUT = None  # what the simulated speaker writes: "listening on ..." once up, again after SAVE


def fail(message):
    raise SystemExit("atspi_walk: " + message)


def wait_for(what, condition):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.2)
    fail("no " + what + " within %d s" % TIMEOUT)


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


def start_buses(work):
    if PLATFORM == "wayland":
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


def start_networkmanager():
    # Only on the private network's own system bus, which tools/dnssd-net gives us.
    if not os.environ.get("DBUS_SYSTEM_BUS_ADDRESS"):
        fail("no private system bus for the NetworkManager stand-in")
    start(["/usr/bin/python3", "-m", "dbusmock", "--system", "-t", NETWORKMANAGER_STANDIN,
           "-p", '{"connections": %s}' % KNOWN_WLANS],
          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    has_owner = ["dbus-send", "--system", "--print-reply", "--dest=org.freedesktop.DBus",
                 "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                 "string:org.freedesktop.NetworkManager"]
    wait_for("NetworkManager stand-in", lambda: "true" in subprocess.run(
        has_owner, capture_output=True, text=True).stdout)


def dialog(pyatspi, title):
    desktop = pyatspi.Registry.getDesktop(0)
    for application in desktop:
        if application is None or application.name != "vantir-configurator":
            continue
        for window in application:
            if window is not None and window.name == title and \
                    window.getState().contains(pyatspi.STATE_SHOWING):
                return window
    return None


def controls(parent):
    """The controls as a reader walks them: a filler (a group without a name) is walked into."""
    for control in parent:
        if control.getRoleName() == "filler" and not control.name:
            yield from controls(control)
        else:
            yield control


def check_page(pyatspi, language, title, expected):
    window = wait_for('page "%s"' % title, lambda: dialog(pyatspi, title))
    heard = [(control.getRoleName(), control.name) for control in controls(window)]
    if heard != expected:
        fail("%s, page \"%s\":\n  heard    %r\n  expected %r" % (language, title, heard, expected))
    return window


def descendants(parent):
    for child in parent:
        if child is not None:
            yield child
            yield from descendants(child)


def check_known_mark(pyatspi, window, language, column):
    """The row of the WLAN this computer is on: its SSID, and the mark as its description."""
    tree = next(c for c in controls(window) if c.getRoleName() == "tree")
    mark = KNOWN_MARK[column - 1]
    cell = wait_for('the row "Hausnetz"', lambda: next(
        (c for c in descendants(tree) if c.name == "Hausnetz"), None))
    wait_for('"%s" on the row "Hausnetz"' % mark, lambda: cell.description == mark)
    others = {c.name for c in descendants(tree) if c.description} - {"Hausnetz"}
    if others:
        fail("%s: marked as known, but not known: %r" % (language, sorted(others)))


def visit_other_network(pyatspi, window, language, title, column):
    """"Other network…" and back: the settings page for a WLAN to type in."""
    press(pyatspi, window, OTHER_NETWORK[column - 1])
    expected = [(row[0], row[column]) for row in OTHER_NETWORK_PAGE]
    typed = check_page(pyatspi, language, title, expected)
    security = next(c for c in controls(typed) if c.getRoleName() == "combo box")
    labels = [relation.getTarget(0).name for relation in security.getRelationSet()
              if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    if labels != [expected[8][1]]:
        fail("%s: the security choice is labelled by %r" % (language, labels))
    press(pyatspi, typed, SETTINGS_END[-2][column])
    wait_for("the WLAN page again", lambda: window.getState().contains(pyatspi.STATE_SHOWING))


def use_computer_password(pyatspi, window, column):
    """This computer's password into the field; masked, the field is heard as a password field."""
    password = next(c for c in controls(window) if c.getRoleName() == "text" and
                    c.name == "Passwd:")
    press(pyatspi, window, COMPUTER_PASSWORD[column - 1])
    wait_for("this computer's password in the field",
             lambda: password.queryText().getText(0, -1) == PASSWORD)
    show = next(c for c in controls(window) if c.getRoleName() == "check box")
    for role in ("password text", "text"):
        show.queryAction().doAction(0)
        wait_for('the password field heard as "%s"' % role,
                 lambda: (password.clearCache(), password.getRoleName())[1] == role)


def press(pyatspi, window, name):
    button = next(c for c in window if c.getRoleName() == BUTTON and c.name == name)
    wait_for('"%s" enabled' % name, lambda: button.getState().contains(pyatspi.STATE_ENABLED))
    button.queryAction().doAction(0)


def save_and_hear_the_wait(pyatspi, windows, pages, column):
    """SAVE, with the password typed through AT-SPI (as on Wayland, where xdotool cannot type),
    and the list page's line and animation while the speaker reboots, until it is back."""
    settings = windows[-1]
    started_listening = lambda: open(SPEAKER_OUT).read().count("listening on ")
    listened = started_listening()
    password = next(c for c in controls(settings)
                    if c.getRoleName() == "text" and c.name == "Passwd:")
    password.queryEditableText().setTextContents(PASSWORD)
    press(pyatspi, settings, pages[-1][1][-1][1])
    animation_name, line = (texts[column - 1] for texts in WAITING)
    heard = lambda: [(c.getRoleName(), c.name) for c in controls(windows[0])]
    wait_for('"%s" on the list page' % line, lambda: (LABEL, line) in heard())
    animation = next(c for c in controls(windows[0])
                     if c.getRoleName() == "animation" and c.name == animation_name)
    wait_for('"%s" busy' % animation_name,
             lambda: animation.getState().contains(pyatspi.STATE_BUSY))
    # Until the speaker is back from its reboot, so that the next walk finds it answering.
    wait_for("the speaker back", lambda: started_listening() > listened)


def not_busy(pyatspi, window):
    animation = next(c for c in controls(window) if c.getRoleName() == "animation")
    if animation.getState().contains(pyatspi.STATE_BUSY):
        fail("the busy animation of \"%s\" is reported busy" % window.name)


def opengl_drivers(pid):
    with open("/proc/%d/maps" % pid) as maps:
        return sorted({line.split()[-1] for line in maps
                       if "/" in line and OPENGL_DRIVER.search(line.split()[-1])})


def walk(pyatspi, language, work):
    column = 1 + LANGUAGES.index(language)
    pages = [(titles[column - 1], [(row[0], row[column]) for row in rows]) for titles, rows in PAGES]
    environment = dict(os.environ, LC_ALL=language, LANG=language, LANGUAGE="",
                       QT_QPA_PLATFORM=PLATFORM, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = start([PROGRAM], env=environment, stdout=subprocess.DEVNULL,
                    stderr=open(os.path.join(work, "program.log"), "a"))

    windows = []
    for index, (title, expected) in enumerate(pages):
        if windows:
            # On with the default button, which is the page's last.
            press(pyatspi, windows[-1], pages[index - 1][1][-1][1])
        windows.append(check_page(pyatspi, language, title, expected))
        # Waiting only until the WLAN page is open.
        not_busy(pyatspi, windows[0])
        if index == 1:
            check_known_mark(pyatspi, windows[1], language, column)
            visit_other_network(pyatspi, windows[1], language, pages[2][0], column)
    use_computer_password(pyatspi, windows[2], column)
    # The WLAN page has its answer, the settings page sends nothing yet.
    for window in windows[1:]:
        not_busy(pyatspi, window)

    drivers = opengl_drivers(program.pid)
    if drivers:
        fail("%s: the program has loaded OpenGL drivers: %s" % (PLATFORM, " ".join(drivers)))

    # xdotool types on X11 only.
    if PLATFORM == "xcb":
        check_tab_order(pyatspi, windows[-1], pages[-1][0])

    save_and_hear_the_wait(pyatspi, windows, pages, column)
    stop(program)
    started.remove(program)
    print("%s, %s: every control of the pages heard as expected, this computer's WLAN marked and "
          "its password taken, and the wait after SAVE" % (language, PLATFORM))


def check_tab_order(pyatspi, window, title):
    """Tab from the name field goes down the settings page."""
    focusable = [c for c in controls(window) if c.getState().contains(pyatspi.STATE_FOCUSABLE)
                 and c.getState().contains(pyatspi.STATE_ENABLED)]
    focused = lambda: next((c for c in focusable if c.getState().contains(pyatspi.STATE_FOCUSED)),
                           None)
    x11_window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                                capture_output=True, text=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", x11_window], timeout=10)
    wait_for("focus on the name field", lambda: focused() == focusable[0])
    for control in focusable[1:]:
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        wait_for('focus on "%s" after Tab' % control.name, lambda: focused() == control)


def main():
    # Orphans of what we start (the AT-SPI registry) become our children, so that we reap them.
    PR_SET_CHILD_SUBREAPER = 36
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))

    with tempfile.TemporaryDirectory(prefix="vantir-atspi.") as work:
        global SPEAKER_OUT
        SPEAKER_OUT = os.path.join(work, "speaker.out")
        try:
            start([SPEAKER_SIM, "--name", SPEAKER, "--reboot-seconds", REBOOT_SECONDS],
                  stdout=open(SPEAKER_OUT, "w"), stderr=subprocess.DEVNULL)
            wait_for("speaker", lambda: "listening on " in open(SPEAKER_OUT).read())
            start_networkmanager()
            start_buses(work)
            # Reads DISPLAY and the session bus when it is imported.
            import pyatspi
            for language in LANGUAGES:
                walk(pyatspi, language, work)
        finally:
            for process in reversed(started):
                stop(process)
            reap_orphans()


if __name__ == "__main__":
    main()
