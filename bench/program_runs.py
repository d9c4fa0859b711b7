"""Runs of the real program whose relaunches start further instances: the caller becomes a subreaper,
so that an instance orphaned by a relaunch becomes its child and is waited for with its resource use."""
import ctypes, os, signal, time

PR_SET_CHILD_SUBREAPER = 36


def become_subreaper():
    if ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0) != 0:
        raise OSError(ctypes.get_errno(), "cannot become a subreaper: relaunched instances would be lost")


def instances(instance):
    """The running processes started under VELMORA_INSTANCE=instance."""
    wanted = ("VELMORA_INSTANCE=" + instance).encode()
    found = []
    for name in os.listdir("/proc"):
        if name.isdigit():
            try:
                with open("/proc/%s/environ" % name, "rb") as file:
                    if wanted in file.read().split(b"\0"):
                        found.append(int(name))
            except OSError:
                pass
    return found


def kill_instances(instance):
    for pid in instances(instance):
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass


def start(program, arguments, environment, log):
    """Starts the program with standard output and error going to the open file log."""
    actions = [(os.POSIX_SPAWN_DUP2, log.fileno(), 1), (os.POSIX_SPAWN_DUP2, log.fileno(), 2)]
    return os.posix_spawn(program, [program] + arguments, environment, file_actions=actions)


def wait_all(on_tick, interval):
    """Waits for every child, calling on_tick(seconds since the call) every interval seconds while
    any runs. Returns the (pid, status, rusage) of each that ended."""
    started = time.monotonic()
    ended = []
    while True:
        try:
            pid, status, usage = os.wait4(-1, os.WNOHANG)
        except ChildProcessError:
            return ended
        if pid:
            ended.append((pid, status, usage))
        else:
            on_tick(time.monotonic() - started)
            time.sleep(interval)
