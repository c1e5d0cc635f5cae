#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "flow/deal_record.h"

namespace zarvane {

// What the resume file holds: the deal's record, and where the deal stood after its last move.
struct SavedDeal {
  DealRecord record;
  DealCheck check;
};

// A deal of a few hundred moves takes a few kilobytes; anything much longer is not ours.
inline constexpr std::size_t kSavedDealLimit = 1 << 20;

std::string EncodeSavedDeal(const SavedDeal& saved);
// The saved deal, or nothing unless the text is a whole one written by this program: JSON of
// the right shape, a deal code that decodes, the pack's order twice, known moves, and values
// in their ranges. Never an exception, whatever the bytes.
std::optional<SavedDeal> DecodeSavedDeal(std::string_view text);

}  // namespace zarvane
