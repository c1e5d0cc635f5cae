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
  game.random.GeneratorState = 12345;
  BuildCardTable(game);
  for (int k = 1; k <= 78; ++k)
    game.DealOrder[k] = k;
  DealUntilAccepted(game, game.clock);
  game.Taker = kNorth;
  game.AnnouncedBid.Fill(kPasse);
  game.AnnouncedBid[kNorth] = kGarde;
  game.DogWasShown = 0;
  PreparePlay(game);
  game.TrickNumber = 1;
  game.TrickLeader = kEast;
  game.CurrentSeat = kEast;
  for (Card& card : game.TrickCards)
    card.Suit = kNoSuit;
  return game;
}

// One strategy call for a seat with its whole hand playable, the widest choice it meets.
void BM_ChooseComputerCard(benchmark::State& state) {
  NullTableView view;
  Game game = FirstTrickGame(view);
  ComputePlayableCards(game, kEast);
  const auto legal = game.Playable[kEast];
  for (auto _ : state) {
    game.Playable[kEast] = legal;
    ChooseComputerCard(game, kEast);
    benchmark::DoNotOptimize(game.Playable[kEast]);
  }
}
BENCHMARK(BM_ChooseComputerCard)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zarvane
