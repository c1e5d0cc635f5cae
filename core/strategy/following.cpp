#include "core/strategy/following.h"

#include "core/strategy/shared_operations.h"

namespace zarvane {

namespace {

constexpr int kHonoursDown[] = {kKing, kQueen, kKnight, kJack};

const Card& LedCard(const Core& game) {
  return game.TrickCards[game.TrickLeader];
}

const Card& TakerCard(const Core& game) {
  return game.TrickCards[game.Taker];
}

// The tricks still to play, this one included.
int TricksLeft(const Core& game) {
  return 19 - game.TrickNumber;
}

bool TakerStillToPlay(const StrategyTurn& turn) {
  return PlaysAfter(turn.S, turn.game.Taker, turn.TrickPosition);
}

// A choose step of a rule that marks itself only once all its steps have run.
void ChooseUnmarked(StrategyTurn& turn, int suit, int value) {
  Core& game = turn.game;
  game.CardChosen = ChooseSlot(game, turn.S, game.CardSlot[suit][value]) ? 1 : 0;
}

// The first round of a plain suit led by a defender, with the taker still to play after S.
bool FirstRoundAheadOfTaker(const StrategyTurn& turn) {
  const Core& game = turn.game;
  const int ls = LedCard(game).Suit;
  return turn.S != game.Taker && game.TrickLeader != game.Taker && turn.TrickPosition != 1 &&
         TakerStillToPlay(turn) && ls > 0 && game.SuitOpening[ls] == 2;
}

// S cannot beat the taker: its lowest plain card, or its lowest trump above the Petit.
void GiveWay(StrategyTurn& turn) {
  int c = LowestPlainCard(turn.game, turn.S);
  if (c == -1)
    c = LowestTrump(turn.game, turn.S);
  if (c != -1)
    Choose(turn, c);
}

void Rule385KeepMasterHonour(StrategyTurn& turn) {
  Core& game = turn.game;
  const int p = turn.TrickPosition;
  if (turn.S == game.Taker || (p != 3 && p != 4) || game.TrickLeader != game.Taker ||
      !NoTakerToBeat(turn) || !DrawBelow(game, 90))
    return;
  const int ls = LedCard(game).Suit;
  if (ls == kAtout)
    return;
  const int m = game.MasterCard[ls];
  if (m > 10 && !AdjacentHonourHeld(game, turn.S, ls, m) && game.OutsideSuitCount[turn.S][ls] != 0)
    AvoidCard(game, turn.S, ls, m);
}

// The lowest card of the taker's suit that beats his card, scanning from the end.
int LowestBeatingTakerCard(const Core& game, int seat) {
  const Card& taker = TakerCard(game);
  for (int slot = 18; slot >= 1; --slot) {
    const Card& card = game.Hands[seat][slot];
    if (game.Playable[seat][slot] == 1 && card.Suit == taker.Suit && card.Value > taker.Value)
      return slot;
  }
  return -1;
}

void Rule381BeatTheTaker(StrategyTurn& turn) {
  Core& game = turn.game;
  const int p = turn.TrickPosition;
  const int ls = LedCard(game).Suit;
  if (ls == kAtout || TakerStillToPlay(turn) || turn.S == game.Taker)
    return;
  const bool taker_plain_late = TakerCard(game).Suit != kAtout && (p == 3 || p == 4);
  const bool short_in_suit = p > 1 && game.OutsideSuitCount[turn.S][ls] <= 1;
  if (!(taker_plain_late || short_in_suit) || CannotWin(turn) || turn.CurrentWinner != game.Taker)
    return;
  int c = HighestHonour(game, turn.S);
  if (c == -1)
    c = LowestBeatingTakerCard(game, turn.S);
  if (c != -1)
    Choose(turn, c);
}

void Rule383RuffAheadOfTaker(StrategyTurn& turn) {
  Core& game = turn.game;
  const int s = turn.S;
  const int p = turn.TrickPosition;
  const int ls = LedCard(game).Suit;
  if (s == game.Taker || p == 1 || game.TrickLeader == game.Taker || ls == kAtout ||
      game.KnownVoid[s][game.Taker][ls] != 1 || game.KnownVoid[s][s][ls] != 1)
    return;
  if (s == turn.Defender3 || (s == turn.Defender2 && p == 2))
    Choose(turn,
           FirstPlayableWhere(game, s, [](const Card& c) { return IsTrump(c) && c.Value > 1; }));
}

void Rule301HonourOnTakersHonour(StrategyTurn& turn) {
  Core& game = turn.game;
  const int s = turn.S;
  const Card& taker = TakerCard(game);
  const int ls = LedCard(game).Suit;
  if (s == game.Taker || TakerStillToPlay(turn) || taker.Suit == kAtout || taker.Suit == kNoSuit ||
      taker.Suit != ls)
    return;
  const int tv = taker.Value;
  if (tv == kJack) {
    if (Holds(game, s, ls, kKing) && DrawBelow(game, 70))
      ChooseUnmarked(turn, ls, kKing);
    if (Holds(game, s, ls, kQueen) && DrawBelow(game, 80))
      ChooseUnmarked(turn, ls, kQueen);
    if (Holds(game, s, ls, kKnight) && DrawBelow(game, 80))
      ChooseUnmarked(turn, ls, kKnight);
  }
  if (tv == kKnight) {
    if (Holds(game, s, ls, kKing) && DrawBelow(game, 98))
      ChooseUnmarked(turn, ls, kKing);
    if (Holds(game, s, ls, kQueen) && DrawBelow(game, 98))
      ChooseUnmarked(turn, ls, kQueen);
  }
  if (tv == kQueen && Holds(game, s, ls, kKing))
    ChooseUnmarked(turn, ls, kKing);
  if (game.CardChosen == 1)
    game.RuleState[turn.Rule] = 2;
}

// The plain suits the taker has played a card of.
int TakerSuitsShown(const Core& game) {
  int count = 0;
  for (int s = kPique; s <= kCarreau; ++s)
    count += game.TakerPlayedSuit[s] == 1 ? 1 : 0;
  return count;
}

void Rule318KeepLastSuitHonours(StrategyTurn& turn) {
  Core& game = turn.game;
  if (turn.S == game.Taker || !TakerStillToPlay(turn))
    return;
  int played_out = 0;
  int m = -1;
  for (int s = kPique; s <= kCarreau; ++s) {
    played_out += game.SuitOpening[s] == 0 ? 1 : 0;
    if (game.SuitOpening[s] == 1 || game.SuitOpening[s] == 2)
      m = s;
  }
  if (played_out != 3 || m == -1 || TakerSuitsShown(game) != 3 ||
      (turn.TrickPosition != 1 && LedCard(game).Suit != m))
    return;
  for (int v : kHonoursDown)
    AvoidCard(game, turn.S, m, v);
}

bool IsJackOrKnight(int value) {
  return value == kJack || value == kKnight;
}

void Rule319TakerCoversJackOrKnight(StrategyTurn& turn) {
  Core& game = turn.game;
  const int t = game.Taker;
  const int p = turn.TrickPosition;
  const Card& led = LedCard(game);
  if (turn.S != t || p == 1 || CannotWin(turn) || led.Suit == kAtout)
    return;
  const bool appeared = IsJackOrKnight(led.Value) ||
                        (p == 3 && IsJackOrKnight(game.TrickCards[turn.Defender3].Value)) ||
                        (p == 4 && (IsJackOrKnight(game.TrickCards[turn.Defender3].Value) ||
                                    IsJackOrKnight(game.TrickCards[turn.Defender2].Value)));
  if (!appeared || game.OutsideSuitCount[t][led.Suit] <= 5)
    return;
  if (Holds(game, t, led.Suit, kKing))
    ChooseHeldCard(turn, led.Suit, kKing);
  if (Holds(game, t, led.Suit, kQueen))
    ChooseHeldCard(turn, led.Suit, kQueen);
}

bool IsTakersOpeningSuit(const Core& game, int suit) {
  return game.TakerLedSuitOrder[1] == suit || game.TakerLedSuitOrder[2] == suit;
}

void Rule310CoverTakersSmallLead(StrategyTurn& turn) {
  Core& game = turn.game;
  const int s = turn.S;
  const Card& led = LedCard(game);
  const int ls = led.Suit;
  if (s == game.Taker || game.TrickLeader != game.Taker || ls <= 0 || led.Value > 10 ||
      !IsTakersOpeningSuit(game, ls))
    return;
  int x = 0;
  if (Holds(game, s, ls, kKing) && Holds(game, s, ls, kQueen))
    x = kKing;
  if (Holds(game, s, ls, kQueen) && Holds(game, s, ls, kKnight))
    x = kQueen;
  if (Holds(game, s, ls, kKnight) && Holds(game, s, ls, kJack))
    x = kKnight;
  const int p = turn.TrickPosition;
  if (x != 0)
    ChooseHeldCard(turn, ls, x);
  else if (p == 2 || ((p == 3 || p == 4) && turn.CurrentWinner != game.Taker))
    AvoidCard(game, s, ls, kKing);
}

void Rule315QueenOnFirstRound(StrategyTurn& turn) {
  Core& game = turn.game;
  if (!DrawBelow(game, 80) || !FirstRoundAheadOfTaker(turn))
    return;
  const Card& led = LedCard(game);
  if (led.Value <= 5 && SuitLength(game, turn.S, led.Suit) < 4 &&
      Holds(game, turn.S, led.Suit, kQueen) && game.DogKing[led.Suit] == 0)
    ChooseHeldCard(turn, led.Suit, kQueen);
}

void Rule316KingOnFirstRound(StrategyTurn& turn) {
  Core& game = turn.game;
  if (!FirstRoundAheadOfTaker(turn))
    return;
  const int ls = LedCard(game).Suit;
  const int length = SuitLength(game, turn.S, ls);
  if (((length < 4 && DrawBelow(game, 60)) || (length == 4 && DrawBelow(game, 40))) &&
      Holds(game, turn.S, ls, kKing))
    ChooseHeldCard(turn, ls, kKing);
}

void Rule317KeepUnguardedQueen(StrategyTurn& turn) {
  Core& game = turn.game;
  const Card& led = LedCard(game);
  if (FirstRoundAheadOfTaker(turn) && led.Value > 5 && Holds(game, turn.S, led.Suit, kQueen) &&
      !Holds(game, turn.S, led.Suit, kKing))
    AvoidCard(game, turn.S, led.Suit, kQueen);
}

// Rule 203, test 1: a partner's card in the trick is the highest trump left.
bool PartnerPlayedTopTrump(const StrategyTurn& turn) {
  const Core& game = turn.game;
  for (int d : {turn.Defender1, turn.Defender2, turn.Defender3}) {
    const Card& card = game.TrickCards[d];
    if (IsTrump(card) && card.Value == game.TopTrump[turn.S])
      return true;
  }
  return false;
}

// Rule 203, test 4: some trump above the one the taker led is still out.
bool TrumpAboveStillOut(const Core& game, int led_value) {
  for (int v = led_value + 1; v <= 21; ++v) {
    if (game.TrumpHolder[v] != kPlayed)
      return true;
  }
  return false;
}

// Rule 203, test 5, once the taker has played and S is not last: its sub-tests in order.
int GiveAfterTaker(const StrategyTurn& turn) {
  const Core& game = turn.game;
  const int s = turn.S;
  const Card& led = LedCard(game);
  const int ls = led.Suit;
  const int lv = led.Value;
  if (FirstPlayableWhere(game, s, [ls](const Card& c) { return c.Suit == ls; }) != -1)
    return 0;
  if (ls == kAtout)
    return 0;
  const int j = game.MasterCard[ls];
  const int left = TricksLeft(game);
  const int trumps_out = game.OutsideTrumpCount[s];
  const int suit_out = game.OutsideSuitCount[s][ls];
  if (game.TrickLeader == game.Taker) {
    if (lv == j)
      return trumps_out >= left ? 1 : 0;
    if (lv < j) {
      const bool p23 = turn.TrickPosition == 2 || turn.TrickPosition == 3;
      if ((suit_out <= 2 && left < trumps_out) ||
          (!NoTakerToBeat(turn) && p23 && (suit_out > 4 || left < suit_out)) || left < trumps_out)
        return 1;
    }
    return 0;
  }
  const Card& taker = TakerCard(game);
  const bool taker_plain = taker.Suit != kAtout && taker.Suit != kNoSuit;
  if (lv == j) {
    if (IsTrump(taker))
      return 0;
    if (taker.Suit != kAtout && taker.Value != -1)
      return 1;
  }
  if (lv < j) {
    if (taker_plain && taker.Value == j)
      return 0;
    if (taker_plain && taker.Value < j)
      return 1;
  }
  return 0;
}

// Rule 203's decision: 1 to throw honours on the trick, 0 to keep them. The first test that
// decides settles it.
int GiveHonours(const StrategyTurn& turn) {
  const Core& game = turn.game;
  const int s = turn.S;
  const int t = game.Taker;
  const int p = turn.TrickPosition;
  const Card& led = LedCard(game);
  const bool taker_after = TakerStillToPlay(turn);
  if (PartnerPlayedTopTrump(turn))
    return 1;
  if (NoTakerToBeat(turn) && !taker_after)
    return 1;
  if (taker_after && (p == 2 || p == 3) && led.Suit != kAtout &&
      game.KnownVoid[s][t][led.Suit] == 1)
    return game.KnownNoTrump[s][t];
  if (game.TrickLeader == t && (p == 2 || p == 3) && IsTrump(led) &&
      game.OutsideTrumpCount[s] >= TricksLeft(game) && TrumpAboveStillOut(game, led.Value))
    return 1;
  if (!taker_after && p != 4)
    return GiveAfterTaker(turn);
  return 0;
}

// Rule 203's first pass, Roi down to Valet: only where the drawn suit is one the taker is known
// void in, and then only the first honour of that value met walking the suits from there,
// playable or not.
bool ThrowHonourWhereTakerIsVoid(StrategyTurn& turn) {
  Core& game = turn.game;
  const int s = turn.S;
  for (int v : kHonoursDown) {
    const int r = RandomUpTo(game.random, 4);
    if (game.KnownVoid[s][game.Taker][r] != 1)
      continue;
    const int held = WalkSuitsFrom(r, [&](int suit) { return Holds(game, s, suit, v); });
    if (held != -1 && ChooseHeldCard(turn, held, v))
      return true;
  }
  return false;
}

// Rule 203's second pass, Roi down to Valet: the first honour of each value that can be played,
// walking the suits from a drawn one.
bool ThrowAnyHonour(StrategyTurn& turn) {
  Core& game = turn.game;
  const int s = turn.S;
  for (int v : kHonoursDown) {
    const int r = RandomUpTo(game.random, 4);
    const int thrown = WalkSuitsFrom(r, [&](int suit) {
      // A master honour of a suit never opened stays while the taker has not shown three suits.
      const bool kept = game.MasterCard[suit] == v && Holds(game, s, suit, v) &&
                        game.SuitOpening[suit] == 1 && TakerSuitsShown(game) < 3;
      return !kept && Holds(game, s, suit, v) && ChooseHeldCard(turn, suit, v);
    });
    if (thrown != -1)
      return true;
  }
  return false;
}

// Keeps every honour the seat can spare, the drawn suit first and moving on at each value.
void KeepHonours(StrategyTurn& turn) {
  Core& game = turn.game;
  int r = RandomUpTo(game.random, 4);
  for (int v : kHonoursDown) {
    for (int i = 1; i <= 4; ++i) {
      AvoidCard(game, turn.S, r, v);
      r += i;
      if (r > 4)
        r -= 4;
    }
  }
}

void Rule203ThrowOrKeepHonours(StrategyTurn& turn) {
  Core& game = turn.game;
  const int s = turn.S;
  if (s == game.Taker || turn.TrickPosition <= 1 || game.KnownNoTrump[s][s] != 1 ||
      IsExcuse(LedCard(game)))
    return;
  if (GiveHonours(turn) == 1) {
    if (!ThrowHonourWhereTakerIsVoid(turn))
      ThrowAnyHonour(turn);
  } else {
    KeepHonours(turn);
  }
}

void Rule160TakerRuffsHigh(StrategyTurn& turn) {
  Core& game = turn.game;
  const int t = game.Taker;
  if (!DrawBelow(game, 40) || turn.S != t || turn.TrickPosition != 2 ||
      (game.KnownNoTrump[t][turn.Defender1] != 0 && game.KnownNoTrump[t][turn.Defender2] != 0))
    return;
  const int ls = LedCard(game).Suit;
  if (ls == kAtout || ls == kNoSuit || game.SuitCount[t][ls] != 0 ||
      game.UnplacedSuitCount[t][ls] >= 5)
    return;
  const bool honour_out =
      game.CardStatus[t][ls][kQueen] != kPlayed || game.CardStatus[t][ls][kKing] != kPlayed;
  if (honour_out && game.KnownNoTrump[t][t] == 0)
    Choose(turn, FirstPlayableWhere(game, t, [](const Card& c) { return c.Suit == kAtout; }));
}

void Rule13TakerPlaysGuardedKing(StrategyTurn& turn) {
  Core& game = turn.game;
  const int t = game.Taker;
  const int p = turn.TrickPosition;
  const int ls = LedCard(game).Suit;
  if (CannotWin(turn) || turn.S != t || p == 1 || ls == kAtout || ls == kNoSuit)
    return;
  const int g = GuardedKing(game, t, ls);
  if (g == -1)
    return;
  const auto& void_in = game.KnownVoid[t];
  if ((p == 2 && void_in[turn.Defender1][ls] == 0 && void_in[turn.Defender2][ls] == 0) ||
      (p == 3 && void_in[turn.Defender1][ls] == 0))
    Choose(turn, g);
}

void Rule101KeepHonoursTakerCanRuff(StrategyTurn& turn) {
  Core& game = turn.game;
  const int s = turn.S;
  const int t = game.Taker;
  if (s == t || !TakerStillToPlay(turn) || game.KnownNoTrump[s][t] != 0)
    return;
  WalkSuitsTestThenStep(game, [&](int suit) {
    if (game.KnownVoid[s][t][suit] == 1) {
      AvoidCard(game, s, suit, kKing);
      AvoidCard(game, s, suit, kQueen);
    }
    return false;
  });
}

void Rule2DefenderGivesWay(StrategyTurn& turn) {
  const int s = turn.S;
  const int p = turn.TrickPosition;
  if (turn.CurrentWinner != turn.game.Taker)
    return;
  if ((((s == turn.Defender1 || s == turn.Defender2) && (p == 3 || p == 4)) ||
       (s == turn.Defender3 && p == 4)) &&
      CannotWin(turn))
    GiveWay(turn);
}

void Rule3GiveWay(StrategyTurn& turn) {
  const int s = turn.S;
  const int p = turn.TrickPosition;
  if (((s == turn.Defender1 && p == 2) || (s == turn.game.Taker && p >= 2)) && CannotWin(turn))
    GiveWay(turn);
}

void Rule1WinTheTrick(StrategyTurn& turn) {
  Core& game = turn.game;
  const int s = turn.S;
  const int p = turn.TrickPosition;
  if (!CanWin(turn))
    return;
  if (!((s == turn.Defender1 && p != 1) || (s == turn.Defender2 && (p == 3 || p == 4)) ||
        ((s == turn.Defender3 || s == game.Taker) && p == 4)))
    return;
  int c = HighestHonour(game, s);
  if (c == -1)
    c = LowestTrump(game, s);
  if (c == -1)
    c = turn.Winning.slot;
  Choose(turn, c);
}

}  // namespace

std::span<const RuleEntry> FollowingRules() {
  static constexpr RuleEntry kRules[] = {
      {385, Rule385KeepMasterHonour},
      {381, Rule381BeatTheTaker},
      {383, Rule383RuffAheadOfTaker},
      {301, Rule301HonourOnTakersHonour},
      {318, Rule318KeepLastSuitHonours},
      {319, Rule319TakerCoversJackOrKnight},
      {310, Rule310CoverTakersSmallLead},
      {315, Rule315QueenOnFirstRound},
      {316, Rule316KingOnFirstRound},
      {317, Rule317KeepUnguardedQueen},
      {203, Rule203ThrowOrKeepHonours},
      {160, Rule160TakerRuffsHigh},
      {13, Rule13TakerPlaysGuardedKing},
      {101, Rule101KeepHonoursTakerCanRuff},
      {2, Rule2DefenderGivesWay},
      {3, Rule3GiveWay},
      {1, Rule1WinTheTrick},
  };
  return kRules;
}

}  // namespace zarvane
