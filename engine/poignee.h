#pragma once

#include "engine/game.h"

namespace zarvane {

// South's first card of the deal: the poignee question when he holds ten trumps or more (the
// Excuse counts).
void OfferPoignee(Game& game);
// "Aucune": no poignee; South plays on.
void PanelPoigneeAucuneClick(Game& game);

}  // namespace zarvane
