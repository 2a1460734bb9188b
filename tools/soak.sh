#!/usr/bin/env bash
# The attract mode left to play by itself: the game starts, the splash is passed, Backspace on the
# menu starts the demo ("auto_play"), and it runs for the given minutes. Whenever the demo has
# ended on its own (its crew down) and the menu is back (as its state report shows),
# Backspace starts it again, so the game keeps loading and unloading the demo's level. The resident memory is sampled
# every 10 s; at the end the game is asked to stop (SIGTERM, the same clean shutdown as closing its
# window) and must end with exit code 0 and no leak report.
#
#   tools/soak.sh [minutes] [build directory] [output folder]     (defaults: 10, build, soak-out)
#
# Prints the resident memory at the first minute and at the end; the samples go to memory.csv in
# the output folder, with the game's log and a screenshot per minute. It runs on an X server of its
# own (xvfb-run at 1280x720). The soak lasts minutes by the wall clock; the steps into the demo
# wait for the game's own signs.
set -euo pipefail
# shellcheck source=tools/window-input.sh
source "$(dirname "$0")/window-input.sh"
cd "$(dirname "$0")/.."
minutes=${1:-10}
game="$(pwd)/${2:-build}/corvane"
out=$(realpath -m "${3:-soak-out}")
[ -x "$game" ] || { echo "[ERROR] $game is not built" >&2; exit 1; }
mkdir -p "$out"


# The menu shows, and no demo over it.
menu_showing() {
  [ "$(state_of 'level("Utility") == "introlevel" and visible("Utility") and not shows("auto_play")')" = true ]
}

resident_kb() {
  awk '/^VmRSS:/ {print $2}' "/proc/$1/status"
}

shots="$out"
log="$out/game.log"
CI=1 "$game" windowed > "$log" 2>&1 &
pid=$!
trap 'end_of_script' EXIT
# The pointer rests off the buttons, and the splash goes on to the menu, where the loop below
# starts the demo. Any key leaves the splash; D, since on the menu it only moves the focus.
rest_pointer_once_shown
await_state 'shows("splash")' "the splash"
press_until "LTM: StartUtility: introlevel" 'shows("splash")' d
await_state 'level("Utility") == "introlevel" and visible("Utility")' "the menu"

echo "seconds,resident_kb" > "$out/memory.csv"
start=$(date +%s)
end=$((start + minutes * 60))
first_minute=""
while [ "$(date +%s)" -lt "$end" ]; do
  sleep 10
  kill -0 $pid 2>/dev/null || { echo "[ERROR] the game ended during the soak" >&2; cat "$out/game.log" >&2; exit 1; }
  elapsed=$(($(date +%s) - start))
  resident=$(resident_kb $pid)
  echo "$elapsed,$resident" >> "$out/memory.csv"
  [ -z "$first_minute" ] && [ "$elapsed" -ge 60 ] && first_minute=$resident
  if [ $((elapsed % 60)) -lt 10 ]; then
    import -window root "$out/minute-$((elapsed / 60)).png"
  fi
  if menu_showing; then
    key BackSpace
  fi
done

kill -TERM $pid
status=0
wait $pid || status=$?
last=$(tail -1 "$out/memory.csv" | cut -d, -f2)
echo "resident memory: ${first_minute:-?} kB after the first minute, $last kB after $minutes minutes"
echo "exit code: $status"
check_game_log "$out/game.log"
exit $status
