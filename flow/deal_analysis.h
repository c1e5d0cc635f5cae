#pragma once

#include <atomic>
#include <functional>
#include <vector>

#include "flow/flow.h"

namespace zarvane {

// After a deal: what each of South's decisions was worth, with every hand as it lay. Each
// choice South had is played out many times to the end on the true deal, every seat playing as
// the computer plays at the "Pro" level, and South's points averaged; the Expert's choice from
// what South knew at that moment is given beside it. Nothing of the game is changed: the deal
// is played again on a copy, from its record.

enum class DecisionKind { Bid, Discard, Poignee, Card };

struct DecisionCost {
  DecisionKind kind = DecisionKind::Card;
  int trick = 0;  // the trick of a card (1..18); 0 for the other decisions
  // What South chose, the best choice with every hand seen, and the Expert's choice from what
  // South knew: a bid code (0..4), a slot of South's hand (1..18), a poignee level (0..3); for
  // the discard, 0 South's own and 1 the Expert's (0 when the Expert would have made South's).
  // A card that plays like South's (a low card of the same suit, nothing outside between) is
  // given as South's own slot.
  int south_choice = 0;
  int best_choice = 0;
  int expert_choice = 0;
  // South's points from the deal on average, after his choice and after the best one, and the
  // cost (best minus his) with the standard error of that difference, play-out by play-out.
  double south_points = 0;
  double best_points = 0;
  double cost = 0;
  double cost_error = 0;
  // The share of play-outs in which the taker makes his contract, after each choice.
  double south_made = 0;
  double best_made = 0;
  // A single legal choice: never blamed.
  bool forced = false;

  // A cost is clear when it is over about two standard errors; within that, no clear difference.
  bool Clear() const { return !forced && cost > 2 * cost_error && cost > 0; }
};

struct DealAnalysis {
  // In the order South made them. A forced decision is not played out: its points are 0.
  std::vector<DecisionCost> decisions;
  // Stopped before the end, or a record that does not play again to where the game stands:
  // the decisions so far are of no use.
  bool complete = false;
};

// The play-outs of each choice: enough that a cost of a few points stands out of the luck of
// the draws, few enough that a whole deal is weighed in seconds.
inline constexpr int kPlayOutsPerChoice = 1024;

// How far the analysis has gone, in decisions weighed of all to weigh.
using AnalysisProgress = std::function<void(int done, int total)>;

// Weighs South's decisions in the deal just played (its record must hold the whole deal). The
// same deal always gives the same analysis, on any number of threads; `cancel`, once set,
// stops it between two play-outs, the result then incomplete. The game is only read, and only
// at the start, where its record is played again on a copy.
DealAnalysis AnalyseSouthPlay(const Flow& game, int threads,
                              const std::atomic<bool>* cancel = nullptr,
                              const AnalysisProgress& progress = {},
                              int play_outs = kPlayOutsPerChoice);

}  // namespace zarvane
