#include "engine/strategy/rehearsal.h"

#include "engine/card_play.h"
#include "engine/deal_flow.h"

namespace zarvane {

Rehearsal::Rehearsal(const Game& real) : game(view_) {
  static_cast<GameState&>(game) = real;
  game.options = real.options;
  game.random.GeneratorState = real.random.GeneratorState;
  // Nothing of a rehearsal may ever reach the player's file.
  game.OptionsPath.clear();
  game.OptionsFileLeftAlone = true;
}

void Rehearsal::CopyFrom(const Rehearsal& other) {
  static_cast<GameState&>(game) = other.game;
  game.options = other.game.options;
  game.random.GeneratorState = other.game.random.GeneratorState;
}

void PlayToTheEnd(Game& game) {
  while (game.TrickNumber <= 18) {
    if (game.DealPhase == Phase::TrickShown) {
      Continue(game);
      continue;
    }
    ComputePlayableCards(game, game.CurrentSeat);
    PlayComputerCard(game, game.CurrentSeat);
  }
}

}  // namespace zarvane
