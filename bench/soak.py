#!/usr/bin/env python3
"""Soak test: demo games of the real program in a row, headless at the fastest clock, every game in
the same player's folder (XDG_DATA_HOME), so that best scores and the other kept files accumulate
as they do for a player. Meant for the sanitizer build (build-asan), whose LeakSanitizer reports a
leak when a process ends.

A game fails on an instance that ends by a signal or with an exit code other than 0, on a sanitizer
report, when it does not reach the congratulations page, or when it hangs: no line on standard
error for --stall seconds, or longer than --timeout seconds in all (its processes are then killed). Each game's peak memory (the largest maximum resident set
of its processes: the front end, one per hole, the congratulations page) and wall time go to
WORK/games.csv; a run that was stopped continues from there when started again (--fresh starts
over). At the end: game 1 against game N, and the median of the first ten against the last ten.

usage: bench/soak.py [--games N] [--build DIR] [--work DIR] [--course NAME] [--players N]
                     [--screen WxH] [--stall S] [--timeout S] [--fresh]
Exit code 0 when every game passed; the log of a failed game is kept in WORK."""
import argparse, csv, os, shutil, statistics, sys, time

import program_runs

# Instances of a game: the front end, nine holes, the congratulations page.
CONGRATULATIONS_INSTANCE = 11
FAULTS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:", "Sanitizer:DEADLYSIGNAL")

parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
parser.add_argument("--games", type=int, default=200)
parser.add_argument("--build", default="build-asan", help="build folder whose bin/velmora plays")
parser.add_argument("--work", default=os.path.join(os.path.expanduser("~"), ".cache", "velmora-soak"))
parser.add_argument("--course", default="maple_grove", help="the course of every game (the same work each game)")
parser.add_argument("--players", type=int, default=1, choices=range(1, 5))
parser.add_argument("--screen", default="240x320", help="VELMORA_SCREEN: the small screen is a quarter of the work a frame")
parser.add_argument("--timeout", type=float, default=3600, help="seconds one game may take")
parser.add_argument("--stall", type=float, default=300,
                    help="seconds a game may go without a line on standard error (a hang, however slow the machine)")
parser.add_argument("--fresh", action="store_true", help="forget the games of an earlier run")
args = parser.parse_args()

program = os.path.abspath(os.path.join(args.build, "bin", "velmora"))
if not os.access(program, os.X_OK):
    sys.exit("no program at " + program)
work = os.path.abspath(args.work)
if args.fresh:
    shutil.rmtree(work, ignore_errors=True)
home = os.path.join(work, "home")
os.makedirs(os.path.join(home, "run"), mode=0o700, exist_ok=True)
table = os.path.join(work, "games.csv")
script = os.path.join(work, "script.txt")
with open(script, "w") as file:
    file.write("instance %d\nwait 1000\nquit\n" % CONGRATULATIONS_INSTANCE)
instance = "velmora-soak-%d" % os.getpid()
environment = dict(
    os.environ, VELMORA_HEADLESS="1", VELMORA_SPEED="max", VELMORA_LOG="events", VELMORA_DEMO="once",
    VELMORA_DEMO_COURSE=args.course, VELMORA_DEMO_PLAYERS=str(args.players), VELMORA_SCREEN=args.screen, VELMORA_SCRIPT=script,
    VELMORA_INSTANCE=instance, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
    XDG_DATA_HOME=os.path.join(home, "data"), XDG_CACHE_HOME=os.path.join(home, ".cache"),
    XDG_RUNTIME_DIR=os.path.join(home, "run"),
    ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:" + os.environ.get("ASAN_OPTIONS", ""),
    UBSAN_OPTIONS="print_stacktrace=1:" + os.environ.get("UBSAN_OPTIONS", ""))
for variable in ("DISPLAY", "WAYLAND_DISPLAY", "VELMORA_SCRIPT_POSITION", "VELMORA_SCRIPT_INSTANCE"):
    environment.pop(variable, None)

# The instances that relaunches start are counted too (see program_runs).
program_runs.become_subreaper()


def play(number):
    """Plays one game; returns (faults, peak memory in MB, seconds, processes)."""
    log = os.path.join(work, "game-%d.log" % number)
    faults = []

    last_line = [0, 0.0]  # the log's size and when it last grew

    def on_tick(elapsed):
        size = os.path.getsize(log)
        if size != last_line[0]:
            last_line[:] = [size, elapsed]
        if elapsed > args.timeout or elapsed - last_line[1] > args.stall:
            if not faults:
                faults.append("hang: killed after %.0f s, the last %.0f s without a line on standard error"
                              % (elapsed, elapsed - last_line[1]))
            program_runs.kill_instances(instance)

    started = time.monotonic()
    with open(log, "wb") as errors:
        program_runs.start(program, ["ARG:intro"], environment, errors)
    ended = program_runs.wait_all(on_tick, 0.05)
    peak = max(usage.ru_maxrss for _, _, usage in ended) / 1024.0
    for _, status, _ in ended:
        if os.WIFSIGNALED(status):
            faults.append("an instance was killed by signal %d" % os.WTERMSIG(status))
        elif os.WEXITSTATUS(status) != 0:
            faults.append("an instance exited with code %d" % os.WEXITSTATUS(status))
    seconds = time.monotonic() - started
    with open(log, "r", errors="replace") as file:
        text = file.read()
    faults += ["sanitizer report: " + fault for fault in FAULTS if fault in text]
    if "velmora event: congratulations " not in text:
        faults.append("the game did not reach the congratulations page")
    scores = os.path.join(home, "data", "velmora", "scores.properties")
    lines = open(scores, errors="replace").read().splitlines(True) if os.path.exists(scores) else []
    if not any(line.startswith(args.course + "=") and line.endswith("\n") for line in lines):
        faults.append("the best scores have no whole line for " + args.course)
    if not faults:
        os.remove(log)
    return faults, peak, seconds, len(ended)


def median(rows, column):
    return statistics.median(float(row[column]) for row in rows)


games = []
if os.path.exists(table):
    with open(table) as file:
        games = list(csv.DictReader(file))
if not games:
    with open(table, "w") as file:
        file.write("game,peak_mb,seconds,processes\n")
failed = 0
print("soak: %s, %d player(s) on %s, %d game(s) to play (%d done before), work folder %s"
      % (program, args.players, args.course, max(0, args.games - len(games)), len(games), work), flush=True)
for number in range(len(games) + 1, args.games + 1):
    faults, peak, seconds, processes = play(number)
    if faults:
        failed += 1
        kept = os.path.join(work, "game-%d-failed-%s.log" % (number, time.strftime("%Y%m%d-%H%M%S")))
        os.replace(os.path.join(work, "game-%d.log" % number), kept)
        print("game %d FAILED (log kept in %s):\n  %s" % (number, kept, "\n  ".join(faults)), flush=True)
        continue
    row = {"game": number, "peak_mb": "%.1f" % peak, "seconds": "%.1f" % seconds, "processes": processes}
    games.append(row)
    with open(table, "a") as file:
        file.write("%(game)s,%(peak_mb)s,%(seconds)s,%(processes)s\n" % row)
    print("game %d: peak memory %.1f MB, %.1f s, %d processes" % (number, peak, seconds, processes), flush=True)

if games:
    first, last = games[0], games[-1]
    print("%d games passed, %d failed" % (len(games), failed))
    print("game %s against game %s: peak memory %s -> %s MB (ratio %.3f), time %s -> %s s (ratio %.3f)"
          % (first["game"], last["game"], first["peak_mb"], last["peak_mb"],
             float(last["peak_mb"]) / float(first["peak_mb"]), first["seconds"], last["seconds"],
             float(last["seconds"]) / float(first["seconds"])))
    head, tail = games[:10], games[-10:]
    print("median of the first %d against the last %d: peak memory %.1f -> %.1f MB (ratio %.3f), "
          "time %.1f -> %.1f s (ratio %.3f); peak memory over all games %.1f to %.1f MB"
          % (len(head), len(tail), median(head, "peak_mb"), median(tail, "peak_mb"),
             median(tail, "peak_mb") / median(head, "peak_mb"), median(head, "seconds"), median(tail, "seconds"),
             median(tail, "seconds") / median(head, "seconds"), min(float(g["peak_mb"]) for g in games),
             max(float(g["peak_mb"]) for g in games)))
sys.exit(1 if failed else 0)
