"""Drives Trimvale through AT-SPI where no keyboard reaches it: waits for the
questionnaire, or answers "Female" alone and opens the program it selects.
Usage: wayland_drive.py start|answer"""

import sys

from atspi_test import START, act, application, descendants, program_text, wait_until, windows


def questionnaire():
    wait_until(application, "the program on the accessibility bus", START)
    return wait_until(lambda: next((w for w in windows() if w.name == "Orvane"), None),
                      "the questionnaire", START)


def answer():
    controls = {c.name: c for c in descendants(questionnaire())}
    act(controls["Female"], "toggle")
    act(controls["get individual program"], "press")
    text = program_text("Form2")  # 90 points for a woman

    def opened():
        for window in windows():
            # Without a seat no window is ever active.
            if window.name == "Youre personal  program":
                box = window[0].queryText()
                return box.getText(0, box.characterCount) == text
        return False

    wait_until(opened, "the program window, with its text")


if __name__ == "__main__":
    questionnaire() if sys.argv[1] == "start" else answer()
