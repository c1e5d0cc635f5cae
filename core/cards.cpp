#include "core/cards.h"

#include <array>
#include <string_view>

namespace zarvane {

namespace {

constexpr std::array<std::string_view, 5> kSuitImageStems = {"ATOUT", "PIQUE", "COEUR", "TREFLE",
                                                             "CARREAU"};

}  // namespace

void BuildCardTable(GameState& game) {
  game.CardTable = kPack;
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
  return std::string(kSuitImageStems.at(card.Suit)) + std::to_string(value);
}

}  // namespace zarvane
