#pragma once

#include <string>
#include <vector>

#include "core/game_state.h"

namespace zarvane {

// The consistency check of the state, for the tests and the soak. What must hold of a dealt
// game at any moment, whatever was clicked: the 78 cards each in
// one place, every seat holding 18 cards less those it played, the four cards on the table
// matching the trick, and the points and bouts of the finished tricks adding up. Each
// broken rule is one line; none means the state is sound.
std::vector<std::string> StateFaults(const Core& game);

}  // namespace zarvane
