#include <benchmark/benchmark.h>

#include "bench/null_table_view.h"
#include "core/cards.h"
#include "core/deal.h"
#include "core/play_preparation.h"
#include "core/strategy/strategy.h"
#include "flow/card_play.h"
#include "table/game.h"

namespace zarvane {
namespace {

// A dealt game ready for its first trick, North taking a garde and East to lead.
Game FirstTrickGame(NullTableView& view) {
  Game game(view);
  game.flow.state.random.GeneratorState = 12345;
  BuildCardTable(game.flow.state);
  for (int k = 1; k <= 78; ++k)
    game.flow.state.DealOrder[k] = k;
  DealUntilAccepted(game.flow.state, game.flow.clock);
  game.flow.state.Taker = kNorth;
  game.flow.state.AnnouncedBid.Fill(kPasse);
  game.flow.state.AnnouncedBid[kNorth] = kGarde;
  game.flow.state.DogWasShown = 0;
  PreparePlay(game.flow.state);
  game.flow.state.TrickNumber = 1;
  game.flow.state.TrickLeader = kEast;
  game.flow.state.CurrentSeat = kEast;
  for (Card& card : game.flow.state.TrickCards)
    card.Suit = kNoSuit;
  return game;
}

// One strategy call for a seat with its whole hand playable, the widest choice it meets.
void BM_ChooseComputerCard(benchmark::State& state) {
  NullTableView view;
  Game game = FirstTrickGame(view);
  ComputePlayableCards(game.flow.state, kEast);
  const auto legal = game.flow.state.Playable[kEast];
  for (auto _ : state) {
    game.flow.state.Playable[kEast] = legal;
    ChooseComputerCard(game.flow.state, kEast);
    benchmark::DoNotOptimize(game.flow.state.Playable[kEast]);
  }
}
BENCHMARK(BM_ChooseComputerCard)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zarvane
