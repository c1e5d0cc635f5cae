#pragma once

#include "flow/flow.h"

namespace zarvane {

// The game window's start values: the card table, the options, the first speaker.
void StartUp(Flow& game);

// A language button of the opening window: 1 French, 2 English. The texts and the options
// take the language, a trouble with the options file met before it is told, and a deal left
// in progress when the program last stopped is offered again.
void ChooseLanguage(Flow& game, int language);

}  // namespace zarvane
