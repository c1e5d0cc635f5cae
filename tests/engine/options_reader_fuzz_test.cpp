#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <span>
#include <vector>

#include "settings/options_file.h"
#include "tests/support/temp_folder.h"

namespace zarvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Every option holds a value of its range, whatever the bytes were.
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

// What was read is in range, and written again it reads back the same with nothing mended.
::testing::AssertionResult Sound(std::span<const std::uint8_t> bytes) {
  const Options read = DecodeOptions(bytes);
  if (auto in_range = InRange(read); !in_range)
    return in_range;
  const auto written = EncodeOptions(read);
  bool mended = true;
  if (!(DecodeOptions(written, &mended) == read) || mended)
    return ::testing::AssertionFailure() << "the next write does not read back as it was";
  return ::testing::AssertionSuccess();
}

Bytes DefaultFile() {
  const auto bytes = EncodeOptions(Options{});
  return Bytes(bytes.begin(), bytes.end());
}

Bytes RandomBytes(std::mt19937& random, std::size_t length) {
  Bytes bytes(length);
  for (auto& byte : bytes)
    byte = static_cast<std::uint8_t>(random());
  return bytes;
}

// A million files of every length from 0 to 80: random bytes, the default file with one byte
// changed in every possible way, and every cut of both.
TEST(OptionsReaderFuzz, AMillionGarbledFilesReadInRangeAndWriteBackWhole) {
  std::mt19937 random(20260);
  std::int64_t tried = 0;
  const Bytes defaults = DefaultFile();
  for (std::size_t at = 0; at < defaults.size(); ++at) {
    for (int value = 0; value < 256; ++value) {
      Bytes changed = defaults;
      changed[at] = static_cast<std::uint8_t>(value);
      for (std::size_t length = 0; length <= changed.size(); ++length, ++tried)
        ASSERT_TRUE(Sound(std::span(changed).first(length))) << "byte " << at << " = " << value;
    }
  }
  while (tried < 1'000'000) {
    const Bytes bytes = RandomBytes(random, random() % 81);
    ++tried;
    ASSERT_TRUE(Sound(bytes));
  }
  EXPECT_GE(tried, 1'000'000);
}

// The totals a cut file still holds are kept; only what is missing or out of range falls back.
TEST(OptionsReaderFuzz, ATotalStillInTheFileIsNeverLost) {
  std::mt19937 random(7);
  for (int n = 0; n < 20'000; ++n) {
    const std::size_t length = random() % 81;
    const Bytes bytes = RandomBytes(random, length);
    const Options read = DecodeOptions(bytes);
    for (int seat = 1; seat <= 4; ++seat) {
      const std::size_t at = 24 + 4 * static_cast<std::size_t>(seat - 1);
      if (length < at + 4) {
        EXPECT_EQ(read.Scores[seat], 0);
        continue;
      }
      const auto stored =
          static_cast<std::int32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                    static_cast<std::uint32_t>(bytes[at + 3]) << 24);
      EXPECT_EQ(read.Scores[seat], stored);
    }
  }
}

// The same through the file on disk: the reader takes any file, and the next write leaves
// exactly 40 bytes that read back with nothing to mend.
TEST(OptionsReaderFuzz, GarbledFilesOnDiskAreReadAndRewrittenWhole) {
  testing::TempFolder folder;
  const std::string path = (folder.path() / kOptionsFileName).string();
  std::mt19937 random(31);
  int files = 0;
  for (std::size_t length = 0; length <= 80; ++length) {
    for (int n = 0; n < 6; ++n, ++files) {
      const Bytes bytes = RandomBytes(random, length);
      std::ofstream(path, std::ios::binary | std::ios::trunc)
          .write(reinterpret_cast<const char*>(bytes.data()),
                 static_cast<std::streamsize>(bytes.size()));
      Options read;
      ASSERT_EQ(ReadOptionsFile(path, read), ReadStatus::Ok);
      ASSERT_TRUE(InRange(read));
      ASSERT_TRUE(WriteOptionsFile(path, read));
      ASSERT_EQ(std::filesystem::file_size(path), kOptionsFileSize);
      Options again;
      bool mended = true;
      ASSERT_EQ(ReadOptionsFile(path, again, &mended), ReadStatus::Ok);
      EXPECT_FALSE(mended);
      EXPECT_EQ(again, read);
    }
  }
  EXPECT_EQ(folder.Contents(), std::vector<std::string>{std::string(kOptionsFileName)});
  EXPECT_EQ(files, 81 * 6);
}

}  // namespace
}  // namespace zarvane
