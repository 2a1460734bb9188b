#!/usr/bin/env python3
"""Asks the running game for its state until it shows what a script waits for.

    game_state.py PID LOG PROGRAM [--until CONDITION] [--print EXPRESSION] [--what TEXT]
                                  [--timeout SECONDS] [--mark LINES]
    game_state.py --serve FOLDER     the same for every question of a run (see serve)

SIGUSR1 makes the game write one line, "State: " and a JSON object, to its log at the end of the
next frame (README, "Command line"). This sends the signal to process PID once it runs the game's
executable PROGRAM (see ready), reads the answer from the log, and repeats until CONDITION (a Python
expression, default True) holds of a fresh answer; then it prints EXPRESSION's value of that
answer: a list as its items between blanks, anything else as text.

The timeout (default 20) counts seconds of the game's own clock, the "time" of its state: a busy
machine that runs the game slowly makes a wait longer, never a failure. It counts only the time the
asker was asking: between two answers at most PAUSED, since the game answers at the end of the
next frame and a longer gap is the asker held up (a starved process, a slow X call), which must not
use up a limit. The wall clock ends a wait only as a last resort: when the game answers no request
for a long while (it hangs), or after far longer than the game's time asked for (see last_resort),
counted alike; the asker's own stretches held up (stopped, or starved) count for neither. A wait
that fails says what it waited for, why it stopped, and what the game showed last, and fails; one
that got no answer says why none came, as far as the game, its log and its signals show: no request
could be sent, the game answered into a file not read, it ran on and wrote no answer, or it hangs.
A helper that finds the script asked nothing for a long stretch of the game's time says so on
standard error, naming the wait that came next: where a run was held up.

Expressions see the state as `s` and these helpers:
    loop()            "game", "editor" or "none"
    level(space)      the level a live space shows, or None
    visible(space)    whether that space is live and visible; paused(space) likewise
    shows(level)      whether a live, visible space shows that level
    player()          the player's world position [x, y], or None
    slot(n)           what the player's slot n holds: {"item", "magazine", "reserve"}, or None
    watched(name)     the objects of a watched name (the game's "watch") that live: dictionaries
                      with their "position" and "health"; found(name) the first one's position, or None
    in_view(place, inset)  whether a world place shows in the window, through the view of the
                      player's space, at least that share of the window (default 0) inside its edges
    toward(place, width, height)  the pixel of a window that size to put the pointer on, to aim
                      from the player at a world place: the place's own pixel through the view of
                      the player's space, or, when it lies off the window, where the line from the
                      player to it leaves the window (a little inside)
    window(name)      whether the editor's window of that name was shown
    popups(), typing()  the number of popups and menus open, whether a text field has the keyboard
    field()           what the text field that has the keyboard holds
    editor(), held()  the editor's part and its held object (dictionaries), or None
    frames(), seconds()  the frames and the seconds of the game's clock since the first answer to
                      this question
    logged(text)      whether the game's log holds the text past its first LINES lines (the mark)
The condition "ended()" alone waits for the game to end instead.
"""
import argparse
import json
import os
import signal
import sys
import time

# The wall clock's say. A game that answers no request for this long of the asker's own running
# hangs: no busy machine is that slow, and a level loads in far less. Starting up, before the first
# frame, counts the same.
STALLED = 120.0
# The most game time two answers in a row count for a timeout: a frame steps 1/30 s at most.
PAUSED = 0.5
# A gap between two questions' answers said on standard error, in the game's seconds.
NOTED = 5.0
# A poll of the asker this much later than its short sleep: the asker itself was held up.
HELD_UP = 1.0


def last_resort(timeout):
    """Wall-clock seconds after which a wait of TIMEOUT seconds of the game's time gives up, even
    while frames come: the game then runs below a frame in 2.5 s of its time, a twelfth of its speed."""
    return 60.0 + 12.0 * timeout


def alive(pid):
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] not in ("Z", "X")
    except OSError:
        return False


# The processes found to run the game with its handler: each stays the game until it ends, also
# once its program's file is replaced (a build made meanwhile), when /proc names it "(deleted)".
games = set()


def unready(pid, program):
    """Why a state request may not go to the process yet, or None when it may: it must run PROGRAM
    itself, and have its handler. Between the fork and the exec of "( cd FOLDER && exec GAME ) &" the
    process is a copy of the script that started it, and a script with an EXIT trap catches SIGUSR1
    only to end by it. The exec maps the program's file after it has put the copy's handlers back to
    the default, so a handler seen once the file is mapped is the game's own; before the game
    installs it, the signal would end the game."""
    program = os.path.realpath(program)
    try:
        if pid not in games:
            if os.path.realpath(f"/proc/{pid}/exe") != program:
                return f"it runs {os.readlink(f'/proc/{pid}/exe')}, not {program}"
            with open(f"/proc/{pid}/maps") as maps:
                if not any(line.rstrip("\n").endswith(" " + program) for line in maps):
                    return f"it has not mapped {program} yet"
        with open(f"/proc/{pid}/status") as status:
            for line in status:
                if line.startswith("SigCgt:"):
                    if (int(line.split()[1], 16) >> (signal.SIGUSR1 - 1)) & 1 == 1:
                        games.add(pid)
                        return None
                    return "it has no handler for SIGUSR1"
    except OSError as problem:
        return f"its /proc entries cannot be read ({problem.strerror})"
    return "its status shows no handlers"


def main_thread(pid):
    """(CPU seconds, voluntary context switches) of the process's main thread, or None: both grow
    while its frame loop runs, each frame working and then sleeping to its deadline."""
    try:
        with open(f"/proc/{pid}/task/{pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        with open(f"/proc/{pid}/task/{pid}/status") as status:
            switches = next(int(line.split()[1]) for line in status if line.startswith("voluntary_ctxt_switches:"))
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK"), switches
    except (OSError, StopIteration, IndexError, ValueError):
        return None


def written_to(pid):
    """Where the process's next write to its standard output goes, or None."""
    try:
        with open(f"/proc/{pid}/fdinfo/1") as info:
            return next(int(line.split()[1]) for line in info if line.startswith("pos:"))
    except (OSError, StopIteration, IndexError, ValueError):
        return None


def same_file(first, second):
    return first is not None and second is not None and (first.st_dev, first.st_ino) == (second.st_dev, second.st_ino)


def stat_or_none(path):
    try:
        return os.stat(path)
    except OSError:
        return None


class Request:
    """One state request to the game and its answer, read from the log. A request is repeated while
    no answer comes; what the request saw on the way says why none came."""

    def __init__(self, pid, log, program):
        self.pid, self.log, self.program = pid, log, program
        self.sent = 0
        self.refused = None  # why the latest request could not be sent
        self.opened = None  # the log as the request found it, and where it ended then
        self.offset = 0
        self.ran = 0.0  # seconds the asker itself ran while it waited
        self.held = 0.0  # and those it was held up (stopped, or starved on a busy machine)
        self.game = None  # the game's main thread as the request was made
        self.polled = time.monotonic()

    def running(self, budget):
        """Counts the time since the last poll, and says whether BUDGET seconds of the asker's own
        running are left. A poll far later than its short sleep means the asker was held up: that
        stretch says nothing of the game, and is counted apart."""
        now = time.monotonic()
        if now - self.polled > HELD_UP:
            self.held += now - self.polled
        else:
            self.ran += now - self.polled
        self.polled = now
        return self.ran < budget

    def answer(self, budget):
        """The first state written after the request; None when the game ended, or when no answer
        came in BUDGET seconds of the asker's running. The log is made by the process that becomes
        the game, which may come after the question."""
        while not os.path.exists(self.log):
            if not alive(self.pid) or not self.running(budget):
                return None
            time.sleep(0.01)
        with open(self.log, "rb") as stream:
            self.offset = stream.seek(0, os.SEEK_END)
            self.opened = os.fstat(stream.fileno())
            self.game = main_thread(self.pid)
            pending = b""
            asked = None
            while True:
                if not alive(self.pid):
                    return None
                # A frame may take long on a busy machine; a repeated request costs nothing.
                if asked is None or time.monotonic() - asked > 2.0:
                    self.refused = unready(self.pid, self.program)
                    if self.refused is None:
                        os.kill(self.pid, signal.SIGUSR1)
                        asked = time.monotonic()
                        self.sent += 1
                pending += stream.read()
                *lines, pending = pending.split(b"\n")
                for line in lines:
                    if line.startswith(b"State: "):
                        return json.loads(line[len(b"State: "):])
                # Read once more after a stretch held up, however long: the answer may lie there.
                if not self.running(budget):
                    return None
                # The answer comes at the end of the frame; a short poll keeps a key held for the
                # game's time asked, not that and the script's own delay.
                time.sleep(0.01)

    def why_unanswered(self):
        """What kept the answer away, from what the game, its log and its signals show now."""
        asking = f"{self.ran:.0f} s of asking"
        if self.held >= 1:
            asking += f" ({self.held:.0f} s more the asker was held up)"
        if self.opened is None:
            return f"the game made no log {self.log} in {asking}"
        if self.sent == 0:
            return f"no state request could go to the game in {asking}: {self.refused}"
        writes_to = stat_or_none(f"/proc/{self.pid}/fd/1")
        if not same_file(writes_to, self.opened):
            try:
                output = os.readlink(f"/proc/{self.pid}/fd/1")
            except OSError:
                output = "nothing that can be seen"
            return f"the game writes its answers to {output}, not to the log read, {self.log}"
        try:
            with open(f"/proc/{self.pid}/fd/1", "rb") as written:
                written.seek(self.offset)
                past = written.read()
        except OSError:
            past = b""
        position = written_to(self.pid)
        if position is not None and position < self.offset:
            return (f"the game writes its log at byte {position}, short of byte {self.offset} where its answer was awaited: "
                    f"another process writes the same file {self.log} (two runs into one folder?)")
        lines = past.split(b"\n")[:-1]
        answered = sum(line.startswith(b"State: ") for line in lines)
        inside = sum(b"State: {" in line[1:] for line in lines)
        if answered:
            return f"the game answered ({answered} state lines past the request) but no answer was read"
        if inside:
            return f"the game answered, but each answer ({inside}) came inside another line of its log"
        game = f"{self.sent} requests over {asking} went unanswered"
        now, then = main_thread(self.pid), self.game
        if now is None or then is None:
            return f"{game}; the game's main thread cannot be seen"
        cpu, woke = now[0] - then[0], now[1] - then[1]
        if woke < 2 and cpu < 0.5:
            return f"{game}: the game hangs, its main thread used {cpu:.1f} s of CPU and woke {woke} times meanwhile"
        return (f"{game}, while the game ran on (its main thread used {cpu:.0f} s of CPU and woke {woke} times "
                f"meanwhile){self.signal_state()}")

    def signal_state(self):
        """Whether a request waits undelivered (SIGUSR1 pending, blocked by every thread)."""
        bit = 1 << (signal.SIGUSR1 - 1)
        pending = blocked = 0
        try:
            for task in os.listdir(f"/proc/{self.pid}/task"):
                with open(f"/proc/{self.pid}/task/{task}/status") as status:
                    fields = dict(line.split(":", 1) for line in status if ":" in line)
                pending |= int(fields["ShdPnd"], 16) | int(fields["SigPnd"], 16)
                blocked += bool(int(fields["SigBlk"], 16) & bit)
            threads = len(os.listdir(f"/proc/{self.pid}/task"))
        except (OSError, KeyError, ValueError):
            return ""
        if pending & bit:
            return f"; SIGUSR1 waits undelivered, blocked by {blocked} of its {threads} threads"
        return "; no request waits undelivered: each was taken, and its answer never written"


class LogSince:
    """The game's log past its first MARK lines: asked about on every fresh state, so the mark's
    byte offset is found once and only what follows it is read."""

    def __init__(self, log, mark):
        self.log = log
        self.mark = mark
        self.offset = None

    def holds(self, text):
        with open(self.log, "rb") as stream:
            if self.offset is None:
                for _ in range(self.mark):
                    stream.readline()
                self.offset = stream.tell()
            stream.seek(self.offset)
            return text.encode("utf-8") in stream.read()


def player_view(s):
    """[left, top, right, bottom]: the world places of the window's corners in the player's space."""
    return [space for space in s["spaces"] if space["name"] == s["player"]["space"]][0]["view"]


def in_view(s, place, inset=0.0):
    left, top, right, bottom = player_view(s)
    across, down = (place[0] - left) / (right - left), (top - place[1]) / (top - bottom)
    return inset <= across <= 1.0 - inset and inset <= down <= 1.0 - inset


def toward(s, place, width, height, inset=24):
    player = s["player"]
    left, top, right, bottom = player_view(s)

    def pixel(point):
        return (point[0] - left) / (right - left) * width, (top - point[1]) / (top - bottom) * height

    (px, py), (tx, ty) = pixel(player["position"]), pixel(place)
    share = 1.0
    for start, end, low, high in ((px, tx, inset, width - inset), (py, ty, inset, height - inset)):
        if end < low:
            share = min(share, (low - start) / (end - start))
        elif end > high:
            share = min(share, (high - start) / (end - start))
    return [round(px + (tx - px) * share), round(py + (ty - py) * share)]


def helpers(s, first, since):
    spaces = {space["name"]: space for space in s["spaces"]}
    interface = s["interface"]
    living = lambda name: [found for found in s["watched"][name] if not found["dead"]]
    return {
        "s": s,
        "loop": lambda: s["loop"],
        "level": lambda name: spaces[name]["level"] if name in spaces else None,
        "visible": lambda name: name in spaces and spaces[name]["visible"],
        "paused": lambda name: name in spaces and spaces[name]["paused"],
        "shows": lambda level: any(space["level"] == level and space["visible"] for space in s["spaces"]),
        "player": lambda: s["player"]["position"] if s["player"] else None,
        "slot": lambda number: s["player"]["slots"][number],
        "watched": living,
        "found": lambda name: living(name)[0]["position"] if living(name) else None,
        "in_view": lambda place, inset=0.0: in_view(s, place, inset),
        "toward": lambda place, width, height: toward(s, place, width, height),
        "window": lambda name: name in interface["windows"],
        "popups": lambda: interface["popups"],
        "typing": lambda: interface["typing"],
        "field": lambda: interface["field"],
        "editor": lambda: s["editor"],
        "held": lambda: s["editor"]["held"] if s["editor"] else None,
        "frames": lambda: s["frame"] - first["frame"],
        "seconds": lambda: s["time"] - first["time"],
        "logged": since.holds,
    }


def shown(value):
    if isinstance(value, (list, tuple)):
        return " ".join(shown(item) for item in value)
    if isinstance(value, float) and value.is_integer():
        return str(int(value))
    if isinstance(value, (dict, bool)) or value is None:
        return json.dumps(value)
    return str(value)


def answer(pid, log, program, until="True", expression=None, what=None, timeout=20.0, mark=0):
    """(True, EXPRESSION's value shown) once UNTIL holds, else (False, why not)."""
    what = what or until
    walled = 0.0  # wall seconds counted, as the game's time is
    counted = 0.0
    asked = time.monotonic()
    first = last = None
    since = LogSince(log, mark)
    while True:
        request = Request(pid, log, program)
        state = request.answer(min(STALLED, last_resort(timeout) - walled))
        answered = time.monotonic()
        if state is None:
            if until == "ended()" and not alive(pid):
                return True, ""
            if not alive(pid):
                why = "the game ended"
            elif walled + request.ran >= last_resort(timeout):
                ran = f"{last['frame'] - first['frame']} frames, {last['time'] - first['time']:.1f} s of its time" if last else "no frame"
                why = f"{last_resort(timeout):g} s passed by the wall clock (the game ran {ran})"
            else:
                why = request.why_unanswered()
            break
        if last is not None:
            if state["time"] - last["time"] <= PAUSED:
                counted += state["time"] - last["time"]
                walled += answered - asked
            else:
                counted += PAUSED
        asked = answered
        first = first or state
        last = state
        note_gap(state, what)
        if until != "ended()":
            names = helpers(state, first, since)
            try:
                holds = eval(until, names)
            except (KeyError, IndexError, TypeError):
                holds = False  # asked of a part the state does not have yet (no held object)
            if holds:
                return True, shown(eval(expression, names)) if expression else ""
        if counted >= timeout:
            why = f"{timeout:g} s of the game's time passed"
            break
    return False, f"[ERROR] {why} while waiting for {what}; the game's last state: {json.dumps(last)}"


last_answer = None


def note_gap(state, what):
    """Says on standard error when the state before this one, the last of any question, lies more
    than NOTED seconds of the game's time back: the script asked nothing all that while."""
    global last_answer
    if last_answer is not None and state["time"] - last_answer["time"] > NOTED:
        print(f"held up: nothing asked for {state['frame'] - last_answer['frame']} frames, "
              f"{state['time'] - last_answer['time']:.1f} s of the game's time, before waiting for {what}",
              file=sys.stderr, flush=True)
    last_answer = state


def serve(folder):
    """Answers questions for a whole run: one JSON object a line in FOLDER/questions (pid, log,
    program, until, print, what, timeout, mark), one line back in FOLDER/answers: "ok VALUE" or "failed WHY".
    A Python start for every question would cost more than the question."""
    # Opened in the order the script opens its ends, or both would wait for ever.
    with open(os.path.join(folder, "questions")) as questions:
        with open(os.path.join(folder, "answers"), "w") as answers:
            for line in questions:
                try:
                    question = json.loads(line)
                    held, text = answer(question["pid"], question["log"], question["program"],
                                        question.get("until") or "True", question.get("print"), question.get("what"),
                                        float(question.get("timeout") or 20), int(question.get("mark") or 0))
                except Exception as problem:  # a bad question is answered, never the end of the helper
                    held, text = False, f"[ERROR] the question {line.strip()} could not be asked: {problem!r}"
                answers.write(("ok " if held else "failed ") + text.replace("\n", " ") + "\n")
                answers.flush()


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--serve":
        serve(sys.argv[2])
        return 0
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("pid", type=int)
    parser.add_argument("log")
    parser.add_argument("program")
    parser.add_argument("--until", default="True")
    parser.add_argument("--print", dest="expression")
    parser.add_argument("--what")
    parser.add_argument("--timeout", type=float, default=20.0)
    parser.add_argument("--mark", type=int, default=0)
    arguments = parser.parse_args()
    held, text = answer(arguments.pid, arguments.log, arguments.program, arguments.until, arguments.expression, arguments.what,
                        arguments.timeout, arguments.mark)
    if text:
        print(text, file=sys.stdout if held else sys.stderr)
    return 0 if held else 1


if __name__ == "__main__":
    sys.exit(main())
