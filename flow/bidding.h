#pragma once

#include "flow/flow.h"

namespace zarvane {

// Gives the floor to a seat: a computer seat's bid appears on the next bid-timer tick;
// South gets the bid buttons and the advice.
void StartBidTurn(Flow& game, int seat);
void TimerEnchereTimer(Flow& game);
// South's bid button (0..4) or the advice button.
void SouthBid(Flow& game, int code);
void EvMaMainClick(Flow& game);

}  // namespace zarvane
