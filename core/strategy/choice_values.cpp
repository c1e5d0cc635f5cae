#include "core/strategy/choice_values.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/scoring.h"
#include "core/strategy/card_trials.h"
#include "core/strategy/expert_bid.h"
#include "core/strategy/rehearsal.h"

namespace zarvane {

namespace {

// Apart from the seeds of the Expert's own bid and discard at the same moment.
constexpr std::uint32_t kBidSalt = 0xA1B1Du;
constexpr std::uint32_t kDiscardSalt = 0xA1D15Cu;

std::uint32_t DecisionSeed(const Core& position, int seat, std::uint32_t salt) {
  return position.random.GeneratorState ^ static_cast<std::uint32_t>(seat * 0x9E3779B9u) ^ salt;
}

// The generator a play-out gives every choice alike.
std::uint32_t PlayOutDraws(std::uint32_t seed, int index) {
  Generator draws = TrialGenerator(seed, index);
  return static_cast<std::uint32_t>(RandomBelow(draws, ~0u));
}

PlayOutEnd EndOf(const Core& scored, int seat) {
  return {SeatGain(scored, seat), ComputeScoreSteps(scored).made};
}

using PlayOneOut = std::function<void(int thread, int index, std::vector<PlayOutEnd>& ends)>;

// Play-outs 0 to count - 1 shared out among the threads, each filling its own row, so that the
// rows are the same whichever thread played them; the rows not reached once the thinking is
// stopped stay empty.
PlayOuts PlayOutEach(std::size_t choices, int count, const Thinking& thinking,
                     const PlayOneOut& play) {
  PlayOuts play_outs(static_cast<std::size_t>(count), std::vector<PlayOutEnd>(choices));
  ShareOutTrials(thinking, 0, count, [&](int thread, int index) {
    play(thread, index, play_outs[static_cast<std::size_t>(index)]);
  });
  return play_outs;
}

}  // namespace

PlayOuts PlayOutCards(const Core& position, int seat, const std::vector<int>& slots, int count,
                      const Thinking& thinking) {
  CardTrials trials(position, seat, thinking);
  return PlayOutEach(slots.size(), count, thinking,
                     [&](int thread, int index, std::vector<PlayOutEnd>& ends) {
                       const Core& world = trials.World(thread, index);
                       for (std::size_t c = 0; c < slots.size(); ++c)
                         ends[c] = EndOf(trials.PlayedOut(thread, world, slots[c]), seat);
                     });
}

PlayOuts PlayOutBids(const GameState& position, int seat, const std::vector<int>& bids, int count,
                     const Thinking& thinking) {
  auto base = std::make_unique<GameState>(position);
  base->options.Level = kProLevel;
  ThreadCopies<GameState> trials(thinking, *base);
  const std::uint32_t seed = DecisionSeed(position, seat, kBidSalt);
  return PlayOutEach(
      bids.size(), count, thinking, [&](int thread, int index, std::vector<PlayOutEnd>& ends) {
        const std::uint32_t draws = PlayOutDraws(seed, index);
        GameState& trial = trials[thread];
        for (std::size_t b = 0; b < bids.size(); ++b) {
          trial = *base;
          trial.random.GeneratorState = draws;
          ends[b] = PlayOutAfterBid(trial, seat, bids[b]) ? EndOf(trial, seat) : PlayOutEnd{};
        }
      });
}

PlayOuts PlayOutDiscards(const std::vector<const Core*>& discarded, int seat, int count,
                         const Thinking& thinking) {
  ThreadCopies<Core> trials(thinking, *discarded.front());
  const std::uint32_t seed = DecisionSeed(*discarded.front(), seat, kDiscardSalt);
  return PlayOutEach(discarded.size(), count, thinking,
                     [&](int thread, int index, std::vector<PlayOutEnd>& ends) {
                       const std::uint32_t draws = PlayOutDraws(seed, index);
                       Core& trial = trials[thread];
                       for (std::size_t c = 0; c < discarded.size(); ++c) {
                         trial = *discarded[c];
                         trial.options.Level = kProLevel;
                         trial.random.GeneratorState = draws;
                         trial.DealPhase = Phase::Playing;
                         PlayToTheEnd(trial);
                         ends[c] = EndOf(trial, seat);
                       }
                     });
}

PlayOuts PlayOutPoignees(const Core& position, int seat, int highest, int count,
                         const Thinking& thinking) {
  CardTrials worlds(position, seat, thinking);
  ThreadCopies<Core> trials(thinking, position);
  return PlayOutEach(static_cast<std::size_t>(highest) + 1, count, thinking,
                     [&](int thread, int index, std::vector<PlayOutEnd>& ends) {
                       Core& trial = trials[thread];
                       trial = worlds.World(thread, index);
                       PlayToTheEnd(trial);
                       for (int level = 0; level <= highest; ++level) {
                         trial.PoigneeLevel = level;
                         ends[static_cast<std::size_t>(level)] = EndOf(trial, seat);
                       }
                     });
}

ChoiceComparison CompareChoices(const PlayOuts& play_outs, std::size_t chosen) {
  ChoiceComparison comparison{.best = chosen};
  if (play_outs.empty())
    return comparison;
  const std::size_t choices = play_outs.front().size();
  std::vector<long> totals(choices, 0);
  std::vector<int> made(choices, 0);
  for (const std::vector<PlayOutEnd>& ends : play_outs) {
    for (std::size_t c = 0; c < choices; ++c) {
      totals[c] += ends[c].points;
      made[c] += ends[c].made ? 1 : 0;
    }
  }
  for (std::size_t c = 0; c < choices; ++c) {
    if (totals[c] > totals[comparison.best])
      comparison.best = c;
  }
  const std::size_t best = comparison.best;
  const auto n = static_cast<double>(play_outs.size());
  comparison.chosen_points = static_cast<double>(totals[chosen]) / n;
  comparison.best_points = static_cast<double>(totals[best]) / n;
  comparison.cost = comparison.best_points - comparison.chosen_points;
  comparison.chosen_made = made[chosen] / n;
  comparison.best_made = made[best] / n;
  double squared_gaps = 0;
  for (const std::vector<PlayOutEnd>& ends : play_outs) {
    const double gap = ends[best].points - ends[chosen].points - comparison.cost;
    squared_gaps += gap * gap;
  }
  if (play_outs.size() > 1)
    comparison.cost_error = std::sqrt(squared_gaps / (n - 1) / n);
  return comparison;
}

}  // namespace zarvane
