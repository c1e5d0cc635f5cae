#include "flow/card_advice.h"

#include "core/card_play.h"
#include "core/strategy/computer_card.h"
#include "flow/moves.h"

namespace zarvane {

void CardAdviceClick(Flow& game) {
  MoveScope move(game, Move{MoveKind::CardAdvice});
  if (game.CardAdviceOpen == 0)
    return;
  // The Expert thinks on the worker, as for a computer seat, so that the window stays live; a
  // replay thinks on the spot, so that the table stands as it did.
  if (game.options.Level == kExpertLevel && game.thinker != nullptr && !game.Replaying) {
    game.AdviceTicket = ++game.ThinkingTicket;
    game.thinker->Think(game, game.HumanSeat, game.AdviceTicket);
    return;
  }
  // The computer's choice is made on a copy, with a copy of the game's generator, so the deal
  // goes on exactly as if nobody had asked.
  Core copy = game;
  MarkedRules unused;
  const int slot = ComputerCardSlot(copy, game.HumanSeat, unused);
  if (slot < 1)
    return;
  game.presenter->LiftAdvisedCard(slot);
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
