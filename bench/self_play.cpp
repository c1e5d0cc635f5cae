// Whole deals played headless at each level: South plays a random legal card, the three
// computer seats play by their strategy. Prints how the contracts went and which rules decided
// the computer's cards, to judge the strength of the computer players.
//
//   self_play [deals per level, default 10000] [seed, default 1]
//
// With --pairs it plays the same deals under pairings of a level for the taker's side and one
// for the defence, every seat by its level, and compares them deal by deal:
//
//   self_play --pairs DEALS SEED THREADS TAKER:DEFENCE ... [--outcomes FILE]
//
// Everybody bids and discards at Pro there, so that only the cards differ; TAKERd:DEFENCE, as
// 5d:4, lets the taker's side discard at its level too, as it does in the game.
//
// With --outcomes each deal's outcome is kept in FILE, and --compare reads two such files of
// the same seed and compares one pairing of the second with one of the first, deal by deal, so
// that a new variant needs no new run of its reference:
//
//   self_play --compare FILE_A TAKER:DEFENCE FILE_B TAKER:DEFENCE
//
// Level 6 there is a player that sees every hand: the Expert's thinking with the true deal in
// place of the drawn ones, the ceiling of the look-ahead, for measuring only; level 7 the
// Expert with twice the trial deals for a card, to weigh its budget; level 8 the Expert whose
// trial deals agree with the auction only, not with the cards played, to weigh that reading;
// level 9 the Expert that reads the other side's cards played, not its partners'; level 10 the
// Expert whose trial deals alone choose its card, the "Pro" rules' card not favoured.
//
// With --match it plays a duplicate match: the same deals at four Pro seats and with one seat
// in turn Expert, in everything, in its bids alone and in its discard alone; --match-parts
// leaves out the first, the costly one:
//
//   self_play --match DEALS SEED THREADS
//   self_play --match-parts DEALS SEED THREADS

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "bench/null_table_view.h"
#include "bench/outcomes.h"
#include "bench/pairing.h"
#include "core/scoring.h"
#include "flow/deal_flow.h"
#include "flow/options_flow.h"
#include "flow/start.h"
#include "table/game.h"
#include "table/language.h"
#include "tests/support/fixed_clock.h"
#include "tests/support/play_step.h"

namespace zarvane {
namespace {

// Counts, from the rule panels, the rules marked in each strategy call and the one each panel
// ends up showing, which is the rule that decided the card.
class RulePanelView : public TimerTrackingView {
 public:
  void SetText(Control control, int seat, std::string_view text) override {
    if (control != Control::PanelRegle)
      return;
    if (text.empty()) {
      // Cleared before each strategy call.
      Settle(seat);
      ++strategy_calls;
      return;
    }
    int rule = 0;
    std::from_chars(text.data(), text.data() + text.size(), rule);
    ++marked[rule];
    shown_[seat] = rule;
  }

  void Settle(int seat) {
    if (shown_[seat] != 0)
      ++decided[shown_[seat]];
    shown_[seat] = 0;
  }

  std::array<long, 401> marked{};
  std::array<long, 401> decided{};
  long strategy_calls = 0;

 private:
  std::array<int, 5> shown_{};
};

struct LevelFigures {
  long deals = 0;
  std::array<long, 5> contracts{};  // by bid code
  long made = 0;
  long taker_score = 0;
  long south_score = 0;
  double seconds = 0;      // wall clock
  double cpu_seconds = 0;  // this process alone, the figure to trust on a busy machine
};

void PlayLevel(const std::filesystem::path& folder, int level, long deals, unsigned seed,
               LevelFigures& figures, RulePanelView& view) {
  Game game(view, testing::SteppingClock(static_cast<int>(seed % 86'400'000)));
  game.flow.OptionsPath = (folder / "options98").string();
  StartUp(game.flow);
  ChooseLanguage(game.flow, 2);
  game.flow.state.options.Level = level;
  std::mt19937 south(seed);
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpu_start = std::clock();
  for (long deal = 0; deal < deals; ++deal) {
    NewDeal(game.flow, 0);
    while (testing::PlayStep(game, view, south)) {
    }
    const ScoreSteps steps = ComputeScoreSteps(game.flow.state);
    ++figures.deals;
    ++figures.contracts[game.flow.state.AnnouncedBid[game.flow.state.Taker]];
    figures.made += steps.made ? 1 : 0;
    figures.taker_score += steps.taker_score;
    figures.south_score += game.flow.state.Taker == game.flow.state.HumanSeat
                               ? steps.taker_score
                               : -steps.after_poignee;
  }
  figures.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  figures.cpu_seconds = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
  for (int seat = 1; seat <= 4; ++seat)
    view.Settle(seat);
}

double Ratio(double part, long whole) {
  return whole == 0 ? 0.0 : part / static_cast<double>(whole);
}

void Print(int level, const LevelFigures& f, const RulePanelView& view) {
  std::printf("Level %d: %ld deals in %.2f s (%.2f s of processor), %.1f us of processor a deal\n",
              level, f.deals, f.seconds, f.cpu_seconds, 1e6 * Ratio(f.cpu_seconds, f.deals));
  std::printf("  contracts: PRISE %ld, GARDE %ld, GARDE SANS %ld, GARDE CONTRE %ld\n",
              f.contracts[kPrise], f.contracts[kGarde], f.contracts[kGardeSans],
              f.contracts[kGardeContre]);
  std::printf("  made %.1f %%, mean taker score %.1f, mean score of South %.1f\n",
              100 * Ratio(f.made, f.deals), Ratio(f.taker_score, f.deals),
              Ratio(f.south_score, f.deals));
  long decided = 0;
  for (long n : view.decided)
    decided += n;
  std::printf("  strategy calls %ld, decided by a rule %.1f %%, the others drawn at random\n",
              view.strategy_calls, 100 * Ratio(decided, view.strategy_calls));
  std::printf("  rule  decided   marked\n");
  for (int rule = 1; rule <= 400; ++rule) {
    if (view.marked[rule] != 0)
      std::printf("  %4d %8ld %8ld\n", rule, view.decided[rule], view.marked[rule]);
  }
}

}  // namespace
}  // namespace zarvane

// Pairings: self_play --pairs DEALS SEED THREADS TAKER:DEFENCE ... [--outcomes FILE], e.g. 4:4
// 5:4 4:5.
int RunPairingsFromArguments(int argc, char** argv) {
  using namespace zarvane;
  std::string outcomes;
  if (argc > 2 && std::string_view(argv[argc - 2]) == "--outcomes") {
    outcomes = argv[argc - 1];
    argc -= 2;
  }
  if (argc < 6)
    return 2;
  std::vector<Pairing> pairings;
  for (int i = 5; i < argc; ++i) {
    const std::optional<Pairing> pairing = PairingFromLabel(argv[i]);
    if (!pairing) {
      std::fprintf(stderr, "%s is no pairing: TAKER:DEFENCE, as 5:4, or TAKERd:DEFENCE, as 5d:4\n",
                   argv[i]);
      return 2;
    }
    pairings.push_back(*pairing);
  }
  return RunPairings(pairings, std::atoi(argv[2]), static_cast<unsigned>(std::atol(argv[3])),
                     std::max(1, std::atoi(argv[4])), outcomes)
             ? 0
             : 1;
}

int main(int argc, char** argv) {
  using namespace zarvane;
  if (argc > 1 && std::string_view(argv[1]) == "--pairs")
    return RunPairingsFromArguments(argc, argv);
  if (argc == 6 && std::string_view(argv[1]) == "--compare")
    return CompareOutcomes(argv[2], argv[3], argv[4], argv[5]) ? 0 : 1;
  const bool parts_only = argc > 1 && std::string_view(argv[1]) == "--match-parts";
  if (argc == 5 && (parts_only || std::string_view(argv[1]) == "--match")) {
    RunDuplicateMatch(std::atoi(argv[2]), static_cast<unsigned>(std::atol(argv[3])),
                      std::max(1, std::atoi(argv[4])), parts_only);
    return 0;
  }
  const long deals = argc > 1 ? std::atol(argv[1]) : 10000;
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 1;
  const auto folder = std::filesystem::temp_directory_path() /
                      ("zarvane-self-play-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder);
  for (int level = 1; level <= 4; ++level) {
    RulePanelView view;
    LevelFigures figures;
    PlayLevel(folder, level, deals, seed, figures, view);
    Print(level, figures, view);
  }
  std::filesystem::remove_all(folder);
  return 0;
}
