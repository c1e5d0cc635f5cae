#pragma once

#include <optional>

#include "core/card_play.h"
#include "core/strategy/computer_card.h"
#include "flow/flow.h"

namespace zarvane {

// The seat's legal cards, and for South a hand over each card he may play.
void ComputePlayable(Flow& game, int seat);

// The card a computer seat plays, with the rules that chose shown on its rule panel.
std::optional<int> ShownComputerCardSlot(Flow& game, int seat);
// A computer seat's turn: the card above goes on the table; an Expert seat with a choice
// starts thinking instead, and its card comes later as a move of its own.
void PlayComputerCard(Flow& game, int seat);
// The deal is replaced, or South played while his advice was thought: the thinking under way
// stops, and its card, should it still come, is dropped.
void StopThinking(Flow& game);

// The moves of the play. South's card in the slot, when he is to play and may play it; an
// Expert seat's card, once thought.
void PlaySouthCard(Flow& game, int slot);
void PlayThoughtCard(Flow& game, int slot);

// The click after a trick, the dog or the discard: the table again, and the next turn soon.
void GoOnPlaying(Flow& game);
// The dog or the discard done, no click waited for: the play begins.
void StartTheTricks(Flow& game);

// The card placed and shown on the table, then the next turn's timer or the trick's end.
void PutCardOnTable(Flow& game, int seat, int slot);
// The trick ended, with the panels and the pause after it.
void FinishTrick(Flow& game);

}  // namespace zarvane
