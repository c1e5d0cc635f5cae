#include "ui/fPliPrecedent.h"

#include "ui/design.h"

namespace zarvane {

TfrmPliPrecedent::TfrmPliPrecedent(const Layout& layout, QWidget* parent) : QDialog(parent) {
  SetUpReviewWindow(this, layout, 414, 403, QColor(0, 128, 192));
}

}  // namespace zarvane
