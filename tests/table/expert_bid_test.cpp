#include "core/strategy/expert_bid.h"

#include <gtest/gtest.h>

#include "flow/bidding.h"
#include "flow/moves.h"
#include "tests/support/deal_builder.h"
#include "tests/support/deal_driver.h"

namespace zarvane {
namespace {

using testing::DealAround;
using testing::DealDriver;
using testing::Join;
using testing::SuitCards;
using testing::Trumps;

// At the Expert level every seat's bid is PASSE or above the highest before it, whatever it
// found; South's advice is the Expert's bid, and thinking on one thread or two finds the same.
TEST(ExpertBid, EachSeatBidsWhatItMayAndSouthIsAdvisedTheExpertsBid) {
  DealDriver driver;
  Game& game = driver.game;
  game.flow.state.options.Level = kExpertLevel;
  for (int deal = 0; deal < 3; ++deal) {
    NewDeal(game.flow, 0);
    while (game.flow.state.DealPhase == Phase::Bidding ||
           game.flow.state.DealPhase == Phase::SouthBids) {
      if (game.flow.state.DealPhase == Phase::SouthBids) {
        const int advised = game.flow.state.AnnouncedBid[kSouth];
        EXPECT_EQ(ExpertBid(game.flow.state, kSouth, Thinking{1}), advised);
        EXPECT_EQ(ExpertBid(game.flow.state, kSouth, Thinking{2}), advised);
        Apply(game.flow, Move{MoveKind::BidAdvice});
        EXPECT_EQ(game.flow.state.AnnouncedBid[kSouth], advised);
      } else {
        ASSERT_TRUE(driver.Fire(TimerId::TimerEnchere));
      }
    }
    int highest = kPasse;
    for (int seat = game.flow.state.FirstPlayer, n = 0; n < 4; seat = NextSeat(seat), ++n) {
      const int bid = game.flow.state.AnnouncedBid[seat];
      EXPECT_TRUE(bid == kPasse || bid > highest) << "deal " << deal << ", seat " << seat;
      highest = std::max(highest, bid);
    }
  }
}

// What the trial deals score for the seat decides: it takes a hand that cannot lose, passes
// one with nothing, and above a GARDE SANS only a GARDE CONTRE is left to weigh.
TEST(ExpertBid, TakesAHandThatCannotLoseAndPassesOneWithNothing) {
  DealDriver driver;
  Game& game = driver.game;
  const auto ready = [&game](int highest) {
    game.flow.state.FirstPlayer = kEast;
    game.flow.state.AnnouncedBid.Fill(kNotSpoken);
    game.flow.state.AnnouncedBid[kEast] = kPasse;
    game.flow.state.AnnouncedBid[kNorth] = kPasse;
    game.flow.state.AnnouncedBid[kWest] = static_cast<std::int8_t>(highest);
    game.flow.state.HighestBid = highest;
  };
  DealAround(
      game.flow.state, kSouth,
      Join({Trumps({0, 1, 21, 20, 19, 18, 17, 16, 15, 14, 13, 12}), SuitCards(kPique, {14, 13, 12}),
            SuitCards(kCoeur, {14, 13}), SuitCards(kTrefle, {14})}),
      Join({SuitCards(kCarreau, {1, 2, 3}), SuitCards(kTrefle, {2, 3, 4})}));
  ready(kPasse);
  EXPECT_GE(ExpertBid(game.flow.state, kSouth), kGarde);
  ready(kGardeSans);
  EXPECT_EQ(ExpertBid(game.flow.state, kSouth), kGardeContre);

  DealAround(game.flow.state, kSouth,
             Join({SuitCards(kPique, {1, 2, 3, 4, 5}), SuitCards(kCoeur, {1, 2, 3, 4, 5}),
                   SuitCards(kTrefle, {1, 2, 3, 4}), SuitCards(kCarreau, {1, 2, 3, 4})}),
             Join({SuitCards(kCarreau, {14, 13, 12}), SuitCards(kTrefle, {14, 13, 12})}));
  ready(kPasse);
  EXPECT_EQ(ExpertBid(game.flow.state, kSouth), kPasse);
}

// "At least one taker" keeps a deal because some hand would take: at the Expert level that
// hand still takes, though the look-ahead alone would pass it.
TEST(ExpertBid, WithAtLeastOneTakerAHandTheEvaluationTakesIsNeverPassed) {
  DealDriver driver;
  Game& game = driver.game;
  game.flow.state.options.Level = kExpertLevel;
  const auto east_bids = [&](int at_least_one_taker) {
    NewDeal(game.flow, 0);
    DealAround(game.flow.state, kEast,
               Join({SuitCards(kPique, {1, 2, 3, 4, 5}), SuitCards(kCoeur, {1, 2, 3, 4, 5}),
                     SuitCards(kTrefle, {1, 2, 3, 4}), SuitCards(kCarreau, {1, 2, 3, 4})}),
               Join({SuitCards(kCarreau, {14, 13, 12}), SuitCards(kTrefle, {14, 13, 12})}));
    game.flow.state.ComputedBid[kEast] = kGarde;
    game.flow.state.FirstPlayer = kEast;
    game.flow.state.AnnouncedBid.Fill(kNotSpoken);
    game.flow.state.HighestBid = kPasse;
    game.flow.state.options.AtLeastOneTaker = static_cast<std::uint8_t>(at_least_one_taker);
    StartBidTurn(game.flow, kEast);
    return game.flow.state.AnnouncedBid[kEast];
  };
  EXPECT_EQ(east_bids(0), kPasse);
  EXPECT_EQ(east_bids(1), kGarde);
}

}  // namespace
}  // namespace zarvane
