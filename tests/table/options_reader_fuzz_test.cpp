#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "flow/options_flow.h"
#include "flow/start.h"
#include "settings/options_file.h"
#include "settings/texts.h"
#include "table/game.h"
#include "table/language.h"
#include "tests/support/fake_table_view.h"
#include "tests/support/temp_folder.h"

namespace zarvane {
namespace {

using testing::Bytes;
using testing::ReadFileBytes;

// Every option holds a value of its range.
::testing::AssertionResult InRange(const Options& o) {
  if (kLevelRange.Contains(o.Level) && kColourRange.Contains(o.BackgroundColour) &&
      kForceOptionRange.Contains(o.ForceOption) && kCardSpeedRange.Contains(o.CardSpeed) &&
      kTrickWaitRange.Contains(o.TrickWait) && kFlagRange.Contains(o.BidAdvice) &&
      kFlagRange.Contains(o.ShowDealPoints) && kFlagRange.Contains(o.ShowDeductions) &&
      kFlagRange.Contains(o.AtLeastOneTaker)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "level " << o.Level << ", colour " << o.BackgroundColour << ", force " << o.ForceOption
         << ", speed " << o.CardSpeed << ", wait " << o.TrickWait << ", flags " << int{o.BidAdvice}
         << int{o.ShowDealPoints} << int{o.ShowDeductions} << int{o.AtLeastOneTaker};
}

std::int32_t Int32At(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::int32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                   static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

// The fields of 40 bytes as they stand, whatever their values, from the file's layout.
Options FieldsOf(std::span<const std::uint8_t> bytes) {
  Options o{.Level = Int32At(bytes, 0),
            .BackgroundColour = Int32At(bytes, 4),
            .ForceOption = Int32At(bytes, 8),
            .CardSpeed = Int32At(bytes, 12),
            .TrickWait = Int32At(bytes, 16),
            .BidAdvice = bytes[20],
            .ShowDealPoints = bytes[21],
            .ShowDeductions = bytes[22],
            .AtLeastOneTaker = bytes[23]};
  for (int seat = 1; seat <= 4; ++seat)
    o.Scores[seat] = Int32At(bytes, 24 + 4 * static_cast<std::size_t>(seat - 1));
  return o;
}

bool Damaged(std::span<const std::uint8_t> bytes) {
  return bytes.size() != kOptionsFileSize || !InRange(FieldsOf(bytes));
}

// A damaged file reads as nothing; a sound one as its fields stand, totals and all, and it
// writes back as the very same bytes.
::testing::AssertionResult ReadAsItShould(std::span<const std::uint8_t> bytes) {
  const std::optional<Options> read = DecodeOptions(bytes);
  if (Damaged(bytes)) {
    if (read)
      return ::testing::AssertionFailure() << "a damaged file was read: " << InRange(*read);
    return ::testing::AssertionSuccess();
  }
  if (!read)
    return ::testing::AssertionFailure() << "a sound file was found damaged";
  if (!(*read == FieldsOf(bytes)))
    return ::testing::AssertionFailure() << "a sound file was read otherwise than it stands";
  const auto written = EncodeOptions(*read);
  if (!std::equal(written.begin(), written.end(), bytes.begin()))
    return ::testing::AssertionFailure() << "the next write does not give the same bytes";
  return ::testing::AssertionSuccess();
}

Bytes FileOf(const Options& options) {
  const auto bytes = EncodeOptions(options);
  return Bytes(bytes.begin(), bytes.end());
}

Bytes RandomBytes(std::mt19937& random, std::size_t length) {
  Bytes bytes(length);
  for (auto& byte : bytes)
    byte = static_cast<std::uint8_t>(random());
  return bytes;
}

// Options in range with totals of any value.
Options RandomSoundOptions(std::mt19937& random) {
  auto below = [&random](std::uint32_t n) { return static_cast<std::int32_t>(random() % n); };
  Options o{.Level = 1 + below(5),
            .BackgroundColour = below(0x1000000),
            .ForceOption = 1 + below(6),
            .CardSpeed = 1 + below(5),
            .TrickWait = below(4),
            .BidAdvice = static_cast<std::uint8_t>(below(2)),
            .ShowDealPoints = static_cast<std::uint8_t>(below(2)),
            .ShowDeductions = static_cast<std::uint8_t>(below(2)),
            .AtLeastOneTaker = static_cast<std::uint8_t>(below(2))};
  for (int seat = 1; seat <= 4; ++seat)
    o.Scores[seat] = static_cast<std::int32_t>(random());
  return o;
}

// A million files of every length from 0 to 80: the default file with one byte changed in
// every possible way and every cut of it, random bytes, and sound files with random totals,
// some with one byte changed.
TEST(OptionsReaderFuzz, AMillionGarbledFilesAreReadAsTheyStandOrFoundDamaged) {
  std::mt19937 random(20260);
  std::int64_t tried = 0;
  std::int64_t sound = 0;
  auto check = [&](std::span<const std::uint8_t> bytes) {
    ++tried;
    sound += Damaged(bytes) ? 0 : 1;
    return ReadAsItShould(bytes);
  };
  const Bytes defaults = FileOf(Options{});
  for (std::size_t at = 0; at < defaults.size(); ++at) {
    for (int value = 0; value < 256; ++value) {
      Bytes changed = defaults;
      changed[at] = static_cast<std::uint8_t>(value);
      for (std::size_t length = 0; length <= changed.size(); ++length)
        ASSERT_TRUE(check(std::span(changed).first(length))) << "byte " << at << " = " << value;
    }
  }
  while (tried < 1'000'000) {
    ASSERT_TRUE(check(RandomBytes(random, random() % 81)));
    Bytes file = FileOf(RandomSoundOptions(random));
    ASSERT_TRUE(check(file));
    file[random() % file.size()] = static_cast<std::uint8_t>(random());
    ASSERT_TRUE(check(file));
  }
  // Both sides were met often.
  EXPECT_GT(sound, 100'000);
  EXPECT_GT(tried - sound, 100'000);
}

// Any totals in a 40-byte file with its options in range are read as they are; the same
// totals in a file one byte short or long, or beside an option out of range, are not read.
TEST(OptionsReaderFuzz, ATotalIsReadFromASoundFileAndNeverFromADamagedOne) {
  std::mt19937 random(7);
  for (int n = 0; n < 20'000; ++n) {
    const Options sound = RandomSoundOptions(random);
    Bytes bytes = FileOf(sound);
    const std::optional<Options> read = DecodeOptions(bytes);
    ASSERT_TRUE(read);
    for (int seat = 1; seat <= 4; ++seat)
      EXPECT_EQ(read->Scores[seat], Int32At(bytes, 24 + 4 * static_cast<std::size_t>(seat - 1)));

    EXPECT_FALSE(DecodeOptions(std::span(bytes).first(kOptionsFileSize - 1)));
    Bytes longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(DecodeOptions(longer));
    bytes[0] = n % 2 == 0 ? 0 : 6;  // the level just out of its range
    EXPECT_FALSE(DecodeOptions(bytes));
  }
}

// The same through the game on disk. A sound file is read as it stands and left as it is. A
// damaged one is found whole under its new name, every earlier one still beside it, and the
// game starts from the defaults and zero totals, which it writes in a new file.
TEST(OptionsReaderFuzz, GarbledFilesOnDiskAreReadAsTheyStandOrSetAsideWhole) {
  testing::TempFolder folder;
  const std::filesystem::path file = folder.path() / kOptionsFileName;
  std::mt19937 random(31);
  std::vector<std::pair<std::string, Bytes>> set_aside;
  int sound = 0;
  for (std::size_t length = 0; length <= 80; ++length) {
    for (int n = 0; n < 6; ++n) {
      Bytes bytes = RandomBytes(random, length);
      // Half of them start as a sound file, cut or lengthened with noise.
      if (n % 2 == 1) {
        const Bytes start = FileOf(RandomSoundOptions(random));
        std::copy_n(start.begin(), std::min(length, start.size()), bytes.begin());
      }
      testing::WriteFileBytes(file, bytes);
      testing::FakeTableView view;
      Game game(view);
      game.flow.OptionsPath = file.string();
      ReadOptions(game.flow);
      ChooseLanguage(game.flow, kEnglish);

      if (!Damaged(bytes)) {
        ++sound;
        EXPECT_EQ(game.flow.state.options, FieldsOf(bytes));
        EXPECT_EQ(ReadFileBytes(file), bytes);
        EXPECT_TRUE(view.informed.empty());
        continue;
      }
      const std::string name =
          std::string(kOptionsFileName) + ".damaged" +
          (set_aside.empty() ? "" : "." + std::to_string(set_aside.size() + 1));
      set_aside.emplace_back(name, bytes);
      ASSERT_EQ(ReadFileBytes(folder.path() / name), bytes) << name;
      EXPECT_EQ(game.flow.state.options, Options{});
      EXPECT_EQ(ReadFileBytes(file), FileOf(Options{}));
      ASSERT_EQ(view.informed.size(), 1u);
      EXPECT_TRUE(view.informed[0].ends_with("\n" + (folder.path() / name).string()));
    }
  }
  for (const auto& [name, bytes] : set_aside)
    EXPECT_EQ(ReadFileBytes(folder.path() / name), bytes) << name;
  EXPECT_EQ(folder.Contents().size(), set_aside.size() + 1);
  EXPECT_GT(sound, 0);
}

}  // namespace
}  // namespace zarvane
