#pragma once

#include <vector>

#include "common/random.h"
#include "engine/game_state.h"

namespace zarvane {

// Where the cards an observer cannot see may lie: the three other seats, and the six cards
// set aside while the observer does not know them. Place 0 is the set-aside cards.
inline constexpr int kSetAsidePlace = 0;

// One way the unseen cards could lie: for each place, the cards it receives.
struct HiddenDeal {
  Table<std::vector<Card>, 0, 4> cards{};
};

// True when, in the observer's view, the card may lie at the place: the observer has not
// excluded that seat for it, nor found the seat void in its suit or out of trumps, nor placed
// the card elsewhere; the set-aside cards take it only when the observer does not know them and
// a discard could hold it.
bool MayLieAt(const GameState& game, int observer, const Card& card, int place);

// The cards the observer cannot see: neither in its hand, nor played, nor its own discard.
std::vector<Card> UnseenCards(const GameState& game, int observer);

// How many unseen cards each place holds: the cards a seat has not played yet, and the six
// set-aside cards while the observer does not know them.
Table<int, 0, 4> UnseenCounts(const GameState& game, int observer);

// Draws a deal of the unseen cards that agrees with everything the observer knows, each card
// placed at random among the places that can still take it and leave the rest placeable.
HiddenDeal DrawHiddenDeal(const GameState& game, int observer, Generator& random);

}  // namespace zarvane
