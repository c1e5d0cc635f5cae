#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "core/cards.h"
#include "core/deal.h"
#include "core/hand_evaluation.h"
#include "tests/support/cards.h"
#include "tests/support/fixed_clock.h"

namespace zarvane {
namespace {

using testing::Excuse;
using testing::Plain;
using testing::SetDog;
using testing::SetHand;
using testing::SteppingClock;
using testing::Trump;

struct DealTest : ::testing::Test {
  DealTest() {
    BuildCardTable(game);
    for (int k = 1; k <= 78; ++k)
      game.DealOrder[k] = k;
  }

  int CardIndex(const Card& card) {
    for (int k = 1; k <= 78; ++k) {
      if (SameCard(game.CardTable[k], card))
        return k;
    }
    return -1;
  }

  // One trump and small cards: nobody would bid, nobody holds a petit sec, all can discard.
  void GiveEverySeatAPassingHand() {
    for (int seat = 1; seat <= 4; ++seat) {
      SetHand(game, seat,
              {Trump(2 + seat), Plain(1, 1), Plain(1, 2), Plain(1, 3), Plain(1, 4), Plain(1, 5),
               Plain(2, 1), Plain(2, 2), Plain(2, 3), Plain(2, 4), Plain(2, 5), Plain(3, 1),
               Plain(3, 2), Plain(3, 3), Plain(3, 4), Plain(4, 1), Plain(4, 2), Plain(4, 3)});
    }
  }

  // Every card of the pack, once, among the four hands and the dog.
  void ExpectWholePack() {
    std::multiset<int> seen;
    for (int seat = 1; seat <= 4; ++seat) {
      for (const Card& card : game.Hands[seat])
        seen.insert(CardIndex(card));
    }
    for (const Card& card : game.Dog)
      seen.insert(CardIndex(card));
    std::multiset<int> pack;
    for (int k = 1; k <= 78; ++k)
      pack.insert(k);
    EXPECT_EQ(seen, pack);
  }

  GameState game;
  Clock clock = SteppingClock(45'296'789);
};

TEST_F(DealTest, AnUnshuffledDeckGoesInPacketsOfThreeWithOneCardToTheDogAtEachPass) {
  // A replay deals the saved deck as it stands: here the pack in its table order.
  for (int k = 1; k <= 78; ++k)
    game.SavedDeck[k] = k;
  game.ReplayedDeal = 1;
  ASSERT_TRUE(DealOnce(game, clock));

  const std::vector<int> south = {1,  2,  3,  14, 15, 16, 27, 28, 29,
                                  40, 41, 42, 53, 54, 55, 66, 67, 68};
  for (int slot = 1; slot <= 18; ++slot) {
    EXPECT_EQ(game.DealOrder[slot], south[slot - 1]);
    EXPECT_EQ(game.Hands[kSouth][slot], game.DealtCards[slot]);
    EXPECT_EQ(CardIndex(game.Hands[kSouth][slot]), south[slot - 1]);
    EXPECT_EQ(game.Hands[kSouth][slot].InHand, 1);
  }
  const std::vector<int> east_start = {4, 5, 6, 17, 18, 19};
  const std::vector<int> west_start = {10, 11, 12, 23, 24, 25};
  for (int slot = 1; slot <= 6; ++slot) {
    EXPECT_EQ(CardIndex(game.Hands[kEast][slot]), east_start[slot - 1]);
    EXPECT_EQ(CardIndex(game.Hands[kWest][slot]), west_start[slot - 1]);
  }
  EXPECT_EQ(CardIndex(game.Hands[kNorth][1]), 7);
  const std::vector<int> dog = {13, 26, 39, 52, 65, 78};
  for (int d = 1; d <= 6; ++d) {
    EXPECT_EQ(game.DealOrder[72 + d], dog[d - 1]);
    EXPECT_EQ(CardIndex(game.Dog[d]), dog[d - 1]);
    EXPECT_EQ(game.Dog[d].InHand, 1);
  }
  ExpectWholePack();
}

TEST_F(DealTest, APetitSecIsRefusedButThePetitWithTheExcuseIsDealt) {
  GiveEverySeatAPassingHand();
  SetDog(game, {Plain(4, 4), Plain(4, 5), Plain(4, 6), Plain(4, 7), Plain(4, 8), Plain(4, 9)});
  EXPECT_TRUE(AcceptDealtCards(game));

  game.Hands[kNorth][1] = Trump(1);
  EXPECT_FALSE(AcceptDealtCards(game));

  game.Hands[kNorth][2] = Excuse();
  EXPECT_TRUE(AcceptDealtCards(game));

  game.Hands[kNorth][2] = Trump(9);
  EXPECT_TRUE(AcceptDealtCards(game));
}

TEST_F(DealTest, ADealInWhichASeatCouldNotDiscardSixCardsIsRefused) {
  GiveEverySeatAPassingHand();
  // West: fifteen trumps, the Excuse and kings: nothing but the dog to discard.
  SetHand(game, kWest,
          {Trump(21), Trump(20), Trump(19), Trump(18), Trump(17), Trump(16), Trump(15), Trump(14),
           Trump(13), Trump(12), Trump(11), Trump(10), Trump(9), Trump(8), Excuse(), Plain(1, 14),
           Plain(2, 14), Plain(3, 14)});
  SetDog(game, {Plain(4, 14), Plain(4, 5), Plain(4, 6), Plain(4, 7), Plain(4, 8), Plain(4, 9)});
  EXPECT_FALSE(AcceptDealtCards(game));

  game.Dog[1] = Plain(4, 13);
  EXPECT_TRUE(AcceptDealtCards(game));
}

TEST_F(DealTest, EveryAcceptedDealHoldsTheWholePackWithNeitherPetitSecNorImpossibleDiscard) {
  for (int deal = 0; deal < 300; ++deal) {
    DealUntilAccepted(game, clock);
    ExpectWholePack();
    int dog_discardable = 0;
    for (const Card& card : game.Dog)
      dog_discardable += IsDiscardable(card);
    for (int seat = 1; seat <= 4; ++seat) {
      int trumps = 0;
      int discardable = 0;
      bool petit = false;
      for (const Card& card : game.Hands[seat]) {
        trumps += card.Suit == kAtout;
        petit |= IsPetit(card);
        discardable += IsDiscardable(card);
      }
      EXPECT_FALSE(trumps == 1 && petit);
      EXPECT_GE(discardable + dog_discardable, 6);
      EXPECT_EQ(game.ComputedBid[seat], ComputeBid(game, seat));
    }
  }
}

TEST_F(DealTest, TheHandStrengthOptionGivesSouthExactlyTheChosenBid) {
  for (int force : {1, 3, 4, 5, 6}) {
    game.options.ForceOption = force;
    const int target = force == 1 ? kPasse : force - 2;
    for (int deal = 0; deal < 60; ++deal) {
      DealUntilAccepted(game, clock);
      ASSERT_EQ(game.ComputedBid[kSouth], target) << "force " << force;
      ASSERT_EQ(ComputeBid(game, kSouth), target) << "force " << force;
      ExpectWholePack();
    }
  }
}

TEST_F(DealTest, AStrongerHandDoesNotSatisfyAWeakerTargetAndNoSeatMeansRefusal) {
  GiveEverySeatAPassingHand();
  // North holds a GARDE CONTRE hand; nobody holds a PRISE.
  SetHand(game, kNorth,
          {Trump(21), Trump(20), Trump(19), Trump(18), Trump(17), Trump(16), Trump(15), Trump(14),
           Trump(13), Trump(12), Trump(11), Trump(10), Trump(9), Plain(1, 1), Plain(1, 2),
           Plain(2, 1), Plain(3, 1), Plain(4, 1)});
  SetDog(game, {Plain(4, 4), Plain(4, 5), Plain(4, 6), Plain(4, 7), Plain(4, 8), Plain(4, 9)});
  const Hand north = game.Hands[kNorth];

  game.options.ForceOption = 3;
  EXPECT_FALSE(AcceptDealtCards(game));

  game.options.ForceOption = 6;
  EXPECT_TRUE(AcceptDealtCards(game));
  EXPECT_EQ(game.Hands[kSouth], north);
  EXPECT_EQ(game.ComputedBid[kSouth], kGardeContre);
  EXPECT_EQ(game.ComputedBid[kNorth], kPasse);
}

TEST_F(DealTest, WithAtLeastOneTakerSomeSeatAlwaysBids) {
  game.options.AtLeastOneTaker = 1;
  for (int deal = 0; deal < 200; ++deal) {
    DealUntilAccepted(game, clock);
    const int best = *std::max_element(game.ComputedBid.begin(), game.ComputedBid.end());
    ASSERT_GT(best, kPasse);
  }
}

TEST_F(DealTest, AReplayDealsTheSameHandsDogBidsAndExchangeOfSouthsHand) {
  game.options.ForceOption = 5;
  DealUntilAccepted(game, clock);
  DealUntilAccepted(game, clock);
  const auto hands = game.Hands;
  const auto dog = game.Dog;
  const auto bids = game.ComputedBid;
  const auto initial = game.InitialHands;

  game.ReplayedDeal = 1;
  DealUntilAccepted(game, clock);
  EXPECT_EQ(game.Hands, hands);
  EXPECT_EQ(game.Dog, dog);
  EXPECT_EQ(game.ComputedBid, bids);
  EXPECT_EQ(game.InitialHands, initial);
  EXPECT_EQ(game.ComputedBid[kSouth], kGardeSans);
}

TEST_F(DealTest, AReplayAfterTheOptionsChangedStillEndsWithTheSameCards) {
  DealUntilAccepted(game, clock);
  std::multiset<int> before;
  for (int seat = 1; seat <= 4; ++seat) {
    for (const Card& card : game.Hands[seat])
      before.insert(CardIndex(card) * 10 + 0);
  }
  const auto dog = game.Dog;

  // A hand strength and a taker demand that the saved cards may well not meet.
  game.options.ForceOption = 6;
  game.options.AtLeastOneTaker = 1;
  game.ReplayedDeal = 1;
  DealUntilAccepted(game, clock);
  std::multiset<int> after;
  for (int seat = 1; seat <= 4; ++seat) {
    for (const Card& card : game.Hands[seat])
      after.insert(CardIndex(card) * 10 + 0);
  }
  EXPECT_EQ(after, before);
  EXPECT_EQ(game.Dog, dog);
}

TEST_F(DealTest, SuccessiveAttemptsDifferEvenWithinOneMillisecond) {
  clock = testing::FixedClock({10, 0, 0, 0});
  DealOnce(game, clock);
  const auto first = game.DealOrder;
  DealOnce(game, clock);
  EXPECT_NE(game.DealOrder, first);
}

TEST_F(DealTest, SortingPutsThe21FirstThePetitThenTheExcuseAndThenEachSuitFromTheKingDown) {
  SetHand(game, kSouth,
          {Plain(2, 3), Excuse(), Trump(1), Plain(1, 2), Trump(21), Plain(4, 14), Plain(1, 14),
           Trump(7), Plain(3, 1), Plain(2, 12), Plain(1, 9), Plain(3, 13), Plain(4, 2), Plain(2, 1),
           Plain(1, 1), Plain(4, 11), Plain(3, 5), Plain(2, 14)});
  SetHand(game, kEast,
          {Plain(4, 3), Plain(2, 5), Plain(1, 3), Plain(3, 7), Plain(1, 13), Plain(2, 6),
           Plain(4, 4), Plain(3, 8), Plain(1, 5), Plain(2, 7), Plain(4, 5), Plain(3, 9),
           Plain(1, 6), Plain(2, 8), Plain(4, 6), Plain(3, 10), Plain(1, 7), Plain(2, 9)});
  SetDog(game, {Plain(4, 1), Trump(5), Plain(1, 8), Excuse(), Plain(2, 10), Trump(6)});
  SortHands(game);
  SortDog(game);

  const std::vector<Card> south = {
      Trump(21),    Trump(7),    Trump(1),     Excuse(),     Plain(1, 14), Plain(1, 9),
      Plain(1, 2),  Plain(1, 1), Plain(2, 14), Plain(2, 12), Plain(2, 3),  Plain(2, 1),
      Plain(3, 13), Plain(3, 5), Plain(3, 1),  Plain(4, 14), Plain(4, 11), Plain(4, 2)};
  for (int slot = 1; slot <= 18; ++slot) {
    EXPECT_TRUE(SameCard(game.Hands[kSouth][slot], south[slot - 1])) << slot;
    EXPECT_TRUE(SameCard(game.InitialHands[kSouth][slot], south[slot - 1])) << slot;
  }
  EXPECT_TRUE(SameCard(game.Hands[kEast][1], Plain(1, 13)));
  EXPECT_TRUE(SameCard(game.Hands[kEast][18], Plain(4, 3)));
  const std::vector<Card> dog = {Trump(6),    Trump(5),     Excuse(),
                                 Plain(1, 8), Plain(2, 10), Plain(4, 1)};
  for (int d = 1; d <= 6; ++d) {
    EXPECT_TRUE(SameCard(game.Dog[d], dog[d - 1])) << d;
    EXPECT_TRUE(SameCard(game.InitialDog[d], dog[d - 1])) << d;
  }
}

}  // namespace
}  // namespace zarvane
