#include "table/history_words.h"

#include "settings/texts.h"

namespace zarvane {

HistoryWords HistoryWordsIn(int language) {
  HistoryWords words;
  words.menu_entry = Pick(language, kHistoryMenuCaption);
  words.title = Pick(language, kHistoryTitle);
  words.deal_axis = Pick(language, kHistoryDealAxis);
  words.total_axis = Pick(language, kHistoryTotalAxis);
  words.close = Pick(language, kHistoryClose);
  for (int seat = 1; seat <= 4; ++seat)
    words.seats[seat - 1] = Pick(language, kSeatNames[seat - 1]);
  for (std::size_t column = 0; column < words.columns.size(); ++column)
    words.columns[column] = Pick(language, kHistoryColumns[column]);
  return words;
}

std::vector<HistoryRow> HistoryRows(const HistorySummary& summary, int language) {
  std::vector<HistoryRow> rows = {{std::string(Pick(language, kHistoryAllDeals)), summary.all}};
  for (int bid = kPrise; bid <= kGardeContre; ++bid)
    rows.push_back({std::string(Pick(language, kBidNames[bid])), summary.by_bid[bid]});
  for (int level = 1; level <= kExpertLevel; ++level) {
    rows.push_back({std::string(Pick(language, kHistoryLevelRow)) +
                        std::string(Pick(language, kLevelNames[level - 1])),
                    summary.by_level[level]});
  }
  return rows;
}

std::string HistoryCountsLine(const HistorySummary& summary, int damaged_lines, int language) {
  constexpr std::string_view kGap = "     ";
  return std::string(Pick(language, kHistoryDealCount)) + std::to_string(summary.all.deals) +
         std::string(kGap) + std::string(Pick(language, kHistorySeriesCount)) +
         std::to_string(summary.series) + std::string(kGap) +
         std::string(Pick(language, kHistoryDamagedCount)) + std::to_string(damaged_lines);
}

}  // namespace zarvane
