#!/usr/bin/env python3
"""Conwave as a blind student hears it: keys sent as from a keyboard (xdotool) to the program, and the strings the
screen reader Orca speaks, read back from Orca's debug log. Orca and the program run on the caller's private desktop.

Usage: orca_client.py LANGUAGE ORCA_LOG   (en or de; Orca and the program run in that language)
Exits 0 when every check holds; prints each failed check.
"""

import re
import subprocess
import sys
import time

import accessibility_client as tree  # the program's texts per language; the accessibility tree

# The role words Orca says after a name, in Orca's own words.
ROLES = {
    "en": {"image": "image", "text": "text", "scroll bar": "scroll bar"},
    "de": {"image": "Bild", "text": "Text", "scroll bar": "Rollbalken"},
}

ENTRY = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ")
SPOKEN = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - SPEECH OUTPUT: '")
SPOKEN_END = re.compile(r"'(?: voice=\w+)?\s*\{[^{}]*\}\s*$")
VALUE = re.compile(r"^\d\.\d$")  # Orca saying the M bar's value

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


class Speech:
    """What Orca has spoken so far, in order, read from its debug log as it grows."""

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.pending = []  # the lines of an utterance whose end is not written yet
        self.heard = []

    def read(self):
        with open(self.path, encoding="utf-8", errors="replace") as log:
            log.seek(self.offset)
            text = log.read()
        complete = text[:text.rfind("\n") + 1]
        self.offset += len(complete.encode("utf-8", errors="replace"))
        for line in complete.splitlines():
            if self.pending and ENTRY.match(line):
                self.pending = []  # an utterance without its end: not Orca's form, skipped
            if SPOKEN.match(line):
                self.pending = [SPOKEN.sub("", line)]
            elif self.pending:
                self.pending.append(line.strip())
            if self.pending and SPOKEN_END.search(self.pending[-1]):
                self.pending[-1] = SPOKEN_END.sub("", self.pending[-1])
                self.heard.append("\n".join(self.pending).strip())
                self.pending = []
        return self.heard

    def mark(self):
        return len(self.read())

    def since(self, mark):
        return self.read()[mark:]

    def await_(self, found, mark, seconds=15.0):
        """The first utterance since the mark for which found() holds, waiting for it up to the bound."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            match = next((said for said in self.since(mark) if found(said)), None)
            if match is not None:
                return match
            time.sleep(0.05)
        return None


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)


def main():
    language, log = sys.argv[1], sys.argv[2]
    texts, roles = tree.TEXTS[language], ROLES[language]
    speech = Speech(log)
    # Every sentence of this run ends with the interval of 4 wavefronts over 1 s.
    interval = texts["after start"].rsplit(", ", 1)[1]
    sentences = lambda mark: [said for said in speech.since(mark) if interval in said]

    def named(name, role):
        """Orca's words for a control: its name, then its role, the role said once."""
        return lambda said: said.startswith(f"{name} {roles[role]}") and said.count(roles[role]) == 1

    app = tree.application()
    if app is None:
        print("FAIL no application named Conwave on the accessibility bus")
        return 1
    boxes = {symbol: tree.find(app, "text", starts=symbol + ",") for symbol in tree.SYMBOLS.values()}
    names = {symbol: box.name if box is not None else symbol + "," for symbol, box in boxes.items()}

    # The picture has the focus at start-up.
    check(speech.await_(named(texts["picture"], "image"), 0) is not None,
          f"the picture is heard as {texts['picture']!r}, {roles['image']!r} once: {speech.read()[-3:]!r}")

    mark = speech.mark()
    keys("Tab")
    check(speech.await_(named(names["M"], "text"), mark) is not None,
          f"the M box is heard as {names['M']!r}, not by its caption: {speech.since(mark)!r}")
    keys("2")
    mark = speech.mark()
    keys("Tab")
    check(speech.await_(named(names["M"], "scroll bar"), mark) is not None,
          f"the M bar is heard as {names['M']!r}, {roles['scroll bar']!r} once: {speech.since(mark)!r}")
    mark = speech.mark()
    keys("Tab")
    check(speech.await_(lambda said: texts["start"] in said, mark) is not None, f"START is heard: {texts['start']!r}")

    # START with M 2: the sentence is heard, once, while the focus stays on START; then the animation runs silently.
    mark = speech.mark()
    keys("space")
    check(speech.await_(lambda said: texts["after start"] in said, mark) is not None,
          f"after START the sentence is heard: {speech.since(mark)!r}")
    quiet = speech.mark()
    time.sleep(1.5)  # the animation runs: 37 ticks, each with a new clock text
    check(not speech.since(quiet), f"nothing is heard while the animation runs: {speech.since(quiet)!r}")
    check(len(sentences(mark)) == 1, "the sentence is heard once")

    # Back on the M bar: three quick page steps to Mach 1.5 tell one sentence, for where the bar stopped.
    keys("shift+Tab")
    mark = speech.mark()
    keys("Next", "Next", "Next")
    check(speech.await_(lambda said: texts["after bar"] in said, mark) is not None,
          f"after the bar's steps the sentence is heard: {speech.since(mark)!r}")
    step = speech.mark()
    keys("Right")
    check(speech.await_(lambda said: interval in said, step) is not None,
          f"after one step of the bar its sentence is heard: {speech.since(step)!r}")
    check(len(sentences(mark)) == 2, f"one sentence for the three quick steps, one for the step: {sentences(mark)!r}")

    # A held arrow: no sentence while it steps, one when it is let go.
    hold = mark = speech.mark()
    subprocess.run(["xdotool", "keydown", "Left"], check=True)
    time.sleep(1.2)  # held as a student holds it: the key repeats
    values = [said for said in speech.since(mark) if VALUE.match(said)]
    held = sentences(mark)
    subprocess.run(["xdotool", "keyup", "Left"], check=True)
    check(len(values) >= 3, f"the held arrow steps the bar: {values!r}")
    check(not held, f"no sentence while the arrow is held: {held!r}")
    check(speech.await_(lambda said: interval in said, mark) is not None, "the sentence is heard when it is let go")

    # The boxes on the way to nWave, each by its name.
    mark = speech.mark()
    keys("Tab", "Tab")
    check(speech.await_(named(names["tMax"], "text"), mark) is not None,
          f"the tMax box is heard as {names['tMax']!r}: {speech.since(mark)!r}")
    check(len(sentences(hold)) == 1, f"the held arrow told one sentence: {sentences(hold)!r}")
    keys("Tab")
    check(speech.await_(named(names["nWave"], "text"), mark) is not None,
          f"the nWave box is heard as {names['nWave']!r}: {speech.since(mark)!r}")

    # A text that is no number: the warning is read in full, with its button.
    keys("a", "b", "c")
    refused = mark = speech.mark()
    keys("shift+Tab", "shift+Tab", "space")
    warning = speech.await_(lambda said: texts["not a number"] in said, mark)
    check(warning is not None, f"the warning is heard: {texts['not a number']!r}")
    check(speech.await_(lambda said: said.startswith("OK "), mark) is not None, "its OK button is heard")
    mark = speech.mark()
    keys("Return")
    check(speech.await_(named(names["nWave"], "text"), mark) is not None,
          f"the warning closes and the nWave box is heard again: {speech.since(mark)!r}")
    check(not sentences(refused), f"a refusal tells no sentence: {sentences(refused)!r}")

    # About: its text is heard when it opens; Escape closes it.
    mark = speech.mark()
    tree.open_about()
    about = tree.until(lambda: next((node for node in app if node is not None and node.name == texts["about"]), None))
    lines = [node.name for node in tree.walk(about) if node.getRoleName() == "label"] if about else []
    check(len(lines) == 6, f"About shows its six lines: {lines!r}")
    check(lines and speech.await_(lambda said: all(line in said for line in lines), mark) is not None,
          f"About's lines are heard when it opens: {speech.since(mark)!r}")
    mark = speech.mark()
    keys("Escape")
    check(tree.until(lambda: not any(node is not None and node.name == texts["about"] for node in app)) is not None,
          "Escape closes About")
    check(speech.await_(lambda said: said.startswith("Conwave "), mark) is not None,
          f"the main window is heard again: {speech.since(mark)!r}")

    print(f"{language}: {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
