#!/usr/bin/env bash
# A player's run through the real program, driven by key presses and mouse clicks into the game's
# window only: splash -> menu -> START -> skip the overworld tutorial -> ram a ship -> pause and
# resume the fight -> fight -> leave by the exit -> ... -> a ship whose clock runs out and the police
# teleport aboard -> the score of 3000 -> fly into the king's galleon -> shoot the force field's
# generator down -> take a supply -> break the throne -> the walls blow, the win -> end screen ->
# menu -> credits -> menu -> QUIT through the question. A screenshot of each stage goes to the
# folder named; the run fails unless the game ends by itself with exit code 0, no leak report and
# no "[ERROR]" line, and the boss fight is won; a ship that boards the player's ship while it is
# held out of reach (2 s of the game's clock after a return to the overworld, as the game logs
# both, or within the king's galleon's waters) fails it too.
#
#   tools/play-through.sh <game binary> <screenshot folder>
#   PLAY_THROUGH_STALL="SECONDS [NAME ...]" tools/play-through.sh ...
#
# PLAY_THROUGH_STALL tests that the run survives its own pauses: the script sleeps that long by the
# wall clock after each screenshot, or only at the stall points named (screenshots by their names,
# "supply-walk" in the fight with the walk keys down), while the game runs on. tools/stall_script.py
# stops the script's processes instead, at moments nobody chose, keys and the trigger held.
#
# It runs itself on an X server of its own (xvfb-run at 1280x720). The game runs in a temporary copy
# of the game's folder (Assets linked in, the settings files its own), so the checkout stays
# unwritten. Each step waits for the game's own sign that the last one took effect: the level
# flow's line in its log, or its state report (tools/game_state.py: the levels shown, the player's
# position, the console open); the overworld pilot looks at the screen. Keys are held, and the
# script rests, for seconds of the game's own clock, so a busy machine only makes the run slower. A
# press is repeated only where a repeat changes nothing. The script itself can be held up for
# minutes on a loaded machine (a screenshot, an X call) while the game runs on, so: keys are let go
# before anything slow (every screenshot) and held only across a step whose end looks at the game
# again; the limits count only the game's time the script was acting (tools/game_state.py); and
# each press first looks that the screen it is meant for still shows, or adapts to where the game
# went (the credits over, a ship that boarded while the console was typed into). Held up between
# two looks with a key or the trigger down, the script may find the game stages further on: every
# wait also takes the stages beyond it (the throne broken, the end screen or the menu after it),
# and the steps already passed are skipped. Where a stretch
# needs a player's skill at chance (which ship comes, aiming at moving enemies until the score
# reaches 3000), the console stands in, as the comments there say; from the score on keys and the
# pointer alone play, aimed through the state report (the view of the player's space, the places of
# the watched objects).
set -euo pipefail
# shellcheck source=tools/window-input.sh
source "$(dirname "$0")/window-input.sh"
stall_after=${PLAY_THROUGH_STALL:-}
[ $# -eq 2 ] || { echo "usage: $0 <game binary> <screenshot folder>" >&2; exit 2; }
game=$(realpath "$1")
shots=$(realpath -m "$2")
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$shots"
[ -x "$game" ] || { echo "[ERROR] $game is not built" >&2; exit 1; }
# One run at a time writes into a folder: a second run's game would cut the first one's log short
# and each game write over the other's lines, so that a state helper waits for its game's answer
# where the other game writes, or takes the other's answer for its own.
require_tools flock
exec {shots_lock}> "$shots/.play-through.lock"
flock -n "$shots_lock" || { echo "[ERROR] another play-through runs into $shots: give each run a folder of its own" >&2; exit 1; }

folder=$(mktemp -d)
make_game_folder "$folder"
# The encounter clock gives a boarding party 100 s of the game's time before the police come, which
# on a busy machine would be many minutes: the run's own HUD starts the clock at 6 s.
hud="$folder/Assets/LevelFiles/HUD.json"
rm "$hud"
python3 - "$root/Assets/LevelFiles/HUD.json" > "$hud" <<'PYTHON'
import json, sys
hud = json.load(open(sys.argv[1]))
[timer] = [o for o in hud["level"]["objects"] if o["name"] == "HUD_Timer"]
timer["components"]["EncounterTimer"]["clockTime"] = 6.0
json.dump(hud, sys.stdout, indent=3)
PYTHON
# The console opens on the back-quote key only when the settings allow it.
cat > "$folder/Assets/EditorSettings" <<'JSON'
{"currentlyEditing": "", "showConsole": true, "showDebugView": false, "startInEditMode": false}
JSON

trap 'end_of_script "$folder"' EXIT

# A screenshot (shoot's name and rest) of a screen the game may leave by itself: taken only while
# the screen $1 (a state condition) still shows, else said to have passed while the script was
# held up.
shoot_on() {
  if [ "$(state_of "bool($1)")" = true ]; then
    shoot "$2" "$3"
  else
    echo "screen: $2 passed by itself"
  fi
}

# A command typed into the game's console: back-quote opens it in the window's lower left, a click
# (57 pixels above the window's bottom, whatever its size) puts the keyboard into its command line
# (the game hears no keys while it is there), Return runs it and the script waits for its effect
# ($2, a state condition, named by $3). A command whose effect does not come is typed again (it did
# not run: what these commands do is the same done twice). Return may let go of the line already;
# Escape leaves it while it still holds the keyboard (an Escape the line does not take reaches the
# game, which pauses), and back-quote closes the console. Return is pressed only while the screen
# $4 (a state condition, default any) still shows: else the command is not run, the console closes
# and the status is 1.
console() {
  key grave
  await_state 'window("Console")' "the console to open"
  for _ in 1 2 3; do
    click_pixel 320 $((20 + window_height - 57))
    [ -z "${CONSOLE_SHOT:-}" ] || shoot "$CONSOLE_SHOT" 0.1
    fill_field "$1" "the console's command line"
    if [ "$(state_of "bool(${4:-True})")" != true ]; then
      close_console
      return 1
    fi
    key Return
    holds_within "$2" 10 && break
  done
  await_state "$2" "$3"
  close_console
}

close_console() {
  if ! holds_within 'not typing()' 1; then
    key Escape
    await_state 'not typing()' "the console's command line to let go of the keyboard"
  fi
  key grave
  await_state 'not window("Console")' "the console to close"
  # shellcheck disable=SC2046
  xdotool mousemove $(at -900 -500)
}

# Walks the player of the level $1 onto its airlock's hatch at ($2, $3), on the airlock's outer
# (left) wall, steering by where the game shows him: each look is a fresh frame, and the keys stay
# down from one look to the next, so he walks as far as it takes at any frame rate. Left while he is
# right of the hatch (the wall stops him there); up or down while he is off its row, let go once he
# is nearer than he glides on (an eighth of his speed, and a frame's more for a key seen let go a
# frame late). A script held up with the keys down finds him at the wall, or past the row, and
# steers on from there; its 30 s count each look at most 1 s. A crate in his way (one stands on the
# hatch's row in the skirmish's corridor): when a stretch of walking left brought him no nearer, he
# walks away from the row for a while, and heads for the row again only once well past that place.
# Done when the game shows him at rest with his body over the hatch's use zone (56 units about it,
# his own 30 about him).
walk_to_hatch() {
  local level=$1 hatch_x=$2 hatch_y=$3 vertical="" walked=0
  local x y time last_x="" last_y last_time check_x check_time aside="" aside_until=0 clear_of=""
  local speed_x speed_y dx dy
  for _ in $(seq 1 2000); do
    read -r x y time < <(state_of '[round(player()[0]), round(player()[1]), round(s["time"] * 1000)]' \
      "player() is not None and level(s['player']['space']) == \"$level\"")
    speed_x=0 speed_y=0
    if [ -n "$last_x" ] && [ "$time" -gt "$last_time" ]; then
      speed_x=$(((x - last_x) * 1000 / (time - last_time)))
      speed_y=$(((y - last_y) * 1000 / (time - last_time)))
      walked=$((walked + (time - last_time < 1000 ? time - last_time : 1000)))
    fi
    last_x=$x last_y=$y last_time=$time
    : "${check_x:=$x}" "${check_time:=$time}"
    dx=$((x - hatch_x)) dy=$((hatch_y - y))
    if [ "$dx" -le 40 ] && [ "${dy#-}" -le 60 ] && [ "${speed_x#-}" -lt 20 ] && [ "${speed_y#-}" -lt 20 ]; then
      steer
      return 0
    fi
    if [ "$walked" -gt 30000 ]; then
      steer
      echo "[ERROR] the player did not reach the hatch at ($hatch_x, $hatch_y) in 30 s of the game's time: he stands at ($x, $y)" >&2
      exit 1
    fi
    # Walking left for 0.4 s of the game's time brought him less than 20 units nearer: something stands in his way.
    if [ $((time - check_time)) -ge 400 ]; then
      if [[ " $held " == *" a "* ]] && [ $((check_x - x)) -lt 20 ] && [ "$time" -ge "$aside_until" ]; then
        aside=$([ "$y" -ge "$hatch_y" ] && echo w || echo s)
        aside_until=$((time + 400)) clear_of=$((x - 200))
      fi
      check_x=$x check_time=$time
    fi
    if [ "$time" -lt "$aside_until" ]; then
      vertical=$aside
    elif [ -n "$clear_of" ] && [ "$x" -gt "$clear_of" ]; then
      vertical=""
    elif [ -n "$vertical" ]; then
      # Held on while he is farther off the row, on the same side, than he glides.
      local glide=$((20 + ${speed_y#-} * 165 / 1000))
      { [ "$vertical" = w ] && [ "$dy" -gt "$glide" ]; } || { [ "$vertical" = s ] && [ "$dy" -lt "-$glide" ]; } || vertical=""
    elif [ "$dy" -gt 60 ]; then
      vertical=w
    elif [ "$dy" -lt -60 ]; then
      vertical=s
    fi
    # shellcheck disable=SC2046,SC2086
    steer $([ "$dx" -gt 10 ] && echo a) $vertical
  done
  steer
  echo "[ERROR] the player did not reach the hatch at ($hatch_x, $hatch_y): he stands at ($x, $y)" >&2
  exit 1
}

# Where the level $1's object named $2 stands in its file: "x y".
place_in_level() {
  python3 -c "
import json, sys
objects = json.load(open(sys.argv[1]))['level']['objects']
print(*(round(v) for v in [o for o in objects if o['name'] == sys.argv[2]][0]['components']['Transform']['position']))
" "$root/Assets/LevelFiles/$1.json" "$2"
}

# Walks to the airlock's hatch (the level's "Exit") and presses F until the hatch takes the player
# out. A fight can push the player off the hatch between tries, so each try walks there again.
leave_by_the_hatch() {
  local hatch_x hatch_y
  read -r hatch_x hatch_y < <(place_in_level "$1" Exit)
  mark
  for _ in 1 2 3 4; do
    walk_to_hatch "$1" "$hatch_x" "$hatch_y"
    key f
    holds_within 'logged("LTM: ReturnToOverworld")' 5 && return 0
  done
  echo "[ERROR] the game never logged \"LTM: ReturnToOverworld\" after four tries at the hatch" >&2
  exit 1
}

# The name of the level of the first boarding after the mark.
boarded() {
  logged_after_mark "LTM: StartEncounter: " | cut -d " " -f 1
}

# The first boarding after the mark: "<seconds> <units>", the game's time since the last return to
# the overworld before it, by the game's clock that both their lines in the log name, and how far
# the player's ship lay from the king's galleon as the overworld stopped (-1 without a galleon), as
# the first state reported after the boarding says.
boarding_look() {
  await_frames 1
  python3 - "$log" "$logged" <<'PYTHON'
import json, math, sys
lines = open(sys.argv[1], errors="replace").read().splitlines()
board = next(i for i in range(int(sys.argv[2]), len(lines)) if lines[i].startswith("LTM: StartEncounter: "))
def clock(line):
    return float(line.rsplit(" at ", 1)[1].split()[0])
back = next((i for i in range(board, -1, -1) if lines[i].startswith("LTM: ReturnToOverworld at ")), None)
seconds = clock(lines[board]) - clock(lines[back]) if back is not None else math.inf
after = next(json.loads(line[len("State: "):]) for line in lines[board:] if line.startswith("State: "))
places = [after["watched"].get(name) for name in ("Corva", "bossShip")]
units = math.dist(places[0][0]["position"], places[1][0]["position"]) if all(places) else -1
print(f"{seconds:.2f} {units:.0f}")
PYTHON
}

# A ship that boarded the player's ship (the first boarding after the mark) must have done so past
# the hold: 2 s of the game's time after the return to the overworld (less a frame's step of 1/30 s,
# by which the two lines' clocks may differ from the overworld's own), and outside the king's
# galleon's waters (3000 units about it). A boarding within either is the game's fault and ends the
# run; one past it is said, with where and when it came.
check_boarding() {
  local encounter seconds units
  encounter=$(boarded)
  read -r seconds units < <(boarding_look)
  if awk -v s="$seconds" 'BEGIN { exit !(s < 2 - 1 / 30) }'; then
    echo "[ERROR] a ship boarded the player's ship $seconds s of the game's time after its return to the overworld, within the 2 s that nothing may board it ($encounter)" >&2
    exit 1
  fi
  if [ "$encounter" != BossRoom ] && [ "$units" -ge 0 ] && [ "$units" -lt 3000 ]; then
    echo "[ERROR] a ship boarded the player's ship $units units from the king's galleon, within its waters of 3000 ($encounter)" >&2
    exit 1
  fi
  local galleon="no galleon"
  [ "$units" -lt 0 ] || galleon="$units units from the galleon"
  echo "boarded by a ship: $encounter, $seconds s after the return to the overworld, $galleon"
}

# Leaves the encounter $1 by its hatch. Back in the overworld the ship is where it was rammed, on the
# station, where the next launched ship may ram it again once the hold is over (2 s of the game's
# time, and clear of the other ships): an encounter that comes so is left too, one within the hold
# fails the run. Then the ship flies south, off the station and away from the ships' ways to the
# other stations (which lie north), so that no ship rams it while the console stands in.
return_to_the_overworld() {
  local encounter=$1
  for _ in 1 2 3; do
    leave_by_the_hatch "$encounter"
    await_state 'logged("LTM: StartEncounter") or (level("Overworld") == "overworld" and visible("Overworld"))' \
      "the overworld, or an encounter at once"
    if ! logged_since_mark "LTM: StartEncounter"; then
      fly_south_off_the_station
      logged_since_mark "LTM: StartEncounter" || return 0
    fi
    check_boarding
    encounter=$(boarded)
    echo "rammed again on the way out: $encounter"
    await_state "level(\"Encounter\") == \"$encounter\" and player() is not None" "the encounter \"$encounter\" with its player"
  done
  echo "[ERROR] the player's ship was rammed again each time it left an encounter" >&2
  exit 1
}

# Where the violet station shows on screen, in pixels from the window's centre, where the player's
# ship stays (x right, y up), and how many of its pixels show: "dx dy count".
station_offset() {
  import -window root -crop "${window_width}x${window_height}+20+20" +repage -depth 8 ppm:- 2>/dev/null |
    python3 -c '
import sys
data = sys.stdin.buffer.read()
_, width, height, _, pixels = data.split(maxsplit=4)
width, height = int(width), int(height)
sx = sy = count = 0
for y in range(0, height, 2):
    row = y * width * 3
    for x in range(0, width, 2):
        r, g, b = pixels[row + 3 * x:row + 3 * x + 3]
        if b > 180 and g < 100 and 110 < r < 220:
            sx, sy, count = sx + x, sy + y, count + 1
print(sx // count - width // 2, height // 2 - sy // count, count) if count else print(0, 0, 0)
'
}

# Flies the ship south until the station shows clear above it (the map's edge lies not far below)
# or not at all: where the ship ended up is looked at, since a key held while the overworld is
# still taking over moves nothing. Stops early when a launched ship rams it on the way (the caller
# looks at the log).
fly_south_off_the_station() {
  local dx=0 dy=0 count=0 before=0
  for _ in $(seq 1 20); do
    logged_since_mark "LTM: StartEncounter" && return 0
    read -r dx dy count < <(station_offset)
    [ "$count" -lt 40 ] || [ "$dy" -gt 70 ] && return 0
    # Clear of the station and no further south than last time: the map's edge holds it there
    # (how far that is on screen depends on the zoom, which follows the ships about).
    [ "$dy" -gt 40 ] && [ "$dy" -le "$before" ] && return 0
    before=$dy
    hold 0.5 s
  done
  echo "[ERROR] the ship did not get off the station flying south: the station shows $dy pixels above it" >&2
  exit 1
}

# A pilot for the overworld: it flies the ship onto the violet station and holds it there until a
# ship the station launches rams it (the log names the encounter). While the station is out of
# sight (below the start, or far off after a key held while the script was held up) the ship flies
# toward its place in the level, from where the game says the ship is. The ship drifts on after the
# keys let go, so each correction flies a little less than the way left and the picture is looked
# at again.
ram_a_launched_ship() {
  local station_x station_y x y dx dy count
  read -r station_x station_y < <(place_in_level overworld "Violet Station")
  for _ in $(seq 1 80); do
    logged_since_mark "LTM: StartEncounter" && return 0
    read -r dx dy count < <(station_offset)
    if [ "$count" -lt 40 ]; then
      read -r x y < <(state_of '[round(v) for v in found("Corva")]' 'found("Corva") is not None')
      # shellcheck disable=SC2046
      hold 0.6 $(keys_toward "$x" "$y" "$station_x" "$station_y" 300)
      continue
    fi
    if [ "${dx#-}" -lt 10 ] && [ "${dy#-}" -lt 10 ]; then
      await_game_time 0.5
      continue
    fi
    local across=d along=w
    [ "$dx" -lt 0 ] && across=a
    [ "$dy" -lt 0 ] && along=s
    # The ship crosses about 146 pixels a second of the game's time at full speed.
    hold "$(python3 -c "print(abs($dx) / 146 * 0.45)")" "$across"
    hold "$(python3 -c "print(abs($dy) / 146 * 0.45)")" "$along"
    await_game_time 0.8
  done
  echo "[ERROR] no ship rammed the player's ship at the station" >&2
  exit 1
}

# The keys that walk or fly from ($1, $2) toward ($3, $4): those of each axis on which it lies more
# than $5 units off.
keys_toward() {
  local dx=$(($3 - $1)) dy=$(($4 - $2))
  [ "$dy" -le "$5" ] || echo w
  [ "$dx" -ge "-$5" ] || echo a
  [ "$dy" -ge "-$5" ] || echo s
  [ "$dx" -le "$5" ] || echo d
}

# The keys that walk the player from ($1, $2), moving at ($3, $4) units a second, to rest on ($5,
# $6): those of each axis on which he lies more than 20 units off, but for one he already heads
# along and would glide the rest of the way on (an eighth of his speed, and a frame's more for a
# key seen let go a frame late). Letting go brakes him: pressed toward the spot whatever his speed,
# he would circle it at a few frames a second, a look's step beyond it each way.
keys_to_rest_on() {
  local dx=$(($5 - $1)) dy=$(($6 - $2))
  local glide_x=$((20 + ${3#-} * 165 / 1000)) glide_y=$((20 + ${4#-} * 165 / 1000))
  { [ "$dy" -gt 20 ] && { [ "$4" -le 0 ] || [ "$dy" -gt "$glide_y" ]; }; } && echo w
  { [ "$dx" -lt -20 ] && { [ "$3" -ge 0 ] || [ "$dx" -lt "-$glide_x" ]; }; } && echo a
  { [ "$dy" -lt -20 ] && { [ "$4" -ge 0 ] || [ "$dy" -lt "-$glide_y" ]; }; } && echo s
  { [ "$dx" -gt 20 ] && { [ "$3" -le 0 ] || [ "$dx" -gt "$glide_x" ]; }; } && echo d
  return 0
}

# Flies the player's ship ("Corva") into the boss's galleon ("bossShip") until the boss room is
# boarded, steering by where the game says both are: the keys toward it stay down from one look to
# the next. A chasing ship that rams it on the way, before the galleon's waters, boards its
# encounter, which is left by the hatch, and the flight goes on from where the ship came back (a
# boarding within the waters, or within the hold after a return, fails the run). A screenshot shows
# the galleon coming near. The mark lies before the return to the overworld it starts from.
fly_to_the_galleon() {
  local x y galleon_x galleon_y encounter seen_near=""
  for _ in $(seq 1 1000); do
    if logged_since_mark "LTM: StartEncounter: "; then
      steer
      check_boarding
      encounter=$(boarded)
      [ "$encounter" = BossRoom ] && return 0
      echo "a ship rammed the player's ship on the way to the galleon: $encounter"
      await_state "level(\"Encounter\") == \"$encounter\" and player() is not None" "the encounter \"$encounter\" with its player"
      leave_by_the_hatch "$encounter"
      await_state 'logged("LTM: StartEncounter") or (level("Overworld") == "overworld" and visible("Overworld"))' \
        "the overworld again, or an encounter at once"
      continue
    fi
    # The galleon is gone from the overworld once it has boarded the ship, which may come between
    # the look at the log above and this look at the state: then the log is looked at again.
    read -r x y galleon_x galleon_y < <(state_of \
      '[] if logged("LTM: StartEncounter: ") else [round(v) for v in found("Corva") + found("bossShip")]' \
      'logged("LTM: StartEncounter: ") or (found("Corva") is not None and found("bossShip") is not None)')
    [ -n "$galleon_y" ] || continue
    # shellcheck disable=SC2046
    steer $(keys_toward "$x" "$y" "$galleon_x" "$galleon_y" 100)
    if [ -z "$seen_near" ] && [ $(((galleon_x - x) ** 2 + (galleon_y - y) ** 2)) -lt $((2500 ** 2)) ]; then
      seen_near=yes
      shoot 14-galleon-ahead 0.1
    fi
    await_game_time 0.2
  done
  steer
  echo "[ERROR] the player's ship did not reach the galleon: it is at ($x, $y), the galleon at ($galleon_x, $galleon_y)" >&2
  exit 1
}

# What the fight looks at, once a step: the target (the field's generator while it stands, then the
# throne; "none" once both are down), the window pixel that aims at it, the player's and the
# target's places, the rounds of the beam gun and of the rifle (magazine and reserve), the nearest
# supply of ammunition the pads keep (0 0 when none lies there) and whether one still lies where
# the player was heading (HEADING), the throne's hitpoints, whether the throne and the generator
# (those standing) show in the window clear of the HUD along its top, and the game's clock in
# tenths of a second. Only "over" once the throne has exploded or the end screen has come: the game
# may have got there, and on, while the script was held up with the trigger down.
fight_over='logged("Throne: exploded") or logged("LTM: StartUtility: endscreen")'
fight_look='["over"] if FIGHT_OVER else [(target := next((name for name in ("BossFieldGenerator", "Throne") if watched(name)), None)) or "none",
  *(toward(found(target), WIDTH, HEIGHT) if target else [0, 0]),
  *[round(v) for v in player() + (found(target) if target else [0, 0])],
  round(slot(0)["magazine"] + slot(0)["reserve"]), round(slot(1)["magazine"] + slot(1)["reserve"]),
  *[round(v) for v in min((supply["position"] for supply in watched("BossSupply")),
    key=lambda place: (place[0] - player()[0]) ** 2 + (place[1] - player()[1]) ** 2, default=[0, 0])],
  any(abs(supply["position"][0] - HEADING_X) < 1 and abs(supply["position"][1] - HEADING_Y) < 1
    for supply in watched("BossSupply")),
  round(watched("Throne")[0]["health"]) if watched("Throne") else 0,
  all(in_view(found(name), 0.2) for name in ("Throne", "BossFieldGenerator") if found(name)), round(s["time"] * 10)]'
fight_look=${fight_look//$'\n'/ }
fight_look=${fight_look//FIGHT_OVER/$fight_over}
fight_look=${fight_look//WIDTH/$window_width}
fight_look=${fight_look//HEIGHT/$window_height}

# The boss fight, played: the pointer aims at the target on the screen through the room's view, the
# beam gun (the right mouse button) fires while it has energy, else the rifle (the left one), and
# the player walks toward the target while it lies beyond the beam's reach. Once the field is down
# he walks onto the nearest supply the pads keep and takes it before he turns to the throne, and
# he takes one whenever both guns are empty. A supply is taken when his rounds grow, or when the
# one he headed for is gone while he stands by its place. Each step is a fifth of a second of the
# game's time; the screenshots show the field up (once the camera frames the room), the generator
# down, the supply taken and the throne cracking (each with the keys and the trigger let go). The
# 30 s a supply may take count each step at most 1 s: a script held up with the walk keys down finds
# the player past the supply, and walks back. Ends once the throne is down, whether the script saw
# it fall or finds it gone (broken meanwhile by the trigger held); an end screen with the throne
# still standing is a fight lost, and fails the run. The beam gun is the right mouse button (3),
# the rifle the left (1).
fight_the_boss() {
  local target aim_x aim_y x y target_x target_y energy bullets supply_x supply_y
  local still_there throne_health framed now rounds="" started="" field_shown="" throne_full="" cracked=""
  local want_supply="" wanted_for=0 heading_x=0 heading_y=0 supplied="" look
  local last_x=0 last_y=0 last_now="" speed_x=0 speed_y=0
  for _ in $(seq 1 3000); do
    look=${fight_look//HEADING_X/$heading_x}
    look=${look//HEADING_Y/$heading_y}
    read -r target aim_x aim_y x y target_x target_y energy bullets supply_x supply_y still_there throne_health framed now < <(
      state_of "$look" "($fight_over) or (player() is not None and level(\"Encounter\") == \"BossRoom\")")
    if [ "$target" = over ]; then
      if ! logged_since_mark "Throne: exploded"; then
        trigger 0
        steer
        echo "[ERROR] the fight was lost: the end screen came while the throne stood" >&2
        exit 1
      fi
      break
    fi
    [ -n "$now" ] || exit 1
    : "${started:=$now}" "${rounds:=$((energy + bullets))}"
    speed_x=0 speed_y=0
    if [ -n "$last_now" ] && [ "$now" -gt "$last_now" ]; then
      speed_x=$(((x - last_x) * 10 / (now - last_now)))
      speed_y=$(((y - last_y) * 10 / (now - last_now)))
      [ -z "$want_supply" ] || wanted_for=$((wanted_for + (now - last_now < 10 ? now - last_now : 10)))
    fi
    last_x=$x last_y=$y last_now=$now
    if [ "$target" = Throne ] && [ -z "$throne_full" ]; then
      throne_full=$throne_health
      shoot 16-generator-down 0.1
      want_supply=yes wanted_for=0
    fi
    if [ $((energy + bullets)) -eq 0 ] && [ -z "$want_supply" ]; then
      want_supply=yes wanted_for=0
    fi
    if [ -n "$want_supply" ] && { [ $((energy + bullets)) -gt "$rounds" ] ||
      { [ "$still_there" = false ] && [ $(((heading_x - x) ** 2 + (heading_y - y) ** 2)) -lt $((300 ** 2)) ]; }; }; then
      want_supply="" heading_x=0 heading_y=0
      [ -n "$supplied" ] || shoot 17-supply-taken 0.1
      supplied=yes
    fi
    rounds=$((energy + bullets))
    [ "$target" = none ] && break
    if [ -n "$want_supply" ] && [ "$wanted_for" -gt 300 ]; then
      echo "[ERROR] the player took no supply in 30 s of the game's time: he stands at ($x, $y), the nearest supply lies at ($supply_x, $supply_y)" >&2
      exit 1
    fi
    # The camera follows the player for the fight's first seconds, then frames the room: he fires
    # once it shows the field up (or after eight seconds, whatever the camera does).
    if [ -z "$field_shown" ] && { [ "$framed" = true ] || [ $((now - started)) -gt 80 ]; }; then
      field_shown=yes
      [ "$target" = BossFieldGenerator ] && shoot 15-field-up 0.1
    fi
    xdotool mousemove $((aim_x + 20)) $((aim_y + 20))
    if [ -n "$want_supply" ] && [ "$supply_x $supply_y" != "0 0" ]; then
      heading_x=$supply_x heading_y=$supply_y
      # shellcheck disable=SC2046
      steer $(keys_to_rest_on "$x" "$y" "$speed_x" "$speed_y" "$supply_x" "$supply_y")
      [ -z "$held" ] || stall_point supply-walk
    elif [ $(((target_x - x) ** 2 + (target_y - y) ** 2)) -gt $((1100 ** 2)) ]; then
      # shellcheck disable=SC2046
      steer $(keys_toward "$x" "$y" "$target_x" "$target_y" 100)
    else
      steer
    fi
    # No shot while he looks at the room, nor while he fetches a supply after the field went down.
    if [ -z "$field_shown" ] || { [ -n "$want_supply" ] && [ "$target" = Throne ]; }; then
      trigger 0
    elif [ "$energy" -gt 0 ]; then
      trigger 3
    elif [ "$bullets" -gt 0 ]; then
      trigger 1
    else
      trigger 0
    fi
    if [ "$target" = Throne ] && [ -z "$cracked" ] && [ "$throne_health" -lt $((throne_full / 2)) ]; then
      cracked=yes
      shoot 18-throne-breaking 0.1
    fi
    await_game_time 0.2
  done
  trigger 0
  steer
  [ "$target" = none ] || [ "$target" = over ] && return 0
  echo "[ERROR] the fight did not end: the $target still stands, the player at ($x, $y) has $energy energy and $bullets bullets" >&2
  exit 1
}

log="$shots/game.log"
# What the fight aims at and walks to, by name or prefab: the state report describes them.
(cd "$folder" && CI=1 exec "$game" windowed god_mode,on \
  watch,Corva,bossShip,BossFieldGenerator,Throne,BossSupply) > "$log" 2>&1 {shots_lock}>&- &
pid=$!

rest_pointer_once_shown
# The splash leaves by itself after a few seconds: a script held up that long finds the menu.
await_state 'shows("splash") or logged("LTM: StartUtility: introlevel")' "the splash"
shoot_on 'shows("splash")' 01-splash 1.5
# Any key leaves the splash (as its timer does). D, since a second press would land on the menu,
# where Space would press the START it opens on and D only moves the focus.
press_until "LTM: StartUtility: introlevel" 'shows("splash")' d
await_state "$main_menu" "the menu"
shoot 02-menu 1.0

# The mark lies before START: what the game logs from the overworld on, by itself too (the
# tutorial ends after its last line, a ship rams the freed ship), is looked for after it.
mark
press_until "LTM: StartOverworld" "$main_menu" click -240 110
overworld='level("Overworld") == "overworld" and visible("Overworld")'
await_state "$overworld or logged(\"LTM: StartEncounter\")" "the overworld"
shoot_on "$overworld" 03-overworld 2.0
# Any input skips the overworld tutorial and frees the ship.
press_until "Overworld tutorial: ended" "$overworld" space
# A ship may ram it from here on, the screenshot's while too.
shoot_on "$overworld and not logged(\"LTM: StartEncounter\")" 04-tutorial-skipped 1.0
ram_a_launched_ship
encounter=$(boarded)
fight="level(\"Encounter\") == \"$encounter\" and player() is not None and not paused(\"Encounter\")"
await_state "$fight" "the encounter \"$encounter\" with its player"
shoot 05-encounter 2.0
# Escape pauses the fight under the pause menu, and again goes back to it.
await_state "$fight" "the encounter \"$encounter\" going on"
key Escape
await_state 'paused("Encounter") and shows("pause_menu")' "the fight paused under the pause menu"
shoot 06-paused
await_state 'paused("Encounter") and shows("pause_menu")' "the fight still paused"
key Escape
await_state "$fight and not shows(\"pause_menu\")" "the fight going on again"

# The boarding party: the pistol at the player's feet is picked up and tried out along the airlock,
# then put down again (the boss room hands a player with empty hands its beam gun), and the player
# walks back to the hatch on the airlock's outer wall and leaves.
key e
hold 1.0 d
hold 0.8 space
shoot 07-fight 0.1
await_state "$fight" "the encounter \"$encounter\" going on"
key e
return_to_the_overworld "$encounter"
await_state 'logged("LTM: StartEncounter") or ('"$overworld"' and not visible("Encounter"))' "the overworld again"
shoot_on "$overworld and not logged(\"LTM: StartEncounter\")" 08-overworld-again 1.5

# The freighter calls for help: its comm station starts the clock on the HUD, and when the clock
# has run out the police teleport aboard. Which ship a station launches is the dice's, so the
# freighter is loaded through the console, into the overworld's space while it shows. A ship that
# boarded the player's ship meanwhile (the mark lies before the return) is left by the hatch first.
for _ in 1 2 3; do
  if ! logged_since_mark "LTM: StartEncounter"; then
    CONSOLE_SHOT=09-console console "load_level Overworld freighter" 'level("Overworld") == "freighter" and player() is not None' \
      "the freighter" "$overworld and not logged(\"LTM: StartEncounter\")" || true
    logged_since_mark "LTM: StartEncounter" || break
  fi
  encounter=$(boarded)
  echo "boarded while the console was used: $encounter"
  check_boarding
  await_state "level(\"Encounter\") == \"$encounter\" and player() is not None" "the encounter \"$encounter\" with its player"
  return_to_the_overworld "$encounter"
done
await_state 'level("Overworld") == "freighter" and player() is not None' "the freighter"
await_log "Encounter clock: started"
shoot 10-clock
# The clock's 6 s and the wave's teleport, in the game's time.
await_log "Reinforcements: a wave teleports in" 30
shoot 11-reinforcements 1.0
# The 3000 that bring the boss's galleon take several boardings of aiming at moving enemies: the
# console sets the score, its last use. From here on the run is played by keys and the pointer
# alone, to the end screen.
CONSOLE_SHOT=12-score console "score 3000" 's["score"] == 3000' "the run's score at 3000"
return_to_the_overworld freighter
galleon_shown='logged("LTM: StartEncounter") or ('"$overworld"' and not visible("HUD") and found("bossShip") is not None)'
await_state "$galleon_shown" "the overworld with the galleon, without the fight's HUD"
shoot_on "($galleon_shown) and not logged(\"LTM: StartEncounter\")" 13-galleon-challenge 1.0
fly_to_the_galleon
# From the boarding on, the marks lie just past the line that began each stage: the game may have
# gone through several (the fight won, the end screen left, the credits over) while the script
# was held up with the trigger down.
mark_past "LTM: StartEncounter: BossRoom"
await_state '(level("Encounter") == "BossRoom" and visible("Encounter") and player() is not None) or logged("Throne: exploded")' \
  "the boss room with its player"
await_log "Force field: raised"
fight_the_boss
# The throne blows up, and the cracked walls behind it blow out one after another; the room loses
# its air and the king with it, the banner of the win comes over the player, then the end screen.
await_log "Throne: exploded"
shoot_on 'level("Encounter") == "BossRoom" and not logged("Boss fight: victory")' 19-walls-blowing 0.5
await_log "Boss fight: the king is defeated"
await_log "Boss fight: victory" 30
shoot_on 'not logged("LTM: StartUtility: endscreen")' 20-win-banner 0.5
await_log "LTM: StartUtility: endscreen" 30
mark_past "LTM: StartUtility: endscreen"
end_screen='level("Utility") == "endscreen" and visible("Utility")'
await_state "$end_screen or logged(\"LTM: StartUtility: introlevel\")" "the end screen"
shoot_on "$end_screen and not logged(\"LTM: StartUtility: introlevel\")" 21-end-screen 2.0
# The end screen takes any key once its haul has poured out, which no state shows: the key is
# pressed again until the menu comes (D, which on the menu only moves the focus). A key or button
# held while the script was held up may have taken it there already.
press_until "LTM: StartUtility: introlevel" "$end_screen" d
mark_past "LTM: StartUtility: introlevel"
await_state "$main_menu" "the menu after the end screen"
shoot 22-menu-after-end-screen 1.5
press_until "LTM: StartUtility: credits" "$main_menu" click -240 -160
mark_past "LTM: StartUtility: credits"
# The credits end by themselves after their last slide.
credits='level("Utility") == "credits" and not logged("LTM: StartUtility: introlevel")'
await_state "$credits or logged(\"LTM: StartUtility: introlevel\")" "the credits"
shoot_on "$credits" 23-credits 2.5
# Escape leaves the credits early; on the menu it would pause it, so it is pressed once, on the
# credits still running: over by themselves meanwhile, they are left to end. An Escape that came
# as they ran out and paused the menu is undone by another.
press_on "$credits" Escape ||
  echo "the credits ran out by themselves"
await_log "LTM: StartUtility: introlevel"
await_state "$main_menu or shows(\"pause_menu\")" "the menu after the credits"
press_on 'shows("pause_menu")' Escape && echo "the Escape came after the credits: the menu's pause is left"
await_state "$main_menu" "the menu after the credits"
shoot 24-menu-after-credits 1.5
quit_through_the_question 25-quit-question
