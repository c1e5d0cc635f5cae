#include "table/table_presenter.h"

#include <string>

#include "table/controls.h"
#include "table/game.h"
#include "table/hand_layout.h"
#include "table/messages.h"

namespace zarvane {

namespace {

// South, East, North, West: bid bubbles, taker frames and total panels.
constexpr int kSeatColours[5] = {0, 0xF3D79C, 0xEFD2FD, 0x93FDF0, 0xA8FBAE};

}  // namespace

// A bid bubble: the name in large type, a pass in small.
void TablePresenter::ShowBid(int seat, int bid) {
  game_.view.SetText(Control::PanelDec, seat, game_.table.BidNames[bid]);
  game_.view.SetFontSize(Control::PanelDec, seat, bid == kPasse ? 10 : 14);
  game_.view.SetVisible(Control::PanelDec, seat, true);
}

void TablePresenter::OfferBids() {
  Game& game = game_;
  for (Control button : kBidButtons)
    game.view.SetVisible(button, 0, true);
  for (int code = kPrise; code <= kGardeContre; ++code) {
    if (game.flow.state.HighestBid >= code)
      game.view.SetVisible(kBidButtons[code], 0, false);
  }
  const std::string advice = std::string(game.table.AdviceWord) + ": " +
                             std::string(game.table.BidNames[game.flow.state.AnnouncedBid[kSouth]]);
  game.view.SetText(Control::evMaMain, 0, advice);
  zarvane::Say(game, kBidPrompt);
  game.view.SetVisible(Control::BarreEnchere, 0, true);
  if (game.flow.state.options.BidAdvice == 1)
    game.view.SetFocus(Control::evMaMain, 0);
}

void TablePresenter::HideBids() {
  game_.view.SetVisible(Control::BarreEnchere, 0, false);
}

void TablePresenter::ShowHighestBid() {
  game_.view.SetText(Control::PanelEnchere, 0, game_.table.BidNames[game_.flow.state.HighestBid]);
}

// The taker is named: the frame behind his trick card, the side panels in his colour.
void TablePresenter::AnnounceTaker() {
  Game& game = game_;
  for (int seat = 1; seat <= 4; ++seat)
    game.view.SetVisible(Control::PanelDec, seat, false);
  PlaceTakerFrame(game);
  const int colour = kSeatColours[game.flow.state.Taker];
  for (Control panel : {Control::nPointsAttaque, Control::nBoutsPreneur, Control::nContrat,
                        Control::PanelEnchere, Control::PanelPreneur}) {
    game.view.SetColour(panel, 0, colour);
  }
  game.view.SetText(Control::PanelPreneur, 0, game.table.SeatNames[game.flow.state.Taker]);
  game.view.SetText(Control::PanelEnchere, 0,
                    game.table.BidNames[game.flow.state.AnnouncedBid[game.flow.state.Taker]]);
  game.view.SetVisible(Control::PanelPreneur, 0, true);
  game.view.SetVisible(Control::PanelEnchere, 0, true);
  for (int k = 1; k <= 24; ++k)
    game.view.SetEnabled(Control::Carte3D, k, true);
}

}  // namespace zarvane
