#pragma once

#include "core/discard.h"
#include "flow/flow.h"

namespace zarvane {

// The click after the dog was shown: the taker takes the dog.
void BeginDiscard(Flow& game);
// South's 24 cards in one row, waiting for six clicks.
void StartHumanDiscard(Flow& game);
// The moves of South's discard: a click on image k (1..24) picks or puts back that card;
// PanelConfirmeEcart makes the discard of the six picked cards.
void PickDiscardCard(Flow& game, int k);
void ConfirmSouthDiscard(Flow& game);
// South's six picked cards go to the discard, and the play begins.
void ConfirmDiscard(Flow& game);
// The card image k shows while South discards.
Card DiscardImageCard(const Flow& game, int k);

}  // namespace zarvane
