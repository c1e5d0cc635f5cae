#include "table/result_panel.h"

#include <string>

#include "core/scoring.h"
#include "table/messages.h"
#include "table/scores.h"

namespace zarvane {

namespace {

std::string_view OutcomeLine(const Game& game, int south_change) {
  const bool south_takes = game.flow.state.Taker == game.flow.state.HumanSeat;
  if (south_change > 0)
    return Text(game, south_takes ? kSouthTakerMade : kSouthDefenceBroke);
  return Text(game, south_takes ? kSouthTakerFailed : kSouthDefenceBeaten);
}

}  // namespace

void ShowTrickCount(Game& game) {
  game.view.SetText(Control::nPointsAttaque, 0, std::to_string(game.flow.state.TakerPoints / 2));
  game.view.SetText(Control::nPointsDefense, 0, std::to_string(game.flow.state.DefencePoints / 2));
  game.view.SetText(Control::nBoutsPreneur, 0, std::to_string(game.flow.state.TakerBouts));
  game.view.SetText(Control::nBoutsDefense, 0, std::to_string(game.flow.state.DefenceBouts));
  if (game.flow.state.TakerBouts + game.flow.state.DefenceBouts == 3)
    game.view.SetText(Control::nContrat, 0, std::to_string(game.flow.state.PointsNeeded));
  if (game.flow.state.TrickNumber == kLastTrickDone)
    ShowDealScore(game);
}

void ShowDealScore(Game& game) {
  const ScoreSteps steps = ComputeScoreSteps(game.flow.state);
  const int taker_score = steps.taker_score;
  const int per_defender = steps.after_poignee;
  if (game.flow.state.ReplayedDeal == 1)
    game.view.Inform(Text(game, kReplayedDealNotice));
  const int south_change =
      game.flow.state.Taker == game.flow.state.HumanSeat ? taker_score : -per_defender;
  const std::string text = std::string(Text(game, kResultPrefix)) + std::to_string(taker_score) +
                           std::string(kResultPointsSuffix) + "\n" +
                           std::string(OutcomeLine(game, south_change));
  game.view.SetVisible(Control::PanelResultat, 0, true);
  game.view.SetFocus(Control::PanelPanelNewPartie, 0);
  game.view.SetText(Control::PanelTexteResultat, 0, text);
  game.table.ScoresShown = 0;
  ToggleScores(game);
}

}  // namespace zarvane
