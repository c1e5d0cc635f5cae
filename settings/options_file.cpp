#include "settings/options_file.h"

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

using OptionBytes = std::array<std::uint8_t, kOptionsFileSize>;

constexpr std::size_t ScoreAt(int seat) {
  return kScoresAt + 4 * static_cast<std::size_t>(seat - 1);
}

void PutInt32(OptionBytes& bytes, std::size_t at, std::int32_t value) {
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
  OptionBytes bytes{};
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
  const auto bytes = EncodeOptions(options);
  return ReplaceFileWhole(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

ReadStatus ReadOptionsFile(const std::string& path, Options& options) {
  const FileBytes file = ReadSmallFile(path, kOptionsFileSize);
  if (file.status != ReadStatus::Ok)
    return file.status;
  const auto decoded = DecodeOptions(std::span<const std::uint8_t>(
      reinterpret_cast<const std::uint8_t*>(file.bytes.data()), file.bytes.size()));
  if (!decoded)
    return ReadStatus::Damaged;
  options = *decoded;
  return ReadStatus::Ok;
}

}  // namespace zarvane
