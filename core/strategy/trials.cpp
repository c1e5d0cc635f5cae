#include "core/strategy/trials.h"

#include <algorithm>
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

// Each choice's total over the trial deals numbered from `first` to `first + count - 1`.
std::vector<long> Totals(const std::vector<int>& choices, int first, int count,
                         const Thinking& thinking, const PlayChoices& play) {
  std::vector<std::vector<long>> sums(ThreadCount(thinking), std::vector<long>(choices.size(), 0));
  ShareOutTrials(thinking, first, count,
                 [&](int thread, int index) { play(thread, index, choices, sums[thread]); });
  std::vector<long> totals(choices.size(), 0);
  for (const std::vector<long>& sum : sums) {
    for (std::size_t c = 0; c < totals.size(); ++c)
      totals[c] += sum[c];
  }
  return totals;
}

// The choices with the best totals, at most `count`, in their order.
std::vector<int> Best(const std::vector<int>& choices, const std::vector<long>& totals,
                      std::size_t count) {
  std::vector<std::size_t> order(choices.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return totals[a] > totals[b]; });
  order.resize(std::min(count, order.size()));
  std::sort(order.begin(), order.end());
  std::vector<int> best;
  for (std::size_t i : order)
    best.push_back(choices[i]);
  return best;
}

}  // namespace

int BestByTrials(const std::vector<int>& choices, const TrialBudget& budget,
                 const Thinking& thinking, const PlayChoices& play) {
  const std::vector<long> totals = Totals(choices, 0, budget.first_deals, thinking, play);
  const std::vector<int> kept = Best(choices, totals, budget.kept);
  std::vector<long> kept_totals =
      Totals(kept, budget.first_deals, budget.more_deals, thinking, play);
  for (std::size_t k = 0; k < kept.size(); ++k) {
    const auto at = std::find(choices.begin(), choices.end(), kept[k]) - choices.begin();
    kept_totals[k] += totals[static_cast<std::size_t>(at)];
  }
  return Stopped(thinking) ? -1 : Best(kept, kept_totals, 1).front();
}

}  // namespace zarvane
