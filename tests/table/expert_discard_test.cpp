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

// A new deal's auction, South bidding at random; true when a computer seat took and the dog
// lies shown for its discard.
bool AComputerTakes(testing::DealDriver& driver, std::mt19937& south) {
  Game& game = driver.game;
  NewDeal(game.flow, 0);
  while (game.flow.state.DealPhase == Phase::AuctionOver ||
         game.flow.state.DealPhase == Phase::Bidding ||
         game.flow.state.DealPhase == Phase::SouthBids) {
    driver.Step(south);
  }
  return game.flow.state.DealPhase == Phase::DogShown &&
         game.flow.state.Taker != game.flow.state.HumanSeat;
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
    if (!AComputerTakes(driver, south))
      continue;
    ++discards;
    const Table<Card, 1, 24> merged = MergeWithDog(game.flow.state, game.flow.state.Taker);
    GameState one = game.flow.state;
    GameState two = game.flow.state;
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

// The discards weighed: the computer's own first, each only once, and one that voids each suit
// that can be voided; a suit with its king cannot be.
TEST(ExpertDiscard, WeighsTheComputersOwnDiscardAndAVoidOfEachSuitThatCanBeVoided) {
  testing::DealDriver driver;
  Game& game = driver.game;
  using testing::Join;
  using testing::SuitCards;
  testing::DealAround(
      game.flow.state, kEast,
      Join({testing::Trumps({21, 20, 19, 18, 17, 16, 15, 14, 13, 12}), SuitCards(kPique, {4, 3}),
            SuitCards(kCoeur, {14, 13, 2}), SuitCards(kTrefle, {12, 5, 1})}),
      Join({SuitCards(kCarreau, {13, 11, 7, 6}), SuitCards(kPique, {9}), SuitCards(kTrefle, {2})}));
  game.flow.state.Taker = kEast;
  game.flow.state.AnnouncedBid.Fill(kPasse);
  game.flow.state.AnnouncedBid[kEast] = kGarde;
  game.flow.state.HighestBid = kGarde;

  const auto candidates = CandidateDiscards(game.flow.state);
  GameState computer = game.flow.state;
  ComputerDiscard(computer);
  ASSERT_FALSE(candidates.empty());
  EXPECT_EQ(candidates.front()->Dog, computer.Dog);
  EXPECT_EQ(candidates.front()->Hands, computer.Hands);
  for (std::size_t a = 0; a < candidates.size(); ++a) {
    for (std::size_t b = a + 1; b < candidates.size(); ++b)
      EXPECT_NE(candidates[a]->Dog, candidates[b]->Dog);
  }
  const auto voids = [&](int suit) {
    return std::any_of(candidates.begin(), candidates.end(), [suit](const auto& candidate) {
      return std::none_of(candidate->Hands[kEast].begin(), candidate->Hands[kEast].end(),
                          [suit](const Card& card) { return card.Suit == suit; });
    });
  };
  EXPECT_TRUE(voids(kPique));
  EXPECT_TRUE(voids(kTrefle));
  EXPECT_TRUE(voids(kCarreau));
  EXPECT_FALSE(voids(kCoeur));
}

// The Expert keeps one of the discards it weighed, and the computer's own is among those it can
// keep: over deals with several candidates, it is kept now and then.
TEST(ExpertDiscard, KeepsOneOfItsCandidatesTheComputersOwnIncluded) {
  testing::DealDriver driver;
  Game& game = driver.game;
  std::mt19937 south(5);
  int weighed = 0;
  int own_kept = 0;
  for (int deal = 0; deal < 60 && weighed < 8; ++deal) {
    if (!AComputerTakes(driver, south))
      continue;
    const auto candidates = CandidateDiscards(game.flow.state);
    if (candidates.size() < 2)
      continue;
    ++weighed;
    GameState expert = game.flow.state;
    ExpertDiscard(expert, Thinking{2});
    const auto kept = std::find_if(candidates.begin(), candidates.end(), [&](const auto& c) {
      return c->Dog == expert.Dog && c->Hands == expert.Hands;
    });
    ASSERT_NE(kept, candidates.end()) << "deal " << deal;
    if (kept == candidates.begin())
      ++own_kept;
  }
  EXPECT_EQ(weighed, 8);
  EXPECT_GT(own_kept, 0);
}

}  // namespace
}  // namespace zarvane
