#include "ui/fScoreDetaille.h"

#include <QLabel>

namespace zarvane {

namespace {

const QColor kValueColour(126, 226, 226);
const QColor kOperatorColour(235, 235, 148);
const QColor kContractColour(129, 191, 233);
const QColor kPetitColour(119, 242, 190);
const QColor kPoigneeColour(131, 231, 158);
const QColor kFinalColour(255, 128, 128);
const QColor kSheetCaptionColour(192, 192, 192);

constexpr int kOperatorLeft = 120;
constexpr int kValueLeft = 162;
constexpr int kCaptionLeft = 267;
constexpr int kRowHeight = 40;
constexpr int kCaptionType = 13;
constexpr int kValueType = 27;

DesignRect Operator(int top) {
  return {kOperatorLeft, top, 36, kRowHeight};
}
DesignRect Value(int top) {
  return {kValueLeft, top, 99, kRowHeight};
}
DesignRect Caption(int top, int rows = 1) {
  return {kCaptionLeft, top, 130, rows == 1 ? kRowHeight : 2 * kRowHeight + 3};
}

}  // namespace

TfrmScoreDetaille::TfrmScoreDetaille(const Layout& layout, QWidget* parent)
    : SideWindow(layout, 727, 505, QColor(0, 64, 64), parent) {
  NewRowPanel(Control::panelPointsRealises, Value(10), kValueColour, kValueType);
  NewRowPanel(Control::panelPoints, Caption(10), kSheetCaptionColour, kCaptionType);

  NewRowPanel(Control::panelMoins, Operator(55), kOperatorColour, kValueType, "-");
  NewRowPanel(Control::panelContrat, Value(55), kContractColour, kValueType);
  NewRowPanel(Control::panelDefContrat, Caption(55), kSheetCaptionColour, kCaptionType);

  NewRowPanel(Control::panelEgal1, Operator(101), kOperatorColour, kValueType, "=");
  NewRowPanel(Control::panelAuDessusContrat, Value(101), kValueColour, kValueType);

  NewRowPanel(Control::panelSensPrimePetit, Operator(146), kOperatorColour, kValueType);
  NewRowPanel(Control::panelPrimePetit, Value(146), kPetitColour, kValueType, "10");
  NewRowPanel(Control::panelDefPrimePetit, Caption(146, 2), kSheetCaptionColour, kCaptionType)
      ->setWordWrap(true);
  NewRowPanel(Control::panelEgal2, Operator(189), kOperatorColour, kValueType, "=");
  NewRowPanel(Control::panelScoreApresPetit, Value(189), kPetitColour, kValueType);

  NewRowPanel(Control::panelSigneGain, Operator(232), kOperatorColour, kValueType);
  NewRowPanel(Control::panelConstContrat, Value(232), kValueColour, kValueType, "25");
  NewRowPanel(Control::panelEgal3, Operator(275), kOperatorColour, kValueType, "=");
  NewRowPanel(Control::panelScoreTmp, Value(275), kValueColour, kValueType);

  NewRowPanel(Control::panelX, {kOperatorLeft - 84, 320, 36, kRowHeight}, kOperatorColour,
              kValueType, "X");
  NewRowPanel(Control::panelCoefficientEnchere, {kOperatorLeft - 44, 320, 40, kRowHeight},
              kContractColour, kValueType);
  NewRowPanel(Control::panelEgal4, Operator(320), kOperatorColour, kValueType, "=");
  NewRowPanel(Control::panelScoreApresEnchere, Value(320), kValueColour, kValueType);

  NewRowPanel(Control::panelSensPoignee, Operator(364), kOperatorColour, kValueType);
  NewRowPanel(Control::panelValeurPoignee, Value(364), kPoigneeColour, kValueType);
  NewRowPanel(Control::panelDefPrimePoignee, Caption(364, 2), kSheetCaptionColour, kCaptionType)
      ->setWordWrap(true);
  NewRowPanel(Control::panelEgal5, Operator(409), kOperatorColour, kValueType, "=");
  NewRowPanel(Control::panelScoreApresPoignee, Value(409), kPoigneeColour, kValueType);

  NewRowPanel(Control::panelX3, {kValueLeft - 126, 452, 120, kRowHeight}, kOperatorColour,
              kValueType, "X 3 =");
  NewRowPanel(Control::panelScoreFinalPreneur, Value(452), kFinalColour, kValueType);

  NewRowPanel(Control::panelDefNbBouts, {480, 10, 200, 30}, kSheetCaptionColour, kCaptionType);
  NewRowPanel(Control::panelNbBouts, {530, 45, 99, kRowHeight}, kContractColour, kValueType);
  NewRowPanel(Control::panelPreneur, {480, 120, 200, 30}, kSheetCaptionColour, kCaptionType);
  NewRowPanel(Control::cardinalPreneur, {480, 155, 200, kRowHeight}, kContractColour, kValueType);

  NewButton(Control::panelFeuilleScore, this, {520, 400, 120, 72}, kValueType, QStringLiteral("OK"),
            [this] { panelFeuilleScoreClick(); });
}

QLabel* TfrmScoreDetaille::NewRowPanel(Control control, DesignRect place, const QColor& fill,
                                       int type_pixels, const QString& text) {
  return NewCaption(control, this, place, fill, type_pixels, text);
}

void TfrmScoreDetaille::panelFeuilleScoreClick() {
  hide();
}

}  // namespace zarvane
