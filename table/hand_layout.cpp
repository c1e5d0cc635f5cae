#include "table/hand_layout.h"

namespace zarvane {

void LayOutSouthHand(Game& game) {
  for (int i = 1; i <= 6; ++i)
    game.view.SetVisible(Control::CarteChien, i, false);
  for (int i = 1; i <= 18; ++i) {
    const int r = static_cast<int>(RandomBelow(game.random, 3));
    game.SouthCardTop[i] = game.layout.HandTop + RoundHalfEven(r * game.layout.YScale);
    game.view.Place(Control::Carte3D, i, game.layout.HandLeft + (i - 1) * game.layout.CardStep,
                    game.SouthCardTop[i]);
    game.view.SetPointer(Control::Carte3D, i, Pointer::NoDrop);
  }
  for (int i = 1; i <= 18; ++i) {
    game.view.SetVisible(Control::Carte3D, i, true);
    DrawSouthCard(game, i);
  }
}

void DrawSouthCard(Game& game, int slot) {
  game.view.ShowCard(Control::Carte3D, slot, game.Hands[game.HumanSeat][slot]);
}

}  // namespace zarvane
