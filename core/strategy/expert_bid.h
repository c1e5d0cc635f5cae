#pragma once

#include <optional>
#include <vector>

#include "core/game_state.h"
#include "core/strategy/trials.h"

namespace zarvane {

// The Expert's bid at its turn in the auction. It draws deals of the 60 cards it cannot see
// that agree with the bids made before it, and for each bid it may make (PASSE, or one above the
// highest so far) lets the auction go on and the deal be played to the end with the "Pro" rules
// at every seat, the taker making his discard. It keeps the bid whose deals score best for it
// on average, the lowest of equals. The draws come from the decision's seed, as for its cards.
// None when the thinking was stopped.
std::optional<int> ExpertBid(const GameState& game, int seat, const Thinking& thinking = {});

// The bids the seat may make at its turn: PASSE, then every bid above the highest so far.
std::vector<int> PossibleBids(const GameState& game);

// The deal once the seat has bid, as the Expert foresees it: the later seats bid as "Pro"
// would, the taker discards the computer's way after a shown dog, and the deal is played to its
// score with the rules at the copy's level. False when every seat passed and the cards would be
// dealt again.
bool PlayOutAfterBid(GameState& trial, int seat, int bid);

}  // namespace zarvane
