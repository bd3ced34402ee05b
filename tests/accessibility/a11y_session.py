"""A desktop session for the screen-reader tests, on the X display in DISPLAY.

A private D-Bus session bus, optionally the accessibility bus on it (started
as desktops start it, by at-spi-bus-launcher, which also announces it on the
root window), and the accessibility status switched on. The test process
becomes a child subreaper, so that whatever a program leaves running after it
ends comes back to the test as its child, and can be seen.
"""

import ctypes
import os
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__))), "support"))
from xvfb_run import stop  # noqa: E402,F401 (the tests stop theirs with it)

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

# A session bus with no services to start: nothing answers for the
# accessibility bus.
BARE_BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir={tmp}</listen>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""


def become_subreaper():
    PR_SET_CHILD_SUBREAPER = 36
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)


def children():
    """The pids of this process's living children (zombies are reaped)."""
    while True:
        try:
            if os.waitpid(-1, os.WNOHANG)[0] == 0:
                break
        except ChildProcessError:
            break
    mine = set()
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(fields[1]) == os.getpid() and fields[0] != "Z":
            mine.add(int(entry))
    return mine


def command_of(pid):
    try:
        with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
            return cmdline.read().replace(b"\0", b" ").decode(errors="replace")
    except OSError:
        return "?"


class Session:
    """with Session(accessibility=True) as session: session.env ..."""

    def __init__(self, session_bus=True, accessibility=True):
        self.session_bus = session_bus
        self.accessibility = accessibility
        self.processes = []
        self.helpers = set()  # started by the buses, adopted by this process
        self.tmp = tempfile.TemporaryDirectory(prefix="trovanel-a11y-")
        # No user bus socket: a session bus exists only if started here.
        self.env = dict(os.environ, XDG_RUNTIME_DIR=self.tmp.name)
        for name in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS",
                     "NO_AT_BRIDGE"):
            self.env.pop(name, None)

    def __enter__(self):
        try:
            if self.session_bus:
                self._start_session_bus()
            if self.accessibility:
                self._start_accessibility_bus()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        for pid in self.helpers:
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        for process in reversed(self.processes):
            stop(process)
        children()
        if self.accessibility:
            # The launcher's announcement would outlive it on this display.
            subprocess.call(["xprop", "-root", "-remove", "AT_SPI_BUS"],
                            env=self.env, stderr=subprocess.DEVNULL)
        self.tmp.cleanup()

    def spawn(self, argv, **kwargs):
        process = subprocess.Popen(argv, env=self.env, **kwargs)
        self.processes.append(process)
        return process

    def _start_session_bus(self):
        if self.accessibility:
            config = ["--session"]
        else:
            path = os.path.join(self.tmp.name, "bus.conf")
            with open(path, "w") as f:
                f.write(BARE_BUS_CONFIG.format(tmp=self.tmp.name))
            config = [f"--config-file={path}"]
        bus = self.spawn(["dbus-daemon", *config, "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                         text=True)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        bus.stdout.close()

    def _start_accessibility_bus(self):
        self.spawn([LAUNCHER, "--launch-immediately"], stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 20
        while self.send("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress") != 0:
            if time.monotonic() > deadline:
                raise RuntimeError("the accessibility bus did not start")
            time.sleep(0.1)
        self.send("org.a11y.Bus", "/org/a11y/bus",
                  "org.freedesktop.DBus.Properties.Set",
                  "string:org.a11y.Status", "string:IsEnabled",
                  "variant:boolean:true")
        # The registry runs before any program, as on a desktop; the bus
        # starts it on the first call, and it comes to this process.
        address = subprocess.check_output(
            ["dbus-send", "--session", "--dest=org.a11y.Bus",
             "--print-reply=literal", "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
            env=self.env, text=True).strip()
        subprocess.check_call(
            ["dbus-send", f"--bus={address}", "--dest=org.a11y.atspi.Registry",
             "--print-reply", "/org/a11y/atspi/registry",
             "org.freedesktop.DBus.Peer.Ping"],
            env=self.env, stdout=subprocess.DEVNULL)
        deadline = time.monotonic() + 5
        while not self.helpers and time.monotonic() < deadline:
            self.helpers = children() - {p.pid for p in self.processes}
            time.sleep(0.05)

    def send(self, destination, path, method, *args):
        return subprocess.call(
            ["dbus-send", "--session", f"--dest={destination}", "--print-reply",
             path, method, *args],
            env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
