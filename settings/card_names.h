#pragma once

#include <string>

namespace zarvane {

// A card as a screen reader says it, in the chosen language: "Roi de coeur" / "King of
// hearts", "Atout 21" / "Trump 21", "Excuse" / "Fool". Suits 0 trumps, 1 spades, 2 hearts,
// 3 clubs, 4 diamonds; empty for no card or no language.
std::string CardName(int language, int value, int suit);

}  // namespace zarvane
