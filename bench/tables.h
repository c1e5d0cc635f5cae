#pragma once

#include <functional>
#include <vector>

#include "core/deal.h"

namespace zarvane {

// A level beyond the game's, for measuring only and never offered: the Expert's thinking with
// the true deal in place of the drawn ones, a player who sees every hand, the ceiling of the
// look-ahead.
inline constexpr int kSeesEveryHand = 6;
// Another, to weigh the Expert's budget: its thinking with twice the trial deals for a card.
inline constexpr int kTwiceTheTrials = 7;
// And the Expert whose trial deals agree with the auction only, not with the cards played.
inline constexpr int kBlindToPlays = 8;
// And the Expert that reads the other side's cards played, not its partners'.
inline constexpr int kBlindToPartners = 9;
// And the Expert whose trial deals alone choose its card, the rules' card not favoured.
inline constexpr int kTrialsAlone = 10;

// The level a seat plays at in a deal, from the deal's number, the seat and the taker (0 while
// the auction runs).
using LevelRule = std::function<int(int deal, int seat, int taker)>;

// Who decides what at a table: each seat's bids, its discard when it takes, and its cards.
struct Players {
  LevelRule bids;
  LevelRule discard;
  LevelRule cards;
};

// How one deal ended, and which deal it was, so that tables can be compared deal by deal.
struct DealOutcome {
  unsigned fingerprint = 0;  // the dealt cards and the contract
  int taker = 0;             // 0 when every seat passed
  int made = 0;
  int taker_score = 0;
  PerSeat<int> seat_scores{};
};

// Deal number `deal` of the run with that seed: the same at every table, each seat leading in
// turn.
DealtDeal DealNumber(unsigned seed, int deal);

// Plays the deals numbered from `first` to `first + count - 1` at one table. South answers as
// the computer would at his level: he bids the advice, makes the computer's discard and
// declines the poignee. A deal that every seat passes ends there, scoring nothing.
std::vector<DealOutcome> PlayDeals(const Players& players, unsigned seed, int first, int count);

// The same deals at every table, shared out on several threads.
std::vector<std::vector<DealOutcome>> PlayTables(const std::vector<Players>& tables, int deals,
                                                 unsigned seed, int threads);

// A mean and the half width of its 95 % confidence interval.
struct Estimate {
  double mean = 0;
  double half_width = 0;
};
Estimate Estimated(const std::vector<double>& values);

}  // namespace zarvane
