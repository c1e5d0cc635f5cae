#pragma once

#include <cstddef>
#include <vector>

#include "core/game_state.h"
#include "core/strategy/trials.h"

namespace zarvane {

// What each choice of one of a seat's decisions is worth: each choice is played out many times
// to the score, every seat by the "Pro" rules, and every choice meets the same draws play-out
// by play-out, so that two choices compare with the luck of the draws paired out. The draws
// come from the position and the decision, so the same position always gives the same values,
// on any number of threads.

// How one play-out ended for the seat that chose.
struct PlayOutEnd {
  int points = 0;     // what the seat's running total gains
  bool made = false;  // the taker made his contract; false when every seat passed
};

// Each play-out's end for each choice: [play-out][choice]. Of no use once the thinking that
// played them out is stopped.
using PlayOuts = std::vector<std::vector<PlayOutEnd>>;

// The seat's cards in `slots`, each played from the position: on the true deal when the
// thinking sees every hand, else on deals drawn from what the seat knows.
PlayOuts PlayOutCards(const Core& position, int seat, const std::vector<int>& slots, int count,
                      const Thinking& thinking);

// The seat's bids, each said at its turn in the auction: the later seats bid as "Pro" would,
// the taker discards the computer's way, and the deal is played out seeing every hand.
PlayOuts PlayOutBids(const GameState& position, int seat, const std::vector<int>& bids, int count,
                     const Thinking& thinking);

// The game after each discard, its play prepared, played out for the seat.
PlayOuts PlayOutDiscards(const std::vector<const Core*>& discarded, int seat, int count,
                         const Thinking& thinking);

// Each poignee level from none to `highest`, shown by the seat about to play its first card.
// The poignee changes nothing of the play, so each play-out is played once and scored at each
// level: only the bonus, which goes to the side that wins, moves.
PlayOuts PlayOutPoignees(const Core& position, int seat, int highest, int count,
                         const Thinking& thinking);

// The chosen choice against the best, by their averages over the play-outs.
struct ChoiceComparison {
  // The choice with the highest average, the chosen one among equals, else the first.
  std::size_t best = 0;
  double chosen_points = 0;
  double best_points = 0;
  // Best less chosen, and the standard error of that difference, play-out by play-out.
  double cost = 0;
  double cost_error = 0;
  // The share of play-outs in which the taker made his contract.
  double chosen_made = 0;
  double best_made = 0;
};
ChoiceComparison CompareChoices(const PlayOuts& play_outs, std::size_t chosen);

}  // namespace zarvane
