#pragma once

#include <initializer_list>

#include "core/game_state.h"

namespace zarvane::testing {

inline Card Trump(int value) {
  return Card{value, kAtout, 1};
}
inline Card Excuse() {
  return Card{0, kAtout, 1};
}
inline Card Plain(int suit, int value) {
  return Card{value, suit, 1};
}

// Puts the listed cards in the seat's slots from slot 1 on.
inline void SetHand(GameState& game, int seat, std::initializer_list<Card> cards) {
  int slot = 1;
  for (const Card& card : cards)
    game.Hands[seat][slot++] = card;
}

inline void SetDog(GameState& game, std::initializer_list<Card> cards) {
  int d = 1;
  for (const Card& card : cards)
    game.Dog[d++] = card;
}

}  // namespace zarvane::testing
