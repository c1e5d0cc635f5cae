#include "table/table_presenter.h"

#include "core/discard.h"
#include "flow/discard.h"
#include "table/deductions_panel.h"
#include "table/game.h"
#include "table/hand_layout.h"
#include "table/messages.h"

namespace zarvane {

void TablePresenter::ShowDog() {
  Game& game = game_;
  for (int i = 1; i <= 6; ++i) {
    game.table.DogCardDrop[i] = RandomUpTo(game.flow.state.random, 3);
    game.view.Place(Control::CarteChien, i, DogCardLeft(game.table.layout, i), DogCardTop(game, i));
    game.view.SetPointer(Control::CarteChien, i, Pointer::Normal);
    game.view.ShowCard(Control::CarteChien, i, game.flow.state.Dog[i]);
    game.view.SetVisible(Control::CarteChien, i, true);
  }
  zarvane::Say(game, kDogShownPrompt);
  for (int k = 1; k <= 18; ++k)
    game.view.SetPointer(Control::Carte3D, k, Pointer::NoDrop);
}

void TablePresenter::HideDog() {
  for (int i = 1; i <= 6; ++i)
    game_.view.SetVisible(Control::CarteChien, i, false);
}

void TablePresenter::ShowTableAndTakerFrame() {
  game_.view.SetVisible(Control::TableRonde, 0, true);
  game_.view.SetVisible(Control::CadrePreneur, game_.flow.state.Taker, true);
}

void TablePresenter::ShowDiscardRow() {
  Game& game = game_;
  for (int k = 1; k <= 24; ++k) {
    game.table.DiscardImageRise[k] = RandomUpTo(game.flow.state.random, 3);
    PlaceDiscardImage(game, k, false);
    game.view.SetPointer(Control::Carte3D, k, Pointer::HandPoint);
    game.view.SetVisible(Control::Carte3D, k, false);
  }
  for (int k = 1; k <= 24; ++k)
    game.view.ShowCard(Control::Carte3D, k, DiscardImageCard(game.flow, k));
  for (int k = 1; k <= 24; ++k) {
    if (MustKeep(DiscardImageCard(game.flow, k)))
      game.view.SetPointer(Control::Carte3D, k, Pointer::NoEntry);
  }
  for (int k = 1; k <= 24; ++k)
    game.view.SetVisible(Control::Carte3D, k, true);
  zarvane::Say(game, kDiscardPrompt);
}

void TablePresenter::LiftDiscardImage(int k, bool lifted) {
  PlaceDiscardImage(game_, k, lifted);
}

void TablePresenter::ShowDiscardConfirmation(bool shown) {
  game_.view.SetVisible(Control::PanelConfirmeEcart, 0, shown);
}

void TablePresenter::HideDiscardRow() {
  for (int k = 1; k <= 24; ++k)
    game_.view.SetVisible(Control::Carte3D, k, false);
}

void TablePresenter::LayOutSouthHand() {
  zarvane::LayOutSouthHand(game_);
}

void TablePresenter::ShowDeductions() {
  RefreshDeductions(game_);
}

}  // namespace zarvane
