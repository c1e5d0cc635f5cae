#!/usr/bin/env bash
# Runs the game on a virtual screen and takes the pictures a player would see: the opening
# window, the table after "Version française", and the table after F2 deals. Also prints the
# game's peak memory once a hand is dealt.
#   scripts/screenshot.sh [output folder] [screen size, e.g. 1920x1080]
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)

out=$(realpath -m "${1:-/tmp/zarvane-shots}")
size=${2:-1024x768}
display=${ZARVANE_DISPLAY:-:99}
mkdir -p "$out"

# Builds the game if it is missing or older than the sources (ZARVANE_BUILD_DIR picks the
# build folder, build/ by default).
build=${ZARVANE_BUILD_DIR:-build}
if [ ! -f "$build/CMakeCache.txt" ] || grep -q '^ZARVANE_WITH_UI:BOOL=OFF' "$build/CMakeCache.txt"; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARVANE_WITH_UI=ON >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target Zarvane98 >/dev/null
game="$(realpath "$build")/app/Zarvane98"

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  if [ -n "$game_pid" ]; then kill "$game_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do
  if xdpyinfo >/dev/null 2>&1 || [ -e "/tmp/.X11-unix/X${display#:}" ]; then break; fi
  sleep 0.1
done

# The options file is written in the working folder: keep it out of the sources.
(cd "$work" && exec "$game") >"$work/game.log" 2>&1 &
game_pid=$!

shoot() {
  sleep "${2:-1}"
  import -window root "$out/$1.png"
  echo "saved $out/$1.png"
}

splash=$(xdotool search --sync --onlyvisible --name 'ZARVANE' | head -n 1)
shoot splash

# "Version française": at 19 + 88, 206 + 15 inside the group box at 11, 25 of the opening
# window, in design pixels scaled like the window.
read -r width height < <(echo "$size" | tr 'x' ' ')
scale=$(awk -v w="$width" -v h="$height" 'BEGIN { s = w / 800; if (h / 600 < s) s = h / 600; print s }')
eval "$(xdotool getwindowgeometry --shell "$splash")"
click_x=$(awk -v x="$X" -v s="$scale" 'BEGIN { printf "%d", x + (11 + 19 + 88) * s }')
click_y=$(awk -v y="$Y" -v s="$scale" 'BEGIN { printf "%d", y + (25 + 206 + 15) * s }')
xdotool mousemove "$click_x" "$click_y" click 1
shoot table

xdotool mousemove 5 5
xdotool key F2
shoot deal 2

peak=$(awk '/VmHWM/ { print $2 }' "/proc/$game_pid/status")
echo "peak resident memory after a deal: $((peak / 1024)) MB ($peak kB)"
