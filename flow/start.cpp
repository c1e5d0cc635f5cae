#include "flow/start.h"

#include "core/cards.h"
#include "flow/card_advice.h"
#include "flow/interrupted_deal.h"
#include "flow/options_flow.h"
#include "settings/texts.h"

namespace zarvane {

void StartUp(Flow& game) {
  ReadOptions(game);
  game.presenter->ShowLanguageTexts();
  ApplyOptions(game);
  game.presenter->EnablePreviousTrick(false);
  EnableCardAdvice(game, false);
  game.presenter->EnableReplay(false);
  game.ReplayedDeal = 0;
  game.DealPhase = Phase::Opening;
  game.RuleState.Fill(1);
  for (Card& card : game.TrickCards)
    card.Suit = kNoSuit;
  game.HumanSeat = kSouth;
  game.FirstPlayer = kNorth;
  BuildCardTable(game);
  for (int k = 1; k <= 78; ++k)
    game.DealOrder[k] = k;
  ApplyOptions(game);
  game.presenter->ShowOpening();
}

void ChooseLanguage(Flow& game, int language) {
  if (language != kFrench && language != kEnglish)
    return;
  game.Language = language;
  game.presenter->ShowLanguageTexts();
  ApplyOptions(game);
  if (game.OptionsFileTroublePending != nullptr)
    ReportOptionsFileTrouble(game, *game.OptionsFileTroublePending, game.OptionsFileTroublePath);
  OfferInterruptedDeal(game);
}

}  // namespace zarvane
