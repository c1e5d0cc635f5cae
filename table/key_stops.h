#pragma once

#include <vector>

#include "table/game.h"

namespace zarvane {

// South's card images the arrow keys stop on, from left to right: the cards he may play when he
// is to play, the cards that may go to the discard while he makes it, else every card he holds.
std::vector<int> HandKeyStops(const Game& game);

}  // namespace zarvane
