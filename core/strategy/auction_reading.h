#pragma once

#include <utility>
#include <vector>

#include "common/random.h"

#include "core/deal.h"
#include "core/game_state.h"
#include "core/strategy/hidden_cards.h"

namespace zarvane {

// Of at most `draws` deals drawn one after another, the first at no distance, else the nearest.
template <typename Draw, typename Distance>
auto NearestOf(int draws, Draw draw, Distance distance) {
  auto best = draw();
  int best_distance = distance(best);
  for (int n = 1; n < draws && best_distance > 0; ++n) {
    auto deal = draw();
    const int d = distance(deal);
    if (d < best_distance) {
      best = std::move(deal);
      best_distance = d;
    }
  }
  return best;
}

// The bid a computer player would have made with those cards; -1 when they are not a hand.
int BidFor(const std::vector<Card>& cards);

// How far a hand that would bid `computed` is from the seat's bid: a seat that bid should have
// had that bid's hand; one that passed, none better than the highest bid before it.
int BidDistance(int computed, int announced, int highest_before);

// How far a drawn deal is from the auction as it went: 0 when every seat the observer cannot
// see would have bid as it did with the 18 cards the deal gives it, more the further a hand is
// from its bid. A seat that bid should have had that bid's hand; one that passed, none better
// than the highest bid before it.
int AuctionDistance(const Core& game, int observer, const HiddenDeal& deal);

// The likeliest of a few deals drawn by the observer's `drawer`: the first that agrees with the
// auction, else the nearest. The auction says most of what the defence knows of the taker's
// hand, which the cards alone do not.
HiddenDeal DrawDealAfterAuction(const Core& game, int observer, const HiddenDealDrawer& drawer,
                                Generator& random, int draws);

// Before the play: the cards the seat has not seen, `unseen`, dealt at random 18 to each other
// seat and the rest, if any, to the dog; the seat keeps its hand, the dog stays as it lies when
// nothing is left for it. Of `draws` such deals, the first in which every other seat that has
// spoken would have bid as it did, else the nearest.
DealtDeal DrawDealAfterBids(const GameState& game, int seat, const std::vector<Card>& unseen,
                            Generator& random, int draws);

}  // namespace zarvane
