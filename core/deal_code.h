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
  Check,      // the check characters do not match: a typing slip
  NotADeal,   // well formed, but no deal has that number
};

// The code a player reads, types and sends: 35 characters of digits and capitals without the
// look-alikes I, L, O (and U), in 7 groups of 5. It is shown with dashes between the groups.
inline constexpr int kDealCodeGroups = 7;
inline constexpr int kDealCodeGroupSize = 5;
inline constexpr int kDealCodeLength = kDealCodeGroups * kDealCodeGroupSize;
inline constexpr int kShownDealCodeLength = kDealCodeLength + kDealCodeGroups - 1;
// The form codes had before: 29 characters of a URL-safe alphabet in both cases. Codes
// already handed out in it are still read, and the saved deal keeps it.
inline constexpr int kCompactDealCodeLength = 29;

// Both forms carry the same thing: the deal's number among all the ways of sharing the pack
// into four hands of 18 and a dog of 6, with the first player. The readable form holds it in
// 33 characters and two check characters, which catch any one character changed and any two
// neighbours swapped, and tell in which group a single slip lies. The compact form holds it
// in 28 characters and one check character.
std::string EncodeDealCode(const DealtDeal& deal);
std::string EncodeCompactDealCode(const DealtDeal& deal);

struct DecodedDealCode {
  std::optional<DealtDeal> deal;
  CodeFault fault = CodeFault::None;
  int group = 0;  // the group (1..7) of an unknown character or of a slip; 0 when not known
};
// Reads either form; the length tells them apart. The compact form is read exactly as it was
// written, both cases counting. The readable form ignores case, spaces and dashes, and reads
// O as 0, I and L as 1. Spaces around a code, as a paste may bring, are ignored.
DecodedDealCode DecodeDealCode(std::string_view code);

}  // namespace zarvane
