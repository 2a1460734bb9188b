#!/usr/bin/env python3
"""Asks the running game for its state until it shows what a script waits for.

    game_state.py PID LOG [--until CONDITION] [--print EXPRESSION] [--what TEXT] [--timeout SECONDS]
    game_state.py --serve FOLDER     the same for every question of a run (see serve)

SIGUSR1 makes the game write one line, "State: " and a JSON object, to its log at the end of the
next frame (README, "Command line"). This sends the signal, reads the answer from the log, and
repeats until CONDITION (a Python expression, default True) holds of a fresh answer; then it prints
EXPRESSION's value of that answer: a list as its items between blanks, anything else as text. When
the condition does not hold within the timeout (default 20 s), or the game ends, it says what it
waited for and what the game showed last, and fails.

Expressions see the state as `s` and these helpers:
    loop()            "game", "editor" or "none"
    level(space)      the level a live space shows, or None
    visible(space)    whether that space is live and visible; paused(space) likewise
    shows(level)      whether a live, visible space shows that level
    player()          the player's world position [x, y], or None
    window(name)      whether the editor's window of that name was shown
    popups(), typing()  the number of popups and menus open, whether a text field has the keyboard
    field()           what the text field that has the keyboard holds
    editor(), held()  the editor's part and its held object (dictionaries), or None
"""
import argparse
import json
import os
import signal
import sys
import time


def alive(pid):
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] not in ("Z", "X")
    except OSError:
        return False


def ask(pid, log, deadline):
    """One fresh state: the first answer written after the request, or None at the deadline."""
    with open(log, "rb") as stream:
        stream.seek(0, os.SEEK_END)
        pending = b""
        asked = 0.0
        while time.monotonic() < deadline:
            if not alive(pid):
                return None
            # A frame may take long on a busy machine; a repeated request costs nothing.
            if time.monotonic() - asked > 2.0:
                os.kill(pid, signal.SIGUSR1)
                asked = time.monotonic()
            pending += stream.read()
            *lines, pending = pending.split(b"\n")
            for line in lines:
                if line.startswith(b"State: "):
                    return json.loads(line[len(b"State: "):])
            time.sleep(0.05)
    return None


def helpers(s):
    spaces = {space["name"]: space for space in s["spaces"]}
    interface = s["interface"]
    return {
        "s": s,
        "loop": lambda: s["loop"],
        "level": lambda name: spaces[name]["level"] if name in spaces else None,
        "visible": lambda name: name in spaces and spaces[name]["visible"],
        "paused": lambda name: name in spaces and spaces[name]["paused"],
        "shows": lambda level: any(space["level"] == level and space["visible"] for space in s["spaces"]),
        "player": lambda: s["player"]["position"] if s["player"] else None,
        "window": lambda name: name in interface["windows"],
        "popups": lambda: interface["popups"],
        "typing": lambda: interface["typing"],
        "field": lambda: interface["field"],
        "editor": lambda: s["editor"],
        "held": lambda: s["editor"]["held"] if s["editor"] else None,
    }


def shown(value):
    if isinstance(value, (list, tuple)):
        return " ".join(shown(item) for item in value)
    if isinstance(value, float) and value.is_integer():
        return str(int(value))
    if isinstance(value, (dict, bool)) or value is None:
        return json.dumps(value)
    return str(value)


def answer(pid, log, until="True", expression=None, what=None, timeout=20.0):
    """(True, EXPRESSION's value shown) once UNTIL holds, else (False, why not)."""
    deadline = time.monotonic() + timeout
    last = None
    while True:
        state = ask(pid, log, deadline)
        if state is None:
            break
        last = state
        names = helpers(state)
        try:
            holds = eval(until, names)
        except (KeyError, IndexError, TypeError):
            holds = False  # asked of a part the state does not have yet (no held object)
        if holds:
            return True, shown(eval(expression, names)) if expression else ""
        time.sleep(0.1)
    ending = "the game ended" if not alive(pid) else f"{timeout:g} s passed"
    return False, f"[ERROR] {ending} while waiting for {what or until}; the game's last state: {json.dumps(last)}"


def serve(folder):
    """Answers questions for a whole run: one JSON object a line in FOLDER/questions (pid, log,
    until, print, what, timeout), one line back in FOLDER/answers: "ok VALUE" or "failed WHY". A
    Python start for every question would cost more than the question."""
    # Opened in the order the script opens its ends, or both would wait for ever.
    with open(os.path.join(folder, "questions")) as questions:
        with open(os.path.join(folder, "answers"), "w") as answers:
            for line in questions:
                try:
                    question = json.loads(line)
                    held, text = answer(question["pid"], question["log"], question.get("until") or "True",
                                        question.get("print"), question.get("what"),
                                        float(question.get("timeout") or 20))
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
    parser.add_argument("--until", default="True")
    parser.add_argument("--print", dest="expression")
    parser.add_argument("--what")
    parser.add_argument("--timeout", type=float, default=20.0)
    arguments = parser.parse_args()
    held, text = answer(arguments.pid, arguments.log, arguments.until, arguments.expression, arguments.what,
                        arguments.timeout)
    if text:
        print(text, file=sys.stdout if held else sys.stderr)
    return 0 if held else 1


if __name__ == "__main__":
    sys.exit(main())
