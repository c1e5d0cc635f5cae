#pragma once

#include "ui/side_window.h"

namespace zarvane {

// The previous trick: the four cards of the last trick, laid out like the table.
class TfrmPliPrecedent : public SideWindow {
 public:
  explicit TfrmPliPrecedent(const Layout& layout, QWidget* parent = nullptr);

  void ButtonOkPreviousTrickClick();
};

}  // namespace zarvane
