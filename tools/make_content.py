#!/usr/bin/python3
"""Makes every generated file of the game from the scripts in tools/: the ship layouts, the
prefabs, the levels, the pictures and the sounds, in that order (a level checks that the prefabs it
places exist, so the prefabs come first).

    python3 tools/make_content.py                  writes into the checkout
    python3 tools/make_content.py --out DIR        writes DIR/Assets/... and DIR/docs/ASSETS.md instead
    python3 tools/make_content.py --check [DIR]    writes into a temporary folder and compares it with
                                                   the checkout (or DIR); exits 1 naming each file
                                                   that differs, is missing, or is left over
    python3 tools/make_content.py --overwrite FILE...   also replaces these files where they were
                                                   changed after the scripts wrote them; a path
                                                   no script writes stops the run, nothing written
    python3 tools/make_content.py --only SCRIPT... runs only these scripts (in their usual order)

Who owns a file: the scripts own every file they write, as long as nobody changes it. The editor
saves levels, prefabs and ship layouts into those same files; a file changed after the scripts last
wrote it (tools/generated-files.json keeps a fingerprint of what they wrote) is the designer's from
then on. A run keeps it as it is and names it (exit code 1), and --check names it without failing.
To give it back to the scripts, carry the change into the script that writes it, or replace it
with --overwrite. A file under Assets/ that no script writes is likewise the designer's (a prefab
saved under a new name); the few made by hand on purpose are listed in HAND_MADE below, with the
reason.

The Debian interpreter is named on purpose: Pillow comes from the python3-pil package, which
another installation's python3 does not see; such a python3 hands the run over to Debian's.
"""
import argparse
import difflib
import glob
import os
import runpy
import shutil
import sys

sys.dont_write_bytecode = True  # nothing of a run may land in the checkout (tools/__pycache__)

try:
    import PIL  # noqa: F401 (only whether it is there)
except ImportError:
    DEBIAN_PYTHON = "/usr/bin/python3"
    if os.path.exists(DEBIAN_PYTHON) and os.path.realpath(sys.executable) != os.path.realpath(DEBIAN_PYTHON):
        os.execv(DEBIAN_PYTHON, [DEBIAN_PYTHON, "-B", os.path.abspath(__file__)] + sys.argv[1:])
    sys.exit("[ERROR] Pillow is missing; it comes with Debian's python3-pil (tools/setup-debian.sh installs it)")

import content

# In the order they run.
SCRIPTS = [
    "make_ship_layouts.py",
    "make_basic_prefabs.py",
    "make_combat_prefabs.py",
    "make_player_prefabs.py",
    "make_enemy_prefabs.py",
    "make_boss_prefabs.py",
    "make_ship_prefabs.py",
    "make_overworld_prefabs.py",
    "make_interface_levels.py",
    "make_flow_levels.py",
    "make_tutorial_level.py",
    "make_boss_room.py",
    "make_encounter_levels.py",
    "make_overworld.py",
    "make_brackwater.py",
    "make_firing_range.py",
    "make_aiarena.py",
    "make_armory.py",
    "make_bestiary.py",
    "make_ship_level.py",
    "make_atlas.py",
    "make_sounds.py",
]

# Files under Assets/ that no script writes (a path ending in "/" is a whole folder), and why.
HAND_MADE = {
    "Assets/Shaders/": "GLSL written by hand",
    "Assets/GameSettings": "the game's settings, which the game itself writes back when they change",
    "Assets/EditorSettings": "the editor's settings, which the editor writes back when they change",
    "Assets/LevelFiles/testlevel.json": "a fixture the object, editor and program tests load; its odd records "
                                        "(a chain of children, an object without a Transform) are what they check",
}

TOOLS = os.path.dirname(os.path.abspath(__file__))


def generate(folder, target, only=None):
    """Runs every script (or those in `only`) into `folder`, to be committed into or compared with
    `target`; returns which script wrote each file."""
    scripts = {os.path.basename(path) for path in glob.glob(os.path.join(TOOLS, "make_*.py"))}
    for unlisted in sorted(scripts - set(SCRIPTS) - {os.path.basename(__file__)}):
        sys.exit("[ERROR] tools/%s is not in SCRIPTS of tools/make_content.py" % unlisted)
    for unknown in sorted(set(only or ()) - set(SCRIPTS)):
        sys.exit("[ERROR] %s is not one of the scripts in SCRIPTS of tools/make_content.py" % unknown)
    content.write_into(folder, target)
    writers = {}
    for script in SCRIPTS:
        if only and script not in only:
            continue
        first = len(content.written)
        try:
            runpy.run_path(os.path.join(TOOLS, script), run_name="__main__")
        except SystemExit as stop:
            sys.exit("[ERROR] tools/%s stopped: %s" % (script, stop.code))
        except content.UnusableFile as error:
            sys.exit("%s tools/%s stopped, and nothing was written." % (error, script))
        except OSError as error:  # such as a picture the script saves itself, into a full disk
            sys.exit("[ERROR] tools/%s stopped: %s (%s), and nothing was written."
                     % (script, error.strerror or error, error.filename or folder))
        for relative in content.written[first:]:
            others = writers.get(relative, "")
            if "tools/" + script not in others:
                writers[relative] = (others + " and " if others else "") + "tools/" + script
    return writers


def hand_made(relative):
    return any(relative == path or (path.endswith("/") and relative.startswith(path)) for path in HAND_MADE)


def difference(made, kept, relative):
    """A few lines of the difference between two text files, or nothing for pictures and sounds."""
    made_bytes, kept_bytes = content.read_file(made), content.read_file(kept)
    if b"\0" in made_bytes or b"\0" in kept_bytes:
        return []
    made_lines = made_bytes.decode("utf-8", "replace").splitlines()
    kept_lines = kept_bytes.decode("utf-8", "replace").splitlines()
    lines = list(difflib.unified_diff(kept_lines, made_lines, "checkout/" + relative, "script/" + relative,
                                      n=1, lineterm=""))
    return ["    " + line for line in lines[:24]] + (["    ..."] if len(lines) > 24 else [])


def compare(folder, writers, target, every_script=True):
    """What differs between the files made into `folder` and `target`: the problems (one message
    each) and the designer's files (named, not a problem). Files that no script wrote are looked
    for only when every script ran."""
    record = content.read_record(target)
    problems, designers = [], []
    for relative, script in sorted(writers.items()):
        kept = os.path.join(target, relative)
        made = os.path.join(folder, relative)
        try:
            if not os.path.lexists(kept):
                problems.append("[ERROR] %s is missing; %s writes it" % (relative, script))
            elif content.read_file(kept) == content.read_file(made):
                if record.get(relative) != content.fingerprint(kept):
                    problems.append("[ERROR] %s is not in %s as its script wrote it: run tools/make_content.py to "
                                    "bring the record up to date" % (relative, content.RECORD))
            elif content.changed_by_someone(relative, target, record):
                designers.append("%s was changed after %s last wrote it (a save of the editor, or a hand edit): "
                                 "the scripts keep it as it is" % (relative, script))
            else:
                problems.append("[ERROR] %s differs from what %s writes: make the change in the script and run it"
                                % (relative, script))
                problems += difference(made, kept, relative)
        except content.UnusableFile as error:
            problems.append("%s %s writes a file there." % (error, script))
    for directory, _, files in os.walk(os.path.join(target, "Assets")) if every_script else ():
        for name in files:
            relative = os.path.relpath(os.path.join(directory, name), target).replace(os.sep, "/")
            # A temporary file of a run or a save (removed by the next, once its process is gone) is
            # nobody's work.
            if relative in writers or hand_made(relative) or content.temporary_of(name):
                continue
            try:
                left_over = relative in record and not content.changed_by_someone(relative, target, record)
            except content.UnusableFile as error:
                problems.append(str(error))
                continue
            if left_over:
                problems.append("[ERROR] %s is left over: the scripts wrote it once and none writes it now; "
                                "remove it, or write it from a script" % relative)
            else:
                designers.append("%s is written by no script: it is the designer's" % relative)
    return problems, designers


def main():
    parser = argparse.ArgumentParser(description="Makes every generated file of the game.")
    where = parser.add_mutually_exclusive_group()
    where.add_argument("--out", metavar="DIR", help="write into DIR instead of the checkout")
    where.add_argument("--check", metavar="DIR", nargs="?", const=content.ROOT,
                       help="compare what the scripts write with the checkout (or DIR)")
    parser.add_argument("--overwrite", metavar="FILE", nargs="+", default=[],
                        help="replace these files (paths as Assets/...) even where they were changed after the "
                             "scripts wrote them")
    parser.add_argument("--only", metavar="SCRIPT", nargs="+", help="run only these scripts")
    arguments = parser.parse_args()
    target = os.path.abspath(arguments.check or arguments.out or content.ROOT)
    folder = content.make_scratch_folder()
    try:
        writers = generate(folder, target, arguments.only)
        # A path that matches nothing would leave the file it was meant for kept, unnoticed.
        unmatched = sorted(set(arguments.overwrite) - set(writers))
        example = min(writers, default="Assets/LevelFiles/skirmish.json")
        for path in unmatched:
            print("[ERROR] --overwrite %s: no script%s writes that path (give it as the scripts write it, such as "
                  "%s), so nothing was written." % (path, " that ran" if arguments.only else "", example))
        if unmatched:
            return 1
        try:
            if arguments.check is None:
                return 1 if content.commit(folder, target, writers, set(arguments.overwrite)) else 0
            problems, designers = compare(folder, writers, target, not arguments.only)
        except content.UnusableFile as error:
            print(error)
            return 1
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    for line in designers:
        print("Kept: " + line)
    print("\n".join(problems) if problems else "Every generated file matches its script or is the designer's.")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
