#pragma once

#include "table/game.h"

namespace zarvane {

// The game window took a new size: the layout values for it, and every card image, frame and
// review panel the table placed put back by the new values, each with the random offset it
// was drawn with. Nothing is drawn from the generator and no step of the deal runs.
void ChangeLayout(Game& game, const Layout& layout);

}  // namespace zarvane
