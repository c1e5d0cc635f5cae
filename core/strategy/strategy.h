#pragma once

#include <array>

#include "core/game_state.h"

namespace zarvane {

// The numbers of the rules that chose in one call, in increasing order. Shown one after the
// other on the seat's rule panel, they leave the highest there.
struct MarkedRules {
  std::array<int, 70> numbers{};
  int count = 0;
};

// Narrows the computer seat's playable cards by the numbered rules, in their fixed order, and
// returns the rules that chose.
MarkedRules ChooseComputerCard(Core& game, int seat);

// The last step of a call: the rules marked as having chosen, each unmarked.
MarkedRules TakeMarkedRules(Core& game);

}  // namespace zarvane
