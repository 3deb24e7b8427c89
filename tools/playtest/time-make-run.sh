#!/usr/bin/env bash
# Times what a new player waits for: from `make run` in a fresh clone to the
# start-up window on the screen. Runs under its own Xvfb (1280 x 1024, no
# window manager) and ends the game once the window shows.
#   tools/playtest/time-make-run.sh REPOSITORY WORK_FOLDER [DISPLAY_NUMBER]
set -euo pipefail
repo=$1
work=$2
display=${3:-97}
rm -rf "$work"
mkdir -p "$work"
git clone -q "$repo" "$work/clone"
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
cd "$work/clone"
start=$(date +%s.%N)
DISPLAY=":$display" setsid make run >"$work/make-run.log" 2>&1 &
make_pid=$!
while ! DISPLAY=":$display" xdotool search --name "Startup Menu" >/dev/null 2>&1; do
  if ! kill -0 "$make_pid" 2>/dev/null; then
    echo "make run ended before the window showed; see $work/make-run.log" >&2
    exit 1
  fi
  sleep 0.2
done
end=$(date +%s.%N)
steps=$(grep -c '^\[[0-9]*/[0-9]*\]' "$work/make-run.log" || true)
kill -- "-$make_pid" 2>/dev/null || true
wait "$make_pid" 2>/dev/null || true
printf 'make run to the start-up window: %.1f s, %s build steps\n' "$(echo "$end - $start" | bc)" "$steps"
