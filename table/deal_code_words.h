#pragma once

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

// Why a code is refused.
std::string_view CodeFaultWords(int language, CodeFault fault);

}  // namespace zarvane
