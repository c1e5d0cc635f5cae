#pragma once

#include "engine/game.h"

namespace zarvane {

// Gives the floor to a seat: a computer seat's bid appears on the next bid-timer tick;
// South gets the bid buttons and the advice.
void StartBidTurn(Game& game, int seat);
void TimerEnchereTimer(Game& game);
// South's bid button (0..4) or the advice button.
void SouthBid(Game& game, int code);
void EvMaMainClick(Game& game);

}  // namespace zarvane
