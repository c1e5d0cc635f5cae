#include "core/strategy/expert_discard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/cards.h"
#include "core/discard.h"
#include "tests/support/deal_builder.h"
#include "tests/support/deal_driver.h"

namespace zarvane {
namespace {

std::vector<int> Numbers(const std::vector<Card>& cards) {
  std::vector<int> numbers;
  for (const Card& card : cards)
    numbers.push_back(CardNumber(card));
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

// The Expert taker's discard keeps the rules of any discard: the taker's 24 cards become his 18
// and the six set aside, none of which the rules forbid; it is the same on one thread or two,
// and the taker's play memory holds the hand it leaves and knows the discard out of play.
TEST(ExpertDiscard, ADiscardTheRulesAllowTheSameOnOneThreadOrTwo) {
  testing::DealDriver driver;
  Game& game = driver.game;
  std::mt19937 south(3);
  int discards = 0;
  for (int deal = 0; deal < 40 && discards < 3; ++deal) {
    NewDeal(game, 0);
    while (game.DealPhase == Phase::AuctionOver || game.DealPhase == Phase::Bidding ||
           game.DealPhase == Phase::SouthBids) {
      driver.Step(south);
    }
    if (game.DealPhase != Phase::DogShown || game.Taker == game.HumanSeat)
      continue;
    ++discards;
    const Table<Card, 1, 24> merged = MergeWithDog(game, game.Taker);
    GameState one = game;
    GameState two = game;
    ExpertDiscard(one, Thinking{1});
    ExpertDiscard(two, Thinking{2});
    EXPECT_EQ(one.Dog, two.Dog);
    EXPECT_EQ(one.Hands, two.Hands);
    EXPECT_EQ(one.random.GeneratorState, two.random.GeneratorState);

    std::vector<Card> kept(one.Hands[one.Taker].begin(), one.Hands[one.Taker].end());
    std::vector<Card> both = kept;
    both.insert(both.end(), one.Dog.begin(), one.Dog.end());
    EXPECT_EQ(Numbers(both), Numbers(std::vector<Card>(merged.begin(), merged.end())));
    for (const Card& card : one.Dog)
      EXPECT_FALSE(MustKeep(card)) << "deal " << deal;
    EXPECT_TRUE(testing::WholePackInPlay(one));
    const auto status = [&one](const Card& card) {
      return card.Suit == kAtout ? one.TrumpStatus[one.Taker][card.Value]
                                 : one.CardStatus[one.Taker][card.Suit][card.Value];
    };
    for (const Card& card : kept)
      EXPECT_EQ(status(card), one.Taker);
    for (const Card& card : one.Dog)
      EXPECT_EQ(status(card), kPlayed);
  }
  EXPECT_EQ(discards, 3);
}

}  // namespace
}  // namespace zarvane
