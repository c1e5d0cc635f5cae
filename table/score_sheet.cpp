#include "table/score_sheet.h"

#include <initializer_list>
#include <string>

#include "core/scoring.h"

namespace zarvane {

namespace {

void SetNumber(Game& game, Control control, int value) {
  game.view.SetText(control, 0, std::to_string(value));
}

void SetSign(Game& game, Control control, bool plus) {
  game.view.SetText(control, 0, plus ? "+" : "-");
}

void ShowRows(Game& game, std::initializer_list<Control> rows, bool shown) {
  for (Control control : rows)
    game.view.SetVisible(control, 0, shown);
}

}  // namespace

void FillScoreSheet(Game& game) {
  const ScoreSteps steps = ComputeScoreSteps(game.flow.state);
  game.view.SetText(Control::cardinalPreneur, 0, game.table.SeatNames[game.flow.state.Taker]);
  SetNumber(game, Control::panelNbBouts, game.flow.state.TakerBouts);
  SetNumber(game, Control::panelContrat, game.flow.state.PointsNeeded);
  SetNumber(game, Control::panelPointsRealises, steps.points);
  SetNumber(game, Control::panelAuDessusContrat, steps.margin);

  ShowRows(game,
           {Control::panelSensPrimePetit, Control::panelPrimePetit, Control::panelEgal2,
            Control::panelScoreApresPetit, Control::panelDefPrimePetit},
           game.flow.state.PetitAuBout != 0);
  if (game.flow.state.PetitAuBout != 0) {
    SetSign(game, Control::panelSensPrimePetit, game.flow.state.PetitAuBout == 1);
    SetNumber(game, Control::panelScoreApresPetit, steps.after_petit);
  }

  SetSign(game, Control::panelSigneGain, steps.made);
  SetNumber(game, Control::panelScoreTmp, steps.after_gain);
  SetNumber(game, Control::panelCoefficientEnchere, steps.factor);
  SetNumber(game, Control::panelScoreApresEnchere, steps.after_bid);

  ShowRows(game,
           {Control::panelSensPoignee, Control::panelValeurPoignee, Control::panelEgal5,
            Control::panelScoreApresPoignee, Control::panelDefPrimePoignee},
           game.flow.state.PoigneeLevel > 0);
  if (game.flow.state.PoigneeLevel > 0) {
    SetNumber(game, Control::panelValeurPoignee, steps.bonus);
    SetSign(game, Control::panelSensPoignee, steps.made);
    SetNumber(game, Control::panelScoreApresPoignee, steps.after_poignee);
  }

  SetNumber(game, Control::panelScoreFinalPreneur, steps.taker_score);
}

void ShowScoreSheet(Game& game) {
  FillScoreSheet(game);
  game.view.SetVisible(Control::frmScoreDetaille, 0, true);
}

}  // namespace zarvane
