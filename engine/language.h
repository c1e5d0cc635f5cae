#pragma once

#include "engine/game.h"

namespace zarvane {

// Sets every fixed caption, hint and name list of the chosen language. With no language
// chosen yet only the language-free steps act.
void SetLanguageTexts(Game& game);
// A language button of the opening window: 1 French, 2 English.
void ChooseLanguage(Game& game, int language);

}  // namespace zarvane
