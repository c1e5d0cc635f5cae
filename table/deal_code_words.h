#pragma once

#include <string>
#include <string_view>

#include "core/deal_code.h"

namespace zarvane {

// The words of playing a deal by its code, in the chosen language (1 French, 2 English);
// empty before a language is chosen.
struct DealCodeWords {
  std::string_view menu_entry;
  std::string_view prompt;
};
DealCodeWords DealCodeWordsIn(int language);

// Why a code is refused, naming the group where the fault lies when that is known.
std::string CodeFaultWords(int language, const DecodedDealCode& decoded);

}  // namespace zarvane
