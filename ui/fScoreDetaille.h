#pragma once

#include <QDialog>

#include "engine/layout.h"

namespace zarvane {

// The detailed score sheet of the deal just ended.
class TfrmScoreDetaille : public QDialog {
 public:
  explicit TfrmScoreDetaille(const Layout& layout, QWidget* parent = nullptr);
};

}  // namespace zarvane
