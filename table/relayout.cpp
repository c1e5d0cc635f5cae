#include "table/relayout.h"

#include "flow/poignee.h"
#include "table/hand_layout.h"
#include "table/review.h"

namespace zarvane {

namespace {

void PlaceHand(Game& game) {
  if (game.state.DealPhase == Phase::Opening)
    return;
  if (game.state.DealPhase == Phase::Discard) {
    for (int k = 1; k <= 24; ++k)
      PlaceDiscardImage(game, k, game.DiscardSelected[game.DiscardImageMap[k]] == 1);
    return;
  }
  for (int slot = 1; slot <= 18; ++slot)
    PlaceSouthCard(game, slot, slot == game.AdvisedSlot ? game.layout.SelectLift : 0);
}

void PlaceDog(Game& game) {
  if (game.state.DogWasShown == 0)
    return;
  for (int i = 1; i <= 6; ++i)
    game.view.Place(Control::CarteChien, i, DogCardLeft(game.layout, i), DogCardTop(game, i));
}

void PlacePoigneeWindow(Game& game) {
  if (game.state.DealPhase != Phase::Poignee || game.state.PoigneeLevel == 0)
    return;
  const int trumps = SouthTrumpSuitCount(game.state);
  game.view.SetWidth(Control::frmPoignee, 0, PoigneeWindowWidth(game.layout, trumps));
  for (int j = 1; j <= trumps; ++j)
    PlacePoigneeImage(game, j, game.PoigneeSelected[j] == 1);
}

// The review windows are filled only once a deal is over.
void PlaceReviewFrames(Game& game) {
  if (game.state.DealPhase != Phase::DealOver)
    return;
  for (int trick = 1; trick <= 18; ++trick)
    PlaceTrickFrame(game, trick);
  PlaceDogPanels(game);
  if (game.state.HighestBid == kPrise || game.state.HighestBid == kGarde) {
    for (int k = 1; k <= 6; ++k)
      PlaceDiscardFrame(game, k);
  }
}

}  // namespace

void ChangeLayout(Game& game, const Layout& layout) {
  game.layout = layout;
  PlaceHand(game);
  PlaceDog(game);
  if (game.state.Taker >= kSouth && game.state.Taker <= kWest)
    PlaceTakerFrame(game);
  PlacePoigneeWindow(game);
  PlaceReviewFrames(game);
}

}  // namespace zarvane
