#pragma once

#include <cstdint>
#include <vector>

#include "core/game_state.h"
#include "settings/score_history.h"

namespace zarvane {

// What the contracts of a group of deals became, from South's chair.
struct HistoryTally {
  int deals = 0;
  int south_taken = 0;
  int south_made = 0;
  int computer_taken = 0;
  int computer_made = 0;
  std::int64_t south_points = 0;  // what South won or lost over these deals

  double SouthMeanPerDeal() const;
};

struct HistorySummary {
  HistoryTally all;
  Table<HistoryTally, kPrise, kGardeContre> by_bid{};
  Table<HistoryTally, 1, kExpertLevel> by_level{};
  int series = 0;  // the first deals make a series even without a reset before them
};

// What South's total gained or lost by the deal: the taker's score when he took, else his
// share as a defender.
int SouthScoreChange(const ScoredDeal& deal);
HistorySummary SummariseHistory(const ScoreHistory& history);

// One point of the chart: the deals counted so far, and the four totals then. A new series
// puts the four totals back to 0 where it starts.
struct TotalsPoint {
  int deal = 0;
  Table<std::int32_t, 1, 4> totals{};
};
std::vector<TotalsPoint> RunningTotals(const ScoreHistory& history);

}  // namespace zarvane
