#!/usr/bin/env python3
"""Conwave as a screen reader meets it: a real AT-SPI client (pyatspi) reads the running program's tree, presses
START, moves the Mach scroll bar, types a text that is no number and opens About, and checks what it is told.

Usage: accessibility_client.py LANGUAGE   (en or de; the program runs in that language)
       accessibility_client.py --press-start   (only presses START, as a user of the keyboard would)
       accessibility_client.py --open-about    (only chooses About)
       accessibility_client.py --clock-second FILE PATTERN   (prints how many lines matching PATTERN the growing
                                                               FILE gains from one change of the clock to the next)
Exits 0 when every check holds; prints each failed check.
"""

import re
import sys
import time

import pyatspi
from gi.repository import GLib

# What the program says, per language. The symbols of the captions are the same in every language.
TEXTS = {
    "en": {
        "picture": "Wavefronts",
        "before start": "Press START to begin the animation.",
        "start": "Start the animation",
        "after start": "Supersonic at Mach 2: a Mach cone with a Mach angle of 30.0 degrees, a wavefront every "
                       "0.25 s.",
        "after bar": "Supersonic at Mach 1.5: a Mach cone with a Mach angle of 41.8 degrees, a wavefront every "
                     "0.25 s.",
        "not a number": "The number of wavefronts nWave is not a number, so it reads as 0: enter a number from 1 "
                        "to 50.",
        "about": "About",
        "clock": "Clock",
        "Mach 1.5": "1.5",
    },
    "de": {
        "picture": "Wellenfronten",
        "before start": "Drücken Sie STARTEN, um die Animation zu beginnen.",
        "start": "Animation starten",
        "after start": "Überschall bei Machzahl 2: ein Machkegel mit einem Machwinkel von 30,0 Grad, alle "
                       "0,25 s eine Wellenfront.",
        "after bar": "Überschall bei Machzahl 1,5: ein Machkegel mit einem Machwinkel von 41,8 Grad, alle "
                     "0,25 s eine Wellenfront.",
        "not a number": "Die Anzahl der Wellenfronten nWave ist keine Zahl und zählt daher als 0: Geben Sie eine "
                        "Zahl von 1 bis 50 ein.",
        "about": "Über Conwave",
        "clock": "Uhr",
        "Mach 1.5": "1,5",
    },
}
SYMBOLS = {"Text_M": "M", "Text_nWave": "nWave", "Text_tMax": "tMax"}

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def until(found, seconds=10.0):
    """The first true value of found() within the bound, or None."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = found()
        if value:
            return value
        time.sleep(0.05)
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def application():
    def conwave():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Conwave":
                return app
        return None
    return until(conwave, 60.0)  # the sanitizer build starts slowly on a busy machine


def find(root, role, name=None, starts=None):
    for node in walk(root):
        if node.getRoleName() != role:
            continue
        if name is not None and node.name != name:
            continue
        if starts is not None and not node.name.startswith(starts):
            continue
        return node
    return None


def relation_targets(node, kind):
    return [relation.getTarget(i).name for relation in node.getRelationSet() if relation.getRelationType() == kind
            for i in range(relation.getNTargets())]


def listen(event, listener, seconds, action=None):
    """Hands the listener the events of that kind, after the action if there is one, until the listener stops the
    loop or the time is up."""
    pyatspi.Registry.registerEventListener(listener, event)
    if action is not None:
        GLib.idle_add(lambda: action() and False)
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop() and False)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(listener, event)


def wait_for_description(picture, action, expected):
    """Runs the action and collects the picture's description at every change the client is told of, until the
    expected one. (Qt's bridge sends the changed object rather than the text with the event: the client reads the
    text as a screen reader does when it hears of the change.)"""
    heard = []

    def listener(event):
        if event.source == picture:
            heard.append(event.source.description)
            if heard[-1] == expected:
                pyatspi.Registry.stop()

    listen("object:property-change:accessible-description", listener, 10.0, action)
    return heard


def name_changes(node, seconds):
    """The name changes the client is sent for the node during the given time."""
    heard = []
    listen("object:property-change:accessible-name",
           lambda event: event.source == node and heard.append(event.any_data), seconds)
    return heard


def press(node):
    node.queryAction().doAction(0)
    return True


def press_first(found, what):
    """Presses the application's first control for which found() holds, as a user of the keyboard would."""
    app = application()
    node = app and next((node for node in walk(app) if found(node)), None)
    if node is None:
        print(f"FAIL no {what} on the accessibility bus")
        return 1
    press(node)
    return 0


def press_start():
    return press_first(lambda node: node.getRoleName() == "push button" and node.queryAction().nActions > 0
                       and node.name != "", "START button")


def open_about():
    return press_first(lambda node: node.getRoleName() == "menu item", "menu item")


def window(app, name):
    """The application's window of that name, or None."""
    return next((node for node in app if node is not None and node.name == name), None)


def find_clock(app, texts):
    """The clock: a label described as the clock, named by the time it shows."""
    return next((node for node in walk(app) if node.getRoleName() == "label" and node.description == texts["clock"]),
                None)


def clock_second(path, pattern):
    clock = find_clock(application(), TEXTS["en"])
    counts = []
    for _ in range(2):
        shown = clock.name
        if until(lambda: clock.name != shown) is None:
            sys.exit(f"the clock stays at {shown!r}")
        with open(path, encoding="utf-8", errors="replace") as log:
            counts.append(sum(1 for line in log if re.search(pattern, line)))
    print(counts[1] - counts[0])
    return 0


def main():
    if sys.argv[1] == "--press-start":
        return press_start()
    if sys.argv[1] == "--open-about":
        return open_about()
    if sys.argv[1] == "--clock-second":
        return clock_second(sys.argv[2], sys.argv[3])
    language = sys.argv[1]
    texts = TEXTS[language]
    app = application()
    if app is None:
        print("FAIL no application named Conwave on the accessibility bus")
        return 1
    form = find(app, "frame", "Conwave")
    check(form is not None, "the main window is a frame named Conwave")

    picture = find(app, "image", texts["picture"])
    check(picture is not None, f"the picture is an image named {texts['picture']!r}")
    check(find(app, "frame", texts["picture"]) is None, "the picture is no frame")
    if picture is not None:
        check(picture.description == texts["before start"], f"before START it says {picture.description!r}")

    boxes = {}
    for edit, symbol in SYMBOLS.items():
        box = find(app, "text", starts=symbol + ",")
        check(box is not None, f"the {symbol} text box's name begins with {symbol!r}")
        bar = find(app, "scroll bar", starts=symbol + ",")
        check(bar is not None, f"the {symbol} scroll bar's name begins with {symbol!r}")
        if box is not None:
            boxes[symbol] = box
            # A screen reader speaks a labelled box by its label's name: the caption that shows the symbol is named
            # as the box is.
            check(relation_targets(box, pyatspi.RELATION_LABELLED_BY) == [box.name],
                  f"{box.name!r} is labelled by its caption, named as it is")

    clock = find_clock(app, texts)
    check(clock is not None, f"the clock is a label described as {texts['clock']!r}")
    if clock is not None:
        first = until(lambda: clock.name if re.search(r"\d\d:\d\d:\d\d", clock.name) else None)
        check(first is not None, f"the clock's name is the time it shows: {clock.name!r}")
        check(until(lambda: clock.name != first, 5.0) is not None, f"the clock's name follows the time: {clock.name!r}")
        changes = name_changes(clock, 2.5)
        check(not changes, f"the clock announces no new time over 2.5 s: {changes!r}")

    start = find(app, "push button", texts["start"])
    check(start is not None, f"START is a push button named {texts['start']!r}")
    bar = find(app, "scroll bar", starts="M,")
    if None in (picture, start, bar) or "M" not in boxes:
        print("cannot go on without the picture, START, the M scroll bar and its text box")
        return 1

    # START with M 2 typed into its box.
    boxes["M"].queryEditableText().setTextContents("2")
    heard = wait_for_description(picture, lambda: press(start), texts["after start"])
    check(texts["after start"] in heard, f"after START the client is sent {heard!r}")

    # The Mach scroll bar set to 1.5 as a screen reader sets a value.
    heard = wait_for_description(picture, lambda: setattr(bar.queryValue(), "currentValue", 1.5) or True,
                                 texts["after bar"])
    check(texts["after bar"] in heard, f"after the scroll bar moved the client is sent {heard!r}")
    check(bar.queryValue().currentValue == 1.5, f"the M scroll bar's value is the Mach number: "
                                                f"{bar.queryValue().currentValue}")
    check(boxes["M"].queryText().getText(0, -1) == texts["Mach 1.5"], f"the M text box shows {texts['Mach 1.5']}")

    # A text that is no number: the warning is read.
    boxes["nWave"].queryEditableText().setTextContents("abc")
    press(start)
    warning = until(lambda: next((node for node in walk(app) if node.getRoleName() == "label"
                                  and node.name == texts["not a number"]), None))
    check(warning is not None, f"the refusal's warning is read: {texts['not a number']!r}")
    alert = until(lambda: next((node for node in app if node is not None and node.getRoleName() in
                                ("alert", "dialog")), None))
    check(alert is not None, "the warning is an alert or a dialog")
    if alert is not None:
        ok = find(alert, "push button")
        if ok is not None:
            press(ok)
        check(until(lambda: not any(node is not None and node.getRoleName() in ("alert", "dialog") for node in app))
              is not None, "the warning closes")

    # About: a window of its own, with a window's role.
    about = open_about() == 0 and until(lambda: window(app, texts["about"]))
    check(about and about.getRoleName() in ("frame", "window", "dialog"),
          f"About opens a window named {texts['about']!r}: {about and about.getRoleName()!r}")

    print(f"{language}: {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
