#pragma once

#include <optional>

#include "core/game_state.h"
#include "core/strategy/strategy.h"

namespace zarvane {

// The card a computer seat plays: its strategy narrows the legal cards, then a draw picks
// among them; the rules that chose are added to `marked`. Plays nothing. None for a seat
// with no playable card.
std::optional<int> ComputerCardSlot(Core& game, int seat, MarkedRules& marked);

// The Expert's card, wherever its thinking ran: the seat's playable cards narrowed to `slot`
// when it is one of them, then the same draw as for any computer card.
std::optional<int> ExpertChosenSlot(Core& game, int seat, int slot);

}  // namespace zarvane
