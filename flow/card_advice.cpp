#include "flow/card_advice.h"

#include "core/card_play.h"
#include "core/strategy/computer_card.h"

namespace zarvane {

void AskCardAdvice(Flow& game) {
  if (game.CardAdviceOpen == 0)
    return;
  if (game.state.options.Level == kExpertLevel) {
    game.AdviceDue = true;
    return;
  }
  LiftAdviceThoughtNow(game);
}

void LiftAdviceThoughtNow(Flow& game) {
  // The computer's choice is made on a copy, with a copy of the game's generator, so the deal
  // goes on exactly as if nobody had asked.
  Core copy = game.state;
  MarkedRules unused;
  if (const std::optional<int> slot = ComputerCardSlot(copy, game.state.HumanSeat, unused))
    game.presenter->LiftAdvisedCard(*slot);
}

void AdvisedCardChosen(Flow& game, std::uint32_t ticket, int slot) {
  if (ticket != game.ThinkingTicket || game.CardAdviceOpen == 0 || slot < 1)
    return;
  game.presenter->LiftAdvisedCard(slot);
}

void EnableCardAdvice(Flow& game, bool enabled) {
  game.CardAdviceOpen = enabled ? 1 : 0;
  game.presenter->EnableCardAdvice(enabled);
}

}  // namespace zarvane
