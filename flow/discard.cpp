#include "flow/discard.h"

#include "core/play_preparation.h"
#include "core/strategy/expert_discard.h"
#include "flow/card_play.h"

namespace zarvane {

Card DiscardImageCard(const Flow& game, int k) {
  const int source = game.DiscardImageMap[k];
  return source <= 18 ? game.state.Hands[game.state.HumanSeat][source]
                      : game.state.Dog[source - 18];
}

void BeginDiscard(Flow& game) {
  game.presenter->HideDog();
  if (game.state.Taker == game.state.HumanSeat) {
    game.state.DealPhase = Phase::Discard;
    StartHumanDiscard(game);
  } else {
    if (game.state.options.Level == kExpertLevel)
      ExpertDiscard(game.state);
    else
      ComputerDiscard(game.state);
    game.presenter->ShowDeductions();
    StartTheTricks(game);
  }
}

void StartHumanDiscard(Flow& game) {
  const Merge merge = MergeHandAndDog(game.state, game.state.HumanSeat);
  for (int k = 1; k <= 24; ++k)
    game.DiscardImageMap[k] = merge.source[k];
  game.state.DiscardCount = 0;
  game.DiscardSelected.Fill(0);
  game.presenter->ShowDiscardRow();
}

void PickDiscardCard(Flow& game, int k) {
  if (game.state.DealPhase != Phase::Discard || k < 1 || k > 24)
    return;
  const int source = game.DiscardImageMap[k];
  if (MustKeep(DiscardImageCard(game, k))) {
    if (game.state.DiscardCount == 6)
      game.presenter->ShowDiscardConfirmation(true);
  } else if (game.DiscardSelected[source] == 1) {
    game.DiscardSelected[source] = 0;
    game.presenter->LiftDiscardImage(k, false);
    --game.state.DiscardCount;
    game.presenter->ShowDiscardConfirmation(false);
  } else if (game.state.DiscardCount < 6) {
    game.DiscardSelected[source] = 1;
    game.presenter->LiftDiscardImage(k, true);
    ++game.state.DiscardCount;
    if (game.state.DiscardCount == 6)
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
  if (game.state.DealPhase != Phase::Discard || game.state.DiscardCount != 6)
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
      game.state.Dog[d++] = cards[k];
    } else {
      Card card = cards[k];
      card.InHand = 1;
      game.state.Hands[game.state.HumanSeat][slot++] = card;
    }
  }

  FillDiscardOrigin(game.state);
  PreparePlay(game.state);
  game.presenter->ShowDeductions();
  game.presenter->LayOutSouthHand();
  StartTheTricks(game);
}

}  // namespace zarvane
