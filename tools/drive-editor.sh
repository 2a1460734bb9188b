#!/usr/bin/env bash
# Uses the editor as a designer new to it would, with xdotool on the running X display, and takes
# a screenshot of every step: start in edit mode, pick a crate and drag it by its handle, rename
# it, give it a point light and change the light, save the level, quit; start again and find the
# level as saved; save the crate as a prefab and place a copy, duplicate it and delete the
# duplicate; parent one crate to the other and see the reverse refused; play the level with F6 and
# come back; quit. It fails unless both runs end by themselves with exit code 0 and the files hold
# what was done.
#
#   xvfb-run -a -s "-screen 0 1280x720x24" tools/drive-editor.sh build/corvane shots/
#
# Run from the repository root. The game runs in a scratch copy of Assets/, on a level of its own
# (below), windowed: its window is 0.8 of the screen at (20, 20), and the editor camera starts at
# the origin showing 1920 world units across.
set -euo pipefail
game=$(realpath "$1")
shots=$(realpath -m "$2")
source_dir=$(pwd)
mkdir -p "$shots"
rm -f "$shots"/*.png

for tool in xdotool import xwininfo python3; do
  if ! command -v "$tool" > /dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done
if [ -z "${DISPLAY:-}" ]; then
  echo "skipped: no display"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/Assets"
for entry in "$source_dir"/Assets/*; do
  case $(basename "$entry") in
    Atlas | Images | Shaders | Sounds) ln -s "$entry" "$work/Assets/" ;;
    *) cp -r "$entry" "$work/Assets/" ;;
  esac
done

# The level: four named things on a walled floor whose tiles have no name, so "Hide Nameless"
# keeps the object list short.
python3 - "$work/Assets/LevelFiles/editor_drive.json" <<'PYTHON'
import json, sys
objects = []
def add(name, prefab, x, y):
    objects.append({"children": [], "components": {"Transform": {"position": [x, y]}},
                    "name": name, "prefab": prefab, "uuid": len(objects) + 1})
add("Camera", "Camera", 0, 0)
add("Crate A", "TargetCrate", -200, 100)
add("Crate B", "TargetCrate", 100, 100)
add("Gunner", "Gunner", -200, -100)
add("Ammunition", "Ammo_Pickup", 100, -100)
for column in range(-4, 5):
    for row in range(-2, 3):
        border = abs(column) == 4 or abs(row) == 2
        add("", "WallTile" if border else "FloorTile", column * 96, row * 96)
json.dump({"level": {"objects": objects}}, open(sys.argv[1], "w"), indent=3, sort_keys=True)
PYTHON
cat > "$work/Assets/EditorSettings" <<'JSON'
{ "currentlyEditing": "editor_drive", "showConsole": false, "showDebugView": true, "startInEditMode": true }
JSON
level="$work/Assets/LevelFiles/editor_drive.json"

screen_width=$(xwininfo -root | awk '/Width:/ {print $2}')
screen_height=$(xwininfo -root | awk '/Height:/ {print $2}')
window_width=$((screen_width * 4 / 5))
window_height=$((screen_height * 4 / 5))

# The screen pixel of a world place.
at() {
  echo $((20 + window_width / 2 + $1 * window_width / 1920)) $((20 + window_height / 2 - $2 * window_width / 1920))
}
# The screen pixel of a window pixel.
px() {
  echo $((20 + $1)) $((20 + $2))
}

# The program may draw slowly on a busy machine (software rendering): every step leaves it time for
# a few frames before the next one.
shoot() {
  sleep "${2:-0.8}"
  import -window root "$shots/$1.png"
  echo "screen: $1"
}

# Presses are held for a few frames: one shorter than a frame would never be seen down.
key() {
  for name in "$@"; do
    xdotool keydown "$name"
    sleep 0.12
    xdotool keyup "$name"
    sleep 0.4
  done
}

type_text() {
  xdotool type --delay 100 "$1"
  sleep 0.4
}

# A click at a screen pixel.
click_screen() {
  xdotool mousemove "$1" "$2"
  sleep 0.3
  xdotool mousedown 1
  sleep 0.12
  xdotool mouseup 1
  sleep 0.7
}
click_world() {
  # shellcheck disable=SC2046
  click_screen $(at "$1" "$2")
}
click_window() {
  # shellcheck disable=SC2046
  click_screen $(px "$1" "$2")
}

start_game() {
  (cd "$work" && CI=1 exec "$game" windowed >> "$shots/game.log" 2>&1) &
  pid=$!
  sleep 3
}

wait_for_end() {
  local status=0
  for _ in $(seq 1 50); do
    if ! kill -0 "$pid" 2> /dev/null; then
      wait "$pid" || status=$?
      echo "the game ended with exit code $status"
      [ "$status" -eq 0 ] || exit 1
      return
    fi
    sleep 0.2
  done
  echo "the game did not end" >&2
  kill "$pid"
  exit 1
}

: > "$shots/game.log"
start_game
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT
xdotool mousemove 5 5
shoot 01-editor-start
# The warnings of the start opened the console; Utility > Console closes it.
click_window 249 10
click_window 270 34
shoot 02-console-closed
# Picking the crate in the view opens the object windows with it held.
click_world 100 100
shoot 03-picked
# Dragged by the centre of its handle: 80 units right and 40 down.
xdotool mousemove $(at 100 100)
sleep 0.6
xdotool mousedown 1
for step in 1 2 3 4 5 6 7 8; do
  xdotool mousemove $(at $((100 + step * 10)) $((100 - step * 5)))
  sleep 0.1
done
sleep 0.5
xdotool mouseup 1
xdotool mousemove 5 5
shoot 04-dragged
# Renamed through the button with its name.
click_window 740 93
key ctrl+a
type_text "Moved Crate"
key Return
shoot 05-renamed
# A point light added through "Add Component", found by typing.
click_window 712 139
type_text PointLight
shoot 06-add-component
click_window 756 177
xdotool mousemove 5 5
shoot 07-light-added
# The light's reach: each number of its "scale" typed after a Ctrl+click.
for field in 718 835; do
  xdotool mousemove $(px $field 301)
  sleep 0.3
  xdotool keydown ctrl
  click_window $field 301
  xdotool keyup ctrl
  sleep 0.2
  key ctrl+a
  type_text 400
  key Return
done
xdotool mousemove 5 5
shoot 08-light-scaled
# File > Save, then ESC quits the editor.
click_window 26 10
click_window 40 34
shoot 09-saved
key Escape
wait_for_end

# --- Second run: the level as it was saved ---------------------------------------------------
saved_copy="$work/saved-first.json"
cp "$level" "$saved_copy"
python3 - "$level" <<'PYTHON'
import json, sys
objects = json.load(open(sys.argv[1]))["level"]["objects"]
crate = [o for o in objects if o["name"] == "Moved Crate"]
assert len(crate) == 1, "the renamed crate is saved under its new name"
x, y = crate[0]["components"]["Transform"]["position"]
assert x > 140 and y < 90, "the crate is saved where it was dragged: %s" % [x, y]
assert crate[0]["components"]["PointLight"]["scale"] == [400, 400], "the light is saved with its scale"
assert not [o for o in objects if o["name"] in ("Crate B",)], "no crate is left under the old name"
PYTHON
read -r crate_x crate_y <<< "$(python3 -c "
import json
o = [o for o in json.load(open('$level'))['level']['objects'] if o['name'] == 'Moved Crate'][0]
print(*(int(v) for v in o['components']['Transform']['position']))")"
start_game
xdotool mousemove 5 5
shoot 10-restarted
click_window 249 10
click_window 270 34
# Saved again before any change, the file is the same to the byte.
click_window 26 10
click_window 40 34
sleep 0.3
cmp "$saved_copy" "$level" || { echo "the level did not come back exactly as saved" >&2; exit 1; }
click_world "$crate_x" "$crate_y"
shoot 11-picked-again
# "Save to Prefab" as LitCrate.
click_window 864 116
key ctrl+a
type_text LitCrate
key Return
shoot 12-prefab-saved
test -f "$work/Assets/Prefabs/LitCrate.prefab" || { echo "no prefab file was written" >&2; exit 1; }
# A copy placed through the space's "New Object", with the prefab found by typing.
click_window 80 87
click_window 70 104
type_text LitCrate
shoot 13-new-object-menu
click_window 95 141
xdotool mousemove 5 5
shoot 14-copy-placed
# "Duplicate" holds a copy of it; "Delete" takes the copy away again and lets go of it.
click_window 697 70
shoot 14a-duplicated
click_window 766 70
xdotool mousemove 5 5
shoot 14b-copy-deleted
# Crate A (rows in id order: Ammunition, Camera, Crate A, Gunner, Moved Crate, New Object) is
# selected, then the "Parent" tool makes it a child of the moved crate.
click_window 80 155
click_window 35 63
click_window 45 101
click_window 80 189
xdotool mousemove 5 5
shoot 15-parented
# The reverse: the moved crate (now above its child) selected, its node opened, the child picked
# with "Parent". The console comes up to tell why nothing happened. Then File > Save.
click_window 35 63
click_window 45 84
xdotool mousemove $(px 80 172)
sleep 0.2
xdotool click --repeat 2 --delay 80 1
sleep 0.3
click_window 80 172
click_window 35 63
click_window 45 101
click_window 95 189
xdotool mousemove 5 5
shoot 16-cycle-refused
click_window 26 10
click_window 40 34
# F6 plays the level; File > "Quit Game" comes back to the editor.
key F6
shoot 17-playing 2.0
click_window 26 10
click_window 60 85
shoot 18-back-in-editor 1.0
key Escape
wait_for_end

python3 - "$level" "$shots/game.log" <<'PYTHON'
import json, sys
objects = json.load(open(sys.argv[1]))["level"]["objects"]
by_name = {o["name"]: o for o in objects}
assert "New Object" in by_name and by_name["New Object"]["prefab"] == "LitCrate", "the placed copy is saved"
assert [o["name"] for o in objects].count("New Object") == 1, "the duplicate of the copy was deleted"
children = lambda name: [child["who"] for child in by_name[name]["children"]]
assert children("Moved Crate") == [by_name["Crate A"]["uuid"]], "Crate A is saved as the moved crate's child"
assert children("Crate A") == [], "the cycle was not made"
log = open(sys.argv[2]).read()
assert "would become its own ancestor" in log, "the refused cycle is reported"
assert "[ERROR]" not in log, "the runs reported no error"
PYTHON
echo "the editor did all it was asked"
