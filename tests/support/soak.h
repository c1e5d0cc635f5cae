#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "table/game.h"
#include "tests/support/fake_table_view.h"

namespace zarvane::testing {

class Soak;

// One thing the player or the event loop can do to the game window, through the flow and the
// presenter function the window calls for it. A family (the 24 hand cards, the four levels) is one
// event with indices 1..family_size.
struct SoakEvent {
  std::string_view name;
  int weight;  // how often it is drawn, among the events the player can reach at that moment
  int family_size;
  bool (*available)(Soak& soak, int index);
  void (*fire)(Soak& soak, int index);
};

// Every event of the game window, the timer ticks included.
std::span<const SoakEvent> SoakEvents();

struct SoakMove {
  int event = 0;  // its place in SoakEvents()
  int index = 0;
};

// A program run under random input: seeded, checked after every event, replayable from its
// seed and its list of events. The options file lives in a folder of its own; quitting
// starts a new program on the same file, as the player would.
class Soak {
 public:
  // With even weights every event the player can reach is as likely as any other, so the
  // rare commands are tried often; otherwise most deals are played to their score.
  Soak(std::uint32_t seed, std::filesystem::path folder, bool even_weights = false);
  ~Soak();
  Soak(const Soak&) = delete;
  Soak& operator=(const Soak&) = delete;

  // Draws one of the events the player can reach, fires it and checks the game. The fault
  // found, or an empty text.
  std::string Step();
  // Fires the move, as a replay does; a fault when it cannot be reached now.
  std::string Play(SoakMove move);
  // "seed 7:" and every event fired so far, in the form ReplaySoak reads.
  const std::string& Log() const { return log_; }

  // The program ended (quit, or the window closed by its frame): a new one starts on the
  // same file and must find the totals and options of the one before.
  void Restart();
  // The reset-totals event tells the check which answer it gave.
  void ExpectReset(bool yes) { reset_answered_yes_ = yes; }

  Game& game();
  FakeTableView& view();
  // Choices made inside an event (an answer, a colour, a language): apart from the draw of
  // the events, so that a replay makes the same ones.
  std::mt19937& draws() { return draws_; }

  std::int64_t events() const { return events_; }
  std::int64_t deals_scored() const { return deals_scored_; }
  // How many times each event of SoakEvents() was fired.
  const std::vector<std::int64_t>& fired() const { return fired_; }

 private:
  struct Program;
  int Weight(const SoakEvent& event) const { return even_weights_ ? 1 : event.weight; }
  std::string Check(const Options& before, int trick_before);
  std::string CheckTotals(const Options& before, int trick_before);
  std::string CheckFile();
  bool MovesOn();
  void TicksWhileABoxIsOpen();

  bool even_weights_;
  std::vector<std::int64_t> fired_;
  std::filesystem::path folder_;
  std::unique_ptr<Program> program_;
  std::unique_ptr<Program> ended_;  // the program that quit during the event under way
  std::mt19937 picks_;
  std::mt19937 draws_;
  std::string log_;
  std::string restart_fault_;
  std::int64_t events_ = 0;
  std::int64_t deals_scored_ = 0;
  Table<std::int32_t, 1, 4> scored_in_event_{};  // what a deal ended by the last event gave
  int restarts_ = 0;
  bool reset_answered_yes_ = false;
  struct stat file_seen_ {};
};

// A folder of its own for a run's options file, in memory when the system offers it, so the
// synced writes stay cheap.
std::filesystem::path SoakFolder(std::string_view name);

// Replays "seed N: Event Event:index ..." in a fresh folder; the first fault, or empty.
std::string ReplaySoak(std::string_view log, const std::filesystem::path& folder);

struct SoakResult {
  std::int64_t events = 0;
  std::int64_t deals_scored = 0;
  std::string failure;  // the fault, empty when every check held
  std::string log;      // what ReplaySoak reads
  std::vector<std::int64_t> fired;
};
// `count` events from a seed, stopped at the first fault.
SoakResult RunSoak(std::uint32_t seed, std::int64_t count, const std::filesystem::path& folder,
                   bool even_weights = false);

}  // namespace zarvane::testing
