#include "core/strategy/strategy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "core/card_play.h"
#include "core/cards.h"
#include "core/deal.h"
#include "core/play_preparation.h"
#include "core/strategy/rule_order.h"
#include "core/strategy/shared_operations.h"
#include "table/game.h"
#include "tests/support/cards.h"
#include "tests/support/deal_builder.h"
#include "tests/support/strategy_table.h"

namespace zarvane {
namespace {

using testing::Excuse;
using testing::Join;
using testing::Plain;
using testing::StrategyTable;
using testing::SuitCards;
using testing::Trump;
using testing::Trumps;

bool AnyOfSuit(const std::vector<Card>& cards, int suit) {
  return std::any_of(cards.begin(), cards.end(), [suit](const Card& c) { return c.Suit == suit; });
}

TEST(Strategy, APetitHolderWhoLeadsKeepsItBackWhileAnotherCardIsPlayable) {
  {
    // A defender leads no trump, the Petit and the Excuse included, while he has a plain card.
    StrategyTable t(kNorth,
                    {{kEast, Join({Trumps({9, 5, 1}), {Excuse()}, SuitCards(kCoeur, {13, 3})})}});
    t.Trick(kEast, {});
    const auto left = t.Decide(kEast);
    EXPECT_FALSE(left.empty());
    EXPECT_FALSE(AnyOfSuit(left, kAtout));
  }
  {
    // With only trumps in hand, the defender still keeps the Petit back.
    StrategyTable t(
        kNorth, {{kEast, Trumps({18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1})}});
    t.Trick(kEast, {});
    const auto left = t.Decide(kEast);
    EXPECT_FALSE(left.empty());
    EXPECT_FALSE(t.Contains(left, Trump(1)));
  }
  {
    // The taker leading keeps the Petit back too.
    StrategyTable t(kNorth, {{kNorth, Join({Trumps({12, 7, 1}), SuitCards(kCoeur, {2})})}});
    t.Trick(kNorth, {});
    const auto left = t.Decide(kNorth);
    EXPECT_FALSE(left.empty());
    EXPECT_FALSE(t.Contains(left, Trump(1)));
  }
}

TEST(Strategy, APetitHolderWithNoOtherTrumpDoesNotThrowItBeforeTheTakerPlays) {
  // East leads a diamond ahead of the taker South; North, void, holds the Petit as his only
  // trump with the Excuse, and has held no other: no rule gives the Petit away.
  StrategyTable t(
      kSouth, {{kEast, SuitCards(kCarreau, {5})},
               {kNorth, Join({Trumps({1}),
                              {Excuse()},
                              SuitCards(kPique, {14}),
                              SuitCards(kTrefle, {14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}),
                              SuitCards(kCoeur, {14})})}});
  t.KeepOnly(kNorth, {Trump(1), Excuse(), Plain(kPique, 14)});
  t.Trick(kEast, {Plain(kCarreau, 5)});
  EXPECT_EQ(t.Decide(kNorth).size(), 2u);
  EXPECT_EQ(t.Panel(kNorth), "");
}

TEST(Strategy, UnderTheTakersTrumpLeadADefenderSavesThePetitOnlyWithManyTrumpsAbove) {
  // North leads the 17; West cannot overtrump. With the four trumps above all out a partner
  // may still win, so West lets the Petit go now; with one of them gone he plays low.
  for (bool eighteen_played : {false, true}) {
    SCOPED_TRACE(eighteen_played);
    StrategyTable t(
        kNorth, {{kNorth, Trumps({17})}, {kWest, Join({Trumps({5, 1}), SuitCards(kPique, {14})})}});
    t.KeepOnly(kWest, {Trump(5), Trump(1), Plain(kPique, 14)});
    t.Trick(kNorth, {Trump(17)});
    if (eighteen_played)
      t.game.TrumpHolder[18] = kPlayed;
    const auto left = t.Decide(kWest);
    EXPECT_EQ(left, std::vector<Card>{Trump(eighteen_played ? 5 : 1)});
    // Playing low, West gives way to the taker; which low-card rule marks it is not the point.
    if (eighteen_played)
      EXPECT_NE(t.Panel(kWest), "325");
    else
      EXPECT_EQ(t.Panel(kWest), "325");
  }
  // Under a partner's lead of the 17 the same West is not saving his Petit from the taker.
  StrategyTable t(kNorth, {{kEast, Trumps({17})},
                           {kNorth, Trumps({2})},
                           {kWest, Join({Trumps({5, 1}), SuitCards(kPique, {14})})}});
  t.KeepOnly(kWest, {Trump(5), Trump(1), Plain(kPique, 14)});
  t.Trick(kEast, {Trump(17), Trump(2)});
  t.Decide(kWest);
  EXPECT_NE(t.Panel(kWest), "325");
}

TEST(Strategy, ThePetitWaitsForTheLastTrickWhenOnlyTrumpsRemainAndNoneIsOutside) {
  // The taker North leads a heart; West and South follow; East, last to play, holds three
  // trumps. With a trump still outside, the Petit is played at once as the trick is safe.
  for (int played : {17, 18}) {
    SCOPED_TRACE(played);
    StrategyTable t(kNorth, {{kNorth, SuitCards(kCoeur, {14})},
                             {kWest, SuitCards(kCoeur, {6})},
                             {kSouth, SuitCards(kCoeur, {7})},
                             {kEast, Trumps({12, 11, 10, 9, 4, 1})}});
    t.KeepOnly(kEast, {Trump(9), Trump(4), Trump(1)});
    t.game.TrickNumber = 16;
    t.Trick(kNorth, {Plain(kCoeur, 14), Plain(kCoeur, 6), Plain(kCoeur, 7)});
    t.game.TrumpCount[kEast] = 3;
    t.game.TrumpsPlayedCount = played;
    const auto left = t.Decide(kEast);
    if (played == 18) {
      EXPECT_EQ(left, std::vector<Card>{Trump(4)});
      EXPECT_EQ(t.Panel(kEast), "6");
    } else {
      EXPECT_EQ(left, std::vector<Card>{Trump(1)});
      EXPECT_EQ(t.Panel(kEast), "4");
    }
  }
}

TEST(Strategy, TheExcuseIsPlayedAtTrick17WhateverElseIsInHand) {
  for (int seat : {kEast, kWest}) {
    SCOPED_TRACE(seat);
    StrategyTable t(kEast, {{seat, Join({Trumps({21, 1}), {Excuse()}, SuitCards(kCoeur, {14})})}});
    t.KeepOnly(seat, {Trump(21), Excuse(), Plain(kCoeur, 14)});
    t.game.TrickNumber = 17;
    t.Trick(seat, {});
    EXPECT_EQ(t.Decide(seat), std::vector<Card>{Excuse()});
    EXPECT_EQ(t.Panel(seat), "15");
  }
}

TEST(Strategy, TheTakerHuntsThePetitWithHisTrumpsOnlyAtTheTopLevelAndWhenHeMeansTo) {
  const auto weak = Join({Trumps({20, 18, 16, 14, 12, 10, 8, 6, 4}), SuitCards(kCoeur, {2})});
  const auto strong = Join({Trumps({21, 20, 19, 18, 17, 10, 8, 6, 4}), SuitCards(kCoeur, {2})});
  struct Case {
    std::vector<Card> hand;
    int level;
    int hunt;
    std::vector<Card> expected;  // empty: rule 320 chooses nothing (a leading rule may)
  };
  const std::vector<Case> cases = {
      {weak, 4, 1, {Trump(10)}},    // two thirds down nine trumps: the sixth
      {strong, 4, 1, {Trump(21)}},  // masters enough to draw: the highest
      {weak, 3, 1, {}},             // below the top level the rule never runs
      {weak, 4, 0, {}},             // nor when the taker does not hunt
      {Join({Trumps({20, 18}), SuitCards(kCoeur, {2, 3})}), 4, 1, {}},  // too few trumps
  };
  for (const Case& c : cases) {
    StrategyTable t(kNorth, {{kNorth, c.hand}}, c.level);
    t.game.PetitHunt = static_cast<std::uint8_t>(c.hunt);
    t.Trick(kNorth, {});
    const auto left = t.Decide(kNorth);
    if (c.expected.empty()) {
      EXPECT_NE(t.Panel(kNorth), "320");
    } else {
      EXPECT_EQ(left, c.expected);
      EXPECT_EQ(t.Panel(kNorth), "320");
    }
  }
}

// Once the taker has ruffed with the Petit, a defender who leads returns trumps about half the
// time in the first eight tricks and four times in five after them.
TEST(Strategy, AfterTheTakersPetitRuffADefenderLeadsTrumpsMoreOftenLateInTheDeal) {
  const auto west =
      Join({Trumps({15, 9, 6}), SuitCards(kPique, {9, 8, 7}), SuitCards(kCoeur, {9, 8, 7}),
            SuitCards(kTrefle, {9, 8, 7, 6}), SuitCards(kCarreau, {9, 8, 7, 6, 5})});
  auto share_of_trump_leads = [&west](int trick) {
    constexpr int kTrials = 300;
    int trumps_only = 0;
    for (int trial = 1; trial <= kTrials; ++trial) {
      StrategyTable t(kNorth, {{kWest, west}, {kSouth, {Trump(1)}}});
      t.game.FirstLeadPending[kWest] = 0;
      t.game.TakerPetitCut = 0;
      t.game.TrickNumber = trick;
      t.Trick(kWest, {});
      t.game.random.GeneratorState = 2'654'435'761u * static_cast<std::uint32_t>(trial);
      const auto left = t.Decide(kWest);
      trumps_only += std::all_of(left.begin(), left.end(), IsTrump) ? 1 : 0;
    }
    return static_cast<double>(trumps_only) / kTrials;
  };
  EXPECT_NEAR(share_of_trump_leads(8), 0.49, 0.1);
  EXPECT_NEAR(share_of_trump_leads(9), 0.79, 0.08);
}

// The taker with nine trumps and the Petit leads his sixth trump on his first lead when his
// longest suit holds its Roi, or its Dame with its Cavalier.
TEST(Strategy, TheTakerLeadsLongTrumpsOnlyWithTheTopOfALongSuit) {
  struct Case {
    const char* name;
    std::vector<Card> hearts;
    int bouts_won;
    bool leads_trump;
  };
  const std::vector<Case> cases = {
      {"the Roi", SuitCards(kCoeur, {14, 9, 8, 7, 6}), 0, true},
      {"the Dame and the Cavalier", SuitCards(kCoeur, {13, 12, 8, 7, 6}), 0, true},
      {"the Dame alone", SuitCards(kCoeur, {13, 9, 8, 7, 6}), 0, false},
      {"no honour", SuitCards(kCoeur, {10, 9, 8, 7, 6}), 0, false},
      {"the Roi, one bout won", SuitCards(kCoeur, {14, 9, 8, 7, 6}), 1, true},
      {"the Roi, two bouts won", SuitCards(kCoeur, {14, 9, 8, 7, 6}), 2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto north = Join(
        {Trumps({20, 19, 18, 17, 16, 15, 14, 13, 1}), c.hearts, SuitCards(kTrefle, {5, 4, 3, 2})});
    StrategyTable t(kNorth, {{kNorth, north}});
    ASSERT_EQ(t.game.ChosenSuit[kNorth], kCoeur);
    t.game.TakerBouts = c.bouts_won;
    t.Trick(kNorth, {});
    const auto left = t.Decide(kNorth);
    if (c.leads_trump) {
      EXPECT_EQ(left, std::vector<Card>{Trump(15)});
      EXPECT_EQ(t.Panel(kNorth), "182");
    } else {
      EXPECT_NE(t.Panel(kNorth), "182");
    }
  }
}

TEST(Strategy, ADefendersFirstTrumpLeadShowsHisLengthAndHisPartnersReturnTrumps) {
  const auto west = Join({Trumps({11, 4, 2}), SuitCards(kCarreau, {9})});
  {
    // Seven trumps: the lowest odd one, and the mark that partners answer.
    StrategyTable t(kNorth, {{kNorth, Trumps({21})},
                             {kSouth, Trumps({1})},
                             {kEast, Trumps({17, 15, 13, 10, 8, 5, 3})},
                             {kWest, west}});
    t.Trick(kEast, {});
    EXPECT_EQ(t.Decide(kEast), std::vector<Card>{Trump(3)});
    EXPECT_EQ(t.Panel(kEast), "112");
    EXPECT_EQ(t.game.HumanOddTrumpLead, kEast);
    t.Trick(kWest, {});
    EXPECT_EQ(t.Decide(kWest), std::vector<Card>{Trump(2)});
    EXPECT_EQ(t.Panel(kWest), "130");
  }
  {
    // Four trumps: the lowest even one up to the 12, and no mark.
    StrategyTable t(kNorth, {{kNorth, Trumps({21})},
                             {kSouth, Trumps({1})},
                             {kEast, Trumps({14, 9, 7, 6})},
                             {kWest, west}});
    t.Trick(kEast, {});
    EXPECT_EQ(t.Decide(kEast), std::vector<Card>{Trump(6)});
    EXPECT_EQ(t.game.HumanOddTrumpLead, -1);
    t.Trick(kWest, {});
    EXPECT_NE(t.Panel(kWest), "130");
  }
}

// Under the taker's Excuse the first defender is not yet winning: only the Excuse lies there.
TEST(Strategy, AfterTheTakersExcuseLeadTheFirstDefenderPlaysToWinTheTrick) {
  struct Case {
    const char* name;
    std::vector<Card> west;
    int known_void;
    Card played;
    const char* rule;
  };
  // Full hands, so that no card of the pack's rest comes to West.
  const std::vector<Card> small_trefles = SuitCards(kTrefle, {10, 9, 8, 7, 6, 5, 4, 3, 2});
  const std::vector<Card> small_spades = SuitCards(kPique, {10, 9, 8, 7, 6, 5, 4, 3, 2});
  const std::vector<Case> cases = {
      {"high in a suit the taker lacks", SuitCards(kCoeur, {12, 7, 2}), 1, Plain(kCoeur, 12),
       "172"},
      {"his highest honour",
       Join({SuitCards(kCoeur, {12, 7, 2}), SuitCards(kPique, {11, 3}), small_trefles,
             SuitCards(kCarreau, {10, 9, 8, 7})}),
       0, Plain(kCoeur, 12), "1"},
      {"without an honour, his lowest trump above the Petit",
       Join({SuitCards(kCoeur, {7, 2}), Trumps({20, 9, 4}), small_spades,
             SuitCards(kTrefle, {10, 9, 8, 7})}),
       0, Trump(4), "1"},
      {"without an honour or a trump, the lowest card that wins",
       Join({SuitCards(kCoeur, {7, 2}), small_spades, SuitCards(kTrefle, {10, 9, 8, 7, 6, 5}),
             SuitCards(kCarreau, {1})}),
       0, Plain(kCarreau, 1), "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StrategyTable t(kNorth, {{kNorth, {Excuse()}}, {kWest, c.west}, {kSouth, {Trump(1)}}});
    t.Trick(kNorth, {Excuse()});
    t.game.KnownVoid[kWest][kNorth][kCoeur] = c.known_void;
    EXPECT_EQ(t.Decide(kWest), std::vector<Card>{c.played});
    EXPECT_EQ(t.Panel(kWest), c.rule);
  }

  // Under a plain lead, free to play anything, he does not answer in the taker's void (at the
  // second level, where no rule throws his honours instead).
  StrategyTable t(kNorth,
                  {{kNorth, {Plain(kPique, 5)}},
                   {kWest, Join({SuitCards(kCoeur, {12, 7, 2}), small_trefles,
                                 SuitCards(kCarreau, {10, 9, 8, 7, 6, 5})})},
                   {kSouth, {Trump(1)}}},
                  2);
  t.Trick(kNorth, {Plain(kPique, 5)});
  t.game.KnownVoid[kWest][kNorth][kCoeur] = 1;
  t.Decide(kWest);
  EXPECT_NE(t.Panel(kWest), "172");
}

TEST(Strategy, TheLowTrumpRuleNeverPlaysThePetitOrTheExcuse) {
  for (bool with_five : {false, true}) {
    auto hand = Join({Trumps({1}), {Excuse()}, SuitCards(kPique, {14})});
    if (with_five)
      hand.push_back(Trump(5));
    StrategyTable t(kEast, {{kEast, hand}, {kSouth, SuitCards(kCarreau, {5})}});
    t.Trick(kSouth, {Plain(kCarreau, 5)});
    t.game.SuitOpening[kCarreau] = 0;  // not the first diamond trick of the deal
    const auto left = t.Decide(kEast);
    if (with_five) {
      EXPECT_EQ(left, std::vector<Card>{Trump(5)});
      EXPECT_EQ(t.Panel(kEast), "6");
    } else {
      EXPECT_EQ(left.size(), 2u);
      EXPECT_EQ(t.Panel(kEast), "");
    }
  }
}

TEST(Strategy, TwoMarkedRulesShowTheHigherNumberWhileTheCardIsTheFirstChosen) {
  StrategyTable t(kNorth, {{kEast, Join({Trumps({9, 5}), SuitCards(kCoeur, {3})})}});
  t.Trick(kEast, {});
  ComputePlayableCards(t.game, kEast);
  t.game.RuleState.Fill(1);
  StrategyTurn turn{t.game};
  turn.S = kEast;
  const int five = t.SlotOf(kEast, Trump(5));
  const int nine = t.SlotOf(kEast, Trump(9));
  turn.Rule = 20;
  EXPECT_TRUE(Choose(turn, five));
  EXPECT_FALSE(Choose(turn, nine));  // a second step of the same rule falls back
  EXPECT_EQ(t.game.CardChosen, 0);
  ASSERT_TRUE(RuleOn(t.game, 30));
  turn.Rule = 30;
  EXPECT_TRUE(Choose(turn, five));  // a later rule can only mark the same card
  const MarkedRules marked = TakeMarkedRules(t.game);
  ASSERT_GE(marked.count, 1);
  EXPECT_EQ(marked.numbers[static_cast<std::size_t>(marked.count - 1)], 30);
  EXPECT_EQ(t.game.Playable[kEast][five], 1);
  EXPECT_EQ(std::count(t.game.Playable[kEast].begin(), t.game.Playable[kEast].end(), 1), 1);
  EXPECT_EQ(t.game.RuleState[20], 1);
  EXPECT_EQ(t.game.RuleState[30], 1);
}

TEST(Strategy, EachLevelSwitchesOffItsRulesAndTheTopLevelRunsAllSeventy) {
  const std::vector<int> below2 = {104, 381, 201, 340};
  const std::vector<int> below3 = {350, 385, 383, 301, 310, 203, 333, 16, 182, 152, 150, 151};
  const std::vector<int> below4 = {351, 318, 319, 320, 325, 180};
  for (int level = 1; level <= 4; ++level) {
    SCOPED_TRACE(level);
    StrategyTable t(kNorth, {}, level);
    t.Trick(kEast, {});
    t.Decide(kEast);
    int off = 0;
    for (int n : RuleOrder()) {
      const bool switched_off = (level < 2 && std::count(below2.begin(), below2.end(), n) > 0) ||
                                (level < 3 && std::count(below3.begin(), below3.end(), n) > 0) ||
                                (level < 4 && std::count(below4.begin(), below4.end(), n) > 0);
      EXPECT_EQ(t.game.RuleState[n], switched_off ? 0 : 1) << n;
      off += switched_off ? 1 : 0;
    }
    EXPECT_EQ(off, level == 1 ? 22 : level == 2 ? 18 : level == 3 ? 6 : 0);
  }
}

}  // namespace
}  // namespace zarvane
