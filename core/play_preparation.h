#pragma once

#include "core/game_state.h"

namespace zarvane {

// Sets up the play memory once per deal, on the final hands, before the first trick.
void PreparePlay(Core& game);
// Each seat's first view of where every card is.
void InitCardKnowledge(Core& game);
// The deductions run at the start of play.
void DeduceCardLocations(Core& game);
// The same after a card of `played_suit` is played, which may have shown its player void in
// `voided_suit` (kNoSuit if not): the knowledge of no other plain suit has changed, so none
// yields a new place unless an observer has just learnt the discard.
void DeduceCardLocationsAfterCard(Core& game, int played_suit, int voided_suit);

}  // namespace zarvane
