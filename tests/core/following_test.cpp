#include "core/strategy/following.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/strategy/rule_families.h"
#include "core/strategy/shared_operations.h"
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

using Cards = std::vector<Card>;

// The Petit and the Excuse go to South, who never decides here, so that no rule of the oudlers
// takes the card out of the hands of the rule under test.
const Cards kSouthOudlers = {Trump(1), Excuse()};

// A full hand: the cards given, then as many of `more` as it takes.
Cards FilledFrom(Cards cards, const Cards& more) {
  for (const Card& card : more) {
    if (cards.size() < 18)
      cards.push_back(card);
  }
  return cards;
}

// Trumps to fill a hand that must hold some: from the 21 down, or from the 20 when the 21 is to
// stay with another seat.
const Cards kTrumpsFrom21 =
    Trumps({21, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2});
const Cards kTrumpsFrom20 = Cards(kTrumpsFrom21.begin() + 1, kTrumpsFrom21.end());

// North takes; West, South and East defend in that order. West leads a small diamond and South
// has followed with `south_card`; East, with no diamond and no trump, plays third, the taker
// last. East holds the honours given and small cards of the three other suits.
StrategyTable DefenderOutOfTrumps(const Cards& honours, const Card& south_card) {
  const Cards east = FilledFrom(
      honours, Join({SuitCards(kPique, {10, 9, 8, 7, 6, 5}), SuitCards(kCoeur, {10, 9, 8, 7, 6, 5}),
                     SuitCards(kTrefle, {10, 9, 8, 7, 6, 5})}));
  StrategyTable t(kNorth, {{kEast, east},
                           {kWest, SuitCards(kCarreau, {3})},
                           {kSouth, Join({kSouthOudlers, {south_card}})}});
  t.Trick(kWest, {Plain(kCarreau, 3), south_card});
  return t;
}

TEST(Following, ADefenderOutOfTrumpsThrowsHisBestHonourOnHisPartnersTopTrump) {
  struct Case {
    Cards honours;
    int taker_suits_shown;
    Card thrown;
  };
  const Card roi = Plain(kPique, 14);
  const Card dame = Plain(kCoeur, 13);
  const Card cavalier = Plain(kTrefle, 12);
  const Card valet = Plain(kPique, 11);
  const std::vector<Case> cases = {
      {{roi, dame, cavalier, valet}, 3, roi},
      {{dame, cavalier, valet}, 3, dame},
      {{cavalier, valet}, 3, cavalier},
      {{valet}, 3, valet},
      // The master Roi of a suit never played stays while the taker has shown fewer suits.
      {{roi, dame, cavalier, valet}, 2, dame},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "honours " << c.honours.size() << ", taker showed " << c.taker_suits_shown);
    StrategyTable t = DefenderOutOfTrumps(c.honours, Trump(21));
    for (int s = kPique; s <= kCarreau; ++s)
      t.game.TakerPlayedSuit[s] = s <= c.taker_suits_shown ? 1 : 0;
    EXPECT_EQ(t.Decide(kEast), Cards{c.thrown});
    EXPECT_EQ(t.Panel(kEast), "203");
  }
}

TEST(Following, ADefenderOutOfTrumpsKeepsHisHonoursWhenTheTakerStillToPlayMayRuff) {
  StrategyTable t = DefenderOutOfTrumps(
      {Plain(kPique, 14), Plain(kCoeur, 13), Plain(kTrefle, 12), Plain(kPique, 11)},
      Plain(kCarreau, 2));
  t.game.KnownVoid[kEast][kNorth][kCarreau] = 1;
  const Cards left = t.Decide(kEast);
  EXPECT_EQ(left.size(), 14u);
  for (const Card& card : left)
    EXPECT_LE(card.Value, 10) << card.Suit;

  // Once he knows the taker has no trump either, he gives.
  StrategyTable knows = DefenderOutOfTrumps({Plain(kPique, 13)}, Plain(kCarreau, 2));
  knows.game.KnownVoid[kEast][kNorth][kCarreau] = 1;
  knows.game.KnownNoTrump[kEast][kNorth] = 1;
  EXPECT_EQ(knows.Decide(kEast), Cards{Plain(kPique, 13)});
}

// North takes and is void in hearts; his hand is North's 18 cards in full.
Cards NorthWithout(const Cards& cards) {
  return Join({cards, SuitCards(kPique, {14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1})});
}

// A trick under way and the seat to decide. An empty `played` means no rule chooses: the card
// is left to the draw.
struct Position {
  const char* name;
  int decider;
  std::vector<std::pair<int, Cards>> hands;
  int leader;
  Cards trick;
  Cards played;
  const char* rule;
  // What the earlier tricks left, set before this one is laid.
  void (*before)(GameState&) = nullptr;
};

// The cards the decider's strategy leaves at the position, the generator started at `seed`.
Cards DecideAt(const Position& c, std::uint32_t seed, std::string* panel = nullptr) {
  auto hands = c.hands;
  hands.push_back({kSouth, kSouthOudlers});
  StrategyTable t(kNorth, hands);
  if (c.before != nullptr)
    c.before(t.game);
  t.Trick(c.leader, c.trick);
  t.game.random.GeneratorState = seed;
  const Cards left = t.Decide(c.decider);
  if (panel != nullptr)
    *panel = t.Panel(c.decider);
  return left;
}

void ExpectDecision(const Position& c) {
  SCOPED_TRACE(c.name);
  std::string panel;
  const Cards left = DecideAt(c, 0, &panel);
  if (c.played.empty())
    EXPECT_GT(left.size(), 1u);
  else
    EXPECT_EQ(left, c.played);
  EXPECT_EQ(panel, c.rule);
}

TEST(Following, GivingWayPlaysTheLowestPlainCardAndATrumpOnlyWithoutOne) {
  const std::vector<Position> cases = {
      {"the taker under a higher heart",
       kNorth,
       {{kNorth, NorthWithout(Join({SuitCards(kCoeur, {9, 5, 2}), SuitCards(kTrefle, {1})}))},
        {kEast, SuitCards(kCoeur, {14})}},
       kEast,
       {Plain(kCoeur, 14)},
       {Plain(kCoeur, 2)},
       "3"},
      {"the taker under a higher trump",
       kNorth,
       {{kNorth, NorthWithout(Join({Trumps({15, 7, 3}), SuitCards(kTrefle, {1})}))},
        {kEast, Trumps({20})}},
       kEast,
       {Trump(20)},
       {Trump(3)},
       "3"},
      {"a defender under the taker's heart",
       kWest,
       {{kWest, SuitCards(kCoeur, {11, 8, 3})},
        {kNorth, SuitCards(kCoeur, {12})},
        {kEast, SuitCards(kCoeur, {4})}},
       kEast,
       {Plain(kCoeur, 4), Plain(kCoeur, 12)},
       {Plain(kCoeur, 3)},
       "2"},
      {"a defender under the taker's ruff",
       kWest,
       {{kWest, Join({Trumps({15, 7, 3}), SuitCards(kTrefle, {14, 13, 12, 11, 10, 9, 8, 7, 6, 5}),
                      SuitCards(kCarreau, {14, 13, 12, 11, 10})})},
        {kNorth, NorthWithout(Join({Trumps({20}), SuitCards(kTrefle, {1, 2, 3})}))},
        {kEast, SuitCards(kCoeur, {4})}},
       kEast,
       {Plain(kCoeur, 4), Trump(20)},
       {Trump(3)},
       "2"},
  };
  for (const Position& c : cases)
    ExpectDecision(c);
}

// Rule 203's first pass stops at the first suit, walking from the drawn one, where East holds
// the honour, and tries that card alone: a Roi he cannot play there gives way to the next value,
// not to the same value further along the walk.
TEST(Following, OutOfTrumpsTheFirstPassTriesOnlyTheFirstHonourItsWalkMeets) {
  const Cards honours = {Plain(kPique, 14), Plain(kCoeur, 14), Plain(kTrefle, 14),
                         Plain(kCarreau, 14), Plain(kCarreau, 13)};
  // Whatever the draw, the Roi de carreau goes only when the walk starts at diamonds; from any
  // other suit the Roi met first cannot be played and the Dame de carreau goes instead.
  int roi = 0;
  int dame = 0;
  for (std::uint32_t seed = 0; seed < 40; ++seed) {
    StrategyTable t = DefenderOutOfTrumps(honours, Trump(21));
    for (int s = kPique; s <= kCarreau; ++s)
      t.game.KnownVoid[kEast][kNorth][s] = 1;
    // A later round of diamonds, where no first-round rule puts an honour on.
    t.game.SuitOpening[kCarreau] = 0;
    t.game.random.GeneratorState = seed;
    const Cards left = t.Decide(kEast);
    ASSERT_EQ(left.size(), 1u) << "seed " << seed;
    roi += SameCard(left.front(), Plain(kCarreau, 14));
    dame += SameCard(left.front(), Plain(kCarreau, 13));
    EXPECT_EQ(t.Panel(kEast), "203");
  }
  EXPECT_EQ(roi + dame, 40);
  EXPECT_GT(roi, 0);
  EXPECT_GT(dame, 2 * roi);
}

// After an Excuse lead the second seat has nothing to beat but the Excuse, which any card does.
TEST(Following, AfterAnExcuseLeadTheSecondSeatFacesOnlyTheExcuse) {
  // The taker, out of trumps, under a defender's Excuse: no rule gives way, the draw decides.
  StrategyTable t(kNorth,
                  {{kNorth, NorthWithout(Join({SuitCards(kCoeur, {9, 5}), SuitCards(kTrefle, {3}),
                                               SuitCards(kCarreau, {2})}))},
                   {kEast, {Excuse()}},
                   {kSouth, {Trump(1)}}});
  t.Trick(kEast, {Excuse()});
  EXPECT_GT(t.Decide(kNorth).size(), 1u);
  EXPECT_EQ(t.Panel(kNorth), "");
}

TEST(Following, ARoiOrARuffGoesOnTheTrickWhereItShouldWin) {
  const std::vector<Position> cases = {
      {"a defender's Dame over the taker's heart, rather than his lowest winning card",
       kWest,
       {{kWest, FilledFrom(SuitCards(kCoeur, {12, 10, 2}), kTrumpsFrom21)},
        {kNorth, SuitCards(kCoeur, {9})},
        {kEast, SuitCards(kCoeur, {4})}},
       kEast,
       {Plain(kCoeur, 4), Plain(kCoeur, 9)},
       {Plain(kCoeur, 12)},
       "381"},
      {"a defender's lowest heart over the taker's",
       kWest,
       {{kWest, FilledFrom(SuitCards(kCoeur, {10, 2}), kTrumpsFrom21)},
        {kNorth, SuitCards(kCoeur, {9})},
        {kEast, SuitCards(kCoeur, {4})}},
       kEast,
       {Plain(kCoeur, 4), Plain(kCoeur, 9)},
       {Plain(kCoeur, 10)},
       "381"},
      {"a defender's Roi on the taker's Dame",
       kWest,
       {{kWest, FilledFrom(SuitCards(kCoeur, {14, 6, 2}), kTrumpsFrom21)},
        {kNorth, SuitCards(kCoeur, {13})}},
       kNorth,
       {Plain(kCoeur, 13)},
       {Plain(kCoeur, 14)},
       "301"},
      {"the last defender ruffs high ahead of a taker void in the suit",
       kEast,
       {{kEast,
         Join({Trumps({18, 9}), SuitCards(kPique, {14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}),
               SuitCards(kTrefle, {14, 13})})},
        {kWest, SuitCards(kCoeur, {5})},
        {kSouth, SuitCards(kCoeur, {6})}},
       kWest,
       {Plain(kCoeur, 5), Plain(kCoeur, 6)},
       {Trump(18)},
       "383",
       [](GameState& g) { g.KnownVoid[kEast][kNorth][kCoeur] = 1; }},
      {"the taker's guarded Roi while both defenders after him may follow",
       kNorth,
       {{kNorth, NorthWithout(Join({SuitCards(kCoeur, {14, 8, 3}), SuitCards(kTrefle, {1})}))},
        {kEast, SuitCards(kCoeur, {5})}},
       kEast,
       {Plain(kCoeur, 5)},
       {Plain(kCoeur, 14)},
       "13"},
      {"the taker's guarded Roi stays when a defender after him is void",
       kNorth,
       {{kNorth, NorthWithout(Join({SuitCards(kCoeur, {14, 8, 3}), SuitCards(kTrefle, {1})}))},
        {kEast, SuitCards(kCoeur, {5})}},
       kEast,
       {Plain(kCoeur, 5)},
       {},
       "",
       [](GameState& g) { g.KnownVoid[kNorth][kWest][kCoeur] = 1; }},
  };
  for (const Position& c : cases)
    ExpectDecision(c);
}

// West, the first defender, holds the cards of the suit given and trumps from the 21 down to
// fill his hand; North, the taker, has led the card `led` of that suit.
StrategyTable AfterTakersLead(int suit, const Cards& cards, int led) {
  StrategyTable t(kNorth, {{kWest, FilledFrom(cards, kTrumpsFrom21)},
                           {kNorth, SuitCards(suit, {led})},
                           {kSouth, kSouthOudlers}});
  t.Trick(kNorth, {Plain(suit, led)});
  return t;
}

TEST(Following, WinningAgainstTheTakerPrefersAnHonourToTheLowestWinningCard) {
  StrategyTable with_honour = AfterTakersLead(kCoeur, SuitCards(kCoeur, {13, 10, 2}), 9);
  EXPECT_EQ(with_honour.Decide(kWest), Cards{Plain(kCoeur, 13)});
  EXPECT_EQ(with_honour.Panel(kWest), "1");
  StrategyTable without = AfterTakersLead(kCoeur, SuitCards(kCoeur, {10, 2}), 9);
  EXPECT_EQ(without.Decide(kWest), Cards{Plain(kCoeur, 10)});
  EXPECT_EQ(without.Panel(kWest), "1");
}

TEST(Following, OnTheTakersSmallLeadADefenderPlaysTheHigherCardOfHisLowestPair) {
  struct Case {
    std::vector<int> spades;
    Card played;
    const char* rule;
  };
  const std::vector<Case> cases = {
      {{14, 13, 12, 11, 7, 3}, Plain(kPique, 12), "310"},
      {{14, 13, 12, 7, 3}, Plain(kPique, 13), "310"},
      {{14, 13, 7, 3}, Plain(kPique, 14), "310"},
      // No pair: the Roi is kept back, so the lowest card that wins goes instead.
      {{14, 7, 3}, Plain(kPique, 7), "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.spades.size());
    Cards spades;
    for (int v : c.spades)
      spades.push_back(Plain(kPique, v));
    StrategyTable t = AfterTakersLead(kPique, spades, 5);
    EXPECT_EQ(t.Decide(kWest), Cards{c.played});
    EXPECT_EQ(t.Panel(kWest), c.rule);
  }
}

// West leads a small heart and South follows, or South leads; East plays `east_card`. North, to
// play next, holds the Roi and two small hearts; South holds the other hearts, so none is in
// the discard North knows.
StrategyTable TakerAfterEastsCard(const Card& east_card, bool west_leads = true) {
  StrategyTable t(
      kNorth,
      {{kWest, SuitCards(kCoeur, {3})},
       {kSouth, Join({kSouthOudlers, SuitCards(kCoeur, {5, 13, 12, 11, 10, 9, 8, 7, 4, 1})})},
       {kEast, Join({{east_card},
                     SuitCards(kPique, {14, 13, 12, 10, 9, 8, 7, 6, 5}),
                     SuitCards(kTrefle, {14, 13, 12, 11, 10, 9, 8, 7})})},
       {kNorth, Join({SuitCards(kCoeur, {14, 6, 2}), SuitCards(kPique, {11, 4, 3, 2, 1}),
                      SuitCards(kTrefle, {6, 5, 4, 3, 2, 1}), Trumps({20, 19, 18, 17})})}});
  if (west_leads)
    t.Trick(kWest, {Plain(kCoeur, 3), Plain(kCoeur, 5), east_card});
  else
    t.Trick(kSouth, {Plain(kCoeur, 5), east_card});
  return t;
}

TEST(Following, TheTakerCoversAValetOrCavalierValueWhateverItsSuit) {
  for (int value : {11, 12}) {
    for (bool west_leads : {true, false}) {
      StrategyTable t = TakerAfterEastsCard(Plain(kCarreau, value), west_leads);
      EXPECT_EQ(t.Decide(kNorth), Cards{Plain(kCoeur, 14)});
      EXPECT_EQ(t.Panel(kNorth), "319");
    }
  }
  StrategyTable nine = TakerAfterEastsCard(Plain(kCarreau, 9));
  nine.Decide(kNorth);
  EXPECT_EQ(nine.Panel(kNorth), "1");
  // Only while more than five hearts are outside his hand.
  for (int outside : {6, 5}) {
    StrategyTable t = TakerAfterEastsCard(Plain(kCarreau, 11));
    t.game.OutsideSuitCount[kNorth][kCoeur] = outside;
    t.Decide(kNorth);
    EXPECT_EQ(t.Panel(kNorth) == "319", outside == 6) << outside << " hearts outside";
  }

  // A trump wins the trick, so in play the taker then holds no winning card and the rule stops
  // there; handed one, it reacts to the trump's value as to a Valet or a Cavalier.
  for (int value : {9, 11, 12}) {
    SCOPED_TRACE(value);
    StrategyTable t = TakerAfterEastsCard(Trump(value));
    ComputePlayableCards(t.game, kNorth);
    t.game.RuleState.Fill(1);
    t.game.CardChosen = 0;
    StrategyTurn turn{t.game};
    turn.S = kNorth;
    turn.Defender1 = kWest;
    turn.Defender2 = kSouth;
    turn.Defender3 = kEast;
    turn.TrickPosition = 4;
    turn.Winning = {WinningCard::Stand::CanWin, t.SlotOf(kNorth, Plain(kCoeur, 6))};
    turn.Rule = 319;
    FindRule(319)(turn);
    EXPECT_EQ(t.game.RuleState[319], value == 9 ? 1 : 2);
    EXPECT_EQ(t.game.Playable[kNorth][t.SlotOf(kNorth, Plain(kCoeur, 6))], value == 9 ? 1 : 0);
  }
}

// Hands without a trump: small spades and clubs besides the cards given.
Cards NoTrumps(const Cards& cards) {
  return FilledFrom(cards, Join({SuitCards(kPique, {10, 9, 8, 7, 6, 5, 4, 3, 2}),
                                 SuitCards(kTrefle, {10, 9, 8, 7, 6, 5, 4, 3, 2})}));
}

// The first defender, out of trumps, right after the taker's card.
TEST(Following, OutOfTrumpsADefenderGivesOnTheTakersTrumpLeadButNotAnHonourHeMustFollowWith) {
  const std::vector<Position> cases = {
      {"a trump lead with as many trumps out as tricks left, some above the led one",
       kWest,
       {{kWest, NoTrumps(SuitCards(kCarreau, {13}))}, {kNorth, Trumps({5})}},
       kNorth,
       {Trump(5)},
       {Plain(kCarreau, 13)},
       "203",
       [](GameState& g) {
         g.TrickNumber = 12;
         g.OutsideTrumpCount[kWest] = 8;  // seven once the 5 is down
       }},
      {"a partner's heart that the taker has covered below the master",
       kWest,
       {{kWest, NoTrumps(SuitCards(kCarreau, {13}))},
        {kEast, SuitCards(kCoeur, {5})},
        {kNorth, SuitCards(kCoeur, {9})}},
       kEast,
       {Plain(kCoeur, 5), Plain(kCoeur, 9)},
       {Plain(kCarreau, 13)},
       "203"},
      {"last to play, under the taker's winning heart",
       kWest,
       {{kWest, NoTrumps(SuitCards(kCarreau, {13}))},
        {kSouth, SuitCards(kCoeur, {5})},
        {kEast, SuitCards(kCoeur, {4})},
        {kNorth, SuitCards(kCoeur, {9})}},
       kSouth,
       {Plain(kCoeur, 5), Plain(kCoeur, 4), Plain(kCoeur, 9)},
       {Plain(kPique, 2)},
       "2"},
      {"a heart lead when he still holds hearts",
       kWest,
       {{kWest, NoTrumps(SuitCards(kCoeur, {13, 5}))}, {kNorth, SuitCards(kCoeur, {9})}},
       kNorth,
       {Plain(kCoeur, 9)},
       {Plain(kCoeur, 5)},
       ""},
  };
  for (const Position& c : cases)
    ExpectDecision(c);
}

// The three other suits played out with the taker in each: diamonds are the last suit.
void OnlyDiamondsLeftToOpen(GameState& g) {
  for (int s = kPique; s <= kTrefle; ++s) {
    g.SuitOpening[s] = 0;
    g.TakerPlayedSuit[s] = 1;
  }
}

TEST(Following, AheadOfTheTakerADefenderKeepsTheHonoursAFirstRoundWouldCost) {
  const Cards east = FilledFrom(SuitCards(kCarreau, {13, 4}), kTrumpsFrom20);
  const Cards east_with_roi = FilledFrom(SuitCards(kCarreau, {14, 13, 4}), kTrumpsFrom20);
  const std::vector<Position> cases = {
      {"an unguarded Dame on the first round of a suit",
       kEast,
       {{kEast, east}, {kSouth, SuitCards(kCarreau, {6})}},
       kSouth,
       {Plain(kCarreau, 6)},
       {Plain(kCarreau, 4)},
       ""},
      {"the same Dame once the suit has been played",
       kEast,
       {{kEast, east}, {kSouth, SuitCards(kCarreau, {6})}},
       kSouth,
       {Plain(kCarreau, 6)},
       {},
       "",
       [](GameState& g) { g.SuitOpening[kCarreau] = 0; }},
      {"the honours of the last suit to open",
       kEast,
       {{kEast, east_with_roi},
        {kWest, SuitCards(kCarreau, {5})},
        {kSouth, SuitCards(kCarreau, {2})}},
       kWest,
       {Plain(kCarreau, 5), Plain(kCarreau, 2)},
       {Plain(kCarreau, 4)},
       "",
       OnlyDiamondsLeftToOpen},
  };
  for (const Position& c : cases)
    ExpectDecision(c);

  // Leading the last suit himself, he keeps its honours back just the same.
  StrategyTable t(kNorth, {{kEast, east_with_roi}, {kSouth, kSouthOudlers}});
  OnlyDiamondsLeftToOpen(t.game);
  t.game.FirstLeadPending[kEast] = 0;  // not the opening lead, which a trump rule decides
  t.Trick(kEast, {});
  const Cards left = t.Decide(kEast);
  EXPECT_FALSE(left.empty());
  EXPECT_FALSE(t.Contains(left, Plain(kCarreau, 14)));
  EXPECT_FALSE(t.Contains(left, Plain(kCarreau, 13)));
}

// West leads a heart and South follows; East, third, has two hearts and trumps.
Position EastOnTheFirstHeart(int led, int south, const Cards& hearts) {
  return {"",
          kEast,
          {{kEast, FilledFrom(hearts, kTrumpsFrom20)},
           {kWest, SuitCards(kCoeur, {led})},
           {kSouth, SuitCards(kCoeur, {south})}},
          kWest,
          {Plain(kCoeur, led), Plain(kCoeur, south)},
          {},
          ""};
}

// The share of many draws in which the decider leaves exactly `card`, or keeps it playable.
double ShareLeaving(const Position& c, const Card& card, bool alone) {
  constexpr int kTrials = 300;
  int count = 0;
  for (int trial = 1; trial <= kTrials; ++trial) {
    const Cards left = DecideAt(c, 2'654'435'761u * static_cast<std::uint32_t>(trial));
    const bool kept =
        std::any_of(left.begin(), left.end(), [&card](const Card& l) { return SameCard(l, card); });
    count += alone ? left == Cards{card} : kept;
  }
  return static_cast<double>(count) / kTrials;
}

TEST(Following, RulesWithADrawActAboutAsOftenAsTheirOddsSay) {
  // 315, 79 in 100: the Dame on the first small heart, with the Roi still out.
  EXPECT_NEAR(
      ShareLeaving(EastOnTheFirstHeart(4, 6, SuitCards(kCoeur, {13, 3})), Plain(kCoeur, 13), true),
      0.79, 0.12);
  // 316, 59 in 100: the Roi on the first heart from a short suit.
  EXPECT_NEAR(
      ShareLeaving(EastOnTheFirstHeart(5, 6, SuitCards(kCoeur, {14, 3})), Plain(kCoeur, 14), true),
      0.59, 0.14);

  // 385, 89 in 100: with a partner winning the taker's heart, the Roi is kept back.
  Position keep_roi = EastOnTheFirstHeart(2, 10, SuitCards(kCoeur, {14, 7, 3}));
  keep_roi.hands.push_back({kNorth, SuitCards(kCoeur, {9})});
  keep_roi.leader = kNorth;
  keep_roi.trick = {Plain(kCoeur, 9), Plain(kCoeur, 2), Plain(kCoeur, 10)};
  keep_roi.before = [](GameState& g) {
    // Hearts are the taker's third suit, so no rule about his first two suits steps in.
    g.TakerLedSuit[kPique] = g.TakerLedSuit[kTrefle] = 1;
    g.TakerLedSuitCount = 2;
    g.TakerLedSuitOrder[1] = kPique;
    g.TakerLedSuitOrder[2] = kTrefle;
  };
  EXPECT_NEAR(ShareLeaving(keep_roi, Plain(kCoeur, 14), false), 0.11, 0.1);

  // 301 on the taker's Valet: the Roi 69 in 100, else the Dame 79 in 100.
  const Position on_valet = {"",
                             kWest,
                             {{kWest, FilledFrom(SuitCards(kCoeur, {14, 13, 2}), kTrumpsFrom21)},
                              {kNorth, SuitCards(kCoeur, {11})}},
                             kNorth,
                             {Plain(kCoeur, 11)},
                             {},
                             ""};
  EXPECT_NEAR(ShareLeaving(on_valet, Plain(kCoeur, 13), true), 0.31 * 0.79, 0.1);

  // 160, 39 in 100: the taker void in hearts ruffs high when few hearts are unplaced.
  const Position ruff_high = {
      "",
      kNorth,
      {{kNorth, NorthWithout(Join({Trumps({18, 9, 4}), SuitCards(kTrefle, {1})}))},
       {kEast, SuitCards(kCoeur, {5})}},
      kEast,
      {Plain(kCoeur, 5)},
      {},
      "",
      [](GameState& g) {
        for (int v : {1, 2, 3, 4, 6, 7, 8, 9, 10})
          g.CardStatus[kNorth][kCoeur][v] = kPlayed;
        // One defender after him out of trumps is not enough to stop him.
        g.KnownNoTrump[kNorth][kSouth] = 1;
      }};
  EXPECT_NEAR(ShareLeaving(ruff_high, Trump(18), true), 0.39, 0.14);
}

}  // namespace
}  // namespace zarvane
