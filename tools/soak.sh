#!/usr/bin/env bash
# The attract mode left to play by itself: the game starts, the splash is passed, Backspace on the
# menu starts the demo ("auto_play"), and it runs for the given minutes. Whenever the demo has
# ended on its own (its crew down) and the menu is back (the START button's face is on screen),
# Backspace starts it again, so the game keeps loading and unloading the demo's level. The resident memory is sampled
# every 10 s; at the end the game is asked to stop (SIGTERM, the same clean shutdown as closing its
# window) and must end with exit code 0 and no leak report.
#
#   tools/soak.sh [minutes] [build directory] [output folder]     (defaults: 10, build, soak-out)
#
# Prints the resident memory at the first minute and at the end; the samples go to memory.csv in
# the output folder, with the game's log and a screenshot per minute.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x720x24" "$0" "$@"
fi
cd "$(dirname "$0")/.."
minutes=${1:-10}
program="$(pwd)/${2:-build}/corvane"
out=$(realpath -m "${3:-soak-out}")
[ -x "$program" ] || { echo "[ERROR] $program is not built" >&2; exit 1; }
mkdir -p "$out"

# shellcheck source=tools/window-input.sh
source tools/window-input.sh

# The menu is showing when the pixel inside the START button's lettering (the window is 1024x576 at
# (20, 20) on a 1280x720 screen) has the lettering's colour.
menu_showing() {
  import -window root -crop 1x1+404+248 txt:- | grep -q "srgb(220,235,255)"
}

resident_kb() {
  awk '/^VmRSS:/ {print $2}' "/proc/$1/status"
}

CI=1 "$program" windowed > "$out/game.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
await_window
# The pointer rests off the buttons, the splash goes on to the menu, and the demo starts.
xdotool mousemove 10 700
sleep 2
key space
sleep 2

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
trap - EXIT
last=$(tail -1 "$out/memory.csv" | cut -d, -f2)
echo "resident memory: ${first_minute:-?} kB after the first minute, $last kB after $minutes minutes"
echo "exit code: $status"
check_game_log "$out/game.log"
exit $status
