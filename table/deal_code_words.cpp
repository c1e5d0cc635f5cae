#include "table/deal_code_words.h"

#include "settings/texts.h"

namespace zarvane {

DealCodeWords DealCodeWordsIn(int language) {
  return {Pick(language, kPlayDealMenuCaption), Pick(language, kPlayDealPrompt)};
}

std::string_view CodeFaultWords(int language, CodeFault fault) {
  switch (fault) {
    case CodeFault::Length:
      return Pick(language, kCodeLengthFault);
    case CodeFault::Character:
      return Pick(language, kCodeCharacterFault);
    case CodeFault::Check:
      return Pick(language, kCodeCheckFault);
    case CodeFault::NotADeal:
    case CodeFault::None:
      break;
  }
  return Pick(language, kCodeNotADealFault);
}

}  // namespace zarvane
