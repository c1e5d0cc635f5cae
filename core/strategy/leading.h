#pragma once

#include <span>

#include "core/strategy/rule_entry.h"

namespace zarvane {

// The rules for the seat that leads a trick: the taker cashes master cards, opens his long
// suit and keeps his bare kings; a defender picks the suit to open and the honours to hold.
std::span<const RuleEntry> LeadingRules();

}  // namespace zarvane
