#pragma once

#include "core/game_state.h"

namespace zarvane {

// Plays a trial deal to its score, every seat by the strategy at the copy's level. The copy
// has a generator of its own, so nothing of the real game moves.
void PlayToTheEnd(Core& game);

}  // namespace zarvane
