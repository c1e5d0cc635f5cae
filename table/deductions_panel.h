#pragma once

#include "table/game.h"

namespace zarvane {

// Honour cell c (1..4: king, queen, knight, jack) of a suit column.
inline int HonourCellIndex(int suit, int c) {
  return (suit - 1) * 4 + c;
}

// Empties the deductions panel at a new deal.
void ResetDeductionsPanel(Game& game);
// Redraws the deductions panel from South's view of the play memory.
void RefreshDeductions(Game& game);

}  // namespace zarvane
