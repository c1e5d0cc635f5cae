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
  summary.series = static_cast<int>(RunningTotalsBySeries(history).size());
  for (const HistoryEntry& entry : history.entries) {
    if (entry.new_series)
      continue;
    Count(summary.all, entry.deal);
    Count(summary.by_bid[entry.deal.bid], entry.deal);
    Count(summary.by_level[entry.deal.level], entry.deal);
  }
  return summary;
}

std::vector<TotalsSeries> RunningTotalsBySeries(const ScoreHistory& history) {
  std::vector<TotalsSeries> series;
  bool reset = true;  // the first deals make a series even without a reset before them
  int deals = 0;
  for (const HistoryEntry& entry : history.entries) {
    if (entry.new_series) {
      reset = true;
      continue;
    }
    if (reset)
      series.emplace_back();
    reset = false;
    series.back().push_back({++deals, entry.deal.totals});
  }
  return series;
}

std::vector<double> SeriesBreaks(const std::vector<TotalsSeries>& series) {
  std::vector<double> breaks;
  for (std::size_t k = 1; k < series.size(); ++k)
    breaks.push_back(series[k - 1].back().deal + 0.5);
  return breaks;
}

std::vector<TotalsPoint> MarkedPoints(const std::vector<TotalsSeries>& series) {
  std::vector<TotalsPoint> marked;
  if (series.empty())
    return marked;
  const int deals = series.back().back().deal;
  const int stride = (deals + kMostMarkers - 1) / kMostMarkers;
  for (const TotalsSeries& one : series) {
    for (const TotalsPoint& point : one) {
      const bool end = point.deal == one.front().deal || point.deal == one.back().deal;
      if (end || point.deal % stride == 0)
        marked.push_back(point);
    }
  }
  return marked;
}

}  // namespace zarvane
