#!/usr/bin/env bash
# Plays a whole deal by clicks on a virtual screen (the deal test of tests/ui, on a real X
# server this time) and saves what the screen shows at each window: the opening window, the
# bids, the dog, the discard, the poignee question and window, the play, the previous trick,
# the result, the eighteen tricks, the four hands and the score sheet.
#   scripts/review-shots.sh [output folder] [screen size, e.g. 1920x1080]
set -euo pipefail
cd "$(dirname "$0")/.."

out=$(realpath -m "${1:-/tmp/zarvane-review-shots}")
size=${2:-1024x768}
display=${ZARVANE_DISPLAY:-:98}
mkdir -p "$out"

build=${ZARVANE_BUILD_DIR:-build}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target ui_whole_deal_test >/dev/null
player="$(realpath "$build")/tests/ui/ui_whole_deal_test"

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
  if [ -e "/tmp/.X11-unix/X${display#:}" ]; then break; fi
  sleep 0.1
done

(cd "$work" && DISPLAY=$display QT_QPA_PLATFORM=xcb ZARVANE_SHOTS_DIR="$out" "$player") \
  >"$work/player.log" 2>&1 || { cat "$work/player.log"; exit 1; }
ls "$out"/*.png
