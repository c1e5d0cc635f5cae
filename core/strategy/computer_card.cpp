#include "core/strategy/computer_card.h"

#include <cassert>

#include "core/card_play.h"
#include "core/strategy/expert.h"
#include "core/strategy/shared_operations.h"

namespace zarvane {

namespace {

// Draws slots until one is flagged, as the strategy's final pick does; none for a seat with no
// playable card.
std::optional<int> DrawPlayableSlot(Core& game, int seat) {
  for (int draw = 0; draw < 10000; ++draw) {
    const int slot = RandomUpTo(game.random, 18);
    if (game.Playable[seat][slot] == 1)
      return slot;
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> ComputerCardSlot(Core& game, int seat, MarkedRules& marked) {
  const auto legal = game.Playable[seat];
  if (CountPlayable(game, seat) >= 2) {
    if (game.options.Level == kExpertLevel)
      return ExpertChosenSlot(game, seat, *ExpertCardSlot(game, seat));
    marked = ChooseComputerCard(game, seat);
  }
  if (CountPlayable(game, seat) == 0) {
    // The strategy must never leave the seat without a card; if it does, a legal one is played.
    assert(false && "the strategy left no playable card");
    game.Playable[seat] = legal;
  }
  return DrawPlayableSlot(game, seat);
}

std::optional<int> ExpertChosenSlot(Core& game, int seat, int slot) {
  ChooseSlot(game, seat, slot);
  return DrawPlayableSlot(game, seat);
}

}  // namespace zarvane
