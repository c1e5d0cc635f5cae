#pragma once

#include "core/card_play.h"
#include "core/strategy/computer_card.h"
#include "flow/flow.h"

namespace zarvane {

// The seat's legal cards, and for South a hand over each card he may play.
void ComputePlayable(Flow& game, int seat);

// The card a computer seat plays, with the rules that chose shown on its rule panel.
int ComputerCardSlot(Flow& game, int seat);
// A computer seat's turn: the card above goes on the table.
void PlayComputerCard(Flow& game, int seat);
// A click on South's card image k (1..24).
void PlayHumanCard(Flow& game, int k);
// The card placed and shown on the table, then the next turn's timer or the trick's end.
void PlaceCard(Flow& game, int seat, int slot);
// The trick ended, with the panels and the pause after it.
void EndTrick(Flow& game);

}  // namespace zarvane
