#pragma once

#include "core/game_state.h"

namespace zarvane {

// Cards that neither discard may take.
bool MustKeep(const Card& card);

// The merged cards and, for each, where it came from: 1..18 the taker's slot, 19..24 the dog.
struct Merge {
  Table<Card, 1, 24> cards{};
  Table<int, 1, 24> source{};
};
// The taker's 18 cards and the 6 dog cards in hand order, with where each came from.
Merge MergeHandAndDog(const GameState& game, int taker);
// The same, the cards only.
Table<Card, 1, 24> MergeWithDog(const GameState& game, int taker);

// The taker's hand becomes his merged cards still kept, the dog the others, in merged order.
void WriteBackDiscard(GameState& game);
// The merged cards of the taker's hand and the dog, and which of them a computer taker keeps,
// drawn in the discard's ten steps.
void ChooseComputerDiscard(GameState& game);
// A computer taker's discard, drawn in its ten steps; ends with the preparation for play.
void ComputerDiscard(GameState& game);
// Where each discarded card was right after the deal, for the hands window.
void FillDiscardOrigin(GameState& game);

}  // namespace zarvane
