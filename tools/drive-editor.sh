#!/usr/bin/env bash
# Uses the editor as a designer new to it would, with xdotool on the X display, and takes a
# screenshot of every step: start in edit mode, pick a crate and drag it by its handle, rename it
# (and leave the name popup with Escape, which keeps the name), change its hitpoints, give it a
# point light (after leaving "Add Component" once with Escape) and change the light, save the
# level, quit; start again and find the level as saved; open the memory window; put the hitpoints
# back with "Reset to Prefab"; leave "Save to Prefab" with Escape, then save the crate as a prefab
# and place a copy, duplicate the copy, duplicate the duplicate and delete that; parent one crate to
# the other and see the reverse refused; play the level with F6 and come back; quit. It fails
# unless both runs end by themselves with exit code 0 and the files hold what was done.
#
#   tools/drive-editor.sh <game binary> <screenshot folder>
#
# It runs itself on an X server of its own (xvfb-run at 1280x720); a tool it needs that is missing
# is a failure. The game runs in a scratch copy of Assets/, on a level of its own (below), windowed:
# its window is 0.8 of the screen at (20, 20), and the editor camera starts at the origin showing
# 1920 world units across. Each step waits for the game's own sign that the last one took effect:
# its state report (tools/game_state.py: the menus and popups open, a text field holding the
# keyboard, the held object, its name, place, components and children, the tool), a line in its log
# (saved, refused), or a pixel (a node of the object list opened). Rests count the game's frames
# and clock, so a busy machine only makes the drive slower.
set -euo pipefail
# The editor has no rest after an action as the menus have: presses come at a designer's pace.
press_time=0.12
key_rest=0.3
click_rest=0.2
# shellcheck source=tools/window-input.sh
source "$(dirname "$0")/window-input.sh"
[ $# -eq 2 ] || { echo "usage: $0 <game binary> <screenshot folder>" >&2; exit 2; }
game=$(realpath "$1")
shots=$(realpath -m "$2")
root=$(cd "$(dirname "$0")/.." && pwd)
[ -x "$game" ] || { echo "[ERROR] $game is not built" >&2; exit 1; }
mkdir -p "$shots"
rm -f "$shots"/*.png

work=$(mktemp -d)
trap 'end_of_script "$work"' EXIT
mkdir "$work/Assets"
for entry in "$root"/Assets/*; do
  case $(basename "$entry") in
    Atlas | Images | Shaders | Sounds) ln -s "$entry" "$work/Assets/" ;;
    *) cp -r "$entry" "$work/Assets/" ;;
  esac
done

# The level: four named things on a walled floor whose tiles have no name, so "Hide Nameless"
# keeps the object list short. A save keeps the file's order, and the list shows it: Crate B comes
# last, so that renamed "Moved Crate" it still stands where the name order puts it.
python3 - "$work/Assets/LevelFiles/editor_drive.json" <<'PYTHON'
import json, sys
objects = []
def add(name, prefab, x, y):
    objects.append({"children": [], "components": {"Transform": {"position": [x, y]}},
                    "name": name, "prefab": prefab, "uuid": len(objects) + 1})
add("Ammunition", "Ammo_Pickup", 100, -100)
add("Camera", "Camera", 0, 0)
add("Crate A", "TargetCrate", -200, 100)
add("Gunner", "Gunner", -200, -100)
add("Crate B", "TargetCrate", 100, 100)
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
log="$shots/game.log"

# The screen pixel of a window pixel.
px() {
  echo $((20 + $1)) $((20 + $2))
}
click_window() {
  # shellcheck disable=SC2046
  click_pixel $(px "$1" "$2")
}
click_world() {
  # shellcheck disable=SC2046
  click_pixel $(at "$1" "$2")
}
# A click with Ctrl held turns a number field into a text field: Ctrl is let go once the field
# has the keyboard.
ctrl_click_window() {
  xdotool keydown ctrl
  settle
  click_window "$1" "$2"
  await_state 'typing()' "a text field at ($1, $2) to take the keyboard"
  xdotool keyup ctrl
  settle
}
# A menu item: the menu (of the main bar, or of the object list) opens, then its item is clicked.
menu_item() {
  click_window "$1" "$2"
  await_state 'popups() == 1' "the menu at ($1, $2) to open"
  click_window "$3" "$4"
  await_state 'popups() == 0' "the menu at ($1, $2) to close on its item at ($3, $4)"
}
# File > Save, and the log's word that the level was written.
save_level() {
  mark
  menu_item 26 10 40 34
  await_log "editor_drive.json saved."
}
# The warnings of the start open the console (when there are any); Utility > Console closes it.
close_console() {
  if [ "$(state_of 'window("Console")')" = true ]; then
    menu_item 249 10 270 34
    await_state 'not window("Console")' "the console to close"
  fi
}
# A text field the click opened, filled with $2 and confirmed with Return.
enter_field() {
  fill_field "$2" "$1"
  key Return
  await_state 'not typing()' "$1 to let go of the keyboard"
}
# Holds the click's object: $1 is a Python test of held() (see tools/game_state.py).
await_held() {
  await_state "held() is not None and $1" "$2"
}
# Drags the held object by the centre of its handle to the world place ($1, $2), in eight steps;
# again from where it is when it did not get there (a press on the handle before the game saw the
# pointer over it grabs nothing).
drag_held_to() {
  local x y step
  for _ in 1 2 3; do
    read -r x y < <(state_of 'held()["position"]')
    x=$(printf '%.0f' "$x")
    y=$(printf '%.0f' "$y")
    # shellcheck disable=SC2046
    move_pointer $(at "$x" "$y")
    xdotool mousedown 1
    for step in 1 2 3 4 5 6 7 8; do
      # shellcheck disable=SC2046
      move_pointer $(at $((x + ($1 - x) * step / 8)) $((y + ($2 - y) * step / 8)))
    done
    xdotool mouseup 1
    xdotool mousemove 5 5
    await_frames 2
    [ "$(state_of "abs(held()['position'][0] - $1) < 8 and abs(held()['position'][1] - $2) < 8")" = true ] && return 0
  done
  echo "[ERROR] the held object was not dragged to ($1, $2): $(state_of 'held()')" >&2
  exit 1
}

# Whether the moved crate's node in the object list shows open: its arrow (at window pixel (50, 172))
# points down where a closed node's points right.
moved_crate_node_open() {
  # shellcheck disable=SC2046
  import -window root ppm:- | convert - -crop 16x16+$((20 + 42))+$((20 + 164)) +repage -depth 8 ppm:- | python3 -c '
import sys
data = sys.stdin.buffer.read()
_, width, height, _, pixels = data.split(maxsplit=4)
width, height = int(width), int(height)
bright = [(x, y) for y in range(height) for x in range(width) if min(pixels[3 * (y * width + x):3 * (y * width + x) + 3]) > 180]
# Down: the top row of the arrow is its widest; right: its left column is its tallest.
top = min((y for _, y in bright), default=0)
left = min((x for x, _ in bright), default=0)
sys.exit(0 if sum(y == top for _, y in bright) > sum(x == left for x, _ in bright) else 1)
'
}
# The moved crate's node opens on a double-click, which the game must see as two presses in frames
# of their own within 0.3 s by the wall clock (the interface's own); seen as one click, or as two
# single clicks, it selects or lets go instead, so it is tried again (the selection is put right
# after).
open_moved_crate_node() {
  for _ in 1 2 3; do
    # shellcheck disable=SC2046
    move_pointer $(px 80 172)
    xdotool click --repeat 2 --delay 150 1
    # The arrow turned is drawn a frame or two after the click.
    await_game_time 0.3
    moved_crate_node_open && return 0
  done
  echo "[ERROR] the moved crate's node did not open on three double-clicks" >&2
  exit 1
}
# Clicks a row of the object list until the object of that name is selected (each click selects
# or lets go).
click_until_selected() {
  for _ in 1 2 3; do
    [ "$(state_of "\"$1\" in editor()['selected']")" = true ] && return 0
    click_window "$2" "$3"
    await_frames 2
  done
  await_state "\"$1\" in editor()['selected']" "$1 selected"
}

start_game() {
  (cd "$work" && CI=1 exec "$game" windowed) >> "$log" 2>&1 &
  pid=$!
  await_window
  xdotool mousemove 5 5
  await_state 'editor() is not None and editor()["level"] == "editor_drive"' "the editor on its level"
}

: > "$log"
start_game
shoot 01-editor-start
close_console
shoot 02-console-closed
# Picking the crate in the view opens the object windows with it held.
click_world 100 100
await_held 'held()["name"] == "Crate B"' "Crate B held"
shoot 03-picked
# Dragged by the centre of its handle: 80 units right and 40 down.
drag_held_to 180 60
shoot 04-dragged
# Renamed through the button with its name.
click_window 740 93
enter_field "the name field" "Moved Crate"
await_held 'held()["name"] == "Moved Crate"' "the crate renamed"
shoot 05-renamed
# Escape in a popup closes it and drops what was typed, and only that: the editor goes on.
click_window 740 93
fill_field "Lost Name" "the name field"
key Escape
await_state 'popups() == 0 and not typing()' "Escape to close the rename popup"
await_held 'held()["name"] == "Moved Crate"' "the name kept after Escape"
# Its hitpoints changed in the opened "Health" (closed again after).
click_window 708 185
ctrl_click_window 775 232
enter_field "the hitpoints field" 25
shoot 05a-hitpoints-changed
click_window 708 185
# "Add Component" closed by Escape, then a point light added through it, found by typing.
click_window 712 139
await_state 'popups() == 1 and typing()' "the list of components with its filter"
key Escape
await_state 'popups() == 0 and not typing()' "Escape to close the list of components"
click_window 712 139
await_state 'popups() == 1 and typing()' "the list of components with its filter"
fill_field PointLight "the filter of the list of components"
shoot 06-add-component
click_window 756 177
await_held '"PointLight" in held()["components"]' "the point light added"
xdotool mousemove 5 5
shoot 07-light-added
# The light's reach: each number of its "scale" typed after a Ctrl+click.
for field in 718 835; do
  ctrl_click_window $field 301
  enter_field "the light's scale field" 400
done
xdotool mousemove 5 5
shoot 08-light-scaled
save_level
shoot 09-saved
press_to_quit Escape
await_exit 20

# --- Second run: the level as it was saved ---------------------------------------------------
saved_copy="$work/saved-first.json"
cp "$level" "$saved_copy"
python3 - "$level" <<'PYTHON'
import json, sys
objects = json.load(open(sys.argv[1]))["level"]["objects"]
crate = [o for o in objects if o["name"] == "Moved Crate"]
assert len(crate) == 1, "the renamed crate is saved under its new name"
x, y = crate[0]["components"]["Transform"]["position"]
assert abs(x - 180) < 8 and abs(y - 60) < 8, "the crate is saved where it was dragged: %s" % [x, y]
assert crate[0]["components"]["PointLight"]["scale"] == [400, 400], "the light is saved with its scale"
assert crate[0]["components"]["Health"]["hitpoints"] == 25, "the hitpoints are saved as changed"
assert not [o for o in objects if o["name"] in ("Crate B",)], "no crate is left under the old name"
PYTHON
read -r crate_x crate_y <<< "$(python3 -c "
import json
o = [o for o in json.load(open('$level'))['level']['objects'] if o['name'] == 'Moved Crate'][0]
print(*(round(v) for v in o['components']['Transform']['position']))")"
start_game
xdotool mousemove 5 5
shoot 10-restarted
close_console
# Saved again before any change, the file is the same to the byte.
save_level
cmp "$saved_copy" "$level" || { echo "[ERROR] the level did not come back exactly as saved" >&2; exit 1; }
# Utility > Memory shows the memory window; again hides it.
menu_item 249 10 270 68
await_state 'window("Memory Profile")' "the memory window to show"
shoot 10a-memory-window
menu_item 249 10 270 68
await_state 'not window("Memory Profile")' "the memory window to close"
click_world "$crate_x" "$crate_y"
await_held 'held()["name"] == "Moved Crate"' "the moved crate held again"
shoot 11-picked-again
# "Reset to Prefab" in "Health" puts the hitpoints back to the prefab's (checked in the saved file).
click_window 708 185
click_window 719 209
shoot 11a-hitpoints-reset
click_window 708 185
# "Save to Prefab" left with Escape writes nothing; then saved as LitCrate.
click_window 864 116
fill_field Unwanted "the prefab name field"
key Escape
await_state 'popups() == 0 and not typing()' "Escape to close the prefab popup"
test ! -e "$work/Assets/Prefabs/Unwanted.prefab" || { echo "[ERROR] Escape wrote the prefab" >&2; exit 1; }
mark
click_window 864 116
enter_field "the prefab name field" LitCrate
await_log "LitCrate.prefab saved."
await_held 'held()["prefab"] == "LitCrate"' "the crate made from the new prefab"
shoot 12-prefab-saved
test -f "$work/Assets/Prefabs/LitCrate.prefab" || { echo "[ERROR] no prefab file was written" >&2; exit 1; }
# A copy placed through the space's "New Object", with the prefab found by typing.
click_window 80 87
click_window 70 104
await_state 'popups() == 1 and typing()' "the list of prefabs with its filter"
fill_field LitCrate "the filter of the list of prefabs"
shoot 13-new-object-menu
click_window 95 141
await_held 'held()["name"] == "New Object" and held()["prefab"] == "LitCrate"' "the copy placed"
xdotool mousemove 5 5
shoot 14-copy-placed
# "Duplicate" holds a copy of the copy; a duplicate of that is taken away again by "Delete", which
# lets go of it. One copy more stays.
for _ in 1 2; do
  held_id=$(state_of 'held()["id"]')
  click_window 697 70
  await_held "held()['name'] == 'New Object' and held()['id'] != $held_id" "a duplicate held"
done
shoot 14a-duplicated
click_window 766 70
await_state 'held() is None' "the duplicate deleted"
xdotool mousemove 5 5
shoot 14b-copy-deleted
# Crate A (rows in id order: Ammunition, Camera, Crate A, Gunner, Moved Crate, the copies) is
# selected, then the "Parent" tool makes it a child of the moved crate.
click_window 80 155
await_state '"Crate A" in editor()["selected"]' "Crate A selected"
menu_item 35 63 45 101
await_state 'editor()["tool"] == "Parent"' "the Parent tool"
click_window 80 189
await_held 'held()["name"] == "Moved Crate" and held()["children"] == ["Crate A"]' "Crate A made the moved crate's child"
xdotool mousemove 5 5
shoot 15-parented
# The reverse: the moved crate (now above its child) selected and its node opened, the child
# picked with "Parent". The console comes up to tell why nothing happened. Then File > Save.
menu_item 35 63 45 84
await_state 'editor()["tool"] == "Select"' "the Select tool"
open_moved_crate_node
click_until_selected "Moved Crate" 80 172
menu_item 35 63 45 101
await_state 'editor()["tool"] == "Parent"' "the Parent tool"
mark
click_window 95 189
await_log "would become its own ancestor"
xdotool mousemove 5 5
shoot 16-cycle-refused
save_level
# F6 plays the level; File > "Quit Game" comes back to the editor.
key F6
await_state 'loop() == "game"' "the level playing"
shoot 17-playing 2.0
menu_item 26 10 60 85
await_state 'loop() == "editor"' "the editor back"
shoot 18-back-in-editor 1.0
press_to_quit Escape
await_exit 20

cp "$level" "$shots/editor_drive.json"
python3 - "$level" "$log" "$work/Assets/Prefabs" <<'PYTHON'
import json, os, sys
objects = json.load(open(sys.argv[1]))["level"]["objects"]
by_name = {o["name"]: o for o in objects}
copies = [o for o in objects if o["name"] == "New Object"]
assert len(copies) == 2 and all(o["prefab"] == "LitCrate" for o in copies), "the copy and its duplicate are saved"
children = lambda name: [child["who"] for child in by_name[name]["children"]]
assert children("Moved Crate") == [by_name["Crate A"]["uuid"]], "Crate A is saved as the moved crate's child"
assert children("Crate A") == [], "the cycle was not made"
# A member the level does not write is the prefab's (LitCrate, saved after the reset).
crate = by_name["Moved Crate"]
prefab = json.load(open(os.path.join(sys.argv[3], crate["prefab"] + ".prefab")))[crate["prefab"]]
hitpoints = ((crate["components"] or {}).get("Health") or {}).get("hitpoints", prefab["Health"]["hitpoints"])
assert hitpoints == 30, "Reset to Prefab gave back TargetCrate's hitpoints, not %s" % hitpoints
log = open(sys.argv[2]).read()
assert "[ERROR]" not in log, "the runs reported no error"
PYTHON
echo "the editor did all it was asked"
