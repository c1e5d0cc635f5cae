#pragma once

#include "core/discard.h"
#include "engine/game.h"

namespace zarvane {

// The click after the dog was shown: the taker takes the dog.
void BeginDiscard(Game& game);
// South's 24 cards in one row, waiting for six clicks.
void StartHumanDiscard(Game& game);
// A click on image k (1..24) while South makes the discard.
void DiscardClick(Game& game, int k);
void PanelConfirmeEcartClick(Game& game);
void ConfirmDiscard(Game& game);

}  // namespace zarvane
