#pragma once

#include "core/game_state.h"
#include "core/strategy/trials.h"

namespace zarvane {

// The Expert's bid at its turn in the auction. It draws deals of the 60 cards it cannot see
// that agree with the bids made before it, and for each bid it may make (PASSE, or one above the
// highest so far) lets the auction go on and the deal be played to the end with the "Pro" rules
// at every seat, the taker making his discard. It keeps the bid whose deals score best for it
// on average, the lowest of equals. The draws come from the decision's seed, as for its cards.
int ExpertBid(const GameState& game, int seat, const Thinking& thinking = {});

}  // namespace zarvane
