#pragma once

#include <array>
#include <vector>

#include "common/random.h"
#include "core/game_state.h"

namespace zarvane {

// Where the cards an observer cannot see may lie: the three other seats, and the six cards
// set aside while the observer does not know them. Place 0 is the set-aside cards.
inline constexpr int kSetAsidePlace = 0;

// One way the unseen cards could lie: for each place, the cards it receives.
struct HiddenDeal {
  Table<std::vector<Card>, 0, 4> cards{};
};

// Before the play: the cards the three other seats hold.
std::vector<Card> CardsOfOtherSeats(const Core& game, int seat);

// The cards the observer cannot see: neither in its hand, nor played, nor its own discard.
std::vector<Card> UnseenCards(const Core& game, int observer);

// How many unseen cards each place holds: the cards a seat has not played yet, and the six
// set-aside cards while the observer does not know them.
Table<int, 0, 4> UnseenCounts(const Core& game, int observer);

// Draws a deal of the unseen cards that agrees with everything the observer knows: no card goes
// to a seat the observer has excluded for it, found void in its suit or out of trumps, or seen
// play another suit on that one; none to a place the observer has put another card's place
// at; the set-aside cards only while the observer does not know them, and then no trump, Excuse
// or king after a shown dog. Each card is placed at random among the places that can still
// take it and leave the rest placeable.
HiddenDeal DrawHiddenDeal(const Core& game, int observer, Generator& random);

// The same, for many draws: what each unseen card may lie at is worked out once.
class HiddenDealDrawer {
 public:
  static constexpr int kPlaces = 5;  // the set-aside cards and the four seats
  static constexpr int kMasks = 1 << kPlaces;

  HiddenDealDrawer(const Core& game, int observer);
  HiddenDeal Draw(Generator& random) const;
  // A bit for each place the unseen card may lie at; none for a card the observer sees.
  int PlacesOf(const Card& card) const;
  // Deals the unseen cards not yet in `deal` at random to the places with room left, where
  // they may lie; false when they cannot all be placed.
  bool DrawRest(HiddenDeal& deal, Generator& random) const;

 private:
  struct PlacedCard {
    Card card;
    int places = 0;  // a bit for each place the card may lie at
  };
  // Deals the cards in a random order, each to a place drawn among those that leave the rest
  // placeable.
  static void PlaceAtRandom(std::vector<PlacedCard> cards, std::array<int, kPlaces> rooms,
                            std::array<int, kMasks> slack, Generator& random, HiddenDeal& deal);

  std::vector<PlacedCard> cards_;
  std::array<int, kPlaces> rooms_{};
  // For each group of places, its room less the cards that can only go within it.
  std::array<int, kMasks> slack_{};
  // The places of each card, by its place in the pack.
  Table<int, 1, 78> places_{};
};

}  // namespace zarvane
