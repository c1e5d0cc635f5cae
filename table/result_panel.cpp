#include "table/result_panel.h"

#include <string>

#include "core/scoring.h"
#include "table/messages.h"
#include "table/scores.h"

namespace zarvane {

namespace {

std::string_view OutcomeLine(const Game& game, int south_change) {
  const bool south_takes = game.state.Taker == game.state.HumanSeat;
  if (south_change > 0)
    return Text(game, south_takes ? kSouthTakerMade : kSouthDefenceBroke);
  return Text(game, south_takes ? kSouthTakerFailed : kSouthDefenceBeaten);
}

}  // namespace

void ShowTrickCount(Game& game) {
  game.view.SetText(Control::nPointsAttaque, 0, std::to_string(game.state.TakerPoints / 2));
  game.view.SetText(Control::nPointsDefense, 0, std::to_string(game.state.DefencePoints / 2));
  game.view.SetText(Control::nBoutsPreneur, 0, std::to_string(game.state.TakerBouts));
  game.view.SetText(Control::nBoutsDefense, 0, std::to_string(game.state.DefenceBouts));
  if (game.state.TakerBouts + game.state.DefenceBouts == 3)
    game.view.SetText(Control::nContrat, 0, std::to_string(game.state.PointsNeeded));
  if (game.state.TrickNumber == kLastTrickDone)
    ShowDealScore(game);
}

void ShowDealScore(Game& game) {
  const ScoreSteps steps = ComputeScoreSteps(game.state);
  const int taker_score = steps.taker_score;
  const int per_defender = steps.after_poignee;
  if (game.state.ReplayedDeal == 1)
    game.view.Inform(Text(game, kReplayedDealNotice));
  const int south_change = game.state.Taker == game.state.HumanSeat ? taker_score : -per_defender;
  const std::string text = std::string(Text(game, kResultPrefix)) + std::to_string(taker_score) +
                           std::string(kResultPointsSuffix) + "\n" +
                           std::string(OutcomeLine(game, south_change));
  game.view.SetVisible(Control::PanelResultat, 0, true);
  game.view.SetFocus(Control::PanelPanelNewPartie, 0);
  game.view.SetText(Control::PanelTexteResultat, 0, text);
  game.ScoresShown = 0;
  ToggleScores(game);
}

}  // namespace zarvane
