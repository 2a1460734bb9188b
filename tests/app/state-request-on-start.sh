#!/usr/bin/env bash
# The game started as the window scripts start it, "( cd FOLDER && exec GAME ) &", and asked for its
# state at once: until the exec the process is a copy of the script, and a copy that has an EXIT
# trap ends by a state request. The copy here, its trap set, holds on until the state helper has the
# log open to ask, and the game must still come up, answer, and end cleanly on SIGTERM.
#
#   tests/app/state-request-on-start.sh <game binary>
set -euo pipefail
# shellcheck source=tools/window-input.sh
source "$(dirname "$0")/../../tools/window-input.sh"
game=$(realpath "$1")
folder=$(mktemp -d)
make_game_folder "$folder"
log="$folder/game.log"
shots=$folder
(
  trap : EXIT
  until [ -n "$(find "/proc/$state_helper/fd" -lname "$log" 2> /dev/null)" ]; do sleep 0.01; done
  cd "$folder" && CI=1 exec "$game" windowed
) > "$log" 2>&1 &
pid=$!
trap 'end_of_script "$folder"' EXIT
await_state True "the game's first frame"
kill -TERM "$pid"
await_exit
check_game_log "$log"
