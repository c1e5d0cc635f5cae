#pragma once

#include "table/game.h"

namespace zarvane {

// Sets every fixed caption, hint and name list of the chosen language. With no language
// chosen yet only the language-free steps act.
void SetLanguageTexts(Game& game);

}  // namespace zarvane
