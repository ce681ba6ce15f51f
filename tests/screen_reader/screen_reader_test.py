#!/usr/bin/python3
"""A short game played the way a blind player plays it, read through the real
AT-SPI stack: a private D-Bus session, at-spi2-core's bus launcher and
registry, the game on a private X server with its accessibility switched on
as a screen reader switches it on, and this script as the screen reader.

It walks the accessible tree and checks that every control that can take the
keyboard has a name; starts a game with the keys; moves the cursor and reads
the cell under it; uncovers and marks, and reads the cells that report a
change; plays on until the game ends and reads the end message; then goes to
the score screen and reads the row of the game just played.

Every process it starts is ended before it returns, whatever happens: the
script makes itself the reaper of its descendants and ends any that remain.
It writes only to a temporary folder, which it removes.

Run: screen_reader_test.py GAME PATTERNS_DIR
"""

import argparse
import ctypes
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

STEP_TIMEOUT = 10.0  # seconds to wait for any one answer of the game
WHOLE_TIMEOUT = 90  # seconds for the whole run, set-up and teardown included
PR_SET_CHILD_SUBREAPER = 36


class Failure(Exception):
    pass


def log(text):
    print(text, flush=True)


# ---------------------------------------------------------------- processes


def descendants_of_self():
    """The processes whose parent is this one (with the reaper flag set,
    orphaned descendants are handed to us)."""
    me = os.getpid()
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % entry) as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(fields[1]) == me:
            found.append(int(entry))
    return found


def end_all_descendants():
    """Terminates every remaining descendant, then kills the stubborn."""
    for sig, grace in ((signal.SIGTERM, 3.0), (signal.SIGKILL, 3.0)):
        deadline = time.monotonic() + grace
        while True:
            reap()
            remaining = descendants_of_self()
            if not remaining:
                return
            for pid in remaining:
                try:
                    os.kill(pid, sig)
                except ProcessLookupError:
                    pass
            if time.monotonic() > deadline:
                break
            time.sleep(0.05)
    reap()


def reap():
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            return


def run_outer(script, args):
    """Runs the game and the reader inside a private session bus, then ends
    whatever is left and removes the temporary folder."""
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    scratch = tempfile.mkdtemp(prefix="quorlane-at-spi-")
    try:
        inner = subprocess.Popen(
            ["dbus-run-session", "--", sys.executable, script, "--inner", "--scratch", scratch,
             args.game, args.patterns])
        try:
            status = inner.wait(timeout=WHOLE_TIMEOUT)
        except subprocess.TimeoutExpired:
            log("FAIL: the run took more than %d seconds" % WHOLE_TIMEOUT)
            status = 1
        return status
    finally:
        end_all_descendants()
        shutil.rmtree(scratch, ignore_errors=True)


# ------------------------------------------------------------- the session


class Session:
    """Xvfb, the accessibility bus and the game, each started here and ended
    in reverse order."""

    def __init__(self, scratch, game, patterns):
        self.scratch = scratch
        self.game = game
        self.patterns = patterns
        self.processes = []

    def start_x(self):
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(xvfb)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + STEP_TIMEOUT
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_end)
        if not number.strip():
            raise Failure("Xvfb did not start")
        os.environ["DISPLAY"] = ":" + number.decode().strip()

    def start_accessibility_bus(self):
        launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(launcher)
        from gi.repository import Gio, GLib
        bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        wait_for(lambda: bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                       "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), None,
                                       Gio.DBusCallFlags.NONE, 1000, None).unpack()[0],
                 "the accessibility bus launcher")
        # What a screen reader does when it starts: toolkits that watch this
        # switch their accessibility on.
        bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                      GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled", GLib.Variant("b", True))),
                      None, Gio.DBusCallFlags.NONE, 5000, None)

    def start_game(self):
        work = os.path.join(self.scratch, "work")
        os.makedirs(work)
        shutil.copytree(self.patterns, os.path.join(work, "Patterns"))
        # The settings the dialog offers: a small, dense field, so that the
        # game ends after a few uncovers.
        with open(os.path.join(work, "LastGame.dat"), "wb") as record:
            record.write(game_record("Listener", size=9, mines=200))
        env = dict(os.environ, QT_QPA_PLATFORM="xcb")
        env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
        env.pop("QT_ACCESSIBILITY", None)
        self.game_log = open(os.path.join(self.scratch, "game.log"), "wb")
        game = subprocess.Popen([self.game], cwd=work, env=env, stdout=self.game_log, stderr=subprocess.STDOUT)
        self.processes.append(game)
        return game

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=3)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()


def game_record(name, size, mines):
    """A 96-byte game record as LastGame.dat holds it: untimed, every square
    its own area, no holes, no links."""
    encoded = name.encode("cp1252")[:16]
    return struct.pack("<B16s3x12iBB6xi16x", len(encoded), encoded,
                       0, 0, size, size, mines, 0, 10, 0, 0, 10, 0, 7, 0, 0, 0)


def wait_for(predicate, what, timeout=STEP_TIMEOUT):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            result = predicate()
        except Exception:
            result = None
        if result:
            return result
        time.sleep(0.05)
    raise Failure("timed out waiting for " + what)


class WindowFocus:
    """What a window manager does for the player: the game's newest window
    takes the keyboard when it appears. The private X server runs none."""

    def __init__(self, pid):
        self.pid = pid
        self.x = ctypes.CDLL("libX11.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XInternAtom.restype = ctypes.c_ulong
        self.x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        self.x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                      ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                      ctypes.POINTER(ctypes.c_uint)]
        self.x.XGetWindowProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long,
                                              ctypes.c_long, ctypes.c_int, ctypes.c_ulong,
                                              ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
                                              ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
                                              ctypes.POINTER(ctypes.c_void_p)]
        self.x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_void_p]
        self.x.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_ulong]
        self.x.XRaiseWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x.XFree.argtypes = [ctypes.c_void_p]
        self.x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.display = self.x.XOpenDisplay(None)
        if not self.display:
            raise Failure("cannot open the X display")
        self.pid_atom = self.x.XInternAtom(self.display, b"_NET_WM_PID", 0)

    def close(self):
        self.x.XCloseDisplay(self.display)

    def windows(self):
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        self.x.XQueryTree(self.display, self.x.XDefaultRootWindow(self.display), ctypes.byref(root),
                          ctypes.byref(parent), ctypes.byref(children), ctypes.byref(count))
        found = [children[k] for k in range(count.value)]  # bottom to top
        if children:
            self.x.XFree(children)
        return [w for w in found if self.viewable(w) and self.owner(w) == self.pid]

    def viewable(self, window):
        attributes = (ctypes.c_int * 64)()  # XWindowAttributes, map_state at int 23
        self.x.XGetWindowAttributes(self.display, window, attributes)
        return attributes[23] == 2  # IsViewable

    def owner(self, window):
        kind, size = ctypes.c_ulong(), ctypes.c_int()
        items, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        self.x.XGetWindowProperty(self.display, window, self.pid_atom, 0, 1, 0, 6, ctypes.byref(kind),
                                  ctypes.byref(size), ctypes.byref(items), ctypes.byref(after), ctypes.byref(data))
        pid = ctypes.cast(data, ctypes.POINTER(ctypes.c_ulong))[0] if data and items.value else None
        if data:
            self.x.XFree(data)
        return pid

    def to_newest(self, count):
        """Once the game shows count windows, the topmost takes the keyboard."""
        shown = wait_for(lambda: (lambda w: w if len(w) >= count else None)(self.windows()),
                         "%d windows of the game" % count)
        self.x.XRaiseWindow(self.display, shown[-1])
        self.x.XSetInputFocus(self.display, shown[-1], 1, 0)  # RevertToPointerRoot, CurrentTime
        self.x.XSync(self.display, 0)


# --------------------------------------------------------------- the reader


class Reader:
    """The screen reader's side: events heard, keys sent, objects read."""

    def __init__(self):
        import pyatspi
        from gi.repository import GLib
        self.pyatspi = pyatspi
        self.context = GLib.MainContext.default()
        self.events = []
        pyatspi.Registry.registerEventListener(self.heard, "focus:", "object:property-change:accessible-name",
                                               "window:activate")

    def heard(self, event):
        try:
            source = event.source
            self.events.append((event.type, source.getRoleName(), source.name, source.description, source))
        except Exception:
            pass

    def pump(self, seconds=0.0):
        deadline = time.monotonic() + seconds
        while True:
            while self.context.iteration(False):
                pass
            if time.monotonic() >= deadline:
                return
            time.sleep(0.01)

    def take_events(self):
        self.pump()
        events, self.events = self.events, []
        return events

    def until(self, predicate, what):
        deadline = time.monotonic() + STEP_TIMEOUT
        while time.monotonic() < deadline:
            self.pump(0.02)
            result = predicate()
            if result:
                return result
        raise Failure("timed out waiting for " + what)

    def key(self, keysym):
        self.pyatspi.Registry.generateKeyboardEvent(keysym, None, self.pyatspi.KEY_SYM)
        self.pump(0.05)

    def application(self, name):
        def find():
            desktop = self.pyatspi.Registry.getDesktop(0)
            for app in desktop:
                if app is not None and app.name == name and app.childCount > 0:
                    return app
            return None
        return self.until(find, "the application " + name)

    def has_state(self, accessible, state):
        return accessible.getState().contains(state)

    def walk(self, accessible, visit, depth=0):
        visit(accessible, depth)
        for child in accessible:
            if child is not None:
                self.walk(child, visit, depth + 1)


KEY_RETURN, KEY_ESCAPE, KEY_SPACE, KEY_M = 0xFF0D, 0xFF1B, 0x20, 0x6D
KEY_HOME, KEY_RIGHT, KEY_DOWN, KEY_PAGE_UP = 0xFF50, 0xFF53, 0xFF54, 0xFF55


def check_names(reader, window, where):
    """Every control that can take the keyboard has a name to be read by."""
    pyatspi = reader.pyatspi
    unnamed = []
    count = [0]

    def visit(accessible, depth):
        if reader.has_state(accessible, pyatspi.STATE_FOCUSABLE):
            count[0] += 1
            if not accessible.name.strip():
                unnamed.append("%s in %s" % (accessible.getRoleName(), accessible.parent.getRoleName()))

    reader.walk(window, visit)
    if unnamed:
        raise Failure("%s: focusable without a name: %s" % (where, ", ".join(unnamed)))
    log("%s: %d controls take the keyboard, every one named" % (where, count[0]))


def find(reader, root, role, name=None):
    found = []

    def visit(accessible, depth):
        if accessible.getRoleName() == role and (name is None or accessible.name == name):
            found.append(accessible)

    reader.walk(root, visit)
    return found[0] if found else None


def focused_cell(reader):
    for kind, role, name, description, source in reversed(reader.take_events()):
        if kind.startswith("focus") and role == "table cell":
            return name, description
    return None


def play(reader, app, focus):
    pyatspi = reader.pyatspi
    main = reader.until(lambda: app[0] if app.childCount else None, "the main window")
    focus.to_newest(1)
    log("main window: %r" % main.name)
    check_names(reader, main, "score screen")
    scores = reader.until(lambda: find(reader, main, "table", "Scores"), "the score table")
    reader.until(lambda: reader.has_state(scores, pyatspi.STATE_FOCUSED), "the score table to have the keys")

    # Enter asks for a new game; Enter again is the dialog's OK.
    reader.key(KEY_RETURN)
    dialog = reader.until(lambda: find_window(reader, app, "New Game"), "the new game dialog")
    focus.to_newest(2)
    check_names(reader, dialog, "new game dialog")
    reader.key(KEY_RETURN)
    focus.to_newest(1)
    field = reader.until(lambda: showing(reader, find(reader, main, "table", "Minefield")), "the minefield")
    table = field.queryTable()
    log("minefield: %d columns, %d rows" % (table.nColumns, table.nRows))
    expect(table.nColumns == 9 and table.nRows == 9, "the field is the 9 x 9 the dialog offered")
    check_names(reader, main, "game screen")  # every cell, too
    names_before = read_field(table)

    # The first key shows the cursor on the centre; the next moves it.
    reader.take_events()
    reader.key(KEY_RIGHT)
    name, description = reader.until(lambda: focused_cell(reader), "the cursor's cell to take the focus")
    log("cursor shown: %r, %r" % (name, description))
    expect(description == "Column 5, row 5; single square", "the cursor starts on the centre")
    expect(name == "Covered", "a new field is covered")
    reader.key(KEY_RIGHT)
    name, description = reader.until(lambda: focused_cell(reader), "the cursor's next cell")
    log("cursor moved: %r, %r" % (name, description))
    expect(description == "Column 6, row 5; single square", "Right moves one column")

    # Space uncovers: the cells whose state changed report it, the cursor's first.
    reader.key(KEY_SPACE)
    changed = reader.until(lambda: name_changes(reader), "the uncovered cells to report")
    log("uncovered: " + describe(changed))
    check_changes(table, names_before, changed)
    names_before = read_field(table)

    # M marks a covered cell: the cursor moves on in reading order until it
    # stands on one.
    cursor = Cursor(reader, row=5, column=6)
    while names_before[cursor.place()] != "Covered":
        cursor.next()
    reader.take_events()
    reader.key(KEY_M)
    changed = reader.until(lambda: name_changes(reader), "the marked cell to report")
    log("marked: " + describe(changed))
    expect([n for n, d in changed] == ["Marked"], "one cell was marked")
    check_changes(table, names_before, changed)

    # Uncover on until the game ends; on a field this dense that is soon.
    # Every uncover changes some cell; a mine that goes off shows them all,
    # and the end message follows.
    end, mines = None, []
    for step in range(81):
        cursor.next()
        if table.getAccessibleAt(*cursor.place()).name != "Covered":
            continue
        reader.take_events()
        reader.key(KEY_SPACE)
        heard = reader.until(lambda: name_changes(reader), "the uncover to answer")
        if not any(n == "Mine" for n, d in heard):
            log("uncovered: " + describe(heard))
            continue
        end = reader.until(lambda: find_alert(reader, app), "the end message")
        mines = [n for n, d in heard + (name_changes(reader) or []) if n == "Mine"]
        focus.to_newest(2)
        break
    expect(end is not None, "the game ended")
    message = " ".join(label.name for label in all_of(reader, end, "label") if label.name)
    log("end message: %r" % message)
    expect("Game Over!" in message, "the end message is read")
    log("mines shown: %d cells report 'Mine'" % len(mines))
    expect(mines, "the mines shown at the end report it")
    score = find(reader, main, "label", "Score").queryText().getText(0, -1)
    log("final score: %s" % score)

    # OK closes the message; the new game dialog follows, and Esc leaves the
    # score screen showing the game just played.
    reader.key(KEY_RETURN)
    reader.until(lambda: find_window(reader, app, "New Game"), "the new game dialog after the end")
    focus.to_newest(2)
    reader.key(KEY_ESCAPE)
    focus.to_newest(1)
    reader.until(lambda: reader.has_state(scores, pyatspi.STATE_FOCUSED), "the score table to have the keys")
    reader.take_events()
    reader.key(KEY_DOWN)
    reader.until(lambda: any(kind.startswith("focus") and role == "table cell" for kind, role, n, d, s in
                             reader.take_events()), "the chosen game's row to take the focus")
    listing = scores.queryTable()
    headers = [listing.getColumnHeader(c).name for c in range(listing.nColumns)]
    row = [listing.getAccessibleAt(0, c).name for c in range(listing.nColumns)]
    log("score table header: %r" % headers)
    log("score table row 1: %r" % row)
    expect(headers == ["Player", "Timed", "Linking", "Shaped cells", "Mines", "Holes", "Size", "Score"],
           "the header names the columns in their order on the screen")
    expect(row == ["Listener", "", "0.0", "1.0", "40.0", "0.0", "9 x 9", score],
           "the row reads as the table paints it")
    expect(listing.isRowSelected(0), "the chosen game is the current row")


class Cursor:
    """Where the game's cursor stands, moved on in reading order by keys."""

    def __init__(self, reader, row, column):
        self.reader, self.row, self.column = reader, row, column

    def place(self):
        return (self.row - 1, self.column - 1)

    def next(self):
        if self.column < 9:
            self.reader.key(KEY_RIGHT)
            self.column += 1
            return
        self.reader.key(KEY_HOME)
        self.column = 1
        if self.row < 9:
            self.reader.key(KEY_DOWN)
            self.row += 1
        else:
            self.reader.key(KEY_PAGE_UP)
            self.row = 1


def describe(changed):
    return ", ".join("%s = %r" % (d.split(";")[0], n) for n, d in changed)


def find_window(reader, app, title):
    for window in app:
        if window is not None and window.name == title and reader.has_state(window, reader.pyatspi.STATE_SHOWING):
            return window
    return None


def find_alert(reader, app):
    for window in app:
        if window is not None and window.getRoleName() == "alert" and reader.has_state(window, reader.pyatspi.STATE_SHOWING):
            return window
    return None


def all_of(reader, root, role):
    found = []
    reader.walk(root, lambda a, d: found.append(a) if a.getRoleName() == role else None)
    return found


def showing(reader, accessible):
    return accessible if accessible is not None and reader.has_state(accessible, reader.pyatspi.STATE_SHOWING) else None


def read_field(table):
    return {(r, c): table.getAccessibleAt(r, c).name for r in range(table.nRows) for c in range(table.nColumns)}


def name_changes(reader):
    """The cells that told of a change: by a change of name, or, for the
    square under the cursor, as a new cell taking the focus (screen readers
    pass over name changes of table cells)."""
    changed = [(n, d) for kind, role, n, d, s in reader.take_events()
               if role == "table cell" and (kind.startswith("object:property-change:accessible-name")
                                            or kind.startswith("focus"))]
    return changed or None


def check_changes(table, before, changed):
    """The cells that reported are exactly the cells whose name changed, and
    each reported its new name."""
    after = read_field(table)
    really = {key for key in after if after[key] != before[key]}
    reported = set()
    for name, description in changed:
        place = description.split(";")[0].split(",")
        column, row = int(place[0].split()[1]), int(place[1].split()[1])
        reported.add((row - 1, column - 1))
        expect(after[(row - 1, column - 1)] == name, "a changed cell reports its new name")
    expect(reported == really, "exactly the changed cells report (%d reported, %d changed)" %
           (len(reported), len(really)))


def expect(condition, what):
    if not condition:
        raise Failure(what)


def run_inner(args):
    os.environ["XDG_RUNTIME_DIR"] = os.path.join(args.scratch, "runtime")
    os.environ["HOME"] = os.path.join(args.scratch, "home")
    os.environ["GSETTINGS_BACKEND"] = "memory"
    os.environ.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
    for folder in ("runtime", "home"):
        os.makedirs(os.path.join(args.scratch, folder), mode=0o700)
    session = Session(args.scratch, os.path.abspath(args.game), os.path.abspath(args.patterns))
    started = time.monotonic()
    try:
        session.start_x()
        session.start_accessibility_bus()
        reader = Reader()
        game = session.start_game()
        app = reader.application("Quorlane")
        focus = WindowFocus(game.pid)
        try:
            play(reader, app, focus)
        finally:
            focus.close()
        expect(game.poll() is None, "the game is still running")
        log("PASS in %.1f s" % (time.monotonic() - started))
        return 0
    except Failure as failure:
        log("FAIL: %s" % failure)
        return 1
    finally:
        session.stop()
        if hasattr(session, "game_log"):
            session.game_log.close()
            with open(session.game_log.name, "rb") as game_log:
                output = game_log.read().decode(errors="replace").strip()
            if output:
                log("game's output:\n" + output)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--inner", action="store_true")
    parser.add_argument("--scratch")
    parser.add_argument("game")
    parser.add_argument("patterns")
    args = parser.parse_args()
    if args.inner:
        return run_inner(args)
    return run_outer(os.path.abspath(__file__), args)


if __name__ == "__main__":
    sys.exit(main())
