#pragma once

#include <QDialog>

#include "engine/layout.h"

namespace zarvane {

// The previous trick: the four cards of the last trick, laid out like the table.
class TfrmPliPrecedent : public QDialog {
 public:
  explicit TfrmPliPrecedent(const Layout& layout, QWidget* parent = nullptr);
};

}  // namespace zarvane
