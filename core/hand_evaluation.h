#pragma once

#include "core/game_state.h"

namespace zarvane {

// Evaluation points of one card (not its count in the score).
int CardPoints(const Card& card);
// The seat's trumps (the Excuse included) plus the bonus for their length.
int TrumpPoints(const Core& game, int seat);
int TrumpPoints(const Hand& hand);
// The whole hand, with the long-trump term for n, the trumps without the Excuse.
int HandValue(const Core& game, int seat, int n);
int HandValue(const Hand& hand, int n);
// The bid a computer player would make with the seat's 18 cards.
int ComputeBid(const Core& game, int seat);
int ComputeBid(const Hand& hand);
// The bid of the table for a hand with n trumps (the Excuse not counted), g of them 13 or
// above, the bouts held and its value: PASSE when the trumps are too few for the row.
int TableBid(int bouts, bool holds_21, int n, int g, int value);

}  // namespace zarvane
