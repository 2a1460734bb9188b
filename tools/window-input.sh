# What the scripts that play the game through its window share (sourced, not run): where a world
# place of the menus lies on the screen, key presses and clicks as a person makes them, screenshots,
# and the check of the game's log at the end.
#
# The game runs windowed, so its window is 0.8 of the screen at (20, 20).
screen_width=$(xwininfo -root | awk '/Width:/ {print $2}')
screen_height=$(xwininfo -root | awk '/Height:/ {print $2}')
window_width=$((screen_width * 4 / 5))
window_height=$((screen_height * 4 / 5))

# The window pixel (on the screen) of a world place seen through a camera at the origin, which
# shows 1920 units across and as many up as the window's shape allows (the menus' cameras).
at() {
  local x=$1 y=$2
  local view_height=$((1920 * window_height / window_width))
  echo $((20 + (x + 960) * window_width / 1920)) $((20 + (view_height / 2 - y) * window_width / 1920))
}

# A screenshot into "$shots/<name>.png" after a rest (default 0.6 s).
shoot() {
  sleep "${2:-0.6}"
  import -window root "$shots/$1.png"
  echo "screen: $1"
}

# How long a key or a mouse button is held. The game reads its input once a frame, and a press
# whose release arrives before the next read is never seen down at all; a machine under load
# (Mesa's software renderer sharing the cores with builds) stretches single frames well past
# 100 ms, so a press is held for several of the longest frames.
press_time=0.3

# The menus rest half a second after each action, so presses come further apart.
key() {
  for name in "$@"; do
    xdotool keydown "$name"
    sleep "$press_time"
    xdotool keyup "$name"
    sleep 0.6
  done
}

# A left click at a screen pixel.
click_pixel() {
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool mousedown 1
  sleep "$press_time"
  xdotool mouseup 1
  sleep 0.4
}

# A left click on a world place of the menus.
click() {
  # shellcheck disable=SC2046
  click_pixel $(at "$1" "$2")
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

# Once the game's window is up, the pointer is put where no button is (resting on a button it would
# hold the menu's focus there). A fresh X server ignores a move made before anything is mapped.
rest_pointer_once_shown() {
  xdotool search --sync --name Corvane > /dev/null
  # shellcheck disable=SC2046
  xdotool mousemove $(at -900 -500)
}
