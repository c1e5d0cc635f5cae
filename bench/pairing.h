#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarvane {

// A level for the taker's side and one for the defence; everybody bids at Pro, and discards at
// Pro unless the taker's side discards at its level, as it does in the game.
struct Pairing {
  int taker_level = 4;
  int defence_level = 4;
  bool taker_discards = false;
};

// "5:4", or "5d:4" when the taker discards at his level.
std::string PairingLabel(const Pairing& pairing);

// The pairing a label names; none when it names none.
std::optional<Pairing> PairingFromLabel(std::string_view label);

// Plays the same deals under every pairing and prints for each the contracts made and the
// mean taker score with their 95 % confidence intervals, and how each differs from the first
// pairing deal by deal; each deal's outcome goes to the file `outcomes` too, unless it is empty.
// False, with a message, when that file cannot be written.
bool RunPairings(const std::vector<Pairing>& pairings, int deals, unsigned seed, int threads,
                 const std::string& outcomes = {});

// A duplicate match: every deal at a table of four Pro seats and at tables where one seat, in
// turn each, is Expert in everything, in its bids alone, in its discard alone. Prints that
// seat's mean score per deal against the Pro seat's in its place, and its gain at each table;
// the parts only, without the costly Expert cards, when asked.
void RunDuplicateMatch(int deals, unsigned seed, int threads, bool parts_only);

}  // namespace zarvane
