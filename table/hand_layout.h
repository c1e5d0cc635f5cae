#pragma once

#include "table/game.h"

namespace zarvane {

// Hides the dog and lays South's 18 cards along the bottom, each 0 to 2 scaled pixels below
// the hand line at random, as if held.
void LayOutSouthHand(Game& game);
void DrawSouthCard(Game& game, int slot);

}  // namespace zarvane
