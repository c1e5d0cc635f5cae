#pragma once

#include <string>
#include <vector>

#include "bench/pairing.h"
#include "bench/tables.h"

namespace zarvane {

// Each pairing's deals, a line each, so that a later run on the same seed can be compared deal
// by deal with this one without playing its pairings again: the Expert's pairings take the best
// part of an hour.
bool WriteOutcomes(const std::string& path, const std::vector<Pairing>& pairings,
                   const std::vector<std::vector<DealOutcome>>& results);

// Prints how pairing `b` of file `file_b` differs deal by deal from pairing `a` of file `file_a`,
// over the deals both played that a seat took. False, with a message, when a file cannot be
// read, lacks its pairing, or dealt other cards than the other.
bool CompareOutcomes(const std::string& file_a, const std::string& a, const std::string& file_b,
                     const std::string& b);

}  // namespace zarvane
