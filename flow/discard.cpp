#include "flow/discard.h"

#include "core/play_preparation.h"
#include "core/strategy/expert_discard.h"
#include "flow/card_play.h"

namespace zarvane {

Card DiscardImageCard(const Flow& game, int k) {
  const int source = game.DiscardImageMap[k];
  return source <= 18 ? game.Hands[game.HumanSeat][source] : game.Dog[source - 18];
}

void BeginDiscard(Flow& game) {
  game.presenter->HideDog();
  if (game.Taker == game.HumanSeat) {
    game.DealPhase = Phase::Discard;
    StartHumanDiscard(game);
  } else {
    if (game.options.Level == kExpertLevel)
      ExpertDiscard(game);
    else
      ComputerDiscard(game);
    game.presenter->ShowDeductions();
    StartTheTricks(game);
  }
}

void StartHumanDiscard(Flow& game) {
  const Merge merge = MergeHandAndDog(game, game.HumanSeat);
  for (int k = 1; k <= 24; ++k)
    game.DiscardImageMap[k] = merge.source[k];
  game.DiscardCount = 0;
  game.DiscardSelected.Fill(0);
  game.presenter->ShowDiscardRow();
}

void PickDiscardCard(Flow& game, int k) {
  if (game.DealPhase != Phase::Discard || k < 1 || k > 24)
    return;
  const int source = game.DiscardImageMap[k];
  if (MustKeep(DiscardImageCard(game, k))) {
    if (game.DiscardCount == 6)
      game.presenter->ShowDiscardConfirmation(true);
  } else if (game.DiscardSelected[source] == 1) {
    game.DiscardSelected[source] = 0;
    game.presenter->LiftDiscardImage(k, false);
    --game.DiscardCount;
    game.presenter->ShowDiscardConfirmation(false);
  } else if (game.DiscardCount < 6) {
    game.DiscardSelected[source] = 1;
    game.presenter->LiftDiscardImage(k, true);
    ++game.DiscardCount;
    if (game.DiscardCount == 6)
      game.presenter->ShowDiscardConfirmation(true);
  } else {
    game.presenter->ShowDiscardConfirmation(true);
  }
}

void ConfirmSouthDiscard(Flow& game) {
  game.presenter->ShowDiscardConfirmation(false);
  ConfirmDiscard(game);
}

void ConfirmDiscard(Flow& game) {
  // Only South's six selected cards make a discard; the panel is never shown otherwise, and
  // the count stays at six once a discard is made.
  if (game.DealPhase != Phase::Discard || game.DiscardCount != 6)
    return;
  game.presenter->HideDiscardRow();

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
  game.presenter->ShowDeductions();
  game.presenter->LayOutSouthHand();
  StartTheTricks(game);
}

}  // namespace zarvane
