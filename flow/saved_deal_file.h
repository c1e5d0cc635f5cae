#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "flow/deal_record.h"
#include "settings/score_history.h"

namespace zarvane {

// What the resume file holds: the deal's record, and where the deal stood after its last move.
// Once a deal whose score counts is over, its line of the history too, which holds the totals
// after it: saved before the history and the options file take them, so that a program stopped
// half way through writing them finishes the job at its next start.
struct SavedDeal {
  DealRecord record;
  DealCheck check;
  std::optional<ScoredDeal> settled;
};

// A deal of a few hundred moves takes a few kilobytes; anything much longer is not ours.
inline constexpr std::size_t kSavedDealLimit = 1 << 20;

std::string EncodeSavedDeal(const SavedDeal& saved);
// The saved deal, or nothing unless the text is a whole one written by this program: JSON of
// the right shape, a deal code that decodes, the pack's order twice, known moves, and values
// in their ranges. Never an exception, whatever the bytes.
std::optional<SavedDeal> DecodeSavedDeal(std::string_view text);

}  // namespace zarvane
