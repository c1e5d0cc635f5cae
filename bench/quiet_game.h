#pragma once

#include <filesystem>
#include <random>
#include <string>

#include "bench/null_table_view.h"
#include "flow/deal_flow.h"
#include "flow/options_flow.h"
#include "flow/start.h"
#include "table/game.h"
#include "tests/support/fixed_clock.h"

namespace zarvane {

// A game started on a screen that shows nothing, in English, with a folder of its own for the
// options file and the history of the deals.
class QuietGame {
 public:
  QuietGame()
      : folder_(std::filesystem::temp_directory_path() /
                ("zarvane-bench-" + std::to_string(std::random_device{}()))),
        game(view, testing::SteppingClock(43'200'000)) {
    std::filesystem::create_directories(folder_);
    game.flow.OptionsPath = (folder_ / "options98").string();
    StartUp(game.flow);
    ChooseLanguage(game.flow, 2);
  }
  ~QuietGame() { std::filesystem::remove_all(folder_); }
  QuietGame(const QuietGame&) = delete;
  QuietGame& operator=(const QuietGame&) = delete;

 private:
  std::filesystem::path folder_;

 public:
  TimerTrackingView view;
  Game game;
};

}  // namespace zarvane
