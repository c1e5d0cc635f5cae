#include "settings/card_names.h"

#include <array>

#include "settings/texts.h"

namespace zarvane {

namespace {

constexpr std::array<Bilingual, 4> kSuitWords = {{
    {"pique", "spades"},
    {"coeur", "hearts"},
    {"trèfle", "clubs"},
    {"carreau", "diamonds"},
}};
// The ace, then the jack, the knight, the queen and the king.
constexpr Bilingual kAce = {"As", "Ace"};
constexpr std::array<Bilingual, 4> kCourtNames = {{
    {"Valet", "Jack"},
    {"Cavalier", "Knight"},
    {"Dame", "Queen"},
    {"Roi", "King"},
}};
constexpr Bilingual kTrump = {"Atout", "Trump"};
constexpr Bilingual kPetit = {"Petit, atout 1", "Petit, trump 1"};
constexpr Bilingual kExcuse = {"Excuse", "Fool"};
constexpr Bilingual kOf = {" de ", " of "};

}  // namespace

std::string CardName(int language, int value, int suit) {
  if (language != kFrench && language != kEnglish)
    return {};
  if (suit == 0) {
    if (value == 0)
      return std::string(Pick(language, kExcuse));
    if (value == 1)
      return std::string(Pick(language, kPetit));
    if (value >= 2 && value <= 21)
      return std::string(Pick(language, kTrump)) + ' ' + std::to_string(value);
    return {};
  }
  if (suit < 1 || suit > 4 || value < 1 || value > 14)
    return {};
  std::string name = value == 1    ? std::string(Pick(language, kAce))
                     : value <= 10 ? std::to_string(value)
                                   : std::string(Pick(language, kCourtNames[value - 11]));
  return name + std::string(Pick(language, kOf)) +
         std::string(Pick(language, kSuitWords[suit - 1]));
}

}  // namespace zarvane
