#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "settings/file_safety.h"
#include "settings/options.h"

namespace zarvane {

// "options" followed by the version text, in the current working folder.
inline constexpr std::string_view kOptionsFileName = "options98";
// 40 raw bytes, little-endian, no header: the layout players' files already have.
inline constexpr std::size_t kOptionsFileSize = 40;

// The values each option may hold; a file holding anything else is damaged. The totals take
// any value.
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
// The options and totals the bytes hold, or nothing when they are damaged: not exactly 40
// bytes, or an option out of its range. A damaged file is taken for nothing, so that no noise
// ever shows as a player's totals.
std::optional<Options> DecodeOptions(std::span<const std::uint8_t> bytes);

// Replaces the file whole or not at all.
bool WriteOptionsFile(const std::string& path, const Options& options);

// Ok: options holds the file. Otherwise options is untouched.
ReadStatus ReadOptionsFile(const std::string& path, Options& options);

}  // namespace zarvane
