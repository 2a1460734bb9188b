# shellcheck shell=bash
# What the scripts that play the game through its window share (sourced first thing, not run): an X
# server of their own, where a world place of the menus lies on the screen, key presses and clicks
# as a person makes them, screenshots, waiting for the game's own sign that a step took effect (a
# line in its log, or its state report), and the check of the game's log at the end.
#
# The waits need the game's process id in $pid, its executable in $game (a state request goes to
# that program only, never to the script's copy that has yet to become it) and its log (standard
# output) in $log, the screenshots their folder in $shots. Every wait counts the game's own frames
# or clock (its state report's "frame" and "time"), never the wall clock: on a busy machine the game
# runs slowly, and so do its menus' pauses, its timers and its ships, so a script that counted
# seconds of its own would press too soon and give up too early. The wall clock only ends a wait
# that the game's clock cannot (a hung game; see tools/game_state.py), and paces what is the
# script's own (typing).
#
# The game runs windowed, so its window is 0.8 of the screen at (20, 20).
tools_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The script runs again on an X server of its own, whatever display it was started on (xvfb-run -a
# takes a free server number): keys and clicks reach whichever window has the focus and screenshots
# take the whole screen, so no other program's window may share the display, nor the script look
# at another's. A script whose display is the one made for it goes on. The server never resets: by
# default it would when its last client leaves (the game quitting), and a call made just then
# cannot open the display.
if [ -z "${DISPLAY:-}" ] || [ "${WINDOW_SCRIPT_DISPLAY:-}" != "$DISPLAY" ]; then
  command -v xvfb-run > /dev/null || { echo "[ERROR] xvfb-run is not installed to make the script a display (Debian: xvfb)" >&2; exit 1; }
  exec xvfb-run -a -s "-screen 0 1280x720x24 -noreset" bash -c 'WINDOW_SCRIPT_DISPLAY=$DISPLAY exec "$0" "$@"' "$0" "$@"
fi

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

require_tools xdotool import xwininfo python3 timeout

# The X tools a run calls, each call given a minute of the wall clock and made again twice when it
# runs out (x_tries times in all): on a loaded machine a call can wait long on a starved X server,
# and one that hangs must not hang the run. A minute can also run out while the script itself is
# held still, the call half done: a call that is not the same done twice (typing) is made once.
# A call that took over 5 s is said on standard error, to find where a run waited.
# A screenshot needs no more than one of ImageMagick's threads, whose threads spin while they wait
# for each other, a cost only on cores that are all busy.
export MAGICK_THREAD_LIMIT=1
x_call() {
  local started=${EPOCHREALTIME/./} status took
  for _ in $(seq 1 "${x_tries:-3}"); do
    status=0
    timeout 60 "$@" || status=$?
    [ "$status" -eq 124 ] || break
  done
  took=$(((${EPOCHREALTIME/./} - started) / 1000000))
  [ "$took" -lt 5 ] || echo "held up: $1 ${2:-} took $took s of the wall clock" >&2
  return "$status"
}
xdotool() { x_call xdotool "$@"; }
import() { x_call import "$@"; }

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

# A screenshot into "$shots/<name>.png" after a rest (default 0.6 s of the game's time) for the
# picture to settle (fades, slides): what the picture must show has been waited for before. Every
# key and button is let go first: a screenshot can take long, and the game would run on with them.
shoot() {
  let_go
  await_game_time "${2:-0.6}"
  import -window root "$shots/$1.png"
  echo "screen: $1"
  stall_point "$1"
}

# For testing that a script survives its own pauses: stall_after="SECONDS [NAME ...]" makes it sleep
# that long by the wall clock after each screenshot, or only at the stall points (screenshots among
# them) named, the game running on meanwhile.
stall_after=${stall_after:-}
stalled=""
stall_point() {
  [ -n "$stall_after" ] || return 0
  local seconds names
  read -r seconds names <<< "$stall_after"
  [ -z "$names" ] || [[ " $names " == *" $1 "* ]] || return 0
  [[ " $stalled " != *" $1 "* ]] || return 0
  stalled="$stalled $1"
  echo "stalling $seconds s at $1"
  sleep "$seconds"
}

# The game reads its input once a frame, and the editor's interface takes it a few changes a frame,
# in the order it came (a click's press and its release each in a frame of their own); a frame can
# last long on a busy machine. So every key press, click and typed text below ends by waiting for
# two frames begun after it (settle).
#
# How long a key or a mouse button is held, and the rests after a key press and after a click, are
# a person's pace in the game's time. The menus ignore input for half a second of it after each
# action, so the scripts that play them keep the defaults; a script may set shorter ones before
# sourcing this file.
press_time=${press_time:-0.3}
key_rest=${key_rest:-0.6}
click_rest=${click_rest:-0.4}

settle() {
  await_frames 2
}

# A key press that ends the game: held by the wall clock, as no frame may come to count it.
press_to_quit() {
  xdotool keydown "$1"
  sleep "$press_time"
  xdotool keyup "$1"
}

key() {
  for name in "$@"; do
    hold "$press_time" "$name"
    await_game_time "$key_rest"
  done
}

# Types the text; what of it got through, should the call be cut off, is for the caller to look at.
type_text() {
  x_tries=1 xdotool type --delay 100 "$1" || true
  settle
}

# Fills the text field that has the keyboard with $1 (Ctrl+A first replaces what it held) until the
# game says the field holds it; a character lost on the way, or typed twice, is typed again with the
# rest. $2 names the field.
fill_field() {
  local text=$1
  await_state 'typing()' "$2 to take the keyboard"
  for _ in 1 2 3; do
    key ctrl+a
    type_text "$text"
    # The interface takes a character in about three frames (its key's press, its text and the
    # key's release each in a frame of their own), at most a tenth of a second of the game's time,
    # and a slow game falls behind the typing: the last ones may still be on their way.
    holds_within "field() == $(json_text "$text")" $((${#text} / 10 + 1)) && return 0
  done
  await_state "field() == $(json_text "$text")" "$2 to hold \"$text\""
}

held=""
# Holds exactly the keys named (of w, a, s and d), letting go of the others: $held lists those down.
# shellcheck disable=SC2120
steer() {
  local key
  for key in w a s d; do
    case " $* " in
      *" $key "*) [[ " $held " == *" $key "* ]] || xdotool keydown "$key" ;;
      *) [[ " $held " != *" $key "* ]] || xdotool keyup "$key" ;;
    esac
  done
  held="$*"
}

# Holds the mouse button $1 down (0 none), letting go of the one held before: $button names it.
button=0
trigger() {
  [ "$1" = "$button" ] && return 0
  [ "$button" = 0 ] || xdotool mouseup "$button"
  [ "$1" = 0 ] || xdotool mousedown "$1"
  button=$1
}

# Lets go of whatever steer and trigger hold, before anything that may take long.
let_go() {
  steer
  trigger 0
}

# Holds the keys, all at once, for $1 seconds of the game's time. They are let go in the reverse
# order, a chord's keys too (xdotool lets go of "ctrl+a" Ctrl first): on a slow game the hold
# outlasts the auto-repeat delay, and a letter still down after its Ctrl went up repeats as typed.
hold() {
  local seconds=$1 index part parts
  shift
  for name in "$@"; do xdotool keydown "$name"; done
  await_game_time "$seconds"
  for ((index = $#; index > 0; index--)); do
    IFS=+ read -ra parts <<< "${!index}"
    for ((part = ${#parts[@]} - 1; part >= 0; part--)); do xdotool keyup "${parts[part]}"; done
  done
}

# Moves the pointer to a screen pixel inside the game's window and waits until the game shows it
# there (its state's "mouse", in the window's pixels): seen there before a button goes down.
move_pointer() {
  xdotool mousemove "$1" "$2"
  await_state "s['mouse'] == [$(($1 - 20)), $(($2 - 20))]" "the pointer at ($1, $2)"
}

# A left click at a screen pixel that ends the game: the button is held by the wall clock, as no
# frame may come to count it.
click_to_quit() {
  move_pointer "$1" "$2"
  xdotool mousedown 1
  sleep "$press_time"
  xdotool mouseup 1
}

# A left click at a screen pixel.
click_pixel() {
  move_pointer "$1" "$2"
  xdotool mousedown 1
  await_game_time "$press_time"
  xdotool mouseup 1
  await_game_time "$click_rest"
}

# A left click on a world place of the menus.
click() {
  # shellcheck disable=SC2046
  click_pixel $(at "$1" "$2")
}

# Makes $1/Assets a game folder of the checkout's Assets, so that a run writes nothing there: the
# settings files (which the game writes back) copied, each level linked on its own (a script may
# put its own in place of one), everything else linked.
make_game_folder() {
  local entry name
  mkdir -p "$1/Assets"
  for entry in "$tools_dir/../Assets"/*; do
    name=$(basename "$entry")
    case "$name" in
      GameSettings | EditorSettings) cp "$entry" "$1/Assets/$name" ;;
      LevelFiles) mkdir "$1/Assets/$name" && ln -s "$entry"/* "$1/Assets/$name/" ;;
      *) ln -s "$entry" "$1/Assets/$name" ;;
    esac
  done
}

# --- The game's log ----------------------------------------------------------------------------
# A mark in the log: the waits for a line (and logged() in a state condition) look only at what the
# game wrote after it.
logged=0
mark() {
  logged=$(wc -l < "$log")
}
# Moves the mark just past the first line after it that holds $1, a line the game has logged: the
# waits then look at what followed that line, however late the script came to look (the game may
# have gone on by itself meanwhile, and a mark set now would hide what it said on the way).
mark_past() {
  local line
  line=$(line_since_mark "$1")
  if [ -z "$line" ]; then
    echo "[ERROR] the game's log holds no \"$1\" past its line $logged" >&2
    exit 1
  fi
  logged=$line
}
# The number of the first line after the mark that holds $1, or nothing. Read straight from the
# file: a "grep -q" at the end of a pipe stops reading at its first match, and under pipefail the
# writer's broken pipe would turn the match into a failure.
line_since_mark() {
  awk -v from="$logged" -v text="$1" 'NR > from && index($0, text) { print NR; exit }' "$log"
}
logged_since_mark() {
  [ -n "$(line_since_mark "$1")" ]
}
# Prints what follows $1 on the first line after the mark that begins with it.
logged_after_mark() {
  awk -v from="$logged" -v start="$1" 'NR > from && index($0, start) == 1 { print substr($0, length(start) + 1); exit }' "$log"
}
# Waits up to $2 seconds of the game's time (default 20) for the log to say $1 after the mark;
# fails naming it.
await_log() {
  await_state "logged($(json_text "$1"))" "the game to log \"$1\"" "${2:-20}"
}

# Presses a key (or clicks a world place: "click X Y") on the screen $2 (a state condition) until
# the log says $1 after the mark, at most three times, five seconds of the game's time apart. Only
# for presses that change nothing when repeated where the first one took effect late. Each try
# looks first: the line said already (the game moved on by itself, as a splash does, while the
# script was held up) ends it unpressed, and a press waits for its screen (failing after 20 s of
# the game's time without it). The mark comes before the screen was first waited for.
press_until() {
  local line=$1 screen=$2 logged_line
  shift 2
  logged_line="logged($(json_text "$line"))"
  for _ in 1 2 3; do
    [ "$(state_of "$logged_line" "$logged_line or ($screen)")" = false ] || return 0
    if [ "$1" = click ]; then click "$2" "$3"; else key "$1"; fi
    holds_within "$logged_line" 5 && return 0
  done
  echo "[ERROR] the game never logged \"$line\" after three tries of: $*" >&2
  exit 1
}

# Presses the key $2 once, only if the screen $1 (a state condition) still shows; a status tells
# whether it did.
press_on() {
  [ "$(state_of "bool($1)")" = true ] || return 1
  key "$2"
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
# fails naming $3 (what it waited for) after $4 seconds of the game's time. The helper always
# answers (its own last resort ends the wait); no answer means it ended.
state_answer() {
  local reply
  printf '{"pid": %s, "log": %s, "program": %s, "until": %s, "print": %s, "what": %s, "timeout": %s, "mark": %s}\n' \
    "$pid" "$(json_text "$log")" "$(json_text "$game")" "$(json_text "$1")" "$(json_text "$2")" "$(json_text "$3")" \
    "$4" "$logged" >&"$state_questions"
  if ! IFS= read -r reply <&"$state_answers"; then
    echo "[ERROR] the state helper (tools/game_state.py) ended without answering" >&2
    exit 1
  fi
  case "$reply" in
    "ok "*) [ -z "$2" ] || printf '%s\n' "${reply#ok }" ;;
    *) echo "${reply#failed }" >&2; exit 1 ;;
  esac
}
# Waits until the condition holds of the state the game reports; fails naming $2 (what it waited
# for) after $3 seconds of the game's time (default 20).
await_state() {
  state_answer "$1" "" "$2" "${3:-20}"
}
# Whether the condition holds within $2 seconds of the game's time, as a status: for a step tried
# again when it did not take.
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
  await_state "frames() >= ${1:-2}" "${1:-2} more frames"
}
# Waits for $1 seconds of the game's time, and two frames at least (settle).
await_game_time() {
  await_state "seconds() >= $1 and frames() >= 2" "$1 s of the game's time" $((${1%.*} + 21))
}

# Waits up to $1 seconds of the game's time (default 10) for the game to end; fails unless it ends
# with exit code 0.
await_exit() {
  local status=0
  await_state 'ended()' "the game to end by itself" "${1:-10}"
  wait "$pid" || status=$?
  echo "the game ended with exit code $status"
  [ "$status" -eq 0 ] || exit 1
}

# The main menu, with nothing over it (a pause menu, the quit question).
main_menu='level("Utility") == "introlevel" and visible("Utility") and not visible("MenuSpace1")'

# QUIT on the main menu opens the question over it, clicked again, on the menu alone, while the
# question does not show (where QUIT lies the question has no button); YES is clicked on the
# question shown, again while the game still runs (a click on the question's YES only ever quits).
# The question is shot as $1; the game must then end by itself, with a clean log.
quit_through_the_question() {
  local question='level("MenuSpace1") == "quit_confirmation" and visible("MenuSpace1")'
  for _ in 1 2 3; do
    [ "$(state_of "bool($question)" "($question) or ($main_menu)")" = true ] && break
    click -240 -250
    holds_within "$question" 5 && break
  done
  await_state "$question" "the quit question"
  shoot "$1"
  for _ in 1 2 3; do
    holds_within 'ended()' 0 && break
    await_state "$question" "the quit question"
    # shellcheck disable=SC2046
    click_to_quit $(at -200 -110)
    holds_within 'ended()' 5 && break
  done
  await_exit 10
  check_game_log "$log"
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

# What the EXIT trap does: a picture of the screen and the end of the game's log when the script
# fails (what the game showed and said when a wait ran out: the run's folder is made anew by the
# next run, the test's output is kept), then the game is stopped and waited for, and the folder $1
# removed.
end_of_script() {
  local status=$?
  if [ "$status" -ne 0 ]; then
    import -window root "$shots/failure.png" 2> /dev/null || true
    if [ -n "${log:-}" ] && [ -f "$log" ]; then
      # The state reports the script asked for would bury what the game said.
      echo "--- the last 40 lines of the game's log ($log), its state reports left out ---" >&2
      grep -v '^State: ' "$log" | tail -n 40 >&2 || true
    fi
  fi
  if [ -n "${pid:-}" ] && kill -0 "$pid" 2> /dev/null; then
    kill "$pid" 2> /dev/null || true
    wait "$pid" 2> /dev/null || true
  fi
  [ -z "${1:-}" ] || rm -rf "$1"
  kill "$state_helper" 2> /dev/null || true
}

# Waits for the game's first frame, then finds its window: the one its process made, shown, on the
# script's own display. xdotool walks every window of the display and stops with an X error when
# one goes away under it (the program makes and drops windows as it starts), so a search that
# failed is made again, a few frames later, rather than trusted.
await_window() {
  await_state True "the game's first frame"
  for _ in 1 2 3 4 5; do
    xdotool search --all --onlyvisible --pid "$pid" --name '^Corvane$' > /dev/null 2>&1 && return 0
    await_frames 5
  done
  echo "[ERROR] the game (process $pid) runs its frames, but its window \"Corvane\" does not show on display $DISPLAY" >&2
  exit 1
}

# Once the game's window is up, the pointer is put where no button is (resting on a button it would
# hold the menu's focus there). A fresh X server ignores a move made before anything is mapped.
rest_pointer_once_shown() {
  await_window
  # shellcheck disable=SC2046
  xdotool mousemove $(at -900 -500)
}
