#!/usr/bin/env bash
# The game as a new player sees it in an X server without a window manager
# (Xvfb, 1280 x 1024): chooses the SOFTWARE renderer in the start-up window,
# then reports where the game window is and how large, takes a picture of
# the whole screen, and one with the frame rate shown (Left Shift + F); then
# switches to a window and back with Alt+Enter, reporting the window each time.
#   tools/playtest/xvfb-check.sh GAME_PROGRAM OUT_FOLDER [DISPLAY_NUMBER]
# Needs the Debian packages xvfb, xdotool and imagemagick.
set -euo pipefail
game=$(realpath "$1")
out=$2
display=${3:-95}
mkdir -p "$out"
# A first run: OPENGL preselected, so CHANGE DRIVER picks SOFTWARE.
rm -f "$(dirname "$game")/data/api.kqo"
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY=":$display"
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1
"$game" >"$out/game.log" 2>&1 &
game_pid=$!
find_window() {
  for _ in $(seq 1 300); do
    if w=$(xdotool search --name "$1" 2>/dev/null | head -1) && [ -n "$w" ]; then
      echo "$w"
      return 0
    fi
    sleep 0.1
  done
  echo "no window named $1" >&2
  return 1
}
startup=$(find_window "Startup Menu")
eval "$(xdotool getwindowgeometry --shell "$startup")"
sleep 0.5
xdotool mousemove $((X + 238)) $((Y + 186)) click 1  # CHANGE DRIVER
sleep 0.3
xdotool mousemove $((X + 238)) $((Y + 126)) click 1  # RUN THE GAME
window=$(find_window "^Vizid of Vorgash$")
sleep 6  # the empty frames and the maker line
echo "game window: $(xdotool getwindowgeometry "$window" | tr '\n' ' ')"
import -window root "$out/screen.png"
xdotool mousemove 640 512 keydown Shift_L key f keyup Shift_L
sleep 3
import -window root "$out/frame-rate.png"
xdotool key alt+Return
sleep 1.5
echo "after Alt+Enter: $(xdotool getwindowgeometry "$window" | tr '\n' ' ')"
import -window root "$out/windowed.png"
xdotool mousemove 640 512 key alt+Return
sleep 1.5
echo "after Alt+Enter again: $(xdotool getwindowgeometry "$window" | tr '\n' ' ')"
# The pointer over NEW GAME: its row glows.
xdotool mousemove 640 300
sleep 1
import -window root "$out/full-again.png"
echo "pictures: $out/screen.png $out/frame-rate.png $out/windowed.png $out/full-again.png"
