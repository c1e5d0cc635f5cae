#pragma once

#include <gtest/gtest.h>

#include <random>

#include "flow/deal_flow.h"
#include "table/game.h"
#include "tests/support/deal_driver.h"

namespace zarvane::testing {

// Plays `deals` deals on each of `runs` games started `spacing` milliseconds apart, every
// player choosing at random, and lets `look(game, observer)` see each seat's view of the table
// at every card turn.
template <typename Look>
void LookAtEveryTurn(int runs, int deals, int first_start, int spacing, unsigned choice_seed,
                     Look look) {
  std::mt19937 choices(choice_seed);
  for (int run = 0; run < runs; ++run) {
    DealDriver driver(1, first_start + spacing * run);
    Game& game = driver.game;
    game.flow.state.options.AtLeastOneTaker = 1;
    for (int deal = 0; deal < deals; ++deal) {
      NewDeal(game.flow, 0);
      bool moving = true;
      while (moving) {
        if (driver.TurnPending()) {
          for (int observer = 1; observer <= 4; ++observer) {
            SCOPED_TRACE(::testing::Message()
                         << "run " << run << " deal " << deal << " trick "
                         << game.flow.state.TrickNumber << " observer " << observer);
            look(game, observer);
          }
        }
        moving = driver.Step(choices);
      }
    }
  }
}

}  // namespace zarvane::testing
