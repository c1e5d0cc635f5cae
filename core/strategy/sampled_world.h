#pragma once

#include "core/game_state.h"
#include "core/strategy/hidden_cards.h"

namespace zarvane {

// Turns a copy of the real game into the world of a drawn deal: the unseen cards go where the
// deal puts them, then the play memory is built again from the start of play and the deal's
// course so far is played again card by card, so that every seat knows in that world what it
// would know had the cards lain so. The observer's own view comes out as in the real game.
void SetUpWorld(Core& world, const Core& real, int observer, const HiddenDeal& deal);

// The same, and the count of the cards the other seats played so far that the world's rules
// would not have played with the hands the deal gives them: its surprises. Once the count
// passes `most`, stops there, the world left unfinished. Without `reads_partners`, only the
// cards of the observer's other side count.
int SetUpWorldCountingSurprises(Core& world, const Core& real, int observer, const HiddenDeal& deal,
                                int most, bool reads_partners = true);

}  // namespace zarvane
