#!/usr/bin/env bash
# Runs the tests that fork processes, start threads or wait on the window's timers many times
# over while every core is kept busy, so that a verdict that hangs on the machine's speed
# shows. Builds the test build first, as the test command does, with the Qt-free tests too.
#   scripts/repeat-under-load.sh [repeats, default 20] [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."

repeats=${1:-20}
build=${2:-build}
# The processes and threads: the killed writers, the Expert's trial deals on both cores, the
# thinking worker, the analysis on its threads, the soak, and every test of the real windows.
pattern='Kill|AWriterKilled|SettledDeal|Thinking|Trials|Expert|DealAnalysis|Soak|ui_'

scripts/install-deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DZARVANE_WITH_GAME_TESTS=ON >/dev/null
cmake --build "$build" -j "$(nproc)"

# One spinning process a core, on top of four tests at a time.
load=()
stop_load() { kill "${load[@]}" 2>/dev/null || true; }
trap stop_load EXIT
for _ in $(seq "$(nproc)"); do
  (while :; do :; done) &
  load+=($!)
done
ctest --test-dir "$build" -R "$pattern" --repeat until-fail:"$repeats" -j 4 --output-on-failure
