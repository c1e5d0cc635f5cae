#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "common/random.h"

namespace zarvane {

// How the Expert thinks: on how many threads its trial deals run, and a flag that, once set,
// stops the thinking between two trial deals, its choice then of no use.
struct Thinking {
  int threads = 2;
  const std::atomic<bool>* cancel = nullptr;
  // For measuring only, never in the game: the true deal in place of every drawn one, the
  // most the look-ahead could get from reading the other hands.
  bool sees_every_hand = false;
  // For measuring only: the trial deals of a card's choice, times this.
  int trial_scale = 1;
  // For measuring only when false: trial deals chosen by the auction alone, not also by how
  // well the rules explain the cards played so far.
  bool reads_plays = true;
  // For measuring only when false: of the cards played, the other side's read, not the
  // partners'.
  bool reads_partners = true;
  // The "Pro" rules' card is kept to the end of a card's trials and played unless another beats
  // it by more than this many standard errors: a lead the draws' luck gives is not worth
  // puzzling the partners, who read the play as the rules'. Negative, for measuring only: the
  // trials alone decide.
  double proof_against_rules = 2;
  // The same for the taker up to the 12th trick: he has no partner to puzzle, and the trials
  // see further than his rules while many cards are left; in the last tricks a lead of luck
  // costs him as much as it does the defence.
  double taker_proof_before_last_tricks = 1;
};

bool Stopped(const Thinking& thinking);

// One trial deal's generator: the decision's seed and the deal's index, mixed so that
// neighbouring indices draw unrelated deals.
Generator TrialGenerator(std::uint32_t seed, int index);

// Plays the trial deals numbered from `first` to `first + count - 1`, each once, as
// `play(thread, index)`, shared out among the thinking's threads (thread 0 is the caller's);
// stops between two deals once the thinking is stopped. A deal's draws depend on its index
// alone and each thread keeps its own sums, so the order the threads take them in is free.
void ShareOutTrials(const Thinking& thinking, int first, int count,
                    const std::function<void(int thread, int index)>& play);

// How many threads share the trial deals out.
int ThreadCount(const Thinking& thinking);

// One copy of a state for each thread, made on the thread's first trial deal, so that a thread
// that gets no deal costs no copy.
template <typename State>
class ThreadCopies {
 public:
  ThreadCopies(const Thinking& thinking, const State& model)
      : model_(model), copies_(static_cast<std::size_t>(ThreadCount(thinking))) {}

  State& operator[](int thread) {
    auto& copy = copies_[static_cast<std::size_t>(thread)];
    if (!copy)
      copy = std::make_unique<State>(model_);
    return *copy;
  }

 private:
  const State& model_;
  std::vector<std::unique_ptr<State>> copies_;
};

// Adds to sums[c] the score, for the side that chooses, of choices[c] played out in trial deal
// `index`, on thread `thread`.
using PlayChoices = std::function<void(int thread, int index, const std::vector<int>& choices,
                                       std::vector<long>& sums)>;

// How many trial deals a decision plays: every choice on the first ones, then the best few on
// more. Fixed, so that a replayed deal decides alike.
struct TrialBudget {
  int first_deals = 0;
  std::size_t kept = 0;
  int more_deals = 0;
};

// A choice kept to the end of the trials and made unless another proves better: the other's
// trial deals must beat it by more than `proof` standard errors of their difference, deal by
// deal, so that a lead the draws' luck could give does not count.
struct Favourite {
  std::optional<int> choice;
  double proof = 0;
};

// The choice whose trial deals score best in total, the first of equals, or the favourite
// unless that best proves better; none when the thinking was stopped.
std::optional<int> BestByTrials(const std::vector<int>& choices, const TrialBudget& budget,
                                const Thinking& thinking, const PlayChoices& play,
                                const Favourite& favourite = {});

}  // namespace zarvane
