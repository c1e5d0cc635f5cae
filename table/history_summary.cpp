#include "table/history_summary.h"

namespace zarvane {

namespace {

void Count(HistoryTally& tally, const ScoredDeal& deal) {
  const bool south = deal.taker == kSouth;
  ++tally.deals;
  ++(south ? tally.south_taken : tally.computer_taken);
  if (deal.made)
    ++(south ? tally.south_made : tally.computer_made);
  tally.south_points += SouthScoreChange(deal);
}

}  // namespace

double HistoryTally::SouthMeanPerDeal() const {
  return deals == 0 ? 0.0 : static_cast<double>(south_points) / deals;
}

int SouthScoreChange(const ScoredDeal& deal) {
  // The taker wins or loses three times what each defender loses or wins.
  return deal.taker == kSouth ? deal.taker_score : -deal.taker_score / 3;
}

HistorySummary SummariseHistory(const ScoreHistory& history) {
  HistorySummary summary;
  bool series_open = false;
  for (const HistoryEntry& entry : history.entries) {
    if (entry.new_series) {
      series_open = false;
      continue;
    }
    if (!series_open) {
      ++summary.series;
      series_open = true;
    }
    Count(summary.all, entry.deal);
    Count(summary.by_bid[entry.deal.bid], entry.deal);
    Count(summary.by_level[entry.deal.level], entry.deal);
  }
  return summary;
}

std::vector<TotalsPoint> RunningTotals(const ScoreHistory& history) {
  std::vector<TotalsPoint> points;
  points.reserve(history.entries.size());
  int deals = 0;
  for (const HistoryEntry& entry : history.entries) {
    if (entry.new_series)
      points.push_back({deals, {}});
    else
      points.push_back({++deals, entry.deal.totals});
  }
  return points;
}

}  // namespace zarvane
