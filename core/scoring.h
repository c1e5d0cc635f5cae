#pragma once

#include "core/game_state.h"

namespace zarvane {

// The trick number once the eighteenth trick is done.
inline constexpr int kLastTrickDone = 19;

// Each bid's multiplier, by bid code: PRISE x1 up to GARDE CONTRE x6.
int BidFactor(int bid);
// The points the taker must reach with that many bouts.
int PointsNeededFor(int bouts);
// A declared poignee's bonus: 20, 30 or 40; 0 with none.
int PoigneeBonus(int level);
// The taker's card points, halved and rounded with exact halves to the even neighbour.
int TakerRoundedPoints(const Core& game);

// The taker's result, step by step, in the order the score sheet shows it.
struct ScoreSteps {
  int points = 0;  // P: the card points, rounded
  int margin = 0;  // M = P - PointsNeeded; the contract is made when M >= 0
  bool made = false;
  int after_petit = 0;  // M +- 10 for the petit au bout
  int after_gain = 0;   // +- 25
  int factor = 1;       // the bid's multiplier
  int after_bid = 0;
  int bonus = 0;          // the poignee's bonus, 0 with none
  int after_poignee = 0;  // what each defender pays or receives
  int taker_score = 0;    // three times that
};
ScoreSteps ComputeScoreSteps(const Core& game);

// Counts the finished trick for the side that won it, with the Excuse's exchange; after the
// eighteenth trick counts the dog and scores the deal.
void CountTrick(Core& game);
// The taker's result of the deal: three times what each defender pays or receives.
int TakerScore(const Core& game);
// What the seat's running total gains from the deal: the taker's result for the taker, minus
// what each defender pays for a defender.
int SeatGain(const Core& game, int seat);
// Adds the result to the totals, unless the deal was replayed.
void ScoreDeal(Core& game);

}  // namespace zarvane
