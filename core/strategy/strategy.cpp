#include "core/strategy/strategy.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>

#include "core/strategy/rule_families.h"
#include "core/strategy/rule_order.h"
#include "core/strategy/shared_operations.h"

namespace zarvane {

namespace {

// One rule's turn in the order: its number, its minimum level, and its function when a
// family provides it.
struct RuleStep {
  int number = 0;
  int minimum_level = 1;
  RuleFunction apply = nullptr;
};

// The order joined with the families once, so a call only walks a short table.
std::span<const RuleStep> RuleSteps() {
  static const auto steps = [] {
    std::array<RuleStep, 70> built{};
    std::span<const int> order = RuleOrder();
    for (std::size_t i = 0; i < built.size() && i < order.size(); ++i)
      built[i] = RuleStep{order[i], MinimumLevel(order[i]), FindRule(order[i])};
    return built;
  }();
  return steps;
}

StrategyTurn StartTurn(Core& game, int seat) {
  StrategyTurn turn{game};
  turn.S = seat;
  turn.Defender1 = NextSeat(game.Taker);
  turn.Defender2 = NextSeat(turn.Defender1);
  turn.Defender3 = NextSeat(turn.Defender2);
  turn.TrickPosition = TrickPositionOf(game, seat);
  turn.Winning = WinningCardOf(game, seat);
  game.CardChosen = 0;
  turn.CurrentWinner = TrickWinnerSoFar(game, seat);
  return turn;
}

void EvaluateRules(StrategyTurn& turn) {
  Core& game = turn.game;
  for (const RuleStep& step : RuleSteps()) {
    if (game.options.Level < step.minimum_level)
      game.RuleState[step.number] = 0;
    if (step.apply == nullptr || !RuleOn(game, step.number))
      continue;
    turn.Rule = step.number;
    step.apply(turn);
  }
}

// The first rule state from `from` on that marks a rule as having chosen, or none.
std::int8_t* NextMark(std::int8_t* from, std::int8_t* end) {
  return static_cast<std::int8_t*>(std::memchr(from, 2, static_cast<std::size_t>(end - from)));
}

}  // namespace

MarkedRules ChooseComputerCard(Core& game, int seat) {
  game.RuleState.Fill(1);
  StrategyTurn turn = StartTurn(game, seat);
  EvaluateRules(turn);
  return TakeMarkedRules(game);
}

MarkedRules TakeMarkedRules(Core& game) {
  MarkedRules marked;
  // This ends every card of every trial deal, and one or two of the 400 rules are marked: the
  // marks are searched for, a block at a time, rather than each rule looked at.
  std::int8_t* const first = std::to_address(game.RuleState.begin());
  std::int8_t* const end = std::to_address(game.RuleState.end());
  for (std::int8_t* mark = NextMark(first, end); mark != nullptr; mark = NextMark(mark + 1, end)) {
    if (marked.count < static_cast<int>(marked.numbers.size())) {
      const int number = game.RuleState.kFirst + static_cast<int>(mark - first);
      marked.numbers[static_cast<std::size_t>(marked.count++)] = number;
    }
    *mark = 1;
  }
  return marked;
}

}  // namespace zarvane
