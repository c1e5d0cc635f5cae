#pragma once

#include <string>

#include "core/game_state.h"

namespace zarvane {

// Spades, hearts, clubs and diamonds 1..14, then the Excuse, then trumps 1..21.
void BuildCardTable(GameState& game);

// The count of a card in half points; the pack totals 182.
int CardHalfPoints(const Card& card);

// The face image name: the suit name then the value ("PIQUE14"); the Excuse is "ATOUT22".
std::string CardFaceName(const Card& card);

}  // namespace zarvane
