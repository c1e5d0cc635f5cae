#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "bench/null_table_view.h"
#include "flow/deal_flow.h"
#include "flow/options_flow.h"
#include "flow/start.h"
#include "table/game.h"
#include "table/language.h"
#include "tests/support/play_step.h"

namespace zarvane {
namespace {

// One whole deal without a screen, from the new-deal command through the auction, the dog and
// the discard, eighteen tricks and the score. South bids the advice and plays a random legal
// card. With files, each deal's score is settled on disk as in the game: its history line and
// the options file, each synced, so that a power cut loses nothing.
void PlayWholeDeals(benchmark::State& state, bool with_files) {
  TimerTrackingView view;
  Game game(view);
  // A folder of its own: the options file and the history of every deal played go there.
  const auto folder = std::filesystem::temp_directory_path() / "zarvane-whole-deal-bench";
  std::filesystem::create_directories(folder);
  game.flow.OptionsPath = (folder / "options98").string();
  StartUp(game.flow);
  ChooseLanguage(game.flow, 1);
  game.flow.state.options.AtLeastOneTaker = 1;
  game.flow.OptionsFileLeftAlone = !with_files;
  std::mt19937 choices(98);
  for (auto _ : state) {
    NewDeal(game.flow, 0);
    while (testing::PlayStep(game, view, choices)) {
    }
    benchmark::DoNotOptimize(game.flow.state.TakerPoints);
  }
  std::filesystem::remove_all(folder);
}

void BM_WholeDeal(benchmark::State& state) {
  PlayWholeDeals(state, true);
}
BENCHMARK(BM_WholeDeal)->Unit(benchmark::kMicrosecond);

// The same deals with the files left alone: the play and the score alone.
void BM_WholeDealWithoutFiles(benchmark::State& state) {
  PlayWholeDeals(state, false);
}
BENCHMARK(BM_WholeDealWithoutFiles)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zarvane
