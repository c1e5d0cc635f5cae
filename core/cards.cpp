#include "core/cards.h"

#include <array>
#include <string_view>

namespace zarvane {

namespace {

constexpr std::array<std::string_view, 5> kSuitNames = {"ATOUT", "PIQUE", "COEUR", "TREFLE",
                                                        "CARREAU"};

}  // namespace

void BuildCardTable(GameState& game) {
  for (int suit = kPique; suit <= kCarreau; ++suit) {
    for (int value = 1; value <= 14; ++value) {
      game.CardTable[(suit - 1) * 14 + value] = Card{value, suit, 0};
    }
  }
  for (int value = 0; value <= 21; ++value) {
    game.CardTable[57 + value] = Card{value, kAtout, 0};
  }
}

int CardHalfPoints(const Card& card) {
  if (card.Suit == kAtout)
    return IsOudler(card) ? 9 : 1;
  if (card.Suit < kPique || card.Suit > kCarreau)
    return 0;
  return card.Value <= 10 ? 1 : 2 * card.Value - 19;
}

std::string CardFaceName(const Card& card) {
  const int value = IsExcuse(card) ? 22 : card.Value;
  return std::string(kSuitNames.at(card.Suit)) + std::to_string(value);
}

}  // namespace zarvane
