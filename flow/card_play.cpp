#include "flow/card_play.h"

#include "core/scoring.h"
#include "core/strategy/expert.h"
#include "flow/card_advice.h"
#include "flow/deal_flow.h"
#include "flow/discard.h"
#include "flow/moves.h"

namespace zarvane {

void ComputePlayable(Flow& game, int seat) {
  ComputePlayableCards(game, seat);
  if (seat == game.HumanSeat)
    game.presenter->ShowPlayable();
}

int ComputerCardSlot(Flow& game, int seat) {
  // The panel is cleared before the thinking, so a long one shows an empty panel.
  if (CountPlayable(game, seat) >= 2)
    game.presenter->ClearRulePanel(seat);
  MarkedRules marked;
  const int slot = ComputerCardSlot(static_cast<Core&>(game), seat, marked);
  game.presenter->ShowMarkedRules(seat, marked);
  return slot;
}

void PlayComputerCard(Flow& game, int seat) {
  if (game.options.Level == kExpertLevel && CountPlayable(game, seat) >= 2) {
    // The panel is cleared before the thinking, so a long one shows an empty panel.
    game.presenter->ClearRulePanel(seat);
    game.DealPhase = Phase::Thinking;
    return;
  }
  const int slot = ComputerCardSlot(game, seat);
  if (slot != -1)
    PlaceCard(game, seat, slot);
}

void AskForComputerCard(Flow& game) {
  if (game.DealPhase != Phase::Thinking || game.Replaying)
    return;
  const std::uint32_t ticket = ++game.ThinkingTicket;
  if (game.thinker != nullptr)
    game.thinker->Think(game, game.CurrentSeat, ticket);
  else
    ExpertCardChosen(game, ticket, ExpertCardSlot(game, game.CurrentSeat));
}

void StopThinking(Flow& game) {
  ++game.ThinkingTicket;
  if (game.thinker != nullptr)
    game.thinker->Cancel();
}

void ExpertCardChosen(Flow& game, std::uint32_t ticket, int slot) {
  if (ticket == game.AdviceTicket) {
    AdvisedCardChosen(game, ticket, slot);
    return;
  }
  if (ticket != game.ThinkingTicket || game.DealPhase != Phase::Thinking)
    return;
  MoveScope move(game, Move{MoveKind::ExpertCard, slot});
  const int seat = game.CurrentSeat;
  game.DealPhase = Phase::Playing;
  const int drawn = ExpertChosenSlot(game, seat, slot);
  game.presenter->ShowMarkedRules(seat, MarkedRules{});
  if (drawn != -1)
    PlaceCard(game, seat, drawn);
}

void PlayHumanCard(Flow& game, int k) {
  MoveScope move(game, Move{MoveKind::HandCard, k});
  if (WaitsForClick(game.DealPhase)) {
    Continue(game);
    return;
  }
  if (game.DealPhase == Phase::Discard) {
    DiscardClick(game, k);
    return;
  }
  const int south = game.HumanSeat;
  if (game.DealPhase != Phase::SouthPlays || k < 1 || k > 18 || game.CurrentSeat != south ||
      game.Playable[south][k] != 1 || game.Hands[south][k].InHand != 1) {
    return;
  }
  PlaceCard(game, south, k);
}

void PlaceCard(Flow& game, int seat, int slot) {
  if (seat == game.HumanSeat) {
    // An advice still being thought would lift a card of a later turn.
    if (game.AdviceTicket == game.ThinkingTicket)
      StopThinking(game);
    EnableCardAdvice(game, false);
    game.presenter->LowerAdvisedCard();
  }
  PlaceCard(static_cast<Core&>(game), seat, slot);
  game.presenter->ShowCardPlayed(seat, slot);
  if (game.CardsInTrick == 4) {
    EndTrick(game);
    return;
  }
  game.presenter->StartTimer(TimerId::TimerEntreCarte, game.CardTimerInterval);
}

void EndTrick(Flow& game) {
  EndTrick(static_cast<Core&>(game));
  game.presenter->ShowTrickEnd();
  if (game.AutoContinue == 1 && game.TrickNumber < 19)
    game.presenter->StartTimer(TimerId::TimerTransition, game.TransitionTimerInterval);
}

}  // namespace zarvane
