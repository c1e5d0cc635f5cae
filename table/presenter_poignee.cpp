#include "table/table_presenter.h"

#include "flow/poignee.h"
#include "table/game.h"
#include "table/hand_layout.h"

namespace zarvane {

void TablePresenter::OfferPoignee(int trumps) {
  TableView& view = game_.view;
  view.SetVisible(Control::PanelPoigneeDouble, 0, false);
  view.SetVisible(Control::PanelPoigneeTriple, 0, false);
  if (trumps >= PoigneeRequired(2))
    view.SetVisible(Control::PanelPoigneeDouble, 0, true);
  if (trumps >= PoigneeRequired(3))
    view.SetVisible(Control::PanelPoigneeTriple, 0, true);
  view.SetVisible(Control::PanelPoignee, 0, true);
}

void TablePresenter::HidePoigneeQuestion() {
  game_.view.SetVisible(Control::PanelPoignee, 0, false);
}

void TablePresenter::OpenPoigneeWindow(int trumps) {
  Game& game = game_;
  TableView& view = game.view;
  const Layout& layout = game.table.layout;
  const Hand& hand = game.flow.state.Hands[game.flow.state.HumanSeat];
  view.SetVisible(Control::PanelPoignee, 0, false);
  for (int k = 1; k <= 18; ++k) {
    if (hand[k].Suit == kAtout)
      view.SetVisible(Control::Carte3D, k, false);
  }
  view.SetEnabled(Control::frmZarvane, 0, false);

  const int u = layout.PoigneeStep;
  view.SetWidth(Control::frmPoignee, 0, PoigneeWindowWidth(layout, trumps));
  for (int j = 1; j <= 18; ++j)
    view.SetVisible(Control::CartePoignee, j, false);
  game.table.PoigneeDropUnit = u;
  for (int j = 1; j <= trumps; ++j) {
    // Each card drops a little, at random, as if laid down by hand.
    game.table.PoigneeImageDrop[j] = RandomUpTo(game.flow.state.random, u);
    PlacePoigneeImage(game, j, false);
    view.SetVisible(Control::CartePoignee, j, true);
  }
  for (int j = 1; j <= trumps; ++j)
    view.ShowCard(Control::CartePoignee, j, hand[j]);
  view.SetVisible(Control::PanelOkPoignee, 0, false);
  view.SetVisible(Control::frmPoignee, 0, true);
}

void TablePresenter::RaisePoigneeImage(int j, bool raised) {
  PlacePoigneeImage(game_, j, raised);
}

void TablePresenter::ShowPoigneeComplete(bool complete) {
  game_.view.SetVisible(Control::PanelOkPoignee, 0, false);
  if (complete)
    game_.view.SetVisible(Control::PanelOkPoignee, 0, true);
}

void TablePresenter::ShowPoigneeOk() {
  game_.view.SetVisible(Control::PanelOkPoignee, 0, true);
}

void TablePresenter::ClosePoigneeWindow() {
  Game& game = game_;
  game.view.SetVisible(Control::frmPoignee, 0, false);
  game.view.SetEnabled(Control::frmZarvane, 0, true);
  for (int k = 1; k <= 18; ++k) {
    if (game.flow.state.Hands[game.flow.state.HumanSeat][k].InHand == 1)
      game.view.SetVisible(Control::Carte3D, k, true);
  }
  game.view.SetFocus(Control::frmZarvane, 0);
}

}  // namespace zarvane
