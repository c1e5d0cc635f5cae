#include <gtest/gtest.h>

#include "engine/hand_evaluation.h"
#include "tests/support/cards.h"

namespace zarvane {
namespace {

using testing::Excuse;
using testing::Plain;
using testing::SetHand;
using testing::Trump;

constexpr int P = kPique;
constexpr int H = kCoeur;
constexpr int C = kTrefle;
constexpr int D = kCarreau;

TEST(HandEvaluation, CardPointsFollowTheEvaluationTable) {
  EXPECT_EQ(CardPoints(Excuse()), 12);
  EXPECT_EQ(CardPoints(Trump(1)), 12);
  EXPECT_EQ(CardPoints(Trump(21)), 12);
  EXPECT_EQ(CardPoints(Trump(20)), 3);
  EXPECT_EQ(CardPoints(Trump(15)), 3);
  EXPECT_EQ(CardPoints(Trump(14)), 2);
  EXPECT_EQ(CardPoints(Trump(2)), 2);
  EXPECT_EQ(CardPoints(Plain(H, 14)), 12);
  EXPECT_EQ(CardPoints(Plain(H, 13)), 6);
  EXPECT_EQ(CardPoints(Plain(H, 12)), 2);
  EXPECT_EQ(CardPoints(Plain(H, 11)), 2);
  EXPECT_EQ(CardPoints(Plain(H, 10)), 1);
  EXPECT_EQ(CardPoints(Plain(H, 1)), 1);
}

TEST(HandEvaluation, WithoutEnoughTrumpsTheHandPassesHoweverManyKings) {
  GameState game;
  SetHand(game, 1,
          {Plain(P, 14), Plain(P, 13), Plain(P, 12), Plain(P, 11), Plain(H, 14), Plain(H, 13),
           Plain(H, 12), Plain(H, 11), Plain(C, 14), Plain(C, 13), Plain(C, 12), Plain(C, 11),
           Plain(D, 14), Plain(D, 13), Plain(D, 12), Plain(D, 11), Plain(D, 10), Plain(D, 9)});
  EXPECT_EQ(TrumpPoints(game, 1), 0);
  EXPECT_EQ(ComputeBid(game, 1), kPasse);

  // Six trumps without a bout: the row asks for seven.
  SetHand(game, 2,
          {Trump(20), Trump(19), Trump(18), Trump(17), Trump(16), Trump(15), Plain(P, 14),
           Plain(P, 13), Plain(H, 14), Plain(H, 13), Plain(C, 14), Plain(C, 13), Plain(D, 14),
           Plain(D, 13), Plain(D, 12), Plain(D, 11), Plain(P, 12), Plain(P, 11)});
  EXPECT_GE(HandValue(game, 2, 6), 86);  // worth a GARDE by value alone
  EXPECT_EQ(ComputeBid(game, 2), kPasse);
}

TEST(HandEvaluation, TheGateComparesWithHalfTheGreatTrumpsInRealArithmetic) {
  GameState game;
  // B = 2 without the 21, n = 5, G = 1: the gate asks n >= 6.5.
  SetHand(game, 1,
          {Trump(19), Trump(8), Trump(5), Trump(3), Trump(1), Excuse(), Plain(P, 14), Plain(H, 14),
           Plain(C, 14), Plain(D, 14), Plain(P, 13), Plain(H, 13), Plain(C, 13), Plain(P, 12),
           Plain(P, 11), Plain(H, 2), Plain(H, 3), Plain(H, 4)});
  EXPECT_EQ(TrumpPoints(game, 1), 35);
  EXPECT_EQ(HandValue(game, 1, 5), 108);
  EXPECT_EQ(ComputeBid(game, 1), kPasse);

  // B = 2 without the 21 and G = 3: n must reach 5.5, so five trumps fail and six pass.
  SetHand(game, 2,
          {Trump(20), Trump(19), Trump(18), Trump(5), Trump(1), Excuse(), Plain(P, 14),
           Plain(H, 14), Plain(C, 14), Plain(D, 14), Plain(P, 13), Plain(H, 13), Plain(C, 13),
           Plain(P, 12), Plain(P, 11), Plain(H, 2), Plain(H, 3), Plain(H, 4)});
  EXPECT_EQ(ComputeBid(game, 2), kPasse);
  game.Hands[2][16] = Trump(2);
  EXPECT_NE(ComputeBid(game, 2), kPasse);
}

TEST(HandEvaluation, TwoBoutsWithThe21TakeAt50AndGuardAt56) {
  GameState game;
  SetHand(game, 1,
          {Trump(21), Trump(19), Trump(8), Trump(5), Trump(1), Plain(P, 14), Plain(P, 1),
           Plain(P, 2), Plain(P, 3), Plain(H, 1), Plain(H, 2), Plain(H, 3), Plain(C, 1),
           Plain(C, 2), Plain(C, 3), Plain(D, 1), Plain(D, 2), Plain(D, 3)});
  EXPECT_EQ(TrumpPoints(game, 1), 31);
  EXPECT_EQ(HandValue(game, 1, 5), 55);
  EXPECT_EQ(ComputeBid(game, 1), kPrise);

  game.Hands[1][18] = Plain(D, 11);
  EXPECT_EQ(HandValue(game, 1, 5), 56);
  EXPECT_EQ(ComputeBid(game, 1), kGarde);
}

TEST(HandEvaluation, ThreeBoutsAndEnoughTrumpsGuardAgainstElseGuardWithout) {
  GameState game;
  SetHand(game, 1,
          {Trump(21), Trump(20), Trump(18), Trump(15), Trump(10), Trump(7), Trump(1), Excuse(),
           Plain(P, 14), Plain(H, 14), Plain(P, 13), Plain(P, 11), Plain(H, 1), Plain(H, 2),
           Plain(C, 1), Plain(C, 2), Plain(D, 1), Plain(D, 2)});
  EXPECT_EQ(TrumpPoints(game, 1), 55);
  EXPECT_EQ(HandValue(game, 1, 7), 93);
  EXPECT_EQ(ComputeBid(game, 1), kGardeContre);

  // The same value with six trumps stays a GARDE SANS.
  SetHand(game, 2,
          {Trump(21), Trump(20), Trump(18), Trump(15), Trump(10), Trump(1), Excuse(), Plain(P, 14),
           Plain(H, 14), Plain(P, 13), Plain(P, 12), Plain(P, 11), Plain(H, 12), Plain(H, 11),
           Plain(C, 1), Plain(C, 2), Plain(D, 1), Plain(D, 2)});
  EXPECT_EQ(HandValue(game, 2, 6), 93);
  EXPECT_EQ(ComputeBid(game, 2), kGardeSans);
}

TEST(HandEvaluation, ALongTrumpSuitEarnsTheLongTrumpTermAndTheLengthBonus) {
  GameState game;
  SetHand(game, 1,
          {Trump(21), Trump(20), Trump(19), Trump(18), Trump(17), Trump(16), Trump(15), Trump(14),
           Trump(13), Trump(12), Trump(11), Trump(10), Trump(9), Plain(P, 1), Plain(P, 2),
           Plain(H, 1), Plain(C, 1), Plain(D, 1)});
  EXPECT_EQ(TrumpPoints(game, 1), 54);
  EXPECT_EQ(HandValue(game, 1, 13), 54 + 80 + 5);
  EXPECT_EQ(HandValue(game, 1, 8), 54 + 5);
  EXPECT_EQ(HandValue(game, 1, 9), 54 + 12 + 5);
  EXPECT_EQ(ComputeBid(game, 1), kGardeContre);
}

TEST(HandEvaluation, TheBandsAreInclusiveAtBothEnds) {
  GameState game;
  // Three bouts, n = 5: trumps 44 with the length bonus, then 17 or 18 in plain cards.
  SetHand(game, 1,
          {Trump(21), Trump(4), Trump(3), Trump(2), Trump(1), Excuse(), Plain(P, 13), Plain(P, 1),
           Plain(P, 2), Plain(P, 3), Plain(H, 1), Plain(H, 2), Plain(H, 3), Plain(C, 1),
           Plain(C, 2), Plain(C, 3), Plain(D, 1), Plain(D, 2)});
  EXPECT_EQ(HandValue(game, 1, 5), 61);
  EXPECT_EQ(ComputeBid(game, 1), kPrise);
  game.Hands[1][18] = Plain(D, 11);
  EXPECT_EQ(HandValue(game, 1, 5), 62);
  EXPECT_EQ(ComputeBid(game, 1), kGarde);
}

TEST(HandEvaluation, TheOrderOfTheCardsDoesNotMatter) {
  GameState game;
  SetHand(game, 1,
          {Trump(21), Trump(20), Trump(18), Trump(15), Trump(10), Trump(7), Trump(1), Excuse(),
           Plain(P, 14), Plain(H, 14), Plain(P, 13), Plain(P, 11), Plain(H, 1), Plain(H, 2),
           Plain(C, 1), Plain(C, 2), Plain(D, 1), Plain(D, 2)});
  const int bid = ComputeBid(game, 1);
  std::swap(game.Hands[1][1], game.Hands[1][18]);
  std::swap(game.Hands[1][4], game.Hands[1][11]);
  EXPECT_EQ(ComputeBid(game, 1), bid);
}

}  // namespace
}  // namespace zarvane
