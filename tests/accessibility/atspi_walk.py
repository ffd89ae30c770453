#!/usr/bin/python3
# What a screen reader hears: the real program on a virtual display of its own,
# with a session bus and the AT-SPI bus of its own, walked from the speaker list
# to the settings page of a simulated speaker in English and in German. On each
# page the role and name of every control are read through AT-SPI, as Orca reads
# them; and the program has loaded no OpenGL driver, except for Qt's own window frame where
# the compositor draws none. The lines that change are heard as they change, fields are
# described by what is wrong with them, and every button and field has an access key of its own.
# Runs inside the private DNS-SD network (tools/dnssd-net run --).
#
#   [ATSPI_WALK_PLATFORM=wayland [ATSPI_WALK_COMPOSITOR=sway]] atspi_walk.py PROGRAM SPEAKER_SIM
#
# On X11 (xcb, the default) the display is Xvfb; on Wayland it is weston (which frames no
# windows) or sway (which frames them) with their headless back ends, and the AT-SPI bus is found
# through the session bus alone (atspi_session.py).

import os
import re
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # no byte code of atspi_session in the source tree
from atspi_session import reap_what_we_start, start, start_buses, started, stop, stop_all

PROGRAM, SPEAKER_SIM = sys.argv[1:3]
PLATFORM = os.environ.get("ATSPI_WALK_PLATFORM", "xcb")
COMPOSITOR = os.environ.get("ATSPI_WALK_COMPOSITOR", "weston")
DISPLAY_NAME = PLATFORM if PLATFORM == "xcb" else COMPOSITOR
# Where the compositor draws no frames, the windows have Qt's: its plugin and the OpenGL
# driver that it needs.
QT_FRAME = PLATFORM == "wayland" and COMPOSITOR == "weston"
TIMEOUT = 30  # seconds for a page, a speaker or a bus to appear
# A GLX or EGL vendor library, a DRI driver, LLVM, the toolkit's EGL buffer integration.
OPENGL_DRIVER = re.compile(r"/(lib(GLX|EGL)_[^/]*\.so[^/]*|[^/]*_dri\.so|libLLVM[^/]*|"
                           r"[^/]*wayland-egl[^/]*)$")
QT_FRAME_PLUGIN = re.compile(r"/libbradient\.so$")
LANGUAGES = ["en_US.UTF-8", "de_DE.UTF-8"]
BUTTON, LABEL, FIELD = "push button", "label", "text"
# A line that changes: a notification, which a screen reader speaks whenever it shows.
LINE = "notification"
SPEAKER = "VANTIR Ovix Living Room"
PASSWORD = "Sommer-2024!"
REBOOT_SECONDS = "4"  # the simulator's reboot after SAVE, while the list shows that it waits

# Why SAVE is not available: the line under the password field, and the field's description.
TOO_SHORT = ("The password of this WLAN is too short: at least 8 characters, or 64 hexadecimal "
             "digits.",
             "Das Passwort dieses WLANs ist zu kurz: mindestens 8 Zeichen oder 64 Hexadezimalziffern.")
SCANNING = ("The speaker is looking for WLANs…", "Der Lautsprecher sucht nach WLANs…")
SENDING = ("Sending the settings to the speaker…",
           "Die Einstellungen werden an den Lautsprecher gesendet…")
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
    (LABEL, "Passwd:", "Passwd:"), (FIELD, "Passwd:", "Passwd:"),
    ("check box", *SHOW_PASSWORD), (BUTTON, *COMPUTER_PASSWORD), (LINE, "", "")]
SETTINGS_END = [
    (LABEL, "IP Addr:", "IP Addr:"), (LABEL, "127.0.0.1", "127.0.0.1"),
    (LABEL, "Vers:", "Vers:"), (LABEL, "2.4.17", "2.4.17"),
    (LABEL, "Clicking on SAVE will reboot your\nVANTIR Ovix-Speakers!",
     "Klicken auf OK lässt Ihre\nVANTIR Ovixs neu starten!"),
    (LINE, "", ""),  # this computer on another WLAN than the speaker's: hidden unless so
    ("animation", "Waiting for the speaker's answer", "Warten auf die Antwort des Lautsprechers"),
    (LINE, SENDING[0], SENDING[1]),
    (BUTTON, "< Back", "< Zurück"), (BUTTON, "SAVE", "OK")]

# Each page's title and its controls in the order a reader walks them: role, English, German.
# The values on the settings page are the speaker simulator's device and first WLAN.
PAGES = [
    (("VANTIR Ovix Configurator", "VANTIR Ovix Konfigurator"), [
        ("tree", "Speakers on this network", "Lautsprecher in diesem Netzwerk"),
        ("animation", "Waiting for the speaker", "Warten auf den Lautsprecher"),
        (LINE, "", ""),  # why no speaker is chosen: empty and hidden until then
        ("animation", "Waiting for saved speakers", "Warten auf die eingerichteten Lautsprecher"),
        (LINE, "", ""),  # which saved speakers are awaited: empty and hidden until SAVE
        (LINE, "", ""),  # how a saved speaker came back: empty and hidden until then
        (LINE, "", ""),  # the switch of this computer to the saved speaker's WLAN: hidden until then
        # Why no speaker is listed: asked, or said once the list has stayed empty; hidden while
        # a speaker is listed.
        (BUTTON, "Why is no speaker listed?", "Warum wird kein Lautsprecher angezeigt?"),
        (LINE, "", ""),
        ("image", "A row of VANTIR speakers", "Eine Reihe VANTIR Lautsprecher"),
        (LABEL, "The Speakers and your\ndevice have to be in\nthe same WLAN!",
         "Die Lautsprecher und\nIhr Mobilgerät müssen\nim selben WLAN sein!\n"),
        (BUTTON, "Quit", "Beenden"), (BUTTON, "Add by address…", "Über Adresse hinzufügen…"),
        (BUTTON, "< Back", "< Zurück"), (BUTTON, "Next >", "Weiter >")]),
    (("Select WLAN", "WLAN auswählen"), [
        ("tree", "WLANs the speaker sees", "WLANs, die der Lautsprecher sieht"),
        ("image", "A radio mast sending to a speaker",
         "Ein Funkmast, der zu einem Lautsprecher sendet"),
        (LABEL, "Speaker: " + SPEAKER, "Lautsprecher: " + SPEAKER),
        (LINE, "", ""),  # that the speaker is no longer announced: empty and hidden until then
        (LABEL, "Please select your private WLAN", "Bitte wählen Sie Ihr privates WLAN"),
        (BUTTON, "Rescan", "Erneut suchen"), (BUTTON, OTHER_NETWORK[0], OTHER_NETWORK[1]),
        (LINE, "", ""),  # why the rows are those of an earlier scan: empty and hidden until then
        ("animation", "Waiting for the speaker's WLANs", "Warten auf die WLANs des Lautsprechers"),
        (LINE, "The speaker is looking for WLANs…", "Der Lautsprecher sucht nach WLANs…"),
        (BUTTON, "< Back", "< Zurück"), (BUTTON, "Next >", "Weiter >")]),
    (("Speaker WLAN Settings", "WLAN Einstellungen"), [
        ("image", "The front of a VANTIR speaker", "Die Vorderseite eines VANTIR Lautsprechers"),
        (LABEL, "Speaker: " + SPEAKER, "Lautsprecher: " + SPEAKER),
        (LINE, "", ""),  # that the speaker is no longer announced: empty and hidden until then
        # Each value named by its own text, after its label (VALUES).
        (LABEL, "Model:", "Modell:"), (LABEL, "Ovix", "Ovix"),
        (LABEL, "Name:", "Name:"), (FIELD, "Name:", "Name:"),
        (LABEL, "WLAN:", "WLAN:"), (LABEL, "Hausnetz", "Hausnetz"),
        *PASSWORD_CONTROLS,
        (LABEL, TOO_SHORT[0], TOO_SHORT[1]),
        *SETTINGS_END]),
]

# The settings page's values, each labelled by its label (a screen reader reads "Model: Ovix"
# once): the value, then its label in English and German.
VALUES = [("Ovix", "Model:", "Modell:"), ("Hausnetz", "WLAN:", "WLAN:"),
          ("127.0.0.1", "IP Addr:", "IP Addr:"), ("2.4.17", "Vers:", "Vers:")]

# The settings page of "Other network…": the WLAN's name to type and its security. The button for
# this computer's password is there, hidden until a WLAN that it knows is typed.
OTHER_NETWORK_PAGE = [
    ("image", "The front of a VANTIR speaker", "Die Vorderseite eines VANTIR Lautsprechers"),
    (LABEL, "Speaker: " + SPEAKER, "Lautsprecher: " + SPEAKER), (LINE, "", ""),
    (LABEL, "Model:", "Modell:"), (LABEL, "Ovix", "Ovix"),
    (LABEL, "Name:", "Name:"), (FIELD, "Name:", "Name:"),
    (LABEL, "WLAN:", "WLAN:"), (FIELD, "WLAN:", "WLAN:"),
    # On Linux the toolkit names a combo box by its choice; its label is a relation (below).
    (LABEL, "Security:", "Sicherheit:"), ("combo box", *SECURITY_WPA),
    *PASSWORD_CONTROLS,
    (LABEL, "Enter the name of the WLAN.", "Geben Sie den Namen des WLANs ein."),
    *SETTINGS_END]

# After SAVE, on the list page: the busy animation and the line naming the speaker awaited, and
# the line when it is back (the simulator answers on the loopback address, on the WLAN it was sent).
WAITING = [("Waiting for saved speakers", "Warten auf die eingerichteten Lautsprecher"),
           ('Waiting for "%s" to come back…' % SPEAKER, "Warten, bis „%s“ zurückkommt…" % SPEAKER)]
BACK = ('The speaker "%s" is back on the network, on the WLAN "Hausnetz", IP address 127.0.0.1.'
        % SPEAKER,
        "Der Lautsprecher „%s“ ist wieder im Netzwerk, im WLAN „Hausnetz“, IP-Adresse 127.0.0.1."
        % SPEAKER)

# Each page's buttons and fields with their access keys, in English and German: the buttons'
# are told to screen readers (a field's the toolkit does not tell); no two of a page are the same.
ACCESS_KEYS = [
    [(BUTTON, "Next >", "Weiter >", "Alt+N", "Alt+W"),
     (BUTTON, "Quit", "Beenden", "Alt+Q", "Alt+B"),
     (BUTTON, "< Back", "< Zurück", "Alt+B", "Alt+Z"),
     (BUTTON, "Add by address…", "Über Adresse hinzufügen…", "Alt+A", "Alt+A"),

     (BUTTON, "Why is no speaker listed?", "Warum wird kein Lautsprecher angezeigt?", "Alt+W",
      "Alt+K")],
    [(BUTTON, "Next >", "Weiter >", "Alt+N", "Alt+W"),
     (BUTTON, "< Back", "< Zurück", "Alt+B", "Alt+Z"),
     (BUTTON, "Rescan", "Erneut suchen", "Alt+R", "Alt+E"),
     (BUTTON, OTHER_NETWORK[0], OTHER_NETWORK[1], "Alt+O", "Alt+A")],
    [(BUTTON, "SAVE", "OK", "Alt+S", "Alt+O"),
     (BUTTON, "< Back", "< Zurück", "Alt+B", "Alt+Z"),
     (FIELD, "Name:", "Name:", "Alt+N", "Alt+N"),
     (FIELD, "Passwd:", "Passwd:", "Alt+P", "Alt+P"),
     ("check box", SHOW_PASSWORD[0], SHOW_PASSWORD[1], "Alt+H", "Alt+A"),
     (BUTTON, COMPUTER_PASSWORD[0], COMPUTER_PASSWORD[1], "Alt+U", "Alt+D")],
]

SPEAKER_OUT = None  # what the simulated speaker writes: "listening on ..." once up, again after SAVE
HEARD = None  # what a screen reader is told, once the AT-SPI bus is up


def fail(message):
    raise SystemExit("atspi_walk: " + message)


def wait_for(what, condition):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        if HEARD:
            HEARD.pump()
        value = condition()
        if value:
            return value
        time.sleep(0.2)
    fail("no " + what + " within %d s" % TIMEOUT)


class Heard:
    """The events a screen reader listens to, registered before the program starts so that it
    sends them from the first: each as (type, detail1, role, name, description) of its source
    when it came. A line that changes is spoken when it shows ("showing" turns on for a
    notification); a new name or description is spoken for the focused control."""

    TYPES = ["object:state-changed:showing", "object:property-change:accessible-name",
             "object:property-change:accessible-description", "object:state-changed:focused",
             "object:text-caret-moved", "object:text-selection-changed"]

    def __init__(self, pyatspi):
        from gi.repository import GLib
        self.context = GLib.MainContext.default()
        self.events = []
        pyatspi.Registry.registerEventListener(self.note, *self.TYPES)

    def note(self, event):
        try:
            source = event.source
            self.events.append((event.type, event.detail1, source.getRoleName(), source.name,
                                source.description))
        except Exception:  # a source gone before it could be asked
            pass

    def pump(self):
        while self.context.pending():
            self.context.iteration(False)

    def mark(self):
        self.pump()
        return len(self.events)

    def expect(self, language, since, what, match):
        """Waits for an event since the mark that matches, and says which ones came if none."""
        found = lambda: any(match(*event) for event in self.events[since:])
        try:
            wait_for(what, found)
        except SystemExit:
            fail("%s: not heard: %s; heard:\n  %s" % (
                language, what, "\n  ".join(map(repr, self.events[since:]))))

    def expect_line(self, language, since, line):
        self.expect(language, since, 'the line "%s" shown' % line,
                    lambda kind, on, role, name, _: kind == self.TYPES[0] and on == 1 and
                    role == LINE and name == line)


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


def check_descriptions(language, window, column):
    """The password field is described by why SAVE is not available; the name field, which is
    fine, by nothing."""
    fields = {c.name: c.description for c in controls(window) if c.getRoleName() == FIELD}
    expected = {"Name:": "", "Passwd:": TOO_SHORT[column - 1]}
    if fields != expected:
        fail("%s: the fields are described as %r, expected %r" % (language, fields, expected))


def labelled_by(pyatspi, control):
    return [relation.getTarget(i).name for relation in control.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(relation.getNTargets())]


def check_value_labels(pyatspi, language, window, column):
    """Each value is labelled by its label, which a reader reads in front of the value's name."""
    for value, *labels in VALUES:
        control = next(c for c in controls(window) if c.getRoleName() == LABEL and c.name == value)
        told = labelled_by(pyatspi, control)
        if told != [labels[column - 1]]:
            fail('%s: the value "%s" is labelled by %r' % (language, value, told))


def check_first_focus(pyatspi, language, window, column):
    """Tab from the name field into the empty password field: its focus is told first, with its
    name (its label) and description (why SAVE is not available). A reader takes a caret told
    before it for the focus, and then says nothing of the field."""
    name_field = next(c for c in controls(window) if c.getRoleName() == FIELD and
                      c.name == "Name:")
    x11_focus(pyatspi, window)
    has_focus = lambda: (name_field.clearCache(),
                         name_field.getState().contains(pyatspi.STATE_FOCUSED))[1]
    wait_for("focus on the name field", has_focus)
    since = HEARD.mark()
    subprocess.run(["xdotool", "key", "Tab"], check=True, timeout=10)
    focused = lambda kind, on, *_: kind == Heard.TYPES[3] and on == 1
    HEARD.expect(language, since, "the focus after Tab", focused)
    first = next(event for event in HEARD.events[since:] if event[3] == "Passwd:")
    if first != (Heard.TYPES[3], 1, FIELD, "Passwd:", TOO_SHORT[column - 1]):
        fail("%s: the password field is first heard as %r" % (language, first))
    # Back where the tab order's check begins.
    subprocess.run(["xdotool", "key", "shift+Tab"], check=True, timeout=10)
    wait_for("focus on the name field again", has_focus)


def check_access_keys(pyatspi, language, window, index, column):
    """Each button tells its access key as the key binding of its "Press" action, which a
    disabled button does not have."""
    keys = ACCESS_KEYS[index]
    told = {}
    for control in controls(window):
        if control.getRoleName() != BUTTON:
            continue
        action = control.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        if "Press" in names:
            told[control.name] = action.getKeyBinding(names.index("Press"))
    expected = {row[column]: row[2 + column] for row in keys
                if row[0] == BUTTON and row[column] in told}
    if told != expected:
        fail("%s, page \"%s\": the buttons tell the keys %r, expected %r"
             % (language, window.name, told, expected))
    every = [row[2 + column] for row in keys]
    if len(set(every)) != len(every):
        fail("%s, page \"%s\": two controls share a key: %r" % (language, window.name, every))


def access_key(index, column, name):
    """The key of the control NAME of page INDEX, as xdotool names it ("alt+n")."""
    row = next(r for r in ACCESS_KEYS[index] if r[column] == name)
    return row[2 + column].lower()


def x11_focus(pyatspi, window):
    """The keyboard focus to WINDOW, once the program knows it is the active window: keys that
    come earlier find no window for their shortcuts."""
    # xdotool's pattern takes a byte for a character: "ä" is two in UTF-8.
    pattern = re.sub(r"[^\x00-\x7f]", ".+", re.escape(window.name))
    search = ["xdotool", "search", "--onlyvisible", "--name", "^%s$" % pattern]
    x11_window = wait_for('the X11 window "%s"' % window.name, lambda: subprocess.run(
        search, capture_output=True, text=True).stdout.split())[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", x11_window], timeout=10)
    wait_for('"%s" active' % window.name,
             lambda: window.getState().contains(pyatspi.STATE_ACTIVE))


def press_key(pyatspi, window, index, column, name):
    """Presses the button NAME by its access key (X11, with xdotool)."""
    button = next(c for c in window if c.getRoleName() == BUTTON and c.name == name)
    wait_for('"%s" enabled' % name, lambda: button.getState().contains(pyatspi.STATE_ENABLED))
    x11_focus(pyatspi, window)
    subprocess.run(["xdotool", "key", access_key(index, column, name)], check=True, timeout=10)


def go_on(pyatspi, window, index, column, name):
    """Presses the button NAME of page INDEX: by its access key where xdotool types (X11), else
    through AT-SPI."""
    if PLATFORM == "xcb":
        press_key(pyatspi, window, index, column, name)
    else:
        press(pyatspi, window, name)


def check_field_keys(pyatspi, window, index, column):
    """Each field's access key gives it the keyboard focus."""
    for role, *row in reversed(ACCESS_KEYS[index]):
        if role != FIELD:
            continue
        name = row[column - 1]
        field = next(c for c in controls(window) if c.getRoleName() == FIELD and c.name == name)
        x11_focus(pyatspi, window)
        subprocess.run(["xdotool", "key", access_key(index, column, name)], check=True, timeout=10)
        wait_for('focus on "%s" by its key' % name,
                 lambda: field.getState().contains(pyatspi.STATE_FOCUSED))


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
    label = expected[expected.index(("combo box", SECURITY_WPA[column - 1])) - 1]
    if labels != [label[1]]:
        fail("%s: the security choice is labelled by %r" % (language, labels))
    press(pyatspi, typed, SETTINGS_END[-2][column])
    wait_for("the WLAN page again", lambda: window.getState().contains(pyatspi.STATE_SHOWING))


def use_computer_password(pyatspi, language, window, column):
    """This computer's password into the field, which is then no longer described by why SAVE is
    not available; masked, the field is heard as a password field."""
    password = next(c for c in controls(window) if c.getRoleName() == FIELD and
                    c.name == "Passwd:")
    since = HEARD.mark()
    press(pyatspi, window, COMPUTER_PASSWORD[column - 1])
    wait_for("this computer's password in the field",
             lambda: password.queryText().getText(0, -1) == PASSWORD)
    HEARD.expect(language, since, "the password field's description gone",
                 lambda kind, _, role, name, description: kind == Heard.TYPES[2] and
                 role == FIELD and name == "Passwd:" and description == "")
    show = next(c for c in controls(window) if c.getRoleName() == "check box")
    for role in ("password text", "text"):
        show.queryAction().doAction(0)
        wait_for('the password field heard as "%s"' % role,
                 lambda: (password.clearCache(), password.getRoleName())[1] == role)


def press(pyatspi, window, name):
    button = next(c for c in window if c.getRoleName() == BUTTON and c.name == name)
    wait_for('"%s" enabled' % name, lambda: button.getState().contains(pyatspi.STATE_ENABLED))
    button.queryAction().doAction(0)


def save_and_hear_the_wait(pyatspi, language, windows, pages, column):
    """SAVE, with this computer's password in the field: the line that the settings are sent,
    the list page's line and animation while the speaker reboots, and the line that it is back,
    each heard as it shows."""
    settings = windows[-1]
    # SAVE, now available, tells its key too.
    check_access_keys(pyatspi, language, settings, len(pages) - 1, column)
    since = HEARD.mark()
    go_on(pyatspi, settings, len(pages) - 1, column, pages[-1][1][-1][1])
    HEARD.expect_line(language, since, SENDING[column - 1])
    animation_name, line = (texts[column - 1] for texts in WAITING)
    HEARD.expect_line(language, since, line)
    heard = lambda: [(c.getRoleName(), c.name) for c in controls(windows[0])]
    wait_for('"%s" on the list page' % line, lambda: (LINE, line) in heard())
    animation = next(c for c in controls(windows[0])
                     if c.getRoleName() == "animation" and c.name == animation_name)
    wait_for('"%s" busy' % animation_name,
             lambda: animation.getState().contains(pyatspi.STATE_BUSY))
    # Back from its reboot, and answering: the next walk finds it so.
    HEARD.expect_line(language, since, BACK[column - 1])


def not_busy(pyatspi, window):
    animation = next(c for c in controls(window) if c.getRoleName() == "animation")
    if animation.getState().contains(pyatspi.STATE_BUSY):
        fail("the busy animation of \"%s\" is reported busy" % window.name)


def mapped(pid, pattern):
    with open("/proc/%d/maps" % pid) as maps:
        return sorted({line.split()[-1] for line in maps
                       if "/" in line and pattern.search(line.split()[-1])})


def walk(pyatspi, language, work):
    column = 1 + LANGUAGES.index(language)
    pages = [(titles[column - 1], [(row[0], row[column]) for row in rows]) for titles, rows in PAGES]
    environment = dict(os.environ, LC_ALL=language, LANG=language, LANGUAGE="",
                       QT_QPA_PLATFORM=PLATFORM, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = start([PROGRAM], env=environment, stdout=subprocess.DEVNULL,
                    stderr=open(os.path.join(work, "program.log"), "a"))

    windows = []
    for index, (title, expected) in enumerate(pages):
        since = HEARD.mark()
        if windows:
            # On with the default button, which is the page's last.
            go_on(pyatspi, windows[-1], index - 1, column, pages[index - 1][1][-1][1])
        windows.append(check_page(pyatspi, language, title, expected))
        check_access_keys(pyatspi, language, windows[-1], index, column)
        if index == 1:
            HEARD.expect_line(language, since, SCANNING[column - 1])
        # Waiting only until the WLAN page is open.
        not_busy(pyatspi, windows[0])
        if index == 1:
            check_known_mark(pyatspi, windows[1], language, column)
            visit_other_network(pyatspi, windows[1], language, pages[2][0], column)
    check_descriptions(language, windows[-1], column)
    check_value_labels(pyatspi, language, windows[-1], column)
    if PLATFORM == "xcb":
        check_first_focus(pyatspi, language, windows[-1], column)
    use_computer_password(pyatspi, language, windows[2], column)
    # The WLAN page has its answer, the settings page sends nothing yet.
    for window in windows[1:]:
        not_busy(pyatspi, window)

    frame = mapped(program.pid, QT_FRAME_PLUGIN)
    if QT_FRAME and not frame:
        fail("%s: the windows have no frame of Qt's" % DISPLAY_NAME)
    if not QT_FRAME:
        if frame:
            fail("%s: the program has loaded Qt's frame: %s" % (DISPLAY_NAME, " ".join(frame)))
        drivers = mapped(program.pid, OPENGL_DRIVER)
        if drivers:
            fail("%s: the program has loaded OpenGL drivers: %s"
                 % (DISPLAY_NAME, " ".join(drivers)))

    # xdotool types on X11 only.
    if PLATFORM == "xcb":
        check_tab_order(pyatspi, windows[-1])
        check_field_keys(pyatspi, windows[-1], len(pages) - 1, column)

    save_and_hear_the_wait(pyatspi, language, windows, pages, column)
    stop(program)
    started.remove(program)
    print("%s, %s: every control of the pages heard as expected with its access key, the lines "
          "heard as they changed, this computer's WLAN marked and its password taken, and the "
          "wait after SAVE" % (language, DISPLAY_NAME))


def check_tab_order(pyatspi, window):
    """Tab from the name field goes down the settings page."""
    focusable = [c for c in controls(window) if c.getState().contains(pyatspi.STATE_FOCUSABLE)
                 and c.getState().contains(pyatspi.STATE_ENABLED)]
    focused = lambda: next((c for c in focusable if c.getState().contains(pyatspi.STATE_FOCUSED)),
                           None)
    x11_focus(pyatspi, window)
    wait_for("focus on the name field", lambda: focused() == focusable[0])
    for control in focusable[1:]:
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        wait_for('focus on "%s" after Tab' % control.name, lambda: focused() == control)


def main():
    reap_what_we_start()

    with tempfile.TemporaryDirectory(prefix="vantir-atspi.") as work:
        global SPEAKER_OUT
        SPEAKER_OUT = os.path.join(work, "speaker.out")
        try:
            start([SPEAKER_SIM, "--name", SPEAKER, "--reboot-seconds", REBOOT_SECONDS],
                  stdout=open(SPEAKER_OUT, "w"), stderr=subprocess.DEVNULL)
            wait_for("speaker", lambda: "listening on " in open(SPEAKER_OUT).read())
            start_networkmanager()
            start_buses(work, PLATFORM, COMPOSITOR)
            # Reads DISPLAY and the session bus when it is imported.
            import pyatspi
            global HEARD
            HEARD = Heard(pyatspi)
            for language in LANGUAGES:
                walk(pyatspi, language, work)
        finally:
            stop_all()


if __name__ == "__main__":
    main()
