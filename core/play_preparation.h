#pragma once

#include "core/game_state.h"

namespace zarvane {

// Sets up the play memory once per deal, on the final hands, before the first trick.
void PreparePlay(Core& game);
// Each seat's first view of where every card is.
void InitCardKnowledge(Core& game);
// The deductions run at the start of play and after every card.
void DeduceCardLocations(Core& game);

}  // namespace zarvane
