#include "tests/support/soak.h"

#include <unistd.h>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <vector>

#include "core/consistency.h"
#include "core/scoring.h"
#include "flow/bidding.h"
#include "flow/deal_flow.h"
#include "flow/options_flow.h"
#include "flow/start.h"
#include "settings/options_file.h"
#include "table/game.h"
#include "table/language.h"
#include "tests/support/fixed_clock.h"
#include "tests/support/play_step.h"

namespace zarvane::testing {

namespace {

constexpr int kStartMilliseconds = 36'000'000;

// The log of the run under way, written out if a bounds check aborts the process.
const std::string* running_log = nullptr;

void WriteLogOnAbort(int) {
  constexpr char kHead[] = "\nsoak aborted; replay with:\n";
  if (running_log != nullptr) {
    [[maybe_unused]] auto a = ::write(2, kHead, sizeof kHead - 1);
    [[maybe_unused]] auto b = ::write(2, running_log->data(), running_log->size());
    [[maybe_unused]] auto c = ::write(2, "\n", 1);
  }
  std::signal(SIGABRT, SIG_DFL);
  std::raise(SIGABRT);
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_ino == b.st_ino && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
         a.st_mtim.tv_nsec == b.st_mtim.tv_nsec && a.st_size == b.st_size;
}

int EventNumber(std::string_view name) {
  const auto events = SoakEvents();
  for (std::size_t k = 0; k < events.size(); ++k) {
    if (events[k].name == name)
      return static_cast<int>(k);
  }
  return -1;
}

}  // namespace

struct Soak::Program {
  Program(const std::filesystem::path& folder, int start_milliseconds, int language,
          std::function<void()> while_a_box_is_open)
      : game(view, SteppingClock(start_milliseconds)) {
    game.flow.OptionsPath = (folder / kOptionsFileName).string();
    StartUp(game.flow);
    ChooseLanguage(game.flow, language);
    // A box runs an event loop of its own: the armed timers go on ticking while it is open.
    view.while_a_box_is_open = std::move(while_a_box_is_open);
  }
  FakeTableView view;
  Game game;
};

Soak::Soak(std::uint32_t seed, std::filesystem::path folder, bool even_weights)
    : even_weights_(even_weights),
      fired_(SoakEvents().size(), 0),
      folder_(std::move(folder)),
      picks_(seed),
      draws_(seed ^ 0x5eed5eedu) {
  std::filesystem::create_directories(folder_);
  // Every run starts as the very first one: no options file yet.
  std::filesystem::remove(folder_ / kOptionsFileName);
  log_ = "seed " + std::to_string(seed) + ":";
  program_ = std::make_unique<Program>(folder_, kStartMilliseconds, 1 + draws_() % 2,
                                       [this] { TicksWhileABoxIsOpen(); });
  ::stat(game().flow.OptionsPath.c_str(), &file_seen_);
  running_log = &log_;
  std::signal(SIGABRT, WriteLogOnAbort);
}

Soak::~Soak() {
  std::signal(SIGABRT, SIG_DFL);
  running_log = nullptr;
  program_.reset();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

Game& Soak::game() {
  return program_->game;
}

FakeTableView& Soak::view() {
  return program_->view;
}

std::string Soak::Step() {
  const auto events = SoakEvents();
  struct Candidate {
    int event;
    std::vector<int> indices;
  };
  std::vector<Candidate> candidates;
  int total = 0;
  for (std::size_t e = 0; e < events.size(); ++e) {
    const SoakEvent& event = events[e];
    Candidate candidate{static_cast<int>(e), {}};
    if (event.family_size == 0) {
      if (event.available(*this, 0))
        candidate.indices.push_back(0);
    } else {
      for (int i = 1; i <= event.family_size; ++i) {
        if (event.available(*this, i))
          candidate.indices.push_back(i);
      }
    }
    if (!candidate.indices.empty()) {
      total += Weight(event);
      candidates.push_back(std::move(candidate));
    }
  }
  int pick = static_cast<int>(picks_() % static_cast<std::uint32_t>(total));
  for (const Candidate& candidate : candidates) {
    pick -= Weight(events[static_cast<std::size_t>(candidate.event)]);
    if (pick < 0) {
      const int index = candidate.indices[picks_() % candidate.indices.size()];
      return Play({candidate.event, index});
    }
  }
  return "no event could be drawn";
}

std::string Soak::Play(SoakMove move) {
  const SoakEvent& event = SoakEvents()[static_cast<std::size_t>(move.event)];
  log_ += ' ';
  log_ += event.name;
  if (event.family_size != 0)
    log_ += ':' + std::to_string(move.index);
  if (!event.available(*this, move.index))
    return "the last event cannot be reached at that moment";
  ++events_;
  ended_.reset();
  ++fired_[static_cast<std::size_t>(move.event)];
  const Options before = game().flow.state.options;
  const int trick_before = game().flow.state.TrickNumber;
  reset_answered_yes_ = false;
  event.fire(*this, move.index);
  // Boxes are answered at once; what they said is not kept from one event to the next.
  view().answers.clear();
  view().informed.clear();
  view().asked.clear();
  return Check(before, trick_before);
}

void Soak::Restart() {
  const Options kept = game().flow.state.options;
  ++restarts_;
  // Kept to the end of the event: a deal may have ended in it, while a box was open.
  ended_ = std::move(program_);
  program_ = std::make_unique<Program>(folder_, kStartMilliseconds + 7919 * restarts_,
                                       1 + static_cast<int>(draws_() % 2),
                                       [this] { TicksWhileABoxIsOpen(); });
  if (!(game().flow.state.options == kept))
    restart_fault_ = "the new program did not find the options and totals of the one before";
}

// Up to a few ticks of the armed timers, in any order.
void Soak::TicksWhileABoxIsOpen() {
  for (int n = static_cast<int>(draws_() % 4); n > 0; --n) {
    std::vector<TimerId> armed;
    for (const auto& [timer, interval] : view().timers)
      armed.push_back(timer);
    if (armed.empty())
      return;
    RunTimerHandler(game(), armed[draws_() % armed.size()]);
  }
}

std::string Soak::Check(const Options& before, int trick_before) {
  if (!restart_fault_.empty())
    return restart_fault_;
  if (game().flow.state.SavedDeck[1] != 0) {
    const std::vector<std::string> faults = StateFaults(game().flow.state);
    if (!faults.empty())
      return faults.front();
  }
  std::string fault = CheckTotals(before, trick_before);
  if (fault.empty())
    fault = CheckFile();
  if (fault.empty() && !MovesOn())
    fault = "nothing the player can do, and no timer armed, moves the game on";
  return fault;
}

// The totals change only when a deal is scored, by that deal's score, or when the player
// resets them; they always sum to zero.
std::string Soak::CheckTotals(const Options& before, int trick_before) {
  const Game& now = game();
  const Game& played = ended_ ? ended_->game : now;
  scored_in_event_.Fill(0);
  if (trick_before != 19 && played.flow.state.TrickNumber == 19) {
    ++deals_scored_;
    const ScoreSteps steps = ComputeScoreSteps(played.flow.state);
    for (int seat = 1; seat <= 4; ++seat) {
      if (played.flow.state.ReplayedDeal == 0)
        scored_in_event_[seat] =
            seat == played.flow.state.Taker ? steps.taker_score : -steps.after_poignee;
    }
  }
  Table<std::int32_t, 1, 4> expected = before.Scores;
  for (int seat = 1; seat <= 4; ++seat)
    expected[seat] += scored_in_event_[seat];
  if (reset_answered_yes_)
    expected.Fill(0);
  if (!(now.flow.state.options.Scores == expected))
    return "the totals moved other than by the deal's score or a reset";
  std::int64_t sum = 0;
  for (std::int32_t total : now.flow.state.options.Scores)
    sum += total;
  if (sum != 0)
    return "the totals sum to " + std::to_string(sum);
  return "";
}

// After every write the file holds exactly what the game holds, and no temporary file stays.
std::string Soak::CheckFile() {
  const std::string& path = game().flow.OptionsPath;
  if (std::filesystem::exists(path + ".tmp"))
    return "a temporary options file was left beside the file";
  struct stat seen {};
  if (::stat(path.c_str(), &seen) != 0)
    return "the options file is gone";
  if (SameFile(seen, file_seen_))
    return "";
  file_seen_ = seen;
  std::ifstream file(path, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                std::istreambuf_iterator<char>());
  auto holds = [&bytes](const Options& options) {
    const auto expected = EncodeOptions(options);
    return bytes.size() == expected.size() &&
           std::equal(expected.begin(), expected.end(), bytes.begin(),
                      [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); });
  };
  if (holds(game().flow.state.options))
    return "";
  // A deal that ended while the question after the write was open reaches the file with the
  // next write, as any deal does.
  Options before_the_deal = game().flow.state.options;
  for (int seat = 1; seat <= 4; ++seat)
    before_the_deal.Scores[seat] -= scored_in_event_[seat];
  if (holds(before_the_deal))
    return "";
  return "the options file does not hold the options and totals in memory";
}

// Something the player can click, or a timer armed, that takes the game a step further.
bool Soak::MovesOn() {
  Game& g = game();
  FakeTableView& v = view();
  if (g.flow.state.SavedDeck[1] == 0)
    return v.Visible(Control::PanelLancement);
  if (g.flow.state.TrickNumber == 19 && g.flow.state.DealPhase != Phase::TrickShown)
    return v.Visible(Control::PanelResultat);
  const bool background_continues =
      WaitsForClick(g.flow.state.DealPhase) || g.flow.state.DealPhase == Phase::DogShown;
  if (background_continues)
    return true;
  if (g.flow.state.DealPhase == Phase::SouthBids)
    return v.Visible(Control::BarreEnchere) && v.Visible(Control::ButtonPasse);
  if (g.flow.PendingBidder != 0)
    return v.Armed(TimerId::TimerEnchere);
  if (g.flow.state.DealPhase == Phase::Discard) {
    for (int k = 1; k <= 24; ++k) {
      if (!v.Visible(Control::Carte3D, k) || !v.Get(Control::Carte3D, k).enabled)
        return false;
    }
    return true;
  }
  if (v.Armed(TimerId::TimerEntreCarte))
    return true;
  // The poignee question comes before South's first card: he answers it, then plays.
  if (g.flow.state.DealPhase == Phase::Poignee)
    return v.Visible(Control::PanelPoignee) || v.Visible(Control::frmPoignee);
  if (g.flow.state.DealPhase != Phase::SouthPlays ||
      g.flow.state.CurrentSeat != g.flow.state.HumanSeat)
    return false;
  for (int k = 1; k <= 18; ++k) {
    if (g.flow.state.Playable[g.flow.state.HumanSeat][k] == 1 &&
        g.flow.state.Hands[g.flow.state.HumanSeat][k].InHand == 1 &&
        v.Visible(Control::Carte3D, k) && v.Get(Control::Carte3D, k).enabled) {
      return true;
    }
  }
  return false;
}

std::filesystem::path SoakFolder(std::string_view name) {
  const std::filesystem::path memory("/dev/shm");
  const std::filesystem::path base =
      std::filesystem::is_directory(memory) ? memory : std::filesystem::temp_directory_path();
  return base / ("zarvane-soak-" + std::string(name) + "-" + std::to_string(::getpid()));
}

std::string ReplaySoak(std::string_view log, const std::filesystem::path& folder) {
  std::istringstream words{std::string(log)};
  std::string word;
  words >> word;
  std::uint32_t seed = 0;
  if (word != "seed" || !(words >> seed))
    return "a replay starts with \"seed N:\"";
  words >> word;  // the colon
  Soak soak(seed, folder);
  while (words >> word) {
    const std::size_t colon = word.find(':');
    const int event = EventNumber(std::string_view(word).substr(0, colon));
    if (event < 0)
      return "no event is called " + word;
    const int index = colon == std::string::npos ? 0 : std::stoi(word.substr(colon + 1));
    std::string fault = soak.Play({event, index});
    if (!fault.empty())
      return fault + " (after " + std::to_string(soak.events()) + " events)";
  }
  return "";
}

SoakResult RunSoak(std::uint32_t seed, std::int64_t count, const std::filesystem::path& folder,
                   bool even_weights) {
  Soak soak(seed, folder, even_weights);
  SoakResult result;
  for (std::int64_t n = 0; n < count; ++n) {
    const std::string fault = soak.Step();
    if (!fault.empty()) {
      result.failure = fault;
      break;
    }
  }
  result.events = soak.events();
  result.deals_scored = soak.deals_scored();
  result.log = soak.Log();
  result.fired = soak.fired();
  return result;
}

}  // namespace zarvane::testing
