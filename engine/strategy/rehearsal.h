#pragma once

#include "engine/game.h"
#include "engine/null_table_view.h"

namespace zarvane {

// A copy of a game on a screen that shows nothing, with a generator of its own: the computer
// plays trial deals on it without touching the real table, its timers, its options file or
// its draws.
class Rehearsal {
 public:
  explicit Rehearsal(const Game& real);
  Rehearsal(const Rehearsal&) = delete;
  Rehearsal& operator=(const Rehearsal&) = delete;

  // Takes the whole state of another rehearsal, as it stands.
  void CopyFrom(const Rehearsal& other);

 private:
  NullTableView view_;

 public:
  Game game;
};

// Plays the deal to its score, every seat by the strategy at the rehearsal's level.
void PlayToTheEnd(Game& game);

}  // namespace zarvane
