#!/usr/bin/env bash
# The real game under faults in an X server without a window manager (Xvfb):
# the window closed on each screen a player reaches with the mouse, no sound
# device, an OpenGL library that will not load, and no display at all. Each
# case reports how the game ended, what it said on stderr, and the files it
# left in its data folder.
#   tests/faults/xvfb-faults-check.sh GAME_PROGRAM OUT_FOLDER [DISPLAY_NUMBER]
# Needs the Debian packages xvfb and xdotool, and python3.
set -uo pipefail
here=$(dirname "$(realpath "$0")")
out=$(realpath -m "$2")
display=${3:-96}
mkdir -p "$out"
# A copy of the game with a data folder of its own beside it.
game="$out/game/vizid"
mkdir -p "$out/game/data"
cp "$1" "$game"
# A quicksave made by the playtest harness beside it (a new game, F5, Y), so
# the player can load a game with the mouse alone.
"$(dirname "$1")/vizid-playtest" --data "$out/game/data" /dev/stdin <<'SCRIPT' >/dev/null
seed 7
wait 12
click 512 200
wait 25
click 650 720
wait 90
key 13
wait 5
key 116
key 89
wait 5
SCRIPT

Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=":$display"
sleep 1

# The window of that name, once it has settled: SDL makes the window anew
# when the renderer it chose needs another kind.
find_window() {
  for _ in $(seq 1 100); do
    if [ -n "$(xdotool search --name "$1" 2>/dev/null)" ]; then
      sleep 1
      xdotool search --name "$1" 2>/dev/null | tail -1
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Clicks at a point of the game's 1024 x 768 picture, wherever the window
# shows it (scaled and letterboxed).
click() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  read -r px py < <(awk -v x="$1" -v y="$2" -v w="$WIDTH" -v h="$HEIGHT" -v wx="$X" -v wy="$Y" 'BEGIN {
    s = w / 1024 < h / 768 ? w / 1024 : h / 768
    printf "%d %d\n", wx + (w - 1024 * s) / 2 + x * s, wy + (h - 768 * s) / 2 + y * s }')
  xdotool mousemove "$px" "$py" click "${3:-1}"
  sleep 1.5  # past the fade to the next screen, on a busy machine
}

# Starts the game (with the environment given), runs the steps to reach a
# screen, asks the window to close and reports how the game ended.
run_case() {
  local name=$1 steps=$2
  shift 2
  local log="$out/$name.log"
  env "$@" "$game" >"$log" 2>&1 &
  local pid=$!
  if ! startup=$(find_window "Startup Menu"); then
    wait $pid
    echo "$name: no window; exit status $?; said: $(grep -v '^ALSA lib' "$log" | tr '\n' ' ')"
    return
  fi
  window=$startup
  if [ "$steps" != startup ]; then
    eval "$(xdotool getwindowgeometry --shell "$startup")"
    sleep 0.5
    xdotool mousemove $((X + 238)) $((Y + 126)) click 1  # RUN THE GAME
    window=$(find_window "^Vizid of Vorgash$")
    if [ "$steps" != logo ]; then
      sleep 8  # the empty frames and the maker line, on a busy machine
      eval "$steps"
    fi
  fi
  # The screen as the player saw it when closing the window.
  python3 "$here/close_window.py" "$window" "$out/$name.png"
  local closed
  closed=$(date +%s.%N)
  local status=timeout
  for _ in $(seq 1 100); do
    if ! kill -0 $pid 2>/dev/null; then
      wait $pid
      status=$?
      break
    fi
    sleep 0.05
  done
  [ "$status" = timeout ] && kill $pid
  local took
  took=$(awk -v a="$closed" -v b="$(date +%s.%N)" 'BEGIN { printf "%.2f", b - a }')
  echo "$name: exit status $status $took s after the close; said: $(grep -v '^ALSA lib' "$log" | tr '\n' ' ')"
  echo "    window.cfg: $(tr '\n' ' ' 2>/dev/null <"$out/game/data/window.cfg")" \
    "options.kqo: $(od -An -tu4 "$out/game/data/options.kqo" 2>/dev/null | tr -s ' \n' ' ')" \
    "quick.kqs: $(md5sum <"$out/game/data/saves/quick.kqs" 2>/dev/null | cut -c1-8)"
}

load_game='click 512 470; click 500 657; click 650 725; sleep 1'
run_case startup startup
run_case logo logo
run_case main-menu 'sleep 1'
run_case creation 'click 512 200'
run_case world "$load_game"
run_case inventory "$load_game; click 80 690"
run_case character "$load_game; click 80 690 3"
run_case save-screen "$load_game; click 944 690; sleep 0.5; click 512 380"
run_case options 'click 512 560; sleep 0.5; click 400 300'
run_case quicksaved "$load_game; xdotool key F5; sleep 0.5; xdotool key y; sleep 1"
run_case windowed 'xdotool key alt+Return; sleep 1.5'
run_case no-sound-device 'click 512 200' SDL_AUDIODRIVER=nonexistent
run_case no-opengl-library 'click 512 200' SDL_OPENGL_LIBRARY=/nonexistent/libGL.so.1
run_case no-display 'true' DISPLAY= SDL_VIDEODRIVER=
run_case no-video-driver 'true' SDL_VIDEODRIVER=nonexistent
