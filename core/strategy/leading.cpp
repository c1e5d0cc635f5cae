#include "core/strategy/leading.h"

#include <initializer_list>

#include "core/strategy/shared_operations.h"

namespace zarvane {

namespace {

bool TakerLeads(const StrategyTurn& turn) {
  return IsTaker(turn) && Leads(turn);
}
bool DefenderLeads(const StrategyTurn& turn) {
  return !IsTaker(turn) && Leads(turn);
}

// The defenders the taker has not yet seen run out of trumps.
int DefendersWhoMayHoldTrumps(const StrategyTurn& turn) {
  const auto& known = turn.game.KnownNoTrump[turn.game.Taker];
  int count = 0;
  for (int d : {turn.Defender1, turn.Defender2, turn.Defender3})
    count += known[d] == 0 ? 1 : 0;
  return count;
}

// Cards of the suit that the seat still holds, by the holder table.
int CardsHeld(const Core& game, int seat, int suit) {
  int count = 0;
  for (int v = 1; v <= 14; ++v)
    count += Holds(game, seat, suit, v) ? 1 : 0;
  return count;
}

int DogCardsOfSuit(const Core& game, int suit) {
  int count = 0;
  for (const Card& card : game.InitialDog)
    count += card.Suit == suit ? 1 : 0;
  return count;
}

// Visits all four suits from a random one, the drawn suit first.
template <typename Visit>
void EverySuitTestThenStep(Core& game, Visit visit) {
  WalkSuitsTestThenStep(game, [&visit](int s) {
    visit(s);
    return false;
  });
}
// Visits all four suits from a random one, the suit after the drawn one first.
template <typename Visit>
void EverySuitStepThenTest(Core& game, Visit visit) {
  WalkSuitsStepThenTest(game, [&visit](int s) {
    visit(s);
    return false;
  });
}

// The seat's first playable card of the suit, in hand order, whose value passes the test.
template <typename ValueTest>
int FirstOfSuit(const Core& game, int seat, int suit, ValueTest test) {
  return FirstPlayableWhere(game, seat,
                            [&](const Card& c) { return c.Suit == suit && test(c.Value); });
}
// The same from the end of the hand: the lowest such card.
template <typename ValueTest>
int LastOfSuit(const Core& game, int seat, int suit, ValueTest test) {
  return LastPlayableWhere(game, seat,
                           [&](const Card& c) { return c.Suit == suit && test(c.Value); });
}

void AvoidCards(StrategyTurn& turn, int suit, std::initializer_list<int> values) {
  for (int v : values)
    AvoidCard(turn.game, turn.S, suit, v);
}

// A choose step only when the search found a card, so that a step with nothing to choose
// leaves the choice of an earlier step standing.
void ChooseFound(StrategyTurn& turn, int slot) {
  if (slot != -1)
    Choose(turn, slot);
}

// Walks the suits, stepping first, to one whose highest card left is in the seat's hand, and
// leads it; false when no suit has one.
bool LeadMasterCard(StrategyTurn& turn) {
  const Core& g = turn.game;
  const int suit = WalkSuitsStepThenTest(turn.game, [&](int s) {
    const int master = g.MasterCard[s];
    return master >= 1 && Holds(g, turn.S, s, master);
  });
  if (suit == -1)
    return false;
  ChooseHeldCard(turn, suit, g.MasterCard[suit]);
  return true;
}

// The taker's leads

// With no trump left outside his hand, nothing can ruff the taker's master cards.
void Rule351TakerCashesMasterCard(StrategyTurn& turn) {
  if (TakerLeads(turn) && turn.game.OutsideTrumpCount[turn.S] == 0)
    LeadMasterCard(turn);
}

// On his first lead, a taker with trumps to spare and a long suit under its Roi leads his
// singleton, to ruff that suit early.
void Rule180TakerOpensSingleton(StrategyTurn& turn) {
  Core& g = turn.game;
  const int t = turn.S;
  if (!TakerLeads(turn) || g.FirstLeadPending[t] != 1)
    return;
  const int long_suit = g.ChosenSuit[t];
  if (g.InitialSuitCount[t][long_suit] <= 4 || g.CardStatus[t][long_suit][kKing] != t)
    return;
  const int singleton =
      WalkSuitsTestThenStep(g, [&](int s) { return g.InitialSuitCount[t][s] == 1; });
  if (singleton == -1)
    return;
  const int d = RandomUpTo(g.random, 2);
  if (g.InitialTrumpCount[t] < d + 6)
    return;
  // The dealt slot is chosen whether or not the card is still there: a played card is
  // simply not playable.
  for (int slot = 1; slot <= 18; ++slot) {
    const Card& card = g.Hands[t][slot];
    if (card.Suit == singleton && card.Value <= 10) {
      Choose(turn, slot);
      return;
    }
  }
}

// The taker leads and still holds cards of his long suit.
bool TakerLeadsWithLongSuit(const StrategyTurn& turn) {
  return TakerLeads(turn) && turn.game.SuitCount[turn.S][turn.game.ChosenSuit[turn.S]] > 0;
}

void Rule152TakerHoldsTrumpControl(StrategyTurn& turn) {
  const Core& g = turn.game;
  if (TakerLeadsWithLongSuit(turn) && g.TrumpCount[turn.S] >= g.UnplacedTrumpCount[turn.S]) {
    // No test on the honours of the long suit is made here, so rules 150 and 151 stay on.
  }
}

// The Dame of a long suit is kept back when the suit is so long, for the taker's trumps,
// that a defender is likely to ruff it, and once the Cavalier has fallen on the Roi.
bool KeepsLongSuitQueen(const Core& game, int taker, int length) {
  const int trumps = game.InitialTrumpCount[taker];
  return length > 8 || (length == 8 && trumps > 6) || (length == 7 && trumps > 7) ||
         (length == 6 && trumps > 9) || game.KnightFellOnKing == 1;
}

// While nobody has ruffed his long suit, or nobody can, the taker opens it from the top.
void Rule150TakerLeadsLongSuitFromTop(StrategyTurn& turn) {
  const Core& g = turn.game;
  if (!TakerLeadsWithLongSuit(turn) ||
      (g.ChosenSuitTrumped != 0 && DefendersWhoMayHoldTrumps(turn) != 0)) {
    return;
  }
  const int t = turn.S;
  const int suit = g.ChosenSuit[t];
  const bool keep_queen = KeepsLongSuitQueen(g, t, g.SuitCount[t][suit]);
  ChooseFound(turn, FirstOfSuit(g, t, suit, [keep_queen](int v) {
                return v == kQueen ? !keep_queen : v < kJack || v == kKing;
              }));
}

// Once his long suit has been ruffed, or while a defender may still ruff it, the taker
// gives up its small cards first.
void Rule151TakerLeadsLongSuitFromBottom(StrategyTurn& turn) {
  const Core& g = turn.game;
  if (!TakerLeadsWithLongSuit(turn) ||
      (g.ChosenSuitTrumped != 1 && DefendersWhoMayHoldTrumps(turn) == 0)) {
    return;
  }
  const int suit = g.ChosenSuit[turn.S];
  ChooseFound(turn, LastOfSuit(g, turn.S, suit, [](int) { return true; }));
}

// The taker cashes the Roi of an unopened suit of middle length.
void Rule22TakerCashesKing(StrategyTurn& turn) {
  if (!TakerLeads(turn))
    return;
  const Core& g = turn.game;
  const int suit = WalkSuitsTestThenStep(turn.game, [&](int s) {
    const int held = CardsHeld(g, turn.S, s);
    return g.SuitOpening[s] != 0 && Holds(g, turn.S, s, kKing) && held >= 5 && held <= 9;
  });
  if (suit != -1)
    ChooseHeldCard(turn, suit, kKing);
}

// A bare Roi waits to be played on a defender's lead, unless only the Petit is left to fear.
void Rule19TakerKeepsBareKing(StrategyTurn& turn) {
  Core& g = turn.game;
  if (!TakerLeads(turn) || (g.PetitHolder == turn.S && DefendersWhoMayHoldTrumps(turn) == 0))
    return;
  for (int suit = kPique; suit <= kCarreau; ++suit) {
    if (g.TakerBareKing[suit] == 1)
      AvoidCard(g, turn.S, suit, kKing);
  }
}

// The defenders' opening leads

// A defender's first lead, after a dog rich in trumps: his long suit, by its honours.
void Rule113DefenderOpensLongSuit(StrategyTurn& turn) {
  Core& g = turn.game;
  const int s = turn.S;
  if (!DefenderLeads(turn) || g.FirstLeadPending[s] != 1 || g.HumanOddTrumpLead != -1 ||
      g.DogTrumpCount <= 1) {
    return;
  }
  AvoidSuit(g, s, kAtout);
  const int suit = g.ChosenSuit[s];
  const bool king = Holds(g, s, suit, kKing);
  const bool queen = Holds(g, s, suit, kQueen);
  auto small = [](int v) { return v <= 5; };
  if (g.InitialTrumpCount[s] < 6) {
    if (king && queen)
      ChooseFound(turn, FirstOfSuit(g, s, suit, small));
    if (!king && !queen)
      ChooseFound(turn, LastOfSuit(g, s, suit, [](int v) { return v > 5; }));
    return;
  }
  if (king != queen)
    ChooseFound(turn, FirstOfSuit(g, s, suit, small));
  if (king && queen)
    ChooseFound(turn, FirstOfSuit(g, s, suit, [](int v) { return v == kKing; }));
  if (queen && Holds(g, s, suit, kKnight))
    ChooseFound(turn, FirstOfSuit(g, s, suit, [](int v) { return v == kKnight; }));
  if (!king && !queen)
    ChooseFound(turn, FirstOfSuit(g, s, suit, [](int v) { return v < kJack; }));
}

// Under the Dame or Roi of a long unopened suit, a defender leads small.
void Rule11DefenderUnderleadsHonours(StrategyTurn& turn) {
  if (!DefenderLeads(turn))
    return;
  const Core& g = turn.game;
  int slot = -1;
  WalkSuitsTestThenStep(turn.game, [&](int s) {
    slot = g.SuitOpening[s] != 0 ? LowCardUnderHonours(g, turn.S, s) : -1;
    return slot != -1;
  });
  ChooseFound(turn, slot);
}

// A defender leads a suit the taker is void in, to make him ruff: the first defender most
// often, the last least.
void Rule340DefenderMakesTakerRuff(StrategyTurn& turn) {
  Core& g = turn.game;
  const int s = turn.S;
  if (turn.TrickPosition != 1)
    return;
  const int chance = s == turn.Defender1   ? 90
                     : s == turn.Defender2 ? 80
                     : s == turn.Defender3 ? 70
                                           : 0;
  if (chance == 0 || !DrawBelow(g, chance))
    return;
  int void_suit = -1;
  EverySuitTestThenStep(g, [&](int suit) {
    if (g.KnownVoid[s][g.Taker][suit] == 1)
      void_suit = suit;
  });
  if (void_suit == -1)
    return;
  ChooseFound(turn, LastOfSuit(g, s, void_suit, [](int v) { return v <= kJack; }));
}

// Once the taker cannot ruff any more, or nobody else can, a defender plays where the taker
// is void, else cashes a master card, else mostly keeps off trumps.
void Rule333DefenderPlaysWhereTakerCannotWin(StrategyTurn& turn) {
  Core& g = turn.game;
  const int s = turn.S;
  if (!DefenderLeads(turn) || (g.OutsideTrumpCount[s] != 0 && g.KnownNoTrump[s][g.Taker] != 1))
    return;
  bool found = false;
  const int void_suit =
      WalkSuitsTestThenStep(g, [&](int suit) { return g.KnownVoid[s][g.Taker][suit] == 1; });
  if (void_suit != -1 && CardsHeld(g, s, void_suit) > 0) {
    for (const Card& card : g.Hands[s]) {
      if (card.Suit != void_suit)
        AvoidCard(g, s, card.Suit, card.Value);
    }
    found = true;
  }
  if (!found)
    found = LeadMasterCard(turn);
  if (!found && DrawBelow(g, 95))
    AvoidSuit(g, s, kAtout);
}

// Suits and honours a defender does not lead

void Rule204DefenderAvoidsTakersLastSuit(StrategyTurn& turn) {
  const int suit = turn.game.TakerLastLedSuit;
  if (DefenderLeads(turn) && suit > 0)
    AvoidSuit(turn.game, turn.S, suit);
}

void Rule5DefenderAvoidsTakersSuits(StrategyTurn& turn) {
  Core& g = turn.game;
  if (!DefenderLeads(turn))
    return;
  if (g.TakerFirstSuit != -1)
    AvoidSuit(g, turn.S, g.TakerFirstSuit);
  if (g.TakerSecondSuit != -1)
    AvoidSuit(g, turn.S, g.TakerSecondSuit);
}

// The suits where the defender who led an odd trump is void are his to ruff, not to open.
void Rule18DefenderSparesPartnersVoids(StrategyTurn& turn) {
  Core& g = turn.game;
  const int partner = g.HumanOddTrumpLead;
  if (!DefenderLeads(turn) || partner == -1)
    return;
  EverySuitTestThenStep(g, [&](int s) {
    if (g.KnownVoid[turn.S][partner][s] == 1)
      AvoidSuit(g, turn.S, s);
  });
}

// An unopened suit with three or more cards in the dog is short in the other hands.
void Rule386DefenderAvoidsSuitRichInDog(StrategyTurn& turn) {
  Core& g = turn.game;
  if (!DefenderLeads(turn))
    return;
  EverySuitStepThenTest(g, [&](int s) {
    if (g.SuitOpening[s] == 1 && DogCardsOfSuit(g, s) > 2)
      AvoidSuit(g, turn.S, s);
  });
}

// A doubleton with its Roi or Dame is not opened: the honour would fall.
void Rule384DefenderAvoidsGuardedDoubleton(StrategyTurn& turn) {
  Core& g = turn.game;
  if (!DefenderLeads(turn))
    return;
  EverySuitStepThenTest(g, [&](int s) {
    if (g.SuitCount[turn.S][s] == 2 && (Holds(g, turn.S, s, kKing) || Holds(g, turn.S, s, kQueen)))
      AvoidSuit(g, turn.S, s);
  });
}

// The taker took the Roi shown in the dog: that suit is his.
void Rule330DefenderAvoidsDogKingSuit(StrategyTurn& turn) {
  Core& g = turn.game;
  if (!DefenderLeads(turn))
    return;
  EverySuitStepThenTest(g, [&](int s) {
    if (g.DogKing[s] == 1 && g.CardHolder[s][kKing] != kPlayed)
      AvoidSuit(g, turn.S, s);
  });
}

void Rule300DefenderKeepsHonoursOfUnplayedSuits(StrategyTurn& turn) {
  Core& g = turn.game;
  if (!DefenderLeads(turn))
    return;
  EverySuitTestThenStep(g, [&](int s) {
    if (g.SuitOpening[s] != 0)
      AvoidCards(turn, s, {kKing, kQueen});
  });
}

// The taker would ruff them.
void Rule116DefenderKeepsHonoursOfTakersVoids(StrategyTurn& turn) {
  Core& g = turn.game;
  if (!DefenderLeads(turn))
    return;
  EverySuitTestThenStep(g, [&](int s) {
    if (g.KnownVoid[turn.S][g.Taker][s] == 1)
      AvoidCards(turn, s, {kKing, kQueen});
  });
}

// Small cards of an unopened suit without its Roi or Dame only help the taker's honours. They
// are steered away from only while another card can be led: a hand of such small cards keeps
// them all, rather than being narrowed down to whichever 5 the walk met last.
void Rule114DefenderKeepsSmallCards(StrategyTurn& turn) {
  Core& g = turn.game;
  if (!DefenderLeads(turn))
    return;
  PerSuit<bool> spared{};
  EverySuitTestThenStep(g, [&](int s) {
    spared[s] =
        g.SuitOpening[s] != 0 && !Holds(g, turn.S, s, kKing) && !Holds(g, turn.S, s, kQueen);
  });
  const bool other_lead = FirstPlayableWhere(g, turn.S, [&](const Card& c) {
                            return c.Suit == kAtout || !spared[c.Suit] || c.Value > 5;
                          }) != -1;
  if (!other_lead)
    return;
  for (int s = kPique; s <= kCarreau; ++s) {
    if (spared[s])
      AvoidCards(turn, s, {1, 2, 3, 4, 5});
  }
}

// Honours nobody leads

// An honour led under a higher one still out only feeds it.
void AvoidHonourUnderLiveHonour(StrategyTurn& turn, int value) {
  Core& g = turn.game;
  if (turn.TrickPosition != 1)
    return;
  EverySuitTestThenStep(g, [&](int s) {
    if (Holds(g, turn.S, s, value) && g.CardHolder[s][value + 1] != kPlayed)
      AvoidCard(g, turn.S, s, value);
  });
}

void Rule119QueenWaitsForKing(StrategyTurn& turn) {
  AvoidHonourUnderLiveHonour(turn, kQueen);
}

void Rule120KnightWaitsForQueen(StrategyTurn& turn) {
  AvoidHonourUnderLiveHonour(turn, kKnight);
}

// A bare Cavalier of an unopened suit would fall to the Dame.
void Rule115KnightWaitsWithoutQueen(StrategyTurn& turn) {
  Core& g = turn.game;
  if (turn.TrickPosition != 1)
    return;
  EverySuitTestThenStep(g, [&](int s) {
    if (g.SuitOpening[s] != 0 && !Holds(g, turn.S, s, kQueen))
      AvoidCard(g, turn.S, s, kKnight);
  });
}

constexpr RuleEntry kLeadingRules[] = {
    {351, Rule351TakerCashesMasterCard},
    {333, Rule333DefenderPlaysWhereTakerCannotWin},
    {204, Rule204DefenderAvoidsTakersLastSuit},
    {180, Rule180TakerOpensSingleton},
    {119, Rule119QueenWaitsForKing},
    {120, Rule120KnightWaitsForQueen},
    {152, Rule152TakerHoldsTrumpControl},
    {150, Rule150TakerLeadsLongSuitFromTop},
    {151, Rule151TakerLeadsLongSuitFromBottom},
    {386, Rule386DefenderAvoidsSuitRichInDog},
    {384, Rule384DefenderAvoidsGuardedDoubleton},
    {113, Rule113DefenderOpensLongSuit},
    {11, Rule11DefenderUnderleadsHonours},
    {340, Rule340DefenderMakesTakerRuff},
    {330, Rule330DefenderAvoidsDogKingSuit},
    {300, Rule300DefenderKeepsHonoursOfUnplayedSuits},
    {116, Rule116DefenderKeepsHonoursOfTakersVoids},
    {115, Rule115KnightWaitsWithoutQueen},
    {114, Rule114DefenderKeepsSmallCards},
    {22, Rule22TakerCashesKing},
    {19, Rule19TakerKeepsBareKing},
    {18, Rule18DefenderSparesPartnersVoids},
    {5, Rule5DefenderAvoidsTakersSuits},
};

}  // namespace

std::span<const RuleEntry> LeadingRules() {
  return kLeadingRules;
}

}  // namespace zarvane
