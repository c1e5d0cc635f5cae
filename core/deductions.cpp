#include "core/deductions.h"

namespace zarvane {

void RefreshAfterTrick(Core& game) {
  for (int suit = kPique; suit <= kCarreau; ++suit) {
    game.MasterCard[suit] = -1;
    for (int v = 14; v >= 1; --v) {
      if (game.CardStatus[game.HumanSeat][suit][v] != kPlayed) {
        game.MasterCard[suit] = v;
        break;
      }
    }
  }
  for (int seat = 1; seat <= 4; ++seat)
    game.TopTrump[seat] = TopTrumpFor(game, seat);
}

int TopTrumpFor(const Core& game, int seat) {
  for (int v = 21; v >= 1; --v) {
    if (game.TrumpStatus[seat][v] != kPlayed)
      return v;
  }
  return -1;
}

}  // namespace zarvane
