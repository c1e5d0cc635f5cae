#pragma once

#include "table/game.h"

namespace zarvane {

// The points and bouts panels after a trick; after the last one the deal's result too.
void ShowTrickCount(Game& game);
// The result panel, and the notice that a replayed deal was not counted.
void ShowDealScore(Game& game);

}  // namespace zarvane
