#include "table/scores.h"

#include <string>

namespace zarvane {

void ToggleScores(Game& game) {
  const bool shown = game.table.ScoresShown == 1;
  game.view.SetChecked(Control::menuScoresGlobaux, 0, !shown);
  game.view.SetChecked(Control::SBVoirScoresGlobaux, 0, !shown);
  game.table.ScoresShown = shown ? 0 : 1;
  RefreshScores(game);
}

void RefreshScores(Game& game) {
  for (int seat = 1; seat <= 4; ++seat) {
    if (game.table.ScoresShown == 1) {
      game.view.SetText(Control::panelScoreTotal, seat,
                        std::to_string(game.flow.state.options.Scores[seat]));
    }
    game.view.SetVisible(Control::panelScoreTotal, seat, game.table.ScoresShown == 1);
  }
}

}  // namespace zarvane
