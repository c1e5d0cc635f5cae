#include "engine/discard.h"

#include "core/play_preparation.h"
#include "engine/deal_flow.h"
#include "engine/deductions_panel.h"
#include "engine/hand_layout.h"
#include "engine/messages.h"

namespace zarvane {

namespace {

int ImageLeft(const Game& game, int k) {
  return game.layout.HandLeft + (k - 1) * game.layout.DiscardStep;
}

// The card image k shows while South discards.
Card DiscardImageCard(const Game& game, int k) {
  const int source = game.DiscardImageMap[k];
  return source <= 18 ? game.Hands[game.HumanSeat][source] : game.Dog[source - 18];
}

void PlaceDiscardImage(Game& game, int k, bool lifted) {
  const int lift = lifted ? game.layout.SelectLift : 0;
  game.view.Place(Control::Carte3D, k, ImageLeft(game, k), game.DiscardImageTop[k] - lift);
}

void SetConfirmationShown(Game& game, bool shown) {
  game.view.SetVisible(Control::PanelConfirmeEcart, 0, shown);
}

}  // namespace

void BeginDiscard(Game& game) {
  for (int i = 1; i <= 6; ++i)
    game.view.SetVisible(Control::CarteChien, i, false);
  if (game.Taker == game.HumanSeat) {
    game.DealPhase = Phase::Discard;
    StartHumanDiscard(game);
  } else {
    ComputerDiscard(game);
    RefreshDeductions(game);
    game.DealPhase = Phase::PlayReady;
    Continue(game);
  }
}
void StartHumanDiscard(Game& game) {
  for (int k = 1; k <= 24; ++k) {
    game.DiscardImageTop[k] = game.layout.HandTop - RandomUpTo(game.random, 3);
    PlaceDiscardImage(game, k, false);
    game.view.SetPointer(Control::Carte3D, k, Pointer::HandPoint);
    game.view.SetVisible(Control::Carte3D, k, false);
  }
  const Merge merge = MergeHandAndDog(game, game.HumanSeat);
  for (int k = 1; k <= 24; ++k) {
    game.view.ShowCard(Control::Carte3D, k, merge.cards[k]);
    game.DiscardImageMap[k] = merge.source[k];
  }
  game.DiscardCount = 0;
  game.DiscardSelected.Fill(0);
  for (int k = 1; k <= 24; ++k) {
    if (MustKeep(merge.cards[k]))
      game.view.SetPointer(Control::Carte3D, k, Pointer::NoEntry);
  }
  for (int k = 1; k <= 24; ++k)
    game.view.SetVisible(Control::Carte3D, k, true);
  Say(game, kDiscardPrompt);
}

void DiscardClick(Game& game, int k) {
  const int source = game.DiscardImageMap[k];
  if (MustKeep(DiscardImageCard(game, k))) {
    if (game.DiscardCount == 6)
      SetConfirmationShown(game, true);
  } else if (game.DiscardSelected[source] == 1) {
    game.DiscardSelected[source] = 0;
    PlaceDiscardImage(game, k, false);
    --game.DiscardCount;
    SetConfirmationShown(game, false);
  } else if (game.DiscardCount < 6) {
    game.DiscardSelected[source] = 1;
    PlaceDiscardImage(game, k, true);
    ++game.DiscardCount;
    if (game.DiscardCount == 6)
      SetConfirmationShown(game, true);
  } else {
    SetConfirmationShown(game, true);
  }
}

void PanelConfirmeEcartClick(Game& game) {
  SetConfirmationShown(game, false);
  ConfirmDiscard(game);
}

void ConfirmDiscard(Game& game) {
  // Only South's six selected cards make a discard; the panel is never shown otherwise, and
  // the count stays at six once a discard is made.
  if (game.DealPhase != Phase::Discard || game.DiscardCount != 6)
    return;
  for (int k = 1; k <= 24; ++k)
    game.view.SetVisible(Control::Carte3D, k, false);

  // Read every card before the hand and the dog are rewritten.
  Table<Card, 1, 24> cards{};
  for (int k = 1; k <= 24; ++k)
    cards[k] = DiscardImageCard(game, k);
  int slot = 1;
  int d = 1;
  for (int k = 1; k <= 24; ++k) {
    if (game.DiscardSelected[game.DiscardImageMap[k]] == 1) {
      game.Dog[d++] = cards[k];
    } else {
      Card card = cards[k];
      card.InHand = 1;
      game.Hands[game.HumanSeat][slot++] = card;
    }
  }

  FillDiscardOrigin(game);
  PreparePlay(game);
  RefreshDeductions(game);
  LayOutSouthHand(game);
  game.DealPhase = Phase::PlayReady;
  Continue(game);
}

}  // namespace zarvane
