#!/usr/bin/env python3
"""Times the game instance of the real program, headless at 480 x 640, on hole 1 of a course
(VELMORA_BENCH_COURSE, else the first) of an install tree (the build's own, or the one named by VELMORA_BENCH_ROOT, whose bin/ gets a copy of the
program):

- the relaunch into a hole: from "main window destroyed" in the front end to "hole loaded" in the
  game instance (VELMORA_TIMING); the fade-in that follows is left out;
- the peak memory (maximum resident set) of a game instance that plays its hole for five seconds.

usage: bench/game_instance.py BUILD_DIR [RUNS]
Prints each run and the median of each figure."""
import os, re, shutil, statistics, subprocess, sys, tempfile, time

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
root = os.environ.get("VELMORA_BENCH_ROOT", build)
program = os.path.join(root, "bin", "velmora")
if root != build:
    # A copy renamed into place: an instance of an earlier run may still be running the old file.
    os.makedirs(os.path.dirname(program), exist_ok=True)
    shutil.copy(os.path.join(build, "bin", "velmora"), program + ".new")
    os.replace(program + ".new", program)
scenes = os.path.join(root, "resources", "scenes")
courses = sorted(name[:-4] for name in os.listdir(scenes) if name.endswith(".jpg"))
if os.environ.get("VELMORA_BENCH_COURSE"):
    courses = [os.environ["VELMORA_BENCH_COURSE"]]
if not courses:
    sys.exit("no course in " + scenes)
record = ("ARG:course=%s,hole=1,CharacterSelected0=1,PlayerName0=Bench,PlayerScores0=0;0;0;0;0;0;0;0;0"
          % courses[0])
work = tempfile.mkdtemp(prefix="velmora-game-")


def environment(script, instance):
    path = os.path.join(work, "script.txt")
    with open(path, "w") as file:
        file.write(script)
    return dict(os.environ, VELMORA_HEADLESS="1", VELMORA_TIMING="1", VELMORA_SCRIPT=path, HOME=work,
                XDG_CONFIG_HOME=os.path.join(work, ".config"), VELMORA_INSTANCE="velmora-bench-%d-%d" % (os.getpid(), instance),
                SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")


def events(text):
    return {m.group(1): float(m.group(2)) for m in re.finditer(r"velmora timing: (.+) (\d+(?:\.\d+)?)", text)}


try:
    loads, peaks = [], []
    for run in range(runs):
        errors = os.path.join(work, "errors.txt")
        with open(errors, "w") as out:
            subprocess.run([program], env=environment(
                "wait 300\nrelaunch %s\ninstance 2\nwait 500\nquit\n" % record, run), stderr=out, timeout=60)
        timing = {}
        for _ in range(600):  # the game instance runs on after the front end has gone
            with open(errors) as file:
                timing = events(file.read())
            if "hole loaded" in timing:
                break
            time.sleep(0.05)
        time.sleep(1.5)
        if "hole loaded" not in timing:
            sys.exit("the game instance did not load its hole:\n" + open(errors).read())
        loads.append(timing["hole loaded"] - timing["main window destroyed"])

        with open(os.devnull, "w") as out:
            game = subprocess.Popen([program, record], env=environment("wait 5000\nquit\n", runs + run), stderr=out)
            _, _, usage = os.wait4(game.pid, 0)
        peaks.append(usage.ru_maxrss / 1024.0)
        print("run %d: relaunch to hole loaded %.0f ms, peak memory %.1f MB" % (run + 1, loads[-1], peaks[-1]))
    print("course %s, %d runs: relaunch to hole loaded median %.0f ms (min %.0f, max %.0f); peak memory median "
          "%.1f MB (min %.1f, max %.1f)" % (courses[0], runs, statistics.median(loads), min(loads), max(loads),
                                           statistics.median(peaks), min(peaks), max(peaks)))
finally:
    shutil.rmtree(work, ignore_errors=True)
