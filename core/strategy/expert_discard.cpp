#include "core/strategy/expert_discard.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/deal.h"
#include "core/discard.h"
#include "core/play_preparation.h"
#include "core/scoring.h"
#include "core/strategy/auction_reading.h"
#include "core/strategy/hidden_cards.h"
#include "core/strategy/rehearsal.h"

namespace zarvane {

namespace {

constexpr TrialBudget kBudget{.first_deals = 24, .kept = 2, .more_deals = 40};
constexpr int kCandidateDraws = 8;
constexpr int kDrawsPerWorld = 16;
constexpr int kProLevel = 4;

std::uint32_t DiscardSeed(const GameState& game) {
  return game.random.GeneratorState ^ static_cast<std::uint32_t>(game.Taker * 0x9E3779B9u) ^
         0xD15Cu;
}

// The game after each distinct discard the computer's way makes, the first with the game's own
// draws.
std::vector<std::unique_ptr<GameState>> CandidateDiscards(const GameState& game,
                                                          std::uint32_t seed) {
  std::vector<std::unique_ptr<GameState>> candidates;
  for (int draw = 0; draw < kCandidateDraws; ++draw) {
    auto candidate = std::make_unique<GameState>(game);
    if (draw > 0)
      candidate->random = TrialGenerator(seed, -draw);
    ComputerDiscard(*candidate);
    const bool known = std::any_of(candidates.begin(), candidates.end(),
                                   [&](const auto& other) { return other->Dog == candidate->Dog; });
    if (!known)
      candidates.push_back(std::move(candidate));
  }
  return candidates;
}

class DiscardTrials {
 public:
  DiscardTrials(const GameState& game, std::vector<std::unique_ptr<GameState>>& candidates,
                std::uint32_t seed, const Thinking& thinking)
      : game_(game),
        candidates_(candidates),
        seed_(seed),
        defence_cards_(CardsOfOtherSeats(game, game.Taker)),
        trials_(ThreadCount(thinking)) {}

  // Adds to each discard's sum the taker's score in trial deal `index`: every discard meets the
  // same defenders' hands and the same draws.
  void PlayDeal(int thread, int index, const std::vector<int>& choices, std::vector<long>& sums) {
    if (!trials_[thread])
      trials_[thread] = std::make_unique<GameState>(game_);
    GameState& trial = *trials_[thread];
    Generator draws = TrialGenerator(seed_, index);
    const DealtDeal deal =
        DrawDealAfterBids(game_, game_.Taker, defence_cards_, draws, kDrawsPerWorld);
    const auto common = static_cast<std::uint32_t>(RandomBelow(draws, ~0u));
    for (std::size_t c = 0; c < choices.size(); ++c) {
      trial = *candidates_[static_cast<std::size_t>(choices[c])];
      for (int seat = 1; seat <= 4; ++seat) {
        if (seat != trial.Taker)
          trial.Hands[seat] = deal.Hands[seat];
      }
      SortHands(trial);
      trial.random.GeneratorState = common;
      trial.options.Level = kProLevel;
      PreparePlay(trial);
      trial.DealPhase = Phase::Playing;
      PlayToTheEnd(trial);
      sums[c] += TakerScore(trial);
    }
  }

 private:
  const GameState& game_;
  std::vector<std::unique_ptr<GameState>>& candidates_;
  std::uint32_t seed_;
  std::vector<Card> defence_cards_;
  std::vector<std::unique_ptr<GameState>> trials_;
};

}  // namespace

void ExpertDiscard(GameState& game, const Thinking& thinking) {
  const std::uint32_t seed = DiscardSeed(game);
  std::vector<std::unique_ptr<GameState>> candidates = CandidateDiscards(game, seed);
  std::vector<int> choices;
  for (std::size_t c = 0; c < candidates.size(); ++c)
    choices.push_back(static_cast<int>(c));
  int best = 0;
  if (choices.size() > 1) {
    DiscardTrials trials(game, candidates, seed, thinking);
    best = std::max(0, BestByTrials(choices, kBudget, thinking,
                                    [&](int thread, int index, const std::vector<int>& some,
                                        std::vector<long>& sums) {
                                      trials.PlayDeal(thread, index, some, sums);
                                    }));
  }
  const Generator after_computer_discard = candidates.front()->random;
  game = *candidates[static_cast<std::size_t>(best)];
  game.random = after_computer_discard;
}

}  // namespace zarvane
