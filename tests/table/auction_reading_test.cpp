#include "core/strategy/auction_reading.h"

#include <gtest/gtest.h>

#include <random>

#include "core/hand_evaluation.h"
#include "flow/deal_flow.h"
#include "table/game.h"
#include "tests/support/deal_driver.h"
#include "tests/support/every_turn.h"
#include "tests/support/true_deal.h"

namespace zarvane {
namespace {

using testing::TrueDeal;

// Every seat here bids as the computer would, so the deal as it lies is never far from the
// auction, whoever looks and however far the play has gone; and drawing more deals brings them
// nearer to it than a single draw.
TEST(AuctionReading, TheRealDealAgreesWithTheAuctionAndMoreDrawsComeNearer) {
  Generator single{.GeneratorState = 77};
  Generator several{.GeneratorState = 77};
  long single_distance = 0;
  long several_distance = 0;
  int positions = 0;
  testing::LookAtEveryTurn(3, 3, 5'400'000, 7'000, 8, [&](const Game& game, int observer) {
    EXPECT_EQ(AuctionDistance(game.flow.state, observer, TrueDeal(game.flow.state, observer)), 0);
    const HiddenDealDrawer drawer(game.flow.state, observer);
    single_distance +=
        AuctionDistance(game.flow.state, observer,
                        DrawDealAfterAuction(game.flow.state, observer, drawer, single, 1));
    several_distance +=
        AuctionDistance(game.flow.state, observer,
                        DrawDealAfterAuction(game.flow.state, observer, drawer, several, 32));
    ++positions;
  });
  EXPECT_GT(positions, 500);
  EXPECT_GT(single_distance, 0);
  EXPECT_LT(2 * several_distance, single_distance);
}

// A bid one step above what its hand is worth is one step from the auction, whichever seat made
// it, the first to speak included, and a hand worth nothing that bid counts too: each seat counts
// once. The taker's bid only moves within the pair that decides whether the dog was his, so his
// 18 dealt cards stay the same.
TEST(AuctionReading, OneBidOneStepOffItsHandCountsOneWhoeverMadeIt) {
  std::mt19937 choices(3);
  testing::DealDriver driver(1, 5'500'000);
  Game& game = driver.game;
  game.flow.state.options.AtLeastOneTaker = 1;
  int first_speaker_raised = 0;
  int worthless_raised = 0;
  int raised = 0;
  for (int deal = 0; deal < 100; ++deal) {
    NewDeal(game.flow, 0);
    while (!driver.TurnPending() && driver.Step(choices)) {
    }
    ASSERT_TRUE(driver.TurnPending());
    for (int seat = 1; seat <= 4; ++seat) {
      const int worth = ComputeBid(game.flow.state.InitialHands[seat]);
      const bool taker_may_rise = worth == kPrise || worth == kGardeSans;
      if (worth == kGardeContre || (seat == game.flow.state.Taker && !taker_may_rise))
        continue;
      const int observer = seat == kSouth ? kNorth : kSouth;
      GameState altered = game.flow.state;
      altered.AnnouncedBid[seat] = worth + 1;
      SCOPED_TRACE(::testing::Message() << "deal " << deal << " seat " << seat);
      EXPECT_EQ(AuctionDistance(altered, observer, TrueDeal(game.flow.state, observer)), 1);
      ++raised;
      first_speaker_raised += seat == game.flow.state.FirstPlayer ? 1 : 0;
      worthless_raised += worth == kPasse ? 1 : 0;
    }
    while (driver.Step(choices)) {
    }
  }
  EXPECT_GT(raised, 100);
  EXPECT_GT(first_speaker_raised, 3);
  EXPECT_GT(worthless_raised, 50);
}

}  // namespace
}  // namespace zarvane
