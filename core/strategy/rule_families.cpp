#include "core/strategy/rule_families.h"

#include "core/strategy/following.h"
#include "core/strategy/leading.h"
#include "core/strategy/petit_excuse_trumps.h"

namespace zarvane {

std::span<const RuleFamily> RuleFamilies() {
  static constexpr RuleFamily kFamilies[] = {
      PetitExcuseTrumpRules,
      LeadingRules,
      FollowingRules,
  };
  return kFamilies;
}

RuleFunction FindRule(int number) {
  for (RuleFamily family : RuleFamilies()) {
    for (const RuleEntry& entry : family()) {
      if (entry.number == number)
        return entry.apply;
    }
  }
  return nullptr;
}

}  // namespace zarvane
