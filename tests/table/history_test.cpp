#include <gtest/gtest.h>

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
  return HistoryPathBeside(driver.game.OptionsPath);
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
  game.options.AtLeastOneTaker = 1;
  std::mt19937 choices(24);
  NewDeal(game, 0);
  PlayWholeDeal(driver, choices);
  const ScoreSteps steps = ComputeScoreSteps(game);
  const int taker = game.Taker;
  const int bid = game.AnnouncedBid[taker];
  const auto totals = game.options.Scores;
  ReplayDeal(game);
  PlayWholeDeal(driver, choices);
  driver.view.answers = {true};
  ResetScores(game);

  const ScoreHistory history = ReadScoreHistory(HistoryOf(driver));
  ASSERT_EQ(history.entries.size(), 2u);
  const ScoredDeal& deal = history.entries[0].deal;
  EXPECT_EQ(deal.level, game.options.Level);
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
    NewDeal(game, 0);
    PlayWholeDeal(driver, choices);
    EXPECT_EQ(game.TrickNumber, kLastTrickDone);
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

  const std::vector<TotalsPoint> points = RunningTotals(history);
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[1].deal, 2);
  EXPECT_EQ(points[1].totals[1], 183);
  EXPECT_EQ(points[2].deal, 2);  // the new series starts from 0 where the last one ended
  EXPECT_EQ(points[2].totals, (Table<std::int32_t, 1, 4>{}));
  EXPECT_EQ(points[3].deal, 3);
  EXPECT_EQ(points[3].totals[4], 180);
}

}  // namespace
}  // namespace zarvane
