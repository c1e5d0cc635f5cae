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

// One point of the chart: the deal's number counted over the whole history, and the four
// totals after it.
struct TotalsPoint {
  int deal = 0;
  Table<std::int32_t, 1, 4> totals{};
};
// The deals of one series, from one reset of the totals to the next.
using TotalsSeries = std::vector<TotalsPoint>;

// The chart's curves, one piece per series that holds a deal: a reset ends a piece, so that the
// chart shows a break there, not a fall of every total to 0.
std::vector<TotalsSeries> RunningTotalsBySeries(const ScoreHistory& history);
// Where the chart marks each break: halfway between the last deal of a series and the first
// of the next.
std::vector<double> SeriesBreaks(const std::vector<TotalsSeries>& series);

// About as many markers as a curve carries along the whole history, so that they stay apart.
inline constexpr int kMostMarkers = 40;
// The points that carry the seats' markers: the first and the last deal of every series, so
// that a lone deal shows, and between them the deals at a steady stride.
std::vector<TotalsPoint> MarkedPoints(const std::vector<TotalsSeries>& series);

}  // namespace zarvane
