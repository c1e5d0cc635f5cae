#pragma once

#include "common/random.h"
#include "core/game_state.h"
#include "core/strategy/hidden_cards.h"

namespace zarvane {

// Sets `world`, a copy of `model`, up as the likeliest of a few deals of the cards `observer`
// cannot see, drawn by `drawer` reading the taker's discard: the first that agrees with the auction
// and in which the rules at the model's level would have played every card the other seats played
// so far, else the nearest, its distance being how far its hands are from the auction and how many
// of those cards surprise. The draws nearest the auction are played again first. What the other
// seats chose says more of their hands than which suits they have shown out of. `scratch` is worked
// in; what it holds after is of no use. Without `reads_partners`, only the other side's cards count
// as surprises.
void SetUpLikeliestWorld(Core& world, Core& scratch, const Core& model, const Core& real,
                         int observer, const HiddenDealDrawer& drawer, Generator& draws,
                         bool reads_partners = true);

}  // namespace zarvane
