#pragma once

#include <string_view>

#include "table/game.h"

namespace zarvane {

// Sets every fixed caption, hint and name list of the chosen language. With no language
// chosen yet only the language-free steps act.
void SetLanguageTexts(Game& game);

// The background colour's menu entry, which the language step leaves alone so that its course
// stays as recorded: the entry takes this caption as its menu opens.
std::string_view ColourEntryCaption(int language);

}  // namespace zarvane
