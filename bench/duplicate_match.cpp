#include <chrono>
#include <cstdio>

#include "bench/pairing.h"
#include "bench/tables.h"

namespace zarvane {

namespace {

constexpr int kProLevel = 4;

// The Expert seat of a deal: each seat in turn, four deals each, so that it meets every first
// player.
int ExpertSeat(int deal) {
  return deal / 4 % 4 + 1;
}

LevelRule ExpertAtItsSeat() {
  return
      [](int deal, int seat, int) { return seat == ExpertSeat(deal) ? kExpertLevel : kProLevel; };
}

}  // namespace

void RunDuplicateMatch(int deals, unsigned seed, int threads) {
  const auto start = std::chrono::steady_clock::now();
  const LevelRule pro = [](int, int, int) { return kProLevel; };
  const auto results =
      PlayTables({{pro, pro}, {ExpertAtItsSeat(), ExpertAtItsSeat()}, {pro, ExpertAtItsSeat()}},
                 deals, seed, threads);
  const auto& all_pro = results[0];
  const auto& expert = results[1];
  const auto& cards_only = results[2];
  std::vector<double> pro_scores, expert_scores, gains, card_gains, bid_gains;
  int other_contracts = 0;
  for (int deal = 0; deal < deals; ++deal) {
    const int seat = ExpertSeat(deal);
    const double pro_score = all_pro[deal].seat_scores[seat];
    pro_scores.push_back(pro_score);
    expert_scores.push_back(expert[deal].seat_scores[seat]);
    gains.push_back(expert[deal].seat_scores[seat] - pro_score);
    card_gains.push_back(cards_only[deal].seat_scores[seat] - pro_score);
    bid_gains.push_back(expert[deal].seat_scores[seat] - cards_only[deal].seat_scores[seat]);
    other_contracts += expert[deal].fingerprint != all_pro[deal].fingerprint ? 1 : 0;
  }
  const auto print = [](const char* what, const std::vector<double>& values) {
    const Estimate e = Estimated(values);
    std::printf("  %-44s %+7.1f +- %.1f\n", what, e.mean, e.half_width);
  };
  std::printf("Duplicate match, %d deals, seed %u, %.0f s; one seat in turn is Expert\n", deals,
              seed,
              std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  std::printf("  the Expert's bids changed the contract in %d deals\n", other_contracts);
  std::printf("  mean score per deal of that seat (95 %% interval):\n");
  print("Pro in its place, among Pro seats", pro_scores);
  print("Expert", expert_scores);
  std::printf("  the Expert seat's gain over Pro in its place, deal by deal:\n");
  print("in everything", gains);
  print("in its cards only (bids and discard at Pro)", card_gains);
  print("the part of its bids and discard", bid_gains);
}

}  // namespace zarvane
