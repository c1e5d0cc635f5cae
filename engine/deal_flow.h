#pragma once

#include "engine/game.h"

namespace zarvane {

// The game window's start values: the card table, the options, the first speaker.
void StartUp(Game& game);
// The new-deal command; replay 1 deals the previous deal again.
void NewDeal(Game& game, int replay);
// "Redémarrer la partie", "REJOUER LA DONNE" and the replay button.
void ReplayDeal(Game& game);
// One step of the click-to-continue machine: a click on the background, the table, a bid
// bubble, or the tick of the transition timer.
void Continue(Game& game);
// The seat of the highest bid; sets HighestBid.
int FindTaker(Game& game);
// Turns the dog face up for PRISE and GARDE, or prepares the play without it.
void ShowDog(Game& game);
void TimerEntreCarteTimer(Game& game);
void TimerTransitionTimer(Game& game);
// A click on South's card image k (1..24).
void Carte3DClick(Game& game, int k);
// A click on dog image i (1..6) on the table.
void CarteChienClick(Game& game, int i);

}  // namespace zarvane
