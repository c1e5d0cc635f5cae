#pragma once

#include <cstdint>

#include "core/game_state.h"

namespace zarvane {

// Thinks about the Expert's card away from the thread that handles the player's clicks, so
// that the window keeps answering while it thinks.
class CardThinker {
 public:
  virtual ~CardThinker() = default;
  // Starts thinking about the seat's card in a copy of `position`; the card comes back later,
  // on the asking thread, through DeliverThoughtCard with the same ticket.
  virtual void Think(const Core& position, int seat, std::uint32_t ticket) = 0;
  // Stops the thinking under way, if any: its card never comes back.
  virtual void Cancel() = 0;
};

}  // namespace zarvane
