#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "flow/deal_flow.h"
#include "flow/moves.h"
#include "flow/options_flow.h"
#include "flow/start.h"
#include "table/game.h"
#include "table/language.h"
#include "tests/support/fake_table_view.h"
#include "tests/support/fixed_clock.h"
#include "tests/support/play_step.h"

namespace zarvane::testing {

// A game started as the window starts it, on a recording screen, with its options file in a
// folder of its own; it fires timers and clicks as a player would.
class DealDriver {
 public:
  explicit DealDriver(int language = 1, int start_milliseconds = 36'000'000)
      : folder_(std::filesystem::temp_directory_path() /
                ("zarvane-driver-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)))),
        game(view, SteppingClock(start_milliseconds)) {
    std::filesystem::create_directories(folder_);
    game.flow.OptionsPath = (folder_ / "options98").string();
    StartUp(game.flow);
    if (language != 0)
      ChooseLanguage(game.flow, language);
  }
  ~DealDriver() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  DealDriver(const DealDriver&) = delete;
  DealDriver& operator=(const DealDriver&) = delete;

  // Fires the timer if it is armed, as the event loop would; false when it was not.
  bool Fire(TimerId timer) { return FireTimer(game, view, timer); }

  // A new deal that South opens, the computed bids replaced before anybody speaks.
  void DealWithBids(int south, int east, int north, int west) {
    game.flow.state.FirstPlayer = kWest;  // the next deal starts with South
    NewDeal(game.flow, 0);
    game.flow.state.ComputedBid[kSouth] = south;
    game.flow.state.ComputedBid[kEast] = east;
    game.flow.state.ComputedBid[kNorth] = north;
    game.flow.state.ComputedBid[kWest] = west;
    // South speaks first, so his preset is recomputed from the new value.
    game.flow.state.AnnouncedBid[kSouth] = kNotSpoken;
    StartBidTurn(game.flow, kSouth);
  }

  // The computer bids until South has the floor or the auction is over.
  void RunComputerBids() {
    while (Fire(TimerId::TimerEnchere)) {
    }
  }

  // South's bid, then whatever the computer seats after him say.
  void SouthBids(int code) {
    Apply(game.flow, Move{MoveKind::SouthBid, code});
    RunComputerBids();
  }

  // A click on the window's background.
  void Click() { Apply(game.flow, Move{MoveKind::Continue}); }

  // Selects the first six cards of the 24 that may go to the discard, then confirms.
  void MakeSouthDiscard() { MakeFirstAllowedDiscard(game); }

  // One move of a player who bids the advice, declines the poignee, makes the first discard
  // allowed and plays a random legal card; false once the deal is scored.
  bool Step(std::mt19937& choices) { return PlayStep(game, view, choices); }

  // A seat's turn is next: its card timer is armed and no trick waits on the table.
  bool TurnPending() {
    return view.Armed(TimerId::TimerEntreCarte) && !WaitsForClick(game.flow.state.DealPhase) &&
           game.flow.state.TrickNumber >= 1 && game.flow.state.TrickNumber <= 18;
  }

  FakeTableView view;

 private:
  std::filesystem::path folder_;

 public:
  Game game;
};

}  // namespace zarvane::testing
