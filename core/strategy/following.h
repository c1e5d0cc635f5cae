#pragma once

#include <span>

#include "core/strategy/rule_entry.h"

namespace zarvane {

// The rules for a seat that does not lead: which honour to put on the trick, when to win it
// and with what, when to ruff ahead of the taker, and what a defender out of trumps throws.
std::span<const RuleEntry> FollowingRules();

}  // namespace zarvane
