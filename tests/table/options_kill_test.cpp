#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "flow/options_flow.h"
#include "settings/options_file.h"
#include "table/game.h"
#include "tests/support/fake_table_view.h"
#include "tests/support/marking_child.h"
#include "tests/support/temp_folder.h"

namespace zarvane {
namespace {

constexpr int kKills = 200;

// The record of write number n: every field tells n, so a file that mixed two writes, or
// kept part of one, does not match any record.
Options Record(int n) {
  Options options;
  options.Level = 1 + n % 4;
  options.BackgroundColour = n & 0xFFFFFF;
  options.ForceOption = 1 + n % 6;
  options.CardSpeed = 1 + n % 5;
  options.TrickWait = n % 4;
  options.BidAdvice = static_cast<std::uint8_t>(n % 2);
  options.ShowDeductions = static_cast<std::uint8_t>(n / 2 % 2);
  options.Scores[1] = n;
  options.Scores[2] = -n;
  options.Scores[3] = 7 * n;
  options.Scores[4] = -7 * n;
  return options;
}

// A program starting on the folder after the kill reads the totals of the last whole write
// and writes its file again without stumbling on what the killed one left.
void ExpectNextStartIsClean(const std::filesystem::path& folder, const Options& on_disk) {
  testing::FakeTableView view;
  Game game(view);
  game.flow.OptionsPath = (folder / kOptionsFileName).string();
  ReadOptions(game.flow);
  EXPECT_EQ(game.flow.state.options, on_disk);
  ToggleDeductions(game.flow);
  ToggleDeductions(game.flow);
  Options again;
  ASSERT_EQ(ReadOptionsFile(game.flow.OptionsPath, again), ReadStatus::Ok);
  EXPECT_EQ(again, on_disk);
  EXPECT_TRUE(view.informed.empty());
}

// A writing process killed at any moment leaves the old file or the new one, whole, and never
// loses a write it finished.
TEST(OptionsKill, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewFileWhole) {
  testing::TempFolder folder;
  const std::string path = (folder.path() / kOptionsFileName).string();
  const std::string temporary = path + ".tmp";
  std::mt19937 random(12);
  int last = 0;  // the record on disk
  int further_writes = 0;
  int cut_mid_write = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    testing::MarkingChild writer(
        [&path, first = last + 1](const testing::MarkingChild::Mark& mark) {
          for (int n = first;; ++n) {
            WriteOptionsFile(path, Record(n));
            mark();
          }
        });
    ASSERT_TRUE(writer.Started());
    // Never before a write is whole on the disk; then anywhere within the next one or two.
    ASSERT_TRUE(writer.WaitForMark());
    testing::WaitAMomentWithin(testing::SpanBetweenMarks(writer), random);
    ASSERT_TRUE(writer.Kill());

    cut_mid_write += std::filesystem::exists(temporary) ? 1 : 0;
    ASSERT_TRUE(std::filesystem::exists(path)) << "the file went missing after kill " << kill;
    ASSERT_EQ(std::filesystem::file_size(path), kOptionsFileSize) << "kill " << kill;
    Options on_disk;
    ASSERT_EQ(ReadOptionsFile(path, on_disk), ReadStatus::Ok) << "kill " << kill;
    const int n = on_disk.Scores[1];
    // The two writes the writer said were done are on the disk.
    ASSERT_GE(n, last + 2) << "a finished write was lost by kill " << kill;
    ASSERT_EQ(on_disk, Record(n)) << "a mixed record after kill " << kill;
    further_writes += n > last + 2 ? 1 : 0;
    last = n;

    ExpectNextStartIsClean(folder.path(), on_disk);
    ASSERT_EQ(folder.Contents(), std::vector<std::string>{std::string(kOptionsFileName)});
  }
  std::printf("%d kills: %d found the writer mid-write, %d after a write beyond those awaited\n",
              kKills, cut_mid_write, further_writes);
}

}  // namespace
}  // namespace zarvane
