#pragma once

namespace zarvane {

// What the toolkit draws on its own follows the player's language: the buttons of the
// question boxes and the colour chooser, from the translations Debian ships with Qt.
// 1 French, 2 English; it may be called again to switch.
void UseToolkitLanguage(int language);

}  // namespace zarvane
