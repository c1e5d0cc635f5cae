#pragma once

#include "core/card_play.h"
#include "core/strategy/computer_card.h"
#include "flow/flow.h"

namespace zarvane {

// The seat's legal cards, and for South a hand over each card he may play.
void ComputePlayable(Flow& game, int seat);

// The card a computer seat plays, with the rules that chose shown on its rule panel.
int ComputerCardSlot(Flow& game, int seat);
// A computer seat's turn: the card above goes on the table; an Expert seat with a choice
// starts thinking instead, and its card comes later through ExpertCardChosen.
void PlayComputerCard(Flow& game, int seat);
// Once the move that set an Expert seat thinking is recorded: the thinker is asked for its
// card, or without one, the card is thought and played at once, as a move of its own either
// way, so that a replayed deal plays the recorded card. A replay asks for nothing.
void AskForComputerCard(Flow& game);
// The deal is replaced: the thinking under way stops, and its card, should it still come, is
// dropped.
void StopThinking(Flow& game);
// The Expert's card for the request numbered `ticket`: played, unless the request is no longer
// the one the table waits on; for a request for South's advice, lifted.
void ExpertCardChosen(Flow& game, std::uint32_t ticket, int slot);
// A click on South's card image k (1..24).
void PlayHumanCard(Flow& game, int k);
// The card placed and shown on the table, then the next turn's timer or the trick's end.
void PlaceCard(Flow& game, int seat, int slot);
// The trick ended, with the panels and the pause after it.
void EndTrick(Flow& game);

}  // namespace zarvane
