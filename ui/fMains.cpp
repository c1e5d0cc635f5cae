#include "ui/fMains.h"

#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>

#include "table/review.h"
#include "ui/design.h"

namespace zarvane {

namespace {

const QColor kPanelGrey(192, 192, 192);
const QColor kHandCaptionColour(255, 255, 160);

constexpr Control kHandPanelControls[4] = {Control::PanelMainSud, Control::PanelMainEst,
                                           Control::PanelMainNord, Control::PanelMainOuest};

}  // namespace

TfrmMains::TfrmMains(const Layout& layout, QWidget* parent)
    : SideWindow(layout, 791, 398, QColor(0, 64, 0), parent) {
  for (int seat = 1; seat <= 4; ++seat) {
    QFrame* hand = NewPanel(kHandPanelControls[seat - 1], this, kHandPanels[seat - 1], kPanelGrey);
    for (int slot = 1; slot <= 18; ++slot)
      NewCornerImage(Control::CarteMain, 18 * (seat - 1) + slot, hand,
                     [slot](const Layout& scale) { return PanelImageSpot(scale, slot); });
  }
  NewDogPanel(Control::PanelChienAvantEcart, Control::CarteAvantEcart, Control::PanelChien,
              QStringLiteral("LE CHIEN"));
  NewDogPanel(Control::PanelChienApresEcart, Control::CarteApresEcart, Control::PanelEcart,
              QStringLiteral("L'ECART"))
      ->hide();
  NewButton(Control::PanelMainsOK, this, {331, 174, 131, 55}, 21, QStringLiteral("OK"),
            [this] { PanelMainsOKClick(); });
  for (int k = 1; k <= 6; ++k)
    NewFrame(Control::CadreEcart, k, Qt::yellow);
  NewDealCode();
}

// The deal's code, which a player may send to a friend, under North's hand and above the
// other hands, where no dog panel ever goes, with its Copy button above the OK button.
void TfrmMains::NewDealCode() {
  code_ = NewCaption(Control::PanelCodeDonne, this, {254, 118, 283, 24}, kHandCaptionColour, 11);
  code_->setFont(DesignFont(layout(), kMono, 11, true));
  code_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  NewButton(Control::PanelCopierCode, this, {346, 146, 97, 24}, 13, QStringLiteral("Copier"),
            [this] { PanelCopierCodeClick(); });
}

void TfrmMains::PanelCopierCodeClick() {
  QGuiApplication::clipboard()->setText(code_->text());
  Run(zarvane::PanelCopierCodeClick);
}

// Six small images in a row, and the caption at the panel's foot.
QFrame* TfrmMains::NewDogPanel(Control panel, Control images, Control caption,
                               const QString& text) {
  QFrame* dog = NewPanel(panel, this, kDogPanel, kPanelGrey);
  for (int d = 1; d <= 6; ++d)
    NewCornerImage(images, d, dog, [d](const Layout& scale) { return PanelImageSpot(scale, d); });
  NewCaption(caption, dog, {4, 60, 186, 22}, kHandCaptionColour, 13, text);
  return dog;
}

void TfrmMains::PanelMainsOKClick() {
  hide();
}

}  // namespace zarvane
