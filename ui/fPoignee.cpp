#include "ui/fPoignee.h"

#include "ui/design.h"

namespace zarvane {

TfrmPoignee::TfrmPoignee(const Layout& layout, QWidget* parent) : QDialog(parent) {
  SetUpReviewWindow(this, layout, 620, 250, QColor(0, 128, 128));
}

}  // namespace zarvane
