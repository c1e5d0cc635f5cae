#pragma once

#include "table/game.h"

namespace zarvane {

// Lays out, row by row, how the taker's result of the deal just ended was reached.
void FillScoreSheet(Game& game);
// Fills the score sheet and shows it beside the game, which stays playable.
void ShowScoreSheet(Game& game);

}  // namespace zarvane
