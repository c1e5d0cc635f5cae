#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/scoring.h"
#include "flow/deal_flow.h"
#include "flow/options_flow.h"
#include "settings/score_history.h"
#include "table/history_summary.h"
#include "tests/support/deal_driver.h"
#include "tests/support/temp_folder.h"

namespace zarvane {
namespace {

constexpr char kDate[] = "2029-12-19T19:59:09";

ScoredDeal Deal(int level, int taker, int bid, int per_defender,
                std::array<std::int32_t, 4> totals = {}) {
  ScoredDeal deal;
  deal.date = kDate;
  deal.level = level;
  deal.taker = taker;
  deal.bid = bid;
  deal.made = per_defender > 0;
  deal.taker_score = 3 * per_defender;
  for (int seat = 1; seat <= 4; ++seat)
    deal.totals[seat] = totals[seat - 1];
  return deal;
}

std::string HistoryOf(testing::DealDriver& driver) {
  return HistoryPathBeside(driver.game.flow.OptionsPath);
}

void PlayWholeDeal(testing::DealDriver& driver, std::mt19937& choices) {
  while (driver.Step(choices)) {
  }
}

TEST(ScoreHistory, LinesReadBackAsWrittenAndAMissingFileIsEmpty) {
  testing::TempFolder folder;
  const std::string path = (folder.path() / kHistoryFileName).string();
  EXPECT_TRUE(ReadScoreHistory(path).entries.empty());

  ScoredDeal deal = Deal(5, 1, 4, -41);
  deal.poignee = 3;
  deal.totals[1] = -123;
  deal.totals[4] = 2'000'000'000;
  ASSERT_TRUE(AppendHistoryLine(path, DealLine(deal)));
  ASSERT_TRUE(AppendHistoryLine(path, NewSeriesLine(kDate)));
  const ScoreHistory history = ReadScoreHistory(path);
  ASSERT_EQ(history.entries.size(), 2u);
  EXPECT_FALSE(history.entries[0].new_series);
  EXPECT_EQ(history.entries[0].deal, deal);
  EXPECT_TRUE(history.entries[1].new_series);
  EXPECT_EQ(history.damaged_lines, 0);
}

// Each damaged line costs itself only; a line cut short by a crash does not swallow the next.
TEST(ScoreHistory, DamagedLinesAreSkippedAndCounted) {
  testing::TempFolder folder;
  const std::string path = (folder.path() / kHistoryFileName).string();
  const std::string good = DealLine(Deal(4, 2, 1, 30, {{-30, 90, -30, -30}}));
  const std::string damaged[] = {
      "",  // a blank line is not counted
      good.substr(0, good.size() - 3),
      good + " more=1",
      "deal 2026-12-08 14:03:22 level=4 taker=2 bid=1 poignee=0 made=1 score=90 totals=1,2,3,4",
      "deal 2026-12-08T14:03:22 level=6 taker=2 bid=1 poignee=0 made=1 score=90 totals=1,2,3,4",
      "deal 2026-12-08T14:03:22 level=4 taker=0 bid=1 poignee=0 made=1 score=90 totals=1,2,3,4",
      "deal 2026-12-08T14:03:22 level=4 taker=2 bid=5 poignee=0 made=1 score=90 totals=1,2,3,4",
      "deal 2026-12-08T14:03:22 level=4 taker=2 bid=1 poignee=4 made=1 score=90 totals=1,2,3,4",
      "deal 2026-12-08T14:03:22 level=4 taker=2 bid=1 poignee=0 made=1 score=-90 totals=1,2,3,4",
      "deal 2026-12-08T14:03:22 level=4 taker=2 bid=1 poignee=0 made=0 score=0 totals=1,2,3,4",
      "deal 2026-12-08T14:03:22 level=4 taker=2 bid=1 poignee=0 made=1 score=9x totals=1,2,3,4",
      "deal 2026-12-08T14:03:22 level=4 taker=2 bid=1 poignee=0 made=1 score=90 totals=1,2,3",
      "deal 2026-12-08T14:03:22 level=4 taker=2 bid=1 poignee=0 made=1 score=90 totals=1,2,3,4,5",
      "deal 2026-12-08T14:03:22 taker=2 level=4 bid=1 poignee=0 made=1 score=90 totals=1,2,3,4",
      "series 2026-12-08T14:03:22 again",
      "\x01\xff garbage",
  };
  {
    std::ofstream file(path, std::ios::binary);
    for (const std::string& line : damaged)
      file << line << '\n' << good << "\r\n";
    file << good.substr(0, 20);  // the write a crash cut short
  }
  ASSERT_TRUE(AppendHistoryLine(path, good));
  const ScoreHistory history = ReadScoreHistory(path);
  // Every damaged line but the blank one, and the line cut short.
  EXPECT_EQ(history.damaged_lines, static_cast<int>(std::size(damaged)));
  EXPECT_EQ(history.entries.size(), std::size(damaged) + 1);
  for (const HistoryEntry& entry : history.entries)
    EXPECT_EQ(DealLine(entry.deal), good);
}

// Through the game: a counted deal is written with the totals it left, a replay is not, a
// reset starts a series, and a history that cannot be written is told once and stops nothing.
TEST(ScoreHistory, TheGameWritesCountedDealsAndResetsOnly) {
  testing::DealDriver driver;
  Game& game = driver.game;
  game.flow.state.options.AtLeastOneTaker = 1;
  std::mt19937 choices(24);
  NewDeal(game.flow, 0);
  PlayWholeDeal(driver, choices);
  const ScoreSteps steps = ComputeScoreSteps(game.flow.state);
  const int taker = game.flow.state.Taker;
  const int bid = game.flow.state.AnnouncedBid[taker];
  const auto totals = game.flow.state.options.Scores;
  ReplayDeal(game.flow);
  PlayWholeDeal(driver, choices);
  driver.view.answers = {true};
  ResetScores(game.flow);

  const ScoreHistory history = ReadScoreHistory(HistoryOf(driver));
  ASSERT_EQ(history.entries.size(), 2u);
  const ScoredDeal& deal = history.entries[0].deal;
  EXPECT_EQ(deal.level, game.flow.state.options.Level);
  EXPECT_EQ(deal.taker, taker);
  EXPECT_EQ(deal.bid, bid);
  EXPECT_EQ(deal.made, steps.made);
  EXPECT_EQ(deal.taker_score, steps.taker_score);
  EXPECT_EQ(deal.totals, totals);
  EXPECT_TRUE(history.entries[1].new_series);

  std::filesystem::remove(HistoryOf(driver));
  std::filesystem::create_directory(HistoryOf(driver));
  const std::size_t told = driver.view.informed.size();
  for (int deal_number = 1; deal_number <= 2; ++deal_number) {
    NewDeal(game.flow, 0);
    PlayWholeDeal(driver, choices);
    EXPECT_EQ(game.flow.state.TrickNumber, kLastTrickDone);
  }
  ASSERT_EQ(driver.view.informed.size(), told + 1);
  EXPECT_NE(driver.view.informed.back().find("historique98"), std::string::npos);
}

TEST(HistorySummary, TalliesByBidAndLevelFromSouthsChair) {
  ScoreHistory history;
  history.entries = {
      {false, Deal(4, kSouth, 2, 50, {{150, -50, -50, -50}})},
      {false, Deal(4, 2, 1, -33, {{183, -149, -17, -17}})},
      {true, {}},
      {false, Deal(2, 4, 2, 60, {{-60, -60, -60, 180}})},
  };
  const HistorySummary summary = SummariseHistory(history);
  EXPECT_EQ(summary.series, 2);
  EXPECT_EQ(summary.all.deals, 3);
  EXPECT_EQ(summary.all.south_taken, 1);
  EXPECT_EQ(summary.all.south_made, 1);
  EXPECT_EQ(summary.all.computer_taken, 2);
  EXPECT_EQ(summary.all.computer_made, 1);
  EXPECT_EQ(summary.all.south_points, 150 + 33 - 60);
  EXPECT_DOUBLE_EQ(summary.all.SouthMeanPerDeal(), (150 + 33 - 60) / 3.0);
  EXPECT_EQ(summary.by_bid[2].deals, 2);
  EXPECT_EQ(summary.by_bid[1].computer_made, 0);
  EXPECT_EQ(summary.by_bid[3].deals, 0);
  EXPECT_EQ(summary.by_level[4].deals, 2);
  EXPECT_EQ(summary.by_level[2].computer_made, 1);
  EXPECT_DOUBLE_EQ(summary.by_level[2].SouthMeanPerDeal(), -60.0);

  const std::vector<TotalsSeries> series = RunningTotalsBySeries(history);
  ASSERT_EQ(series.size(), 2u);
  ASSERT_EQ(series[0].size(), 2u);
  EXPECT_EQ(series[0][1].deal, 2);
  EXPECT_EQ(series[0][1].totals[1], 183);
  ASSERT_EQ(series[1].size(), 1u);  // the new series starts with its first deal, not at 0
  EXPECT_EQ(series[1][0].deal, 3);
  EXPECT_EQ(series[1][0].totals[4], 180);
}

// The chart's pieces: a reset breaks the curves between two deals, wherever it stands in the
// file, and makes no point of its own; resets with no deal between them, or none after them,
// make no empty piece and no break; a damaged line is neither a deal nor a reset.
TEST(HistoryChart, AResetBreaksTheCurvesBetweenTwoDeals) {
  const HistoryEntry reset{true, {}};
  const auto deal = [](std::int32_t south) {
    return HistoryEntry{false, Deal(4, kSouth, 1, 25, {{south, 0, 0, -south}})};
  };
  ScoreHistory history;
  history.entries = {reset, deal(75), deal(150), reset, reset, deal(75), reset, deal(-75), reset};
  const std::vector<TotalsSeries> series = RunningTotalsBySeries(history);
  ASSERT_EQ(series.size(), 3u);
  EXPECT_EQ(series[0].size(), 2u);
  EXPECT_EQ(series[1].size(), 1u);
  EXPECT_EQ(series[2].size(), 1u);
  EXPECT_EQ(series[0][1].deal, 2);
  EXPECT_EQ(series[1][0].deal, 3);
  EXPECT_EQ(series[2][0].deal, 4);
  EXPECT_EQ(series[2][0].totals[4], 75);
  EXPECT_EQ(SeriesBreaks(series), (std::vector<double>{2.5, 3.5}));
  EXPECT_EQ(SummariseHistory(history).series, 3);

  // The same file with a damaged line inside the first series and one in place of a reset.
  testing::TempFolder folder;
  const std::string path = (folder.path() / kHistoryFileName).string();
  for (const std::string& line :
       {DealLine(deal(75).deal), std::string("deal 2029-12-19T19:59:09 level=9"),
        DealLine(deal(150).deal), std::string("series yesterday"), DealLine(deal(225).deal)})
    ASSERT_TRUE(AppendHistoryLine(path, line));
  const ScoreHistory read = ReadScoreHistory(path);
  EXPECT_EQ(read.damaged_lines, 2);
  const std::vector<TotalsSeries> kept = RunningTotalsBySeries(read);
  ASSERT_EQ(kept.size(), 1u);
  ASSERT_EQ(kept[0].size(), 3u);
  EXPECT_EQ(kept[0][2].deal, 3);
  EXPECT_EQ(kept[0][2].totals[1], 225);
  EXPECT_TRUE(SeriesBreaks(kept).empty());

  EXPECT_TRUE(RunningTotalsBySeries(ScoreHistory{}).empty());
  EXPECT_TRUE(MarkedPoints({}).empty());
}

// A lone deal carries its markers; a short history marks every deal; a long one keeps about
// kMostMarkers evenly apart, and still marks where each series starts and ends.
TEST(HistoryChart, MarkersShowLoneDealsAndStayApartOnLongHistories) {
  const auto series_of = [](int first, int count) {
    TotalsSeries one;
    for (int deal = first; deal < first + count; ++deal)
      one.push_back({deal, {}});
    return one;
  };
  const auto deals_of = [](const std::vector<TotalsPoint>& points) {
    std::vector<int> deals;
    for (const TotalsPoint& point : points)
      deals.push_back(point.deal);
    return deals;
  };
  EXPECT_EQ(deals_of(MarkedPoints({series_of(1, 1)})), std::vector<int>{1});
  EXPECT_EQ(deals_of(MarkedPoints({series_of(1, 3), series_of(4, 1)})),
            (std::vector<int>{1, 2, 3, 4}));

  const std::vector<int> long_history =
      deals_of(MarkedPoints({series_of(1, 997), series_of(998, 1), series_of(999, 1002)}));
  ASSERT_FALSE(long_history.empty());
  EXPECT_LE(long_history.size(), static_cast<std::size_t>(kMostMarkers + 6));
  EXPECT_GE(long_history.size(), static_cast<std::size_t>(kMostMarkers - 1));
  for (int end : {1, 997, 998, 999, 2000})
    EXPECT_NE(std::find(long_history.begin(), long_history.end(), end), long_history.end()) << end;
  // Between the ends of the series, one marker every fifty deals.
  EXPECT_NE(std::find(long_history.begin(), long_history.end(), 1500), long_history.end());
  EXPECT_EQ(std::find(long_history.begin(), long_history.end(), 1501), long_history.end());
}

}  // namespace
}  // namespace zarvane
