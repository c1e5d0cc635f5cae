#!/usr/bin/env bash
# Installs what is missing, builds the game for play and makes its Debian package
# (build-release/zarvane_<version>_<arch>.deb), its dependencies found by dpkg-shlibdeps.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZARVANE_WITH_BENCH=OFF
cmake --build build-release -j "$(nproc)" --target Zarvane98
(cd build-release && cpack -G DEB)
