#include "ui/fPoignee.h"

#include <QCloseEvent>
#include <QPushButton>

#include "flow/poignee.h"
#include "table/game.h"

namespace zarvane {

TfrmPoignee::TfrmPoignee(const Layout& layout, QWidget* parent)
    : SideWindow(layout, 620, 250, QColor(0, 128, 128), parent) {
  for (int j = 1; j <= 18; ++j) {
    CardImage* image = NewCardImage(Control::CartePoignee, j, this);
    image->setCursor(Qt::PointingHandCursor);
    image->hide();
    OnClick(image, [this, j] { CartePoigneeClick(j); });
  }
  NewButton(Control::PanelBoutonParesseux, this, {15, 200, 170, 34}, 14,
            QStringLiteral("Bouton paresseux..."), [this] { PanelBoutonParesseuxClick(); });
  NewButton(Control::PanelOkPoignee, this, {195, 200, 100, 34}, 14, QStringLiteral("OK"), [this] {
    PanelOkPoigneeClick();
  })->hide();
  NewButton(Control::PanelAnnulerPoignee, this, {305, 200, 205, 34}, 14,
            QStringLiteral("Annuler la Poignée !"), [this] { PanelAnnulerPoigneeClick(); });
}

void TfrmPoignee::CartePoigneeClick(int j) {
  Run([j](Game& game) { TogglePoigneeCard(game, j); });
}

void TfrmPoignee::PanelBoutonParesseuxClick() {
  Run(zarvane::PanelBoutonParesseuxClick);
}

void TfrmPoignee::PanelOkPoigneeClick() {
  Run(zarvane::PanelOkPoigneeClick);
}

void TfrmPoignee::PanelAnnulerPoigneeClick() {
  Run(zarvane::PanelAnnulerPoigneeClick);
}

void TfrmPoignee::reject() {}

void TfrmPoignee::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace zarvane
