#include "table/relayout.h"

#include "flow/poignee.h"
#include "table/hand_layout.h"
#include "table/review.h"

namespace zarvane {

namespace {

void PlaceHand(Game& game) {
  if (game.flow.state.DealPhase == Phase::Opening)
    return;
  if (game.flow.state.DealPhase == Phase::Discard) {
    for (int k = 1; k <= 24; ++k)
      PlaceDiscardImage(game, k, game.flow.DiscardSelected[game.flow.DiscardImageMap[k]] == 1);
    return;
  }
  for (int slot = 1; slot <= 18; ++slot)
    PlaceSouthCard(game, slot, slot == game.table.AdvisedSlot ? game.table.layout.SelectLift : 0);
}

void PlaceDog(Game& game) {
  if (game.flow.state.DogWasShown == 0)
    return;
  for (int i = 1; i <= 6; ++i)
    game.view.Place(Control::CarteChien, i, DogCardLeft(game.table.layout, i), DogCardTop(game, i));
}

void PlacePoigneeWindow(Game& game) {
  if (game.flow.state.DealPhase != Phase::Poignee || game.flow.state.PoigneeLevel == 0)
    return;
  const int trumps = SouthTrumpSuitCount(game.flow.state);
  game.view.SetWidth(Control::frmPoignee, 0, PoigneeWindowWidth(game.table.layout, trumps));
  for (int j = 1; j <= trumps; ++j)
    PlacePoigneeImage(game, j, game.flow.PoigneeSelected[j] == 1);
}

// The review windows are filled only once a deal is over.
void PlaceReviewFrames(Game& game) {
  if (game.flow.state.DealPhase != Phase::DealOver)
    return;
  for (int trick = 1; trick <= 18; ++trick)
    PlaceTrickFrame(game, trick);
  PlaceDogPanels(game);
  if (game.flow.state.HighestBid == kPrise || game.flow.state.HighestBid == kGarde) {
    for (int k = 1; k <= 6; ++k)
      PlaceDiscardFrame(game, k);
  }
}

}  // namespace

void ChangeLayout(Game& game, const Layout& layout) {
  game.table.layout = layout;
  PlaceHand(game);
  PlaceDog(game);
  if (game.flow.state.Taker >= kSouth && game.flow.state.Taker <= kWest)
    PlaceTakerFrame(game);
  PlacePoigneeWindow(game);
  PlaceReviewFrames(game);
}

}  // namespace zarvane
