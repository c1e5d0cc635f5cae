#pragma once

#include "flow/flow.h"

namespace zarvane {

// How many trumps a poignee of the level shows: 10 simple, 13 double, 15 triple.
int PoigneeRequired(int level);
// South's cards of the trump suit, the Excuse included; the sorted hand holds them first.
int SouthTrumpSuitCount(const GameState& game);

// South's first card of the deal: the poignee question when he holds ten trumps or more (the
// Excuse counts).
void OfferPoignee(Flow& game);
// The moves of the poignee. "Aucune": no poignee; South plays on.
void DeclinePoignee(Flow& game);
// A level button: South's trumps laid out in the poignee window, the game window put aside.
void OpenPoigneeWindow(Flow& game, int level);
// A click on image j of the poignee window: marks or unmarks that trump. False when the
// click is refused with a message (the Excuse out of its place): it leaves no trace.
bool TogglePoigneeCard(Flow& game, int j);
// The lazy button: the first images, the highest trumps, make up the poignee.
void MarkLazyPoignee(Flow& game);
// OK with the poignee complete, and the cancel button.
void ConfirmPoignee(Flow& game);
void CancelPoignee(Flow& game);
// Back to the game window, where South plays his first card.
void ClosePoigneeWindow(Flow& game);

}  // namespace zarvane
