#include "table/deductions_panel.h"

#include <string>

namespace zarvane {

namespace {

std::string NumberOrDash(int value, int dash_when) {
  return value == dash_when ? std::string("-") : std::to_string(value);
}

}  // namespace

void ResetDeductionsPanel(Game& game) {
  TableView& view = game.view;
  view.SetText(Control::PanelAtoutMax, 0, "");
  view.SetText(Control::PanelAtExt, 0, "");
  view.SetVisible(Control::Panel21, 0, false);
  view.SetVisible(Control::PanelPetit, 0, false);
  view.SetVisible(Control::PanelExcuse, 0, false);
  for (int suit = kPique; suit <= kCarreau; ++suit) {
    for (int c = 1; c <= 4; ++c)
      view.SetVisible(Control::HonourCell, HonourCellIndex(suit, c), false);
    view.SetText(Control::CountLabel, suit, "");
  }
}

// The marks of played cards are only ever shown here; the next deal hides them again.
void RefreshDeductions(Game& game) {
  TableView& view = game.view;
  const int south = game.flow.state.HumanSeat;
  view.SetText(Control::PanelAtoutMax, 0, NumberOrDash(game.flow.state.TopTrump[south], -1));
  view.SetText(Control::PanelAtExt, 0, std::to_string(game.flow.state.OutsideTrumpCount[south]));
  if (game.flow.state.TrumpHolder[21] == kPlayed)
    view.SetVisible(Control::Panel21, 0, true);
  if (game.flow.state.PetitHolder == kPlayed)
    view.SetVisible(Control::PanelPetit, 0, true);
  if (game.flow.state.ExcuseHolder == kPlayed)
    view.SetVisible(Control::PanelExcuse, 0, true);
  for (int suit = kPique; suit <= kCarreau; ++suit) {
    for (int c = 1; c <= 4; ++c) {
      if (game.flow.state.CardStatus[south][suit][15 - c] == kPlayed)
        view.SetVisible(Control::HonourCell, HonourCellIndex(suit, c), true);
    }
  }
  for (int suit = kPique; suit <= kCarreau; ++suit)
    view.SetText(Control::CountLabel, suit,
                 NumberOrDash(game.flow.state.OutsideSuitCount[south][suit], 0));
}

}  // namespace zarvane
