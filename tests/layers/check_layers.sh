#!/usr/bin/env bash
# Includes point one way, from the windows down to the rules: a folder may include its own
# files and those of the folders below it, never one above, and nothing below the windows
# sees Qt. Prints every include that breaks this and fails if there is one.
set -euo pipefail
cd "${1:-$(dirname "$0")/../..}"

# Each folder, and the folders above it that it must not include.
declare -A above=(
  [common]="settings core flow table ui app"
  [settings]="core flow table ui app"
  [core]="flow table ui app"
  [flow]="table ui app"
  [table]="ui app"
  [tests/core]="flow table ui app"
)

faults=0
for folder in "${!above[@]}"; do
  for upper in ${above[$folder]}; do
    if grep -rnE "^#include [<\"]${upper}/" "$folder" --include='*.h' --include='*.cpp'; then
      faults=1
    fi
  done
  if grep -rnE '^#include <Q' "$folder" --include='*.h' --include='*.cpp'; then
    faults=1
  fi
done
# Inside the core the strategy uses the rules, never the other way round.
if grep -nE '^#include "core/strategy/' core/*.h core/*.cpp; then
  faults=1
fi

# The rules' tests stay off the screen, through the test support as well.
if grep -rnE '^#include "tests/support/(fake_table_view|deal_driver|play_step|soak|every_turn)\.h"' \
  tests/core; then
  faults=1
fi
exit $faults
