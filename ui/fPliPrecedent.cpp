#include "ui/fPliPrecedent.h"

#include "ui/design.h"

namespace zarvane {

TfrmPliPrecedent::TfrmPliPrecedent(const Layout& layout, QWidget* parent)
    : SideWindow(layout, 414, 403, QColor(0, 128, 192), parent) {
  for (int seat = 1; seat <= 4; ++seat) {
    NewCardImage(Control::cardPreviousTrick, seat, this, kPreviousTrickCards[seat - 1]);
  }
  NewButton(Control::ButtonOkPreviousTrick, this, {61, 357, 289, 35}, 16, QStringLiteral("OK"),
            [this] { ButtonOkPreviousTrickClick(); });
}

void TfrmPliPrecedent::ButtonOkPreviousTrickClick() {
  hide();
}

}  // namespace zarvane
