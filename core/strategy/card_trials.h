#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/game_state.h"
#include "core/strategy/hidden_cards.h"
#include "core/strategy/trials.h"

namespace zarvane {

// Trial deals for a seat's card at this moment of the deal, each played to the end once for
// each card the seat could play, with the "Pro" rules at every seat. A deal's draws come from
// the decision's seed and the deal's index alone, so it is the same on any thread.
class CardTrials {
 public:
  CardTrials(const Core& game, int seat, const Thinking& thinking);

  // Trial deal `index` as the deal stands now, in the thread's copy: the true deal when the
  // thinking sees every hand, else a deal of the cards the seat cannot see that agrees with what
  // it knows; with a generator of its own, drawn from the deal's.
  const Core& World(int thread, int index);
  // The seat's card in `slot` played in the world, and the deal played to its score, in the
  // thread's other copy.
  const Core& PlayedOut(int thread, const Core& world, int slot);
  // Adds to each card's sum the taker's score, seen from the seat's side, of trial deal
  // `index`: every card meets the same draws of the other seats.
  void PlayDeal(int thread, int index, const std::vector<int>& slots, std::vector<long>& sums);

 private:
  void SetUpDrawnWorld(Core& world, Core& scratch, Generator& draws);

  const Core& game_;
  int seat_;
  int sign_;
  std::uint32_t seed_;
  Thinking thinking_;
  HiddenDealDrawer drawer_;
  // The real game's rules' state with the Pro rules at every seat; each thread copies it into
  // a drawn deal's world and one card's trial.
  std::unique_ptr<Core> base_;
  ThreadCopies<Core> worlds_;
  ThreadCopies<Core> scratch_;
  ThreadCopies<Core> trials_;
};

}  // namespace zarvane
