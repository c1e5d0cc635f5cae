#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/scoring.h"
#include "flow/deal_flow.h"
#include "flow/deal_saving.h"
#include "flow/interrupted_deal.h"
#include "flow/moves.h"
#include "flow/options_flow.h"
#include "flow/start.h"
#include "settings/file_safety.h"
#include "settings/options_file.h"
#include "settings/score_history.h"
#include "tests/support/deal_driver.h"
#include "tests/support/fake_table_view.h"
#include "tests/support/fixed_clock.h"
#include "tests/support/marking_child.h"
#include "tests/support/temp_folder.h"

namespace zarvane {
namespace {

namespace fs = std::filesystem;

// The totals and the history a player had before the deal: one deal already counted.
Table<std::int32_t, 1, 4> TotalsBefore() {
  Table<std::int32_t, 1, 4> totals{};
  totals[1] = 120;
  for (int seat = 2; seat <= 4; ++seat)
    totals[seat] = -40;
  return totals;
}
const Table<std::int32_t, 1, 4> kTotalsBefore = TotalsBefore();

std::string EarlierDealLine() {
  ScoredDeal deal;
  deal.date = "2026-12-01T20:00:00";
  deal.level = 4;
  deal.taker = 1;
  deal.bid = 2;
  deal.made = true;
  deal.taker_score = 120;
  deal.totals = kTotalsBefore;
  return DealLine(deal);
}

// The files a program leaves in its folder, read back.
struct Folder {
  fs::path path;
  std::string Options() const { return (path / kOptionsFileName).string(); }
  std::string History() const { return (path / kHistoryFileName).string(); }
  std::string Resume() const { return (path / kResumeFileName).string(); }
};

// A program started on the folder as the window starts one: French chosen, a deal in progress
// resumed.
struct Program {
  explicit Program(const Folder& folder) : game(view, testing::SteppingClock(70'000'000)) {
    game.flow.OptionsPath = folder.Options();
    game.flow.ResumePath = folder.Resume();
    StartUp(game.flow);
    view.answers.push_back(true);
    ChooseLanguage(game.flow, 1);
  }
  testing::FakeTableView view;
  Game game;
};

// One deal of a player with the totals above, played to its end: the saved deal before its
// last move, that move, and what the deal counted.
struct LastMove {
  std::string saved_before;
  Move move;
  std::string settled;  // the saved deal just after the move, its score settled
  std::string scored;   // the same without its score: a file no program of ours writes
  Table<std::int32_t, 1, 4> totals_after{};
  std::string line;
};

void GiveEarlierTotals(const Folder& folder, const Table<std::int32_t, 1, 4>& totals) {
  Options options;
  options.Scores = totals;
  ASSERT_TRUE(WriteOptionsFile(folder.Options(), options));
}

// The folder of a player with one deal counted: its totals and its history line.
void GiveEarlierDeal(const Folder& folder) {
  GiveEarlierTotals(folder, kTotalsBefore);
  ASSERT_TRUE(AppendHistoryLine(folder.History(), EarlierDealLine()));
}

// A program started on a folder of its own, with one deal counted in it.
struct FolderWithADealCounted {
  FolderWithADealCounted() { GiveEarlierDeal(folder); }
  testing::TempFolder temp;
  const Folder folder{temp.path()};
};
struct ProgramAfterADealCounted : FolderWithADealCounted {
  Program program{folder};
};

// The deal on the table played to its score, South bidding the advice and playing at random.
bool PlayedToItsScore(Program& program, std::mt19937& choices) {
  while (testing::PlayStep(program.game, program.view, choices)) {
  }
  return program.game.flow.state.TrickNumber == kLastTrickDone;
}

// A new deal, with a taker whatever the hands, played to its score.
bool PlayedANewDealToItsScore(Program& program, std::mt19937& choices) {
  program.game.flow.state.options.AtLeastOneTaker = 1;
  NewDeal(program.game.flow, 0);
  return PlayedToItsScore(program, choices);
}

LastMove PlayADeal() {
  ProgramAfterADealCounted started;
  const Folder& folder = started.folder;
  Program& program = started.program;
  Game& game = program.game;
  game.flow.state.options.AtLeastOneTaker = 1;
  NewDeal(game.flow, 0);
  LastMove last;
  std::mt19937 choices(11);
  std::string saved = ReadSmallFile(folder.Resume(), kSavedDealLimit).bytes;
  while (testing::PlayStep(game, program.view, choices)) {
    if (game.flow.state.TrickNumber != 19)
      saved = ReadSmallFile(folder.Resume(), kSavedDealLimit).bytes;
  }
  EXPECT_EQ(game.flow.state.TrickNumber, 19);
  last.saved_before = saved;
  last.move = game.flow.Record.Moves.back();
  last.totals_after = game.flow.state.options.Scores;
  last.line = LastHistoryLine(folder.History()).value_or("");
  const auto entry = ParseHistoryLine(last.line);
  EXPECT_TRUE(entry.has_value());
  if (entry)
    last.settled = EncodeSavedDeal({game.flow.Record, CheckOf(game.flow.state), entry->deal});
  last.scored = EncodeSavedDeal({game.flow.Record, CheckOf(game.flow.state), std::nullopt});
  EXPECT_NE(last.totals_after, kTotalsBefore);
  return last;
}

// The files agree once a program has started on them, resumed the deal if it was still in
// progress and played its last move: the deal counted once, the totals those of the history's
// last line, nothing left to resume.
void ExpectTheDealCountedOnce(const Folder& folder, const LastMove& last) {
  {
    Program program(folder);
    if (program.game.flow.state.TrickNumber >= 1 && program.game.flow.state.TrickNumber <= 18)
      Apply(program.game.flow, last.move);
    EXPECT_EQ(program.game.flow.state.options.Scores, last.totals_after);
  }
  Options on_disk;
  ASSERT_EQ(ReadOptionsFile(folder.Options(), on_disk), ReadStatus::Ok);
  EXPECT_EQ(on_disk.Scores, last.totals_after);
  const ScoreHistory history = ReadScoreHistory(folder.History());
  ASSERT_EQ(history.entries.size(), 2u);
  EXPECT_EQ(history.entries.back().deal.totals, last.totals_after);
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder.path))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{std::string(kHistoryFileName),
                                             std::string(kOptionsFileName)}));
}

// The folder as a program stopped at each step after the last card leaves it: before the
// score was settled, settled but written nowhere, in the history only, in both files.
TEST(SettledDeal, StoppedAtAnyStepAfterTheLastCardTheNextStartCountsTheDealOnce) {
  const LastMove last = PlayADeal();
  ASSERT_FALSE(last.settled.empty());
  struct Step {
    const char* name;
    bool settled;
    bool in_history;
    bool in_options;
    bool line_cut_short;
  };
  const Step steps[] = {
      {"in progress", false, false, false, false},
      {"settled", true, false, false, false},
      {"settled, the history's line cut short", true, false, false, true},
      {"in the history", true, true, false, false},
      {"in both files", true, true, true, false},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    testing::TempFolder temp;
    const Folder folder{temp.path()};
    GiveEarlierTotals(folder, step.in_options ? last.totals_after : kTotalsBefore);
    ASSERT_TRUE(AppendHistoryLine(folder.History(), EarlierDealLine()));
    if (step.in_history) {
      ASSERT_TRUE(AppendHistoryLine(folder.History(), last.line));
    }
    if (step.line_cut_short) {
      std::FILE* file = std::fopen(folder.History().c_str(), "ab");
      std::fputs(last.line.substr(0, 30).c_str(), file);
      std::fclose(file);
    }
    ASSERT_TRUE(ReplaceFileWhole(folder.Resume(), step.settled ? last.settled : last.saved_before));
    ExpectTheDealCountedOnce(folder, last);
  }
}

// A program killed at any moment between its last card and the end of writing the score: the
// next start finds files that agree, and the deal counted once. The kills are spread over the
// time the writing is measured to take here, so that they land everywhere in it on any machine.
TEST(SettledDeal, KilledAtAnyMomentAfterTheLastCardTheFilesAgree) {
  const LastMove last = PlayADeal();
  std::mt19937 random(48);
  const auto prepared = [&last](const Folder& folder) {
    GiveEarlierDeal(folder);
    ReplaceFileWhole(folder.Resume(), last.saved_before);
  };
  // The child resumes the deal, marks, plays the last card and marks again once all is written.
  const auto finishing = [&last](const Folder& folder) {
    return [&last, folder](const testing::MarkingChild::Mark& mark) {
      Program program(folder);
      mark();
      Apply(program.game.flow, last.move);
      mark();
    };
  };
  std::chrono::microseconds span{0};
  for (int run = 0; run < 3; ++run) {
    testing::TempFolder temp;
    prepared(Folder{temp.path()});
    testing::MarkingChild child(finishing(Folder{temp.path()}));
    ASSERT_TRUE(child.WaitForMark());
    span = std::max(span, testing::SpanBetweenMarks(child));
  }
  int resumed = 0;
  int settled_at_start = 0;
  constexpr int kKills = 60;
  for (int kill = 0; kill < kKills; ++kill) {
    SCOPED_TRACE(::testing::Message() << "kill " << kill);
    testing::TempFolder temp;
    const Folder folder{temp.path()};
    prepared(folder);
    testing::MarkingChild child(finishing(folder));
    ASSERT_TRUE(child.WaitForMark());
    testing::WaitAMomentWithin(span, random);
    child.Kill();
    if (fs::exists(folder.Resume())) {
      const auto saved = DecodeSavedDeal(ReadSmallFile(folder.Resume(), kSavedDealLimit).bytes);
      ASSERT_TRUE(saved.has_value());
      (saved->settled ? settled_at_start : resumed) += 1;
    }
    ExpectTheDealCountedOnce(folder, last);
  }
  std::printf("%d kills: %d left the deal to resume, %d its score to settle at the next start\n",
              kKills, resumed, settled_at_start);
}

// A saved deal whose moves score it, with no score settled in it, was not written by the game:
// it is refused, whatever check it carries, and counts nothing.
TEST(SettledDeal, AFileWhoseMovesScoreTheDealWithoutItsScoreIsRefused) {
  const LastMove last = PlayADeal();
  testing::TempFolder temp;
  const Folder folder{temp.path()};
  GiveEarlierDeal(folder);
  ASSERT_TRUE(ReplaceFileWhole(folder.Resume(), last.scored));
  Program program(folder);
  EXPECT_EQ(program.game.flow.state.DealPhase, Phase::Opening);
  EXPECT_TRUE(program.game.flow.Record.Moves.empty());
  EXPECT_EQ(program.game.flow.state.options.Scores, kTotalsBefore);
  EXPECT_EQ(ReadScoreHistory(folder.History()).entries.size(), 1u);
}

// A deal played again (F3) is scored on the table but counted nowhere: neither the totals, nor
// the options file, nor the history.
TEST(SettledDeal, ADealPlayedAgainCountsNothing) {
  ProgramAfterADealCounted started;
  const Folder& folder = started.folder;
  Program& program = started.program;
  Game& game = program.game;
  std::mt19937 choices(11);
  ASSERT_TRUE(PlayedANewDealToItsScore(program, choices));
  const auto totals = game.flow.state.options.Scores;
  ASSERT_NE(totals, kTotalsBefore);
  ReplayDeal(game.flow);
  ASSERT_TRUE(PlayedToItsScore(program, choices));
  EXPECT_EQ(game.flow.state.options.Scores, totals);
  Options on_disk;
  ASSERT_EQ(ReadOptionsFile(folder.Options(), on_disk), ReadStatus::Ok);
  EXPECT_EQ(on_disk.Scores, totals);
  EXPECT_EQ(ReadScoreHistory(folder.History()).entries.size(), 2u);
}

// Once scored, the deal's record is closed: what the player does after the last card (a click
// that goes on, a level chosen) neither joins the record that the analysis plays again nor
// settles the score a second time.
TEST(SettledDeal, AfterItsScoreTheDealsRecordIsClosed) {
  ProgramAfterADealCounted started;
  const Folder& folder = started.folder;
  Program& program = started.program;
  Game& game = program.game;
  std::mt19937 choices(11);
  ASSERT_TRUE(PlayedANewDealToItsScore(program, choices));
  const std::vector<Move> moves = game.flow.Record.Moves;
  const std::string history = ReadSmallFile(folder.History(), 1 << 16).bytes;
  Apply(game.flow, Move{MoveKind::Continue});
  Apply(game.flow, Move{MoveKind::Level, 3});
  Apply(game.flow, Move{MoveKind::Continue});
  EXPECT_EQ(game.flow.Record.Moves, moves);
  EXPECT_EQ(ReadSmallFile(folder.History(), 1 << 16).bytes, history);
  EXPECT_FALSE(fs::exists(folder.Resume()));
}

}  // namespace
}  // namespace zarvane
