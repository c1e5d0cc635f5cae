#include <gtest/gtest.h>

#include "core/cards.h"

namespace zarvane {
namespace {

TEST(CardTable, HoldsTheFourSuitsThenTheExcuseThenTheTrumps) {
  GameState game;
  BuildCardTable(game);
  EXPECT_EQ(game.CardTable[57], (Card{0, kAtout, 0}));
  EXPECT_EQ(game.CardTable[58], (Card{1, kAtout, 0}));
  EXPECT_EQ(game.CardTable[78], (Card{21, kAtout, 0}));
  EXPECT_EQ(game.CardTable[14], (Card{14, kPique, 0}));
  EXPECT_EQ(game.CardTable[15], (Card{1, kCoeur, 0}));
  EXPECT_EQ(game.CardTable[42], (Card{14, kTrefle, 0}));
  EXPECT_EQ(game.CardTable[43], (Card{1, kCarreau, 0}));
  EXPECT_EQ(game.CardTable[56], (Card{14, kCarreau, 0}));
}

TEST(CardHalfPoints, ThePackCounts182HalfPointsWithOudlersAndKingsAtNine) {
  GameState game;
  BuildCardTable(game);
  int total = 0;
  for (const Card& card : game.CardTable)
    total += CardHalfPoints(card);
  EXPECT_EQ(total, 182);

  EXPECT_EQ(CardHalfPoints({0, kAtout}), 9);
  EXPECT_EQ(CardHalfPoints({1, kAtout}), 9);
  EXPECT_EQ(CardHalfPoints({21, kAtout}), 9);
  EXPECT_EQ(CardHalfPoints({20, kAtout}), 1);
  for (int suit = kPique; suit <= kCarreau; ++suit) {
    EXPECT_EQ(CardHalfPoints({14, suit}), 9);
    EXPECT_EQ(CardHalfPoints({13, suit}), 7);
    EXPECT_EQ(CardHalfPoints({12, suit}), 5);
    EXPECT_EQ(CardHalfPoints({11, suit}), 3);
    EXPECT_EQ(CardHalfPoints({10, suit}), 1);
  }
  EXPECT_EQ(CardHalfPoints({5, kNoSuit}), 0);
  EXPECT_EQ(CardHalfPoints({5, 7}), 0);
}

TEST(CardFaceName, IsTheSuitNameThenTheValueWithTheExcuseAs22) {
  EXPECT_EQ(CardFaceName({0, kAtout}), "ATOUT22");
  EXPECT_EQ(CardFaceName({21, kAtout}), "ATOUT21");
  EXPECT_EQ(CardFaceName({1, kAtout}), "ATOUT1");
  EXPECT_EQ(CardFaceName({14, kPique}), "PIQUE14");
  EXPECT_EQ(CardFaceName({1, kCoeur}), "COEUR1");
  EXPECT_EQ(CardFaceName({12, kTrefle}), "TREFLE12");
  EXPECT_EQ(CardFaceName({10, kCarreau}), "CARREAU10");
}

TEST(Seats, PlayGoesSouthEastNorthWestAndRoundAgain) {
  EXPECT_EQ(NextSeat(kSouth), kEast);
  EXPECT_EQ(NextSeat(kEast), kNorth);
  EXPECT_EQ(NextSeat(kNorth), kWest);
  EXPECT_EQ(NextSeat(kWest), kSouth);
  EXPECT_EQ(PrevSeat(kSouth), kWest);
}

TEST(Table, IsIndexedFromItsFirstIndex) {
  Table<int, 0, 21> trumps{};
  trumps[0] = 7;
  trumps[21] = 9;
  EXPECT_EQ(*trumps.begin(), 7);
  EXPECT_EQ(*(trumps.end() - 1), 9);
}

#ifdef ZARVANE_CHECK_BOUNDS
TEST(TableDeathTest, AnIndexOutOfRangeStopsTheProgram) {
  Table<int, 1, 18> slots{};
  EXPECT_DEATH(slots[0] = 1, "outside 1..18");
  EXPECT_DEATH(slots[19] = 1, "outside 1..18");
}
#endif

}  // namespace
}  // namespace zarvane
