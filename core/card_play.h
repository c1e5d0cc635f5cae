#pragma once

#include "core/game_state.h"

namespace zarvane {

// Why a card is legal, kept for each card as its play reason: what the others learn from it.
inline constexpr int kFollows = -1;
inline constexpr int kFreeLead = 0;
inline constexpr int kMustTrump = 1;
inline constexpr int kMustOvertrump = 2;
inline constexpr int kCannotOvertrump = 3;
inline constexpr int kNoSuitNoTrump = 4;
inline constexpr int kNoTrumpOnTrumpLead = 5;

// True when the challenger takes the trick from the best card so far: a higher card of the
// same suit, a trump on a plain card, or any card on the Excuse, which never wins.
bool Beats(const Card& challenger, const Card& best);
// The seat whose card wins the four cards on the table.
int TrickWinner(const Core& game);

// The seat's legal cards and the reason each is legal.
void ComputePlayableCards(Core& game, int seat);
// How many of the seat's cards are flagged playable.
int CountPlayable(const Core& game, int seat);

// The seat's card joins the trick and the play memory; the turn passes unless it was the
// fourth card.
void PlaceCard(Core& game, int seat, int slot);
// The same, then the trick ended at the fourth card: what a trial deal plays.
void PlayCard(Core& game, int seat, int slot);

// The play memory's updates for a card about to be played, before it leaves the hand.
void RecordPlayedCard(Core& game, int seat, int slot);
// What every observer learns from the reason the card was legal.
void RecordInferences(Core& game, int seat, int slot, int suit, int value);

// Decides the trick, counts it and gets the next one ready; the cards stay in the trick.
void EndTrick(Core& game);
// The four cards leave the trick once seen: play goes on, or the deal is over.
void ClearTrick(Core& game);

}  // namespace zarvane
