#pragma once

#include "core/discard.h"
#include "flow/flow.h"

namespace zarvane {

// The click after the dog was shown: the taker takes the dog.
void BeginDiscard(Flow& game);
// South's 24 cards in one row, waiting for six clicks.
void StartHumanDiscard(Flow& game);
// A click on image k (1..24) while South makes the discard.
void DiscardClick(Flow& game, int k);
void PanelConfirmeEcartClick(Flow& game);
void ConfirmDiscard(Flow& game);
// The card image k shows while South discards.
Card DiscardImageCard(const Flow& game, int k);

}  // namespace zarvane
