#pragma once

#include <span>

#include "core/strategy/rule_entry.h"

namespace zarvane {

// The rules that keep, play or hunt the Petit, place the Excuse and lead or hold back trumps.
std::span<const RuleEntry> PetitExcuseTrumpRules();

}  // namespace zarvane
