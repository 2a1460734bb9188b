# shellcheck shell=bash
# What the scripts that play the game through its window share (sourced, not run): where a world
# place of the menus lies on the screen, key presses and clicks as a person makes them, screenshots,
# waiting for the game's own sign that a step took effect (a line in its log, or its state report),
# and the check of the game's log at the end.
#
# The waits need the game's process id in $pid and its log (standard output) in $log, the
# screenshots their folder in $shots. Fixed sleeps here only pace actions (how long a key is held, a
# rest before a screenshot); what a step must have done is always waited for.
#
# The game runs windowed, so its window is 0.8 of the screen at (20, 20).
tools_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Fails with a clear line when a tool the scripts drive the window with is missing.
require_tools() {
  local tool missing=""
  for tool in "$@"; do
    command -v "$tool" > /dev/null || missing="$missing $tool"
  done
  if [ -n "$missing" ]; then
    echo "[ERROR] missing tools to drive the game's window:$missing (Debian: xdotool imagemagick x11-utils python3)" >&2
    exit 1
  fi
}

require_tools xdotool import xwininfo python3

screen_width=$(xwininfo -root | awk '/Width:/ {print $2}')
screen_height=$(xwininfo -root | awk '/Height:/ {print $2}')
window_width=$((screen_width * 4 / 5))
window_height=$((screen_height * 4 / 5))

# The window pixel (on the screen) of a world place seen through a camera at the origin, which
# shows 1920 units across and as many up as the window's shape allows (the menus' and the editor's
# cameras).
at() {
  local x=$1 y=$2
  local view_height=$((1920 * window_height / window_width))
  echo $((20 + (x + 960) * window_width / 1920)) $((20 + (view_height / 2 - y) * window_width / 1920))
}

# A screenshot into "$shots/<name>.png" after a rest (default 0.6 s) for the picture to settle:
# what the picture must show has been waited for before.
shoot() {
  sleep "${2:-0.6}"
  import -window root "$shots/$1.png"
  echo "screen: $1"
}

# The game reads its input once a frame. A press and its release within one frame still count (the
# input keeps the press), but of two clicks within one frame the editor's interface sees one, at the
# later place, and a Ctrl let go within the frame of its click is never seen with it; a frame can
# last long on a busy machine. So every key press, click and typed text below ends by waiting for
# two frames begun after it (settle), once the script names the game's log.
#
# How long a key or a mouse button is held, and the rests after a key press and after a click, are
# only a person's pace. The menus ignore input for half a second after each action, so the scripts
# that play them keep the defaults; a script may set shorter ones before sourcing this file.
press_time=${press_time:-0.3}
key_rest=${key_rest:-0.6}
click_rest=${click_rest:-0.4}

settle() {
  [ -z "${log:-}" ] || await_frames 2
}

# A key press that ends the game: nothing is left to settle.
press_to_quit() {
  xdotool keydown "$1"
  sleep "$press_time"
  xdotool keyup "$1"
}

key() {
  for name in "$@"; do
    press_to_quit "$name"
    settle
    sleep "$key_rest"
  done
}

type_text() {
  xdotool type --delay 100 "$1"
  settle
}

# Fills the text field that has the keyboard with $1 (Ctrl+A first replaces what it held) until the
# game says the field holds it; a character lost on the way is typed again with the rest. $2 names
# the field.
fill_field() {
  local text=$1
  await_state 'typing()' "$2 to take the keyboard"
  for _ in 1 2 3; do
    key ctrl+a
    type_text "$text"
    [ "$(state_of 'field()')" = "$text" ] && return 0
  done
  await_state "field() == $(json_text "$text")" "$2 to hold \"$text\""
}

# Holds the keys for a while, all at once.
hold() {
  local seconds=$1
  shift
  for name in "$@"; do xdotool keydown "$name"; done
  sleep "$seconds"
  for name in "$@"; do xdotool keyup "$name"; done
}

# A left click at a screen pixel that ends the game: nothing is left to settle.
click_to_quit() {
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool mousedown 1
  sleep "$press_time"
  xdotool mouseup 1
}

# A left click at a screen pixel.
click_pixel() {
  click_to_quit "$1" "$2"
  settle
  sleep "$click_rest"
}

# A left click on a world place of the menus.
click() {
  # shellcheck disable=SC2046
  click_pixel $(at "$1" "$2")
}

# --- The game's log ----------------------------------------------------------------------------
# A mark in the log: the waits below look only at what the game wrote after it.
logged=0
mark() {
  logged=$(wc -l < "$log")
}
logged_since_mark() {
  tail -n "+$((logged + 1))" "$log" | grep -q -- "$1"
}
# Waits up to $2 seconds (default 20) for the log to say $1 after the mark; fails naming it.
await_log() {
  local tries=$((${2:-20} * 5))
  for _ in $(seq 1 "$tries"); do
    logged_since_mark "$1" && return 0
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.2
  done
  echo "[ERROR] the game never logged \"$1\"" >&2
  exit 1
}

# Presses a key (or clicks a world place: "click X Y") until the log says $1, at most three times,
# five seconds apart. Only for presses that change nothing when repeated where the first one took
# effect late.
press_until() {
  local line=$1
  shift
  mark
  for _ in 1 2 3; do
    if [ "$1" = click ]; then click "$2" "$3"; else key "$1"; fi
    for _ in $(seq 1 25); do
      logged_since_mark "$line" && return 0
      sleep 0.2
    done
  done
  echo "[ERROR] the game never logged \"$line\" after three tries of: $*" >&2
  exit 1
}

# --- The game's state (SIGUSR1; see tools/game_state.py) -----------------------------------------
# One helper process answers every question of the run, through two named pipes: a Python start for
# each question would cost more than the question.
state_folder=$(mktemp -d)
mkfifo "$state_folder/questions" "$state_folder/answers"
python3 "$tools_dir/game_state.py" --serve "$state_folder" &
state_helper=$!
exec {state_questions}> "$state_folder/questions"
exec {state_answers}< "$state_folder/answers"
# Both ends are open: the pipes need no names any more, and the helper ends with the script.
rm -rf "$state_folder"

json_text() {
  local text=${1//\\/\\\\}
  printf '"%s"' "${text//\"/\\\"}"
}
# Asks until the condition $1 holds of the game's state, then prints the value of $2 (if any);
# fails naming $3 (what it waited for) after $4 seconds.
state_answer() {
  local reply
  printf '{"pid": %s, "log": %s, "until": %s, "print": %s, "what": %s, "timeout": %s}\n' "$pid" \
    "$(json_text "$log")" "$(json_text "$1")" "$(json_text "$2")" "$(json_text "$3")" "$4" >&"$state_questions"
  if ! IFS= read -r -t $((${4%.*} + 30)) reply <&"$state_answers"; then
    echo "[ERROR] the state helper (tools/game_state.py) did not answer" >&2
    exit 1
  fi
  case "$reply" in
    "ok "*) [ -z "$2" ] || printf '%s\n' "${reply#ok }" ;;
    *) echo "${reply#failed }" >&2; exit 1 ;;
  esac
}
# Waits until the condition holds of the state the game reports; fails naming $2 (what it waited
# for) after $3 seconds (default 20).
await_state() {
  state_answer "$1" "" "$2" "${3:-20}"
}
# Whether the condition holds within $2 seconds, as a status: for a step tried again when it did
# not take.
holds_within() {
  (state_answer "$1" "" "$1" "$2") 2> /dev/null
}
# Prints an expression's value of a fresh state (once the condition $2 holds, if given).
state_of() {
  state_answer "${2:-True}" "$1" "$1" 20
}
# Waits until the game has run $1 more frames (default 2) since it was asked: they began after
# whatever the script sent before.
await_frames() {
  local frame
  frame=$(state_of 's["frame"]')
  await_state "s['frame'] >= $frame + ${1:-2}" "${1:-2} more frames"
}

# Waits up to $1 seconds (default 10) for the game to end; fails unless it ends with exit code 0.
await_exit() {
  local status=0
  for _ in $(seq 1 $((${1:-10} * 5))); do
    if ! kill -0 "$pid" 2> /dev/null; then
      wait "$pid" || status=$?
      echo "the game ended with exit code $status"
      [ "$status" -eq 0 ] || exit 1
      return 0
    fi
    sleep 0.2
  done
  echo "[ERROR] the game did not end by itself" >&2
  exit 1
}

# Fails (status 1, the lines on standard error) when the game's log holds a leak report or an
# "[ERROR]" line.
check_game_log() {
  if grep -q "Unhandled blocks leaked" "$1"; then
    echo "[ERROR] leak report:" >&2
    grep -A20 "Unhandled blocks leaked" "$1" >&2
    return 1
  fi
  if grep -q "\[ERROR\]" "$1"; then
    echo "[ERROR] lines in the game's log:" >&2
    grep "\[ERROR\]" "$1" | sort | uniq -c >&2
    return 1
  fi
}

# What the EXIT trap does: a picture of the screen when the script fails (what the game showed when a
# wait ran out), then the game is stopped and waited for, and the folder $1 removed.
end_of_script() {
  local status=$?
  [ "$status" -eq 0 ] || import -window root "$shots/failure.png" 2> /dev/null || true
  if [ -n "${pid:-}" ] && kill -0 "$pid" 2> /dev/null; then
    kill "$pid" 2> /dev/null || true
    wait "$pid" 2> /dev/null || true
  fi
  [ -z "${1:-}" ] || rm -rf "$1"
  kill "$state_helper" 2> /dev/null || true
}

# Waits up to 60 s for the game's window. xdotool walks every window of the display and stops
# with an X error when one goes away under it (the program makes and drops windows as it starts),
# so a search that failed is made again rather than trusted.
await_window() {
  for _ in $(seq 1 300); do
    xdotool search --name Corvane > /dev/null 2>&1 && return 0
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.2
  done
  echo "[ERROR] the game's window \"Corvane\" never showed" >&2
  exit 1
}

# Once the game's window is up, the pointer is put where no button is (resting on a button it would
# hold the menu's focus there). A fresh X server ignores a move made before anything is mapped.
rest_pointer_once_shown() {
  await_window
  # shellcheck disable=SC2046
  xdotool mousemove $(at -900 -500)
}
