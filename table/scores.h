#pragma once

#include "table/game.h"

namespace zarvane {

// Shows or hides the four running totals and keeps the menu tick and the button in step.
void ToggleScores(Game& game);
void RefreshScores(Game& game);

}  // namespace zarvane
