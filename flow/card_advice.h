#pragma once

#include <cstdint>

#include "flow/flow.h"

namespace zarvane {

// menuConseilCarte and SBConseilCarte, a move: lifts the card the computer would play in
// South's place at the chosen level. It plays nothing, draws nothing from the game's generator
// and changes nothing of the deal: South still clicks the card he wants. The Expert's advice is
// thought once the move is saved (AdviceDue).
void AskCardAdvice(Flow& game);
// The advice thought on the spot, on a copy of the deal: lifted.
void LiftAdviceThoughtNow(Flow& game);
// The Expert's advice for the request numbered `ticket`, thought on the worker: lifted, unless
// South has played or the deal was replaced since.
void AdvisedCardChosen(Flow& game, std::uint32_t ticket, int slot);

// The advice commands can be used while South is to play with two or more playable cards.
void EnableCardAdvice(Flow& game, bool enabled);

}  // namespace zarvane
