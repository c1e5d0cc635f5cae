#pragma once

#include "engine/game.h"

namespace zarvane {

// Empties the deductions panel at a new deal.
void ResetDeductionsPanel(Game& game);
// Redraws the deductions panel from South's view of the play memory.
void RefreshDeductions(Game& game);
// Recomputes the master cards and every seat's top trump, then redraws.
void RefreshAfterTrick(Game& game);
// The highest trump the seat has not seen played; -1 when all are gone.
int TopTrumpFor(const GameState& game, int seat);

}  // namespace zarvane
