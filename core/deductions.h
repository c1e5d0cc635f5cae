#pragma once

#include "core/game_state.h"

namespace zarvane {

// Recomputes the master cards and every seat's top trump.
void RefreshAfterTrick(Core& game);
// The highest trump the seat has not seen played; -1 when all are gone.
int TopTrumpFor(const Core& game, int seat);

}  // namespace zarvane
