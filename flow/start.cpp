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
  game.state.ReplayedDeal = 0;
  game.state.DealPhase = Phase::Opening;
  game.state.RuleState.Fill(1);
  for (Card& card : game.state.TrickCards)
    card.Suit = kNoSuit;
  game.state.HumanSeat = kSouth;
  game.state.FirstPlayer = kNorth;
  BuildCardTable(game.state);
  for (int k = 1; k <= 78; ++k)
    game.state.DealOrder[k] = k;
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
