#pragma once

#include <QDialog>

#include "engine/layout.h"

namespace zarvane {

// The eighteen tricks of the deal, revealed card by card.
class TfrmTousPlis : public QDialog {
 public:
  explicit TfrmTousPlis(const Layout& layout, QWidget* parent = nullptr);
};

}  // namespace zarvane
