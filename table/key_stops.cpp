#include "table/key_stops.h"

#include "flow/discard.h"

namespace zarvane {

std::vector<int> HandKeyStops(const Game& game) {
  std::vector<int> stops;
  if (game.flow.state.DealPhase == Phase::Opening)
    return stops;
  if (game.flow.state.DealPhase == Phase::Discard) {
    for (int k = 1; k <= 24; ++k) {
      if (!MustKeep(DiscardImageCard(game.flow, k)))
        stops.push_back(k);
    }
    return stops;
  }
  const int south = game.flow.state.HumanSeat;
  const bool to_play = game.flow.state.DealPhase == Phase::SouthPlays;
  for (int slot = 1; slot <= 18; ++slot) {
    if (game.flow.state.Hands[south][slot].InHand == 1 &&
        (!to_play || game.flow.state.Playable[south][slot] == 1))
      stops.push_back(slot);
  }
  return stops;
}

}  // namespace zarvane
