#!/usr/bin/env python3
"""Runs the play-through and stops its script, never the game, now and then: a script held up on
a loaded machine (a starved process, a slow X call) while the game runs on with the keys and the
mouse button it held, wherever the game goes meanwhile.

    stall_script.py [--random] [--after TEXT SECONDS] [--seed N] -- tools/play-through.sh GAME FOLDER

--random stops the script for 10 to 90 s of the wall clock every 10 to 40 s (both at random) once
the game runs; --after stops it once for SECONDS, a second after the script printed a line holding
TEXT (such as "screen: 17-supply-taken"). The script's processes are the bash that runs it (after
it made its X server) and everything it started but the game: the state helper, xdotool, import,
awk and the rest. The X server and the game run on. Each stop is said as it ends, with what the game
logged meanwhile; the last lines sum up the run: its exit status, its length and the stops.
"""
import argparse
import os
import random
import signal
import subprocess
import sys
import threading
import time

# A stop lasts this long by the wall clock, and this long comes between two stops (--random).
STOP_SECONDS = (10.0, 90.0)
BETWEEN_SECONDS = (10.0, 40.0)
# --after stops the script this long after the line it looks for: the step after it under way.
AFTER_DELAY = 1.0


def children():
    """Each process's children, from /proc."""
    found = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                parent = int(stat.read().rsplit(")", 1)[1].split()[1])
        except (OSError, IndexError, ValueError):
            continue
        found.setdefault(parent, []).append(int(entry))
    return found


def descendants(pid, tree):
    """PID's descendants, parents before their children."""
    order, queue = [], list(tree.get(pid, []))
    while queue:
        child = queue.pop(0)
        order.append(child)
        queue.extend(tree.get(child, []))
    return order


def command_line(pid):
    try:
        with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
            return [part.decode(errors="replace") for part in cmdline.read().split(b"\0") if part]
    except OSError:
        return []


def executable(pid):
    try:
        return os.path.realpath(f"/proc/{pid}/exe")
    except OSError:
        return ""


class Script:
    """The play-through's own processes under the command started as TOP: the bash that runs the
    script file on its X server, and its descendants but the game's."""

    def __init__(self, top, script, game):
        self.top = top
        self.script = os.path.realpath(script)
        self.game = os.path.realpath(game)
        # The game's process once found: its file may be replaced meanwhile (a build), and /proc
        # then names it "(deleted)".
        self.game_pid = None
        self.stopped = []

    def shell(self, tree):
        """The bash that runs the script: the first descendant of the command (which becomes
        xvfb-run) whose script argument is the script file."""
        for pid in descendants(self.top, tree):
            words = command_line(pid)
            if len(words) > 1 and os.path.realpath(words[1]) == self.script:
                return pid
        return None

    def game_runs(self):
        self.game_pid = next((pid for pid in descendants(self.top, children()) if executable(pid) == self.game), None)
        return self.game_pid is not None

    def is_game(self, pid):
        return pid == self.game_pid or executable(pid) == self.game

    def stop(self):
        """Stops the shell first, so that it starts nothing more, then its descendants until no
        new one shows; each stopped process is kept to be continued."""
        shell = self.shell(children())
        if shell is None:
            return False
        self.signal(shell, signal.SIGSTOP)
        while True:
            fresh = [pid for pid in descendants(shell, children())
                     if pid not in self.stopped and not self.is_game(pid)]
            if not fresh:
                return True
            for pid in fresh:
                self.signal(pid, signal.SIGSTOP)

    def go_on(self):
        for pid in reversed(self.stopped):
            try:
                os.kill(pid, signal.SIGCONT)
            except ProcessLookupError:
                pass
        self.stopped = []

    def signal(self, pid, number):
        try:
            os.kill(pid, number)
            self.stopped.append(pid)
        except ProcessLookupError:
            pass


class GameLog:
    """The game's log, read from the file. The game's standard output reaches the file in blocks:
    what it said while the script was stopped shows only once it writes again, at the latest with
    the answer to the script's next question."""

    def __init__(self, path):
        self.path = path

    def size(self):
        try:
            return os.path.getsize(self.path)
        except OSError:
            return 0

    def said_until_answered(self, start, resumed, running, patience=30.0):
        """The lines (state reports left out) from the offset START on, up to the first state
        report after the offset RESUMED: what the game said up to the script's first question
        after a stop. All that follows START when no report comes in PATIENCE seconds."""
        deadline = time.monotonic() + patience
        while True:
            try:
                with open(self.path, "rb") as log:
                    log.seek(start)
                    text = log.read()
            except OSError:
                return []
            answer = text.find(b"\nState: ", max(resumed - start - 1, 0))
            if answer >= 0:
                text = text[:answer + 1]
                break
            if time.monotonic() >= deadline or not running():
                text = text[: text.rfind(b"\n") + 1]
                break
            time.sleep(0.2)
        return [line for line in text.decode(errors="replace").splitlines() if not line.startswith("State: ")]


def told(lines, most):
    """The last MOST of LINES, a line repeated at once said once with its count."""
    runs = []
    for line in lines:
        if runs and runs[-1][0] == line:
            runs[-1][1] += 1
        else:
            runs.append([line, 1])
    return "; ".join(line if count == 1 else f"{line} (x{count})" for line, count in runs[-most:]) or "nothing"


def say(text):
    print(f"stall_script: {text}", file=sys.stderr, flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--random", action="store_true")
    parser.add_argument("--after", nargs=2, metavar=("TEXT", "SECONDS"))
    parser.add_argument("--seed", type=int)
    parser.add_argument("command", nargs="+")
    arguments = parser.parse_args()
    if len(arguments.command) < 3:
        parser.error("the command is the play-through script, the game and the screenshot folder")
    script, game, folder = arguments.command[:3]
    chance = random.Random(arguments.seed)
    started = time.monotonic()
    # The script's last line, to say where each stop caught it; the line --after waits for.
    last_line = ["(nothing yet)"]
    after_seen = threading.Event()
    # A session of its own: a process group with stopped members that becomes orphaned (the shell
    # that started this helper ending) would be sent a hangup by the kernel.
    run = subprocess.Popen(arguments.command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, start_new_session=True)
    script_processes = Script(run.pid, script, game)
    log = GameLog(os.path.join(os.path.realpath(folder), "game.log"))
    stops = []

    def relay():
        for raw in run.stdout:
            line = raw.decode(errors="replace").rstrip("\n")
            print(line, flush=True)
            last_line[0] = line
            if arguments.after and arguments.after[0] in line:
                after_seen.set()

    reader = threading.Thread(target=relay, daemon=True)
    reader.start()

    def stop_for(seconds):
        start = log.size()
        caught = last_line[0]
        began = time.monotonic()
        if not script_processes.stop():
            return
        try:
            doing = sorted({" ".join(os.path.basename(word) for word in command_line(pid)[:4])
                            for pid in script_processes.stopped[1:]} - {""})
            say(f"stopped the script for {seconds:.0f} s, after \"{caught}\", in: " + "; ".join(doing))
            deadline = began + seconds
            while run.poll() is None and time.monotonic() < deadline:
                time.sleep(0.2)
        finally:
            script_processes.go_on()
        lasted = time.monotonic() - began
        meanwhile = log.said_until_answered(start, log.size(), lambda: run.poll() is None)
        stops.append((began - started, lasted, caught, meanwhile))
        say(f"went on after {lasted:.0f} s; the game logged meanwhile: {told(meanwhile, 12)}")

    def interrupted(number, _):
        script_processes.go_on()
        os.killpg(run.pid, number)

    signal.signal(signal.SIGINT, interrupted)
    signal.signal(signal.SIGTERM, interrupted)
    try:
        while run.poll() is None and not script_processes.game_runs():
            time.sleep(0.2)
        done_after = False
        while run.poll() is None:
            if arguments.random:
                wait = chance.uniform(*BETWEEN_SECONDS)
                try:
                    run.wait(timeout=wait)
                    break
                except subprocess.TimeoutExpired:
                    pass
                stop_for(chance.uniform(*STOP_SECONDS))
            elif arguments.after and not done_after:
                if after_seen.wait(timeout=0.2):
                    time.sleep(AFTER_DELAY)
                    done_after = True
                    if run.poll() is None:
                        stop_for(float(arguments.after[1]))
            else:
                run.wait()
    finally:
        script_processes.go_on()
        status = run.wait()
        reader.join(timeout=5)
    say(f"the run ended with status {status} after {time.monotonic() - started:.0f} s, stopped {len(stops)} times:")
    for at, seconds, caught, meanwhile in stops:
        say(f"  at {at:.0f} s for {seconds:.0f} s, after \"{caught}\": the game logged {told(meanwhile, 8)}")
    return status


if __name__ == "__main__":
    sys.exit(main())
