#include "settings/options_file.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>

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

void PutInt32(FileBytes& bytes, std::size_t at, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (std::size_t k = 0; k < 4; ++k)
    bytes[at + k] = static_cast<std::uint8_t>(bits >> (8 * k));
}

std::optional<std::int64_t> GetInt32(std::span<const std::uint8_t> bytes, std::size_t at) {
  if (bytes.size() < at + 4)
    return std::nullopt;
  std::uint32_t bits = 0;
  for (std::size_t k = 0; k < 4; ++k)
    bits |= static_cast<std::uint32_t>(bytes[at + k]) << (8 * k);
  return static_cast<std::int32_t>(bits);
}

std::optional<std::int64_t> GetByte(std::span<const std::uint8_t> bytes, std::size_t at) {
  if (bytes.size() < at + 1)
    return std::nullopt;
  return bytes[at];
}

// The field keeps its default unless the file holds a value in range for it.
template <typename Field>
void Take(std::optional<std::int64_t> stored, ValueRange range, Field& field, bool& mended) {
  if (stored && range.Contains(*stored))
    field = static_cast<Field>(*stored);
  else
    mended = true;
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
    PutInt32(bytes, kScoresAt + 4 * static_cast<std::size_t>(seat - 1), options.Scores[seat]);
  return bytes;
}

Options DecodeOptions(std::span<const std::uint8_t> bytes, bool* mended) {
  const auto head = bytes.first(std::min(bytes.size(), kOptionsFileSize));
  constexpr ValueRange kAnyTotal{INT32_MIN, INT32_MAX};
  Options options;
  bool any_mended = false;
  Take(GetInt32(head, kLevelAt), kLevelRange, options.Level, any_mended);
  Take(GetInt32(head, kColourAt), kColourRange, options.BackgroundColour, any_mended);
  Take(GetInt32(head, kForceOptionAt), kForceOptionRange, options.ForceOption, any_mended);
  Take(GetInt32(head, kCardSpeedAt), kCardSpeedRange, options.CardSpeed, any_mended);
  Take(GetInt32(head, kTrickWaitAt), kTrickWaitRange, options.TrickWait, any_mended);
  Take(GetByte(head, kBidAdviceAt), kFlagRange, options.BidAdvice, any_mended);
  Take(GetByte(head, kShowDealPointsAt), kFlagRange, options.ShowDealPoints, any_mended);
  Take(GetByte(head, kShowDeductionsAt), kFlagRange, options.ShowDeductions, any_mended);
  Take(GetByte(head, kAtLeastOneTakerAt), kFlagRange, options.AtLeastOneTaker, any_mended);
  for (int seat = 1; seat <= 4; ++seat) {
    const std::size_t at = kScoresAt + 4 * static_cast<std::size_t>(seat - 1);
    Take(GetInt32(head, at), kAnyTotal, options.Scores[seat], any_mended);
  }
  if (mended != nullptr)
    *mended = any_mended;
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

ReadStatus ReadOptionsFile(const std::string& path, Options& options, bool* mended) {
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
  FileBytes bytes{};
  const std::size_t count = std::fread(bytes.data(), 1, bytes.size(), file);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed)
    return ReadStatus::Unreadable;
  options = DecodeOptions(std::span<const std::uint8_t>(bytes.data(), count), mended);
  return ReadStatus::Ok;
}

}  // namespace zarvane
