#include "core/strategy/auction_reading.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/hand_evaluation.h"

namespace zarvane {

namespace {

void RemoveCard(std::vector<Card>& cards, const Card& card) {
  const auto found =
      std::find_if(cards.begin(), cards.end(), [&](const Card& c) { return SameCard(c, card); });
  if (found != cards.end())
    cards.erase(found);
}

// The seat's 18 cards as dealt in the drawn deal: those it played and those drawn for it; the
// taker after a shown dog also had his drawn discard but not the dog.
std::vector<Card> DealtHand(const Core& game, const HiddenDeal& deal, int seat) {
  std::vector<Card> cards = deal.cards[seat];
  for (const Card& card : game.Hands[seat]) {
    if (card.InHand == 0)
      cards.push_back(card);
  }
  const int bid = game.AnnouncedBid[game.Taker];
  if (seat == game.Taker && (bid == kPrise || bid == kGarde)) {
    const auto& discard = deal.cards[kSetAsidePlace];
    cards.insert(cards.end(), discard.begin(), discard.end());
    for (const Card& card : game.InitialDog)
      RemoveCard(cards, card);
  }
  return cards;
}

}  // namespace

int BidFor(const std::vector<Card>& cards) {
  if (cards.size() != Hand::kSize)
    return -1;
  Hand hand;
  std::copy(cards.begin(), cards.end(), hand.begin());
  return ComputeBid(hand);
}

int BidDistance(int computed, int announced, int highest_before) {
  return announced > kPasse ? std::abs(computed - announced)
                            : std::max(0, computed - highest_before);
}

int AuctionDistance(const Core& game, int observer, const HiddenDeal& deal) {
  int distance = 0;
  int highest = kPasse;
  int seat = game.FirstPlayer;
  for (int turn = 0; turn < 4; ++turn, seat = NextSeat(seat)) {
    const int announced = game.AnnouncedBid[seat];
    const int computed = seat == observer ? -1 : BidFor(DealtHand(game, deal, seat));
    if (computed >= 0)
      distance += BidDistance(computed, announced, highest);
    highest = std::max(highest, announced);
  }
  return distance;
}

HiddenDeal DrawDealAfterAuction(const Core& game, int observer, const HiddenDealDrawer& drawer,
                                Generator& random, int draws) {
  return NearestOf(
      draws, [&] { return drawer.Draw(random); },
      [&](const HiddenDeal& deal) { return AuctionDistance(game, observer, deal); });
}

namespace {

DealtDeal DrawDeal(const GameState& game, int seat, std::vector<Card> unseen, Generator& random) {
  for (std::size_t i = unseen.size() - 1; i > 0; --i)
    std::swap(unseen[i], unseen[RandomBelow(random, static_cast<std::uint32_t>(i + 1))]);
  DealtDeal deal;
  deal.FirstPlayer = game.FirstPlayer;
  deal.Dog = game.Dog;
  auto next = unseen.begin();
  for (int other = 1; other <= 4; ++other) {
    if (other == seat) {
      deal.Hands[seat] = game.Hands[seat];
      continue;
    }
    for (Card& card : deal.Hands[other])
      card = *next++;
  }
  for (Card& card : deal.Dog) {
    if (next != unseen.end())
      card = *next++;
  }
  return deal;
}

// How far the drawn hands are from the bids of the seats that have spoken.
int DistanceFromBids(const GameState& game, int seat, const DealtDeal& deal) {
  int distance = 0;
  int highest = kPasse;
  int other = game.FirstPlayer;
  for (int turn = 0; turn < 4; ++turn, other = NextSeat(other)) {
    const int announced = game.AnnouncedBid[other];
    if (other != seat && announced != kNotSpoken)
      distance += BidDistance(ComputeBid(deal.Hands[other]), announced, highest);
    highest = std::max(highest, announced);
  }
  return distance;
}

}  // namespace

DealtDeal DrawDealAfterBids(const GameState& game, int seat, const std::vector<Card>& unseen,
                            Generator& random, int draws) {
  return NearestOf(
      draws, [&] { return DrawDeal(game, seat, unseen, random); },
      [&](const DealtDeal& deal) { return DistanceFromBids(game, seat, deal); });
}

}  // namespace zarvane
