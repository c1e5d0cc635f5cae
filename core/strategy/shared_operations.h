#pragma once

#include "common/random.h"
#include "core/game_state.h"
#include "core/strategy/turn.h"

namespace zarvane {

// The rule may act: it is switched on and no rule has chosen a card yet in this call. Asked of
// every rule for every card of every trial deal, so kept where the caller can inline it.
inline bool RuleOn(const Core& game, int n) {
  return game.RuleState[n] == 1 && game.CardChosen == 0;
}

// Leaves only that slot playable when it is playable; otherwise changes nothing.
bool ChooseSlot(Core& game, int seat, int slot);
// A choose step: CardChosen follows ChooseSlot, and the rule is marked when it succeeds.
bool Choose(StrategyTurn& turn, int slot);
// Takes the seat's cards of the suit out of play, unless they are all it could play. Suit 0
// covers the trumps and the Excuse.
void AvoidSuit(Core& game, int seat, int suit);
// Takes the card out of play, unless it is all the seat could play.
void AvoidCard(Core& game, int seat, int suit, int value);

// X still has to play in this trick after S, who sits at position p.
bool PlaysAfter(int s, int x, int p);
// The seat S sits at in the trick being played: 1 when S leads.
int TrickPositionOf(const Core& game, int seat);
// Whose card is best among those played before the seat's turn; the leader when it leads.
int TrickWinnerSoFar(const Core& game, int seat);
// The seat's lowest-ranked card that takes the trick from the taker, or from a winning
// defender when the seat is the taker; the taker leading can win with no card named, having
// nothing to beat yet.
WinningCard WinningCardOf(const Core& game, int seat);

// Slots of the seat's playable cards, -1 when there is none.
int LowestPlainCard(const Core& game, int seat);
int LowestTrump(const Core& game, int seat);      // never the Petit or the Excuse
int LowestOddTrump(const Core& game, int seat);   // 3 or more
int LowestEvenTrump(const Core& game, int seat);  // 2 or more
int HighestHonour(const Core& game, int seat);    // a plain card above the 10
int GuardedKing(const Core& game, int seat, int suit);
int LowCardUnderHonours(const Core& game, int seat, int suit);

// Cards of the suit among the seat's 18 slots, played or not.
int SuitLength(const Core& game, int seat, int suit);
// The seat's unbroken run of trumps from the highest left, skipping those played.
int MasterTrumpRun(const Core& game, int seat);
// The seat holds a plain card next to the honour v of the suit.
bool AdjacentHonourHeld(const Core& game, int seat, int suit, int v);
// The seat held the plain card at the start of play and has not played it.
bool Holds(const Core& game, int seat, int suit, int value);

// The first playable slot in hand order whose card passes the test; -1 when none does.
template <typename Test>
int FirstPlayableWhere(const Core& game, int seat, Test test) {
  for (int slot = 1; slot <= 18; ++slot) {
    if (game.Playable[seat][slot] == 1 && test(game.Hands[seat][slot]))
      return slot;
  }
  return -1;
}
// The seat's highest playable trump, the Excuse left aside.
int FirstPlayableTrump(const Core& game, int seat);

// A draw below k: k-1 chances in 100.
bool DrawBelow(Core& game, int k);

// Walks over the four plain suits from a random one, cyclically, until the visit returns
// true; gives that suit, or -1. Testing first looks at the drawn suit, stepping first starts
// with the suit after it.
template <typename Visit>
int WalkSuitsTestThenStep(Core& game, Visit visit) {
  int s = RandomUpTo(game.random, 4);
  for (int n = 0; n < 4; ++n, s = s % 4 + 1) {
    if (visit(s))
      return s;
  }
  return -1;
}
template <typename Visit>
int WalkSuitsStepThenTest(Core& game, Visit visit) {
  int s = RandomUpTo(game.random, 4);
  for (int n = 0; n < 4; ++n) {
    s = s % 4 + 1;
    if (visit(s))
      return s;
  }
  return -1;
}

// Walks over the four plain suits from the given one, cyclically, until the visit returns
// true; gives that suit, or -1.
template <typename Visit>
int WalkSuitsFrom(int start, Visit visit) {
  for (int n = 0, s = start; n < 4; ++n, s = s % 4 + 1) {
    if (visit(s))
      return s;
  }
  return -1;
}
// A choose step on a plain card the seat holds, through the slot it was dealt to.
bool ChooseHeldCard(StrategyTurn& turn, int suit, int value);
// The last playable slot in hand order whose card passes the test (for a suit, its lowest
// card); -1 when none does.
template <typename Test>
int LastPlayableWhere(const Core& game, int seat, Test test) {
  for (int slot = 18; slot >= 1; --slot) {
    if (game.Playable[seat][slot] == 1 && test(game.Hands[seat][slot]))
      return slot;
  }
  return -1;
}

}  // namespace zarvane
