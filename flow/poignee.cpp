#include "flow/poignee.h"

#include "settings/texts.h"

namespace zarvane {

namespace {

// True while the poignee window is open: a level was chosen and not yet confirmed or dropped.
bool WindowOpen(const Core& game) {
  return game.DealPhase == Phase::Poignee && game.PoigneeLevel > 0;
}

void Mark(Flow& game, int j) {
  game.PoigneeSelected[j] = 1;
  game.presenter->RaisePoigneeImage(j, true);
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

void OfferPoignee(Flow& game) {
  const int trumps = SouthTrumpSuitCount(game.state);
  if (trumps < PoigneeRequired(1))
    return;
  game.state.DealPhase = Phase::Poignee;
  game.presenter->OfferPoignee(trumps);
}

void DeclinePoignee(Flow& game) {
  if (game.state.DealPhase == Phase::Poignee)
    game.state.DealPhase = Phase::SouthPlays;
  game.presenter->HidePoigneeQuestion();
}

void OpenPoigneeWindow(Flow& game, int level) {
  const int trumps = SouthTrumpSuitCount(game.state);
  // Only from the question, and only a level the hand can show.
  if (game.state.DealPhase != Phase::Poignee || WindowOpen(game.state) ||
      PoigneeRequired(level) == 0 || trumps < PoigneeRequired(level)) {
    return;
  }
  game.state.PoigneeLevel = level;
  game.PoigneeMarked = 0;
  game.PoigneeSelected.Fill(0);
  game.presenter->OpenPoigneeWindow(trumps);
}

bool TogglePoigneeCard(Flow& game, int j) {
  if (!WindowOpen(game.state) || j < 1 || j > SouthTrumpSuitCount(game.state))
    return true;
  const int required = PoigneeRequired(game.state.PoigneeLevel);
  // The Excuse only completes a poignee the trumps cannot make alone.
  const bool refused = IsExcuse(game.state.Hands[game.state.HumanSeat][j]) && j != required;
  if (refused) {
    game.presenter->Tell(kExcuseRefusal);
  } else if (game.PoigneeSelected[j] == 0) {
    Mark(game, j);
    ++game.PoigneeMarked;
  } else {
    game.PoigneeSelected[j] = 0;
    game.presenter->RaisePoigneeImage(j, false);
    --game.PoigneeMarked;
  }
  game.presenter->ShowPoigneeComplete(game.PoigneeMarked == required);
  return !refused;
}

void MarkLazyPoignee(Flow& game) {
  if (!WindowOpen(game.state))
    return;
  const int required = PoigneeRequired(game.state.PoigneeLevel);
  game.PoigneeMarked = required;
  for (int j = 1; j <= required; ++j) {
    if (game.PoigneeSelected[j] == 0)
      Mark(game, j);
  }
  game.presenter->ShowPoigneeOk();
}

void ConfirmPoignee(Flow& game) {
  if (!WindowOpen(game.state) || game.PoigneeMarked != PoigneeRequired(game.state.PoigneeLevel))
    return;
  ClosePoigneeWindow(game);
}

void CancelPoignee(Flow& game) {
  if (!WindowOpen(game.state))
    return;
  game.state.PoigneeLevel = 0;
  ClosePoigneeWindow(game);
}

void ClosePoigneeWindow(Flow& game) {
  game.state.DealPhase = Phase::SouthPlays;
  game.presenter->ClosePoigneeWindow();
}

}  // namespace zarvane
