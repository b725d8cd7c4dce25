"""Trimvale as an assistive-technology client sees it over AT-SPI: the
questionnaire's tree, the one-answer rule, and the result windows opened
through the "Press" action. Run by atspi_test.sh, with the program running."""

import os
import subprocess
import time
import unittest
import warnings

import pyatspi
from gi.repository import GLib

# A program starting may take long on a busy machine; what it does after a
# click takes moments, and a wait for it gives up sooner.
START = 60
REACTION = 15
# pyatspi 2.46 calls functions that Atspi marks deprecated.
warnings.filterwarnings("ignore", message=".*deprecated")


def pump(seconds=0.05):
    """Lets AT-SPI deliver what the program sent."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def wait_until(condition, what, seconds=REACTION):
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        pump()


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Trimvale":
            return app
    return None


def descendants(accessible):
    for child in accessible:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def states(accessible):
    return set(accessible.getState().getStates())


def enabled(accessible):
    return pyatspi.STATE_SENSITIVE in states(accessible)


def checked(accessible):
    return pyatspi.STATE_CHECKED in states(accessible)


def related(accessible, relation):
    for r in accessible.getRelationSet():
        if r.getRelationType() == relation:
            return [r.getTarget(i) for i in range(r.getNTargets())]
    return []


def act(accessible, name):
    actions = accessible.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i).lower() == name:
            actions.doAction(i)
            return
    raise AssertionError(f"{accessible.name!r} has no {name!r} action")


def program_text(form):
    stored = subprocess.run([os.environ["TRIMVALE_PROGRAM_TEXT"], form],
                            check=True, capture_output=True).stdout
    return stored.decode("latin-1").replace("\r\n", "\n")


def windows():
    return [w for w in application() if w is not None]


class Events:
    """Collects the program's events of one kind while a test runs."""

    def __init__(self, kind):
        self.kind = kind
        self.seen = []

    def __enter__(self):
        pyatspi.Registry.registerEventListener(self.seen.append, self.kind)
        return self

    def __exit__(self, *_):
        pyatspi.Registry.deregisterEventListener(self.seen.append, self.kind)

    def sources(self, detail1):
        return [e.source for e in self.seen if e.detail1 == detail1]


def notifications(shown):
    return [e.source.name for e in shown.seen
            if e.detail1 and e.source.getRole() == pyatspi.ROLE_NOTIFICATION]


class QuestionnaireTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        wait_until(application, "the program on the accessibility bus", START)
        cls.frame = wait_until(
            lambda: next((w for w in windows() if w.name == "Orvane"), None),
            "the questionnaire", START)

    def setUp(self):
        self.rows = {p.name: p for p in descendants(self.frame)
                     if p.getRole() == pyatspi.ROLE_PANEL}
        self.buttons = {b.name: b for b in descendants(self.frame)
                        if b.getRole() == pyatspi.ROLE_PUSH_BUTTON}
        self.clear_forms()

    def press(self, button):
        act(self.buttons[button], "press")

    def clear_forms(self):
        """Presses "Clear Forms" and returns what was announced."""
        with Events("object:state-changed:showing") as shown:
            # "Press" clicks as a mouse does, a moment later; the announcement tells when.
            self.press("Clear Forms")
            said = wait_until(lambda: notifications(shown), "Clear Forms to be announced")
        self.assertTrue(all(enabled(b) and not checked(b)
                            for row in self.rows for b in self.boxes(row)))
        return said[-1]

    def boxes(self, row):
        return [b for b in self.rows[row] if b.getRole() == pyatspi.ROLE_CHECK_BOX]

    def box(self, caption):
        for row in self.rows:
            for box in self.boxes(row):
                if box.name == caption:
                    return box
        raise AssertionError(f"no box {caption!r}")

    def test_tree_roles_names_and_relations(self):
        self.assertEqual(self.frame.getRole(), pyatspi.ROLE_FRAME)
        self.assertEqual(set(self.rows), {"Weight", "Growth", "Age", "Sex"})
        captions = []
        for name, row in self.rows.items():
            heading = row[0]
            self.assertEqual(heading.getRole(), pyatspi.ROLE_LABEL, name)
            self.assertEqual(heading.name, name)
            self.assertEqual(related(row, pyatspi.RELATION_LABELLED_BY), [heading])
            self.assertEqual(related(heading, pyatspi.RELATION_LABEL_FOR), [row])
            for box in self.boxes(name):
                self.assertTrue(box.name and box.description, box.name)
                self.assertIn(pyatspi.STATE_FOCUSABLE, states(box))
                captions.append(box.name)
        self.assertEqual(len(captions), 16)
        self.assertEqual(len(set(captions)), 16)
        self.assertEqual(set(self.buttons), {"get individual program", "Clear Forms"})
        # Nothing a screen reader would stop at without being told what it is.
        for accessible in descendants(self.frame):
            if pyatspi.STATE_SHOWING in states(accessible):
                self.assertTrue(accessible.name, accessible.getRoleName())
            self.assertNotIn(accessible.getRole(),
                             (pyatspi.ROLE_FILLER, pyatspi.ROLE_SEPARATOR))

    def test_toggle_greys_the_row_and_clear_forms_frees_it(self):
        first, *others = self.boxes("Weight")
        open_hint = first.description
        with Events("object:state-changed:sensitive") as greyed, \
                Events("object:state-changed:showing") as shown:
            act(first, "toggle")
            wait_until(lambda: checked(first) and not any(map(enabled, others)),
                       "the other weight boxes to grey out")
            wait_until(lambda: set(greyed.sources(0)) >= set(others),
                       "an event for each greyed box")
            said = wait_until(lambda: notifications(shown), "a notification")
        self.assertIn("Weight", said[-1])
        self.assertTrue(enabled(first))
        self.assertNotEqual(first.description, open_hint)
        self.assertNotIn(first.description, {o.description for o in others})
        self.assertTrue(all(o.description == others[0].description for o in others))
        for row in ("Growth", "Age", "Sex"):
            self.assertTrue(all(map(enabled, self.boxes(row))), row)

        # A greyed box takes no click.
        actions = others[0].queryAction()
        self.assertNotIn("toggle", [actions.getName(i).lower() for i in range(actions.nActions)])

        self.assertNotEqual(self.clear_forms(), said[-1])
        self.assertEqual(first.description, open_hint)

    def test_press_opens_the_window_the_answers_select(self):
        # Totals worked out by hand from the points of the answers.
        boards = [
            ([], "Form4"),  # 50 + 10 + 10 + Male 10 = 80
            (["Female"], "Form2"),  # 90 for a woman
            (["100KG(221p)-and more", "1.45-1.65M(57-65in)", "20-30Years", "Female"], "Form6"),
        ]
        for answers, form in boards:
            with self.subTest(form=form):
                self.clear_forms()
                for caption in answers:
                    act(self.box(caption), "toggle")
                self.press("get individual program")
                text = program_text(form)
                window = wait_until(lambda: next(
                    (w for w in windows() if w.name.startswith("Youre personal")
                     and pyatspi.STATE_ACTIVE in states(w)
                     and self.read(w) == text), None), form + " in front")
                if form == "Form4":
                    self.assertEqual(window.getRole(), pyatspi.ROLE_DIALOG)
                else:
                    self.assertEqual(window.getRole(), pyatspi.ROLE_FRAME)
                    self.assertTrue(window[0].name)  # the text box

    @staticmethod
    def read(window):
        """The notice's sentence, or the whole text of a program's text box."""
        content = window[0]
        if content.getRole() == pyatspi.ROLE_LABEL:
            return content.name
        text = content.queryText()
        return text.getText(0, text.characterCount)


if __name__ == "__main__":
    unittest.main()
