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
// "Aucune": no poignee; South plays on.
void PanelPoigneeAucuneClick(Flow& game);
// A level button: South's trumps laid out in the poignee window, the game window put aside.
void OpenPoigneeWindow(Flow& game, int level);
// A click on image j of the poignee window: marks or unmarks that trump.
void TogglePoigneeCard(Flow& game, int j);
// The lazy button: the first images, the highest trumps, make up the poignee.
void PanelBoutonParesseuxClick(Flow& game);
void PanelOkPoigneeClick(Flow& game);
void PanelAnnulerPoigneeClick(Flow& game);
// Back to the game window, where South plays his first card.
void ClosePoigneeWindow(Flow& game);

}  // namespace zarvane
