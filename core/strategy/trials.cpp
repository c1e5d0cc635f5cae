#include "core/strategy/trials.h"

#include <algorithm>
#include <cmath>
#include <thread>
#include <vector>

namespace zarvane {

bool Stopped(const Thinking& thinking) {
  return thinking.cancel != nullptr && thinking.cancel->load();
}

Generator TrialGenerator(std::uint32_t seed, int index) {
  std::uint32_t h = seed ^ (static_cast<std::uint32_t>(index) * 0x9E3779B9u);
  h ^= h >> 16;
  h *= 0x85EBCA6Bu;
  h ^= h >> 13;
  h *= 0xC2B2AE35u;
  h ^= h >> 16;
  return Generator{h};
}

void ShareOutTrials(const Thinking& thinking, int first, int count,
                    const std::function<void(int thread, int index)>& play) {
  std::atomic<int> next{first};
  const auto work = [&](int thread) {
    for (int index = next++; index < first + count && !Stopped(thinking); index = next++)
      play(thread, index);
  };
  std::vector<std::thread> helpers;
  for (int thread = 1; thread < ThreadCount(thinking); ++thread)
    helpers.emplace_back(work, thread);
  work(0);
  for (std::thread& helper : helpers)
    helper.join();
}

int ThreadCount(const Thinking& thinking) {
  return std::max(1, thinking.threads);
}

namespace {

// A choice's score summed over trial deals, and the sum of the squares of its differences, deal
// by deal, from the favourite's.
struct Tally {
  long total = 0;
  double squared_gaps = 0;
};

// Each choice's tally over the trial deals numbered from `first` to `first + count - 1`, its
// gaps taken from choices[favourite] when there is one.
std::vector<Tally> Tallies(const std::vector<int>& choices, std::optional<std::size_t> favourite,
                           int first, int count, const Thinking& thinking,
                           const PlayChoices& play) {
  std::vector<std::vector<Tally>> sums(ThreadCount(thinking), std::vector<Tally>(choices.size()));
  ShareOutTrials(thinking, first, count, [&](int thread, int index) {
    std::vector<long> scores(choices.size(), 0);
    play(thread, index, choices, scores);
    for (std::size_t c = 0; c < choices.size(); ++c) {
      Tally& tally = sums[thread][c];
      tally.total += scores[c];
      if (favourite) {
        const double gap = static_cast<double>(scores[c] - scores[*favourite]);
        tally.squared_gaps += gap * gap;
      }
    }
  });
  std::vector<Tally> tallies(choices.size());
  for (const std::vector<Tally>& sum : sums) {
    for (std::size_t c = 0; c < tallies.size(); ++c) {
      tallies[c].total += sum[c].total;
      tallies[c].squared_gaps += sum[c].squared_gaps;
    }
  }
  return tallies;
}

std::optional<std::size_t> PositionOf(const std::vector<int>& choices, std::optional<int> choice) {
  const auto at = std::find(choices.begin(), choices.end(), choice.value_or(-1));
  if (!choice || at == choices.end())
    return std::nullopt;
  return static_cast<std::size_t>(at - choices.begin());
}

// The choices with the best totals, at most `count`, in their order, the favourite added.
std::vector<int> Best(const std::vector<int>& choices, const std::vector<Tally>& tallies,
                      std::size_t count, std::optional<int> favourite) {
  std::vector<std::size_t> order(choices.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return tallies[a].total > tallies[b].total;
  });
  order.resize(std::min(count, order.size()));
  const std::optional<std::size_t> favourite_at = PositionOf(choices, favourite);
  if (favourite_at && std::find(order.begin(), order.end(), *favourite_at) == order.end())
    order.push_back(*favourite_at);
  std::sort(order.begin(), order.end());
  std::vector<int> best;
  for (std::size_t i : order)
    best.push_back(choices[i]);
  return best;
}

// Whether a choice beats the favourite over `deals` trial deals by more than the proof asks.
bool ProvedBetter(const Tally& choice, const Tally& favourite, int deals, double proof) {
  const double mean_gap = static_cast<double>(choice.total - favourite.total) / deals;
  const double variance =
      deals > 1 ? (choice.squared_gaps - deals * mean_gap * mean_gap) / (deals - 1) : 0;
  return mean_gap > proof * std::sqrt(std::max(0.0, variance) / deals);
}

}  // namespace

std::optional<int> BestByTrials(const std::vector<int>& choices, const TrialBudget& budget,
                                const Thinking& thinking, const PlayChoices& play,
                                const Favourite& favourite) {
  const std::optional<std::size_t> favourite_first = PositionOf(choices, favourite.choice);
  const std::vector<Tally> tallies =
      Tallies(choices, favourite_first, 0, budget.first_deals, thinking, play);
  const std::vector<int> kept = Best(choices, tallies, budget.kept, favourite.choice);
  const std::optional<std::size_t> favourite_kept = PositionOf(kept, favourite.choice);
  std::vector<Tally> kept_tallies =
      Tallies(kept, favourite_kept, budget.first_deals, budget.more_deals, thinking, play);
  for (std::size_t k = 0; k < kept.size(); ++k) {
    const Tally& earlier = tallies[*PositionOf(choices, kept[k])];
    kept_tallies[k].total += earlier.total;
    kept_tallies[k].squared_gaps += earlier.squared_gaps;
  }
  if (Stopped(thinking))
    return std::nullopt;
  const int best = Best(kept, kept_tallies, 1, std::nullopt).front();
  if (!favourite_kept)
    return best;
  const Tally& best_tally = kept_tallies[*PositionOf(kept, best)];
  const bool proved = ProvedBetter(best_tally, kept_tallies[*favourite_kept],
                                   budget.first_deals + budget.more_deals, favourite.proof);
  return proved ? best : kept[*favourite_kept];
}

}  // namespace zarvane
