#include "ui/fTousPlis.h"

#include "ui/design.h"

namespace zarvane {

TfrmTousPlis::TfrmTousPlis(const Layout& layout, QWidget* parent) : QDialog(parent) {
  SetUpReviewWindow(this, layout, 712, 450, QColor(108, 108, 108));
}

}  // namespace zarvane
