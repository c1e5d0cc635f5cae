#pragma once

#include "engine/game.h"

namespace zarvane {

// Narrows the computer seat's playable cards by the numbered rules, in their fixed order,
// and writes the number of the rule that chose into the seat's rule panel.
void ChooseComputerCard(Game& game, int seat);

}  // namespace zarvane
