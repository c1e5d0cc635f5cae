#pragma once

#include <random>
#include <vector>

#include "flow/bidding.h"
#include "flow/card_play.h"
#include "flow/deal_flow.h"
#include "flow/discard.h"
#include "flow/moves.h"
#include "flow/poignee.h"
#include "table/game.h"
#include "table/review.h"

namespace zarvane::testing {

// The handler a timer's tick runs, armed or not (a stale tick runs it too).
inline void RunTimerHandler(Game& game, TimerId timer) {
  switch (timer) {
    case TimerId::TimerEnchere:
      Apply(game.flow, Move{MoveKind::BidTick});
      break;
    case TimerId::TimerEntreCarte:
      Apply(game.flow, Move{MoveKind::CardTick});
      break;
    case TimerId::TimerTransition:
      Apply(game.flow, Move{MoveKind::TransitionTick});
      break;
    case TimerId::TimerCopie:
      TimerCopieTimer(game);
      break;
  }
}

// Fires the timer if the view has it armed, as the event loop would; false when it was not.
template <typename View>
bool FireTimer(Game& game, View& view, TimerId timer) {
  if (!view.Armed(timer))
    return false;
  RunTimerHandler(game, timer);
  return true;
}

// South's discard: the first six of his 24 cards that may go to it, then the confirmation.
inline void MakeFirstAllowedDiscard(Game& game) {
  int chosen = 0;
  for (int k = 1; k <= 24 && chosen < 6; ++k) {
    const int source = game.flow.DiscardImageMap[k];
    const Card card = source <= 18 ? game.flow.state.Hands[game.flow.state.HumanSeat][source]
                                   : game.flow.state.Dog[source - 18];
    if (!IsDiscardable(card))
      continue;
    Apply(game.flow, Move{MoveKind::DiscardCard, k});
    ++chosen;
  }
  Apply(game.flow, Move{MoveKind::ConfirmDiscard});
}

// One move of a player who bids the advice, declines the poignee, makes the first discard
// allowed and plays a random legal card: a timer tick, a click or a card. False once the deal
// is scored and nothing is left to do.
template <typename View>
bool PlayStep(Game& game, View& view, std::mt19937& choices) {
  if (FireTimer(game, view, TimerId::TimerEnchere))
    return true;
  if (game.flow.state.DealPhase == Phase::SouthBids) {
    Apply(game.flow, Move{MoveKind::BidAdvice});
    return true;
  }
  if (game.flow.state.DealPhase == Phase::Discard) {
    MakeFirstAllowedDiscard(game);
    return true;
  }
  if (game.flow.state.DealPhase == Phase::Poignee) {
    Apply(game.flow, Move{MoveKind::NoPoignee});
    return true;
  }
  if (game.flow.state.TrickNumber == 19)
    return false;
  if (WaitsForClick(game.flow.state.DealPhase) || game.flow.state.DealPhase == Phase::DogShown) {
    Apply(game.flow, Move{MoveKind::Continue});
    return true;
  }
  if (FireTimer(game, view, TimerId::TimerEntreCarte))
    return true;
  if (game.flow.state.DealPhase == Phase::SouthPlays &&
      game.flow.state.CurrentSeat == game.flow.state.HumanSeat) {
    std::vector<int> legal;
    for (int slot = 1; slot <= 18; ++slot) {
      if (game.flow.state.Playable[game.flow.state.HumanSeat][slot] == 1)
        legal.push_back(slot);
    }
    if (legal.empty())
      return false;
    Apply(game.flow, Move{MoveKind::HandCard, legal[choices() % legal.size()]});
    return true;
  }
  return FireTimer(game, view, TimerId::TimerTransition);
}

}  // namespace zarvane::testing
