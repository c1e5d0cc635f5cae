#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <random>
#include <string_view>
#include <vector>

#include "bench/quiet_game.h"
#include "flow/deal_analysis.h"
#include "tests/support/play_step.h"

namespace zarvane {
namespace {

// The threads the analysis runs on, and the play-outs of each choice.
int threads = 2;
int play_outs = kPlayOutsPerChoice;

// Whole deals at the "Pro" level, South bidding the advice, making the first discard allowed
// and playing random legal cards, each kept as it stood once scored.
const std::vector<std::unique_ptr<Game>>& PlayedDeals(int count) {
  static const auto deals = [count] {
    std::vector<std::unique_ptr<Game>> played;
    QuietGame quiet;
    Game& game = quiet.game;
    std::mt19937 south(21);
    for (int deal = 0; deal < count; ++deal) {
      NewDeal(game.flow, 0);
      while (testing::PlayStep(game, quiet.view, south)) {
      }
      played.push_back(std::make_unique<Game>(game));
    }
    return played;
  }();
  return deals;
}

int deal_count = 12;

// One whole deal's analysis a repetition, each on the next deal: the median is the figure that
// matters, with South's decisions weighed per second.
void BM_WholeDealAnalysis(benchmark::State& state) {
  static std::size_t next = 0;
  const auto& deals = PlayedDeals(deal_count);
  const Game& game = *deals[next++ % deals.size()];
  std::size_t decisions = 0;
  for (auto _ : state) {
    const DealAnalysis analysis = AnalyseSouthPlay(game.flow, threads, nullptr, {}, play_outs);
    if (!analysis.complete)
      state.SkipWithError("the analysis did not complete");
    decisions = analysis.decisions.size();
  }
  state.counters["decisions"] = static_cast<double>(decisions);
}

}  // namespace
}  // namespace zarvane

// analysis_bench [--deals N] [--threads T] [--play-outs P] [benchmark flags]: N whole deals, 12
// unless told, each analysed once on T threads, 2 unless told, with P play-outs of each choice,
// the game's own unless told; a test run takes one deal to keep it working.
int main(int argc, char** argv) {
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--deals" && i + 1 < argc)
      zarvane::deal_count = std::max(1, std::atoi(argv[++i]));
    else if (std::string_view(argv[i]) == "--threads" && i + 1 < argc)
      zarvane::threads = std::max(1, std::atoi(argv[++i]));
    else if (std::string_view(argv[i]) == "--play-outs" && i + 1 < argc)
      zarvane::play_outs = std::max(1, std::atoi(argv[++i]));
    else
      rest.push_back(argv[i]);
  }
  int rest_count = static_cast<int>(rest.size());
  benchmark::Initialize(&rest_count, rest.data());
  benchmark::RegisterBenchmark("BM_WholeDealAnalysis", zarvane::BM_WholeDealAnalysis)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1)
      ->UseRealTime()
      ->Repetitions(zarvane::deal_count)
      ->ReportAggregatesOnly(true);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
