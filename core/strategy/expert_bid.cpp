#include "core/strategy/expert_bid.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/deal.h"
#include "core/discard.h"
#include "core/hand_evaluation.h"
#include "core/play_preparation.h"
#include "core/scoring.h"
#include "core/strategy/auction_reading.h"
#include "core/strategy/hidden_cards.h"
#include "core/strategy/rehearsal.h"

namespace zarvane {

namespace {

// Each deal is the likeliest of a few draws in the light of the bids already made.
constexpr TrialBudget kBidBudget{.first_deals = 24, .kept = 2, .more_deals = 40};
constexpr int kBidDrawsPerWorld = 16;

// Not the seed of the seat's cards in the same deal: the auction comes before any card.
std::uint32_t BidSeed(const GameState& game, int seat) {
  return game.random.GeneratorState ^ static_cast<std::uint32_t>(seat * 0x9E3779B9u) ^ 0xB1Du;
}

// The other hands and the dog: every card but the seat's own 18.
std::vector<Card> CardsNotInHand(const GameState& game, int seat) {
  std::vector<Card> cards = CardsOfOtherSeats(game, seat);
  cards.insert(cards.end(), game.Dog.begin(), game.Dog.end());
  return cards;
}

// The seat's score once it has bid; 0 when every seat passes and the cards are dealt again.
int ScoreAfterBid(GameState& trial, int seat, int bid) {
  return PlayOutAfterBid(trial, seat, bid) ? SeatGain(trial, seat) : 0;
}

class BidTrials {
 public:
  BidTrials(const GameState& game, int seat, const Thinking& thinking)
      : game_(game),
        seat_(seat),
        seed_(BidSeed(game, seat)),
        unseen_(CardsNotInHand(game, seat)),
        base_(std::make_unique<GameState>(game)),
        worlds_(thinking, *base_),
        trials_(thinking, *base_) {
    base_->options.Level = kProLevel;
  }

  // Adds to each bid's sum the seat's score in trial deal `index`: every bid meets the same
  // hands and the same draws of the other seats.
  void PlayDeal(int thread, int index, const std::vector<int>& bids, std::vector<long>& sums) {
    GameState& world = worlds_[thread];
    GameState& trial = trials_[thread];
    Generator draws = TrialGenerator(seed_, index);
    world = *base_;
    DealGivenHands(world, DrawDealAfterBids(game_, seat_, unseen_, draws, kBidDrawsPerWorld));
    world.random.GeneratorState = static_cast<std::uint32_t>(RandomBelow(draws, ~0u));
    for (std::size_t b = 0; b < bids.size(); ++b) {
      trial = world;
      sums[b] += ScoreAfterBid(trial, seat_, bids[b]);
    }
  }

 private:
  const GameState& game_;
  int seat_;
  std::uint32_t seed_;
  std::vector<Card> unseen_;
  std::unique_ptr<GameState> base_;
  ThreadCopies<GameState> worlds_;
  ThreadCopies<GameState> trials_;
};

}  // namespace

std::vector<int> PossibleBids(const GameState& game) {
  std::vector<int> bids{kPasse};
  for (int bid = std::max(kPrise, game.HighestBid + 1); bid <= kGardeContre; ++bid)
    bids.push_back(bid);
  return bids;
}

bool PlayOutAfterBid(GameState& trial, int seat, int bid) {
  trial.AnnouncedBid[seat] = static_cast<std::int8_t>(bid);
  bool spoken = false;
  int highest = kPasse;
  trial.Taker = 0;
  for (int other = trial.FirstPlayer, n = 0; n < 4; other = NextSeat(other), ++n) {
    if (spoken) {
      const int computed = trial.ComputedBid[other];
      trial.AnnouncedBid[other] = static_cast<std::int8_t>(computed > highest ? computed : kPasse);
    }
    spoken = spoken || other == seat;
    if (trial.AnnouncedBid[other] > highest) {
      highest = trial.AnnouncedBid[other];
      trial.Taker = other;
    }
  }
  if (highest == kPasse)
    return false;
  trial.HighestBid = highest;
  trial.TrickNumber = 1;
  trial.DiscardOrigin.Fill(-1);
  if (highest <= kGarde) {
    trial.DogWasShown = 1;
    ComputerDiscard(trial);
  } else {
    PreparePlay(trial);
  }
  trial.DealPhase = Phase::Playing;
  PlayToTheEnd(trial);
  return true;
}

std::optional<int> ExpertBid(const GameState& game, int seat, const Thinking& thinking) {
  BidTrials trials(game, seat, thinking);
  return BestByTrials(PossibleBids(game), kBidBudget, thinking,
                      [&](int thread, int index, const std::vector<int>& bids,
                          std::vector<long>& sums) { trials.PlayDeal(thread, index, bids, sums); });
}

}  // namespace zarvane
