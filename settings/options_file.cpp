#include "settings/options_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace zarvane {

namespace {

// Where each field sits in the file.
constexpr std::size_t kLevelAt = 0;
constexpr std::size_t kColourAt = 4;
constexpr std::size_t kForceOptionAt = 8;
constexpr std::size_t kCardSpeedAt = 12;
constexpr std::size_t kTrickWaitAt = 16;
constexpr std::size_t kBidAdviceAt = 20;
constexpr std::size_t kShowDealPointsAt = 21;
constexpr std::size_t kShowDeductionsAt = 22;
constexpr std::size_t kAtLeastOneTakerAt = 23;
constexpr std::size_t kScoresAt = 24;  // South, East, North, West, four bytes each

using FileBytes = std::array<std::uint8_t, kOptionsFileSize>;

constexpr std::size_t ScoreAt(int seat) {
  return kScoresAt + 4 * static_cast<std::size_t>(seat - 1);
}

void PutInt32(FileBytes& bytes, std::size_t at, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (std::size_t k = 0; k < 4; ++k)
    bytes[at + k] = static_cast<std::uint8_t>(bits >> (8 * k));
}

std::int32_t GetInt32(std::span<const std::uint8_t> bytes, std::size_t at) {
  std::uint32_t bits = 0;
  for (std::size_t k = 0; k < 4; ++k)
    bits |= static_cast<std::uint32_t>(bytes[at + k]) << (8 * k);
  return static_cast<std::int32_t>(bits);
}

bool InRange(const Options& o) {
  return kLevelRange.Contains(o.Level) && kColourRange.Contains(o.BackgroundColour) &&
         kForceOptionRange.Contains(o.ForceOption) && kCardSpeedRange.Contains(o.CardSpeed) &&
         kTrickWaitRange.Contains(o.TrickWait) && kFlagRange.Contains(o.BidAdvice) &&
         kFlagRange.Contains(o.ShowDealPoints) && kFlagRange.Contains(o.ShowDeductions) &&
         kFlagRange.Contains(o.AtLeastOneTaker);
}

}  // namespace

std::array<std::uint8_t, kOptionsFileSize> EncodeOptions(const Options& options) {
  FileBytes bytes{};
  PutInt32(bytes, kLevelAt, options.Level);
  PutInt32(bytes, kColourAt, options.BackgroundColour);
  PutInt32(bytes, kForceOptionAt, options.ForceOption);
  PutInt32(bytes, kCardSpeedAt, options.CardSpeed);
  PutInt32(bytes, kTrickWaitAt, options.TrickWait);
  bytes[kBidAdviceAt] = options.BidAdvice;
  bytes[kShowDealPointsAt] = options.ShowDealPoints;
  bytes[kShowDeductionsAt] = options.ShowDeductions;
  bytes[kAtLeastOneTakerAt] = options.AtLeastOneTaker;
  for (int seat = 1; seat <= 4; ++seat)
    PutInt32(bytes, ScoreAt(seat), options.Scores[seat]);
  return bytes;
}

std::optional<Options> DecodeOptions(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != kOptionsFileSize)
    return std::nullopt;
  Options options;
  options.Level = GetInt32(bytes, kLevelAt);
  options.BackgroundColour = GetInt32(bytes, kColourAt);
  options.ForceOption = GetInt32(bytes, kForceOptionAt);
  options.CardSpeed = GetInt32(bytes, kCardSpeedAt);
  options.TrickWait = GetInt32(bytes, kTrickWaitAt);
  options.BidAdvice = bytes[kBidAdviceAt];
  options.ShowDealPoints = bytes[kShowDealPointsAt];
  options.ShowDeductions = bytes[kShowDeductionsAt];
  options.AtLeastOneTaker = bytes[kAtLeastOneTakerAt];
  for (int seat = 1; seat <= 4; ++seat)
    options.Scores[seat] = GetInt32(bytes, ScoreAt(seat));
  if (!InRange(options))
    return std::nullopt;
  return options;
}

bool WriteOptionsFile(const std::string& path, const Options& options) {
  const FileBytes bytes = EncodeOptions(options);
  // Beside the file, so that the rename stays within one file system and is atomic.
  const std::string temporary = path + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr)
    return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                 std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
  written = std::fclose(file) == 0 && written;
  if (written && std::rename(temporary.c_str(), path.c_str()) == 0)
    return true;
  std::remove(temporary.c_str());
  return false;
}

ReadStatus ReadOptionsFile(const std::string& path, Options& options) {
  std::error_code error;
  const std::filesystem::file_type type = std::filesystem::status(path, error).type();
  if (type == std::filesystem::file_type::not_found)
    return ReadStatus::Missing;
  // A folder or a device under the file's name cannot hold the options.
  if (type != std::filesystem::file_type::regular)
    return ReadStatus::Unreadable;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr)
    return ReadStatus::Unreadable;
  // One byte more than the file's size, to tell a longer file from a whole one.
  std::array<std::uint8_t, kOptionsFileSize + 1> bytes{};
  const std::size_t count = std::fread(bytes.data(), 1, bytes.size(), file);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed)
    return ReadStatus::Unreadable;
  const auto decoded = DecodeOptions(std::span<const std::uint8_t>(bytes.data(), count));
  if (!decoded)
    return ReadStatus::Damaged;
  options = *decoded;
  return ReadStatus::Ok;
}

std::optional<std::string> MoveDamagedFileAside(const std::string& path) {
  for (int copy = 1;; ++copy) {
    std::string aside = path + ".damaged";
    if (copy > 1) {
      aside += '.';
      aside += std::to_string(copy);
    }
    // Not a look first and a rename after: a file that takes the name in between would be
    // replaced.
    if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0)
      return aside;
    if (errno != EEXIST)
      return std::nullopt;
  }
}

}  // namespace zarvane
