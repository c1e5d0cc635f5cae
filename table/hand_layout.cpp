#include "table/hand_layout.h"

#include <algorithm>

namespace zarvane {

void LayOutSouthHand(Game& game) {
  for (int i = 1; i <= 6; ++i)
    game.view.SetVisible(Control::CarteChien, i, false);
  for (int i = 1; i <= 18; ++i) {
    game.table.SouthCardDrop[i] = static_cast<int>(RandomBelow(game.flow.state.random, 3));
    PlaceSouthCard(game, i, 0);
    game.view.SetPointer(Control::Carte3D, i, Pointer::NoDrop);
  }
  for (int i = 1; i <= 18; ++i) {
    game.view.SetVisible(Control::Carte3D, i, true);
    DrawSouthCard(game, i);
  }
}

void DrawSouthCard(Game& game, int slot) {
  game.view.ShowCard(Control::Carte3D, slot,
                     game.flow.state.Hands[game.flow.state.HumanSeat][slot]);
}

int SouthCardLeft(const Layout& layout, int slot) {
  return layout.HandLeft + (slot - 1) * layout.CardStep;
}

int SouthCardTop(const Game& game, int slot) {
  return game.table.layout.HandTop +
         RoundHalfEven(game.table.SouthCardDrop[slot] * game.table.layout.YScale);
}

int DiscardImageLeft(const Layout& layout, int k) {
  return layout.HandLeft + (k - 1) * layout.DiscardStep;
}

int DiscardImageTop(const Game& game, int k) {
  return game.table.layout.HandTop - game.table.DiscardImageRise[k];
}

int DogCardLeft(const Layout& layout, int i) {
  return (i - 1) * layout.CardStep + layout.DogLeft;
}

int DogCardTop(const Game& game, int i) {
  return game.table.layout.TableCentreY +
         RoundHalfEven(game.table.DogCardDrop[i] * game.table.layout.YScale);
}

// Poignee image j stands three units right of the one before it.
int PoigneeImageLeft(const Layout& layout, int j) {
  return 3 * layout.PoigneeStep * (j - 1) + layout.PoigneeStep;
}

// The drop was drawn in whole pixels of the unit of its day; in another unit it keeps its
// share of the unit (the product first, so that the unit it was drawn in gives it back exactly).
int PoigneeImageTop(const Game& game, int j) {
  const int u = game.table.layout.PoigneeStep;
  const double drop = static_cast<double>(game.table.PoigneeImageDrop[j]) * u /
                      std::max(1, game.table.PoigneeDropUnit);
  return 2 * u + RoundHalfEven(0.25 * drop);
}

void PlaceSouthCard(Game& game, int slot, int lift) {
  game.view.Place(Control::Carte3D, slot, SouthCardLeft(game.table.layout, slot),
                  SouthCardTop(game, slot) - lift);
}

void PlaceDiscardImage(Game& game, int k, bool lifted) {
  const int lift = lifted ? game.table.layout.SelectLift : 0;
  game.view.Place(Control::Carte3D, k, DiscardImageLeft(game.table.layout, k),
                  DiscardImageTop(game, k) - lift);
}

void PlacePoigneeImage(Game& game, int j, bool raised) {
  const int lift = raised ? game.table.layout.PoigneeStep : 0;
  game.view.Place(Control::CartePoignee, j, PoigneeImageLeft(game.table.layout, j),
                  PoigneeImageTop(game, j) - lift);
}

// Behind the taker's trick card, five scaled pixels out to the left and the top.
void PlaceTakerFrame(Game& game) {
  const DesignRect card = ScaleRect(game.table.layout, kCarteTable[game.flow.state.Taker - 1]);
  game.view.Place(Control::CadrePreneur, game.flow.state.Taker,
                  card.left - RoundHalfEven(5 * game.table.layout.XScale),
                  card.top - RoundHalfEven(5 * game.table.layout.YScale));
}

int PoigneeWindowWidth(const Layout& layout, int trumps) {
  const int u = layout.PoigneeStep;
  const int cards = 2 * u + 3 * u * (trumps - 1) + layout.CardWidth;
  // The step is truncated to whole pixels, the buttons are not: at some scales ten trumps
  // alone would leave the cancel button cut by the window's edge.
  const DesignRect first = ScaleRect(layout, kPoigneeButtons[0]);
  const DesignRect last = ScaleRect(layout, kPoigneeButtons[2]);
  return std::max(cards, last.left + last.width + first.left);
}

}  // namespace zarvane
