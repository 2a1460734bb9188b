"""What the content scripts share: where they write, the game's own JSON layout, level files, and
the pieces many prefabs are made of.

Every generated file goes through `output_path`. A script never writes into the checkout directly:
its files are made in a staging folder, and `commit` then puts into place each one whose file was
not changed since the scripts last wrote it (the editor saves levels, prefabs and ship layouts
into the same files a designer's work lives in). tools/make_content.py stages every script into
one folder and commits it (or only compares it, with --check); a script run on its own stages into
a scratch folder of its own and commits into the checkout when it ends.

A run's scratch folder and its temporary files are named as the game names the temporary files of
its saves, "<name>.tmp<pid>-XXXXXX": a run killed before it cleaned up leaves them, and a later run
removes those whose process is gone (`remove_stale_temporaries`).

The scripts remember what they last wrote in RECORD: a SHA-256 of each file's bytes. A file whose
bytes are neither that nor what the scripts write now was changed by someone else, and is kept.
"""
import atexit
import decimal
import hashlib
import json
import os
import random
import re
import shutil
import stat
import string
import sys
import tempfile

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
# Within the folder committed into (the checkout, or make_content.py's --out folder).
RECORD = "tools/generated-files.json"
# The largest file the scripts read, as the game's largest data file.
MAXIMUM_FILE_SIZE = 64 << 20

_output_root = None  # the staging folder; made on the first write when no one chose it
_target_root = ROOT  # where commit puts the staged files
written = []  # the files written so far, relative to the staging folder, in order


def write_into(folder, target=ROOT):
    """Makes every later write land under `folder` (laid out as the checkout), to be committed into
    `target` (or only compared with it)."""
    global _output_root, _target_root
    _output_root = os.path.abspath(folder)
    _target_root = os.path.abspath(target)


# What the scratch folders of the runs are called in the system's temporary folder (with a
# temporary file's ending: each run's has its process id).
SCRATCH = "content"
_TEMPORARY = re.compile(r"(.+)\.tmp([1-9][0-9]{0,9})-[A-Za-z0-9]{6}")


def temporary_of(name):
    """The file that `name` is a temporary file of, and the process that made it, for a name of the
    exact form "<name>.tmp<pid>-XXXXXX" the scripts and the game's saves make; None for any other."""
    match = _TEMPORARY.fullmatch(name)
    if match is None or int(match.group(2)) >= 1 << 31:
        return None
    return match.group(1), int(match.group(2))


def _create_own(folder, name, create):
    """Makes, through `create(path)`, an entry of `folder` named as a temporary of `name` made by
    this process, under a name nobody can plant in advance (`create` must fail on an existing
    name); returns its path and what `create` returned."""
    letters = string.ascii_letters + string.digits
    while True:
        path = os.path.join(folder, "%s.tmp%d-%s" % (name, os.getpid(), "".join(random.choices(letters, k=6))))
        try:
            return path, create(path)
        except FileExistsError:
            continue


def _gone(process):
    if process == os.getpid():
        return True  # nothing of this process is being written while it looks for leftovers
    try:
        os.kill(process, 0)
    except ProcessLookupError:
        return True
    except OSError:
        pass  # it lives, under another user
    return False


def remove_stale_temporaries(folder, names, folders=False):
    """Removes from `folder` what a killed run or save left of the files `names`: the temporary files
    (or, with `folders`, scratch folders) named as theirs whose process is gone. Nothing else: a
    link, or an entry of the other kind, was put there by someone."""
    try:
        entries = list(os.scandir(folder))
    except OSError:
        return
    for entry in entries:
        made = temporary_of(entry.name)
        if made is None or made[0] not in names or not _gone(made[1]):
            continue
        if folders and entry.is_dir(follow_symlinks=False):
            shutil.rmtree(entry.path, ignore_errors=True)
        elif not folders and entry.is_file(follow_symlinks=False):
            try:
                os.unlink(entry.path)
            except OSError:
                pass


def make_scratch_folder():
    """A folder of this run's own for the files it stages, in the system's temporary folder; the
    scratch folders of runs that were killed are removed first."""
    scratch = tempfile.gettempdir()
    remove_stale_temporaries(scratch, {SCRATCH}, folders=True)
    return _create_own(scratch, SCRATCH, lambda path: os.mkdir(path, 0o700))[0]


def _staging():
    global _output_root
    if _output_root is None:
        # A script run on its own: staged in a scratch folder, committed into the checkout at its end.
        _output_root = make_scratch_folder()
        atexit.register(_commit_alone)
    return _output_root


def _commit_alone():
    try:
        kept = commit(_output_root, ROOT, {relative: "tools/" + os.path.basename(sys.argv[0]) for relative in written})
    except UnusableFile as error:
        print(error)
        kept = True
    finally:
        shutil.rmtree(_output_root, ignore_errors=True)
    if kept:
        sys.stdout.flush()
        os._exit(1)  # the script's own exit code is already fixed by the time this runs


def source_path(relative):
    """A file of the checkout."""
    return os.path.join(ROOT, relative)


def written_path(relative):
    """The file `relative` as it stands for a script that rewrites part of it: the staged copy once
    one has been written there, else the checkout's, whose hand-written parts carry over."""
    path = os.path.join(_staging(), relative)
    return path if os.path.exists(path) else source_path(relative)


def output_folder(relative):
    """The folder `relative` of the staging folder, made if missing."""
    path = os.path.join(_staging(), relative)
    os.makedirs(path, exist_ok=True)
    return path


def output_path(relative):
    """Where the generated file `relative` (e.g. "Assets/Prefabs/Default.prefab") is staged; its
    folder is made, and the file counted as written."""
    output_folder(os.path.dirname(relative))
    written.append(relative)
    return os.path.join(_staging(), relative)


class UnusableFile(Exception):
    """A file the scripts cannot read (a folder, a pipe, a device, one too large, a record that is
    no record); its message is the "[ERROR]" line that names it."""


def read_file(path):
    """The bytes of the file at `path`, which must be a regular file of at most MAXIMUM_FILE_SIZE.
    Opened without waiting (a pipe there would block the run for good), and checked before it is
    read (a link to /dev/zero would be read until memory runs out)."""
    try:
        descriptor = os.open(path, os.O_RDONLY | os.O_NONBLOCK | os.O_CLOEXEC)
    except OSError as error:
        raise UnusableFile("[ERROR] %s cannot be read: %s." % (path, error.strerror)) from None
    try:
        status = os.fstat(descriptor)
        if stat.S_ISDIR(status.st_mode):
            raise UnusableFile("[ERROR] %s is a folder, not a file." % path)
        if not stat.S_ISREG(status.st_mode):
            raise UnusableFile("[ERROR] %s is not a regular file (a pipe, a device or a socket)." % path)
        file = os.fdopen(descriptor, "rb")
    except BaseException:
        os.close(descriptor)
        raise
    with file:
        data = file.read(MAXIMUM_FILE_SIZE + 1)
    if len(data) > MAXIMUM_FILE_SIZE:
        raise UnusableFile("[ERROR] %s is larger than %d bytes." % (path, MAXIMUM_FILE_SIZE))
    return data


def _may_write(path, existing):
    # Root may write any file, so for root a file nobody may write is what "read-only" means; anyone
    # else asks the system (their class of the permission bits, and any access list).
    if os.geteuid() == 0:
        return existing.st_mode & 0o222 != 0
    return os.access(path, os.W_OK, effective_ids=True)


def _take_over(descriptor, path, existing):
    """Gives the new file at `descriptor` the owner, group, extended attributes and mode of the file
    it replaces, else the run would hand the file to whoever ran it."""
    made = os.fstat(descriptor)
    if (made.st_uid, made.st_gid) != (existing.st_uid, existing.st_gid):
        try:
            os.fchown(descriptor, existing.st_uid, existing.st_gid)
        except OSError as error:
            raise UnusableFile("[ERROR] %s belongs to another user or group, and a new copy could not keep them (%s), so "
                               "it is kept as it is." % (path, error.strerror)) from None
    try:
        attributes = os.listxattr(path)
    except OSError:
        attributes = []
    for attribute in attributes:
        try:  # as far as the file system and our rights allow: one refused is left out
            os.setxattr(descriptor, attribute, os.getxattr(path, attribute))
        except OSError:
            pass
    # After the owner: changing the owner clears the set-user and set-group bits.
    os.fchmod(descriptor, existing.st_mode & 0o7777)


def replace_file(path, data):
    """Puts `data` in place of the file at `path` as the game saves: through a temporary file of its
    own beside it, made exclusively (a link or a person's file of that name is never written
    through or taken), then renamed over the target, so an interrupted run leaves no half file. The
    file keeps its mode, owner, group and extended attributes. A read-only file, one with several
    names, one whose owner cannot be kept, and a write that fails (a folder that takes no file, a full disk) raise
    UnusableFile naming the file, which is then as it was; the temporary file is removed."""
    # A link is saved through, as the game does: the file it names is replaced, the link stays.
    path = os.path.realpath(path)
    folder, name = os.path.split(path)
    temporary = None
    try:
        try:
            existing = os.stat(path)
        except FileNotFoundError:
            existing = None
            os.makedirs(folder, exist_ok=True)
        if existing is not None and not _may_write(path, existing):
            raise UnusableFile("[ERROR] %s is read-only: its permissions allow no writing, so it is kept as it is."
                               % path)
        # A new file renamed over one of several names would part it from the others.
        if existing is not None and existing.st_nlink > 1:
            raise UnusableFile("[ERROR] %s has several names (hard links): a new copy would part it from them, so "
                               "it is kept as it is." % path)
        flags = os.O_WRONLY | os.O_CREAT | os.O_EXCL | os.O_NOFOLLOW | os.O_CLOEXEC
        temporary, descriptor = _create_own(folder, name, lambda candidate: os.open(candidate, flags, 0o600))
        with os.fdopen(descriptor, "wb") as file:
            if existing is None:
                mask = os.umask(0)
                os.umask(mask)
                os.fchmod(descriptor, 0o666 & ~mask)  # as a file made by open()
            else:
                _take_over(descriptor, path, existing)
            file.write(data)
            file.flush()
            if existing is not None:
                os.fsync(descriptor)  # a power cut leaves the old file or the new, not an empty one
        os.replace(temporary, path)
    except BaseException as error:
        if temporary is not None:
            try:
                os.unlink(temporary)
            except FileNotFoundError:
                pass
        if not isinstance(error, OSError):
            raise
        shown = error.filename
        if shown is not None and temporary_of(os.path.basename(shown)) is not None:
            shown = folder  # it took no new file
        where = "" if shown in (None, path) else " (%s)" % shown
        raise UnusableFile("[ERROR] %s could not be written: %s%s. It is as it was."
                           % (path, error.strerror or error, where)) from None


def fingerprint(path):
    return hashlib.sha256(read_file(path)).hexdigest()


def read_record(target):
    """What the scripts last wrote into `target`: relative path -> fingerprint. A record that cannot
    be used raises UnusableFile: without it the scripts cannot tell their files from a designer's."""
    path = os.path.join(target, RECORD)
    if not os.path.lexists(path):
        return {}
    advice = ("The scripts cannot tell their files from a designer's, so nothing was written. Restore it "
              "(git checkout -- %s) or remove it (then every file that differs from what the scripts "
              "write is kept as the designer's)." % RECORD)
    try:
        text = read_file(path).decode("utf-8")
        record = json.loads(text)
    except UnusableFile as error:
        raise UnusableFile("%s %s" % (error, advice)) from None
    except (ValueError, RecursionError) as error:
        raise UnusableFile("[ERROR] %s is not JSON (%s). %s" % (path, error, advice)) from None
    if not isinstance(record, dict) or not all(isinstance(value, str) for value in record.values()):
        raise UnusableFile("[ERROR] %s is not a JSON object of file names and fingerprints. %s" % (path, advice))
    return record


def changed_by_someone(relative, target, record):
    """Whether the file in `target` was changed after the scripts last wrote it (a save of the
    editor, a hand edit), or was never theirs."""
    return fingerprint(os.path.join(target, relative)) != record.get(relative)


def commit(staging, target, writers, overwrite=()):
    """Puts the staged files (relative path -> the script that writes it) into `target`, but for
    those changed there since the scripts last wrote them (unless named in `overwrite`): each of
    those is kept as it is and named, and so is one that is not a regular file, one that is
    read-only, and one that could not be written. Removes first what killed runs left beside these
    files. Updates the record; returns the kept files. Raises UnusableFile, having written nothing,
    when the record cannot be used."""
    record = read_record(target)
    kept = []
    beside = {}
    for relative in list(writers) + [RECORD]:
        folder, name = os.path.split(os.path.join(target, relative))
        beside.setdefault(folder, set()).add(name)
    for folder, names in beside.items():
        remove_stale_temporaries(folder, names)
    for relative in sorted(writers):
        with open(os.path.join(staging, relative), "rb") as file:
            made = file.read()
        there = os.path.join(target, relative)
        mine = hashlib.sha256(made).hexdigest()
        if os.path.lexists(there):
            try:
                theirs = fingerprint(there)
            except UnusableFile as error:
                kept.append(relative)
                print("%s It is kept as it is; %s writes a file there." % (error, writers[relative]))
                continue
            if theirs == mine:
                record[relative] = mine
                continue
            if theirs != record.get(relative) and relative not in overwrite:
                kept.append(relative)
                print("[ERROR] %s was changed after %s last wrote it (a save of the editor, or a hand edit), so "
                      "it is kept as it is. Carry the change into the script, or run tools/make_content.py "
                      "--overwrite %s to replace it with what the script writes." % (relative, writers[relative], relative))
                continue
        try:
            replace_file(there, made)
        except UnusableFile as error:
            kept.append(relative)
            print(error)
            continue
        record[relative] = mine
    # A file the scripts wrote once and that is gone now is theirs no longer.
    record = {relative: value for relative, value in record.items() if os.path.exists(os.path.join(target, relative))}
    text = json.dumps(record, indent=1, sort_keys=True) + "\n"
    path = os.path.join(target, RECORD)
    if not os.path.lexists(path) or read_file(path) != text.encode("utf-8"):
        try:
            replace_file(path, text.encode("utf-8"))
        except UnusableFile as error:
            kept.append(RECORD)
            print(error)
    return kept


def write_text(relative, text):
    """Through a temporary file renamed over the target, so an interrupted run leaves no half file."""
    replace_file(output_path(relative), text.encode("utf-8"))


def write_json(relative, value):
    """As the game writes its own files (core/StyledJsonWriter.h), byte for byte, so that the editor's
    save of a file nobody changed writes the same bytes."""
    write_text(relative, styled_json(value))


RIGHT_MARGIN = 74  # an array of plain values stays on one line while it fits


def number_text(value):
    """A real number in the fewest digits that read back exactly, always with a "." or an exponent;
    scientific below 1e-4 and from 1e17 on."""
    if value != value:
        return "null"
    if value in (float("inf"), float("-inf")):
        return "1e+9999" if value > 0 else "-1e+9999"
    text = repr(value)
    scientific = value != 0 and (abs(value) < 1e-4 or abs(value) >= 1e17)
    if not scientific and "e" in text:
        text = format(decimal.Decimal(text), "f")
    if "." not in text and "e" not in text:
        text += ".0"
    return text


def quoted_text(text):
    escapes = {'"': '\\"', "\\": "\\\\", "\b": "\\b", "\f": "\\f", "\n": "\\n", "\r": "\\r", "\t": "\\t"}
    out = []
    for character in text:
        code = ord(character)
        if character in escapes:
            out.append(escapes[character])
        elif code < 0x20 or 0x80 <= code < 0x10000:
            out.append("\\u%04x" % code)
        elif code >= 0x10000:
            code -= 0x10000
            out.append("\\u%04x\\u%04x" % (0xD800 + (code >> 10), 0xDC00 + (code & 0x3FF)))
        else:
            out.append(character)
    return '"' + "".join(out) + '"'


def styled_json(value):
    """jsoncpp's styled layout: a three-blank indent, members in ascending key order, an array of
    plain values on one line while it stays within the margin, and a line break at the end."""
    lines = [""]

    def scalar(item):
        if item is None:
            return "null"
        if item is True:
            return "true"
        if item is False:
            return "false"
        if isinstance(item, int):
            return str(item)
        if isinstance(item, float):
            return number_text(item)
        if isinstance(item, str):
            return quoted_text(item)
        if isinstance(item, (list, tuple)) and not item:
            return "[]"
        if isinstance(item, dict) and not item:
            return "{}"
        return None

    def write(item, indent):
        text = scalar(item)
        if text is not None:
            lines[-1] += text
        elif isinstance(item, dict):
            lines[-1] += "{"
            keys = sorted(item, key=lambda key: key.encode("utf-8"))
            for index, key in enumerate(keys):
                lines.append(indent + "   " + quoted_text(key) + " : ")
                write(item[key], indent + "   ")
                if index + 1 < len(keys):
                    lines[-1] += ","
            lines.append(indent + "}")
        else:
            plain = [scalar(element) for element in item]
            one_line = (len(item) * 3 < RIGHT_MARGIN and None not in plain
                        and 4 + (len(item) - 1) * 2 + sum(len(text) for text in plain) < RIGHT_MARGIN)
            if one_line:
                lines[-1] += "[ " + ", ".join(plain) + " ]"
                return
            lines[-1] += "["
            for index, element in enumerate(item):
                lines.append(indent + "   ")
                write(element, indent + "   ")
                if index + 1 < len(item):
                    lines[-1] += ","
            lines.append(indent + "]")

    write(value, "")
    return "\n".join(lines) + "\n"


def write_prefabs(prefabs):
    """Each prefab into Assets/Prefabs/ under its name without blanks, as the editor saves them."""
    for name, components in prefabs.items():
        write_json("Assets/Prefabs/%s.prefab" % "".join(name.split()), {name: components})


def prefab_exists(name):
    """Whether a prefab has been written in this run, or stands where the run commits; levels check
    their prefabs here."""
    relative = os.path.join("Assets", "Prefabs", "".join(name.split()) + ".prefab")
    return any(os.path.exists(os.path.join(root, relative)) for root in (_staging(), _target_root))


class LevelFile:
    def __init__(self):
        self.objects = []

    def add(self, name, prefab, position, components=None):
        """One object of a prefab at a position; `components` overrides members of the prefab.
        Returns the object's uuid."""
        record = {"Transform": {"position": [position[0], position[1]]}}
        for type_name, members in (components or {}).items():
            record.setdefault(type_name, {}).update(members)
        uuid = len(self.objects) + 1
        self.objects.append({"children": [], "components": record, "name": name, "prefab": prefab,
                             "uuid": uuid})
        return uuid

    def adopt(self, parent, child):
        """Makes the object of uuid `child` a child of the object of uuid `parent`; the child's
        position is then taken relative to its parent."""
        for record in self.objects:
            if record["uuid"] == parent:
                record["children"].append({"who": child})

    def add_walled_floor(self, columns, rows, tile, floor_prefab, wall_prefab):
        """A floor of columns x rows tiles centred on the origin, ringed by walls; returns the
        centre of its lower left tile."""
        left = -(columns - 1) * tile // 2
        bottom = -(rows - 1) * tile // 2
        for row in range(rows):
            for column in range(columns):
                self.add("Floor", floor_prefab, (left + column * tile, bottom + row * tile))
        for column in range(-1, columns + 1):
            self.add("Wall", wall_prefab, (left + column * tile, bottom - tile))
            self.add("Wall", wall_prefab, (left + column * tile, bottom + rows * tile))
        for row in range(rows):
            self.add("Wall", wall_prefab, (left - tile, bottom + row * tile))
            self.add("Wall", wall_prefab, (left + columns * tile, bottom + row * tile))
        return left, bottom

    def write(self, level):
        write_json("Assets/LevelFiles/%s.json" % level, {"level": {"objects": self.objects}})


# Pieces of prefabs.

ENEMY_HURT = "event:/SFX/EnemyHurt"


def sprite(source, size=None, layer="DL_MAIN", **members):
    """A Sprite record; `size` is its scale in world units, left out where the Transform scales it."""
    record = {"source": source, "layer": layer}
    if size is not None:
        record["scale"] = [size[0], size[1]]
    record.update(members)
    return record


def health(hitpoints, death_sound=None, hurt_sound=ENEMY_HURT, **members):
    """Health that starts full and does not regenerate."""
    record = {"hitpoints": float(hitpoints), "max hitpoints": float(hitpoints), "regens": False,
              "sound hurt": hurt_sound}
    if death_sound is not None:
        record["sound death"] = death_sound
    record.update(members)
    return record


def dialogue_box(rows, **members):
    """A DialogueAnimator whose frame fits `rows` rows of at most 29 characters, with the talking
    head on the frame's upper left corner. The text starts at the owner's origin and runs right
    (38 units a character) and down (75 a row), in the owner's units; the frame picture
    (HUD_border_frame, 64 x 32 pixels) has a border of 4 pixels, which stretches with it."""
    glyph_half_width, glyph_half_height, advance, row_step, margin = 16, 24, 38, 75, 20
    inner_left = -glyph_half_width - margin
    inner_right = 28 * advance + glyph_half_width + margin
    inner_top = glyph_half_height + margin
    inner_bottom = -(rows - 1) * row_step - glyph_half_height - margin
    # The inner panel is 56 of the 64 pixels across and 24 of the 32 up and down.
    width = (inner_right - inner_left) * 64 / 56
    height = (inner_top - inner_bottom) * 32 / 24
    record = {
        "backgroundOffset": [round((inner_left + inner_right) / 2, 1), round((inner_top + inner_bottom) / 2, 1)],
        "backgroundScale": [round(width / 64, 3), round(height / 32, 3)],
        # The head (48 x 24 pixels at scale 4) sits on the frame's left edge; its hat, the "jaw",
        # rests 130 above it and drops while the head talks.
        "headOffset": [round(inner_left - width / 32 - 40, 1), 20.0],
        "jawOffset": [round(inner_left - width / 32 - 40, 1), 150.0],
    }
    record.update(members)
    return record


def timed_destruction(seconds):
    return {"active": True, "destructionTime": float(seconds)}


def loose_item(picture, radius, special=False):
    """What every item lying on the floor has: a picture (a Sprite record), a body, a collider that
    meets the player's reach, and Equippable."""
    record = {
        "Transform": None,
        "Sprite": picture,
        "Rigidbody": {"angularDrag": 3.0, "velocityDrag": 3.0},
        "CircleCollider": {"group": "ITEMS", "radius": radius},
        "Equippable": {"pickup_sound": "event:/SFX/ItemSwap"},
    }
    if special:
        record["Equippable"]["special"] = True
    return record


def gun(picture, members, kind="Gun"):
    """A gun lying loose until a holder takes it: `picture` is its Sprite record, `members` those of
    its gun component (`kind`). The magazine starts full and reloads with the usual sound unless
    `members` name another."""
    record = loose_item(picture, 26.0)
    members = dict(members)
    members.setdefault("reloadSound", "event:/SFX/Reload")
    members["magAmmo"] = members["magCapacity"]
    record[kind] = members
    return record
