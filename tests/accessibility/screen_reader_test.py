#!/usr/bin/python3
"""The Linux window read and used the way a screen reader does, through
AT-SPI (Debian's pyatspi), on a private session and accessibility bus.

  screen_reader_test.py PROGRAM SCENARIOS_JSON     (on an X display)

The tree (roles, names, states), the message through the text interface, the
pupil's scenarios played through the action and selection interfaces, and the
events a screen reader hears when the pupil clicks with real X input.
"""

import json
import os
import subprocess
import sys
import time
import unittest
import warnings

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from a11y_session import Session  # noqa: E402

PROGRAM = SCENARIOS_JSON = None
VERDICTS = ("Правилно.", "Грешка!", "Посочете две стойности!")
EVENTS = ("object:state-changed:focused", "object:state-changed:checked",
          "object:state-changed:showing", "object:text-changed",
          "object:selection-changed")

pyatspi = GLib = None


def table():
    """The scenarios and the answer table, as the build's parser wrote them."""
    with open(SCENARIOS_JSON, encoding="utf-8") as f:
        return json.load(f)


def scenarios():
    """{name: [(word, rest), ...]}, each step as its line in the file."""
    def line(step):
        verb, number, text = step["verb"], step["number"], step["text"]
        if verb == "say_start":
            return "say", "start"
        if not text:
            return verb, "none" if number < 0 else str(number)
        return verb, text if number < 0 else f"{text} {number}"
    return {s["name"]: [line(step) for step in s["steps"]]
            for s in table()["scenarios"]}


def answers():
    return dict(enumerate(table()["answers"]))


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


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def center(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


class Window:
    """The program started in the session, and its published window."""

    def __init__(self, session):
        self.process = session.spawn([PROGRAM])
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


class ScreenReaderTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        global pyatspi, GLib
        cls.session = Session().__enter__()
        # The client finds the accessibility bus as the program does.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = cls.session.env[
            "DBUS_SESSION_BUS_ADDRESS"]
        import pyatspi as atspi
        from gi.repository import GLib as glib
        pyatspi, GLib = atspi, glib

    @classmethod
    def tearDownClass(cls):
        cls.session.__exit__(None, None, None)

    def setUp(self):
        self.window = Window(self.session)
        self.addCleanup(self.window.close)

    def test_tree_roles_names_states(self):
        w = self.window
        title = subprocess.check_output(
            ["xdotool", "search", "--sync", "--classname", "Trovanel",
             "getwindowname"], env=self.session.env, text=True).strip()
        self.assertEqual(w.frame.getRole(), pyatspi.ROLE_FRAME)
        self.assertEqual(w.frame.name, title)
        self.assertIn("active", states(w.frame))
        # Only what is shown: the hidden lists and text box are absent.
        roles = [c.getRole() for c in children(w.frame)]
        self.assertEqual(roles, [pyatspi.ROLE_LABEL, pyatspi.ROLE_PANEL,
                                 pyatspi.ROLE_LABEL, pyatspi.ROLE_LIST,
                                 pyatspi.ROLE_TEXT, pyatspi.ROLE_NOTIFICATION])
        title_label, _, heading = children(w.frame)[:3]
        self.assertTrue(title_label.name.strip())
        self.assertEqual(w.panel.name, "Вид алюр")
        self.assertEqual([o.name for o in w.options],
                         ["Галоп", "Кариер ", "Раван", "Тръс ", "Ходом"])
        for option in w.options:
            self.assertEqual(option.getRole(), pyatspi.ROLE_RADIO_BUTTON)
            self.assertTrue({"focusable", "enabled", "showing"} <= states(option))
            self.assertNotIn("checked", states(option))
            self.assertEqual(option.queryAction().getName(0), "click")
        # The list is named by the heading above it.
        self.assertEqual(w.list.name, heading.name)
        self.assertTrue(heading.name)
        self.assertEqual(len(w.rows), 5)
        self.assertEqual(len({r.name for r in w.rows if r.name}), 5)
        for row in w.rows:
            self.assertEqual(row.getRole(), pyatspi.ROLE_LIST_ITEM)
            self.assertIn("selectable", states(row))
            self.assertNotIn("selected", states(row))
        self.assertEqual(w.list.querySelection().nSelectedChildren, 0)
        self.assertTrue({"focused", "multi line", "read only"} <= states(w.message))
        self.assertNotIn("editable", states(w.message))
        self.assertNotIn("showing", states(w.notification))

    def test_message_through_text_interface(self):
        text = self.window.message.queryText()
        start = self.window.start_text
        self.assertGreater(len(start), 20)
        self.assertNotIn(start, VERDICTS)
        # Offsets count characters, not the bytes of UTF-8.
        self.assertEqual(text.characterCount, len(start))
        self.assertEqual(text.getText(3, 9), start[3:9])
        word, first, end = text.getTextAtOffset(4, pyatspi.TEXT_BOUNDARY_WORD_START)
        self.assertEqual(word, start[first:end])
        self.assertTrue(first <= 4 < end and word.strip())
        line, first, end = text.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_LINE_START)
        self.assertEqual((first, line), (0, start[:end]))
        self.assertLess(end, len(start))  # the box wraps the start text

    def test_scenarios_through_actions(self):
        played = 0
        for name, steps in scenarios().items():
            words = {word for word, _ in steps}
            if not words <= {"option", "row", "say", "chosen", "selected", "focus"}:
                continue  # keys and half clicks are no screen reader's actions
            with self.subTest(scenario=name):
                if played:
                    self.window.close()
                    self.window = Window(self.session)
                self.play(steps)
            played += 1
        self.assertGreater(played, 0)

    def play(self, steps):
        w = self.window
        for word, rest in steps:
            if word == "option":
                self.assertTrue(w.options[int(rest)].queryAction().doAction(0))
            elif word == "row":
                self.assertTrue(w.list.querySelection().selectChild(int(rest)))
            elif word == "say":
                expected = w.start_text if rest == "start" else rest
                pump(5, lambda: text_of(w.message) == expected)
                self.assertEqual(text_of(w.message), expected)
            elif word == "chosen":
                chosen = [i for i, o in enumerate(w.options)
                          if "checked" in states(o)]
                self.assertEqual(chosen, [] if rest == "none" else [int(rest)])
            elif word == "selected":
                selection = w.list.querySelection()
                selected = [i for i in range(len(w.rows))
                            if selection.isChildSelected(i)]
                self.assertEqual(selected, [] if rest == "none" else [int(rest)])

    def test_events_of_real_clicks(self):
        w = self.window
        heard = []
        listener = lambda event: heard.append(
            (event.type, event.source.getRole(), event.source.name,
             event.detail1, event.any_data, event.detail2))
        pyatspi.Registry.registerEventListener(listener, *EVENTS)
        self.addCleanup(pyatspi.Registry.deregisterEventListener, listener, *EVENTS)
        # The program hears of the listeners through the registry: focus
        # moves to and fro until it tells of it.
        heard_focus = lambda: any(e[0].endswith("focused") for e in heard)
        for target in [w.list, w.message] * 10:
            target.queryComponent().grabFocus()
            if pump(1, heard_focus):
                break
        self.assertTrue(heard_focus(), "no focus event arrived")

        gait = 2
        for target, message in ((w.options[gait], "Посочете две стойности!"),
                                (w.rows[answers()[gait]], "Правилно.")):
            del heard[:]
            x, y = center(target)
            subprocess.check_call(["xdotool", "mousemove", "--sync", str(x),
                                   str(y), "click", "1"], env=self.session.env)
            announced = lambda: any(e[1] == pyatspi.ROLE_NOTIFICATION and e[3]
                                    for e in heard)
            self.assertTrue(pump(10, announced), heard)
            kinds = [e[0] for e in heard]
            focus = next(i for i, e in enumerate(heard)
                         if e[0].endswith("focused") and e[3])
            note = next(i for i, e in enumerate(heard)
                        if e[1] == pyatspi.ROLE_NOTIFICATION)
            self.assertLess(focus, note, "the message before the focus")
            self.assertEqual(heard[note][2], message)
            self.assertIn(("object:text-changed:insert", pyatspi.ROLE_TEXT),
                          [(e[0], e[1]) for e in heard])
            # Offset and length in characters, once, without the old
            # text-changed variant doubling it.
            changes = [(e[0], e[3], e[4], e[5]) for e in heard
                       if e[0].startswith("object:text-changed")]
            self.assertEqual(changes[-1], ("object:text-changed:insert", 0,
                                           message, len(message)))
            self.assertEqual(len(changes), 2)
            if target.getRole() == pyatspi.ROLE_RADIO_BUTTON:
                self.assertEqual(heard[focus][2], target.name)
                self.assertIn(("object:state-changed:checked", target.name, 1),
                              [(e[0], e[2], e[3]) for e in heard])
            else:
                self.assertEqual(heard[focus][1], pyatspi.ROLE_LIST)
                self.assertIn("object:selection-changed", kinds)
            self.assertEqual(w.notification.name, message)


if __name__ == "__main__":
    # pyatspi's own use of GLib's deprecated calls is no concern here.
    warnings.simplefilter("ignore", DeprecationWarning)
    warnings.simplefilter("ignore", ImportWarning)
    PROGRAM, SCENARIOS_JSON = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1], verbosity=2, warnings="ignore")
