#pragma once

#include <span>

namespace zarvane {

// Every rule number, in the order the strategy evaluates them.
std::span<const int> RuleOrder();

// The lowest playing level at which the rule runs: 1 for most rules.
int MinimumLevel(int number);

}  // namespace zarvane
