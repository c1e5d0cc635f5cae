#pragma once

namespace zarvane {

// What the windows draw besides the game's texts follows the player's language: the buttons
// of the question boxes and the colour chooser, from the translations Debian ships with Qt,
// and the indices of the court cards. 1 French, 2 English; it may be called again to switch.
void UseToolkitLanguage(int language);

}  // namespace zarvane
