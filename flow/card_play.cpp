#include "flow/card_play.h"

#include "core/scoring.h"
#include "core/strategy/expert.h"
#include "flow/card_advice.h"

namespace zarvane {

void ComputePlayable(Flow& game, int seat) {
  ComputePlayableCards(game.state, seat);
  if (seat == game.state.HumanSeat)
    game.presenter->ShowPlayable();
}

std::optional<int> ShownComputerCardSlot(Flow& game, int seat) {
  // The panel is cleared before the thinking, so a long one shows an empty panel.
  if (CountPlayable(game.state, seat) >= 2)
    game.presenter->ClearRulePanel(seat);
  MarkedRules marked;
  const std::optional<int> slot = ComputerCardSlot(game.state, seat, marked);
  game.presenter->ShowMarkedRules(seat, marked);
  return slot;
}

void PlayComputerCard(Flow& game, int seat) {
  if (game.state.options.Level == kExpertLevel && CountPlayable(game.state, seat) >= 2) {
    // The panel is cleared before the thinking, so a long one shows an empty panel.
    game.presenter->ClearRulePanel(seat);
    game.state.DealPhase = Phase::Thinking;
    game.ThinkingDue = true;
    return;
  }
  if (const std::optional<int> slot = ShownComputerCardSlot(game, seat))
    PutCardOnTable(game, seat, *slot);
}

void StopThinking(Flow& game) {
  ++game.ThinkingTicket;
  if (game.thinker != nullptr)
    game.thinker->Cancel();
}

void PlayThoughtCard(Flow& game, int slot) {
  const int seat = game.state.CurrentSeat;
  game.state.DealPhase = Phase::Playing;
  const std::optional<int> drawn = ExpertChosenSlot(game.state, seat, slot);
  game.presenter->ShowMarkedRules(seat, MarkedRules{});
  if (drawn)
    PutCardOnTable(game, seat, *drawn);
}

void PlaySouthCard(Flow& game, int slot) {
  const int south = game.state.HumanSeat;
  if (game.state.DealPhase != Phase::SouthPlays || slot < 1 || slot > 18 ||
      game.state.CurrentSeat != south || game.state.Playable[south][slot] != 1 ||
      game.state.Hands[south][slot].InHand != 1) {
    return;
  }
  PutCardOnTable(game, south, slot);
}

void GoOnPlaying(Flow& game) {
  game.presenter->ResumePlay();
  game.presenter->StartTimer(TimerId::TimerEntreCarte, game.CardTimerInterval);
}

void StartTheTricks(Flow& game) {
  game.presenter->StopTimer(TimerId::TimerTransition);
  game.state.DealPhase = Phase::Playing;
  GoOnPlaying(game);
}

void PutCardOnTable(Flow& game, int seat, int slot) {
  if (seat == game.state.HumanSeat) {
    // An advice still being thought would lift a card of a later turn.
    if (game.AdviceTicket == game.ThinkingTicket)
      StopThinking(game);
    EnableCardAdvice(game, false);
    game.presenter->LowerAdvisedCard();
  }
  PlaceCard(game.state, seat, slot);
  game.presenter->ShowCardPlayed(seat, slot);
  if (game.state.CardsInTrick == 4) {
    FinishTrick(game);
    return;
  }
  game.presenter->StartTimer(TimerId::TimerEntreCarte, game.CardTimerInterval);
}

void FinishTrick(Flow& game) {
  EndTrick(game.state);
  game.presenter->ShowTrickEnd();
  if (game.AutoContinue == 1 && game.state.TrickNumber < 19)
    game.presenter->StartTimer(TimerId::TimerTransition, game.TransitionTimerInterval);
}

}  // namespace zarvane
