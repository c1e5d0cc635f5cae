#include "core/strategy/shared_operations.h"

#include "core/card_play.h"

namespace zarvane {

namespace {

bool IsPlayable(const Core& game, int seat, int slot) {
  return game.Playable[seat][slot] == 1;
}

bool IsPlainSuit(int suit) {
  return suit >= kPique && suit <= kCarreau;
}

// The playable slot whose card the test ranks first; ties go to the first in hand order.
template <typename Test, typename Better>
int BestPlayableWhere(const Core& game, int seat, Test test, Better better) {
  int best = -1;
  for (int slot = 1; slot <= 18; ++slot) {
    const Card& card = game.Hands[seat][slot];
    if (IsPlayable(game, seat, slot) && test(card) &&
        (best == -1 || better(card, game.Hands[seat][best]))) {
      best = slot;
    }
  }
  return best;
}

bool LowerValue(const Card& a, const Card& b) {
  return a.Value < b.Value;
}

int LowestTrumpWhere(const Core& game, int seat, bool (*test)(int value)) {
  return BestPlayableWhere(
      game, seat, [test](const Card& c) { return IsTrump(c) && test(c.Value); }, LowerValue);
}

template <typename Test>
int CountPlayableWhere(const Core& game, int seat, Test test) {
  int count = 0;
  for (int slot = 1; slot <= 18; ++slot) {
    if (IsPlayable(game, seat, slot) && test(game.Hands[seat][slot]))
      ++count;
  }
  return count;
}

}  // namespace

bool ChooseSlot(Core& game, int seat, int slot) {
  if (slot < 1 || slot > 18 || !IsPlayable(game, seat, slot))
    return false;
  game.Playable[seat].Fill(0);
  game.Playable[seat][slot] = 1;
  return true;
}

bool Choose(StrategyTurn& turn, int slot) {
  const bool chosen = ChooseSlot(turn.game, turn.S, slot);
  turn.game.CardChosen = chosen ? 1 : 0;
  if (chosen)
    turn.game.RuleState[turn.Rule] = 2;
  return chosen;
}

void AvoidSuit(Core& game, int seat, int suit) {
  if (CountPlayableWhere(game, seat, [suit](const Card& c) { return c.Suit != suit; }) == 0)
    return;
  for (int slot = 1; slot <= 18; ++slot) {
    if (game.Hands[seat][slot].Suit == suit)
      game.Playable[seat][slot] = 0;
  }
}

void AvoidCard(Core& game, int seat, int suit, int value) {
  const Card card{value, suit, 0};
  if (CountPlayableWhere(game, seat, [&card](const Card& c) { return !SameCard(c, card); }) == 0)
    return;
  for (int slot = 1; slot <= 18; ++slot) {
    if (SameCard(game.Hands[seat][slot], card))
      game.Playable[seat][slot] = 0;
  }
}

bool PlaysAfter(int s, int x, int p) {
  return x != s && (p == 1 || (p == 2 && x != PrevSeat(s)) || (p == 3 && x == NextSeat(s)));
}

int TrickPositionOf(const Core& game, int seat) {
  const int p = seat - game.TrickLeader + 1;
  return p < 1 ? p + 4 : p;
}

int TrickWinnerSoFar(const Core& game, int seat) {
  int best = game.TrickLeader;
  int other = NextSeat(game.TrickLeader);
  // Only the seats between the leader and S: S's own empty place would beat a led Excuse.
  for (int p = 2; p < TrickPositionOf(game, seat); ++p, other = NextSeat(other)) {
    if (Beats(game.TrickCards[other], game.TrickCards[best]))
      best = other;
  }
  return best;
}

WinningCard WinningCardOf(const Core& game, int seat) {
  using enum WinningCard::Stand;
  const int winner = TrickWinnerSoFar(game, seat);
  if (seat != game.Taker && winner != game.Taker)
    return {NoTakerToBeat};
  if (seat == game.TrickLeader)
    return {CanWin};
  const Card& best = game.TrickCards[winner];
  for (int slot = 18; slot >= 1; --slot) {
    if (IsPlayable(game, seat, slot) && Beats(game.Hands[seat][slot], best))
      return {CanWin, slot};
  }
  return {CannotWin};
}

int LowestPlainCard(const Core& game, int seat) {
  return BestPlayableWhere(
      game, seat, [](const Card& c) { return IsPlainSuit(c.Suit); }, LowerValue);
}

int LowestTrump(const Core& game, int seat) {
  return LowestTrumpWhere(game, seat, [](int v) { return v > 1; });
}

int LowestOddTrump(const Core& game, int seat) {
  return LowestTrumpWhere(game, seat, [](int v) { return v >= 3 && v % 2 == 1; });
}

int LowestEvenTrump(const Core& game, int seat) {
  return LowestTrumpWhere(game, seat, [](int v) { return v % 2 == 0; });
}

int HighestHonour(const Core& game, int seat) {
  return BestPlayableWhere(
      game, seat, [](const Card& c) { return IsPlainSuit(c.Suit) && c.Value > 10; },
      [](const Card& a, const Card& b) { return a.Value > b.Value; });
}

int GuardedKing(const Core& game, int seat, int suit) {
  const int king = FirstPlayableWhere(
      game, seat, [suit](const Card& c) { return c.Suit == suit && c.Value == kKing; });
  if (king == -1)
    return -1;
  const int below =
      CountPlayableWhere(game, seat, [suit](const Card& c) { return c.Suit == suit; }) - 1;
  return below >= 2 ? king : -1;
}

int LowCardUnderHonours(const Core& game, int seat, int suit) {
  const bool honour = CountPlayableWhere(game, seat, [suit](const Card& c) {
                        return c.Suit == suit && (c.Value == kQueen || c.Value == kKing);
                      }) > 0;
  if (!honour ||
      CountPlayableWhere(game, seat, [suit](const Card& c) { return c.Suit == suit; }) < 5)
    return -1;
  for (int slot = 18; slot >= 1; --slot) {
    const Card& card = game.Hands[seat][slot];
    if (IsPlayable(game, seat, slot) && card.Suit == suit && card.Value < 5)
      return slot;
  }
  return -1;
}

int SuitLength(const Core& game, int seat, int suit) {
  int count = 0;
  for (const Card& card : game.Hands[seat]) {
    if (card.Suit == suit)
      ++count;
  }
  return count;
}

int MasterTrumpRun(const Core& game, int seat) {
  if (game.TopTrump[seat] == -1)
    return 0;
  int run = 0;
  for (int t = game.TopTrump[seat]; t >= 2; --t) {
    if (game.TrumpStatus[seat][t] == kPlayed)
      continue;
    if (game.TrumpHolder[t] != seat)
      break;
    ++run;
  }
  return run;
}

bool AdjacentHonourHeld(const Core& game, int seat, int suit, int v) {
  switch (v) {
    case kJack:
      return Holds(game, seat, suit, kKnight);
    case kKnight:
      return Holds(game, seat, suit, kJack) || Holds(game, seat, suit, kQueen);
    case kQueen:
      return Holds(game, seat, suit, kKnight) || Holds(game, seat, suit, kKing);
    case kKing:
      return Holds(game, seat, suit, kQueen);
    default:
      return false;
  }
}

bool Holds(const Core& game, int seat, int suit, int value) {
  return game.CardHolder[suit][value] == seat;
}

int FirstPlayableTrump(const Core& game, int seat) {
  return FirstPlayableWhere(game, seat, IsTrump);
}

bool DrawBelow(Core& game, int k) {
  return RandomUpTo(game.random, 100) < k;
}

bool ChooseHeldCard(StrategyTurn& turn, int suit, int value) {
  return Choose(turn, turn.game.CardSlot[suit][value]);
}

}  // namespace zarvane
