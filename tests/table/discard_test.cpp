#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

#include "core/deal.h"
#include "flow/discard.h"
#include "flow/moves.h"
#include "table/game.h"
#include "tests/support/cards.h"
#include "tests/support/deal_builder.h"
#include "tests/support/fake_table_view.h"
#include "tests/support/fixed_clock.h"

namespace zarvane {
namespace {

using testing::InHandOrder;
using testing::Join;
using testing::Plain;
using testing::SuitCards;
using testing::Trumps;

// Generator states spread over the whole range, one per run of a many-run test.
std::uint32_t Seed(int i) {
  return 2654435761u * static_cast<std::uint32_t>(i + 1);
}

// Of two suits, the first met in the walk r + 1, r + 2, ... from a drawn suit r.
int FirstReached(int r, int a, int b) {
  int suit = r % 4 + 1;
  while (suit != a && suit != b)
    suit = suit % 4 + 1;
  return suit;
}

std::multiset<int> NumberSet(const auto& cards) {
  std::multiset<int> numbers;
  for (const Card& card : cards)
    numbers.insert(CardNumber(card));
  return numbers;
}

bool InDog(const GameState& game, const Card& card) {
  return std::any_of(game.Dog.begin(), game.Dog.end(),
                     [&card](const Card& d) { return SameCard(d, card); });
}

std::vector<Card> InOrder(std::vector<Card> cards) {
  std::sort(cards.begin(), cards.end(), [](const Card& a, const Card& b) {
    return a.Suit != b.Suit ? a.Suit < b.Suit : a.Value > b.Value;
  });
  return cards;
}

struct DiscardTest : ::testing::Test {
  DiscardTest() {
    BuildCardTable(game.flow.state);
    for (int k = 1; k <= 78; ++k)
      game.flow.state.DealOrder[k] = k;
    game.flow.Language = 1;
  }

  std::vector<Card> HandAndDog(int seat) {
    std::vector<Card> cards(game.flow.state.Hands[seat].begin(), game.flow.state.Hands[seat].end());
    cards.insert(cards.end(), game.flow.state.Dog.begin(), game.flow.state.Dog.end());
    return cards;
  }

  // The play is about to start, as when the dog step has run.
  void Contract(int taker, int bid) {
    game.flow.state.Taker = taker;
    game.flow.state.AnnouncedBid.Fill(kPasse);
    game.flow.state.AnnouncedBid[taker] = bid;
    game.flow.state.DogWasShown = 1;
    game.flow.state.DiscardOrigin.Fill(-1);
    game.flow.state.TrickNumber = 1;
  }

  // The taker's 24 cards once he has the dog: the first 18 were dealt to him, the rest to it.
  void TakerHolds(int taker, const std::vector<Card>& cards) {
    testing::DealAround(game.flow.state, taker, {cards.begin(), cards.begin() + 18},
                        {cards.begin() + 18, cards.end()});
    Contract(taker, kPrise);
  }

  void DiscardFrom(const std::vector<Card>& cards, std::uint32_t state) {
    TakerHolds(kEast, cards);
    game.flow.state.random.GeneratorState = state;
    ComputerDiscard(game.flow.state);
  }

  testing::FakeTableView view;
  Game game{view, testing::SteppingClock(45'296'789)};
};

TEST_F(DiscardTest, MergingPutsTheDogIntoTheHandInHandOrder) {
  // The hand holds the Petit and the dog the Excuse, which still comes last of the trumps.
  TakerHolds(
      kEast,
      Join({Trumps({21, 9, 1}), SuitCards(kPique, {13, 5, 4}), SuitCards(kCoeur, {14, 12, 7, 6, 2}),
            SuitCards(kTrefle, {10, 3}), SuitCards(kCarreau, {11, 9, 8, 2, 1}), Trumps({0, 15}),
            SuitCards(kPique, {14, 8}), SuitCards(kCoeur, {13}), SuitCards(kTrefle, {1})}));
  const auto merged = MergeWithDog(game.flow.state, kEast);
  const auto expected = InOrder(HandAndDog(kEast));
  for (int k = 1; k <= 24; ++k)
    EXPECT_TRUE(SameCard(merged[k], expected[k - 1])) << "position " << k;
  EXPECT_TRUE(SameCard(merged[5], testing::Excuse()));

  for (int n = 0; n < 40; ++n) {
    DealUntilAccepted(game.flow.state, game.flow.clock);
    const auto seeded = MergeWithDog(game.flow.state, n % 4 + 1);
    EXPECT_TRUE(InHandOrder(seeded));
    EXPECT_EQ(NumberSet(seeded), NumberSet(HandAndDog(n % 4 + 1)));
  }
}

TEST_F(DiscardTest, TheShortSuitHasNoRoiAndNotBothDameAndCavalier) {
  // A lone PIQUE 7 goes first.
  const auto lone_seven = Join({SuitCards(kPique, {7}), SuitCards(kCoeur, {14, 10, 9, 2}),
                                SuitCards(kTrefle, {13, 5, 4}), SuitCards(kCarreau, {12, 8, 6, 3}),
                                Trumps({3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})});
  // COEUR is shortest but holds Dame and Cavalier: PIQUE is voided and fills the discard.
  const auto guarded = Join({SuitCards(kCoeur, {13, 12}), SuitCards(kPique, {9, 8, 7, 6, 5, 4}),
                             SuitCards(kTrefle, {14, 10, 9, 8, 7, 6, 5, 4}),
                             SuitCards(kCarreau, {14, 10, 9, 8, 7, 6, 5, 4})});
  // A lone Roi counts no card: COEUR is voided, not PIQUE.
  const auto lone_king =
      Join({SuitCards(kPique, {14}), SuitCards(kCoeur, {9, 8, 7}),
            SuitCards(kTrefle, {14, 10, 9, 8, 7, 6, 5, 4}),
            SuitCards(kCarreau, {14, 10, 9, 8, 7, 6, 5}), Trumps({2, 3, 4, 5, 6})});
  for (int i = 0; i < 40; ++i) {
    DiscardFrom(lone_seven, Seed(i));
    EXPECT_TRUE(SameCard(game.flow.state.Dog[1], Plain(kPique, 7))) << "seed " << i;
    DiscardFrom(guarded, Seed(i));
    EXPECT_EQ(NumberSet(game.flow.state.Dog), NumberSet(SuitCards(kPique, {9, 8, 7, 6, 5, 4})));
    DiscardFrom(lone_king, Seed(i));
    for (const Card& card : SuitCards(kCoeur, {9, 8, 7}))
      EXPECT_TRUE(InDog(game.flow.state, card)) << "seed " << i;
  }
}

TEST_F(DiscardTest, EqualCountsGoToTheFirstSuitReachedFromTheRandomStart) {
  // COEUR and CARREAU are equally short: the first reached is voided and fills the discard.
  const auto short_tie =
      Join({SuitCards(kPique, {14, 10, 9, 8, 7, 6}), SuitCards(kCoeur, {10, 9, 8, 7, 6, 5}),
            SuitCards(kTrefle, {14, 9, 8, 7, 6, 5}), SuitCards(kCarreau, {10, 9, 8, 7, 6, 5})});
  // COEUR and CARREAU are equally long: the first reached is spared by the random fill.
  const auto long_tie =
      Join({Trumps({2, 3, 4, 5, 6, 7}), SuitCards(kPique, {9, 8}),
            SuitCards(kCoeur, {14, 9, 8, 7, 6, 5}), SuitCards(kTrefle, {14, 10, 9, 8}),
            SuitCards(kCarreau, {14, 9, 8, 7, 6, 5})});
  std::set<int> firsts;
  for (int i = 0; i < 20; ++i) {
    Generator draws{Seed(i)};
    const int first = FirstReached(RandomUpTo(draws, 4), kCoeur, kCarreau);
    firsts.insert(first);
    DiscardFrom(short_tie, Seed(i));
    EXPECT_EQ(NumberSet(game.flow.state.Dog), NumberSet(SuitCards(first, {10, 9, 8, 7, 6, 5})));
    DiscardFrom(long_tie, Seed(i));
    for (const Card& card : game.flow.state.Dog)
      EXPECT_NE(card.Suit, first) << "seed " << i;
  }
  EXPECT_EQ(firsts.size(), 2u);
}

TEST_F(DiscardTest, AStrongTrumpHandVoidsASecondSuit) {
  // After PIQUE, COEUR (four cards, no Roi) is the only suit that fits in the discard.
  const auto rest =
      Join({SuitCards(kPique, {9, 8}), SuitCards(kCoeur, {7, 6, 5, 4}),
            SuitCards(kTrefle, {14, 10, 9, 8, 7}), SuitCards(kCarreau, {14, 10, 9, 8})});
  const auto both = NumberSet(Join({SuitCards(kPique, {9, 8}), SuitCards(kCoeur, {7, 6, 5, 4})}));
  for (int i = 0; i < 30; ++i) {
    DiscardFrom(Join({Trumps({2, 3, 4, 5, 6, 7, 8, 9, 10}), rest}), Seed(i));
    EXPECT_EQ(NumberSet(game.flow.state.Dog), both) << "nine trumps, seed " << i;
    DiscardFrom(Join({Trumps({21, 2, 3, 4, 5, 6, 7, 8, 0}), rest}), Seed(i));
    EXPECT_EQ(NumberSet(game.flow.state.Dog), both) << "eight trumps and two bouts, seed " << i;
  }
}

TEST_F(DiscardTest, EightTrumpsWithOneBoutVoidNoSecondSuit) {
  // The same hand with the Excuse as its only bout: after PIQUE the random fill takes the rest,
  // and it does not always fall on the four COEUR.
  const auto rest =
      Join({SuitCards(kPique, {9, 8}), SuitCards(kCoeur, {7, 6, 5, 4}),
            SuitCards(kTrefle, {14, 10, 9, 8, 7}), SuitCards(kCarreau, {14, 10, 9, 8})});
  const auto both = NumberSet(Join({SuitCards(kPique, {9, 8}), SuitCards(kCoeur, {7, 6, 5, 4})}));
  int other_discards = 0;
  for (int i = 0; i < 30; ++i) {
    DiscardFrom(Join({Trumps({2, 3, 4, 5, 6, 7, 8, 9, 0}), rest}), Seed(i));
    other_discards += NumberSet(game.flow.state.Dog) == both ? 0 : 1;
  }
  EXPECT_GT(other_discards, 0);
}

TEST_F(DiscardTest, AnEmptySuitQualifiesAsSecondVoidAndVoidsNothing) {
  // COEUR (empty) and CARREAU (four cards) qualify. When COEUR comes first the lone-honours
  // walk and the random fill are drawn too; when CARREAU does, the discard is already full.
  const auto cards =
      Join({Trumps({2, 3, 4, 5, 6, 7, 8, 9, 10}), SuitCards(kPique, {9, 8}),
            SuitCards(kCarreau, {10, 9, 8, 7}), SuitCards(kTrefle, {14, 10, 9, 8, 7, 6, 5, 4, 3})});
  std::set<int> firsts;
  for (int i = 0; i < 30; ++i) {
    Generator draws{Seed(i)};
    RandomUpTo(draws, 4);  // short and long suits
    const int first = FirstReached(RandomUpTo(draws, 4), kCoeur, kCarreau);
    firsts.insert(first);
    if (first == kCoeur) {
      RandomUpTo(draws, 4);   // lone honours
      RandomUpTo(draws, 24);  // random fill
    }
    for (int seat = 1; seat <= 4; ++seat)
      RandomUpTo(draws, 4);  // each seat's chosen suit at the start of play
    DiscardFrom(cards, Seed(i));
    EXPECT_EQ(NumberSet(game.flow.state.Dog),
              NumberSet(Join({SuitCards(kPique, {9, 8}), SuitCards(kCarreau, {10, 9, 8, 7})})));
    EXPECT_EQ(game.flow.state.random.GeneratorState, draws.GeneratorState) << "seed " << i;
  }
  EXPECT_EQ(firsts.size(), 2u);
}

TEST_F(DiscardTest, TheRandomFillSweepsDownwardsAndSparesTheLongSuit) {
  // CARREAU (six cards) is the long suit, not COEUR, whose Roi does not count. After PIQUE
  // the fill takes four cards going down from a drawn position, wrapping from 1 to 24.
  const auto cards =
      Join({Trumps({2, 3, 4, 5, 6, 7}), SuitCards(kPique, {9, 8}),
            SuitCards(kCoeur, {14, 9, 8, 7, 6, 5}), SuitCards(kTrefle, {14, 10, 9, 8}),
            SuitCards(kCarreau, {10, 9, 8, 7, 6, 5})});
  const auto merged = InOrder(cards);
  for (int i = 0; i < 60; ++i) {
    Generator draws{Seed(i)};
    RandomUpTo(draws, 4);  // short and long suits
    RandomUpTo(draws, 4);  // lone honours
    auto expected = NumberSet(SuitCards(kPique, {9, 8}));
    for (int p = RandomUpTo(draws, 24); expected.size() < 6; p = p == 1 ? 24 : p - 1) {
      const Card& card = merged[p - 1];
      if ((card.Suit == kCoeur || card.Suit == kTrefle) && card.Value != kKing)
        expected.insert(CardNumber(card));
    }
    DiscardFrom(cards, Seed(i));
    EXPECT_EQ(NumberSet(game.flow.state.Dog), expected) << "seed " << i;
  }
}

TEST_F(DiscardTest, LoneHonoursGoToTheDiscardAtTheirOdds) {
  // The honour is in the long suit, which the fill never touches, and no other suit matches
  // a rule: its draw, if any, is the third of the discard.
  struct Odds {
    int honour;
    bool with_excuse;
    int below;     // discarded when the draw is below this
    int at_least;  // or at least this; no draw when both are 0
    double share;
  };
  for (const Odds odds : {Odds{13, false, 0, 0, 1.0}, Odds{13, true, 0, 10, 0.91},
                          Odds{12, false, 90, 0, 0.89}, Odds{11, false, 70, 0, 0.69}}) {
    const auto cards =
        Join({SuitCards(kPique, {9, 8}), SuitCards(kCoeur, {odds.honour, 9, 8, 7, 6, 5, 4, 3}),
              SuitCards(kTrefle, {14, 10, 9, 8, 7, 6}), SuitCards(kCarreau, {14, 10, 9, 8, 7}),
              Trumps({2, 3, odds.with_excuse ? 0 : 4})});
    int discarded = 0;
    constexpr int kRuns = 3000;
    for (int i = 0; i < kRuns; ++i) {
      Generator draws{Seed(i)};
      RandomUpTo(draws, 4);  // short and long suits
      RandomUpTo(draws, 4);  // lone honours
      bool expected = true;
      if (odds.below != 0 || odds.at_least != 0) {
        const int draw = RandomUpTo(draws, 100);
        expected = odds.below != 0 ? draw < odds.below : draw >= odds.at_least;
      }
      RandomUpTo(draws, 24);  // random fill
      for (int seat = 1; seat <= 4; ++seat)
        RandomUpTo(draws, 4);  // each seat's chosen suit at the start of play
      DiscardFrom(cards, Seed(i));
      const bool in_dog = InDog(game.flow.state, Plain(kCoeur, odds.honour));
      EXPECT_EQ(in_dog, expected) << "honour " << odds.honour << " seed " << i;
      EXPECT_EQ(game.flow.state.random.GeneratorState, draws.GeneratorState);
      discarded += in_dog ? 1 : 0;
    }
    EXPECT_NEAR(static_cast<double>(discarded) / kRuns, odds.share, 0.03) << odds.honour;
  }
}

TEST_F(DiscardTest, SeededComputerDiscardsKeepEveryRule) {
  for (int n = 0; n < 300; ++n) {
    DealUntilAccepted(game.flow.state, game.flow.clock);
    const int taker = n % 4 + 1;
    Contract(taker, n % 2 == 0 ? kPrise : kGarde);
    const auto before = NumberSet(HandAndDog(taker));

    ComputerDiscard(game.flow.state);

    EXPECT_EQ(game.flow.state.DiscardCount, 6);
    EXPECT_EQ(std::count(game.flow.state.KeepFlags.begin(), game.flow.state.KeepFlags.end(), 0), 6);
    EXPECT_TRUE(InHandOrder(game.flow.state.Hands[taker]));
    EXPECT_TRUE(InHandOrder(game.flow.state.Dog));
    EXPECT_EQ(NumberSet(HandAndDog(taker)), before);
    EXPECT_TRUE(testing::WholePackInPlay(game.flow.state)) << "deal " << n;
    for (const Card& card : game.flow.state.Hands[taker])
      EXPECT_EQ(card.InHand, 1);
    for (int k = 1; k <= 6; ++k) {
      const Card& card = game.flow.state.Dog[k];
      EXPECT_TRUE(IsDiscardable(card)) << "deal " << n;
      auto same = [&card](const Card& c) { return SameCard(c, card); };
      EXPECT_EQ(std::count_if(game.flow.state.InitialHands[taker].begin(),
                              game.flow.state.InitialHands[taker].end(), same) +
                    std::count_if(game.flow.state.InitialDog.begin(),
                                  game.flow.state.InitialDog.end(), same),
                1);
      const int origin = game.flow.state.DiscardOrigin[k];
      ASSERT_TRUE(origin >= 1 && origin <= 24) << "deal " << n;
      EXPECT_TRUE(SameCard(origin <= 18 ? game.flow.state.InitialHands[taker][origin]
                                        : game.flow.state.InitialDog[origin - 18],
                           card));
    }
  }
}

TEST_F(DiscardTest, AComputerTakerDiscardsAtOnce) {
  DealUntilAccepted(game.flow.state, game.flow.clock);
  Contract(kWest, kGarde);
  game.flow.state.DealPhase = Phase::DogShown;
  for (int i = 1; i <= 6; ++i)
    view.SetVisible(Control::CarteChien, i, true);

  BeginDiscard(game.flow);

  EXPECT_EQ(game.flow.state.DealPhase, Phase::Playing);
  for (int i = 1; i <= 6; ++i)
    EXPECT_FALSE(view.Visible(Control::CarteChien, i));
  for (const Card& card : game.flow.state.Dog)
    EXPECT_EQ(game.flow.state.CardStatus[kWest][card.Suit][card.Value],
              kPlayed);  // the play is prepared
  EXPECT_NE(game.flow.state.DiscardOrigin[1], -1);
  EXPECT_FALSE(view.Visible(Control::Carte3D, 19));
}

struct HumanDiscardTest : DiscardTest {
  HumanDiscardTest() {
    // South's 24 cards, merged: 21 15 10 7* 5 Exc | P14 P12 P10* P9 P3 | C14* C13 C8 C2 |
    // T14 T9* T7 T6 | K13* K11 K4 K2* K1, the starred ones from the dog.
    TakerHolds(kSouth, Join({Trumps({21, 15, 10, 5, 0}), SuitCards(kPique, {14, 12, 9, 3}),
                             SuitCards(kCoeur, {13, 8, 2}), SuitCards(kTrefle, {14, 7, 6}),
                             SuitCards(kCarreau, {11, 4, 1}), Trumps({7}), SuitCards(kPique, {10}),
                             SuitCards(kCoeur, {14}), SuitCards(kTrefle, {9}),
                             SuitCards(kCarreau, {13, 2})}));
    game.flow.state.DealPhase = Phase::DogShown;
  }

  int Top(int k) { return view.Get(Control::Carte3D, k).top; }
  bool PanelShown() { return view.Visible(Control::PanelConfirmeEcart); }
  Card Shown(int k) { return *view.Get(Control::Carte3D, k).card; }
};

TEST_F(HumanDiscardTest, SouthSeesHisTwentyFourCardsInOneRow) {
  Generator jitter = game.flow.state.random;
  BeginDiscard(game.flow);

  EXPECT_EQ(game.flow.state.DealPhase, Phase::Discard);
  EXPECT_EQ(view.Text(Control::info), "Cliquez sur 6 cartes pour constituer l'écart");
  const auto merged = MergeWithDog(game.flow.state, kSouth);
  std::set<int> sources;
  for (int k = 1; k <= 24; ++k) {
    const auto& image = view.Get(Control::Carte3D, k);
    EXPECT_TRUE(image.visible);
    EXPECT_EQ(image.left, game.table.layout.HandLeft + (k - 1) * game.table.layout.DiscardStep);
    EXPECT_EQ(image.top, game.table.layout.HandTop - RandomUpTo(jitter, 3)) << "image " << k;
    EXPECT_TRUE(SameCard(Shown(k), merged[k]));
    const bool refused = Shown(k).Suit == kAtout || Shown(k).Value == kKing;
    EXPECT_EQ(image.pointer, refused ? Pointer::NoEntry : Pointer::HandPoint) << "image " << k;
    const int source = game.flow.DiscardImageMap[k];
    sources.insert(source);
    EXPECT_TRUE(SameCard(
        source <= 18 ? game.flow.state.Hands[kSouth][source] : game.flow.state.Dog[source - 18],
        Shown(k)));
  }
  EXPECT_EQ(sources.size(), 24u);
  EXPECT_EQ(game.flow.DiscardImageMap[4], 19);  // the dog's trump 7

  game.flow.Language = 2;
  StartHumanDiscard(game.flow);
  EXPECT_EQ(view.Text(Control::info), "Click on 6 cards to make the discard");
}

TEST_F(HumanDiscardTest, TheConfirmationShowsOnlyWithSixCardsChosen) {
  BeginDiscard(game.flow);
  const int base = Top(8);
  for (int k : {8, 9, 10, 11, 14}) {
    Apply(game.flow, Move{MoveKind::DiscardCard, k});
    EXPECT_FALSE(PanelShown());
  }
  EXPECT_EQ(Top(8), base - game.table.layout.SelectLift);
  Apply(game.flow, Move{MoveKind::DiscardCard, 15});
  EXPECT_TRUE(PanelShown());

  // One taken back: the panel goes and the card comes down. A Roi, a trump or the Excuse
  // then does nothing.
  const int lifted = Top(15);
  Apply(game.flow, Move{MoveKind::DiscardCard, 15});
  EXPECT_FALSE(PanelShown());
  EXPECT_EQ(Top(15), lifted + game.table.layout.SelectLift);
  for (int k : {7, 1, 6}) {
    const int top = Top(k);
    Apply(game.flow, Move{MoveKind::DiscardCard, k});
    EXPECT_EQ(game.flow.state.DiscardCount, 5);
    EXPECT_EQ(Top(k), top);
    EXPECT_FALSE(PanelShown());
  }

  // With six chosen, a seventh card stays down; it and a Roi show the panel again.
  Apply(game.flow, Move{MoveKind::DiscardCard, 23});
  for (int k : {24, 12}) {
    view.SetVisible(Control::PanelConfirmeEcart, 0, false);
    const int top = Top(k);
    Apply(game.flow, Move{MoveKind::DiscardCard, k});
    EXPECT_EQ(game.flow.state.DiscardCount, 6);
    EXPECT_EQ(Top(k), top);
    EXPECT_TRUE(PanelShown());
  }
}

TEST_F(HumanDiscardTest, ConfirmingWritesTheDiscardAndSouthsSortedHand) {
  BeginDiscard(game.flow);
  for (int k : {8, 9, 10, 11, 14, 23})  // P12, P10*, P9, P3, C8, K2*
    Apply(game.flow, Move{MoveKind::DiscardCard, k});
  Apply(game.flow, Move{MoveKind::ConfirmDiscard});

  EXPECT_FALSE(PanelShown());
  EXPECT_EQ(game.flow.state.DealPhase, Phase::Playing);
  const auto chosen =
      Join({SuitCards(kPique, {12, 10, 9, 3}), SuitCards(kCoeur, {8}), SuitCards(kCarreau, {2})});
  for (int k = 1; k <= 6; ++k)
    EXPECT_TRUE(SameCard(game.flow.state.Dog[k], chosen[k - 1])) << "dog " << k;
  const auto kept =
      Join({Trumps({21, 15, 10, 7, 5, 0}), SuitCards(kPique, {14}), SuitCards(kCoeur, {14, 13, 2}),
            SuitCards(kTrefle, {14, 9, 7, 6}), SuitCards(kCarreau, {13, 11, 4, 1})});
  for (int slot = 1; slot <= 18; ++slot) {
    EXPECT_TRUE(SameCard(game.flow.state.Hands[kSouth][slot], kept[slot - 1])) << "slot " << slot;
    EXPECT_EQ(game.flow.state.Hands[kSouth][slot].InHand, 1);
    EXPECT_TRUE(SameCard(Shown(slot), kept[slot - 1]));
    EXPECT_EQ(view.Get(Control::Carte3D, slot).left,
              game.table.layout.HandLeft + (slot - 1) * game.table.layout.CardStep);
  }
  for (int k = 1; k <= 24; ++k)
    EXPECT_EQ(view.Visible(Control::Carte3D, k), k <= 18) << "image " << k;
  // P10 was dog card 2 and K2 dog card 6; the others come from South's dealt hand.
  EXPECT_EQ(game.flow.state.DiscardOrigin[2], 20);
  EXPECT_EQ(game.flow.state.DiscardOrigin[6], 24);
  for (int k : {1, 3, 4, 5})
    EXPECT_TRUE(SameCard(game.flow.state.InitialHands[kSouth][game.flow.state.DiscardOrigin[k]],
                         game.flow.state.Dog[k]));
  for (const Card& card : game.flow.state.Dog)
    EXPECT_EQ(game.flow.state.CardStatus[kSouth][card.Suit][card.Value],
              kPlayed);  // the play is prepared

  // The count stays at six once the discard is made: a second confirmation changes nothing.
  const auto hands = game.flow.state.Hands;
  const auto dog = game.flow.state.Dog;
  Apply(game.flow, Move{MoveKind::ConfirmDiscard});
  EXPECT_EQ(game.flow.state.Hands, hands);
  EXPECT_EQ(game.flow.state.Dog, dog);
}

}  // namespace
}  // namespace zarvane
