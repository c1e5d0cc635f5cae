#include <chrono>
#include <cstdio>

#include "bench/pairing.h"
#include "bench/tables.h"

namespace zarvane {

namespace {

// The Expert seat of a deal: each seat in turn, four deals each, so that it meets every first
// player.
int ExpertSeat(int deal) {
  return deal / 4 % 4 + 1;
}

const LevelRule kPro = [](int, int, int) { return kProLevel; };
const LevelRule kExpertAtItsSeat = [](int deal, int seat, int) {
  return seat == ExpertSeat(deal) ? kExpertLevel : kProLevel;
};

void Print(const char* what, const std::vector<double>& values) {
  const Estimate e = Estimated(values);
  std::printf("  %-55s %+7.1f +- %.1f\n", what, e.mean, e.half_width);
}

}  // namespace

void RunDuplicateMatch(int deals, unsigned seed, int threads, bool parts_only) {
  const auto start = std::chrono::steady_clock::now();
  // The bids and the discard alone are measured with Pro cards everywhere: they cost little to
  // play, and what they are worth does not hide behind the cards' gain.
  std::vector<Players> tables{
      {kPro, kPro, kPro}, {kExpertAtItsSeat, kPro, kPro}, {kPro, kExpertAtItsSeat, kPro}};
  if (!parts_only)
    tables.push_back({kExpertAtItsSeat, kExpertAtItsSeat, kExpertAtItsSeat});
  const auto results = PlayTables(tables, deals, seed, threads);
  std::vector<double> pro, expert, gain, bids_gain, discard_gain;
  int other_contracts = 0;
  for (int deal = 0; deal < deals; ++deal) {
    const int seat = ExpertSeat(deal);
    const auto score = [&](std::size_t table) {
      return 1.0 * results[table][deal].seat_scores[seat];
    };
    pro.push_back(score(0));
    bids_gain.push_back(score(1) - score(0));
    discard_gain.push_back(score(2) - score(0));
    other_contracts += results[1][deal].fingerprint != results[0][deal].fingerprint ? 1 : 0;
    if (!parts_only) {
      expert.push_back(score(3));
      gain.push_back(score(3) - score(0));
    }
  }
  std::printf("Duplicate match, %d deals, seed %u, %.0f s; one seat in turn is Expert\n", deals,
              seed,
              std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  std::printf("  the Expert's bids changed the contract in %d deals\n", other_contracts);
  std::printf("  mean score per deal of that seat (95 %% interval):\n");
  Print("Pro in its place, among Pro seats", pro);
  if (!parts_only)
    Print("Expert", expert);
  std::printf("  the Expert seat's gain over Pro in its place, deal by deal:\n");
  if (!parts_only)
    Print("in everything", gain);
  Print("in its bids alone (its discard and every card at Pro)", bids_gain);
  Print("in its discard alone (its bids and every card at Pro)", discard_gain);
}

}  // namespace zarvane
