#include "bench/pairing.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>

#include "bench/outcomes.h"
#include "bench/tables.h"

namespace zarvane {

namespace {

// Everybody bids at Pro, so that the contracts are the same at every table; each seat plays
// its cards at its side's level.
Players PairingPlayers(const Pairing& pairing) {
  const LevelRule pro = [](int, int, int) { return kProLevel; };
  const LevelRule discard = [pairing](int, int, int) {
    return pairing.taker_discards ? pairing.taker_level : kProLevel;
  };
  return {pro, discard, [pairing](int, int seat, int taker) {
            return seat == taker ? pairing.taker_level : pairing.defence_level;
          }};
}

template <typename Value>
Estimate Over(const std::vector<DealOutcome>& outcomes, Value value) {
  std::vector<double> values;
  for (std::size_t i = 0; i < outcomes.size(); ++i) {
    if (outcomes[i].taker != 0)
      values.push_back(value(i));
  }
  return Estimated(values);
}

}  // namespace

std::string PairingLabel(const Pairing& pairing) {
  return std::to_string(pairing.taker_level) + (pairing.taker_discards ? "d:" : ":") +
         std::to_string(pairing.defence_level);
}

std::optional<Pairing> PairingFromLabel(std::string_view label) {
  Pairing pairing;
  const char* end = label.data() + label.size();
  auto [after_taker, taker_error] = std::from_chars(label.data(), end, pairing.taker_level);
  if (after_taker != end && *after_taker == 'd') {
    pairing.taker_discards = true;
    ++after_taker;
  }
  if (taker_error != std::errc() || after_taker == end || *after_taker != ':')
    return std::nullopt;
  const auto [after_defence, defence_error] =
      std::from_chars(after_taker + 1, end, pairing.defence_level);
  if (defence_error != std::errc() || after_defence != end)
    return std::nullopt;
  return pairing;
}

bool RunPairings(const std::vector<Pairing>& pairings, int deals, unsigned seed, int threads,
                 const std::string& outcomes) {
  // Found out before the deals are played, not after an hour of them.
  if (!outcomes.empty() && !std::ofstream(outcomes)) {
    std::fprintf(stderr, "could not write %s\n", outcomes.c_str());
    return false;
  }
  const auto start = std::chrono::steady_clock::now();
  std::vector<Players> tables;
  for (const Pairing& pairing : pairings)
    tables.push_back(PairingPlayers(pairing));
  const auto results = PlayTables(tables, deals, seed, threads);
  std::printf("%d deals a pairing, seed %u, %.0f s; the deals every seat passed are left out\n",
              deals, seed,
              std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  const bool written = outcomes.empty() || WriteOutcomes(outcomes, pairings, results);
  const auto& first = results.front();
  for (std::size_t p = 0; p < pairings.size(); ++p) {
    const auto& r = results[p];
    const Estimate made = Over(r, [&](std::size_t i) { return 100.0 * r[i].made; });
    const Estimate score = Over(r, [&](std::size_t i) { return 1.0 * r[i].taker_score; });
    std::printf("%s: made %.1f %% +- %.1f, mean taker score %.1f +- %.1f\n",
                PairingLabel(pairings[p]).c_str(), made.mean, made.half_width, score.mean,
                score.half_width);
    if (p == 0)
      continue;
    int other_deals = 0;
    for (std::size_t i = 0; i < r.size(); ++i)
      other_deals += r[i].fingerprint != first[i].fingerprint ? 1 : 0;
    const Estimate made_gain =
        Over(r, [&](std::size_t i) { return 100.0 * (r[i].made - first[i].made); });
    const Estimate score_gain =
        Over(r, [&](std::size_t i) { return 1.0 * (r[i].taker_score - first[i].taker_score); });
    std::printf(
        "  against %s, deal by deal: made %+.1f points +- %.1f, taker score %+.1f +- %.1f%s\n",
        PairingLabel(pairings[0]).c_str(), made_gain.mean, made_gain.half_width, score_gain.mean,
        score_gain.half_width, other_deals == 0 ? "" : " (some deals differ!)");
  }
  return written;
}

}  // namespace zarvane
