#pragma once

#include "table/game.h"

namespace zarvane {

// The review windows only read the deal. Each is filled every time it opens, then shown in the
// middle of the screen beside the game, which stays playable.

// The four cards of the last trick completed.
void ShowPreviousTrick(Game& game);

// The eighteen tricks at once, every trick's leader framed: green for the taker, blue for a
// defender.
void FillAllTricks(Game& game);
// From the analysis of South's play: the eighteen tricks step by step up to the trick of one of
// his cards, his card there framed in red, and the card that would have done better framed in
// green in the trick he played it in, shown alone of that later trick.
void ShowDecisionTrick(Game& game, int trick, int south_slot, int better_slot);
// "Effacer tout": an empty window; "Pas à pas" starts again from the first card.
void PanelEffacerClick(Game& game);
// "Pas à pas": the next card in the order it was played, with its trick's frame.
void PanelPasApasClick(Game& game);
// "Voir tout": every card and frame.
void PanelVoirToutClick(Game& game);

// The four hands as dealt and the dog beside the taker's hand; after a PRISE or a GARDE also
// the discard, and the six discarded cards framed in yellow where they were dealt.
void FillHands(Game& game);
// The deal's code was copied: the Copy button says so for a moment, until TimerCopie ticks.
void PanelCopierCodeClick(Game& game);
void TimerCopieTimer(Game& game);

// Where the frames and the dog panels of the two windows above stand, by the current layout;
// the dog panels and the discard frames need the taker.
void PlaceTrickFrame(Game& game, int trick);
void PlaceDogPanels(Game& game);
void PlaceDiscardFrame(Game& game, int k);

}  // namespace zarvane
