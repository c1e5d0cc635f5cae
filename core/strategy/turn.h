#pragma once

#include "core/game_state.h"

namespace zarvane {

// Where the deciding seat stands against the taker in the trick: it holds a card that takes the
// trick from him (or, for the taker, from the winning defender), it holds none, or the taker is
// not in the fight, neither deciding nor winning so far.
struct WinningCard {
  enum class Stand { CanWin, CannotWin, NoTakerToBeat };
  Stand stand = Stand::CannotWin;
  int slot = 0;  // with CanWin, the card that wins; none for the taker leading
};

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
  WinningCard Winning{};
  int Rule = 0;  // the rule being evaluated: a successful choose step marks this number
};

inline bool IsTaker(const StrategyTurn& turn) {
  return turn.S == turn.game.Taker;
}
inline bool Leads(const StrategyTurn& turn) {
  return turn.TrickPosition == 1;
}
inline bool CanWin(const StrategyTurn& turn) {
  return turn.Winning.stand == WinningCard::Stand::CanWin;
}
inline bool CannotWin(const StrategyTurn& turn) {
  return turn.Winning.stand == WinningCard::Stand::CannotWin;
}
inline bool NoTakerToBeat(const StrategyTurn& turn) {
  return turn.Winning.stand == WinningCard::Stand::NoTakerToBeat;
}

// A rule: its conditions, then its action. The strategy calls it only while the rule is on.
using RuleFunction = void (*)(StrategyTurn&);

}  // namespace zarvane
