#!/usr/bin/env bash
# Measures the built game on an empty level: the time from start to the first frame on screen and
# the frame time of the empty loop (the work of a frame, without the wait for the 120 fps cap).
# Each run plays a few hundred frames in a temporary copy of Assets with one empty level; the
# figures come from the line the game prints as it ends ("Frames: N in S s (...)"), and the wall
# time of a one-frame run (start to exit) is measured from outside as a check on the first.
#
# Usage: tools/measure-program.sh [build directory] [runs] [level]   (defaults: build, 3, the empty level)
# With a level named (e.g. skirmish), the runs start the game on that level of Assets/LevelFiles
# instead, which measures the frame of the level as it plays.
# Without a display it runs itself under xvfb-run at 1280x720, where the window is 1024x576.
# LP_NUM_THREADS=0 measures Mesa's software renderer on one thread, as the tests run it.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x720x24" "$0" "$@"
fi
cd "$(dirname "$0")/.."
root=$(pwd)
build=${1:-build}
runs=${2:-3}
level=${3:-}
program="$root/$build/corvane"
[ -x "$program" ] || { echo "[ERROR] $program is not built" >&2; exit 1; }

game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
mkdir -p "$game/Assets/LevelFiles"
for entry in "$root"/Assets/*; do
  name=$(basename "$entry")
  case "$name" in
    LevelFiles|GameSettings|EditorSettings) ;;
    *) ln -s "$entry" "$game/Assets/$name" ;;
  esac
done
echo '{"level": {"objects": []}}' > "$game/Assets/LevelFiles/empty.json"
if [ -n "$level" ]; then
  [ -f "$root/Assets/LevelFiles/$level.json" ] || { echo "[ERROR] there is no level $level" >&2; exit 1; }
  ln -s "$root/Assets/LevelFiles/$level.json" "$game/Assets/LevelFiles/$level.json"
fi
echo "{\"firstLevel\": \"${level:-empty}\"}" > "$game/Assets/GameSettings"

run_game() {
  (cd "$game" && CI=1 "$program" "$@")
}

echo "Corvane on ${level:-an empty level}, $runs runs ($(nproc) cores, display $DISPLAY, LP_NUM_THREADS=${LP_NUM_THREADS:-default})"
for run in $(seq "$runs"); do
  line=$(run_game windowed quit_after,600 2>/dev/null | grep '^Frames:' || true)
  [ -n "$line" ] || { echo "[ERROR] run $run printed no frame figures" >&2; exit 1; }
  echo "  run $run: $line"
done
# One frame, from outside: process start to exit, window and shutdown included.
for run in $(seq "$runs"); do
  start=$(date +%s%N)
  run_game windowed quit_after,1 >/dev/null 2>&1
  end=$(date +%s%N)
  echo "  one-frame run $run, start to exit: $(( (end - start) / 1000000 )) ms"
done
