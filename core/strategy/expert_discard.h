#pragma once

#include <memory>
#include <vector>

#include "core/game_state.h"
#include "core/strategy/trials.h"

namespace zarvane {

// The Expert taker's discard. Its candidates are the discards the computer's own way of
// discarding makes with a few different draws, the one the game's generator gives first, and
// those that void each suit in turn, or none, then set aside honours. Each is played out over deals
// of the defenders' 54 cards that agree with their bids, with the "Pro" rules at every seat, and
// the taker keeps the one whose deals score best, the first of equals. Ends, as the computer's
// discard does, with the preparation for play; the game's generator moves on as that discard moves
// it.
void ExpertDiscard(GameState& game, const Thinking& thinking = {});

// The game after each distinct discard the Expert weighs, the computer's own first.
std::vector<std::unique_ptr<GameState>> CandidateDiscards(const GameState& game);

}  // namespace zarvane
