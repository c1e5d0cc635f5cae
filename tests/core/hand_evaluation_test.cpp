#include <gtest/gtest.h>

#include "core/hand_evaluation.h"
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

  // Petit, Excuse and trumps 20, 13, 5, 4, 3 (n = 6, T = 7) and eleven small cards:
  // 24 + 3 + 2 + 6 + 4 + 11 = 50. The 13 is a great trump: G = 2 and 6 >= 7 - 1.
  SetHand(game, 3,
          {Trump(20), Trump(13), Trump(5), Trump(4), Trump(3), Trump(1), Excuse(), Plain(P, 1),
           Plain(P, 2), Plain(P, 3), Plain(P, 4), Plain(P, 5), Plain(H, 1), Plain(H, 2),
           Plain(H, 3), Plain(C, 1), Plain(C, 2), Plain(C, 3)});
  EXPECT_EQ(HandValue(game, 3, 6), 50);
  EXPECT_EQ(ComputeBid(game, 3), kPrise);
  // The 12 in its place is worth as much but is no great trump: 6 < 6.5.
  game.Hands[3][2] = Trump(12);
  EXPECT_EQ(HandValue(game, 3, 6), 50);
  EXPECT_EQ(ComputeBid(game, 3), kPasse);
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

TEST(HandEvaluation, EachRowOfTheBidTableHasItsOwnGateAndBands) {
  struct Row {
    const char* name;
    int bouts;
    bool holds_21;
    int n;  // trumps without the Excuse
    int g;  // trumps 13 and above
    int value;
    int bid;
  };
  const Row rows[] = {
      // Three bouts: at least 4 trumps and n >= 5 - G/2; 52 PRISE, 62 GARDE, 78 GARDE SANS
      // from 6 trumps, 84 GARDE CONTRE from 7.
      {"3 bouts, three trumps", 3, true, 3, 3, 100, kPasse},
      {"3 bouts, 4 trumps, G 1: 4 < 4.5", 3, true, 4, 1, 100, kPasse},
      {"3 bouts, 4 trumps, G 2: 4 >= 4", 3, true, 4, 2, 100, kGardeSans},
      {"3 bouts, 51", 3, true, 7, 0, 51, kPasse},
      {"3 bouts, 52", 3, true, 7, 0, 52, kPrise},
      {"3 bouts, 61", 3, true, 7, 0, 61, kPrise},
      {"3 bouts, 62", 3, true, 7, 0, 62, kGarde},
      {"3 bouts, 77", 3, true, 7, 0, 77, kGarde},
      {"3 bouts, 78, 7 trumps", 3, true, 7, 0, 78, kGardeSans},
      {"3 bouts, 83, 7 trumps", 3, true, 7, 0, 83, kGardeSans},
      {"3 bouts, 84, 7 trumps", 3, true, 7, 0, 84, kGardeContre},
      {"3 bouts, 78, 5 trumps", 3, true, 5, 0, 78, kGarde},
      {"3 bouts, 83, 5 trumps", 3, true, 5, 0, 83, kGarde},
      {"3 bouts, 78, 6 trumps", 3, true, 6, 0, 78, kGardeSans},
      {"3 bouts, 84, 6 trumps", 3, true, 6, 0, 84, kGardeSans},
      // Two bouts with the 21: at least 5 trumps and n >= 5 - G/2; 50, 56, 76 from 6 trumps,
      // 84 from 7.
      {"2 bouts and 21, 4 trumps", 2, true, 4, 4, 100, kPasse},
      {"2 bouts and 21, 5 trumps, G 0", 2, true, 5, 0, 60, kGarde},
      {"2 bouts and 21, 49", 2, true, 7, 0, 49, kPasse},
      {"2 bouts and 21, 50", 2, true, 7, 0, 50, kPrise},
      {"2 bouts and 21, 55", 2, true, 7, 0, 55, kPrise},
      {"2 bouts and 21, 56", 2, true, 7, 0, 56, kGarde},
      {"2 bouts and 21, 75", 2, true, 7, 0, 75, kGarde},
      {"2 bouts and 21, 76, 7 trumps", 2, true, 7, 0, 76, kGardeSans},
      {"2 bouts and 21, 83, 7 trumps", 2, true, 7, 0, 83, kGardeSans},
      {"2 bouts and 21, 84, 7 trumps", 2, true, 7, 0, 84, kGardeContre},
      {"2 bouts and 21, 76, 5 trumps", 2, true, 5, 0, 76, kGarde},
      {"2 bouts and 21, 76, 6 trumps", 2, true, 6, 0, 76, kGardeSans},
      {"2 bouts and 21, 84, 6 trumps", 2, true, 6, 0, 84, kGardeSans},
      // Two bouts without the 21: the same bands behind n >= 7 - G/2.
      {"2 bouts, no 21, 5 trumps, G 3: 5 < 5.5", 2, false, 5, 3, 60, kPasse},
      {"2 bouts, no 21, 5 trumps, G 4: 5 >= 5", 2, false, 5, 4, 60, kGarde},
      {"2 bouts, no 21, 6 trumps, G 1: 6 < 6.5", 2, false, 6, 1, 60, kPasse},
      {"2 bouts, no 21, 6 trumps, G 2: 6 >= 6", 2, false, 6, 2, 60, kGarde},
      {"2 bouts, no 21, 49", 2, false, 7, 0, 49, kPasse},
      {"2 bouts, no 21, 50", 2, false, 7, 0, 50, kPrise},
      {"2 bouts, no 21, 55", 2, false, 7, 0, 55, kPrise},
      {"2 bouts, no 21, 56", 2, false, 7, 0, 56, kGarde},
      {"2 bouts, no 21, 75", 2, false, 7, 0, 75, kGarde},
      {"2 bouts, no 21, 76", 2, false, 7, 0, 76, kGardeSans},
      {"2 bouts, no 21, 83", 2, false, 7, 0, 83, kGardeSans},
      {"2 bouts, no 21, 84", 2, false, 7, 0, 84, kGardeContre},
      {"2 bouts, no 21, 76, 5 trumps", 2, false, 5, 4, 76, kGarde},
      {"2 bouts, no 21, 76, 6 trumps", 2, false, 6, 2, 76, kGardeSans},
      {"2 bouts, no 21, 84, 6 trumps", 2, false, 6, 2, 84, kGardeSans},
      // One bout: at least 6 trumps and n >= 8 - G/2; 70, 76, 104 from 7 trumps, 114 from 8.
      {"1 bout, 5 trumps", 1, true, 5, 5, 150, kPasse},
      {"1 bout, 6 trumps, G 3: 6 < 6.5", 1, true, 6, 3, 100, kPasse},
      {"1 bout, 6 trumps, G 4: 6 >= 6", 1, true, 6, 4, 100, kGarde},
      {"1 bout, 69", 1, false, 8, 0, 69, kPasse},
      {"1 bout, 70", 1, false, 8, 0, 70, kPrise},
      {"1 bout, 75", 1, false, 8, 0, 75, kPrise},
      {"1 bout, 76", 1, false, 8, 0, 76, kGarde},
      {"1 bout, 103", 1, false, 8, 0, 103, kGarde},
      {"1 bout, 104, 8 trumps", 1, false, 8, 0, 104, kGardeSans},
      {"1 bout, 113, 8 trumps", 1, false, 8, 0, 113, kGardeSans},
      {"1 bout, 114, 8 trumps", 1, false, 8, 0, 114, kGardeContre},
      {"1 bout, 104, 6 trumps", 1, false, 6, 4, 104, kGarde},
      {"1 bout, 113, 6 trumps", 1, false, 6, 4, 113, kGarde},
      {"1 bout, 104, 7 trumps", 1, false, 7, 2, 104, kGardeSans},
      {"1 bout, 114, 7 trumps", 1, false, 7, 2, 114, kGardeSans},
      // No bout: at least 7 trumps and n >= 9 - G/2; 80, 86, 124 from 8 trumps, 130 from 9.
      {"no bout, 6 trumps", 0, false, 6, 6, 150, kPasse},
      {"no bout, 7 trumps, G 3: 7 < 7.5", 0, false, 7, 3, 100, kPasse},
      {"no bout, 7 trumps, G 4: 7 >= 7", 0, false, 7, 4, 100, kGarde},
      {"no bout, 79", 0, false, 9, 0, 79, kPasse},
      {"no bout, 80", 0, false, 9, 0, 80, kPrise},
      {"no bout, 85", 0, false, 9, 0, 85, kPrise},
      {"no bout, 86", 0, false, 9, 0, 86, kGarde},
      {"no bout, 123", 0, false, 9, 0, 123, kGarde},
      {"no bout, 124, 9 trumps", 0, false, 9, 0, 124, kGardeSans},
      {"no bout, 129, 9 trumps", 0, false, 9, 0, 129, kGardeSans},
      {"no bout, 130, 9 trumps", 0, false, 9, 0, 130, kGardeContre},
      {"no bout, 124, 7 trumps", 0, false, 7, 4, 124, kGarde},
      {"no bout, 129, 7 trumps", 0, false, 7, 4, 129, kGarde},
      {"no bout, 124, 8 trumps", 0, false, 8, 2, 124, kGardeSans},
      {"no bout, 130, 8 trumps", 0, false, 8, 2, 130, kGardeSans},
  };
  for (const Row& row : rows)
    EXPECT_EQ(TableBid(row.bouts, row.holds_21, row.n, row.g, row.value), row.bid) << row.name;
}

TEST(HandEvaluation, RealHandsFindTheOneBoutAndNoBoutRowsAndTheLengthBonus) {
  GameState game;
  // The 21 and five trumps of 16..20 (n = 6, G = 6, T = 6): 12 + 15 + 2 = 29. Two Rois, a
  // Dame, a Cavalier, a Valet and seven small cards: 24 + 6 + 2 + 2 + 7 = 41.
  SetHand(game, 1,
          {Trump(21), Trump(20), Trump(19), Trump(18), Trump(17), Trump(16), Plain(P, 14),
           Plain(H, 14), Plain(P, 13), Plain(P, 12), Plain(P, 11), Plain(P, 1), Plain(P, 2),
           Plain(H, 1), Plain(H, 2), Plain(C, 1), Plain(C, 2), Plain(D, 1)});
  EXPECT_EQ(TrumpPoints(game, 1), 29);
  EXPECT_EQ(HandValue(game, 1, 6), 70);
  EXPECT_EQ(ComputeBid(game, 1), kPrise);
  game.Hands[1][11] = Plain(D, 2);
  EXPECT_EQ(HandValue(game, 1, 6), 69);
  EXPECT_EQ(ComputeBid(game, 1), kPasse);

  // No bout, trumps 14..20 (n = 7, G = 7, T = 7): 2 + 18 + 4 = 24. Four Rois, a Dame, a Valet
  // and five small cards: 48 + 6 + 2 + 5 = 61.
  SetHand(game, 2,
          {Trump(20), Trump(19), Trump(18), Trump(17), Trump(16), Trump(15), Trump(14),
           Plain(P, 14), Plain(H, 14), Plain(C, 14), Plain(D, 14), Plain(P, 13), Plain(P, 11),
           Plain(P, 1), Plain(P, 2), Plain(H, 1), Plain(H, 2), Plain(C, 1)});
  EXPECT_EQ(TrumpPoints(game, 2), 24);
  EXPECT_EQ(HandValue(game, 2, 7), 85);
  EXPECT_EQ(ComputeBid(game, 2), kPrise);
  game.Hands[2][18] = Plain(C, 12);
  EXPECT_EQ(HandValue(game, 2, 7), 86);
  EXPECT_EQ(ComputeBid(game, 2), kGarde);

  // The length bonus grows with each trump, the Excuse among them: trumps 2.. at 2 points.
  SetHand(game, 3,
          {Trump(2), Trump(3), Trump(4), Trump(5), Trump(6), Plain(P, 1), Plain(P, 2), Plain(P, 3),
           Plain(P, 4), Plain(P, 5), Plain(P, 6), Plain(P, 7), Plain(H, 1), Plain(H, 2),
           Plain(H, 3), Plain(H, 4), Plain(H, 5), Plain(H, 6)});
  EXPECT_EQ(TrumpPoints(game, 3), 10);  // T = 5: no bonus
  game.Hands[3][6] = Trump(7);
  EXPECT_EQ(TrumpPoints(game, 3), 12 + 2);
  game.Hands[3][7] = Trump(8);
  EXPECT_EQ(TrumpPoints(game, 3), 14 + 4);
  game.Hands[3][8] = Trump(9);
  EXPECT_EQ(TrumpPoints(game, 3), 16 + 6);
  game.Hands[3][9] = Excuse();
  EXPECT_EQ(TrumpPoints(game, 3), 28 + 9) << "nine trumps with the Excuse";
  // n = 8: the long-trump term waits for a ninth trump without the Excuse.
  EXPECT_EQ(HandValue(game, 3, 8), 37 + 9);
  game.Hands[3][10] = Trump(10);
  EXPECT_EQ(TrumpPoints(game, 3), 30 + 12);
  game.Hands[3][11] = Trump(11);
  EXPECT_EQ(TrumpPoints(game, 3), 32 + 12);
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
