#pragma once

#include "common/random.h"
#include "core/game_state.h"
#include "core/strategy/hidden_cards.h"

namespace zarvane {

// A deal of the cards the observer cannot see, drawn by `drawer`. After a shown dog a defender
// reads the taker's discard as the computer's own way of discarding makes it: the taker's dealt
// cards are drawn, the first of a few draws worth his bid or else the nearest, discarded that
// way, and the deal stands when the taker played none of the cards set aside and every card
// lies where the defender's knowledge lets it. Any other observer, or a defender whose few such
// draws all fail, gets the drawer's plain draw.
HiddenDeal DrawReadingDiscard(const Core& game, int observer, const HiddenDealDrawer& drawer,
                              Generator& random);

}  // namespace zarvane
