#include "bench/pairing.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "bench/null_table_view.h"
#include "core/scoring.h"
#include "core/strategy/computer_card.h"
#include "core/strategy/expert.h"
#include "flow/card_play.h"
#include "flow/deal_flow.h"
#include "flow/options_flow.h"
#include "table/game.h"
#include "table/language.h"
#include "tests/support/fixed_clock.h"
#include "tests/support/play_step.h"

namespace zarvane {

namespace {

int LevelOf(const Game& game, const Pairing& pairing, int seat) {
  return seat == game.Taker ? pairing.taker_level : pairing.defence_level;
}

constexpr Thinking kSeeingEveryHand{.sees_every_hand = true};

// Thinks on the spot as the Expert does, with the true deal in place of the drawn ones.
class SeeingThinker : public CardThinker {
 public:
  explicit SeeingThinker(Flow& game) : game_(game) {}
  void Think(const Core& position, int seat, std::uint32_t ticket) override {
    ExpertCardChosen(game_, ticket, ExpertCardSlot(position, seat, kSeeingEveryHand));
  }
  void Cancel() override {}

 private:
  Flow& game_;
};

// The seat plays at its side's level: the one that sees every hand thinks as the Expert.
void TakeLevel(Game& game, SeeingThinker& seeing, int level) {
  game.options.Level = std::min(level, kExpertLevel);
  game.thinker = level == kSeesEveryHand ? &seeing : nullptr;
}

// South's card, chosen as a computer seat's at his side's level.
int SouthCardSlot(Game& game, int level) {
  if (level != kSeesEveryHand)
    return ComputerCardSlot(game, game.HumanSeat);
  return ExpertChosenSlot(game, game.HumanSeat,
                          ExpertCardSlot(game, game.HumanSeat, kSeeingEveryHand));
}

unsigned Fingerprint(const Game& game) {
  unsigned hash = 2166136261u;
  for (int card : game.SavedDeck)
    hash = (hash ^ static_cast<unsigned>(card)) * 16777619u;
  return (hash ^ static_cast<unsigned>(game.Taker * 8 + game.AnnouncedBid[game.Taker])) * 16777619u;
}

// One move of the deal; every card, South's too, chosen at its side's level. False once the
// deal is scored.
bool PairingStep(Game& game, TimerTrackingView& view, SeeingThinker& seeing, const Pairing& pairing,
                 std::mt19937& unused) {
  if (view.Armed(TimerId::TimerEntreCarte) && game.TrickNumber <= 18)
    TakeLevel(game, seeing, LevelOf(game, pairing, game.CurrentSeat));
  // South's turn has come once its tick has run and no trick waits on the table.
  if (game.DealPhase == Phase::SouthPlays && game.CurrentSeat == game.HumanSeat &&
      game.TrickNumber <= 18 && !view.Armed(TimerId::TimerEntreCarte)) {
    const int level = LevelOf(game, pairing, game.HumanSeat);
    TakeLevel(game, seeing, level);
    PlayHumanCard(game, SouthCardSlot(game, level));
    return true;
  }
  return testing::PlayStep(game, view, unused);
}

}  // namespace

std::vector<DealOutcome> PlayPairing(const Pairing& pairing, int deals, unsigned batch_seed) {
  TimerTrackingView view;
  Game game(view, testing::SteppingClock(static_cast<int>(batch_seed % 86'400'000u)));
  // A folder of its own per batch: the options file and the history of the deals go there.
  const auto folder = std::filesystem::temp_directory_path() /
                      ("zarvane-pairing-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder);
  game.OptionsPath = (folder / "options98").string();
  StartUp(game);
  ChooseLanguage(game, 2);
  std::mt19937 unused(batch_seed);
  SeeingThinker seeing(game);
  std::vector<DealOutcome> outcomes;
  for (int deal = 0; deal < deals; ++deal) {
    NewDeal(game, 0);
    while (PairingStep(game, view, seeing, pairing, unused)) {
    }
    const ScoreSteps steps = ComputeScoreSteps(game);
    outcomes.push_back({Fingerprint(game), steps.made ? 1 : 0, steps.taker_score});
  }
  std::filesystem::remove_all(folder);
  return outcomes;
}

namespace {

constexpr int kBatchDeals = 25;

struct Estimate {
  double mean = 0;
  double half_width = 0;  // of the 95 % confidence interval
};

template <typename Value>
Estimate Estimated(const std::vector<DealOutcome>& outcomes, Value value) {
  const double n = static_cast<double>(outcomes.size());
  double sum = 0;
  double squares = 0;
  for (std::size_t i = 0; i < outcomes.size(); ++i) {
    const double x = value(i);
    sum += x;
    squares += x * x;
  }
  const double mean = sum / n;
  const double variance = n > 1 ? (squares - n * mean * mean) / (n - 1) : 0;
  return {mean, 1.96 * std::sqrt(std::max(variance, 0.0) / n)};
}

std::vector<std::vector<DealOutcome>> PlayAll(const std::vector<Pairing>& pairings, int deals,
                                              unsigned seed, int threads) {
  const int batches = (deals + kBatchDeals - 1) / kBatchDeals;
  std::vector<std::vector<std::vector<DealOutcome>>> parts(
      pairings.size(), std::vector<std::vector<DealOutcome>>(static_cast<std::size_t>(batches)));
  std::atomic<int> next{0};
  auto work = [&] {
    for (int item = next++; item < batches * static_cast<int>(pairings.size()); item = next++) {
      const int p = item / batches;
      const int b = item % batches;
      const int count = std::min(kBatchDeals, deals - b * kBatchDeals);
      parts[p][b] = PlayPairing(pairings[p], count, seed * 1'000'003u + b * 7'919u);
    }
  };
  std::vector<std::thread> pool;
  for (int t = 0; t < threads; ++t)
    pool.emplace_back(work);
  for (std::thread& thread : pool)
    thread.join();
  std::vector<std::vector<DealOutcome>> joined(pairings.size());
  for (std::size_t p = 0; p < pairings.size(); ++p) {
    for (const auto& part : parts[p])
      joined[p].insert(joined[p].end(), part.begin(), part.end());
  }
  return joined;
}

}  // namespace

void RunPairings(const std::vector<Pairing>& pairings, int deals, unsigned seed, int threads) {
  const auto start = std::chrono::steady_clock::now();
  const auto results = PlayAll(pairings, deals, seed, threads);
  std::printf("%d deals a pairing, seed %u, %.0f s\n", deals, seed,
              std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  const auto& first = results.front();
  for (std::size_t p = 0; p < pairings.size(); ++p) {
    const auto& r = results[p];
    const Estimate made = Estimated(r, [&](std::size_t i) { return 100.0 * r[i].made; });
    const Estimate score = Estimated(r, [&](std::size_t i) { return 1.0 * r[i].taker_score; });
    std::printf("taker %d, defence %d: made %.1f %% +- %.1f, mean taker score %.1f +- %.1f\n",
                pairings[p].taker_level, pairings[p].defence_level, made.mean, made.half_width,
                score.mean, score.half_width);
    if (p == 0)
      continue;
    int other_deals = 0;
    for (std::size_t i = 0; i < r.size(); ++i)
      other_deals += r[i].fingerprint != first[i].fingerprint ? 1 : 0;
    const Estimate made_gain =
        Estimated(r, [&](std::size_t i) { return 100.0 * (r[i].made - first[i].made); });
    const Estimate score_gain = Estimated(
        r, [&](std::size_t i) { return 1.0 * (r[i].taker_score - first[i].taker_score); });
    std::printf(
        "  against taker %d, defence %d, deal by deal: made %+.1f points +- %.1f, "
        "taker score %+.1f +- %.1f%s\n",
        pairings[0].taker_level, pairings[0].defence_level, made_gain.mean, made_gain.half_width,
        score_gain.mean, score_gain.half_width, other_deals == 0 ? "" : " (some deals differ!)");
  }
}

}  // namespace zarvane
