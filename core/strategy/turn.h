#pragma once

#include "core/game_state.h"

namespace zarvane {

// What every rule of one strategy call reads besides the game: who decides, who defends in
// which order, where the seat sits in the trick and who is winning it so far.
struct StrategyTurn {
  Core& game;
  int S = 0;          // the seat deciding
  int Defender1 = 0;  // the seats after the taker in play order; Defender3 plays just before him
  int Defender2 = 0;
  int Defender3 = 0;
  int TrickPosition = 0;  // 1 when S leads
  int CurrentWinner = 0;
  int WinningSlot = -1;  // a slot, -1, or 100 when no card of S is to beat the taker's
  int Rule = 0;          // the rule being evaluated: a successful choose step marks this number
};

inline bool IsTaker(const StrategyTurn& turn) {
  return turn.S == turn.game.Taker;
}
inline bool Leads(const StrategyTurn& turn) {
  return turn.TrickPosition == 1;
}

// A rule: its conditions, then its action. The strategy calls it only while the rule is on.
using RuleFunction = void (*)(StrategyTurn&);

}  // namespace zarvane
