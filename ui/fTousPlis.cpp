#include "ui/fTousPlis.h"

#include "table/review.h"

namespace zarvane {

TfrmTousPlis::TfrmTousPlis(const Layout& layout, QWidget* parent)
    : SideWindow(layout, 712, 450, QColor(108, 108, 108), parent) {
  for (int trick = 1; trick <= 18; ++trick) {
    for (int seat = 1; seat <= 4; ++seat) {
      NewCornerImage(
          Control::CartePli, 4 * (trick - 1) + seat, this,
          [trick, seat](const Layout& scale) { return TrickImageSpot(scale, trick, seat); });
    }
  }
  // Over the images, so that a frame's border is never hidden by a card.
  for (int trick = 1; trick <= 18; ++trick)
    NewFrame(Control::CadrePli, trick, Qt::blue);
  // South's card and the better one, when the analysis of his play opens the window.
  NewFrame(Control::CadreAnalyse, 1, Qt::red);
  NewFrame(Control::CadreAnalyse, 2, Qt::green);

  NewButton(Control::PanelEffacer, this, {15, 351, 120, 32}, 13, QStringLiteral("Effacer tout"),
            [this] { PanelEffacerClick(); });
  NewButton(Control::PanelPasApas, this, {296, 351, 120, 32}, 13, QStringLiteral("Pas à pas"),
            [this] { PanelPasApasClick(); });
  NewButton(Control::PanelVoirTout, this, {576, 351, 120, 32}, 13, QStringLiteral("Voir tout"),
            [this] { PanelVoirToutClick(); });
  NewButton(Control::PanelPlisOk, this, {15, 401, 681, 32}, 16, QStringLiteral("OK"),
            [this] { PanelPlisOkClick(); });
}

void TfrmTousPlis::PanelEffacerClick() {
  Run(zarvane::PanelEffacerClick);
}

void TfrmTousPlis::PanelPasApasClick() {
  Run(zarvane::PanelPasApasClick);
}

void TfrmTousPlis::PanelVoirToutClick() {
  Run(zarvane::PanelVoirToutClick);
}

void TfrmTousPlis::PanelPlisOkClick() {
  hide();
}

}  // namespace zarvane
