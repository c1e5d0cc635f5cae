#pragma once

#include "flow/flow.h"

namespace zarvane {

// menuConseilCarte and SBConseilCarte: lifts the card the computer would play in South's place
// at the chosen level. It plays nothing, draws nothing from the game's generator and changes
// nothing of the deal: South still clicks the card he wants.
void CardAdviceClick(Flow& game);

// The advice commands can be used while South is to play with two or more playable cards.
void EnableCardAdvice(Flow& game, bool enabled);

}  // namespace zarvane
