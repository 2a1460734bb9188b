#!/usr/bin/env bash
# Plays the game's menus as a player would, with xdotool, and takes a screenshot of each screen: the
# splash, the main menu (keys move the focus), how to play and back, the quit question and back
# (NO), the pause menu over the title and back, a toggle (music) and back, the tutorial and out of
# it through its pause menu's MAIN MENU, the credits and back, the attract mode and back, and
# quitting through the question. It fails unless the game ends by itself with exit code 0, with no
# leak report and no "[ERROR]" line. Not part of the suite: play_through walks most of these
# screens, and GameSessionLoopTest plays the menus by keys.
#
#   tools/drive-menus.sh build/corvane shots/
#
# It runs itself on an X server of its own (xvfb-run at 1280x720). The game runs windowed in a
# temporary copy of the game's folder, so its window is 0.8 of the screen at (20, 20); world places
# of the menus (tools/make_flow_levels.py) map onto it. Each step waits for the game's own sign that
# the last one took effect (the levels its state report shows, the level flow's lines in its log).
set -euo pipefail
# shellcheck source=tools/window-input.sh
source "$(dirname "$0")/window-input.sh"
[ $# -eq 2 ] || { echo "usage: $0 <game binary> <screenshot folder>" >&2; exit 2; }
game=$(realpath "$1")
shots=$(realpath -m "$2")
mkdir -p "$shots"
[ -x "$game" ] || { echo "[ERROR] $game is not built" >&2; exit 1; }

# A toggle writes the settings back, so the game runs in a folder of its own.
folder=$(mktemp -d)
make_game_folder "$folder"
log="$shots/game.log"
(cd "$folder" && CI=1 exec "$game" windowed) > "$log" 2>&1 &
pid=$!
trap 'end_of_script "$folder"' EXIT
menu=$main_menu

rest_pointer_once_shown
await_state 'shows("splash")' "the splash"
shoot 01-splash 2.0
# Any key leaves the splash; D, since on the menu it only moves the focus.
press_until "LTM: StartUtility: introlevel" 'shows("splash")' d
await_state "$menu" "the main menu"
shoot 02-main-menu 1.0
# Keys move the focus (which no state shows: see the picture).
key Down
shoot 03-main-menu-focus
key Escape
await_state 'shows("pause_menu")' "the pause menu over the title"
shoot 04-pause-menu
key Escape
await_state "$menu" "the main menu after the pause menu"
shoot 05-main-menu-after-resume
click -240 -70
await_state 'shows("how_to_play")' "how to play"
shoot 06-how-to-play
key Escape
await_state "$menu" "the main menu after how to play"
shoot 07-main-menu-again
click -240 -250
await_state 'shows("quit_confirmation")' "the quit question"
shoot 08-quit-question
click 250 -110
await_state "$menu" "the main menu after NO"
shoot 09-main-menu-after-no
# MUSIC off and on again.
click 240 20
shoot 10-music-toggled
click 240 20
shoot 11-music-back
# The tutorial; Escape pauses it, and MAIN MENU on its pause menu leads back.
mark
press_until "LTM: StartUtility: tutorial" "$menu" click -240 20
await_state 'level("Utility") == "tutorial" and player() is not None' "the tutorial with its player"
shoot 12-tutorial 2.0
key Escape
await_state 'shows("pause_menu")' "the tutorial paused"
mark
shoot 13-tutorial-paused
press_until "LTM: StartUtility: introlevel" 'shows("pause_menu")' click -220 20
await_state "$menu" "the main menu after the tutorial"
shoot 14-main-menu-after-tutorial 1.0
mark
press_until "LTM: StartUtility: credits" "$menu" click -240 -160
await_state 'level("Utility") == "credits"' "the credits"
shoot 15-credits 2.5
mark
key Escape
await_log "LTM: StartUtility: introlevel"
await_state "$menu" "the main menu after the credits"
shoot 16-main-menu-after-credits 1.0
# Backspace starts the attract mode; any key ends it.
key BackSpace
await_state 'shows("auto_play")' "the attract mode"
shoot 17-attract-mode 3.0
for _ in 1 2 3; do
  key d
  holds_within "$menu and not shows(\"auto_play\")" 5 && break
done
await_state "$menu and not shows(\"auto_play\")" "the main menu after the attract mode"
shoot 18-main-menu-after-attract-mode 1.0
quit_through_the_question 19-quit-question
