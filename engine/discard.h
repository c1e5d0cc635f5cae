#pragma once

#include "engine/game.h"

namespace zarvane {

// The click after the dog was shown: the taker takes the dog.
void BeginDiscard(Game& game);
// A computer taker's discard, drawn in its ten steps; ends with the preparation for play.
void ComputerDiscard(Game& game);
// South's 24 cards in one row, waiting for six clicks.
void StartHumanDiscard(Game& game);
// A click on image k (1..24) while South makes the discard.
void DiscardClick(Game& game, int k);
void PanelConfirmeEcartClick(Game& game);
void ConfirmDiscard(Game& game);
// Where each discarded card was right after the deal, for the hands window.
void FillDiscardOrigin(Game& game);
// The taker's 18 cards and the 6 dog cards in hand order.
Table<Card, 1, 24> MergeWithDog(const GameState& game, int taker);

}  // namespace zarvane
