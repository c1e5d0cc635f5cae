#pragma once

#include "common/random.h"
#include "core/game_state.h"
#include "settings/options.h"

namespace zarvane {

// The rules' whole state: the deal and its play, the generator behind every draw, the options
// and the running totals. No screen, no clock and no file, so a trial deal is a plain copy.
struct Core : GameState {
  Generator random;
  Options options;
};

}  // namespace zarvane
