#include "core/strategy/expert_discard.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <tuple>
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

constexpr TrialBudget kDiscardBudget{.first_deals = 32, .kept = 2, .more_deals = 100};
constexpr int kComputerDraws = 4;
constexpr int kDiscardDrawsPerWorld = 16;

std::uint32_t DiscardSeed(const GameState& game) {
  return game.random.GeneratorState ^ static_cast<std::uint32_t>(game.Taker * 0x9E3779B9u) ^
         0xD15Cu;
}

// The game once the taker has set aside the merged cards at these positions, play prepared.
std::unique_ptr<GameState> WithDiscard(const GameState& game, const std::vector<int>& positions) {
  auto discarded = std::make_unique<GameState>(game);
  discarded->MergedCards = MergeWithDog(game, game.Taker);
  discarded->KeepFlags.Fill(1);
  for (int i : positions)
    discarded->KeepFlags[i] = 0;
  discarded->DiscardCount = 6;
  WriteBackDiscard(*discarded);
  FillDiscardOrigin(*discarded);
  PreparePlay(*discarded);
  return discarded;
}

// Six of the taker's 24 cards that void the suit, when it can be voided (no king, at most six
// cards), then the honours and the cards of the shortest suits, the longest suit last; none
// when the plain cards below the kings are too few. Without a suit to void, the honours first.
std::vector<int> VoidThenHonours(const Table<Card, 1, 24>& merged, int void_suit) {
  PerSuit<int> length{};
  for (const Card& card : merged) {
    if (card.Suit != kAtout)
      ++length[card.Suit];
  }
  std::vector<int> positions;
  std::vector<int> others;
  for (int i = 1; i <= 24; ++i) {
    const Card& card = merged[i];
    if (card.Suit == void_suit && !IsDiscardable(card))
      return {};
    if (IsDiscardable(card))
      (card.Suit == void_suit ? positions : others).push_back(i);
  }
  if (positions.size() > 6)
    return {};
  const auto rank = [&](int i) {
    const Card& card = merged[i];
    return std::tuple(card.Value < kJack, length[card.Suit], -card.Value);
  };
  std::stable_sort(others.begin(), others.end(), [&](int a, int b) { return rank(a) < rank(b); });
  for (int i : others) {
    if (positions.size() < 6)
      positions.push_back(i);
  }
  return positions.size() == 6 ? positions : std::vector<int>{};
}

class DiscardTrials {
 public:
  DiscardTrials(const GameState& game, std::vector<std::unique_ptr<GameState>>& candidates,
                std::uint32_t seed, const Thinking& thinking)
      : game_(game),
        candidates_(candidates),
        seed_(seed),
        defence_cards_(CardsOfOtherSeats(game, game.Taker)),
        trials_(thinking, game) {}

  // Adds to each discard's sum the taker's score in trial deal `index`: every discard meets the
  // same defenders' hands and the same draws.
  void PlayDeal(int thread, int index, const std::vector<int>& choices, std::vector<long>& sums) {
    GameState& trial = trials_[thread];
    Generator draws = TrialGenerator(seed_, index);
    const DealtDeal deal =
        DrawDealAfterBids(game_, game_.Taker, defence_cards_, draws, kDiscardDrawsPerWorld);
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
  ThreadCopies<GameState> trials_;
};

}  // namespace

// The computer's own way's discards, with the game's draws first and a few others, then those
// that void each suit in turn or none.
std::vector<std::unique_ptr<GameState>> CandidateDiscards(const GameState& game) {
  const std::uint32_t seed = DiscardSeed(game);
  std::vector<std::unique_ptr<GameState>> candidates;
  const auto add = [&candidates](std::unique_ptr<GameState> candidate) {
    const bool known = std::any_of(candidates.begin(), candidates.end(),
                                   [&](const auto& other) { return other->Dog == candidate->Dog; });
    if (!known)
      candidates.push_back(std::move(candidate));
  };
  for (int draw = 0; draw < kComputerDraws; ++draw) {
    auto candidate = std::make_unique<GameState>(game);
    if (draw > 0)
      candidate->random = TrialGenerator(seed, -draw);
    ComputerDiscard(*candidate);
    add(std::move(candidate));
  }
  const Table<Card, 1, 24> merged = MergeWithDog(game, game.Taker);
  for (int suit = kNoSuit; suit <= kCarreau; ++suit) {
    if (suit == kAtout)
      continue;
    const std::vector<int> positions = VoidThenHonours(merged, suit);
    if (!positions.empty())
      add(WithDiscard(game, positions));
  }
  return candidates;
}

void ExpertDiscard(GameState& game, const Thinking& thinking) {
  const std::uint32_t seed = DiscardSeed(game);
  std::vector<std::unique_ptr<GameState>> candidates = CandidateDiscards(game);
  std::vector<int> choices;
  for (std::size_t c = 0; c < candidates.size(); ++c)
    choices.push_back(static_cast<int>(c));
  int best = 0;
  if (choices.size() > 1) {
    DiscardTrials trials(game, candidates, seed, thinking);
    // Stopped, the computer's own discard stands.
    best =
        BestByTrials(choices, kDiscardBudget, thinking,
                     [&](int thread, int index, const std::vector<int>& some,
                         std::vector<long>& sums) { trials.PlayDeal(thread, index, some, sums); })
            .value_or(0);
  }
  const Generator after_computer_discard = candidates.front()->random;
  game = *candidates[static_cast<std::size_t>(best)];
  game.random = after_computer_discard;
}

}  // namespace zarvane
