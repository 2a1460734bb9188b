#!/usr/bin/env bash
# Plays the game's menus as a player would, with xdotool on the running X display, and takes a
# screenshot of each screen: the splash, the main menu (keys move the focus), how to play and
# back, the quit question and back, the pause menu and back, a toggle, a button whose level does
# not exist yet, the credits and back, the attract mode and back, and quitting through the
# question. It fails unless the game ends by itself with exit code 0.
#
#   xvfb-run -a -s "-screen 0 1280x720x24" tools/drive-menus.sh build/corvane shots/
#
# Run from the repository root (where Assets/ is). The game runs windowed, so its window is 0.8 of
# the screen at (20, 20); world places of the menus (tools/make_flow_levels.py) map onto it.
set -euo pipefail
game=$(realpath "$1")
shots=$(realpath -m "$2")
mkdir -p "$shots"

# shellcheck source=tools/window-input.sh
source "$(dirname "$0")/window-input.sh"

# No message boxes: a failed check is written out and the game goes on.
CI=1 "$game" windowed > "$shots/game.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

rest_pointer_once_shown
shoot 01-splash 2.0
key space
shoot 02-main-menu 1.0
# The menu opens on START; Down moves to TUTORIAL.
key Down
shoot 03-main-menu-focus
key Down Return
shoot 04-how-to-play
key Escape
shoot 05-main-menu-again
click -240 -250
shoot 06-quit-question
click 200 -110
shoot 07-main-menu-after-no
key Escape
shoot 08-pause-menu
key Escape
shoot 09-main-menu-after-resume
click 240 20
shoot 10-music-toggled
click 240 20
click -240 20
shoot 11-tutorial-missing
click -240 -160
shoot 12-credits 2.5
key Escape
shoot 13-main-menu-after-credits 1.0
key BackSpace
shoot 14-attract-mode 3.0
key space
shoot 15-main-menu-after-attract-mode 1.0
click -240 -250
click -200 -110

status=0
for _ in $(seq 1 50); do
  if ! kill -0 $pid 2>/dev/null; then
    wait $pid || status=$?
    trap - EXIT
    echo "the game ended with exit code $status"
    exit $status
  fi
  sleep 0.2
done
echo "the game did not end after YES" >&2
exit 1
