#pragma once

#include "core/game_state.h"
#include "core/strategy/hidden_cards.h"

namespace zarvane::testing {

// The cards the observer cannot see, where they really lie.
inline HiddenDeal TrueDeal(const Core& game, int observer) {
  HiddenDeal deal;
  for (int seat = 1; seat <= 4; ++seat) {
    if (seat == observer)
      continue;
    for (const Card& card : game.Hands[seat]) {
      if (card.InHand == 1)
        deal.cards[seat].push_back(card);
    }
  }
  const int bid = game.AnnouncedBid[game.Taker];
  if (!(observer == game.Taker && (bid == kPrise || bid == kGarde))) {
    for (const Card& card : game.Dog)
      deal.cards[kSetAsidePlace].push_back(card);
  }
  return deal;
}

}  // namespace zarvane::testing
