#include "table/table_presenter.h"

#include <string>

#include "table/deductions_panel.h"
#include "table/game.h"
#include "table/hand_layout.h"
#include "table/messages.h"
#include "table/result_panel.h"

namespace zarvane {

void TablePresenter::ShowPlayable() {
  const int seat = game_.flow.state.HumanSeat;
  for (int k = 1; k <= 18; ++k) {
    game_.view.SetPointer(
        Control::Carte3D, k,
        game_.flow.state.Playable[seat][k] == 1 ? Pointer::HandPoint : Pointer::NoDrop);
  }
}

void TablePresenter::ClearRulePanel(int seat) {
  game_.view.SetText(Control::PanelRegle, seat, "");
}

// Each rule that chose writes its number on the seat's rule panel in turn.
void TablePresenter::ShowMarkedRules(int seat, const MarkedRules& marked) {
  for (int i = 0; i < marked.count; ++i) {
    game_.view.SetText(Control::PanelRegle, seat,
                       std::to_string(marked.numbers[static_cast<std::size_t>(i)]));
  }
}

// The lifted card goes back in line with the others.
void TablePresenter::LowerAdvisedCard() {
  if (!game_.table.AdvisedSlot)
    return;
  PlaceSouthCard(game_, *game_.table.AdvisedSlot, 0);
  game_.table.AdvisedSlot.reset();
}

void TablePresenter::LiftAdvisedCard(int slot) {
  LowerAdvisedCard();
  game_.table.AdvisedSlot = slot;
  PlaceSouthCard(game_, slot, game_.table.layout.SelectLift);
  // The highlight goes with it, so that the key that plays plays the advice.
  game_.view.SetFocus(Control::Carte3D, slot);
}

void TablePresenter::ShowCardPlayed(int seat, int slot) {
  Game& game = game_;
  RefreshDeductions(game);
  if (seat == game.flow.state.HumanSeat)
    game.view.SetVisible(Control::Carte3D, slot, false);
  game.view.SetVisible(Control::CarteTable, seat, true);
  game.view.ShowCard(Control::CarteTable, seat, game.flow.state.Hands[seat][slot]);
}

void TablePresenter::ShowTrickEnd() {
  Game& game = game_;
  if (game.flow.state.TrickNumber == 2)
    EnablePreviousTrick(true);
  ShowTrickCount(game);
  const bool more_tricks = game.flow.state.TrickNumber < 19;
  if (more_tricks)
    zarvane::Say(game, kContinuePrompt);
  else
    game.view.SetText(Control::info, 0, "");  // "Play !" no longer applies: the deal is over
  if (more_tricks)
    RefreshDeductions(game);
}

// After the last trick its four cards stay on the table.
void TablePresenter::ClearTrickCards() {
  if (game_.flow.state.TrickNumber == 19)
    return;
  for (int seat = 1; seat <= 4; ++seat)
    game_.view.SetVisible(Control::CarteTable, seat, false);
}

void TablePresenter::ResumePlay() {
  game_.view.SetText(Control::info, 0, "");
  ShowTableAndTakerFrame();
}

}  // namespace zarvane
