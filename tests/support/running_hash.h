#pragma once

#include <cstdint>
#include <string_view>

namespace zarvane::testing {

// A 64-bit FNV-1a hash fed value by value, to record a long course of events as one number.
class RunningHash {
 public:
  void Add(std::int64_t value) {
    for (int byte = 0; byte < 8; ++byte)
      AddByte(static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) >> (8 * byte)));
  }
  void Add(std::string_view text) {
    Add(static_cast<std::int64_t>(text.size()));
    for (char c : text)
      AddByte(static_cast<std::uint8_t>(c));
  }

  std::uint64_t value = 14'695'981'039'346'656'037u;

 private:
  void AddByte(std::uint8_t byte) {
    value ^= byte;
    value *= 1'099'511'628'211u;
  }
};

}  // namespace zarvane::testing
