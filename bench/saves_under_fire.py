#!/usr/bin/env python3
"""Saves under fire: the real program saves and loads games and changes settings in a loop, and is
killed with SIGKILL at a random moment of each run, hundreds of times, in one player's folder kept
across all runs. Each run, headless at the fastest clock, walks the front end (the settings page:
three settings changed; the load page: three slots ticked, each tick saved at once) and relaunches
into a game that saves into all eight slots through the save panel, each under a new name typed on
the input pad.

After every kill (and every run that ended by itself) the player's files are checked:
- nothing but the kept files is in the folder, plus at most one "<file>.tmp" of a write that was cut
  off (it is replaced by the next write of that file); the folder of unpacked archive entries does
  not grow;
- every kept file is whole: it ends with its last line complete, every line is one the game writes
  (all items of a saved game's slot and player lines, the template's keys in their order);
- the saved games are exactly the old or the new version: each slot holds the name of the last save
  into it that the program reported ("Game Saved" in its event log), or of the save that was under
  way when it was killed, never an older one;
- the game's own readers (bench/saved_files: the load page's slot names, the saved game each resumes)
  list every slot that was saved, with the game saved in it.

usage: bench/saves_under_fire.py [--kills N] [--build DIR] [--work DIR] [--seed S]
Exit code 0 when every check passed; prints the counts at the end."""
import argparse, os, random, re, shutil, subprocess, sys, time

import program_runs

parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
parser.add_argument("--kills", type=int, default=300, help="runs killed (other runs end by themselves)")
parser.add_argument("--build", default="build", help="build folder with bin/velmora and bin/saved_files")
parser.add_argument("--work", default=os.path.join(os.path.expanduser("~"), ".cache", "velmora-fire"))
parser.add_argument("--seed", type=int, default=int(time.time()))
args = parser.parse_args()

build = os.path.abspath(args.build)
program, reader = os.path.join(build, "bin", "velmora"), os.path.join(build, "bin", "saved_files")
work = os.path.abspath(args.work)
shutil.rmtree(work, ignore_errors=True)
home = os.path.join(work, "home")
data = os.path.join(home, "data", "velmora")
runtime = os.path.join(home, "run")
os.makedirs(runtime, mode=0o700)
random.seed(args.seed)
COURSE = "maple_grove"
KEPT = {"saveGame.properties", "gsetting.properties", "loadGame.properties", "courseMenu.properties",
        "scores.properties", "window.properties"}
SLOTS = 8
instance = "velmora-fire-%d" % os.getpid()
environment = dict(os.environ, VELMORA_HEADLESS="1", VELMORA_SCREEN="240x320", VELMORA_SPEED="max",
                   VELMORA_LOG="events", VELMORA_INSTANCE=instance, HOME=home,
                   XDG_CONFIG_HOME=os.path.join(home, ".config"), XDG_DATA_HOME=os.path.join(home, "data"),
                   XDG_CACHE_HOME=os.path.join(home, ".cache"), XDG_RUNTIME_DIR=runtime)
for variable in ("DISPLAY", "WAYLAND_DISPLAY", "VELMORA_SCRIPT_POSITION", "VELMORA_SCRIPT_INSTANCE",
                 "VELMORA_DEMO"):
    environment.pop(variable, None)

# Screen points (240 x 320) of the pages' buttons and of the input pad's keys.
MENU_SETTINGS, MENU_LOAD, SETTINGS_BACK, LOAD_BACK = (120, 246), (120, 218), (120, 297), (60, 297)
SETTINGS_CHOICES = [[(59, 72), (163, 72)], [(59, 130), (163, 130)], [(49, 188), (121, 188), (194, 188)]]
LOAD_TICKS = [(24, 56 + 28 * slot) for slot in range(SLOTS)]
GAME_MENU, MENU_SAVE, SAVE_DONE = (220, 276), (176, 174), (120, 266)
SAVE_SLOT = [(202, 68 + 24 * slot) for slot in range(SLOTS)]
PAD_ROWS = ["1234567890", "qwertyuiop", "asdfghjkl/", "zxcvbnm-=."]
PAD_CLEAR, PAD_OK = (78, 243), (207, 243)
MESSAGE_OK = (120, 243)


def pad_key(character):
    for row, keys in enumerate(PAD_ROWS):
        if character in keys:
            return 25 + 21 * keys.index(character), 123 + 30 * row
    raise ValueError(character)


def tap(point):
    return "tap %d %d\n" % point


def run_script(number):
    """The script of run number and the saves it makes in order, as (slot, name)."""
    record = ("ARG:course=%s,hole=1,CharacterSelected0=1,PlayerName0=Fire,PlayerScores0=0;0;0;0;0;0;0;0;0"
              % COURSE)
    text = "wait 300\n" + tap(MENU_SETTINGS) + "wait 200\n"
    for choices in SETTINGS_CHOICES:
        text += tap(random.choice(choices))
    text += tap(SETTINGS_BACK) + "wait 200\n" + tap(MENU_LOAD) + "wait 200\n"
    for slot in random.sample(range(SLOTS), 3):
        text += tap(LOAD_TICKS[slot])
    text += tap(LOAD_BACK) + "wait 200\nrelaunch %s\ninstance 2\nwait 1500\n" % record
    text += tap(GAME_MENU) + "wait 200\n" + tap(MENU_SAVE) + "wait 200\n"
    saves = []
    for slot in random.sample(range(SLOTS), SLOTS):
        name = "r%ds%d" % (number, slot)
        text += tap(SAVE_SLOT[slot]) + "wait 100\n" + tap(PAD_CLEAR)
        text += "".join(tap(pad_key(c)) for c in name) + tap(PAD_OK) + "wait 300\n" + tap(MESSAGE_OK) + "wait 100\n"
        saves.append((slot, name))
    return text + tap(SAVE_DONE) + "wait 200\nquit\n", saves


SLOT_LINE = re.compile(r"slot([0-7])=slotName:([^,]*),courseName:[^,]*,holeNo:\d+,numberOfActivePlayers:(\d),"
                       r"currentPlayer:\d+,previousPlayer:\d+,location:x=[-\d.]+;y=[-\d.]+;z=[-\d.]+,"
                       r"(is\w+:[01],){12}$")
PLAYER_LINE = re.compile(r"slot([0-7])_(\d)=PlayerName:[^,]*,.*,scores:(\d+;){8}\d+,distanceToHole:[-\d.]+,"
                         r"ballDistanceTravelled:[-\d.]+,elevation:-?\d+\.\d{6}$")


def saved_slots(text):
    """The slot names of a saved-game file, or the reason it is not whole."""
    if text and not text.endswith("\n"):
        return "the last line is cut off"
    names, players = {}, {}
    for line in text.splitlines():
        slot, player = SLOT_LINE.match(line), PLAYER_LINE.match(line)
        if slot:
            names[int(slot.group(1))] = slot.group(2)
            players[int(slot.group(1))] = int(slot.group(3))
        elif player:
            players[int(player.group(1))] -= 1
        else:
            return "a line the game does not write: " + line[:120]
    if any(count != 0 for count in players.values()):
        return "a slot without all its player lines"
    return names


def template_keys(text):
    """The keys of a rewritten page template in order, or the reason it is not whole."""
    if not text.endswith("\n"):
        return "the last line is cut off"
    return [line.split("=", 1)[0] for line in text.splitlines()]


def check(number, saves, log, shapes, slots_before):
    """The faults of the player's files after run number; the slots as they are now."""
    faults = []
    names = set(os.listdir(data)) if os.path.isdir(data) else set()
    strays = sorted(n for n in names if n not in KEPT and not (n.endswith(".tmp") and n[:-4] in KEPT))
    if strays:
        faults.append("files that are not the game's: %s" % strays)
    for name in sorted(names & KEPT):
        with open(os.path.join(data, name), "rb") as file:
            text = file.read().decode("utf-8", errors="replace")
        if name == "saveGame.properties":
            now = saved_slots(text)
            if isinstance(now, str):
                faults.append("%s: %s" % (name, now))
                continue
        elif name in ("gsetting.properties", "loadGame.properties", "courseMenu.properties"):
            keys = template_keys(text)
            shapes.setdefault(name, keys)
            if keys != shapes[name]:
                faults.append("%s is not whole: %s" % (name, keys if isinstance(keys, str) else "other lines"))
        elif not text.endswith("\n"):
            faults.append("%s: the last line is cut off" % name)
    # Each slot: the last save the program reported, or the one under way.
    confirmed = log.count('velmora event: message key="GAME_SAVED"')
    expected = dict(slots_before)
    for slot, name in saves[:confirmed]:
        expected[slot] = name
    under_way = saves[confirmed] if confirmed < len(saves) else None
    text = open(os.path.join(data, "saveGame.properties")).read() if "saveGame.properties" in names else ""
    now = saved_slots(text)
    now = now if isinstance(now, dict) else {}
    for slot in range(SLOTS):
        allowed = {expected.get(slot)} | ({under_way[1]} if under_way and under_way[0] == slot else set())
        if now.get(slot) not in allowed:
            faults.append("slot %d holds %r, expected %s" % (slot, now.get(slot), " or ".join(map(repr, allowed))))
    # The load page's reader lists every saved slot with its game.
    listed = subprocess.run([reader], env=environment, capture_output=True, text=True, timeout=60).stdout
    for slot in range(SLOTS):
        if slot in now:
            wanted = 'slot%d "%s" course="%s" hole=1 players=1' % (slot, now[slot], COURSE)
            if wanted not in listed.splitlines():
                faults.append("the load page does not list slot %d as saved: %s" % (slot, listed))
        elif "slot%d empty" % slot not in listed.splitlines():
            faults.append("the load page lists slot %d, which holds no game" % slot)
    return faults, now


def median(values):
    return sorted(values)[len(values) // 2]


def files_in(folder):
    return sum(len(files) for _, _, files in os.walk(folder))


def main():
    program_runs.become_subreaper()
    shapes, slots, kills, ended, checks, cut_writes, most_unpacked = {}, {}, 0, 0, 0, 0, 0
    durations, save_phases, kills_during_saves = [], [], 0
    number = 0
    print("saves under fire: %s, seed %d, work folder %s" % (program, args.seed, work), flush=True)
    while kills < args.kills:
        number += 1
        script, saves = run_script(number)
        script_path = os.path.join(work, "script.txt")
        with open(script_path, "w") as file:
            file.write(script)
        log_path = os.path.join(work, "run.log")
        # The first runs end by themselves and tell how long a run and its saves (from the hole's
        # loading to the end) take. Of the later runs one in ten is left to finish; the others are
        # killed at a random moment of the whole run, or (every other one) of its saves.
        kill_at, during_saves = None, False
        if number > 3 and random.random() < 0.9:
            during_saves = random.random() < 0.5
            kill_at = random.uniform(0, 1.1 * median(save_phases if during_saves else durations))
        killed = False
        hole_loaded = None

        def on_tick(elapsed):
            nonlocal killed, hole_loaded
            if hole_loaded is None:
                with open(log_path, "rb") as file:
                    if b"velmora event: hole-loaded" in file.read():
                        hole_loaded = elapsed
            start = hole_loaded if during_saves else 0
            if kill_at is not None and start is not None and elapsed >= start + kill_at:
                program_runs.kill_instances(instance)
                killed = True
            elif elapsed > 120:
                program_runs.kill_instances(instance)
                sys.exit("run %d did not end within 120 s; its log: %s" % (number, log_path))

        started = time.monotonic()
        with open(log_path, "wb") as log:
            program_runs.start(program, ["ARG:intro"], dict(environment, VELMORA_SCRIPT=script_path), log)
        ended_instances = program_runs.wait_all(on_tick, 0.002)
        exit_codes = [os.waitstatus_to_exitcode(status) for _, status, _ in ended_instances]
        with open(log_path, errors="replace") as file:
            log = file.read()
        if killed:
            kills += 1
            kills_during_saves += during_saves
        else:
            ended += 1
            durations.append(time.monotonic() - started)
            save_phases.append(durations[-1] - hole_loaded)
            if any(exit_codes) or log.count("GAME_SAVED") != SLOTS:
                sys.exit("run %d ended without saving every slot (exit codes %s); its log: %s"
                         % (number, exit_codes, log_path))
        if os.path.isdir(data) and any(name.endswith(".tmp") for name in os.listdir(data)):
            cut_writes += 1
        most_unpacked = max(most_unpacked, files_in(runtime))
        faults, slots = check(number, saves, log, shapes, slots)
        checks += 1
        if faults:
            kept = os.path.join(work, "fault-%d" % number)
            shutil.copytree(data, kept)
            shutil.copy(log_path, kept + ".log")
            sys.exit("run %d (%s): %s\nfiles kept in %s" % (number, "killed" if killed else "ended", "\n".join(faults),
                                                          kept))
        if number % 25 == 0 or kills == args.kills:
            # The figures so far, so that a loop stopped early still reports them.
            print("%d runs: %d killed with SIGKILL at random moments (%d of them while saving), %d ended by "
                  "themselves; %d checks of every kept file and of the load page's slots, no fault; a write "
                  "was cut off (its .tmp left) %d times; at most %d files in the folder of unpacked entries; "
                  "a whole run took %.1f s, its saves %.1f s (medians)"
                  % (number, kills, kills_during_saves, ended, checks, cut_writes, most_unpacked,
                     median(durations), median(save_phases)), flush=True)


main()
