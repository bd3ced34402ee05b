#!/usr/bin/python3
"""The program starts, answers, closes with status 0 and leaves no process
behind, whatever buses the desktop has; the accessibility layer is loaded
only when a bus is there.

  bus_variants_test.py PROGRAM DRIVER     (on an X display)

DRIVER waits for the window, answers one question by real clicks and asks
the window manager to close it.
"""

import os
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from a11y_session import Session, become_subreaper, children, command_of  # noqa: E402

PROGRAM = DRIVER = None
LAYER = ("trovanel-accessibility.so", "libatk-", "libglib-", "libdbus-")


class BusVariantsTest(unittest.TestCase):
    def run_program(self, env):
        before = children()
        program = subprocess.Popen([PROGRAM], env=env, stderr=subprocess.PIPE)
        subprocess.check_call(["xdotool", "search", "--sync", "--classname",
                               "Trovanel"], env=env, stdout=subprocess.DEVNULL)
        with open(f"/proc/{program.pid}/maps") as maps:
            loaded = {part for line in maps for part in LAYER if part in line}
        driver = subprocess.Popen([DRIVER], env=env)
        self.assertEqual(driver.wait(timeout=60), 0)
        self.assertEqual(program.wait(timeout=30), 0, program.stderr.read())
        program.stderr.close()
        # Whatever the program started and left running is now ours.
        time.sleep(0.5)
        left = children() - before
        self.assertEqual([command_of(pid) for pid in left], [])
        return loaded

    def test_no_session_bus(self):
        with Session(session_bus=False, accessibility=False) as session:
            # Not even GLib or ATK: without a bus the program is as it was.
            self.assertEqual(self.run_program(session.env), set())

    def test_session_bus_without_accessibility_bus(self):
        with Session(session_bus=True, accessibility=False) as session:
            self.assertIn(LAYER[0], self.run_program(session.env))

    def test_accessibility_bus_announced_on_the_display_only(self):
        # libdbus would launch a session bus of its own here, if asked for one.
        with Session() as session:
            env = dict(session.env)
            del env["DBUS_SESSION_BUS_ADDRESS"]
            self.assertEqual(self.run_program(env), set(LAYER))

    def test_running_accessibility_bus(self):
        with Session() as session:
            self.assertEqual(self.run_program(session.env), set(LAYER))


if __name__ == "__main__":
    PROGRAM, DRIVER = sys.argv[1], sys.argv[2]
    become_subreaper()
    unittest.main(argv=sys.argv[:1], verbosity=2)
