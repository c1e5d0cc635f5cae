#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "settings/options.h"

namespace zarvane {

// "options" followed by the version text, in the current working folder.
inline constexpr std::string_view kOptionsFileName = "options98";
// 40 raw bytes, little-endian, no header: the layout players' files already have.
inline constexpr std::size_t kOptionsFileSize = 40;

// The values each option may hold; anything else read from a file is replaced by the
// option's default. The totals take any value.
struct ValueRange {
  std::int64_t first;
  std::int64_t last;
  constexpr bool Contains(std::int64_t value) const { return value >= first && value <= last; }
};
inline constexpr ValueRange kLevelRange{1, 5};
inline constexpr ValueRange kColourRange{0, 0xFFFFFF};
inline constexpr ValueRange kForceOptionRange{1, 6};
inline constexpr ValueRange kCardSpeedRange{1, 5};
inline constexpr ValueRange kTrickWaitRange{0, 3};
inline constexpr ValueRange kFlagRange{0, 1};

std::array<std::uint8_t, kOptionsFileSize> EncodeOptions(const Options& options);
// Reads the first 40 bytes. A field cut off by the end of the bytes, or holding a value
// out of its range, takes its default and *mended (when given) is set; the totals that are
// there are kept.
Options DecodeOptions(std::span<const std::uint8_t> bytes, bool* mended = nullptr);

// Replaces the file whole or not at all: the bytes go to a temporary file beside it, which
// then takes the file's name, so a crash or a full disk never leaves a cut-off file.
bool WriteOptionsFile(const std::string& path, const Options& options);

enum class ReadStatus { Ok, Missing, Unreadable };
// Ok: *options holds the decoded file. Missing or Unreadable: *options is untouched.
ReadStatus ReadOptionsFile(const std::string& path, Options& options, bool* mended = nullptr);

}  // namespace zarvane
