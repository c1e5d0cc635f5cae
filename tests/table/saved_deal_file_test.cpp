#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "flow/deal_flow.h"
#include "flow/deal_saving.h"
#include "flow/interrupted_deal.h"
#include "flow/options_flow.h"
#include "flow/start.h"
#include "settings/file_safety.h"
#include "settings/texts.h"
#include "tests/support/deal_driver.h"
#include "tests/support/marking_child.h"
#include "tests/support/temp_folder.h"

namespace zarvane {
namespace {

using testing::DealDriver;

// A deal of the Pro level saved in the middle of its fifth trick.
std::string SavedInTheMiddle() {
  DealDriver driver(1, 46'000'000);
  driver.game.flow.ResumePath = ResumePathBeside(driver.game.flow.OptionsPath);
  driver.game.flow.state.options.AtLeastOneTaker = 1;
  NewDeal(driver.game.flow, 0);
  std::mt19937 choices(5);
  while ((driver.game.flow.state.TrickNumber < 5 || driver.game.flow.state.CardsInTrick < 2) &&
         driver.Step(choices)) {
  }
  return ReadSmallFile(driver.game.flow.ResumePath, kSavedDealLimit).bytes;
}

// Save number n: a record whose every part tells n, so a file that mixed two saves, or kept
// part of one, matches none.
std::string Save(const SavedDeal& base, int n) {
  SavedDeal saved = base;
  saved.record.Moves.resize(static_cast<std::size_t>(n % 300), Move{MoveKind::CardTick});
  saved.check.Generator = static_cast<std::uint32_t>(n);
  return EncodeSavedDeal(saved);
}

TEST(SavedDealFile, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewFileWhole) {
  const auto base = DecodeSavedDeal(SavedInTheMiddle());
  ASSERT_TRUE(base.has_value());
  testing::TempFolder folder;
  const std::string path = (folder.path() / kResumeFileName).string();
  std::mt19937 random(21);
  int last = 0;
  for (int kill = 0; kill < 60; ++kill) {
    testing::MarkingChild writer(
        [&path, &base, first = last + 1](const testing::MarkingChild::Mark& mark) {
          for (int n = first;; ++n) {
            ReplaceFileWhole(path, Save(*base, n));
            mark();
          }
        });
    ASSERT_TRUE(writer.Started());
    // Never before a save is whole on the disk; then anywhere within the next one or two.
    ASSERT_TRUE(writer.WaitForMark());
    testing::WaitAMomentWithin(testing::SpanBetweenMarks(writer), random);
    ASSERT_TRUE(writer.Kill());
    ASSERT_TRUE(std::filesystem::exists(path)) << "the file went missing after kill " << kill;
    const auto on_disk = DecodeSavedDeal(ReadSmallFile(path, kSavedDealLimit).bytes);
    ASSERT_TRUE(on_disk.has_value()) << "kill " << kill;
    const int n = static_cast<int>(on_disk->check.Generator);
    ASSERT_GE(n, last + 2) << "a finished save was lost by kill " << kill;
    ASSERT_EQ(ReadSmallFile(path, kSavedDealLimit).bytes, Save(*base, n)) << "kill " << kill;
    last = n;
  }
}

// One garbling of a whole file: a byte changed, a piece cut off or doubled, bytes thrown in.
std::string Garbled(const std::string& whole, std::mt19937& random) {
  std::string text = whole;
  const auto at = [&] { return random() % text.size(); };
  switch (random() % 5) {
    case 0:
      text[at()] = static_cast<char>(random() % 256);
      break;
    case 1:
      text.resize(at());
      break;
    case 2:
      text.insert(at(), text.substr(at(), 1 + random() % 40));
      break;
    case 3:
      text.insert(at(), std::string(1 + random() % 4, static_cast<char>(random() % 256)));
      break;
    default:
      text[at()] = "0123456789[]{},:\"-"[random() % 18];
      break;
  }
  return text;
}

// Whatever the bytes, the game starts: a file it cannot take back is refused with a message and
// kept aside byte for byte; one it takes back plays on from a sound table.
TEST(SavedDealFile, AGarbledFileIsRefusedAndKeptAsideByteForByte) {
  const std::string whole = SavedInTheMiddle();
  std::mt19937 random(17);
  int refused = 0;
  for (int n = 0; n < 150; ++n) {
    const std::string garbled = Garbled(whole, random);
    SCOPED_TRACE(::testing::Message() << "garbling " << n);
    DealDriver next(0, 47'000'000);
    next.game.flow.ResumePath = ResumePathBeside(next.game.flow.OptionsPath);
    ASSERT_TRUE(ReplaceFileWhole(next.game.flow.ResumePath, garbled));
    next.view.answers.push_back(true);
    ChooseLanguage(next.game.flow, 1);
    if (next.game.flow.state.DealPhase != Phase::Opening) {
      EXPECT_TRUE(next.view.informed.empty());
      EXPECT_EQ(next.game.flow.state.TrickNumber, 5);
      continue;
    }
    ++refused;
    ASSERT_EQ(next.view.informed.size(), 1u);
    EXPECT_NE(next.view.informed[0].find(kSavedDealDamaged.french), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(next.game.flow.ResumePath));
    EXPECT_EQ(ReadSmallFile(next.game.flow.ResumePath + ".damaged", kSavedDealLimit).bytes,
              garbled);
    EXPECT_TRUE(next.view.Visible(Control::PanelLancement));
    EXPECT_EQ(next.game.flow.state.options.Scores, (Table<std::int32_t, 1, 4>{}));
  }
  EXPECT_GT(refused, 100);
}

// A deal that cannot be saved is told once, not at every move, and the game plays on.
TEST(SavedDealFile, ASaveThatFailsIsToldOnceAndTheDealGoesOn) {
  DealDriver driver(2, 46'500'000);
  driver.game.flow.ResumePath = (std::filesystem::path(driver.game.flow.OptionsPath).parent_path() /
                                 "no such folder" / kResumeFileName)
                                    .string();
  NewDeal(driver.game.flow, 0);
  std::mt19937 choices(9);
  while (driver.Step(choices)) {
  }
  EXPECT_EQ(driver.game.flow.state.TrickNumber, 19);
  ASSERT_EQ(driver.view.informed.size(), 1u);
  EXPECT_NE(driver.view.informed[0].find(kSavedDealUnwritable.english), std::string::npos);
}

}  // namespace
}  // namespace zarvane
