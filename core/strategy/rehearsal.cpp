#include "core/strategy/rehearsal.h"

#include "core/card_play.h"
#include "core/strategy/computer_card.h"

namespace zarvane {

void PlayToTheEnd(Core& game) {
  while (game.TrickNumber <= 18) {
    if (game.DealPhase == Phase::TrickShown) {
      ClearTrick(game);
      continue;
    }
    const int seat = game.CurrentSeat;
    ComputePlayableCards(game, seat);
    MarkedRules unused;
    if (const std::optional<int> slot = ComputerCardSlot(game, seat, unused))
      PlayCard(game, seat, *slot);
  }
}

}  // namespace zarvane
