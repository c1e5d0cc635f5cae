#pragma once

#include <span>

#include "core/strategy/turn.h"

namespace zarvane {

struct RuleEntry {
  int number;
  RuleFunction apply;
};

// A family of rules, each file of rules giving its own.
using RuleFamily = std::span<const RuleEntry> (*)();

}  // namespace zarvane
