#pragma once

#include "core/game_state.h"

namespace zarvane {

// A deal as it was dealt: the four hands and the dog, in no particular order within each, and
// the seat that speaks and leads first.
struct DealtDeal {
  PerSeat<Hand> Hands{};
  Table<Card, 1, 6> Dog{};
  int FirstPlayer = kSouth;
};

// One attempt: the generator reseeded from the clock, a shuffle, deal in packets of three, compute
// every seat's bid and bend the deal to South's chosen strength. False when the attempt is refused.
bool DealOnce(GameState& game, const Clock& clock);
// The judgement of an attempt on the cards now in the hands and the dog: a petit sec or a
// seat that could not discard refuses it; every seat's bid is computed; South's hand is
// exchanged for one of the chosen strength when a seat has it; with AtLeastOneTaker a deal
// that everybody would pass is refused.
bool AcceptDealtCards(GameState& game);
// Exchanges the 18 cards of two seats and their computed bids.
void SwapSeats(GameState& game, int a, int b);
// The order of a sorted hand: trumps 21 down to the Excuse, then each plain suit from the king
// down.
bool HandOrder(const Card& a, const Card& b);
// Sorts in hand order; the sorted cards become the hands as dealt.
void SortHands(GameState& game);
void SortHand(GameState& game, int seat);
void SortDog(GameState& game);
// Attempts until one is accepted, then sorts the hands and the dog. The clock reseeds the
// generator before every attempt.
void DealUntilAccepted(GameState& game, const Clock& clock);
// The deal in progress as dealt (after any exchange made for South's hand strength).
DealtDeal DealAsDealt(const GameState& game);
// Deals exactly these hands and this dog, whatever the options: no test refuses them and South's
// hand is not exchanged. The bids are computed and the cards sorted as after any deal.
void DealGivenHands(GameState& game, const DealtDeal& deal);

}  // namespace zarvane
