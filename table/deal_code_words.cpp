#include "table/deal_code_words.h"

#include "settings/texts.h"

namespace zarvane {

DealCodeWords DealCodeWordsIn(int language) {
  return {Pick(language, kPlayDealMenuCaption), Pick(language, kPlayDealPrompt)};
}

std::string CodeFaultWords(int language, const DecodedDealCode& decoded) {
  std::string words;
  switch (decoded.fault) {
    case CodeFault::Length:
      return std::string(Pick(language, kCodeLengthFault));
    case CodeFault::Character:
      words = Pick(language, kCodeCharacterFault);
      break;
    case CodeFault::Check:
      words = Pick(language, kCodeCheckFault);
      break;
    case CodeFault::NotADeal:
    case CodeFault::None:
      return std::string(Pick(language, kCodeNotADealFault));
  }
  if (decoded.group > 0)
    words += std::string(Pick(language, kCodeFaultInGroup)) + std::to_string(decoded.group);
  else if (decoded.fault == CodeFault::Check)
    words += Pick(language, kCodeFaultSomewhere);
  return words + '.';
}

}  // namespace zarvane
