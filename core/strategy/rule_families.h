#pragma once

#include <span>

#include "core/strategy/rule_entry.h"

namespace zarvane {

// Every family of rules the strategy knows.
std::span<const RuleFamily> RuleFamilies();

// The rule of that number in any known family; nullptr while no family provides it.
RuleFunction FindRule(int number);

}  // namespace zarvane
