#pragma once

#include <string>
#include <string_view>

#include "core/game_state.h"
#include "engine/layout.h"
#include "engine/table_view.h"
#include "settings/options.h"
#include "settings/options_file.h"

namespace zarvane {

struct Bilingual;

// One game: the rules' state, the language, the layout, the screen and the clock. No globals, so a
// test can build as many as it likes.
struct Game : GameState {
  explicit Game(TableView& table_view, Clock time_of_day = UtcTimeOfDay)
      : view(table_view), clock(std::move(time_of_day)) {}

  TableView& view;
  // Reseeds the generator before every deal attempt.
  Clock clock;
  Layout layout;

  // The auction's progress: the bids made, and the computer seat whose bid is on its timer.
  int BidsMade = 0;
  int PendingBidder = 0;
  // South's discard: which card image k shows (1..18 his slot, 19..24 the dog) and which
  // sources he picked.
  Table<int, 1, 24> DiscardImageMap{};
  Table<int, 1, 24> DiscardSelected{};
  // The poignee window: which images are marked and how many.
  Table<int, 1, 18> PoigneeSelected{};
  int PoigneeMarked = 0;

  // Where images stand and what is on display, since the screen cannot be asked: each of
  // South's cards when not lifted and the card the advice lifted (-1 none), the poignee
  // window's images, South's discard row, the all-tricks window's next step and the image
  // each step shows.
  Table<int, 1, 18> SouthCardTop{};
  int AdvisedSlot = -1;
  // 1 while the card advice commands are enabled: South is to play and has a choice.
  std::uint8_t CardAdviceOpen = 0;
  std::uint8_t ScoresShown = 0;
  Table<int, 1, 18> PoigneeImageTop{};
  Table<int, 1, 24> DiscardImageTop{};
  int RevealCounter = 1;
  Table<int, 1, 72> RevealImage{};

  // 0 until the player chooses on the opening window, then 1 French or 2 English.
  int Language = 0;
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
  // The options file: "options" and the version text, in the current working folder.
  std::string OptionsPath{kOptionsFileName};
  // A file that exists but cannot be read, or a damaged one that cannot be moved aside, may
  // hold the player's totals: it is never replaced in that run, and the game plays on from
  // memory.
  bool OptionsFileLeftAlone = false;
  // A trouble with the file is told to the player once a run, in the chosen language, with
  // the path of the file it is about: a trouble met before the choice waits for it.
  const Bilingual* OptionsFileTroublePending = nullptr;
  std::string OptionsFileTroublePath;
  bool OptionsFileTroubleShown = false;

  // Derived from the options by ApplyOptions.
  int AutoContinue = 1;
  int CardTimerInterval = 200;
  int TransitionTimerInterval = 2000;
};

}  // namespace zarvane
