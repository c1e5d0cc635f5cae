#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/deal.h"

namespace zarvane {

// Why a code is not a deal, so that the player can be told.
enum class CodeFault {
  None,
  Length,     // not the length of a code
  Character,  // a character outside the code's alphabet
  Check,      // the check character does not match: a typing slip
  NotADeal,   // well formed, but no deal has that number
};

inline constexpr int kDealCodeLength = 29;

// The deal's number among all the ways of sharing the pack into four hands of 18 and a dog of
// 6, with the first player, in 28 characters of a URL-safe alphabet, and a check character
// that catches any one character changed.
std::string EncodeDealCode(const DealtDeal& deal);

struct DecodedDealCode {
  std::optional<DealtDeal> deal;
  CodeFault fault = CodeFault::None;
};
// Spaces around the code, as a paste may bring, are ignored.
DecodedDealCode DecodeDealCode(std::string_view code);

}  // namespace zarvane
