"""The screen reader's side of AT-SPI in the tests, through Debian's
pyatspi: a client connected once a session's accessibility bus is up, the
program's published window, and what the client hears and reads of it."""

import os
import subprocess
import time

pyatspi = GLib = None


def connect(session):
    """Connects this process to the session's accessibility bus, as the
    program finds it; returns pyatspi."""
    global pyatspi, GLib
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = session.env[
        "DBUS_SESSION_BUS_ADDRESS"]
    import pyatspi as atspi
    from gi.repository import GLib as glib
    pyatspi, GLib = atspi, glib
    return pyatspi


def pump(seconds, until=lambda: False):
    """Runs GLib's loop (events, the client's cache) until the condition
    holds or the time is up; returns the condition."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while not until():
        if time.monotonic() > deadline:
            return False
        while context.iteration(False):
            pass
        time.sleep(0.02)
    return True


def states(accessible):
    return {pyatspi.stateToString(s) for s in accessible.getState().getStates()}


def children(accessible):
    return [accessible.getChildAtIndex(i) for i in range(accessible.childCount)]


def fresh_states(accessible):
    """The state set as the program gives it now, not as the client's cache
    has followed it from events."""
    accessible.clear_cache()
    return states(accessible)


def press(session, *keys):
    subprocess.check_call(["xdotool", "key", "--delay", "50", *keys],
                          env=session.env)


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def click(session, accessible):
    """A real click in the middle of the accessible's box."""
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.check_call(
        ["xdotool", "mousemove", "--sync", str(box.x + box.width // 2),
         str(box.y + box.height // 2), "click", "1"], env=session.env)


class Window:
    """The program started in the session, and its published window."""

    def __init__(self, session, program):
        self.process = session.spawn([program])
        self.app = None
        if not pump(20, self._found):
            raise AssertionError("the program never appeared on the bus")
        self.frame = self.app.getChildAtIndex(0)
        top = children(self.frame)
        self.panel = next(c for c in top if c.getRole() == pyatspi.ROLE_PANEL)
        self.options = children(self.panel)
        self.list = next(c for c in top if c.getRole() == pyatspi.ROLE_LIST)
        self.rows = children(self.list)
        self.message = next(c for c in top if c.getRole() == pyatspi.ROLE_TEXT)
        self.notification = top[-1]
        self.start_text = text_of(self.message)

    def _found(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if (app is not None and app.get_process_id() == self.process.pid
                    and app.childCount):
                self.app = app
                return True
        return False

    def close(self):
        self.process.terminate()
        self.process.wait(timeout=10)


class Listening:
    """The events of the given kinds, as heard from now on."""

    def __init__(self, test, *kinds):
        self.heard = []
        self._kinds = kinds
        pyatspi.Registry.registerEventListener(self._hear, *kinds)
        test.addCleanup(pyatspi.Registry.deregisterEventListener, self._hear,
                        *kinds)

    def _hear(self, event):
        self.heard.append((event.type, event.source.getRole(),
                           event.detail1))
