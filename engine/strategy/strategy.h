#pragma once

#include "engine/game.h"

namespace zarvane {

// Narrows the computer seat's playable cards by the numbered rules, in their fixed order,
// and writes the number of the rule that chose into the seat's rule panel.
void ChooseComputerCard(Game& game, int seat);

// The last step of a call: every rule marked as having chosen writes its number into the
// seat's rule panel in increasing order, so the highest stays, and is unmarked.
void ShowMarkedRules(Game& game, int seat);

}  // namespace zarvane
