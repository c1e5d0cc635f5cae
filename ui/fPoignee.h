#pragma once

#include <QDialog>

#include "engine/layout.h"

namespace zarvane {

// South's trumps, to mark the ones shown in a poignee. Its width follows the number
// of trumps when it opens.
class TfrmPoignee : public QDialog {
 public:
  explicit TfrmPoignee(const Layout& layout, QWidget* parent = nullptr);
};

}  // namespace zarvane
