#include "engine/card_play.h"

#include <string>

#include "engine/card_advice.h"
#include "engine/deal_flow.h"
#include "engine/deductions_panel.h"
#include "engine/discard.h"
#include "engine/messages.h"
#include "engine/result_panel.h"

namespace zarvane {

void ComputePlayable(Game& game, int seat) {
  ComputePlayableCards(game, seat);
  if (seat != game.HumanSeat)
    return;
  for (int k = 1; k <= 18; ++k) {
    game.view.SetPointer(Control::Carte3D, k,
                         game.Playable[seat][k] == 1 ? Pointer::HandPoint : Pointer::NoDrop);
  }
}

int ComputerCardSlot(Game& game, int seat) {
  // The panel is cleared before the thinking, so a long one shows an empty panel.
  if (CountPlayable(game, seat) >= 2)
    game.view.SetText(Control::PanelRegle, seat, "");
  MarkedRules marked;
  const int slot = ComputerCardSlot(static_cast<Core&>(game), seat, marked);
  ShowMarkedRules(game, seat, marked);
  return slot;
}

void ShowMarkedRules(Game& game, int seat, const MarkedRules& marked) {
  for (int i = 0; i < marked.count; ++i) {
    game.view.SetText(Control::PanelRegle, seat,
                      std::to_string(marked.numbers[static_cast<std::size_t>(i)]));
  }
}

void PlayComputerCard(Game& game, int seat) {
  const int slot = ComputerCardSlot(game, seat);
  if (slot != -1)
    PlaceCard(game, seat, slot);
}

void PlayHumanCard(Game& game, int k) {
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

void PlaceCard(Game& game, int seat, int slot) {
  if (seat == game.HumanSeat) {
    EnableCardAdvice(game, false);
    LowerAdvisedCard(game);
  }
  PlaceCard(static_cast<Core&>(game), seat, slot);
  RefreshDeductions(game);
  if (seat == game.HumanSeat)
    game.view.SetVisible(Control::Carte3D, slot, false);
  ShowTableCard(game, seat, slot);
  if (game.CardsInTrick == 4) {
    EndTrick(game);
    return;
  }
  game.view.StartTimer(TimerId::TimerEntreCarte, game.CardTimerInterval);
}

void ShowTableCard(Game& game, int seat, int slot) {
  game.view.SetVisible(Control::CarteTable, seat, true);
  game.view.ShowCard(Control::CarteTable, seat, game.Hands[seat][slot]);
}

void EndTrick(Game& game) {
  EndTrick(static_cast<Core&>(game));
  if (game.TrickNumber == 2) {
    game.view.SetEnabled(Control::menuPreviousTrick, 0, true);
    game.view.SetEnabled(Control::SBVoirPliPrecedent, 0, true);
  }
  ShowTrickCount(game);
  const bool more_tricks = game.TrickNumber < 19;
  if (more_tricks)
    Say(game, kContinuePrompt);
  else
    game.view.SetText(Control::info, 0, "");  // "Play !" no longer applies: the deal is over
  if (more_tricks)
    RefreshDeductions(game);
  if (game.AutoContinue == 1 && more_tricks)
    game.view.StartTimer(TimerId::TimerTransition, game.TransitionTimerInterval);
}

}  // namespace zarvane
