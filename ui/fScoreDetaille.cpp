#include "ui/fScoreDetaille.h"

#include "ui/design.h"

namespace zarvane {

TfrmScoreDetaille::TfrmScoreDetaille(const Layout& layout, QWidget* parent) : QDialog(parent) {
  SetUpReviewWindow(this, layout, 727, 505, QColor(0, 64, 64));
}

}  // namespace zarvane
