#pragma once

#include <optional>
#include <vector>

#include "core/game_state.h"
#include "core/strategy/trials.h"

namespace zarvane {

// The Expert level looks ahead: it draws deals of the cards the seat cannot see that agree
// with what the seat knows, plays each to the end once for each card it could play with the
// "Pro" rules at every seat, and keeps the card whose deals end best for its side on average.
// Each trial deal's draws come from the decision's seed and the deal's index, so the choice is
// the same on any number of threads, and the game's own draws are left as they were.
// The slot of that card; none when the thinking was stopped.
std::optional<int> ExpertCardSlot(const Core& game, int seat, const Thinking& thinking = {});

// The seat's playable slots that play differently: of two low cards of one suit with nothing
// outside the seat's hand between them, worth the same, only the first stands for both.
std::vector<int> DistinctPlayableSlots(const Core& game, int seat);

// Of those slots, the one that stands for the card in `slot`: itself, or the one it plays like.
int DistinctSlotFor(const Core& game, int seat, const std::vector<int>& distinct, int slot);

}  // namespace zarvane
