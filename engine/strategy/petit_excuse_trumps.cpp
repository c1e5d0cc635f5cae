#include "engine/strategy/petit_excuse_trumps.h"

#include "engine/strategy/shared_operations.h"

namespace zarvane {

std::span<const RuleEntry> PetitExcuseTrumpRules() {
  return {};
}

}  // namespace zarvane
