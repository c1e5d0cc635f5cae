#pragma once

#include "table/game.h"

namespace zarvane {

// Hides the dog and lays South's 18 cards along the bottom, each 0 to 2 scaled pixels below
// the hand line at random, as if held.
void LayOutSouthHand(Game& game);
void DrawSouthCard(Game& game, int slot);

// Where the table's card images stand in the current layout, from the offsets drawn when they
// were laid; a lifted or raised image stands higher by its lift.
int SouthCardLeft(const Layout& layout, int slot);
int SouthCardTop(const Game& game, int slot);
int DiscardImageLeft(const Layout& layout, int k);
int DiscardImageTop(const Game& game, int k);
int DogCardLeft(const Layout& layout, int i);
int DogCardTop(const Game& game, int i);
int PoigneeImageLeft(const Layout& layout, int j);
int PoigneeImageTop(const Game& game, int j);

void PlaceSouthCard(Game& game, int slot, int lift);
void PlaceDiscardImage(Game& game, int k, bool lifted);
void PlacePoigneeImage(Game& game, int j, bool raised);
void PlaceTakerFrame(Game& game);
// The poignee window is as wide as the trumps it shows, and never narrower than its row of
// buttons with the margin it has on the left.
int PoigneeWindowWidth(const Layout& layout, int trumps);

}  // namespace zarvane
