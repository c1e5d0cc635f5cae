#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "table/history_summary.h"

namespace zarvane {

// The history window's fixed words in the chosen language.
struct HistoryWords {
  std::string_view menu_entry;
  std::string_view title;
  std::string_view deal_axis;
  std::string_view total_axis;
  std::string_view close;
  std::array<std::string_view, 4> seats{};  // South, East, North, West
  std::array<std::string_view, 6> columns{};
};
HistoryWords HistoryWordsIn(int language);

// One row of the table: a group of deals and its tally. All the deals first, then each bid,
// then each level.
struct HistoryRow {
  std::string name;
  HistoryTally tally;
};
std::vector<HistoryRow> HistoryRows(const HistorySummary& summary, int language);

// The line under the chart: deals counted, series, and damaged lines skipped.
std::string HistoryCountsLine(const HistorySummary& summary, int damaged_lines, int language);

}  // namespace zarvane
