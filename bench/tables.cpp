#include "bench/tables.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "bench/null_table_view.h"
#include "core/cards.h"
#include "core/discard.h"
#include "core/scoring.h"
#include "core/strategy/computer_card.h"
#include "core/strategy/expert.h"
#include "core/strategy/expert_discard.h"
#include "flow/card_play.h"
#include "flow/deal_flow.h"
#include "flow/moves.h"
#include "flow/options_flow.h"
#include "flow/start.h"
#include "table/game.h"
#include "table/language.h"
#include "tests/support/fixed_clock.h"
#include "tests/support/play_step.h"

namespace zarvane {

namespace {

// The thinking of the levels beyond the game's.
Thinking BenchThinking(int level) {
  if (level == kSeesEveryHand)
    return Thinking{.sees_every_hand = true};
  if (level == kBlindToPlays)
    return Thinking{.reads_plays = false};
  if (level == kBlindToPartners)
    return Thinking{.reads_partners = false};
  if (level == kTrialsAlone)
    return Thinking{.proof_against_rules = -1, .taker_proof_before_last_tricks = -1};
  return Thinking{.trial_scale = 2};
}
constexpr int kBatchDeals = 25;

// The milliseconds a deal's clock starts at: the deal and the generator of its play.
int DealClock(unsigned seed, int deal) {
  return static_cast<int>((seed * 1'000'003u + static_cast<unsigned>(deal) * 7'919u) % 86'400'000u);
}

// Thinks on the spot as the Expert does, as a level beyond the game's.
class BenchThinker : public CardThinker {
 public:
  explicit BenchThinker(Flow& game) : game_(game) {}
  void Think(const Core& position, int seat, std::uint32_t ticket) override {
    DeliverThoughtCard(game_, ticket, *ExpertCardSlot(position, seat, thinking));
  }
  void Cancel() override {}
  Thinking thinking;

 private:
  Flow& game_;
};

bool EverySeatPassed(const Game& game) {
  return std::all_of(game.flow.state.AnnouncedBid.begin(), game.flow.state.AnnouncedBid.end(),
                     [](int bid) { return bid == kPasse; });
}

unsigned Fingerprint(const Game& game) {
  unsigned hash = 2166136261u;
  for (const Hand& hand : game.flow.state.InitialHands) {
    for (const Card& card : hand)
      hash = (hash ^ static_cast<unsigned>(CardNumber(card))) * 16777619u;
  }
  return (hash ^ static_cast<unsigned>(game.flow.state.Taker * 8 +
                                       game.flow.state.AnnouncedBid[game.flow.state.Taker])) *
         16777619u;
}

// South's discard when he takes: the six cards the computer would discard in his place at the
// game's level.
void MakeComputerDiscard(Game& game) {
  GameState computer = game.flow.state;
  if (game.flow.state.options.Level == kExpertLevel)
    ExpertDiscard(computer);
  else
    ComputerDiscard(computer);
  for (int k = 1; k <= 24; ++k) {
    const Card card = DiscardImageCard(game.flow, k);
    if (std::any_of(computer.Dog.begin(), computer.Dog.end(),
                    [&](const Card& c) { return SameCard(c, card); })) {
      Apply(game.flow, Move{MoveKind::DiscardCard, k});
    }
  }
  Apply(game.flow, Move{MoveKind::ConfirmDiscard});
}

// One table: a game on a screen that shows nothing, each decision taken at the level the
// players give the seat that decides.
class BenchTable {
 public:
  BenchTable(const Players& players, unsigned seed)
      : players_(players), seed_(seed), game_(view_), thinker_(game_.flow) {
    folder_ = std::filesystem::temp_directory_path() /
              ("zarvane-table-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder_);
    game_.flow.OptionsPath = (folder_ / "options98").string();
    StartUp(game_.flow);
    ChooseLanguage(game_.flow, 2);
  }
  ~BenchTable() { std::filesystem::remove_all(folder_); }

  DealOutcome Play(int deal) {
    deal_ = deal;
    const DealtDeal dealt = DealNumber(seed_, deal);
    game_.flow.clock = testing::SteppingClock(DealClock(seed_, deal) + 1);
    TakeLevel(players_.bids(deal_, dealt.FirstPlayer, 0));
    PlayDealFromCode(game_.flow, dealt);
    while (Step()) {
    }
    DealOutcome outcome;
    if (EverySeatPassed(game_))
      return outcome;
    const ScoreSteps steps = ComputeScoreSteps(game_.flow.state);
    outcome.fingerprint = Fingerprint(game_);
    outcome.taker = game_.flow.state.Taker;
    outcome.made = steps.made ? 1 : 0;
    outcome.taker_score = steps.taker_score;
    for (int seat = 1; seat <= 4; ++seat)
      outcome.seat_scores[seat] =
          seat == game_.flow.state.Taker ? steps.taker_score : -steps.after_poignee;
    return outcome;
  }

 private:
  void TakeLevel(int level) {
    game_.flow.state.options.Level = std::min(level, kExpertLevel);
    thinker_.thinking = BenchThinking(level);
    game_.flow.thinker = level > kExpertLevel ? &thinker_ : nullptr;
  }

  // South's card, chosen as a computer seat's at his level: South to play has one.
  int SouthCardSlot(int level) {
    if (level <= kExpertLevel)
      return ShownComputerCardSlot(game_.flow, game_.flow.state.HumanSeat).value();
    return ExpertChosenSlot(
               game_.flow.state, game_.flow.state.HumanSeat,
               *ExpertCardSlot(game_.flow.state, game_.flow.state.HumanSeat, BenchThinking(level)))
        .value();
  }

  // One move of the deal; false once it is scored or every seat has passed. A seat's bid is
  // made as the seat before it speaks.
  bool Step() {
    Game& game = game_;
    if (view_.Armed(TimerId::TimerEnchere)) {
      TakeLevel(players_.bids(deal_, NextSeat(game.flow.PendingBidder), 0));
      return testing::FireTimer(game, view_, TimerId::TimerEnchere);
    }
    if (game.flow.state.DealPhase == Phase::SouthBids) {
      TakeLevel(players_.bids(deal_, NextSeat(kSouth), 0));
      Apply(game.flow, Move{MoveKind::BidAdvice});
      return true;
    }
    if (game.flow.state.DealPhase == Phase::AuctionOver && EverySeatPassed(game))
      return false;
    if (game.flow.state.DealPhase == Phase::DogShown) {
      TakeLevel(players_.discard(deal_, game.flow.state.Taker, game.flow.state.Taker));
      Apply(game.flow, Move{MoveKind::Continue});
      return true;
    }
    if (game.flow.state.DealPhase == Phase::Discard) {
      TakeLevel(players_.discard(deal_, game.flow.state.Taker, game.flow.state.Taker));
      MakeComputerDiscard(game);
      return true;
    }
    if (game.flow.state.DealPhase == Phase::Poignee) {
      Apply(game.flow, Move{MoveKind::NoPoignee});
      return true;
    }
    if (game.flow.state.TrickNumber == kLastTrickDone)
      return false;
    if (WaitsForClick(game.flow.state.DealPhase)) {
      Apply(game.flow, Move{MoveKind::Continue});
      return true;
    }
    if (view_.Armed(TimerId::TimerEntreCarte)) {
      TakeLevel(players_.cards(deal_, game.flow.state.CurrentSeat, game.flow.state.Taker));
      return testing::FireTimer(game, view_, TimerId::TimerEntreCarte);
    }
    if (game.flow.state.DealPhase == Phase::SouthPlays &&
        game.flow.state.CurrentSeat == game.flow.state.HumanSeat) {
      const int level = players_.cards(deal_, game.flow.state.HumanSeat, game.flow.state.Taker);
      TakeLevel(level);
      Apply(game.flow, Move{MoveKind::HandCard, SouthCardSlot(level)});
      return true;
    }
    return testing::FireTimer(game, view_, TimerId::TimerTransition);
  }

  Players players_;
  unsigned seed_;
  int deal_ = 0;
  TimerTrackingView view_;
  Game game_;
  BenchThinker thinker_;
  std::filesystem::path folder_;
};

}  // namespace

DealtDeal DealNumber(unsigned seed, int deal) {
  GameState dealer;
  BuildCardTable(dealer);
  for (int k = 1; k <= 78; ++k)
    dealer.DealOrder[k] = k;
  DealUntilAccepted(dealer, testing::SteppingClock(DealClock(seed, deal)));
  DealtDeal dealt = DealAsDealt(dealer);
  dealt.FirstPlayer = deal % 4 + 1;
  return dealt;
}

std::vector<DealOutcome> PlayDeals(const Players& players, unsigned seed, int first, int count) {
  BenchTable table(players, seed);
  std::vector<DealOutcome> outcomes;
  for (int deal = first; deal < first + count; ++deal)
    outcomes.push_back(table.Play(deal));
  return outcomes;
}

std::vector<std::vector<DealOutcome>> PlayTables(const std::vector<Players>& tables, int deals,
                                                 unsigned seed, int threads) {
  const int batches = (deals + kBatchDeals - 1) / kBatchDeals;
  const int items = batches * static_cast<int>(tables.size());
  std::vector<std::vector<DealOutcome>> parts(static_cast<std::size_t>(items));
  std::atomic<int> next{0};
  auto work = [&] {
    for (int item = next++; item < items; item = next++) {
      const int first = item % batches * kBatchDeals;
      parts[item] =
          PlayDeals(tables[item / batches], seed, first, std::min(kBatchDeals, deals - first));
    }
  };
  std::vector<std::thread> pool;
  for (int t = 0; t < threads; ++t)
    pool.emplace_back(work);
  for (std::thread& thread : pool)
    thread.join();
  std::vector<std::vector<DealOutcome>> joined(tables.size());
  for (int item = 0; item < items; ++item) {
    auto& table = joined[item / batches];
    table.insert(table.end(), parts[item].begin(), parts[item].end());
  }
  return joined;
}

Estimate Estimated(const std::vector<double>& values) {
  const double n = static_cast<double>(values.size());
  double sum = 0;
  double squares = 0;
  for (double x : values) {
    sum += x;
    squares += x * x;
  }
  const double mean = n > 0 ? sum / n : 0;
  const double variance = n > 1 ? (squares - n * mean * mean) / (n - 1) : 0;
  return {mean, n > 0 ? 1.96 * std::sqrt(std::max(variance, 0.0) / n) : 0};
}

}  // namespace zarvane
