#!/usr/bin/env python3
"""Whole-program figures of Conwave against its two floors, under a private Xvfb.

Programs (all from the same build folder):
  floor (a)  floor_bare_window: a bare 400 x 267 light-cyan widget repainted every 40 ms (the toolkit's floor)
  floor (b)  floor_window: Conwave's window without its model (the floor for this window)
  Conwave    timed_conwave: the shipped window code, watched by the timing hooks below
  Conwave, German  the same in German (LANG=de_DE.UTF-8; the others run with LANG=C.UTF-8): its translations
             loaded, its texts and numbers worded in German

Every round runs each program in an order that rotates from round to round:
  starts     a few short starts, each ended once its first frame is painted: start -> first painted frame;
  session 1  CPU over the idle seconds before START, CPU of the program and of the X server while it animates the
             widest picture the scroll bars allow (M 3, nWave 30, tMax 4), and the peak resident memory of the run;
  session 2  the same run with tick logging on: the intervals between ticks before START and while animating.
The table shows each program's median over the rounds with the lowest and highest round, and Conwave against
floor (b) as the median of the rounds' ratios: a round measures the two a few seconds apart, so the ratio holds
even when other work on the machine comes and goes between rounds.

Timing comes from bench/timing_hooks.h, an event filter that all three programs install (the shipped conwave reads
no environment variable); opt-in: CONWAVE_REPORT_FIRST_PAINT makes a program print
"first-paint <steady clock ns>" on stderr once its first paint has gone to the X server, and CONWAVE_LOG_TICKS
prints "tick <ns>" at every tick. The script reads CLOCK_MONOTONIC just before it starts a program; the programs'
steady clock is the same clock. CPU time is read from /proc/<pid>/task/*/schedstat (nanoseconds, every thread),
peak memory from the kernel's rusage of the ended process. START is typed with xdotool: from the picture, Tab to
HScroll_M and End, Tab to HScroll_nWave and End, Tab to HScroll_tMax and End.

Needs Xvfb and xdotool; ImageMagick's import to check that Conwave animates. Standard library only.
"""

import argparse
import os
import signal
import statistics
import subprocess
import sys
import threading
import time

PROGRAMS = [
    ("floor (a)", "floor_bare_window", "C.UTF-8"),
    ("floor (b)", "floor_window", "C.UTF-8"),
    ("Conwave", "timed_conwave", "C.UTF-8"),
    ("Conwave, German", "timed_conwave", "de_DE.UTF-8"),
]
# From the picture, which has the focus at start-up: HScroll_M to 3, HScroll_nWave to 30, HScroll_tMax to 4.
START_KEYS = ["Tab", "Tab", "End", "Tab", "Tab", "Tab", "Tab", "End", "Tab", "End"]


def cpu_ns(pid):
    """CPU time of every thread of a process so far [ns]."""
    total = 0
    task_dir = f"/proc/{pid}/task"
    for tid in os.listdir(task_dir):
        try:
            with open(f"{task_dir}/{tid}/schedstat") as f:
                total += int(f.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass  # a thread that ended in between
    return total


def percentile(values, fraction):
    ordered = sorted(values)
    position = fraction * (len(ordered) - 1)
    low = int(position)
    high = min(low + 1, len(ordered) - 1)
    return ordered[low] + (ordered[high] - ordered[low]) * (position - low)


class Xvfb:
    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as f:
            number = f.readline().strip()  # written once the server accepts clients
        if not number:
            raise SystemExit("Xvfb did not start")
        self.display = ":" + number

    def close(self):
        self.process.terminate()
        self.process.wait()


class Run:
    """One started program, its stderr lines collected with the script's clock."""

    def __init__(self, path, display, log_ticks, lang):
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", CONWAVE_REPORT_FIRST_PAINT="1", LANG=lang)
        for variable in ("CONWAVE_LOG_TICKS", "LANGUAGE", "LC_ALL", "LC_MESSAGES"):
            env.pop(variable, None)
        if log_ticks:
            env["CONWAVE_LOG_TICKS"] = "1"
        self.first_paint = None
        self.ticks = []
        self.ready = threading.Event()
        self.started = time.monotonic_ns()
        self.process = subprocess.Popen([path], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                        text=True)
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()

    def _read(self):
        for line in self.process.stderr:
            what, _, value = line.partition(" ")
            if what == "tick":
                self.ticks.append(int(value))
            elif what == "first-paint" and self.first_paint is None:
                self.first_paint = int(value)
                self.ready.set()

    def wait_first_paint(self, timeout=30.0):
        if not self.ready.wait(timeout):
            self.process.kill()
            raise SystemExit(f"{self.process.args[0]} reported no first paint")
        return (self.first_paint - self.started) / 1e6  # ms

    def window(self, display):
        for _ in range(100):
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid)],
                                   env=dict(os.environ, DISPLAY=display), capture_output=True, text=True)
            if found.stdout.split():
                return found.stdout.split()[0]
            time.sleep(0.05)
        raise SystemExit("no window found")

    def press_start(self, display):
        env = dict(os.environ, DISPLAY=display)
        window = self.window(display)
        subprocess.run(["xdotool", "windowfocus", "--sync", window], env=env, check=True)
        subprocess.run(["xdotool", "key", "--delay", "20"] + START_KEYS, env=env, check=True)
        return window

    def end(self):
        """Ends the program; its peak resident memory [MiB]."""
        self.process.send_signal(signal.SIGTERM)
        _, _, usage = os.wait4(self.process.pid, 0)
        self.process.returncode = 0
        self.reader.join(timeout=5)
        return usage.ru_maxrss / 1024.0


def animates(window, display):
    """Whether grabs of the window at uneven spacings differ. Two grabs alone can fall a whole clock cycle apart
    (four ticks, 160 ms, at M 3 with 30 wavefronts over 4 s: about the time of a 100 ms pause and one grab) and
    show the same frame and clock."""
    env = dict(os.environ, DISPLAY=display)
    grab = lambda: subprocess.run(["import", "-window", window, "rgb:-"], env=env, capture_output=True).stdout
    grabs = [grab()]
    for pause in (0.1, 0.07, 0.13):
        time.sleep(pause)
        grabs.append(grab())
    return len(set(grabs)) > 1


def first_paints(path, lang, display, starts):
    """Start -> first painted frame [ms], the median of a few starts."""
    times = []
    for _ in range(starts):
        run = Run(path, display, log_ticks=False, lang=lang)
        times.append(run.wait_first_paint())
        run.end()
    return statistics.median(times)


def figures_session(path, lang, name, display, xvfb_pid, seconds, settle):
    run = Run(path, display, log_ticks=False, lang=lang)
    run.wait_first_paint()
    result = {}
    time.sleep(settle)
    before = cpu_ns(run.process.pid)
    time.sleep(seconds)
    result["CPU before START [s]"] = (cpu_ns(run.process.pid) - before) / 1e9
    window = run.press_start(display)
    time.sleep(settle)
    if name.startswith("Conwave") and not animates(window, display):
        raise SystemExit(f"{name} does not animate after START")
    time.sleep(settle)
    before, x_before = cpu_ns(run.process.pid), cpu_ns(xvfb_pid)
    time.sleep(seconds)
    result["CPU animating [s]"] = (cpu_ns(run.process.pid) - before) / 1e9
    result["X server CPU animating [s]"] = (cpu_ns(xvfb_pid) - x_before) / 1e9
    result["peak resident memory [MiB]"] = run.end()
    return result


def tick_session(path, lang, display, seconds, settle):
    run = Run(path, display, log_ticks=True, lang=lang)
    run.wait_first_paint()
    time.sleep(settle)
    idle_from = time.monotonic_ns()
    time.sleep(seconds)
    idle_to = time.monotonic_ns()
    run.press_start(display)
    time.sleep(settle)
    busy_from = time.monotonic_ns()
    time.sleep(seconds)
    busy_to = time.monotonic_ns()
    run.end()

    def intervals(start, stop):
        times = [t for t in run.ticks if start <= t <= stop]
        return [(b - a) / 1e6 for a, b in zip(times, times[1:])]

    return {"before START": intervals(idle_from, idle_to), "animating": intervals(busy_from, busy_to)}


def machine():
    model = "unknown"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    try:
        qt = subprocess.run(["qtpaths6", "--qt-version"], capture_output=True, text=True).stdout.strip()
    except FileNotFoundError:
        qt = "unknown"
    return f"{os.cpu_count()} x {model}, Qt {qt or 'unknown'}"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build", help="build folder holding bin/ (default: build)")
    parser.add_argument("--rounds", type=int, default=5, help="rounds of interleaved runs (default: 5)")
    parser.add_argument("--seconds", type=float, default=10.0, help="length of each measured span (default: 10)")
    parser.add_argument("--settle", type=float, default=1.0, help="pause after start and after START (default: 1)")
    parser.add_argument("--starts", type=int, default=10, help="short starts per program and round (default: 10)")
    args = parser.parse_args()

    paths = {name: os.path.join(args.build, "bin", exe) for name, exe, _ in PROGRAMS}
    langs = {name: lang for name, _, lang in PROGRAMS}
    for path in paths.values():
        if not os.access(path, os.X_OK):
            raise SystemExit(f"missing {path}: build the tree first")

    load_before = os.getloadavg()
    xvfb = Xvfb()
    figures = {name: [] for name, _, _ in PROGRAMS}
    ticks = {name: {"before START": [], "animating": []} for name, _, _ in PROGRAMS}
    try:
        for round_number in range(args.rounds):
            turn = round_number % len(PROGRAMS)
            order = PROGRAMS[turn:] + PROGRAMS[:turn]
            for name, _, _ in order:
                result = {"first paint [ms]": first_paints(paths[name], langs[name], xvfb.display, args.starts)}
                result.update(figures_session(paths[name], langs[name], name, xvfb.display, xvfb.process.pid,
                                              args.seconds, args.settle))
                figures[name].append(result)
                print(f"round {round_number + 1}/{args.rounds} {name}: {result}", file=sys.stderr)
            for name, _, _ in order:
                for phase, values in tick_session(paths[name], langs[name], xvfb.display, args.seconds,
                                                  args.settle).items():
                    ticks[name][phase].extend(values)
    finally:
        xvfb.close()
    load_after = os.getloadavg()

    names = [name for name, _, _ in PROGRAMS]
    # figure, how Conwave compares with floor (b), and the limit of that comparison
    targets = [
        ("first paint [ms]", "ratio", 1.1),
        ("peak resident memory [MiB]", "ratio", 1.1),
        ("CPU before START [s]", "ratio", 0.5),
        ("CPU animating [s]", "ratio", 1.2),
        ("X server CPU animating [s]", "ratio", 1.2),
    ]
    print(f"Machine: {machine()}")
    print(f"Load average (1, 5, 15 min) before: {load_before[0]:.2f} {load_before[1]:.2f} {load_before[2]:.2f}, "
          f"after: {load_after[0]:.2f} {load_after[1]:.2f} {load_after[2]:.2f}")
    print(f"{args.rounds} rounds, {args.seconds:g} s spans, {args.starts} starts per round for the first paint; "
          "medians over the rounds [lowest .. highest]")
    print()
    print("| figure | " + " | ".join(names) + " | Conwave / floor (b) | target | met |")
    print("|---|" + "---|" * len(names) + "---|---|---|")
    for figure, _, limit in targets:
        medians = {name: statistics.median(r[figure] for r in figures[name]) for name in names}
        cells = []
        for name in names:
            values = [r[figure] for r in figures[name]]
            cells.append(f"{medians[name]:.3g} [{min(values):.3g} .. {max(values):.3g}]")
        ratio = statistics.median(c[figure] / b[figure] if b[figure] else float("inf")
                                  for c, b in zip(figures["Conwave"], figures["floor (b)"]))
        met = "yes" if ratio <= limit else "NO"
        print(f"| {figure} | " + " | ".join(cells) + f" | {ratio:.2f} | at most {limit:g} x | {met} |")
    for phase in ("before START", "animating"):
        for label, statistic, check in (
            ("median", statistics.median, lambda v: abs(v - 40.0) <= 0.5),
            ("90th percentile", lambda v: percentile(v, 0.9), lambda v: v <= 44.0),
        ):
            values = {name: statistic(ticks[name][phase]) for name in names}
            target = "40 ms" if label == "median" else "at most 44 ms"
            met = "yes" if check(values["Conwave"]) else "NO"
            cells = [f"{values[name]:.2f}" for name in names]
            print(f"| tick interval {phase}, {label} [ms] | " + " | ".join(cells) + f" | | {target} | {met} |")
    german = statistics.median(g["first paint [ms]"] / c["first paint [ms]"]
                               for g, c in zip(figures["Conwave, German"], figures["Conwave"]))
    print()
    print(f"Start to first paint, German against C.UTF-8: {german:.3f} (median of the rounds' ratios; "
          f"target at most 1.05: {'met' if german <= 1.05 else 'NOT met'})")
    counts = {name: sum(len(v) for v in ticks[name].values()) for name in names}
    print()
    print("Tick intervals counted: " + ", ".join(f"{name} {counts[name]}" for name in names))


if __name__ == "__main__":
    main()
