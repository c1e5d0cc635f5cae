#include "core/strategy/petit_excuse_trumps.h"

#include "core/card_play.h"
#include "core/strategy/shared_operations.h"

namespace zarvane {

namespace {

const Card& LedCard(const StrategyTurn& turn) {
  return turn.game.TrickCards[turn.game.TrickLeader];
}
bool HoldsPetit(const StrategyTurn& turn) {
  return turn.S == turn.game.PetitHolder;
}
bool HoldsExcuse(const StrategyTurn& turn) {
  return turn.S == turn.game.ExcuseHolder;
}
bool PetitStillOut(const StrategyTurn& turn) {
  return turn.game.PetitHolder != kPlayed;
}
// The highest trump not yet played is in the seat's hand.
bool HoldsTopTrump(const StrategyTurn& turn) {
  const int top = turn.game.TopTrump[turn.S];
  return top > 1 && turn.game.TrumpHolder[top] == turn.S;
}
// The highest trump not yet played is in another hand.
bool TopTrumpElsewhere(const StrategyTurn& turn) {
  const int top = turn.game.TopTrump[turn.S];
  return top > 1 && turn.game.TrumpHolder[top] != turn.S;
}

bool ChoosePetit(StrategyTurn& turn) {
  return Choose(turn, turn.game.PetitSlot);
}
bool ChooseExcuse(StrategyTurn& turn) {
  return Choose(turn, turn.game.ExcuseSlot);
}
bool ChooseTopTrump(StrategyTurn& turn) {
  return Choose(turn, turn.game.TrumpSlot[turn.game.TopTrump[turn.S]]);
}
bool ChooseHighestTrump(StrategyTurn& turn) {
  return Choose(turn, FirstPlayableTrump(turn.game, turn.S));
}
void AvoidPetit(StrategyTurn& turn) {
  AvoidCard(turn.game, turn.S, kAtout, 1);
}
void AvoidExcuse(StrategyTurn& turn) {
  AvoidCard(turn.game, turn.S, kAtout, 0);
}

// The slot of the n-th trump of the hand in hand order from the first, played or not, among
// those of at least the value given; -1 when there is none.
int NthTrumpSlot(const Core& game, int seat, int n, int lowest) {
  for (int slot = 1; slot <= 18; ++slot) {
    const Card& card = game.Hands[seat][slot];
    if (IsTrump(card) && card.Value >= lowest && --n == 0)
      return slot;
  }
  return -1;
}

// Keeping and placing the Petit

void Rule251LeaderKeepsPetitBack(StrategyTurn& turn) {
  if (Leads(turn) && HoldsPetit(turn))
    AvoidPetit(turn);
}

void Rule191DefenderWithPetitLeadsNoTrump(StrategyTurn& turn) {
  if (!IsTaker(turn) && Leads(turn) && HoldsPetit(turn))
    AvoidSuit(turn.game, turn.S, kAtout);
}

// Every trump not in the seat's hand is gone and it holds nothing but trumps.
void Rule21KeepPetitForLastTrick(StrategyTurn& turn) {
  const Core& g = turn.game;
  if (g.TrumpCount[turn.S] + g.TrumpsPlayedCount == 21 &&
      19 - g.TrickNumber == g.TrumpCount[turn.S] && HoldsPetit(turn)) {
    AvoidPetit(turn);
  }
}

void Rule170TakerKeepsPetitWhileDefenceHasNoTrump(StrategyTurn& turn) {
  const auto& known = turn.game.KnownNoTrump[turn.game.Taker];
  if (IsTaker(turn) && known[turn.Defender1] == 1 && known[turn.Defender2] == 1 &&
      known[turn.Defender3] == 1 && HoldsPetit(turn)) {
    AvoidPetit(turn);
  }
}

// The other side has played to the trick, or the seat plays last.
bool OpponentsHavePlayed(const StrategyTurn& turn) {
  const int p = turn.TrickPosition;
  return (IsTaker(turn) && p == 4) || (turn.S == turn.Defender1 && p != 1) ||
         (turn.S == turn.Defender2 && (p == 3 || p == 4)) || (turn.S == turn.Defender3 && p == 4);
}

void Rule4PlayPetitWhenSafe(StrategyTurn& turn) {
  if (HoldsPetit(turn) && OpponentsHavePlayed(turn) && !CannotWin(turn))
    ChoosePetit(turn);
}

void Rule7PetitUnderPartnersTopTrump(StrategyTurn& turn) {
  const Core& g = turn.game;
  const int top = g.TopTrump[turn.S];
  auto played_top = [&](int seat) {
    return IsTrump(g.TrickCards[seat]) && g.TrickCards[seat].Value == top;
  };
  if (!IsTaker(turn) && HoldsPetit(turn) && top > 2 &&
      (played_top(turn.Defender1) || played_top(turn.Defender2) || played_top(turn.Defender3))) {
    ChoosePetit(turn);
  }
}

void Rule118TakerRuffsFirstRoundWithPetit(StrategyTurn& turn) {
  const Core& g = turn.game;
  if (!IsTaker(turn) || Leads(turn) || !HoldsPetit(turn) || g.InitialTrumpCount[g.Taker] > 8)
    return;
  const int led = LedCard(turn).Suit;
  if (led >= kPique && led <= kCarreau && g.SuitOpening[led] == 2 &&
      g.InitialSuitCount[g.Taker][led] == 0) {
    ChoosePetit(turn);
  }
}

// Trumps above the value that are still to be played.
int TrumpsOutAbove(const Core& game, int value) {
  int count = 0;
  for (int t = value + 1; t <= 21; ++t) {
    if (game.TrumpHolder[t] != kPlayed)
      ++count;
  }
  return count;
}

// Under the taker's low trump lead, with a partner after him who may still overtrump.
void Rule325SavePetitUnderTakersTrumpLead(StrategyTurn& turn) {
  const Core& g = turn.game;
  const int p = turn.TrickPosition;
  if (IsTaker(turn) || (p != 2 && p != 3) || !HoldsPetit(turn) || g.TrickLeader != g.Taker)
    return;
  const Card& led = LedCard(turn);
  if (!IsTrump(led) || led.Value > 17 || TrumpsOutAbove(g, led.Value) <= 3)
    return;
  const auto& known = g.KnownNoTrump[turn.S];
  if ((p == 2 && (known[turn.Defender2] == 0 || known[turn.Defender3] == 0)) ||
      (p == 3 && known[turn.Defender3] == 0)) {
    ChoosePetit(turn);
  }
}

void Rule181ShortPetitHolderPlaysHighTrump(StrategyTurn& turn) {
  const Core& g = turn.game;
  if (!HoldsPetit(turn) || IsTaker(turn) || Leads(turn) || g.InitialTrumpCount[turn.S] >= 7 ||
      g.TrumpCount[turn.S] <= 1) {
    return;
  }
  for (int slot = 1; slot <= 17; ++slot) {
    const Card& card = g.Hands[turn.S][slot];
    if (g.Playable[turn.S][slot] == 1 && IsTrump(card) && card.Value > 9) {
      Choose(turn, slot);
      return;
    }
  }
}

// Aims at the hand's first trump whatever became of it: once played or not playable, the
// step does nothing.
void Rule252PetitHolderPlaysFirstTrump(StrategyTurn& turn) {
  const Core& g = turn.game;
  if (!IsTaker(turn) && HoldsPetit(turn) &&
      (g.TrickLeader != g.Taker || g.InitialTrumpCount[turn.S] < 6)) {
    Choose(turn, NthTrumpSlot(g, turn.S, 1, 2));
  }
}

// Drawing out the Petit

void Rule103TakerCatchesPetitWithTopTrump(StrategyTurn& turn) {
  const Core& g = turn.game;
  const int p = turn.TrickPosition;
  if (!IsTaker(turn) || (p != 2 && p != 3))
    return;
  const bool petit_led = IsPetit(LedCard(turn));
  const bool petit_second = p == 3 && IsPetit(g.TrickCards[NextSeat(g.TrickLeader)]);
  if ((petit_led || petit_second) && HoldsTopTrump(turn))
    ChooseTopTrump(turn);
}

void Rule201DefenderLeadsTopTrump(StrategyTurn& turn) {
  if (!IsTaker(turn) && Leads(turn) && PetitStillOut(turn) && !HoldsPetit(turn) &&
      HoldsTopTrump(turn)) {
    ChooseTopTrump(turn);
  }
}

// The only trump neither in the seat's hand nor played can only be the Petit.
void Rule104LeadTrumpAtLastPetit(StrategyTurn& turn) {
  const Core& g = turn.game;
  if (Leads(turn) && g.TrumpCount[turn.S] + g.TrumpsPlayedCount == 20 && !HoldsPetit(turn) &&
      PetitStillOut(turn) && (IsTaker(turn) || g.KnownNoTrump[turn.S][g.Taker] != 1)) {
    ChooseHighestTrump(turn);
  }
}

void Rule350TakerLeadsMasterTrumps(StrategyTurn& turn) {
  const Core& g = turn.game;
  if (!IsTaker(turn) || !Leads(turn))
    return;
  const int run = MasterTrumpRun(g, g.Taker);
  const int outside = g.OutsideTrumpCount[turn.S];
  if (run >= outside && outside > 0 && g.TrumpCount[g.Taker] > 0)
    ChooseHighestTrump(turn);
}

// Enough master trumps to draw the trumps left outside.
bool StrongInTrumps(const Core& game, int taker) {
  const int top = game.TopTrump[taker];
  if (top <= 1 || game.TrumpHolder[top] != taker)
    return false;
  const int run = MasterTrumpRun(game, taker);
  const int outside = game.OutsideTrumpCount[taker];
  return (outside >= 1 && outside <= 6 && run > 0) || (outside >= 7 && outside <= 9 && run > 1) ||
         (outside >= 10 && outside <= 11 && run > 2) || (outside >= 12 && outside <= 13 && run > 3);
}

// The playable card at which the count of playable cards from slot 1 reaches the target.
int NthPlayableSlot(const Core& game, int seat, int target) {
  int count = 0;
  for (int slot = 1; slot <= 18; ++slot) {
    if (game.Playable[seat][slot] == 1 && ++count == target)
      return slot;
  }
  return -1;
}

int CountPlayableTrumps(const Core& game, int seat) {
  int count = 0;
  for (int slot = 1; slot <= 18; ++slot) {
    if (game.Playable[seat][slot] == 1 && IsTrump(game.Hands[seat][slot]))
      ++count;
  }
  return count;
}

void Rule320TakerLeadsTrumpsToHuntPetit(StrategyTurn& turn) {
  const Core& g = turn.game;
  const int taker = g.Taker;
  if (g.PetitHunt != 1 || !IsTaker(turn) || !Leads(turn) || !PetitStillOut(turn))
    return;
  int void_defenders = 0;
  for (int d : {turn.Defender1, turn.Defender2, turn.Defender3})
    void_defenders += g.KnownNoTrump[taker][d] == 1 ? 1 : 0;
  if (void_defenders == 2 && g.OutsideTrumpCount[taker] > g.TrumpCount[taker])
    return;
  if (StrongInTrumps(g, taker)) {
    if (g.TrumpCount[taker] >= 1)
      ChooseHighestTrump(turn);
    return;
  }
  // Two thirds down the trumps, rounded; with two or fewer there is no such trump to lead.
  const int k = CountPlayableTrumps(g, turn.S);
  if (k > 2)
    Choose(turn, NthPlayableSlot(g, turn.S, (2 * k + 1) / 3));
}

void Rule16DefenderLeadsTrumpAfterPetitRuff(StrategyTurn& turn) {
  Core& g = turn.game;
  if (IsTaker(turn) || !Leads(turn) || g.TakerPetitCut != 0)
    return;
  if (!((g.TrickNumber <= 8 && DrawBelow(turn.game, 50)) ||
        (g.TrickNumber > 8 && DrawBelow(turn.game, 80)))) {
    return;
  }
  if (FirstPlayableTrump(g, turn.S) == -1)
    return;
  for (int slot = 1; slot <= 18; ++slot) {
    const Card& card = g.Hands[turn.S][slot];
    if (g.Playable[turn.S][slot] != 1 || !IsTrump(card))
      AvoidCard(g, turn.S, card.Suit, card.Value);
  }
}

// The Excuse

void Rule15ExcuseBeforeLastTrick(StrategyTurn& turn) {
  if (HoldsExcuse(turn) && turn.game.TrickNumber == 17)
    ChooseExcuse(turn);
}

void Rule250TakerKeepsExcuseFromPetitTrick(StrategyTurn& turn) {
  if (IsTaker(turn) && HoldsExcuse(turn) && turn.TrickPosition > 1 && turn.game.PetitInTrick == 1)
    AvoidExcuse(turn);
}

void Rule370DefenderKeepsExcuseBeforeTaker(StrategyTurn& turn) {
  const int p = turn.TrickPosition;
  if (!IsTaker(turn) && PlaysAfter(turn.S, turn.game.Taker, p) && (p == 2 || p == 3) &&
      HoldsExcuse(turn) && !HoldsPetit(turn)) {
    AvoidExcuse(turn);
  }
}

// The taker leads the Excuse: the defender leads in a suit where the taker is known void.
void Rule172AnswerTakersExcuseLead(StrategyTurn& turn) {
  Core& g = turn.game;
  if (g.TrickLeader != g.Taker || !IsExcuse(LedCard(turn)))
    return;
  const int suit =
      WalkSuitsTestThenStep(g, [&](int s) { return g.KnownVoid[turn.S][g.Taker][s] == 1; });
  if (suit != -1)
    Choose(turn, FirstPlayableWhere(g, turn.S, [suit](const Card& c) { return c.Suit == suit; }));
}

void Rule9KeepExcuseOnLead(StrategyTurn& turn) {
  if (!Leads(turn) || !HoldsExcuse(turn))
    return;
  if (IsTaker(turn) || NextSeat(turn.S) == turn.game.Taker)
    AvoidExcuse(turn);
}

void Rule10TakerExcuseOnTrumpLead(StrategyTurn& turn) {
  const Core& g = turn.game;
  if (HoldsExcuse(turn) && IsTaker(turn) && !Leads(turn) &&
      (HoldsPetit(turn) || g.PetitHolder == kPlayed) && LedCard(turn).Suit == kAtout) {
    ChooseExcuse(turn);
  }
}

void Rule190ExcuseOnLostTrick(StrategyTurn& turn) {
  if (!HoldsExcuse(turn) || Leads(turn) || !CannotWin(turn))
    return;
  if (IsTaker(turn) || (DrawBelow(turn.game, 40) && turn.game.TrickNumber > 8))
    ChooseExcuse(turn);
}

// Trump leads of the defence

// A defender's first trump lead tells his length: odd when long, even when short.
void Rule112FirstTrumpLeadByLength(StrategyTurn& turn) {
  Core& g = turn.game;
  if (IsTaker(turn) || !Leads(turn) || g.FirstLeadPending[turn.S] != 1 ||
      g.HumanOddTrumpLead != -1 || g.TrumpGapFlag != 0 || g.DogTrumpCount == -1 ||
      g.DogTrumpCount > 1) {
    return;
  }
  int c;
  if (g.InitialTrumpCount[turn.S] > 6) {
    c = LowestOddTrump(g, turn.S);
    if (c != -1)
      g.HumanOddTrumpLead = turn.S;
  } else {
    c = LowestEvenTrump(g, turn.S);
    if (c != -1 && g.Hands[turn.S][c].Value > 12)
      c = -1;
  }
  if (c != -1)
    Choose(turn, c);
}

void Rule130ReturnPartnersTrumpLead(StrategyTurn& turn) {
  const Core& g = turn.game;
  if (!IsTaker(turn) && Leads(turn) && g.HumanOddTrumpLead != -1 && !HoldsPetit(turn) &&
      g.TrumpGapFlag == 0) {
    Choose(turn, LowestTrump(g, turn.S));
  }
}

void Rule331NoTrumpBackAfterTakersTrumpLead(StrategyTurn& turn) {
  if (!IsTaker(turn) && Leads(turn) && turn.game.TakerLastLedSuit == kAtout &&
      TopTrumpElsewhere(turn)) {
    AvoidSuit(turn.game, turn.S, kAtout);
  }
}

void Rule332SeldomLeadTrumpWithoutTopTrump(StrategyTurn& turn) {
  if (!IsTaker(turn) && Leads(turn) && DrawBelow(turn.game, 80) && TopTrumpElsewhere(turn))
    AvoidSuit(turn.game, turn.S, kAtout);
}

// The taker's long trump lead

// A long suit with its top honours, for a taker with many trumps and the Petit.
bool TakerHasLongChosenSuit(const Core& g) {
  const int taker = g.Taker;
  const int suit = g.ChosenSuit[taker];
  int length = 0;
  for (int slot = 1; slot <= 18; ++slot) {
    if (g.Playable[taker][slot] == 1 && g.Hands[taker][slot].Suit == suit)
      ++length;
  }
  const auto& status = g.CardStatus[taker][suit];
  return length > 4 &&
         (status[kKing] == taker || (status[kQueen] == taker && status[kKnight] == taker));
}

// Not tied to leading: when following, the sixth trump is rarely playable and nothing happens.
void Rule182TakerLeadsLongTrumps(StrategyTurn& turn) {
  const Core& g = turn.game;
  if (!IsTaker(turn) || g.InitialTrumpCount[g.Taker] <= 8 || g.TakerBouts > 1 ||
      g.FirstLeadPending[g.Taker] != 1 || !HoldsPetit(turn)) {
    return;
  }
  if (TakerHasLongChosenSuit(g) && g.TrumpCount[g.Taker] > 6)
    Choose(turn, NthTrumpSlot(g, g.Taker, 6, 1));
}

// Overtrumping and low trumps when following

// Partners led trumps ahead of the taker: the last defender overtrumps with his highest.
void Rule14OvertrumpPartnersTrumpLead(StrategyTurn& turn) {
  const Core& g = turn.game;
  const int p = turn.TrickPosition;
  if (turn.S != turn.Defender3 ||
      !((p == 2 && g.TrickLeader == turn.Defender2) ||
        (p == 3 && g.TrickLeader == turn.Defender1)) ||
      LedCard(turn).Suit != kAtout) {
    return;
  }
  for (int slot = 1; slot <= 18; ++slot) {
    if (g.Playable[turn.S][slot] == 1 && g.PlayReason[turn.S][slot].Code == kMustOvertrump) {
      Choose(turn, slot);
      return;
    }
  }
}

void Rule6PlayLowTrump(StrategyTurn& turn) {
  const int p = turn.TrickPosition;
  if (p != 1 && !(p == 2 && IsExcuse(LedCard(turn))))
    Choose(turn, LowestTrump(turn.game, turn.S));
}

constexpr RuleEntry kRules[] = {
    {15, Rule15ExcuseBeforeLastTrick},
    {250, Rule250TakerKeepsExcuseFromPetitTrick},
    {251, Rule251LeaderKeepsPetitBack},
    {191, Rule191DefenderWithPetitLeadsNoTrump},
    {370, Rule370DefenderKeepsExcuseBeforeTaker},
    {103, Rule103TakerCatchesPetitWithTopTrump},
    {104, Rule104LeadTrumpAtLastPetit},
    {350, Rule350TakerLeadsMasterTrumps},
    {320, Rule320TakerLeadsTrumpsToHuntPetit},
    {325, Rule325SavePetitUnderTakersTrumpLead},
    {21, Rule21KeepPetitForLastTrick},
    {170, Rule170TakerKeepsPetitWhileDefenceHasNoTrump},
    {4, Rule4PlayPetitWhenSafe},
    {201, Rule201DefenderLeadsTopTrump},
    {7, Rule7PetitUnderPartnersTopTrump},
    {181, Rule181ShortPetitHolderPlaysHighTrump},
    {118, Rule118TakerRuffsFirstRoundWithPetit},
    {252, Rule252PetitHolderPlaysFirstTrump},
    {172, Rule172AnswerTakersExcuseLead},
    {9, Rule9KeepExcuseOnLead},
    {10, Rule10TakerExcuseOnTrumpLead},
    {190, Rule190ExcuseOnLostTrick},
    {16, Rule16DefenderLeadsTrumpAfterPetitRuff},
    {130, Rule130ReturnPartnersTrumpLead},
    {112, Rule112FirstTrumpLeadByLength},
    {182, Rule182TakerLeadsLongTrumps},
    {331, Rule331NoTrumpBackAfterTakersTrumpLead},
    {332, Rule332SeldomLeadTrumpWithoutTopTrump},
    {14, Rule14OvertrumpPartnersTrumpLead},
    {6, Rule6PlayLowTrump},
};

}  // namespace

std::span<const RuleEntry> PetitExcuseTrumpRules() {
  return kRules;
}

}  // namespace zarvane
