#pragma once

#include "flow/bidding.h"
#include "flow/card_play.h"
#include "flow/deal_flow.h"
#include "flow/moves.h"
#include "flow/poignee.h"
#include "table/game.h"
#include "tests/support/play_step.h"

namespace zarvane::testing {

// South's move in a window whose timers run by themselves, if one is due: he bids the advice,
// makes the first discard allowed, declines the poignee, clicks on to go on and plays his first
// legal card once his card tick has run.
inline void SouthMoves(Game& game, bool card_tick_armed) {
  if (game.flow.state.DealPhase == Phase::SouthBids) {
    Apply(game.flow, Move{MoveKind::BidAdvice});
  } else if (game.flow.state.DealPhase == Phase::Discard) {
    MakeFirstAllowedDiscard(game);
  } else if (game.flow.state.DealPhase == Phase::Poignee) {
    Apply(game.flow, Move{MoveKind::NoPoignee});
  } else if (WaitsForClick(game.flow.state.DealPhase) ||
             game.flow.state.DealPhase == Phase::DogShown) {
    Apply(game.flow, Move{MoveKind::Continue});
  } else if (game.flow.state.DealPhase == Phase::SouthPlays &&
             game.flow.state.CurrentSeat == game.flow.state.HumanSeat && !card_tick_armed) {
    for (int slot = 1; slot <= 18; ++slot) {
      if (game.flow.state.Playable[game.flow.state.HumanSeat][slot] == 1) {
        Apply(game.flow, Move{MoveKind::HandCard, slot});
        return;
      }
    }
  }
}

}  // namespace zarvane::testing
