#!/usr/bin/env bash
# Installs what is missing, builds the game for play and makes its Debian package
# (build-release/zarvane_<version>_<arch>.deb), its dependencies found by dpkg-shlibdeps.
# As Debian builds its games: the commands in /usr/games, the compiler and linker flags of
# dpkg-buildflags with every hardening option.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZARVANE_WITH_BENCH=OFF \
  -DCMAKE_INSTALL_BINDIR=games -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags"
cmake --build build-release -j "$(nproc)"
(cd build-release && cpack -G DEB)
