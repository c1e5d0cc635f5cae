#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/card_play.h"
#include "core/play_preparation.h"
#include "core/strategy/strategy.h"
#include "tests/support/cards.h"
#include "tests/support/deal_builder.h"
#include "tests/support/strategy_table.h"

namespace zarvane {
namespace {

using testing::Join;
using testing::Plain;
using testing::SuitCards;

// The leader opens a trick: it gets the hand given, the other seats the rest of the pack, and
// the play memory is that of a "GARDE" whose dog held the cards given.
struct LeadingRulesTest : ::testing::Test {
  void Deal(int taker, int leader, const std::vector<Card>& hand) {
    testing::DealAround(game, leader, hand,
                        Join({SuitCards(kPique, {11}), SuitCards(kCoeur, {12, 11}),
                              SuitCards(kTrefle, {13, 11}), SuitCards(kCarreau, {12})}));
    game.Taker = taker;
    game.AnnouncedBid.Fill(kPasse);
    game.AnnouncedBid[taker] = kGarde;
    game.DogWasShown = 1;
    game.InitialDog = game.Dog;
    game.TrickNumber = 1;
    PreparePlay(game);
    leader_ = leader;
  }

  // The cards the leader may still play once the strategy has run at that level.
  std::vector<Card> Lead(int level, std::uint32_t seed = 1) {
    game.options.Level = level;
    // Neighbouring seeds would walk the generator in step: spread them first.
    game.random.GeneratorState = std::mt19937(seed)();
    game.TrickLeader = leader_;
    game.CurrentSeat = leader_;
    game.CardsInTrick = 0;
    ComputePlayableCards(game, leader_);
    rule_ = testing::RulePanelText(ChooseComputerCard(game, leader_));
    std::vector<Card> cards;
    for (int slot = 1; slot <= 18; ++slot) {
      if (game.Playable[leader_][slot] == 1)
        cards.push_back(game.Hands[leader_][slot]);
    }
    return cards;
  }
  std::string Rule() { return rule_; }

  // The card leaves the hand as if played in an earlier trick.
  void Played(int seat, const Card& card) {
    for (Card& held : game.Hands[seat]) {
      if (SameCard(held, card))
        held.InHand = 0;
    }
    game.CardHolder[card.Suit][card.Value] = kPlayed;
    --game.SuitCount[seat][card.Suit];
  }

  GameState game;
  int leader_ = 0;
  std::string rule_;
};

const std::vector<Card> kTakerWithLongSpades =
    Join({SuitCards(kPique, {14, 13, 12, 9, 7, 4, 1}), SuitCards(kCoeur, {10, 8, 6}),
          SuitCards(kTrefle, {9, 7, 5}), SuitCards(kCarreau, {8, 6, 4, 3, 2})});

TEST_F(LeadingRulesTest, TakerWithNoTrumpLeftOutsideCashesAMasterCardAtLevelFourOnly) {
  Deal(kEast, kEast,
       Join({SuitCards(kPique, {14, 10, 9, 8, 7}), SuitCards(kCoeur, {13, 6, 5, 4}),
             SuitCards(kTrefle, {12, 3}), SuitCards(kCarreau, {11, 10, 9, 8, 7, 6, 5})}));
  game.OutsideTrumpCount[kEast] = 0;
  game.CardHolder[kCoeur][kKing] = kPlayed;
  game.MasterCard[kCoeur] = kQueen;

  std::set<int> suits;
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    const std::vector<Card> lead = Lead(4, seed);
    ASSERT_EQ(lead.size(), 1u);
    EXPECT_EQ(Rule(), "351");
    EXPECT_TRUE(lead[0] == Plain(kPique, kKing) || lead[0] == Plain(kCoeur, kQueen));
    suits.insert(lead[0].Suit);
  }
  EXPECT_EQ(suits.size(), 2u) << "the suit of the master card is drawn";

  // Below level 4 the taker opens his long suit instead, skipping its Valet.
  EXPECT_EQ(Lead(3), std::vector<Card>{Plain(kCarreau, 10)});
  EXPECT_EQ(Rule(), "150");
}

TEST_F(LeadingRulesTest, TakerOpensHisLongSuitFromTheTopUntilARuffThreatensIt) {
  Deal(kEast, kEast, kTakerWithLongSpades);
  EXPECT_EQ(Lead(3), std::vector<Card>{Plain(kPique, kKing)});
  EXPECT_EQ(Rule(), "150");

  game.ChosenSuitTrumped = 1;
  EXPECT_EQ(Lead(3), std::vector<Card>{Plain(kPique, 1)});
  EXPECT_EQ(Rule(), "151");

  // Ruffed once, but nobody has a trump left to ruff again.
  for (int d : {kSouth, kNorth, kWest})
    game.KnownNoTrump[kEast][d] = 1;
  EXPECT_EQ(Lead(4), std::vector<Card>{Plain(kPique, kKing)});
  EXPECT_EQ(Rule(), "150");

  // Below level 3 neither rule runs; the Roi of an unopened suit of five to nine cards goes.
  EXPECT_EQ(Lead(2), std::vector<Card>{Plain(kPique, kKing)});
  EXPECT_EQ(Rule(), "22");
  Played(kEast, Plain(kPique, 4));
  Played(kEast, Plain(kPique, 7));
  Lead(2);
  EXPECT_EQ(Rule(), "22");
  Played(kEast, Plain(kPique, 1));
  Lead(2);
  EXPECT_EQ(Rule(), "");

  // With nothing to open it from the top, the lowest goes even before any ruff.
  game.ChosenSuitTrumped = 0;
  game.KnownNoTrump[kEast][kWest] = 0;
  game.KnightFellOnKing = 1;
  for (int v : {14, 12, 9})
    Played(kEast, Plain(kPique, v));
  EXPECT_EQ(Lead(3), std::vector<Card>{Plain(kPique, kQueen)});
  EXPECT_EQ(Rule(), "151");
}

TEST_F(LeadingRulesTest, TakerKeepsTheDameOfALongSuitForHisTrumpsOrOnceTheCavalierFell) {
  struct Case {
    int length;
    int trumps;
    int knight_fell;
    int led;
  };
  const Case cases[] = {{6, 9, 0, kQueen}, {6, 10, 0, 9},     {7, 7, 0, kQueen},
                        {7, 8, 0, 9},      {8, 6, 0, kQueen}, {8, 7, 0, 9},
                        {9, 0, 0, 9},      {5, 0, 0, kQueen}, {5, 0, 1, 9}};
  for (const Case& c : cases) {
    Deal(kEast, kEast, kTakerWithLongSpades);
    Played(kEast, Plain(kPique, kKing));
    game.SuitCount[kEast][kPique] = c.length;
    game.InitialTrumpCount[kEast] = c.trumps;
    game.KnightFellOnKing = c.knight_fell;
    EXPECT_EQ(Lead(3), std::vector<Card>{Plain(kPique, c.led)})
        << c.length << " cards, " << c.trumps << " trumps, knight fell " << c.knight_fell;
  }
}

TEST_F(LeadingRulesTest, TakerKeepsABareRoiUnlessOnlyHisPetitIsLeftToFear) {
  Deal(kEast, kEast,
       Join({SuitCards(kPique, {10, 9, 8, 7, 6}), SuitCards(kCoeur, {10, 9, 8, 7}),
             SuitCards(kTrefle, {10, 9, 8, 7}), SuitCards(kCarreau, {14}),
             testing::Trumps({5, 4, 3, 1})}));
  auto offers_king = [this] {
    const std::vector<Card> lead = Lead(1);
    return std::find(lead.begin(), lead.end(), Plain(kCarreau, kKing)) != lead.end();
  };
  EXPECT_FALSE(offers_king());
  game.KnownNoTrump[kEast][kSouth] = 1;
  game.KnownNoTrump[kEast][kNorth] = 1;
  EXPECT_FALSE(offers_king()) << "West may still ruff";
  game.KnownNoTrump[kEast][kWest] = 1;
  EXPECT_TRUE(offers_king());
}

TEST_F(LeadingRulesTest, NobodyLeadsAnHonourUnderTheNextOneUpWhileItIsOut) {
  Deal(kEast, kEast,
       Join({SuitCards(kPique, {13, 12, 5, 4}), SuitCards(kCoeur, {10, 9, 8, 7, 6}),
             SuitCards(kTrefle, {10, 9, 8, 7, 6}), SuitCards(kCarreau, {10, 9, 8, 7})}));
  auto offers = [this](int value) {
    const std::vector<Card> lead = Lead(1);
    return std::find(lead.begin(), lead.end(), Plain(kPique, value)) != lead.end();
  };
  EXPECT_FALSE(offers(kQueen));
  EXPECT_FALSE(offers(kKnight));
  game.CardHolder[kPique][kKing] = kPlayed;
  EXPECT_TRUE(offers(kQueen));
  EXPECT_FALSE(offers(kKnight)) << "his own Dame is still out";
}

TEST_F(LeadingRulesTest, TakerOpensHisSingletonOnHisFirstLeadAtLevelFourOnly) {
  Deal(kEast, kEast,
       Join({testing::Trumps({9, 8, 7, 6, 5, 4, 3, 2}), SuitCards(kPique, {14, 10, 8, 6, 4, 2}),
             SuitCards(kCoeur, {9, 5, 3}), SuitCards(kCarreau, {10})}));
  EXPECT_EQ(Lead(4), std::vector<Card>{Plain(kCarreau, 10)});
  EXPECT_EQ(Rule(), "180");
  EXPECT_EQ(Lead(3), std::vector<Card>{Plain(kPique, kKing)});

  // With seven trumps only one draw in two lets him.
  game.InitialTrumpCount[kEast] = 7;
  std::set<int> suits;
  for (std::uint32_t seed = 1; seed <= 20; ++seed)
    suits.insert(Lead(4, seed)[0].Suit);
  EXPECT_EQ(suits, (std::set<int>{kPique, kCarreau}));

  // Only on his first lead, and only under the Roi of his long suit.
  game.InitialTrumpCount[kEast] = 8;
  game.FirstLeadPending[kEast] = 0;
  Lead(4);
  EXPECT_EQ(Rule(), "150");
  game.FirstLeadPending[kEast] = 1;
  game.CardStatus[kEast][kPique][kKing] = kPlayed;
  Lead(4);
  EXPECT_EQ(Rule(), "150");
}

TEST_F(LeadingRulesTest, DefenderKeepsSmallCardsOfUnopenedSuitsWithoutTheirHonours) {
  // Under the Roi of five cards or more of an unopened suit, though, he leads small.
  Deal(kNorth, kWest,
       Join({SuitCards(kPique, {14, 9, 8, 6, 3, 2}), SuitCards(kCoeur, {10, 9, 8, 7}),
             SuitCards(kTrefle, {10, 9, 8, 7}), SuitCards(kCarreau, {10, 9, 8, 7})}));
  game.FirstLeadPending[kWest] = 0;
  EXPECT_EQ(Lead(1), std::vector<Card>{Plain(kPique, 2)});
  EXPECT_EQ(Rule(), "11");
  game.SuitOpening[kPique] = 0;
  Lead(1);
  EXPECT_EQ(Rule(), "");

  Deal(kNorth, kWest,
       Join({SuitCards(kPique, {5, 4, 3, 2}), SuitCards(kCoeur, {14, 3, 2}),
             SuitCards(kTrefle, {10, 9, 8, 7, 6}), SuitCards(kCarreau, {10, 9, 8, 7, 6, 5})}));
  game.FirstLeadPending[kWest] = 0;
  const std::vector<Card> lead = Lead(4);
  const std::vector<Card> expected =
      Join({SuitCards(kCoeur, {3, 2}), SuitCards(kTrefle, {10, 9, 8, 7, 6}),
            SuitCards(kCarreau, {10, 9, 8, 7, 6})});
  EXPECT_EQ(lead, expected);

  // A hand of small cards only keeps them all playable.
  Deal(kNorth, kWest,
       Join({SuitCards(kPique, {5, 4, 3, 2, 1}), SuitCards(kCoeur, {5, 4, 3, 2, 1}),
             SuitCards(kTrefle, {5, 4, 3, 2, 1}), SuitCards(kCarreau, {5, 4, 3})}));
  game.FirstLeadPending[kWest] = 0;
  for (std::uint32_t seed = 1; seed <= 8; ++seed)
    EXPECT_EQ(Lead(4, seed).size(), 18u);
}

TEST_F(LeadingRulesTest, DefenderPlaysWhereTheTakerCannotWinFromLevelThree) {
  Deal(kNorth, kWest,
       Join({SuitCards(kPique, {14, 9, 8}), SuitCards(kTrefle, {10, 9, 8, 7, 6, 5}),
             SuitCards(kCarreau, {10, 9, 8, 7, 6, 5, 4, 3, 2})}));
  game.FirstLeadPending[kWest] = 0;
  game.OutsideTrumpCount[kWest] = 0;  // every trump has been played
  // A void of the taker's where the defender has nothing to lead leaves him his master card.
  game.KnownVoid[kWest][kNorth][kCoeur] = 1;
  EXPECT_EQ(Lead(3), std::vector<Card>{Plain(kPique, kKing)});
  EXPECT_EQ(Rule(), "333");
  for (const Card& card : Lead(2))
    EXPECT_NE(card, Plain(kPique, kKing)) << "an unopened suit's Roi is kept";
  game.KnownVoid[kWest][kNorth][kCoeur] = 0;

  // Once an opened suit shows the taker void, the defender leads it and nothing else, but
  // never its Roi.
  game.KnownVoid[kWest][kNorth][kPique] = 1;
  game.SuitOpening[kPique] = 0;
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    for (const Card& card : Lead(3, seed)) {
      EXPECT_EQ(card.Suit, kPique);
      EXPECT_NE(card.Value, kKing);
    }
  }

  // With neither, he mostly keeps off trumps.
  Deal(kNorth, kWest,
       Join({SuitCards(kPique, {9, 8, 7}), SuitCards(kCoeur, {9, 8, 7}),
             SuitCards(kTrefle, {10, 9, 8}), SuitCards(kCarreau, {10, 9, 8}),
             testing::Trumps({21, 20, 19, 18, 17, 16})}));
  game.FirstLeadPending[kWest] = 0;
  game.KnownNoTrump[kWest][kNorth] = 1;
  game.PetitHolder = kPlayed;
  // Six times in a hundred the draw leaves him his trumps too.
  auto trump_leads = [this](int level) {
    int count = 0;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
      const std::vector<Card> lead = Lead(level, seed);
      count += std::any_of(lead.begin(), lead.end(), IsTrump) ? 1 : 0;
    }
    return count;
  };
  const int at_level_3 = trump_leads(3);
  EXPECT_GT(at_level_3, 2);
  EXPECT_LE(at_level_3, 25);
  EXPECT_EQ(trump_leads(2), 200);
}

TEST_F(LeadingRulesTest, FirstDefenderLeadsLowInTheTakersVoidFromLevelTwo) {
  // The defender leads, knowing North void in clubs.
  auto deal_to = [this](int defender) {
    Deal(kNorth, defender,
         Join({SuitCards(kPique, {10, 9, 8}), SuitCards(kCoeur, {9, 8, 7, 6}),
               SuitCards(kTrefle, {12, 9, 4}), SuitCards(kCarreau, {10, 9, 8, 7, 6, 5, 4, 3})}));
    game.FirstLeadPending[defender] = 0;
    game.KnownVoid[defender][kNorth][kTrefle] = 1;
  };
  deal_to(kWest);
  int ruffs = 0;
  for (std::uint32_t seed = 1; seed <= 50; ++seed) {
    const std::vector<Card> lead = Lead(2, seed);
    if (Rule() == "340") {
      EXPECT_EQ(lead, std::vector<Card>{Plain(kTrefle, 4)});
      ++ruffs;
    }
    Lead(1, seed);
    EXPECT_NE(Rule(), "340");
  }
  // Nine draws in ten, about 44 of 50.
  EXPECT_GE(ruffs, 36);
  EXPECT_LE(ruffs, 49);

  // The last defender before the taker does it less often: seven draws in ten.
  deal_to(kEast);
  int last_ruffs = 0;
  for (std::uint32_t seed = 1; seed <= 100; ++seed) {
    Lead(2, seed);
    last_ruffs += Rule() == "340" ? 1 : 0;
  }
  EXPECT_GE(last_ruffs, 55);
  EXPECT_LE(last_ruffs, 83);
}

// Plain cards without honours or small cards, spread evenly over COEUR, TREFLE and CARREAU.
std::vector<Card> Filler(int count) {
  std::vector<Card> cards;
  for (int n = 0; n < count; ++n)
    cards.push_back(Plain(kCoeur + n % 3, 10 - n / 3));
  return cards;
}

TEST_F(LeadingRulesTest, DefendersFirstLeadAfterATrumpRichDogFollowsHisLongSuitsHonours) {
  struct Case {
    std::vector<int> spades;
    int trumps;
    int led;  // the PIQUE led; 0 when the rule leaves the lead to others
  };
  const Case cases[] = {
      {{14, 13, 9, 4, 3, 2}, 3, 4},  // Roi and Dame: the highest small card
      {{10, 9, 7, 6, 2}, 3, 6},      // neither: the lowest card above the 5
      {{14, 9, 7, 6, 2}, 3, 0},      // the Roi alone, short of trumps: nothing
      {{14, 9, 7, 4, 2}, 6, 4},      // one of the two, with trumps: the highest small card
      {{14, 13, 9, 4}, 6, 14},       // both: the Roi
      {{10, 9, 7, 2}, 6, 10},        // neither: the highest card below the Valet
  };
  for (const Case& c : cases) {
    std::vector<int> trumps;
    for (int v = 2; v < 2 + c.trumps; ++v)
      trumps.push_back(v);
    std::vector<Card> hand = SuitCards(kPique, {});
    for (int v : c.spades)
      hand.push_back(Plain(kPique, v));
    for (int v : trumps)
      hand.push_back(testing::Trump(v));
    const std::vector<Card> filler = Filler(18 - static_cast<int>(hand.size()));
    hand.insert(hand.end(), filler.begin(), filler.end());
    Deal(kNorth, kWest, hand);
    game.DogTrumpCount = 2;
    SCOPED_TRACE(::testing::Message() << c.spades.size() << " spades, " << c.trumps << " trumps");
    const std::vector<Card> lead = Lead(1);
    if (c.led == 0) {
      EXPECT_NE(Rule(), "113");
    } else {
      EXPECT_EQ(lead, std::vector<Card>{Plain(kPique, c.led)});
      EXPECT_EQ(Rule(), "113");
    }
    for (const Card& card : lead)
      EXPECT_NE(card.Suit, kAtout);
  }
}

TEST_F(LeadingRulesTest, DefenderKeepsOffTheSuitsTheTakerPlayedAndThoseTheDogWarnsAgainst) {
  struct Case {
    const char* name;
    void (*set)(GameState&);
    int avoided;  // besides the CARREAU doubleton with its Dame
  };
  const Case cases[] = {
      {"nothing known", [](GameState&) {}, -1},
      {"the taker's last lead", [](GameState& g) { g.TakerLastLedSuit = kCoeur; }, kCoeur},
      {"the taker's first free lead", [](GameState& g) { g.TakerFirstSuit = kTrefle; }, kTrefle},
      {"the taker's second free lead", [](GameState& g) { g.TakerSecondSuit = kPique; }, kPique},
      {"three of the suit in the dog",
       [](GameState& g) {
         for (int d = 1; d <= 3; ++d)
           g.InitialDog[d] = Plain(kCoeur, d + 10);
       },
       kCoeur},
      {"three in the dog, but the suit is opened",
       [](GameState& g) {
         for (int d = 1; d <= 3; ++d)
           g.InitialDog[d] = Plain(kCoeur, d + 10);
         g.SuitOpening[kCoeur] = 0;
       },
       -1},
      {"the Roi went to the taker with the dog", [](GameState& g) { g.DogKing[kTrefle] = 1; },
       kTrefle},
      {"the dog's Roi is played",
       [](GameState& g) {
         g.DogKing[kTrefle] = 1;
         g.CardHolder[kTrefle][kKing] = kPlayed;
       },
       -1},
      {"the bare Cavalier's suit is opened", [](GameState& g) { g.SuitOpening[kTrefle] = 0; }, -1},
      {"a void of the partner who led an odd trump",
       [](GameState& g) {
         g.HumanOddTrumpLead = kSouth;
         g.KnownVoid[kWest][kSouth][kPique] = 1;
         g.TrumpGapFlag = 1;  // so he does not answer with a trump
       },
       kPique},
  };
  const std::vector<Card> hand =
      Join({SuitCards(kPique, {10, 9, 8}), SuitCards(kCoeur, {10, 9, 8}),
            SuitCards(kTrefle, {12, 10, 9, 8}), SuitCards(kCarreau, {13, 8}),
            testing::Trumps({21, 20, 19, 18, 17, 16})});
  for (const Case& c : cases) {
    Deal(kNorth, kWest, hand);
    game.FirstLeadPending[kWest] = 0;
    game.CardHolder[kTrefle][kQueen] = kPlayed;  // so the Cavalier waits for no Dame
    c.set(game);
    // A bare Cavalier of an unopened suit is kept too.
    const bool knight_kept = game.SuitOpening[kTrefle] != 0;
    std::vector<Card> expected;
    for (const Card& card : hand) {
      if (card.Suit != kCarreau && card.Suit != c.avoided &&
          !(knight_kept && card == Plain(kTrefle, kKnight))) {
        expected.push_back(card);
      }
    }
    std::sort(expected.begin(), expected.end(), [](const Card& a, const Card& b) {
      return a.Suit < b.Suit || (a.Suit == b.Suit && a.Value > b.Value);
    });
    EXPECT_EQ(Lead(1), expected) << c.name;
  }
}

}  // namespace
}  // namespace zarvane
