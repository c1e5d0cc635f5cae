#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cards.h"
#include "core/deal.h"
#include "core/play_preparation.h"
#include "flow/discard.h"
#include "table/deductions_panel.h"
#include "table/game.h"
#include "tests/support/cards.h"
#include "tests/support/deal_builder.h"
#include "tests/support/every_turn.h"
#include "tests/support/fake_table_view.h"
#include "tests/support/fixed_clock.h"

namespace zarvane {
namespace {

using testing::Excuse;
using testing::FakeTableView;
using testing::Join;
using testing::Plain;
using testing::SteppingClock;
using testing::SuitCards;
using testing::Trumps;

struct PreparePlayTest : ::testing::Test {
  PreparePlayTest() {
    BuildCardTable(game.flow.state);
    for (int k = 1; k <= 78; ++k)
      game.flow.state.DealOrder[k] = k;
    game.flow.Language = 1;
  }

  void Contract(int taker, int bid) {
    game.flow.state.Taker = taker;
    game.flow.state.AnnouncedBid.Fill(kPasse);
    game.flow.state.AnnouncedBid[taker] = bid;
    game.flow.state.DogWasShown = bid == kPrise || bid == kGarde ? 1 : 0;
    game.flow.state.DiscardOrigin.Fill(-1);
    game.flow.state.TrickNumber = 1;
  }

  void Arrange(int taker, int bid, const std::vector<Card>& hand, const std::vector<Card>& dog) {
    testing::DealAround(game.flow.state, taker, hand, dog);
    Contract(taker, bid);
  }

  // What an observer has excluded for a card, whatever its suit.
  int MayHold(int observer, int holder, const Card& card) {
    return card.Suit == kAtout
               ? game.flow.state.MayHoldTrump[observer][holder][card.Value]
               : game.flow.state.MayHoldCard[observer][holder][card.Suit][card.Value];
  }
  int Status(int observer, const Card& card) {
    return card.Suit == kAtout ? game.flow.state.TrumpStatus[observer][card.Value]
                               : game.flow.state.CardStatus[observer][card.Suit][card.Value];
  }
  int CountStatus(int observer, int status) {
    int count = 0;
    for (const auto& suit : game.flow.state.CardStatus[observer]) {
      for (int s : suit)
        count += s == status ? 1 : 0;
    }
    for (int s : game.flow.state.TrumpStatus[observer])
      count += s == status ? 1 : 0;
    return count;
  }

  // Marks trumps the observer does not hold as played in his view, as trick play would.
  void SeeTrumpsPlayed(int observer, int how_many) {
    for (int v = 21; v >= 1 && how_many > 0; --v) {
      if (game.flow.state.TrumpStatus[observer][v] == -1) {
        game.flow.state.TrumpStatus[observer][v] = kPlayed;
        --how_many;
      }
    }
  }

  FakeTableView view;
  Game game{view, SteppingClock(30'123'456)};
};

// East takes with PRISE: the dog shows two trumps, the Excuse and the COEUR Roi, which he
// must keep.
struct PriseTest : PreparePlayTest {
  PriseTest() {
    Arrange(kEast, kPrise,
            Join({Trumps({20, 18, 12, 9, 4}), SuitCards(kPique, {13, 10, 7, 2}),
                  SuitCards(kCoeur, {9, 5, 3}), SuitCards(kTrefle, {12, 8, 6}),
                  SuitCards(kCarreau, {10, 7, 3})}),
            Join({Trumps({16, 6, 0}), SuitCards(kCoeur, {14}), SuitCards(kTrefle, {2}),
                  SuitCards(kCarreau, {9})}));
    ComputerDiscard(game.flow.state);
  }
};

TEST_F(PriseTest, TheTakerKnowsHisDiscardAsOutOfPlay) {
  EXPECT_EQ(game.flow.state.DiscardKnown[kEast], 1);
  PerSuit<int> discarded{};
  for (const Card& card : game.flow.state.Dog) {
    ++discarded[card.Suit];
    EXPECT_EQ(game.flow.state.CardStatus[kEast][card.Suit][card.Value], kPlayed);
    for (int j : {kSouth, kNorth, kWest})
      EXPECT_EQ(game.flow.state.MayHoldCard[kEast][j][card.Suit][card.Value], 0);
  }
  for (int s = kPique; s <= kCarreau; ++s) {
    const int own = game.flow.state.SuitCount[kEast][s];
    EXPECT_EQ(game.flow.state.OutsideSuitCount[kEast][s], 14 - own - discarded[s]);
    EXPECT_EQ(game.flow.state.UnplacedSuitCount[kEast][s], 14 - own - discarded[s]);
  }
  EXPECT_EQ(game.flow.state.UnplacedTrumpCount[kEast], 21 - game.flow.state.TrumpCount[kEast]);
  EXPECT_EQ(game.flow.state.DogTrumpCount, 2);
  EXPECT_EQ(game.flow.state.DogKing[kCoeur], 1);
  EXPECT_EQ(game.flow.state.DogKing[kPique] + game.flow.state.DogKing[kTrefle] +
                game.flow.state.DogKing[kCarreau],
            0);
}

TEST_F(PriseTest, DefendersExcludeEachOtherForTheShownDog) {
  for (int i : {kSouth, kNorth, kWest}) {
    EXPECT_EQ(game.flow.state.DiscardKnown[i], 0);
    EXPECT_EQ(CountStatus(i, kPlayed), 0);
    for (const Card& card : game.flow.state.InitialDog) {
      for (int j : {kSouth, kNorth, kWest})
        EXPECT_EQ(MayHold(i, j, card), 0) << "observer " << i << " holder " << j;
      EXPECT_NE(MayHold(i, kEast, card), 0);
    }
    EXPECT_EQ(game.flow.state.TrumpStatus[i][16], -1);
    EXPECT_EQ(game.flow.state.TrumpStatus[i][6], -1);
  }
}

TEST_F(PriseTest, AKeptDogCardGoesToTheTakerOnceTheDefenderKnowsTheDiscard) {
  const Card king = Plain(kCoeur, 14);
  for (int i : {kSouth, kNorth, kWest})
    EXPECT_EQ(Status(i, king), -1);

  SeeTrumpsPlayed(kNorth, 5);
  DeduceCardLocations(game.flow.state);
  EXPECT_EQ(game.flow.state.DiscardKnown[kNorth], 0);
  EXPECT_EQ(Status(kNorth, king), -1);

  SeeTrumpsPlayed(kNorth, 1);
  DeduceCardLocations(game.flow.state);
  EXPECT_EQ(game.flow.state.DiscardKnown[kNorth], 1);
  EXPECT_EQ(Status(kNorth, king), kEast);
  for (int h : {kSouth, kNorth, kWest})
    EXPECT_EQ(MayHold(kNorth, h, king), 0);
  // The other defenders have not seen six cards go yet.
  EXPECT_EQ(Status(kWest, king), -1);
}

TEST_F(PreparePlayTest, NobodyKnowsAnUntouchedDog) {
  for (int n = 0; n < 20; ++n) {
    DealUntilAccepted(game.flow.state, game.flow.clock);
    Contract(n % 4 + 1, n % 2 == 0 ? kGardeContre : kGardeSans);
    const Table<Card, 1, 6> dealt_dog = game.flow.state.Dog;

    PreparePlay(game.flow.state);

    EXPECT_EQ(game.flow.state.Dog, dealt_dog);
    EXPECT_EQ(game.flow.state.DogTrumpCount, -1);
    for (int s = kPique; s <= kCarreau; ++s)
      EXPECT_EQ(game.flow.state.DogKing[s], 0);
    for (int o = 1; o <= 4; ++o) {
      EXPECT_EQ(game.flow.state.DiscardKnown[o], 0);
      EXPECT_EQ(CountStatus(o, kPlayed), 0);
      for (const Card& card : game.flow.state.Dog)
        EXPECT_EQ(Status(o, card), -1) << "observer " << o << " deal " << n;
    }
    for (const Card& card : game.flow.state.Dog) {
      if (card.Suit != kAtout) {
        EXPECT_EQ(game.flow.state.CardHolder[card.Suit][card.Value], 0);
      } else if (card.Value >= 2) {
        EXPECT_EQ(game.flow.state.TrumpHolder[card.Value], 0);
      }
    }
  }
}

TEST_F(PreparePlayTest, ThePetitAndTheExcuseAreFoundWhereverTheyAre) {
  const auto north = Join({Trumps({21, 17, 11, 5}), SuitCards(kPique, {14, 9, 3}),
                           SuitCards(kCoeur, {12, 7, 4, 1}), SuitCards(kTrefle, {13, 8, 2}),
                           SuitCards(kCarreau, {10, 6, 5, 4})});
  Arrange(kNorth, kGardeSans, north,
          Join({Trumps({1, 0}), SuitCards(kPique, {5}), SuitCards(kCoeur, {3}),
                SuitCards(kTrefle, {3}), SuitCards(kCarreau, {3})}));
  PreparePlay(game.flow.state);
  EXPECT_EQ(game.flow.state.PetitHolder, -1);
  EXPECT_EQ(game.flow.state.PetitSlot, -1);
  EXPECT_EQ(game.flow.state.ExcuseHolder, -1);
  EXPECT_EQ(game.flow.state.ExcuseSlot, -1);

  Arrange(kNorth, kGardeContre, north,
          Join({Trumps({2, 3}), SuitCards(kPique, {5}), SuitCards(kCoeur, {3}),
                SuitCards(kTrefle, {3}), SuitCards(kCarreau, {3})}));
  PreparePlay(game.flow.state);
  ASSERT_GE(game.flow.state.PetitHolder, 1);
  ASSERT_GE(game.flow.state.ExcuseHolder, 1);
  EXPECT_NE(game.flow.state.PetitHolder, kNorth);
  EXPECT_TRUE(
      IsPetit(game.flow.state.Hands[game.flow.state.PetitHolder][game.flow.state.PetitSlot]));
  EXPECT_TRUE(
      IsExcuse(game.flow.state.Hands[game.flow.state.ExcuseHolder][game.flow.state.ExcuseSlot]));
}

TEST_F(PreparePlayTest, EachSeatKnowsItsOwnVoidsAndLackOfTrumps) {
  // West holds the Excuse but no trump, and no COEUR.
  Arrange(kWest, kGardeSans,
          Join({{Excuse()},
                SuitCards(kPique, {12, 11, 10, 9, 8, 7, 6, 5, 4}),
                SuitCards(kTrefle, {11, 10, 9}),
                SuitCards(kCarreau, {14, 13, 12, 11, 10})}),
          Join({Trumps({21, 20}), SuitCards(kCoeur, {1, 2, 3, 4})}));
  Contract(kEast, kGardeSans);

  PreparePlay(game.flow.state);

  EXPECT_EQ(game.flow.state.TrumpCount[kWest], 0);
  EXPECT_EQ(game.flow.state.InitialTrumpCount[kWest], 0);
  EXPECT_EQ(game.flow.state.OutsideTrumpCount[kWest], 21);
  EXPECT_EQ(game.flow.state.KnownNoTrump[kWest][kWest], 1);
  for (int o : {kSouth, kEast, kNorth})
    EXPECT_EQ(game.flow.state.KnownNoTrump[o][kWest], 0);
  EXPECT_EQ(game.flow.state.KnownVoid[kWest][kWest][kCoeur], 1);
  EXPECT_EQ(game.flow.state.KnownVoid[kWest][kWest][kPique], 0);
  EXPECT_EQ(game.flow.state.KnownVoid[kSouth][kWest][kCoeur], 0);
  for (int v = 1; v <= 21; ++v)
    EXPECT_EQ(game.flow.state.OutsideTrump[kWest][v], 1);
  for (int seat = 1; seat <= 4; ++seat) {
    int trumps = 0;
    for (const Card& card : game.flow.state.Hands[seat])
      trumps += IsTrump(card) ? 1 : 0;
    EXPECT_EQ(game.flow.state.KnownNoTrump[seat][seat], trumps == 0 ? 1 : 0);
    EXPECT_EQ(game.flow.state.OutsideTrumpCount[seat], 21 - trumps);
  }
}

TEST_F(PreparePlayTest, TheLastPossibleHolderIsDeducedAndACardNobodyCanHoldIsSetAside) {
  DealUntilAccepted(game.flow.state, game.flow.clock);
  Contract(kNorth, kGardeContre);
  PreparePlay(game.flow.state);
  // Two plain cards of the untouched dog, unknown to South.
  std::vector<Card> plain;
  for (const Card& card : game.flow.state.Dog) {
    if (card.Suit != kAtout)
      plain.push_back(card);
  }
  ASSERT_GE(plain.size(), 2u);
  const Card first = plain[0];
  const Card second = plain[1];
  ASSERT_EQ(Status(kSouth, first), -1);

  // All three others excluded: set aside, even before South knows the discard.
  const int unplaced = game.flow.state.UnplacedSuitCount[kSouth][first.Suit];
  for (int h : {kEast, kNorth, kWest})
    game.flow.state.MayHoldCard[kSouth][h][first.Suit][first.Value] = 0;
  DeduceCardLocations(game.flow.state);
  EXPECT_EQ(Status(kSouth, first), kSetAside);
  for (int h = 1; h <= 4; ++h)
    EXPECT_EQ(MayHold(kSouth, h, first), 0);
  EXPECT_EQ(game.flow.state.UnplacedSuitCount[kSouth][first.Suit], unplaced - 1);

  // Two excluded: the third seat holds it, but only once South knows the discard.
  game.flow.state.MayHoldCard[kSouth][kEast][second.Suit][second.Value] = 0;
  game.flow.state.MayHoldCard[kSouth][kNorth][second.Suit][second.Value] = 0;
  DeduceCardLocations(game.flow.state);
  EXPECT_EQ(Status(kSouth, second), -1);
  game.flow.state.DiscardKnown[kSouth] = 1;
  DeduceCardLocations(game.flow.state);
  EXPECT_EQ(Status(kSouth, second), kWest);
  EXPECT_NE(MayHold(kSouth, kWest, second), 0);
  for (int h : {kSouth, kEast, kNorth})
    EXPECT_EQ(MayHold(kSouth, h, second), 0);
}

TEST_F(PreparePlayTest, ACardNobodyCanHoldIsSetAsideInEverySuit) {
  DealUntilAccepted(game.flow.state, game.flow.clock);
  Contract(kNorth, kGardeContre);
  PreparePlay(game.flow.state);
  for (int s = kPique; s <= kCarreau; ++s) {
    SCOPED_TRACE(s);
    int value = 1;
    while (game.flow.state.CardStatus[kSouth][s][value] != -1)
      ++value;
    ASSERT_LE(value, 14);
    for (int h : {kEast, kNorth, kWest})
      game.flow.state.MayHoldCard[kSouth][h][s][value] = 0;
    DeduceCardLocations(game.flow.state);
    EXPECT_EQ(game.flow.state.CardStatus[kSouth][s][value], kSetAside);
  }
}

// The longest suits of a seat, in the walk that starts at suit `start`.
int FirstLongestFrom(const GameState& game, int seat, int start) {
  int best = -1;
  for (int n = 0, suit = start; n < 4; ++n, suit = suit % 4 + 1) {
    if (best == -1 || game.InitialSuitCount[seat][suit] > game.InitialSuitCount[seat][best])
      best = suit;
  }
  return best;
}

TEST_F(PreparePlayTest, StartValuesFollowTheHandsOfSeededDeals) {
  bool tie_seen = false;
  for (int n = 0; n < 60; ++n) {
    DealUntilAccepted(game.flow.state, game.flow.clock);
    Contract(n % 4 + 1, n % 3 == 0 ? kGardeContre : kPrise);
    // After a computer discard the preparation runs once more from a known state, to
    // follow its draws.
    if (game.flow.state.DogWasShown == 1)
      ComputerDiscard(game.flow.state);
    Generator draws = game.flow.state.random;
    PreparePlay(game.flow.state);

    for (int seat = 1; seat <= 4; ++seat) {
      int counts[5] = {0, 0, 0, 0, 0};
      Table<std::int8_t, 1, 21> outside_trumps{};
      outside_trumps.Fill(1);
      for (int slot = 1; slot <= 18; ++slot) {
        const Card& card = game.flow.state.Hands[seat][slot];
        if (IsTrump(card) && card.Value >= 2) {
          EXPECT_EQ(game.flow.state.TrumpHolder[card.Value], seat);
          EXPECT_EQ(game.flow.state.TrumpSlot[card.Value], slot);
        } else if (card.Suit != kAtout) {
          EXPECT_EQ(game.flow.state.CardHolder[card.Suit][card.Value], seat);
          EXPECT_EQ(game.flow.state.CardSlot[card.Suit][card.Value], slot);
          EXPECT_EQ(game.flow.state.OutsideCard[seat][card.Suit][card.Value], 0);
          EXPECT_EQ(game.flow.state.CardStatus[seat][card.Suit][card.Value], seat);
        }
        if (IsTrump(card))
          outside_trumps[card.Value] = 0;
        ++counts[card.Suit];
      }
      EXPECT_EQ(game.flow.state.OutsideTrump[seat], outside_trumps);
      for (int s = kPique; s <= kCarreau; ++s) {
        EXPECT_EQ(game.flow.state.SuitCount[seat][s], counts[s]);
        EXPECT_EQ(game.flow.state.InitialSuitCount[seat][s], counts[s]);
        EXPECT_EQ(game.flow.state.KnownVoid[seat][seat][s], counts[s] == 0 ? 1 : 0);
        if (seat != game.flow.state.Taker || game.flow.state.DogWasShown == 0) {
          EXPECT_EQ(game.flow.state.OutsideSuitCount[seat][s], 14 - counts[s]);
        }
      }
      const int start = RandomUpTo(draws, 4);
      EXPECT_EQ(game.flow.state.ChosenSuit[seat], FirstLongestFrom(game.flow.state, seat, start));
      int longest = 0;
      for (int s = kPique; s <= kCarreau; ++s)
        longest += counts[s] == counts[game.flow.state.ChosenSuit[seat]] ? 1 : 0;
      tie_seen = tie_seen || longest > 1;
      EXPECT_EQ(game.flow.state.TopTrump[seat], 21);
    }
    for (const Card& card : game.flow.state.Dog) {
      if (card.Suit != kAtout) {
        EXPECT_EQ(game.flow.state.CardHolder[card.Suit][card.Value], 0);
      }
    }
    for (int s = kPique; s <= kCarreau; ++s)
      EXPECT_EQ(game.flow.state.MasterCard[s], 14);
    RefreshDeductions(game);
    EXPECT_EQ(view.Text(Control::PanelAtoutMax), "21");
  }
  EXPECT_TRUE(tie_seen);
}

TEST_F(PreparePlayTest, NothingOfTheLastDealSurvives) {
  DealUntilAccepted(game.flow.state, game.flow.clock);
  Contract(kWest, kGardeContre);
  // What the end of a deal leaves behind: every card played in every view, and the rest.
  for (int o = 1; o <= 4; ++o) {
    game.flow.state.TrumpStatus[o].Fill(kPlayed);
    for (auto& suit : game.flow.state.CardStatus[o])
      suit.Fill(kPlayed);
  }
  game.flow.state.DiscardKnown.Fill(1);
  game.flow.state.TakerLastLedSuit = kTrefle;
  game.flow.state.TrumpPlayed.Fill(1);
  game.flow.state.MasterCard.Fill(-1);
  game.flow.state.FirstLeadPending.Fill(0);
  game.flow.state.TakerLedSuitOrder.Fill(2);
  game.flow.state.TakerPetitCut = 0;
  game.flow.state.KnightFellOnKing = 1;
  game.flow.state.PlayReason[kNorth][5] = PlayReasonEntry{3, 12, 2};
  game.flow.state.RuleState.Fill(1);
  game.flow.state.RuleState[16] = 0;

  PreparePlay(game.flow.state);

  for (int o = 1; o <= 4; ++o) {
    EXPECT_EQ(CountStatus(o, kPlayed), 0);
    EXPECT_EQ(game.flow.state.DiscardKnown[o], 0);
    EXPECT_EQ(game.flow.state.TopTrump[o], 21);
    EXPECT_EQ(game.flow.state.FirstLeadPending[o], 1);
    EXPECT_EQ(game.flow.state.MasterCard[o], 14);
    EXPECT_EQ(game.flow.state.TakerLedSuitOrder[o], -1);
  }
  RefreshDeductions(game);
  EXPECT_EQ(view.Text(Control::PanelAtoutMax), "21");
  EXPECT_EQ(game.flow.state.TakerLastLedSuit, -1);
  EXPECT_EQ(game.flow.state.TrumpPlayed, (Table<std::int8_t, 1, 21>{}));
  EXPECT_EQ(game.flow.state.TakerPetitCut, -1);
  EXPECT_EQ(game.flow.state.KnightFellOnKing, 0);
  EXPECT_EQ(game.flow.state.PlayReason[kNorth][5].Code, -1);
  EXPECT_EQ(game.flow.state.PlayReason[kNorth][5].Arg1, -1);
  // The strategy's switches are the start-up's business, not the deal's.
  EXPECT_EQ(game.flow.state.RuleState[16], 0);
}

TEST_F(PreparePlayTest, ABareKingOfTheTakerIsNoted) {
  Arrange(kNorth, kGardeSans,
          Join({Trumps({21, 19, 17, 15, 13, 11, 9, 7}), SuitCards(kPique, {14}),
                SuitCards(kCoeur, {14, 3}), SuitCards(kCarreau, {13, 9, 8, 7, 6, 5, 4})}),
          Join({SuitCards(kTrefle, {14, 13}), SuitCards(kPique, {2, 3}), Trumps({2, 4})}));
  PreparePlay(game.flow.state);
  EXPECT_EQ(game.flow.state.TakerBareKing[kPique], 1);
  EXPECT_EQ(game.flow.state.TakerBareKing[kCoeur], 0);
  EXPECT_EQ(game.flow.state.TakerBareKing[kTrefle], 0);
  EXPECT_EQ(game.flow.state.TakerBareKing[kCarreau], 0);
}

struct PetitHuntCase {
  const char* name;
  int taker;
  std::vector<Card> hand;
  int expected;
};

// Eight top trumps 21..14 are worth 5 + 6 x 2 + 1 = 18; honours count Valet 1, Cavalier 2,
// Dame 3, Roi 5 and one per card of the long suit beyond five.
std::vector<PetitHuntCase> PetitHuntCases() {
  const auto small = Join({SuitCards(kCoeur, {9, 8}), SuitCards(kTrefle, {7, 6})});
  const auto eight_top = Trumps({21, 20, 19, 18, 17, 16, 15, 14});
  const auto ten_trumps = Trumps({20, 19, 18, 17, 16, 15, 14, 13, 12, 11});
  const auto low_spades = SuitCards(kPique, {9, 8, 7, 6, 5});
  const auto tail = Join({SuitCards(kCoeur, {3, 2}), SuitCards(kTrefle, {4})});
  return {
      {"ten trumps", kEast, Join({ten_trumps, low_spades, tail}), 1},
      {"the human taker never hunts", kSouth, Join({ten_trumps, low_spades, tail}), 0},
      {"holding the Petit", kEast,
       Join({Trumps({20, 19, 18, 17, 16, 15, 14, 13, 12, 1}), low_spades, tail}), 0},
      {"seven trumps", kWest,
       Join({Trumps({21, 20, 19, 18, 17, 16, 15}), SuitCards(kPique, {14, 13, 12, 11, 7}),
             SuitCards(kCoeur, {9, 8, 7}), SuitCards(kTrefle, {7, 6, 5})}),
       0},
      {"one oudler, honours 6", kNorth,
       Join({eight_top, SuitCards(kPique, {14, 11, 5, 4, 3}), small, SuitCards(kCarreau, {5})}), 1},
      {"one oudler, honours 5", kNorth,
       Join({eight_top, SuitCards(kPique, {14, 10, 5, 4, 3}), small, SuitCards(kCarreau, {5})}), 0},
      {"one oudler, Roi and a sixth card", kNorth,
       Join({eight_top, SuitCards(kPique, {14, 5, 4, 3, 2, 1}), small}), 1},
      {"two oudlers, honours 9", kWest,
       Join({eight_top, {Excuse()}, SuitCards(kPique, {14, 13, 11, 4, 3}), small}), 1},
      {"two oudlers, honours 8", kWest,
       Join({eight_top, {Excuse()}, SuitCards(kPique, {14, 13, 4, 3, 2}), small}), 0},
      {"strength 11", kEast,
       Join({Trumps({16, 15, 14, 13, 12, 11, 10, 3, 2}), SuitCards(kPique, {14, 11, 5, 4, 3}),
             small}),
       1},
      {"strength 10", kEast,
       Join({Trumps({16, 15, 14, 13, 12, 11, 4, 3, 2}), SuitCards(kPique, {14, 11, 5, 4, 3}),
             small}),
       0},
      {"weak trumps", kEast,
       Join({Trumps({9, 8, 7, 6, 5, 4, 3, 2}), SuitCards(kPique, {14, 13, 12, 11, 5}),
             SuitCards(kCoeur, {9, 8}), SuitCards(kTrefle, {7, 6, 5})}),
       0},
  };
}

TEST_F(PreparePlayTest, TheTakerHuntsThePetitOnlyWithAStrongHand) {
  for (const PetitHuntCase& c : PetitHuntCases()) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(c.hand.size(), 18u);
    // Whatever the hand lacks, the dog gets from the plain cards nobody wrote down.
    std::vector<Card> dog;
    for (int number = 56; number >= 1 && dog.size() < 6; --number) {
      const Card candidate = game.flow.state.CardTable[number];
      bool used = false;
      for (const Card& card : c.hand)
        used = used || SameCard(card, candidate);
      if (!used && candidate.Value < 11)
        dog.push_back(candidate);
    }
    Arrange(c.taker, kGardeSans, c.hand, dog);
    PreparePlay(game.flow.state);
    EXPECT_EQ(game.flow.state.ChosenSuit[c.taker], kPique);
    EXPECT_EQ(game.flow.state.PetitHunt, c.expected);
  }
}

// After a card only the suits it touched are deduced again: at every turn of random play, what
// each seat knows must be exactly what deducing every suit again would give.
TEST(CardLocations, DeducingAfterACardKnowsWhatDeducingEverythingKnows) {
  int turns = 0;
  testing::LookAtEveryTurn(3, 8, 50'000'000, 6'007, 11, [&](const Game& game, int observer) {
    Core everything = game.flow.state;
    DeduceCardLocations(everything);
    ASSERT_EQ(game.flow.state.CardStatus[observer], everything.CardStatus[observer]);
    ASSERT_EQ(game.flow.state.MayHoldCard[observer], everything.MayHoldCard[observer]);
    ASSERT_EQ(game.flow.state.UnplacedSuitCount[observer], everything.UnplacedSuitCount[observer]);
    ASSERT_EQ(game.flow.state.UnplacedTrumpCount[observer],
              everything.UnplacedTrumpCount[observer]);
    ASSERT_EQ(game.flow.state.DiscardKnown[observer], everything.DiscardKnown[observer]);
    ++turns;
  });
  EXPECT_GT(turns, 4 * 24 * 60);
}

}  // namespace
}  // namespace zarvane
