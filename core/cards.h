#pragma once

#include <string>

#include "core/game_state.h"

namespace zarvane {

// The 78 cards in their fixed order: spades, hearts, clubs and diamonds 1..14, then the
// Excuse, then trumps 1..21.
constexpr Table<Card, 1, 78> MakePack() {
  Table<Card, 1, 78> pack{};
  for (int suit = kPique; suit <= kCarreau; ++suit) {
    for (int value = 1; value <= 14; ++value)
      pack[(suit - 1) * 14 + value] = Card{value, suit, 0};
  }
  for (int value = 0; value <= 21; ++value)
    pack[57 + value] = Card{value, kAtout, 0};
  return pack;
}
inline constexpr Table<Card, 1, 78> kPack = MakePack();

// A card's place in the pack, 1..78.
constexpr int CardNumber(const Card& card) {
  return card.Suit == kAtout ? 57 + card.Value : (card.Suit - 1) * 14 + card.Value;
}

// The game's copy of the pack.
void BuildCardTable(GameState& game);

// The count of a card in half points; the pack totals 182.
int CardHalfPoints(const Card& card);

// The face image name: the suit name then the value ("PIQUE14"); the Excuse is "ATOUT22".
std::string CardFaceName(const Card& card);

}  // namespace zarvane
