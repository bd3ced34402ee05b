#!/usr/bin/python3
"""The Linux window read and used the way a screen reader does, through
AT-SPI (Debian's pyatspi), on a private session and accessibility bus.

  screen_reader_test.py PROGRAM SCENARIOS_JSON     (on an X display)

The tree (roles, names, states), the message through the text interface, the
pupil's scenarios played through the action and selection interfaces, the
events a screen reader hears when the pupil clicks and presses keys with real
X input, and what Orca, a real screen reader, says of it all.
"""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import warnings

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi_client  # noqa: E402
from a11y_session import Session, stop  # noqa: E402
from atspi_client import (Listening, Window, click, children,  # noqa: E402
                          fresh_states, press, pump, states, text_of)

PROGRAM = SCENARIOS_JSON = None
VERDICTS = ("Правилно.", "Грешка!", "Посочете две стойности!")
EVENTS = ("object:state-changed:focused", "object:state-changed:checked",
          "object:state-changed:showing", "object:text-changed",
          "object:selection-changed")

# What a screen reader can do and read of the scenarios' steps.
SCREEN_READER_VERBS = {"option", "row", "say", "say_start", "chosen",
                       "selected", "focus"}

pyatspi = SESSION = None


def setUpModule():
    global pyatspi, SESSION
    SESSION = Session().__enter__()
    pyatspi = atspi_client.connect(SESSION)


def tearDownModule():
    SESSION.__exit__(None, None, None)


def table():
    """The scenarios and the answer table, as the build's parser wrote them."""
    with open(SCENARIOS_JSON, encoding="utf-8") as f:
        return json.load(f)


def answers():
    return dict(enumerate(table()["answers"]))


class ScreenReaderTest(unittest.TestCase):
    def setUp(self):
        self.session = SESSION
        self.window = Window(self.session, PROGRAM)
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
        self.assertEqual(w.message.name, "Съобщение")
        self.assertTrue({"focused", "multi line", "read only"} <= states(w.message))
        self.assertNotIn("editable", states(w.message))
        self.assertNotIn("showing", states(w.notification))

    def test_focus_announced_on_start(self):
        listening = Listening(self, "window:activate",
                              "object:state-changed:focused")
        self.window.close()
        self.window = Window(self.session, PROGRAM)
        focus = ("object:state-changed:focused", pyatspi.ROLE_TEXT, 1)

        # A focus published early (the window took it before the bridge was
        # ready) is harmless; a reader needs one after the activation.
        def focus_after_activation():
            kinds = [e[0] for e in listening.heard]
            return ("window:activate" in kinds and
                    focus in listening.heard[kinds.index("window:activate"):])

        self.assertTrue(pump(10, focus_after_activation), listening.heard)

    def test_caret_and_selection_follow_real_keys(self):
        w = self.window
        text = w.message.queryText()
        self.assertEqual(text.caretOffset, 0)
        # One run over the whole text, whatever the offset.
        _, first, end = text.getAttributeRun(7, False)
        self.assertEqual((first, end), (0, len(w.start_text)))
        listening = Listening(self, "object:text-caret-moved",
                              "object:text-selection-changed")
        _, _, second_line = text.getTextAtOffset(
            0, pyatspi.TEXT_BOUNDARY_LINE_START)
        press(self.session, "ctrl+End", "ctrl+Home", "Down")
        moved = ("object:text-caret-moved", pyatspi.ROLE_TEXT, second_line)
        self.assertTrue(pump(10, lambda: moved in listening.heard),
                        listening.heard)
        self.assertEqual(text.caretOffset, second_line)
        self.assertIn(("object:text-caret-moved", pyatspi.ROLE_TEXT,
                       len(w.start_text)), listening.heard)
        press(self.session, "shift+End")
        self.assertTrue(pump(10, lambda: text.getNSelections() == 1))
        line, _, _ = text.getTextAtOffset(second_line,
                                          pyatspi.TEXT_BOUNDARY_LINE_START)
        self.assertEqual(text.getSelection(0),
                         (second_line, second_line + len(line.rstrip())))
        self.assertTrue(pump(5, lambda: "object:text-selection-changed" in
                             [e[0] for e in listening.heard]))
        # Nothing typed changes the text.
        press(self.session, "x", "BackSpace", "Delete", "Return")
        pump(1)
        self.assertEqual(text_of(w.message), w.start_text)

    def test_keys_reach_a_key_listener(self):
        pressed = []
        swallow = [False]

        def listener(event):
            pressed.append(event.event_string)
            return swallow[0]
        kinds = (pyatspi.KEY_PRESSED_EVENT,)
        masks = list(range(16))
        pyatspi.Registry.registerKeystrokeListener(
            listener, mask=masks, kind=kinds, synchronous=True,
            preemptive=True)
        self.addCleanup(pyatspi.Registry.deregisterKeystrokeListener,
                        listener, mask=masks, kind=kinds)
        text = self.window.message.queryText()
        press(self.session, "Down")
        self.assertTrue(pump(10, lambda: "Down" in pressed), pressed)
        self.assertTrue(pump(5, lambda: text.caretOffset > 0))
        # A key the listener consumes never reaches the window.
        swallow[0] = True
        caret = text.caretOffset
        press(self.session, "Down")
        self.assertTrue(pump(10, lambda: pressed.count("Down") == 2), pressed)
        pump(1)
        self.assertEqual(text.caretOffset, caret)

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
        for scenario in table()["scenarios"]:
            steps = scenario["steps"]
            if not {step["verb"] for step in steps} <= SCREEN_READER_VERBS:
                continue  # keys and half clicks are no screen reader's actions
            with self.subTest(scenario=scenario["name"]):
                if played:
                    self.window.close()
                    self.window = Window(self.session, PROGRAM)
                self.play(steps)
            played += 1
        self.assertGreater(played, 0)

    def play(self, steps):
        w = self.window
        for step in steps:
            verb, number = step["verb"], step["number"]
            wanted = [] if number < 0 else [number]
            if verb == "option":
                self.assertTrue(w.options[number].queryAction().doAction(0))
            elif verb == "row":
                self.assertTrue(w.list.querySelection().selectChild(number))
            elif verb in ("say", "say_start"):
                expected = step["text"] if verb == "say" else w.start_text
                pump(5, lambda: text_of(w.message) == expected)
                self.assertEqual(text_of(w.message), expected)
            elif verb == "chosen":
                self.assertEqual([i for i, o in enumerate(w.options)
                                  if "checked" in states(o)], wanted)
            elif verb == "selected":
                selection = w.list.querySelection()
                self.assertEqual([i for i in range(len(w.rows))
                                  if selection.isChildSelected(i)], wanted)

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
            click(self.session, target)
            announced = lambda: any(e[1] == pyatspi.ROLE_NOTIFICATION and e[3]
                                    for e in heard)
            self.assertTrue(pump(10, announced), heard)
            kinds = [e[0] for e in heard]
            note = next(i for i, e in enumerate(heard)
                        if e[1] == pyatspi.ROLE_NOTIFICATION)
            # The last focus before the message: a late one from the warm-up
            # above may still come first.
            focused = [i for i, e in enumerate(heard[:note])
                       if e[0].endswith("focused") and e[3]]
            self.assertTrue(focused, "the message before the focus")
            focus = focused[-1]
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
                # What where-am-I reads: the state set itself.
                self.assertIn("checked", fresh_states(target))
                self.assertIn(("object:state-changed:checked", target.name, 1),
                              [(e[0], e[2], e[3]) for e in heard])
            else:
                self.assertEqual(heard[focus][1], pyatspi.ROLE_LIST)
                self.assertIn("object:selection-changed", kinds)
            self.assertEqual(w.notification.name, message)


# Orca with its debug log line-buffered, so that each utterance is in the
# log as soon as it is spoken.
ORCA_LINE_BUFFERED = """
import builtins, runpy, sys
plain_open = builtins.open
def line_buffered(file, mode="r", *args, **kwargs):
    if mode == "w" and not args and not kwargs:
        kwargs["buffering"] = 1
    return plain_open(file, mode, *args, **kwargs)
builtins.open = line_buffered
sys.argv = sys.argv[1:]
runpy.run_path(sys.argv[0], run_name="__main__")
"""


@unittest.skipUnless(shutil.which("orca"), "Orca is not installed")
class OrcaTest(unittest.TestCase):
    """What Orca says, from its debug log: speech on (with or without a
    speech server), braille off, preferences of its own."""

    def setUp(self):
        self.session = SESSION
        home = tempfile.TemporaryDirectory(prefix="trovanel-orca-")
        self.addCleanup(home.cleanup)
        self.log = os.path.join(home.name, "orca.log")
        prefs = os.path.join(home.name, "prefs")
        os.mkdir(prefs)
        orca = subprocess.Popen(
            [sys.executable, "-c", ORCA_LINE_BUFFERED, shutil.which("orca"),
             "--user-prefs", prefs, "--enable", "speech", "--disable",
             "braille", "--debug-file", self.log],
            env=dict(self.session.env, HOME=home.name,
                     XDG_CONFIG_HOME=home.name, GSETTINGS_BACKEND="memory"),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(stop, orca)
        self.heard = 0
        # A few seconds on a quiet machine, far more on a loaded one.
        self.assertIsNotNone(self.said(lambda u: u == "Screen reader on.", 60))

    def said(self, wanted, seconds=20):
        """The first utterance since the last one found that is wanted."""
        found = []

        def look():
            if not os.path.exists(self.log):
                return False
            with open(self.log, encoding="utf-8", errors="replace") as log:
                spoken = re.findall(r"SPEECH OUTPUT: '(.*)' ?\[?\{", log.read())
            for index in range(self.heard, len(spoken)):
                if wanted(spoken[index]):
                    self.heard = index + 1
                    found.append(spoken[index])
                    return True
            return False
        pump(seconds, look)
        return found[0] if found else None

    def test_start_text_line_by_line_and_the_verdict(self):
        w = Window(self.session, PROGRAM)
        self.addCleanup(w.close)
        title = w.frame.name
        line = lambda u: len(u.strip()) > 10 and u.strip() in w.start_text
        self.assertIsNotNone(self.said(lambda u: title in u))
        self.assertIsNotNone(self.said(lambda u: u.startswith(w.message.name)))
        first = self.said(line)
        self.assertIsNotNone(first, "no line of the start text on start")
        press(self.session, "Down")
        second = self.said(line)
        self.assertIsNotNone(second, "no line on Down")
        self.assertGreater(w.start_text.index(second.strip()),
                           w.start_text.index(first.strip()))
        gait = 2
        for target in (w.options[gait], w.rows[answers()[gait]]):
            click(self.session, target)
        self.assertIsNotNone(self.said(lambda u: "Правилно." in u))


if __name__ == "__main__":
    # pyatspi's own use of GLib's deprecated calls is no concern here.
    warnings.simplefilter("ignore", DeprecationWarning)
    warnings.simplefilter("ignore", ImportWarning)
    PROGRAM, SCENARIOS_JSON = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1], verbosity=2, warnings="ignore")
