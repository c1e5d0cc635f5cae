#include "engine/poignee.h"

namespace zarvane {

void OfferPoignee(Game& game) {
  game.PoigneePending = 1;
  int trumps = 0;
  for (const Card& card : game.Hands[game.HumanSeat])
    trumps += card.Suit == kAtout ? 1 : 0;
  if (trumps < 10) {
    game.PoigneePending = 0;
    return;
  }
  game.view.SetVisible(Control::PanelPoigneeDouble, 0, false);
  game.view.SetVisible(Control::PanelPoigneeTriple, 0, false);
  if (trumps >= 13)
    game.view.SetVisible(Control::PanelPoigneeDouble, 0, true);
  if (trumps >= 15)
    game.view.SetVisible(Control::PanelPoigneeTriple, 0, true);
  game.view.SetVisible(Control::PanelPoignee, 0, true);
}

void PanelPoigneeAucuneClick(Game& game) {
  game.PoigneePending = 0;
  game.view.SetVisible(Control::PanelPoignee, 0, false);
}

}  // namespace zarvane
