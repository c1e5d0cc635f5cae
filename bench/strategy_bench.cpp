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
  game.state.random.GeneratorState = 12345;
  BuildCardTable(game.state);
  for (int k = 1; k <= 78; ++k)
    game.state.DealOrder[k] = k;
  DealUntilAccepted(game.state, game.clock);
  game.state.Taker = kNorth;
  game.state.AnnouncedBid.Fill(kPasse);
  game.state.AnnouncedBid[kNorth] = kGarde;
  game.state.DogWasShown = 0;
  PreparePlay(game.state);
  game.state.TrickNumber = 1;
  game.state.TrickLeader = kEast;
  game.state.CurrentSeat = kEast;
  for (Card& card : game.state.TrickCards)
    card.Suit = kNoSuit;
  return game;
}

// One strategy call for a seat with its whole hand playable, the widest choice it meets.
void BM_ChooseComputerCard(benchmark::State& state) {
  NullTableView view;
  Game game = FirstTrickGame(view);
  ComputePlayableCards(game.state, kEast);
  const auto legal = game.state.Playable[kEast];
  for (auto _ : state) {
    game.state.Playable[kEast] = legal;
    ChooseComputerCard(game.state, kEast);
    benchmark::DoNotOptimize(game.state.Playable[kEast]);
  }
}
BENCHMARK(BM_ChooseComputerCard)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zarvane
