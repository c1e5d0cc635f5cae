#include "engine/poignee.h"

#include "engine/messages.h"

namespace zarvane {

namespace {

// True while the poignee window is open: a level was chosen and not yet confirmed or dropped.
bool WindowOpen(const Game& game) {
  return game.DealPhase == Phase::Poignee && game.PoigneeLevel > 0;
}

// Image j stands three units right of the one before it.
int ImageLeft(const Layout& layout, int j) {
  return 3 * layout.PoigneeStep * (j - 1) + layout.PoigneeStep;
}

void Raise(Game& game, int j, int by) {
  game.PoigneeImageTop[j] -= by;
  game.view.Place(Control::CartePoignee, j, ImageLeft(game.layout, j), game.PoigneeImageTop[j]);
}

void Mark(Game& game, int j) {
  game.PoigneeSelected[j] = 1;
  Raise(game, j, game.layout.PoigneeStep);
}

void ShowOkWhenComplete(Game& game) {
  game.view.SetVisible(Control::PanelOkPoignee, 0, false);
  if (game.PoigneeMarked == PoigneeRequired(game.PoigneeLevel))
    game.view.SetVisible(Control::PanelOkPoignee, 0, true);
}

}  // namespace

int PoigneeRequired(int level) {
  switch (level) {
    case 1:
      return 10;
    case 2:
      return 13;
    case 3:
      return 15;
    default:
      return 0;
  }
}

int SouthTrumpSuitCount(const GameState& game) {
  int trumps = 0;
  for (const Card& card : game.Hands[game.HumanSeat])
    trumps += card.Suit == kAtout ? 1 : 0;
  return trumps;
}

void OfferPoignee(Game& game) {
  const int trumps = SouthTrumpSuitCount(game);
  if (trumps < PoigneeRequired(1))
    return;
  game.DealPhase = Phase::Poignee;
  game.view.SetVisible(Control::PanelPoigneeDouble, 0, false);
  game.view.SetVisible(Control::PanelPoigneeTriple, 0, false);
  if (trumps >= PoigneeRequired(2))
    game.view.SetVisible(Control::PanelPoigneeDouble, 0, true);
  if (trumps >= PoigneeRequired(3))
    game.view.SetVisible(Control::PanelPoigneeTriple, 0, true);
  game.view.SetVisible(Control::PanelPoignee, 0, true);
}

void PanelPoigneeAucuneClick(Game& game) {
  if (game.DealPhase == Phase::Poignee)
    game.DealPhase = Phase::SouthPlays;
  game.view.SetVisible(Control::PanelPoignee, 0, false);
}

void OpenPoigneeWindow(Game& game, int level) {
  const int trumps = SouthTrumpSuitCount(game);
  // Only from the question, and only a level the hand can show.
  if (game.DealPhase != Phase::Poignee || WindowOpen(game) || PoigneeRequired(level) == 0 ||
      trumps < PoigneeRequired(level)) {
    return;
  }
  TableView& view = game.view;
  const Layout& layout = game.layout;
  const Hand& hand = game.Hands[game.HumanSeat];
  game.PoigneeLevel = level;
  view.SetVisible(Control::PanelPoignee, 0, false);
  for (int k = 1; k <= 18; ++k) {
    if (hand[k].Suit == kAtout)
      view.SetVisible(Control::Carte3D, k, false);
  }
  view.SetEnabled(Control::frmZarvane, 0, false);

  const int u = layout.PoigneeStep;
  view.SetWidth(Control::frmPoignee, 0, 2 * u + 3 * u * (trumps - 1) + layout.CardWidth);
  for (int j = 1; j <= 18; ++j)
    view.SetVisible(Control::CartePoignee, j, false);
  for (int j = 1; j <= trumps; ++j) {
    // Each card drops a little, at random, as if laid down by hand.
    game.PoigneeImageTop[j] = 2 * u + RoundHalfEven(0.25 * RandomUpTo(game.random, u));
    view.Place(Control::CartePoignee, j, ImageLeft(layout, j), game.PoigneeImageTop[j]);
    view.SetVisible(Control::CartePoignee, j, true);
  }
  game.PoigneeMarked = 0;
  for (int j = 1; j <= trumps; ++j)
    view.ShowCard(Control::CartePoignee, j, hand[j]);
  game.PoigneeSelected.Fill(0);
  view.SetVisible(Control::PanelOkPoignee, 0, false);
  view.SetVisible(Control::frmPoignee, 0, true);
}

void TogglePoigneeCard(Game& game, int j) {
  if (!WindowOpen(game) || j < 1 || j > SouthTrumpSuitCount(game))
    return;
  const int required = PoigneeRequired(game.PoigneeLevel);
  // The Excuse only completes a poignee the trumps cannot make alone.
  if (IsExcuse(game.Hands[game.HumanSeat][j]) && j != required) {
    game.view.Inform(Text(game, kExcuseRefusal));
  } else if (game.PoigneeSelected[j] == 0) {
    Mark(game, j);
    ++game.PoigneeMarked;
  } else {
    game.PoigneeSelected[j] = 0;
    Raise(game, j, -game.layout.PoigneeStep);
    --game.PoigneeMarked;
  }
  ShowOkWhenComplete(game);
}

void PanelBoutonParesseuxClick(Game& game) {
  if (!WindowOpen(game))
    return;
  const int required = PoigneeRequired(game.PoigneeLevel);
  game.PoigneeMarked = required;
  for (int j = 1; j <= required; ++j) {
    if (game.PoigneeSelected[j] == 0)
      Mark(game, j);
  }
  game.view.SetVisible(Control::PanelOkPoignee, 0, true);
}

void PanelOkPoigneeClick(Game& game) {
  if (!WindowOpen(game) || game.PoigneeMarked != PoigneeRequired(game.PoigneeLevel))
    return;
  ClosePoigneeWindow(game);
}

void PanelAnnulerPoigneeClick(Game& game) {
  if (!WindowOpen(game))
    return;
  game.PoigneeLevel = 0;
  ClosePoigneeWindow(game);
}

void ClosePoigneeWindow(Game& game) {
  game.DealPhase = Phase::SouthPlays;
  game.view.SetVisible(Control::frmPoignee, 0, false);
  game.view.SetEnabled(Control::frmZarvane, 0, true);
  for (int k = 1; k <= 18; ++k) {
    if (game.Hands[game.HumanSeat][k].InHand == 1)
      game.view.SetVisible(Control::Carte3D, k, true);
  }
  game.view.SetFocus(Control::frmZarvane, 0);
}

}  // namespace zarvane
