#include "engine/card_advice.h"

#include "engine/card_play.h"

namespace zarvane {

namespace {

void PlaceSouthCard(Game& game, int slot, int lift) {
  game.view.Place(Control::Carte3D, slot, game.layout.HandLeft + (slot - 1) * game.layout.CardStep,
                  game.SouthCardTop[slot] - lift);
}

}  // namespace

void CardAdviceClick(Game& game) {
  if (game.CardAdviceOpen == 0)
    return;
  // The computer's choice is made on a copy, with a copy of the game's generator, so the deal
  // goes on exactly as if nobody had asked.
  Core copy = game;
  MarkedRules unused;
  const int slot = ComputerCardSlot(copy, game.HumanSeat, unused);
  if (slot < 1)
    return;
  LowerAdvisedCard(game);
  game.AdvisedSlot = slot;
  PlaceSouthCard(game, slot, game.layout.SelectLift);
}

void EnableCardAdvice(Game& game, bool enabled) {
  game.CardAdviceOpen = enabled ? 1 : 0;
  game.view.SetEnabled(Control::menuConseilCarte, 0, enabled);
  game.view.SetEnabled(Control::SBConseilCarte, 0, enabled);
}

void LowerAdvisedCard(Game& game) {
  if (game.AdvisedSlot < 1)
    return;
  PlaceSouthCard(game, game.AdvisedSlot, 0);
  game.AdvisedSlot = -1;
}

}  // namespace zarvane
