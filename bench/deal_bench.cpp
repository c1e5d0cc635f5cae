#include <benchmark/benchmark.h>

#include "bench/null_table_view.h"
#include "core/cards.h"
#include "core/deal.h"
#include "table/game.h"

namespace zarvane {
namespace {

Game NewGame(NullTableView& view) {
  Game game(view);
  BuildCardTable(game.flow.state);
  for (int k = 1; k <= 78; ++k)
    game.flow.state.DealOrder[k] = k;
  return game;
}

void BM_DealOnce(benchmark::State& state) {
  NullTableView view;
  Game game = NewGame(view);
  for (auto _ : state)
    benchmark::DoNotOptimize(DealOnce(game.flow.state, game.flow.clock));
}
BENCHMARK(BM_DealOnce);

// The whole deal loop: attempts until one is accepted, then the sorting.
void BM_DealLoop(benchmark::State& state) {
  NullTableView view;
  Game game = NewGame(view);
  game.flow.state.options.ForceOption = static_cast<int>(state.range(0));
  game.flow.state.options.AtLeastOneTaker = static_cast<std::uint8_t>(state.range(1));
  for (auto _ : state) {
    DealUntilAccepted(game.flow.state, game.flow.clock);
    benchmark::DoNotOptimize(game.flow.state.Hands);
  }
}
BENCHMARK(BM_DealLoop)
    ->ArgNames({"ForceOption", "AtLeastOneTaker"})
    ->Args({2, 0})
    ->Args({2, 1})
    ->Args({5, 0})
    ->Args({6, 0})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zarvane
