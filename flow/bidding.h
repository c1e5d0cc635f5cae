#pragma once

#include "flow/flow.h"

namespace zarvane {

// Gives the floor to a seat: a computer seat's bid appears on the next bid-timer tick;
// South gets the bid buttons and the advice.
void StartBidTurn(Flow& game, int seat);

// The moves of the auction. The bid timer's tick: the pending computer seat's bid appears.
void ShowPendingBid(Flow& game);
// South's bid button (0..4), or the advice button with the bid it advises.
void TakeSouthBid(Flow& game, int code);

}  // namespace zarvane
