#pragma once

#include <vector>

namespace zarvane {

// A pairing's level beyond the game's: the Expert's thinking with the true deal in place of
// the drawn ones, a player who sees every hand, the ceiling of the look-ahead. For measuring
// only; the game never offers it.
inline constexpr int kSeesEveryHand = 6;

// A level for the taker's side and one for the defence.
struct Pairing {
  int taker_level = 4;
  int defence_level = 4;
};

// How one deal ended, and which deal it was, so that pairings can be compared deal by deal.
struct DealOutcome {
  unsigned fingerprint = 0;  // the dealt cards and the contract
  int made = 0;
  int taker_score = 0;
};

// Plays the deals of one batch with every seat, South too, by its side's level: South bids
// the advice, makes the first discard allowed and declines the poignee, the same in every
// pairing. The batch's seed fixes the deals and the bids, whatever the levels.
std::vector<DealOutcome> PlayPairing(const Pairing& pairing, int deals, unsigned batch_seed);

// Plays the same deals under every pairing, on several threads, and prints for each pairing
// the contracts made and the mean taker score with their 95 % confidence intervals, and how
// each differs from the first pairing deal by deal.
void RunPairings(const std::vector<Pairing>& pairings, int deals, unsigned seed, int threads);

}  // namespace zarvane
