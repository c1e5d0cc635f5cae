#!/usr/bin/env bash
# Installs what is missing, builds the game for play and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZARVANE_WITH_BENCH=OFF
cmake --build build-release -j "$(nproc)" --target Zarvane98
exec build-release/app/Zarvane98
