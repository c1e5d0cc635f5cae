#pragma once

#include "core/card_play.h"
#include "engine/game.h"

namespace zarvane {

// The seat's legal cards, and South's pointers: a hand over each card he may play.
void ComputePlayable(Game& game, int seat);

// The card a computer seat plays, with the rules that chose shown on its rule panel.
int ComputerCardSlot(Game& game, int seat);
// Each rule that chose writes its number on the seat's rule panel in turn.
void ShowMarkedRules(Game& game, int seat, const MarkedRules& marked);
// A computer seat's turn: the card above goes on the table.
void PlayComputerCard(Game& game, int seat);
// A click on South's card image k (1..24).
void PlayHumanCard(Game& game, int k);
// The card placed, shown on the table, then the next turn's timer or the trick's end.
void PlaceCard(Game& game, int seat, int slot);
void ShowTableCard(Game& game, int seat, int slot);
// The trick ended, with the panels and the pause after it.
void EndTrick(Game& game);

}  // namespace zarvane
