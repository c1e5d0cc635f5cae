#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <random>
#include <string_view>
#include <vector>

#include "bench/quiet_game.h"
#include "core/strategy/expert.h"
#include "core/strategy/expert_bid.h"
#include "core/strategy/expert_discard.h"
#include "flow/card_play.h"
#include "flow/deal_flow.h"
#include "flow/options_flow.h"
#include "flow/start.h"
#include "table/game.h"
#include "tests/support/play_step.h"

namespace zarvane {
namespace {

constexpr int kDeals = 12;
// The threads one decision's trial deals run on.
int threads = 2;

// The trial deals one decision plays: each distinct card on the first deals, the kept ones on
// more.
double TrialDeals(const Core& position) {
  const auto cards =
      static_cast<double>(DistinctPlayableSlots(position, position.CurrentSeat).size());
  return cards <= 1 ? 0 : 24 * cards + 100 * std::min(cards, 3.0);
}

// Every computer turn with two or more playable cards met in a few seeded deals, as the
// Expert level would find it.
const std::vector<std::unique_ptr<Core>>& Positions() {
  static const auto positions = [] {
    std::vector<std::unique_ptr<Core>> found;
    QuietGame quiet;
    Game& game = quiet.game;
    TimerTrackingView& view = quiet.view;
    game.flow.state.options.AtLeastOneTaker = 1;
    std::mt19937 south(15);
    for (int deal = 0; deal < kDeals; ++deal) {
      NewDeal(game.flow, 0);
      do {
        if (!view.Armed(TimerId::TimerEntreCarte) ||
            game.flow.state.CurrentSeat == game.flow.state.HumanSeat ||
            game.flow.state.TrickNumber > 18) {
          continue;
        }
        auto position = std::make_unique<Core>(game.flow.state);
        ComputePlayableCards(*position, game.flow.state.CurrentSeat);
        const auto& flags = position->Playable[game.flow.state.CurrentSeat];
        if (std::count(flags.begin(), flags.end(), 1) >= 2)
          found.push_back(std::move(position));
      } while (testing::PlayStep(game, view, south));
    }
    return found;
  }();
  return positions;
}

// One Expert decision a repetition, each on the next position: the median and the 99th
// percentile over the repetitions are the figures that matter, with the trial deals played
// per second of the wall clock.
void BM_ExpertDecision(benchmark::State& state) {
  static std::size_t next = 0;
  const auto& positions = Positions();
  const Core& position = *positions[next++ % positions.size()];
  for (auto _ : state)
    benchmark::DoNotOptimize(ExpertCardSlot(position, position.CurrentSeat, Thinking{threads}));
  state.counters["trial_deals"] =
      benchmark::Counter(TrialDeals(position), benchmark::Counter::kIsIterationInvariantRate);
}

// The first bidder of each of a few seeded deals, the costliest bid: every bid is still open.
const std::vector<std::unique_ptr<GameState>>& FirstBids() {
  static const auto positions = [] {
    std::vector<std::unique_ptr<GameState>> found;
    QuietGame quiet;
    Game& game = quiet.game;
    for (int deal = 0; deal < 4 * kDeals; ++deal) {
      NewDeal(game.flow, 0);
      auto position = std::make_unique<GameState>(game.flow.state);
      // Back to the moment before the first bid.
      position->AnnouncedBid.Fill(kNotSpoken);
      position->HighestBid = kPasse;
      found.push_back(std::move(position));
    }
    return found;
  }();
  return positions;
}

// Each computer taker's discard after a shown dog, in a few seeded deals.
const std::vector<std::unique_ptr<GameState>>& Discards() {
  static const auto positions = [] {
    std::vector<std::unique_ptr<GameState>> found;
    QuietGame quiet;
    Game& game = quiet.game;
    std::mt19937 south(15);
    for (int deal = 0; deal < 8 * kDeals; ++deal) {
      NewDeal(game.flow, 0);
      while (game.flow.state.DealPhase != Phase::DogShown && game.flow.state.TrickNumber == 0 &&
             testing::PlayStep(game, quiet.view, south)) {
      }
      if (game.flow.state.DealPhase == Phase::DogShown &&
          game.flow.state.Taker != game.flow.state.HumanSeat)
        found.push_back(std::make_unique<GameState>(game.flow.state));
    }
    return found;
  }();
  return positions;
}

void BM_ExpertDiscard(benchmark::State& state) {
  static std::size_t next = 0;
  const auto& positions = Discards();
  const GameState& position = *positions[next++ % positions.size()];
  for (auto _ : state) {
    state.PauseTiming();
    GameState game = position;
    state.ResumeTiming();
    ExpertDiscard(game, Thinking{threads});
  }
}

void BM_ExpertBid(benchmark::State& state) {
  static std::size_t next = 0;
  const auto& positions = FirstBids();
  const GameState& position = *positions[next++ % positions.size()];
  for (auto _ : state)
    benchmark::DoNotOptimize(ExpertBid(position, position.FirstPlayer, Thinking{threads}));
}

double Percentile99(const std::vector<double>& values) {
  std::vector<double> sorted = values;
  std::sort(sorted.begin(), sorted.end());
  const auto at = static_cast<std::size_t>(0.99 * static_cast<double>(sorted.size() - 1));
  return sorted[at];
}

// One decision a repetition: the median and the 99th percentile are the figures that matter.
void RegisterDecisions(const char* name, void (*decision)(benchmark::State&), int repetitions) {
  benchmark::RegisterBenchmark(name, decision)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1)
      ->UseRealTime()
      ->Repetitions(repetitions)
      ->ComputeStatistics("p99", Percentile99)
      ->ReportAggregatesOnly(true);
}

}  // namespace
}  // namespace zarvane

// expert_bench [--decisions N] [--threads T] [benchmark flags]: N decisions, 400 unless told,
// on T threads, 2 unless told; a test run takes a few to keep the program working.
int main(int argc, char** argv) {
  int decisions = 400;
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--decisions" && i + 1 < argc)
      decisions = std::max(1, std::atoi(argv[++i]));
    else if (std::string_view(argv[i]) == "--threads" && i + 1 < argc)
      zarvane::threads = std::max(1, std::atoi(argv[++i]));
    else
      rest.push_back(argv[i]);
  }
  int rest_count = static_cast<int>(rest.size());
  benchmark::Initialize(&rest_count, rest.data());
  zarvane::RegisterDecisions("BM_ExpertDecision", zarvane::BM_ExpertDecision, decisions);
  // A bid or a discard costs about what a card does, and comes once a deal at most.
  zarvane::RegisterDecisions("BM_ExpertBid", zarvane::BM_ExpertBid, std::max(1, decisions / 4));
  zarvane::RegisterDecisions("BM_ExpertDiscard", zarvane::BM_ExpertDiscard,
                             std::max(1, decisions / 4));
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
