#pragma once

#include "settings/texts.h"
#include "table/game.h"

namespace zarvane {

// The text of the chosen language; nothing before a language is chosen.
inline std::string_view Text(const Game& game, const Bilingual& text) {
  return Pick(game.flow.Language, text);
}

// A prompt on the message line.
inline void Say(Game& game, const Bilingual& text) {
  game.view.SetText(Control::info, 0, Text(game, text));
}

}  // namespace zarvane
