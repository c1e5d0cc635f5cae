#!/usr/bin/env bash
# Fuzzes the options file reader and the interrupted deal's reader with libFuzzer for a number of seconds (60 by default),
# starting from the default file. Installs clang from Debian when it is missing; the test
# command does not need it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

if ! command -v clang++ >/dev/null; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
  fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends clang
fi

CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARVANE_FUZZ=ON \
  -DZARVANE_WITH_UI=OFF -DZARVANE_WITH_BENCH=OFF -DBUILD_TESTING=OFF
cmake --build build-fuzz -j "$(nproc)" --target options_reader_fuzz saved_deal_fuzz

corpus=build-fuzz/options_corpus
mkdir -p "$corpus"
# The file a first start writes: level 4, the design colour, force 2, speed 3, wait 2, the
# flags 1 1 1 0 and four zero totals.
printf '\x04\0\0\0\0\x40\x40\0\x02\0\0\0\x03\0\0\0\x02\0\0\0\x01\x01\x01\0%16s' '' |
  tr ' ' '\0' >"$corpus/default"
build-fuzz/tests/fuzz/options_reader_fuzz -max_total_time="$seconds" -max_len=96 \
  -print_final_stats=1 "$corpus"


# The interrupted deal's reader, from a deal saved in the middle of its tricks.
deals=build-fuzz/saved_deal_corpus
mkdir -p "$deals"
cp tests/fuzz/saved_deal_seed.json "$deals/"
build-fuzz/tests/fuzz/saved_deal_fuzz -max_total_time="$seconds" -max_len=8192 \
  -print_final_stats=1 "$deals"
