#pragma once

#include <algorithm>
#include <initializer_list>
#include <stdexcept>
#include <utility>
#include <vector>

#include "core/cards.h"
#include "core/deal.h"
#include "core/game_state.h"

namespace zarvane::testing {

// The card's number in the card table: the plain suits 1..56, the Excuse 57, trumps 58..78.

// Trumps 21 down to the Excuse, then each plain suit from the king down.
template <typename Cards>
bool InHandOrder(const Cards& cards) {
  for (int i = Cards::kFirst; i < Cards::kLast; ++i) {
    const Card& a = cards[i];
    const Card& b = cards[i + 1];
    if (a.Suit > b.Suit || (a.Suit == b.Suit && a.Value <= b.Value))
      return false;
  }
  return true;
}

// Every card of the pack exactly once among the four hands and the dog.
inline bool WholePackInPlay(const GameState& game) {
  std::vector<int> seen;
  for (const auto& hand : game.Hands) {
    for (const Card& card : hand)
      seen.push_back(CardNumber(card));
  }
  for (const Card& card : game.Dog)
    seen.push_back(CardNumber(card));
  std::sort(seen.begin(), seen.end());
  for (int k = 1; k <= 78; ++k) {
    if (seen[k - 1] != k)
      return false;
  }
  return true;
}

// The slot where the seat holds the card; a test naming a card the seat lacks is wrong.
inline int SlotOf(const GameState& game, int seat, const Card& card) {
  for (int slot = 1; slot <= 18; ++slot) {
    if (SameCard(game.Hands[seat][slot], card))
      return slot;
  }
  throw std::invalid_argument("the seat does not hold the card");
}

// Plain cards of one suit, and trumps, by value, to write hands as they are read.
inline std::vector<Card> SuitCards(int suit, std::initializer_list<int> values) {
  std::vector<Card> cards;
  for (int value : values)
    cards.push_back(Card{value, suit, 1});
  return cards;
}
inline std::vector<Card> Trumps(std::initializer_list<int> values) {
  return SuitCards(kAtout, values);
}
inline std::vector<Card> Join(std::initializer_list<std::vector<Card>> parts) {
  std::vector<Card> cards;
  for (const auto& part : parts)
    cards.insert(cards.end(), part.begin(), part.end());
  return cards;
}

// A deal arranged by hand: each seat named gets the 18 cards given, the dog the 6 given, and
// the seats not named the rest of the pack in table order. Everything is sorted and the copies
// kept for review are taken, as after a real deal.
inline void DealSeats(GameState& game, const std::vector<std::pair<int, std::vector<Card>>>& hands,
                      const std::vector<Card>& dog) {
  if (dog.size() != 6)
    throw std::invalid_argument("the dog holds 6 cards");
  BuildCardTable(game);
  std::vector<bool> used(79, false);
  auto take = [&used](const Card& card) {
    if (used[CardNumber(card)])
      throw std::invalid_argument("a card was given twice");
    used[CardNumber(card)] = true;
    Card dealt = card;
    dealt.InHand = 1;
    return dealt;
  };
  std::vector<bool> named(5, false);
  for (const auto& [seat, hand] : hands) {
    if (hand.size() != 18)
      throw std::invalid_argument("a hand holds 18 cards");
    named[seat] = true;
    for (int slot = 1; slot <= 18; ++slot)
      game.Hands[seat][slot] = take(hand[slot - 1]);
  }
  for (int d = 1; d <= 6; ++d)
    game.Dog[d] = take(dog[d - 1]);
  int next = 1;
  for (int other = 1; other <= 4; ++other) {
    if (named[other])
      continue;
    for (int slot = 1; slot <= 18; ++slot) {
      while (used[next])
        ++next;
      game.Hands[other][slot] = take(game.CardTable[next]);
    }
  }
  SortHands(game);
  SortDog(game);
}

// The same for one seat.
inline void DealAround(GameState& game, int seat, const std::vector<Card>& hand,
                       const std::vector<Card>& dog) {
  DealSeats(game, {{seat, hand}}, dog);
}

}  // namespace zarvane::testing
