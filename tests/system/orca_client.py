#!/usr/bin/env python3
"""Conwave as a blind student hears it: keys sent as from a keyboard (xdotool) to the program, and the strings the
screen reader Orca speaks, read back from Orca's debug log. Orca and the program run on the caller's private desktop.
The checks are what only Orca can show: what is spoken, in which order, and once. Each waits for something to be
spoken, or read through the accessibility bus, up to a deadline; none counts what happens within a time. (When the
sentence is told, the program decides by its own clock; the window tests drive that clock.)

Usage: orca_client.py LANGUAGE ORCA_LOG   (en or de; Orca and the program run in that language)
Exits 0 when every check holds; prints each failed check.
"""

import re
import subprocess
import sys

import accessibility_client as tree  # the program's texts per language; the accessibility tree
from accessibility_client import check

# The role words Orca says after a name, in Orca's own words.
ROLES = {
    "en": {"image": "image", "text": "text", "scroll bar": "scroll bar"},
    "de": {"image": "Bild", "text": "Text", "scroll bar": "Rollbalken"},
}
# The menu item as the menu bar shows it, and the letter that chooses it with Alt.
MENU = {"en": ("About", "a"), "de": ("Über Conwave", "b")}

ENTRY = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ")
SPOKEN = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - SPEECH OUTPUT: '")
SPOKEN_END = re.compile(r"'(?: voice=\w+)?\s*\{[^{}]*\}\s*$")
VALUE = re.compile(r"^\d[.,]\d$")  # Orca saying the M bar's value


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

    def keys(self, *names):
        """Sends the keys; the mark of what is spoken from then on."""
        mark = self.mark()
        keys(*names)
        return mark

    def await_(self, found, mark, seconds=15.0):
        """The first utterance since the mark for which found() holds, waiting for it up to the bound."""
        return tree.until(lambda: next((said for said in self.since(mark) if found(said)), None), seconds)


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

    def steps_heard(mark):
        """What a change of the M bar makes Orca say since the mark, in order: its value, then the sentence."""
        return ["value" if VALUE.match(said) else "sentence" for said in speech.since(mark)
                if VALUE.match(said) or interval in said]

    app = tree.application()
    if app is None:
        print("FAIL no application named Conwave on the accessibility bus")
        return 1
    boxes = {symbol: tree.find(app, "text", starts=symbol + ",") for symbol in tree.SYMBOLS.values()}
    names = {symbol: box.name if box is not None else symbol + "," for symbol, box in boxes.items()}
    bar, clock = tree.find(app, "scroll bar", starts="M,"), tree.find_clock(app, texts)
    if None in (bar, clock, boxes["M"]):
        print("FAIL no M scroll bar, M text box or clock on the accessibility bus")
        return 1

    # The picture has the focus at start-up.
    check(speech.await_(named(texts["picture"], "image"), 0) is not None,
          f"the picture is heard as {texts['picture']!r}, {roles['image']!r} once: {speech.read()[-3:]!r}")

    mark = speech.keys("Tab")
    check(speech.await_(named(names["M"], "text"), mark) is not None,
          f"the M box is heard as {names['M']!r}, not by its caption: {speech.since(mark)!r}")
    keys("2")
    mark = speech.keys("Tab")
    check(speech.await_(named(names["M"], "scroll bar"), mark) is not None,
          f"the M bar is heard as {names['M']!r}, {roles['scroll bar']!r} once: {speech.since(mark)!r}")
    mark = speech.keys("Tab")
    check(speech.await_(lambda said: texts["start"] in said, mark) is not None, f"START is heard: {texts['start']!r}")

    # START with M 2: the sentence is heard while the focus stays on START; then, while the animation runs and the
    # clock moves on twice, nothing.
    mark = speech.keys("space")
    check(speech.await_(lambda said: texts["after start"] in said, mark) is not None,
          f"after START the sentence is heard: {speech.since(mark)!r}")
    quiet = speech.mark()
    for _ in range(2):
        shown = clock.name
        check(tree.until(lambda: clock.name != shown) is not None, f"the clock moves on from {shown!r}")
    check(not speech.since(quiet), f"nothing is heard while the animation runs: {speech.since(quiet)!r}")
    check(len(sentences(mark)) == 1, f"the sentence is heard once: {sentences(mark)!r}")

    # Back on the M bar: each step is heard as the bar's value, then the sentence for it; the third page step brings
    # Mach 1.5.
    mark = speech.keys("shift+Tab")
    check(speech.await_(named(names["M"], "scroll bar"), mark) is not None, "the M bar is heard again")
    steps = speech.mark()
    for key in ("Next", "Next", "Next", "Right"):
        mark = speech.keys(key)
        check(speech.await_(lambda said: interval in said, mark) is not None,
              f"after {key} the sentence is heard: {speech.since(mark)!r}")
    check(steps_heard(steps) == ["value", "sentence"] * 4,
          f"each step is heard as its value, then its sentence, once: {speech.since(steps)!r}")
    check(any(texts["after bar"] in said for said in sentences(steps)), f"Mach 1.5 is told: {texts['after bar']!r}")

    # A held arrow steps the bar on, the key repeating; let go, the sentence is heard once, after the values, for
    # where the bar stopped.
    hold = speech.mark()
    start = bar.queryValue().currentValue
    subprocess.run(["xdotool", "keydown", "Left"], check=True)
    stepped = tree.until(lambda: bar.queryValue().currentValue <= start - 0.25, 30.0)
    subprocess.run(["xdotool", "keyup", "Left"], check=True)
    check(stepped, f"the held arrow steps the bar on from {start} to {bar.queryValue().currentValue}")
    told = speech.await_(lambda said: interval in said, hold)
    heard = steps_heard(hold)
    check(heard[-1:] == ["sentence"] and heard.count("sentence") == 1 and "value" in heard,
          f"the values while the arrow is held, then one sentence: {speech.since(hold)!r}")
    stopped = boxes["M"].queryText().getText(0, -1)
    check(told is not None and f" {stopped}:" in told, f"the sentence is for Mach {stopped}: {told!r}")

    # The boxes on the way to nWave, each by its name.
    mark = speech.keys("Tab", "Tab")
    check(speech.await_(named(names["tMax"], "text"), mark) is not None,
          f"the tMax box is heard as {names['tMax']!r}: {speech.since(mark)!r}")
    keys("Tab")
    check(speech.await_(named(names["nWave"], "text"), mark) is not None,
          f"the nWave box is heard as {names['nWave']!r}: {speech.since(mark)!r}")

    # A text that is no number: the warning is read in full, with its button.
    keys("a", "b", "c")
    refused = mark = speech.keys("shift+Tab", "shift+Tab", "space")
    warning = speech.await_(lambda said: texts["not a number"] in said, mark)
    check(warning is not None, f"the warning is heard: {texts['not a number']!r}")
    check(speech.await_(lambda said: said.startswith("OK "), mark) is not None, "its OK button is heard")
    mark = speech.keys("Return")
    check(speech.await_(named(names["nWave"], "text"), mark) is not None,
          f"the warning closes and the nWave box is heard again: {speech.since(mark)!r}")
    check(not sentences(refused), f"a refusal tells no sentence: {sentences(refused)!r}")

    # About by keys, as a desktop has them: Alt or F10 puts the focus on the menu bar, where its item is heard, and
    # Return chooses it; Alt with the item's letter chooses it at once. Its text is heard when it opens; Escape
    # closes it.
    caption, letter = MENU[language]
    for way in (["alt", "Return"], ["F10", "Return"], [f"alt+{letter}"]):
        mark = speech.mark()
        for key in way[:-1]:
            keys(key)
            check(speech.await_(lambda said: said.startswith(caption), mark) is not None,
                  f"{key} puts the focus on the menu bar, {caption!r} is heard: {speech.since(mark)!r}")
        keys(way[-1])
        about = tree.until(lambda: tree.window(app, texts["about"]))
        lines = [node.name for node in tree.walk(about) if node.getRoleName() == "label"] if about else []
        check(len(lines) == 6, f"{' then '.join(way)} opens About with its six lines: {lines!r}")
        check(lines and speech.await_(lambda said: all(line in said for line in lines), mark) is not None,
              f"About's lines are heard when it opens: {speech.since(mark)!r}")
        mark = speech.keys("Escape")
        check(tree.until(lambda: not tree.window(app, texts["about"])) is not None, "Escape closes About")
        check(speech.await_(lambda said: said.startswith("Conwave "), mark) is not None,
              f"the main window is heard again: {speech.since(mark)!r}")

    print(f"{language}: {len(tree.failures)} failed")
    return 1 if tree.failures else 0


if __name__ == "__main__":
    sys.exit(main())
