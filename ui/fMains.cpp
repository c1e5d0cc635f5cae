#include "ui/fMains.h"

#include "ui/design.h"

namespace zarvane {

TfrmMains::TfrmMains(const Layout& layout, QWidget* parent) : QDialog(parent) {
  SetUpReviewWindow(this, layout, 791, 398, QColor(0, 64, 0));
}

}  // namespace zarvane
