#include "table/review.h"

#include "core/deal_code.h"
#include "settings/texts.h"
#include "table/messages.h"
#include "table/review_layout.h"

namespace zarvane {

namespace {

constexpr int kGreen = 0x00FF00;
constexpr int kBlue = 0xFF0000;  // red in the low byte, blue in the high one
constexpr int kRed = 0x0000FF;
// Long enough to be read, short enough to be ready for the next click.
constexpr int kCopiedShownMilliseconds = 1500;

int TrickImage(int trick, int seat) {
  return 4 * (trick - 1) + seat;
}

Card PlayedCard(const GameState& game, int seat, int trick) {
  return game.Hands[seat][game.PlayedSlot[seat][trick]];
}

void ShowEveryTrick(Game& game, bool shown) {
  for (int image = 1; image <= 72; ++image)
    game.view.SetVisible(Control::CartePli, image, shown);
  for (int trick = 1; trick <= 18; ++trick)
    game.view.SetVisible(Control::CadrePli, trick, shown);
}

Spot Shifted(Spot panel, Spot inside) {
  return {panel.left + inside.left, panel.top + inside.top};
}

// The dog panel and the discard panel around the taker's hand panel.
struct DogPlaces {
  Spot dog;
  Spot discard;
};

DogPlaces DogPanelsAround(const Layout& layout, int taker) {
  const DesignRect hand = ScaleRect(layout, kHandPanels[taker - 1]);
  const DesignRect dog = ScaleRect(layout, kDogPanel);
  const int g = RoundHalfEven(5 * layout.XScale);
  if (taker == kSouth || taker == kNorth) {
    const int top = hand.top + RoundHalfEven((hand.height - dog.height) / 2.0);
    return {{hand.left - g - dog.width, top}, {hand.left + hand.width + g, top}};
  }
  const int left = taker == kEast ? hand.left + hand.width - dog.width : hand.left;
  return {{left, hand.top - g - dog.height}, {left, hand.top + hand.height + g}};
}

// Yellow frame k around the place where discarded card k was dealt: the taker's hand or the
// dog.
void FrameDiscardOrigin(Game& game, int k, Spot dog_panel) {
  const Layout& layout = game.table.layout;
  const int origin = game.flow.state.DiscardOrigin[k];
  Spot image;
  if (origin > 18) {
    image = Shifted(dog_panel, PanelImageSpot(layout, origin - 18));
  } else {
    const DesignRect hand = ScaleRect(layout, kHandPanels[game.flow.state.Taker - 1]);
    image = Shifted({hand.left, hand.top}, PanelImageSpot(layout, origin));
  }
  const Spot frame = FrameSpot(layout, image);
  game.view.Place(Control::CadreEcart, k, frame.left, frame.top);
}

}  // namespace

void PlaceTrickFrame(Game& game, int trick) {
  const Spot frame =
      FrameSpot(game.table.layout,
                TrickImageSpot(game.table.layout, trick, game.flow.state.TrickLeaders[trick]));
  game.view.Place(Control::CadrePli, trick, frame.left, frame.top);
}

void PlaceDogPanels(Game& game) {
  const DogPlaces places = DogPanelsAround(game.table.layout, game.flow.state.Taker);
  game.view.Place(Control::PanelChienAvantEcart, 0, places.dog.left, places.dog.top);
  game.view.Place(Control::PanelChienApresEcart, 0, places.discard.left, places.discard.top);
}

void PlaceDiscardFrame(Game& game, int k) {
  FrameDiscardOrigin(game, k, DogPanelsAround(game.table.layout, game.flow.state.Taker).dog);
}

void ShowPreviousTrick(Game& game) {
  const int trick = game.flow.state.TrickNumber - 1;
  if (trick < 1 || trick > 18)
    return;
  for (int seat = 1; seat <= 4; ++seat)
    game.view.ShowCard(Control::cardPreviousTrick, seat, PlayedCard(game.flow.state, seat, trick));
  game.view.SetVisible(Control::frmPliPrecedent, 0, true);
}

void FillAllTricks(Game& game) {
  game.table.RevealCounter = 1;
  for (int trick = 1; trick <= 18; ++trick) {
    int seat = game.flow.state.TrickLeaders[trick];
    for (int k = 1; k <= 4; ++k, seat = NextSeat(seat))
      game.table.RevealImage[4 * (trick - 1) + k] = TrickImage(trick, seat);
  }
  for (int trick = 1; trick <= 18; ++trick) {
    const int leader = game.flow.state.TrickLeaders[trick];
    PlaceTrickFrame(game, trick);
    game.view.SetColour(Control::CadrePli, trick, leader == game.flow.state.Taker ? kGreen : kBlue);
    for (int seat = 1; seat <= 4; ++seat) {
      game.view.ShowCard(Control::CartePli, TrickImage(trick, seat),
                         PlayedCard(game.flow.state, seat, trick));
    }
  }
  ShowEveryTrick(game, true);
  for (int mark = 1; mark <= 2; ++mark)
    game.view.SetVisible(Control::CadreAnalyse, mark, false);
  game.view.SetVisible(Control::frmTousPlis, 0, true);
}

void ShowDecisionTrick(Game& game, int trick, int south_slot, int better_slot) {
  if (trick < 1 || trick > 18)
    return;
  FillAllTricks(game);
  PanelEffacerClick(game);
  for (int step = 1; step <= 4 * trick; ++step)
    PanelPasApasClick(game);
  const int south = game.flow.state.HumanSeat;
  const auto mark = [&game, south](int index, int slot, int colour) {
    for (int t = 1; t <= 18; ++t) {
      if (game.flow.state.PlayedSlot[south][t] != slot)
        continue;
      const Spot frame = FrameSpot(game.table.layout, TrickImageSpot(game.table.layout, t, south));
      game.view.SetVisible(Control::CartePli, TrickImage(t, south), true);
      game.view.Place(Control::CadreAnalyse, index, frame.left, frame.top);
      game.view.SetColour(Control::CadreAnalyse, index, colour);
      game.view.SetVisible(Control::CadreAnalyse, index, true);
    }
  };
  mark(1, south_slot, kRed);
  mark(2, better_slot, kGreen);
}

void PanelEffacerClick(Game& game) {
  ShowEveryTrick(game, false);
  game.table.RevealCounter = 1;
}

void PanelPasApasClick(Game& game) {
  if (game.table.RevealCounter == 1)
    ShowEveryTrick(game, false);
  if (game.table.RevealCounter > 72)
    return;
  game.view.SetVisible(Control::CartePli, game.table.RevealImage[game.table.RevealCounter], true);
  game.view.SetVisible(Control::CadrePli, (game.table.RevealCounter + 3) / 4, true);
  ++game.table.RevealCounter;
}

void PanelVoirToutClick(Game& game) {
  ShowEveryTrick(game, true);
  game.table.RevealCounter = 72;
}

void FillHands(Game& game) {
  if (game.flow.state.Taker < kSouth || game.flow.state.Taker > kWest)
    return;
  TableView& view = game.view;
  for (int k = 1; k <= 6; ++k)
    view.SetVisible(Control::CadreEcart, k, false);
  PlaceDogPanels(game);

  for (int seat = 1; seat <= 4; ++seat) {
    for (int slot = 1; slot <= 18; ++slot)
      view.ShowCard(Control::CarteMain, 18 * (seat - 1) + slot,
                    game.flow.state.InitialHands[seat][slot]);
  }
  for (int d = 1; d <= 6; ++d)
    view.ShowCard(Control::CarteAvantEcart, d, game.flow.state.InitialDog[d]);

  view.SetText(Control::PanelCodeDonne, 0, EncodeDealCode(DealAsDealt(game.flow.state)));
  view.SetText(Control::PanelCopierCode, 0, Text(game, kCopyCaption));
  view.SetVisible(Control::PanelChienApresEcart, 0, false);
  if (game.flow.state.HighestBid == kPrise || game.flow.state.HighestBid == kGarde) {
    for (int d = 1; d <= 6; ++d)
      view.ShowCard(Control::CarteApresEcart, d, game.flow.state.Dog[d]);
    view.SetVisible(Control::PanelChienApresEcart, 0, true);
    for (int k = 1; k <= 6; ++k) {
      PlaceDiscardFrame(game, k);
      view.SetVisible(Control::CadreEcart, k, true);
    }
  }
  view.SetVisible(Control::frmMains, 0, true);
}

void PanelCopierCodeClick(Game& game) {
  game.view.SetText(Control::PanelCopierCode, 0, Text(game, kCopiedCaption));
  game.view.StartTimer(TimerId::TimerCopie, kCopiedShownMilliseconds);
}

void TimerCopieTimer(Game& game) {
  game.view.StopTimer(TimerId::TimerCopie);
  game.view.SetText(Control::PanelCopierCode, 0, Text(game, kCopyCaption));
}

}  // namespace zarvane
