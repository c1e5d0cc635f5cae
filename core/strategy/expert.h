#pragma once

#include <vector>

#include "core/game_state.h"

namespace zarvane {

// The Expert level looks ahead: it draws deals of the cards the seat cannot see that agree
// with what the seat knows, plays each to the end once for each card it could play with the
// "Pro" rules at every seat, and keeps the card whose deals end best for its side on average.
// Narrows the seat's playable cards to that card. Its draws come from a generator of its own,
// seeded from the game's, so the game's own draws are left as they were.
void ChooseExpertCard(Core& game, int seat);

// The seat's playable slots that play differently: of two low cards of one suit with nothing
// outside the seat's hand between them, worth the same, only the first stands for both.
std::vector<int> DistinctPlayableSlots(const Core& game, int seat);

}  // namespace zarvane
