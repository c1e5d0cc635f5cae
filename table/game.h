#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "flow/flow.h"
#include "table/layout.h"
#include "table/table_presenter.h"
#include "table/table_view.h"

namespace zarvane {

// What the table remembers of its own: the layout, the texts of the chosen language, and
// where images stand and what is on display, since the screen cannot be asked.
struct TableState {
  Layout layout;

  // Filled by the language step.
  PerSeat<std::string_view> SeatNames{};
  Table<std::string_view, 0, 4> BidNames{};
  Table<std::string_view, 1, kExpertLevel> LevelNames{};
  std::string_view AdviceWord;
  std::string_view QuitQuestion;
  std::string_view Goodbye;
  // The help document of the chosen language, beside the program or where it was installed.
  std::string HelpFile;
  // Where the program file lives, for the help documents; set by the program at start.
  std::string ProgramFolder;

  // The random offsets the cards were laid with, kept as drawn so that a new layout puts
  // them back in place without drawing again: South's cards 0 to 2 design pixels below the
  // hand line, the dog 1 to 3 below the table's middle, the discard row 1 to 3 screen pixels
  // above the hand line (not scaled), and the poignee window's images a quarter of a draw of
  // 1 to PoigneeDropUnit, counted in units of that size.
  Table<int, 1, 18> SouthCardDrop{};
  Table<int, 1, 6> DogCardDrop{};
  Table<int, 1, 24> DiscardImageRise{};
  Table<int, 1, 18> PoigneeImageDrop{};
  int PoigneeDropUnit = 1;
  // The card the advice lifted.
  std::optional<int> AdvisedSlot;
  std::uint8_t ScoresShown = 0;
  // The all-tricks window: the next reveal step, and the image each step shows.
  int RevealCounter = 1;
  Table<int, 1, 72> RevealImage{};
};

// One game on one screen: the flow, which holds the rules' state, and the table that presents
// it. No globals, so a test can build as many as it likes.
struct Game {
  explicit Game(TableView& table_view, Clock time_of_day = UtcTimeOfDay)
      : flow(std::move(time_of_day)), view(table_view), table_presenter_(*this) {
    flow.presenter = &table_presenter_;
  }
  // A copy presents itself, on the same screen.
  Game(const Game& other)
      : flow(other.flow), table(other.table), view(other.view), table_presenter_(*this) {
    flow.presenter = &table_presenter_;
  }
  Game& operator=(const Game&) = delete;

  Flow flow;
  TableState table;
  TableView& view;

 private:
  TablePresenter table_presenter_;
};

}  // namespace zarvane
